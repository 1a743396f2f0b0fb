#include "setup_admin.h"

#include <QFileInfo>

#include "workspace/data_files.h"
#include "workspace/folders.h"

namespace kurvo::app {

bool ReadRecordOr(const QString& folder, const char* name, const std::vector<uint8_t>& fallback,
                  std::vector<uint8_t>& record, std::string& error) {
    const QString path = DataFilePath(folder, name);
    if (!QFileInfo::exists(path)) {
        record = fallback;
        return true;
    }
    const FileResult r = ReadRecord(path, fallback.size(), record);
    if (!r.ok()) error = std::string(name) + ": " + r.message;
    return r.ok();
}

bool ReadToolbarFile(const QString& folder, ToolbarRecord& record, std::string& error) {
    const ToolbarBytes fallback = SerializeToolbar(DefaultToolbar());
    std::vector<uint8_t> bytes;
    if (!ReadRecordOr(folder, "tbrcfg.dat", {fallback.begin(), fallback.end()}, bytes, error)) return false;
    record = DeserializeToolbar(bytes.data());
    return true;
}

}  // namespace kurvo::app
