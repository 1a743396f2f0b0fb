#pragma once
// Settings values from outside the program's own dialogs (sett.dat, a
// graph file, the command line) can hold anything. A record is checked once
// when it is read (SettingsDamage); values whose controls have a range are
// brought into it wherever they are used, so nothing overflows in drawing.
#include <cstdint>
#include <string>

#include "plot/settings_record.h"

namespace kurvo {

// What makes the record unusable ("XMin is not a finite number"), or ""
// when it is sound: a non-finite real, a plot step text that is no integer.
std::string SettingsDamage(const SettingsRecord& record);

// The report for a damaged settings file: "sett.dat is damaged: ... The
// default settings are used."
std::string SettingsDamageReport(const std::string& damage);

// Line widths as the environment dialog offers them, 1 to 10 pixels.
int UsableLineWidth(int32_t width);
// A font size a font dialog offers, 1 to 200 points.
int UsableFontSize(int32_t points);

}  // namespace kurvo
