#pragma once
// The constants editor's logic, shared by the Constants dialog and
// `kurvo32 setup constants`: the sixteen field texts, their normalising,
// evaluation into the settings record and the parsers, and sett.dat.
#include <QString>
#include <array>
#include <string>

namespace kurvo {

class TGraphWindow;
struct SettingsRecord;

using ConstantFields = std::array<std::string, 16>;  // in the order a b c d e m n o p q r s u v w z

// Each constant in real format, as the dialog shows it.
ConstantFields ConstantFieldTexts(const SettingsRecord& settings);

// a and b become "0" when empty; the fourteen others are never zero, so
// they become "1" when empty or exactly "0".
void NormaliseConstantFields(ConstantFields& fields);

// The dialog's OK: normalises `fields` (the caller shows them again),
// evaluates each as a formula with the graph's translator and parser 1
// into Constants, copies them into the parsers and writes sett.dat in
// `dataFolder`. Returns "" or the message that stopped it: a field that is
// not a valid formula leaves the constants before it changed and sett.dat
// untouched.
std::string ApplyConstantFields(TGraphWindow& graph, ConstantFields& fields, const QString& dataFolder);

}  // namespace kurvo
