#pragma once
// The function alias editor's logic: the mode's alias file, the check on
// OK and the lines Print sends. The walk that replaces a typed alias by its
// formula belongs to the graph object (TGraphWindow::ResolveAlias).
#include <QString>
#include <string>
#include <vector>

#include "workspace/mode_files.h"

namespace kurvo {

inline constexpr const char* kAliasListErrors = "There are errors in your alias list.";

// The mode's alias file in the data folder.
QString AliasListPath(const QString& dataFolder, const GraphMode& mode);

// A line is wrong when it is not empty and has no ":" (spaces are not
// empty).
bool AliasListHasErrors(const std::vector<std::string>& lines);

// OK: "" when the lines were checked and written, else the message shown;
// the file is untouched then.
std::string SaveAliasList(const QString& path, const std::vector<std::string>& lines);

// What Print sends: whole lines, or only the alias after the first ":".
std::vector<std::string> AliasPrintLines(const std::vector<std::string>& lines, bool aliasesOnly);

}  // namespace kurvo
