#pragma once
// What the administration dialogs of `kurvo32 setup` read from the data
// folder: a record file, or the record of a first start when it is missing.
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "admin/toolbar_record.h"

namespace kurvo::app {

// The first record of `name` in `folder`; `fallback` when the file does
// not exist. A file that cannot be read: false with the message.
bool ReadRecordOr(const QString& folder, const char* name, const std::vector<uint8_t>& fallback,
                  std::vector<uint8_t>& record, std::string& error);

// tbrcfg.dat, or every entry shown when it is missing.
bool ReadToolbarFile(const QString& folder, ToolbarRecord& record, std::string& error);

}  // namespace kurvo::app
