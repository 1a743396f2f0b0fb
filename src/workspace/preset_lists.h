#pragma once
// The preset formula lists of the modes (Cart.txt, Cartpara.txt,
// Polar.txt, ParaPol.txt, Implic.txt): the formula box's choices, the
// Formulae dialog's text and "&Add formula to file". Shared by the window
// and `kurvo32 setup presets`.
#include <QString>
#include <string>
#include <vector>

#include "workspace/mode_files.h"

namespace kurvo {

// The path of the mode's list in the data folder.
QString PresetListPath(const QString& dataFolder, const GraphMode& mode);

// The list's lines; "" or "Cannot open file PATH" when it is missing or
// unreadable.
std::string LoadPresetList(const QString& dataFolder, const GraphMode& mode, std::vector<std::string>& lines);
// Replaces the list with `lines`; "" or the write failure.
std::string SavePresetList(const QString& dataFolder, const GraphMode& mode, const std::vector<std::string>& lines);
// Adds `text` as a new last line of an existing list ("File not found" and
// the path otherwise, nothing created). A last line without its line end gets one
// first, so the new formula is not glued onto it.
std::string AppendPresetLine(const QString& dataFolder, const GraphMode& mode, const std::string& text);

}  // namespace kurvo
