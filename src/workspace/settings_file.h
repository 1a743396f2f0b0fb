#pragma once
// sett.dat: one SettingsRecord of 1528 bytes.
#include <QString>
#include <string>

#include "plot/settings_record.h"

namespace kurvo {

// Writes the record as record 0, keeping the file (creating it when
// missing); "" on success, else the platform's message.
std::string WriteSettingsFile(const QString& dataFolder, const SettingsRecord& record);

}  // namespace kurvo
