#pragma once
// Settings record fields by name, for setting any option from the command
// line ("FontSize=10", "GraphColours[2]=0x0000FF").
#include <optional>
#include <string>
#include <vector>

#include "plot/settings_record.h"

namespace kurvo {

// Sets `name` (an array element as "Name[i]", 0-based) from `value`:
// booleans 0 or 1, colours 0xBBGGRR (or decimal), reals in the program's
// real format (formulas are not evaluated), integers, texts (Windows-1252,
// at most the field's capacity). Field names are matched without regard
// to case. Returns "" on success, else a message saying what was wrong;
// the record is unchanged then.
std::string SetSettingsField(SettingsRecord& record, const std::string& name,
                             const std::string& value);
// The same for "NAME=VALUE".
std::string SetSettingsField(SettingsRecord& record, const std::string& assignment);

// The value of a field as SetSettingsField accepts it; empty when the name
// (or index) is unknown.
std::optional<std::string> GetSettingsField(const SettingsRecord& record, const std::string& name);

// Every field name, arrays with their length as "Name[5]", in record order.
std::vector<std::string> SettingsFieldNames();

}  // namespace kurvo
