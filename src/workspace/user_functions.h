#pragma once
// The functions editor's logic, shared by the Functions dialog and
// `kurvo32 setup functions`: the seven user functions f..l as typed
// (Cartfun.txt / Polarfun.txt) and translated (Cartfun_int.txt /
// Polarfun_int.txt), one line per function.
#include <QString>
#include <array>
#include <string>

#include "workspace/data_files.h"

namespace kurvo {

class TGraphWindow;
struct SettingsRecord;

using UserFunctionFields = std::array<std::string, 7>;  // f g h i j k l

extern const char kFunctionsUnavailable[];

// Parametric and implicit graphs take no user functions.
bool UserFunctionsAvailable(const SettingsRecord& settings);

// Lines 1 to 7 of the mode's source file into `fields`. A missing file
// gives "File not found" and its path and leaves the fields as they were.
FileResult ReadUserFunctionSources(const QString& dataFolder, bool cartesian, UserFunctionFields& fields);

// The dialog's OK. Every field is translated (an empty one gives "()")
// and compiled before anything is written, so a function that does not
// compile leaves both files and the parsers as they were; its compiler
// message is returned. Then the source file and the translated file of the
// graph's mode are rewritten and the graph's user-function parsers take
// the new texts. Returns "" or the message; `translated` gets the lines of
// the translated file.
std::string SaveUserFunctions(TGraphWindow& graph, const QString& dataFolder, const UserFunctionFields& fields,
                              UserFunctionFields* translated = nullptr);

}  // namespace kurvo
