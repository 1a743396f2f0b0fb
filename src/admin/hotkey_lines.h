#pragma once
// hotkeys.txt: one line per menu entry that is not a separator, in menu
// order, "caption:shortcut". Lines are matched to entries by position.
#include <string>
#include <vector>

namespace kurvo {

struct HotkeyLine {
    std::string caption;   // with its "&" markers
    std::string shortcut;  // platform notation, "" for none
};

// The shortcut a line gives: the text after the first ":", none without ":".
std::string ShortcutOfLine(const std::string& line);
std::string FormatHotkeyLine(const HotkeyLine& entry);
// The caption as the hot key editor lists it: every "&" removed.
std::string CaptionWithoutMarkers(const std::string& caption);

}  // namespace kurvo
