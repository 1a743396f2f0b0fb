#pragma once
// The items of the relation box next to the formula box, by graph mode.
// Texts are Windows-1252.
#include <string>
#include <vector>

#include "plot/settings_record.h"

namespace kurvo {

// The relation file's lines: CR LF or LF line ends, each line cut to 255
// characters; the empty remainder after the last line end is no line.
std::vector<std::string> SplitRelationLines(const std::string& fileText);

// The relation file ("Carttyp.txt" in the data folder) read with
// SplitRelationLines; empty when it cannot be read.
std::vector<std::string> LoadRelationLines(const std::string& path);

// Cartesian: the relation file's lines; Cartesian parametric: "x,y=";
// polar: "r="; polar parametric: "r," + 0xF8 + "="; implicit: none (the
// relation is written inside the formula).
std::vector<std::string> RelationBoxItems(const SettingsRecord& settings,
                                          const std::vector<std::string>& relationLines);

}  // namespace kurvo
