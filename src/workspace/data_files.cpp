#include "workspace/data_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "workspace/atomic_write.h"

namespace kurvo {

QString FindInFolder(const QString& folder, const QString& name) {
    QDir dir(folder);
    const QString exact = dir.filePath(name);
    if (QFileInfo::exists(exact)) return exact;
    const auto entries = dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const auto& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    return exact;
}

namespace {

FileResult Problem(FileProblem problem, std::string message) { return {problem, std::move(message)}; }

FileResult IoError(const QFile& file, int error) {
    return Problem(FileProblem::Unreadable,
                   FileErrorText(file.fileName(), error != 0 ? SystemErrorReason(error)
                                                              : file.errorString().toStdString()));
}

FileResult OpenForReading(QFile& file) {
    if (!QFileInfo::exists(file.fileName())) return Problem(FileProblem::Missing, "File not found");
    if (QFileInfo(file.fileName()).isDir()) return IoError(file, EISDIR);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) return IoError(file, errno);
    return {};
}

}  // namespace

FileResult ReadRecord(const QString& path, size_t size, std::vector<uint8_t>& record) {
    QFile file(path);
    if (auto r = OpenForReading(file); !r.ok()) return r;
    const QByteArray data = file.read(static_cast<qint64>(size));
    if (static_cast<size_t>(data.size()) < size)
        return Problem(FileProblem::Short, "Read beyond end of file");
    record.assign(data.begin(), data.end());
    return {};
}

FileResult WriteRecord(const QString& path, const uint8_t* bytes, size_t size) {
    QByteArray content(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    // What follows record 0 in an existing file is kept.
    QFile old(path);
    if (QFileInfo(path).isFile() && old.open(QIODevice::ReadOnly) && old.size() > static_cast<qint64>(size)) {
        old.seek(static_cast<qint64>(size));
        content += old.readAll();
    }
    return WriteFileAtomically(path, content);
}

std::vector<std::string> SplitTextLines(const std::string& bytes, size_t maxLength) {
    if (maxLength == 0) maxLength = std::string::npos;
    std::vector<std::string> lines;
    std::string line;
    bool pending = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            lines.push_back(line.substr(0, maxLength));
            line.clear();
            pending = false;
        } else {
            line += c;
            pending = true;
        }
    }
    if (pending) lines.push_back(line.substr(0, maxLength));
    return lines;
}

FileResult ReadTextLines(const QString& path, std::vector<std::string>& lines, size_t maxLength) {
    QFile file(path);
    if (auto r = OpenForReading(file); !r.ok()) return r;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) return IoError(file, errno);
    lines = SplitTextLines(data.toStdString(), maxLength);
    return {};
}

FileResult WriteTextLines(const QString& path, const std::vector<std::string>& lines) {
    QByteArray out;
    for (const auto& line : lines) out += QByteArray::fromStdString(line) + "\r\n";
    return WriteFileAtomically(path, out);
}

std::string LineOr(const std::vector<std::string>& lines, size_t n) {
    return n < lines.size() ? lines[n] : std::string();
}

}  // namespace kurvo
