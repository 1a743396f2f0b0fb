#include "admin/alias_list.h"

#include "workspace/data_files.h"
#include "workspace/folders.h"

namespace kurvo {

QString AliasListPath(const QString& dataFolder, const GraphMode& mode) {
    return DataFilePath(dataFolder, QString::fromStdString(AliasListFile(mode)));
}

bool AliasListHasErrors(const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        if (!line.empty() && line.find(':') == std::string::npos) return true;
    return false;
}

std::string SaveAliasList(const QString& path, const std::vector<std::string>& lines) {
    if (AliasListHasErrors(lines)) return kAliasListErrors;
    const FileResult written = WriteTextLines(path, lines);
    return written.ok() ? std::string() : written.message;
}

std::vector<std::string> AliasPrintLines(const std::vector<std::string>& lines, bool aliasesOnly) {
    if (!aliasesOnly) return lines;
    std::vector<std::string> out;
    for (const auto& line : lines) {
        const auto colon = line.find(':');
        out.push_back(colon == std::string::npos ? std::string() : line.substr(colon + 1));
    }
    return out;
}

}  // namespace kurvo
