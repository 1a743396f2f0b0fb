#include "workspace/settings_file.h"

#include "workspace/data_files.h"

namespace kurvo {

std::string WriteSettingsFile(const QString& dataFolder, const SettingsRecord& record) {
    const auto bytes = Serialize(record);
    const auto r = WriteRecord(FindInFolder(dataFolder, "sett.dat"), bytes.data(), bytes.size());
    return r.ok() ? std::string() : r.message;
}

}  // namespace kurvo
