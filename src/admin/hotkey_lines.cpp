#include "admin/hotkey_lines.h"

namespace kurvo {

std::string ShortcutOfLine(const std::string& line) {
    const auto colon = line.find(':');
    if (colon == std::string::npos) return {};
    return line.substr(colon + 1);
}

std::string FormatHotkeyLine(const HotkeyLine& entry) { return entry.caption + ":" + entry.shortcut; }

std::string CaptionWithoutMarkers(const std::string& caption) {
    std::string out;
    for (char c : caption)
        if (c != '&') out += c;
    return out;
}

}  // namespace kurvo
