#include "plot/relation_box.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace kurvo {

std::vector<std::string> SplitRelationLines(const std::string& fileText) {
    std::vector<std::string> lines;
    std::string line;
    bool pending = false;
    for (size_t i = 0; i < fileText.size(); ++i) {
        const char c = fileText[i];
        if (c == '\r' && i + 1 < fileText.size() && fileText[i + 1] == '\n') continue;
        if (c == '\n') {
            lines.push_back(line.substr(0, 255));
            line.clear();
            pending = false;
            continue;
        }
        line += c;
        pending = true;
    }
    if (pending) lines.push_back(line.substr(0, 255));
    return lines;
}

std::vector<std::string> LoadRelationLines(const std::string& path) {
    // Regular files only: opening a FIFO would wait for a writer for ever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return {};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return SplitRelationLines(text);
}

std::vector<std::string> RelationBoxItems(const SettingsRecord& settings,
                                          const std::vector<std::string>& relationLines) {
    if (settings.ImplicitMode) return {};
    if (settings.CartesianMode) {
        if (settings.Parametric) return {"x,y="};
        return relationLines;
    }
    if (settings.Parametric) return {std::string("r,") + char(0xF8) + "="};
    return {"r="};
}

}  // namespace kurvo
