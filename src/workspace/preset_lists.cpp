#include "workspace/preset_lists.h"

#include <QFile>
#include <QFileInfo>

#include "workspace/atomic_write.h"
#include "workspace/data_files.h"

namespace kurvo {

QString PresetListPath(const QString& dataFolder, const GraphMode& mode) {
    return FindInFolder(dataFolder, QString::fromStdString(PresetListFile(mode)));
}

std::string LoadPresetList(const QString& dataFolder, const GraphMode& mode, std::vector<std::string>& lines) {
    const QString path = PresetListPath(dataFolder, mode);
    if (!ReadTextLines(path, lines).ok()) return "Cannot open file " + path.toStdString();
    return {};
}

std::string SavePresetList(const QString& dataFolder, const GraphMode& mode, const std::vector<std::string>& lines) {
    const FileResult r = WriteTextLines(PresetListPath(dataFolder, mode), lines);
    return r.ok() ? std::string() : r.message;
}

std::string AppendPresetLine(const QString& dataFolder, const GraphMode& mode, const std::string& text) {
    const QString path = PresetListPath(dataFolder, mode);
    if (!QFileInfo(path).isFile()) return "File not found\n\n" + path.toStdString();
    // The file's bytes are kept as they are, long lines included.
    QByteArray bytes;
    if (const FileResult r = ReadFileBytes(path, bytes, kMaxTextBytes); !r.ok()) return r.message;
    if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r')) bytes += "\r\n";
    bytes += QByteArray::fromStdString(text) + "\r\n";
    const FileResult r = WriteFileAtomically(path, bytes);
    return r.ok() ? std::string() : r.message;
}

}  // namespace kurvo
