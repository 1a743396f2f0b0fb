#include "workspace/data_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "expr/encoding.h"
#include "workspace/atomic_write.h"

namespace kurvo {

QString NearestExistingFolder(const QString& folder) {
    QDir dir(folder.isEmpty() ? QDir::homePath() : folder);
    while (!dir.exists() && !dir.isRoot()) dir.setPath(QFileInfo(dir.absolutePath()).path());
    return dir.absolutePath();
}

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

}  // namespace

// Regular files only: a FIFO would block the open for ever, a device such
// as /dev/zero never ends. The open does not block, so the type is known
// before anything is read.
FileResult OpenRegularFile(QFile& file) {
    const QByteArray path = QFile::encodeName(file.fileName());
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return Problem(FileProblem::Missing, "File not found");
        return IoError(file, errno);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : 0;
        ::close(fd);
        if (error) return IoError(file, error);
        return Problem(FileProblem::Unreadable, FileErrorText(file.fileName(), kNotRegularFile));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return IoError(file, 0);
    }
    return {};
}

FileResult ReadFileBytes(const QString& path, QByteArray& bytes, qint64 maxBytes) {
    QFile file(path);
    if (auto r = OpenRegularFile(file); !r.ok()) return r;
    // In pieces: read(maxBytes) would set aside maxBytes at once.
    bytes.clear();
    while (bytes.size() < maxBytes) {
        errno = 0;
        const QByteArray chunk = file.read(std::min<qint64>(maxBytes - bytes.size(), 1 << 20));
        if (file.error() != QFileDevice::NoError) return IoError(file, errno);
        if (chunk.isEmpty()) break;
        bytes += chunk;
    }
    return {};
}

FileResult ReadRecord(const QString& path, size_t size, std::vector<uint8_t>& record) {
    QFile file(path);
    if (auto r = OpenRegularFile(file); !r.ok()) return r;
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

FileResult ReadTextLines(const QString& path, std::vector<std::string>& lines, size_t maxLength,
                         size_t maxLines) {
    QFile file(path);
    if (auto r = OpenRegularFile(file); !r.ok()) return r;
    // Read until maxLines lines have ended, or kMaxTextBytes.
    std::string data;
    size_t ended = 0;
    char previous = 0;
    while (ended < maxLines && data.size() < kMaxTextBytes) {
        errno = 0;
        const QByteArray chunk = file.read(64 * 1024);
        if (file.error() != QFileDevice::NoError) return IoError(file, errno);
        if (chunk.isEmpty()) break;
        for (const char c : chunk) {
            if (c == '\n' ? previous != '\r' : c == '\r') ++ended;
            previous = c;
        }
        data.append(chunk.constData(), size_t(chunk.size()));
    }
    lines = SplitTextLines(data, maxLength);
    if (lines.size() > maxLines) lines.resize(maxLines);
    return {};
}

QByteArray TextLinesBytes(const std::vector<std::string>& lines) {
    QByteArray out;
    for (const auto& line : lines) out += QByteArray::fromStdString(line) + "\r\n";
    return out;
}

FileResult WriteTextLines(const QString& path, const std::vector<std::string>& lines) {
    return WriteFileAtomically(path, TextLinesBytes(lines));
}

std::string NotStorable(const std::string& character) {
    return "'" + character + "' is not in the Windows-1252 code page";
}

std::string ListLinesProblem(const std::vector<std::string>& lines, size_t maxLength, size_t maxLines) {
    if (lines.size() > maxLines)
        return "more than " + std::to_string(maxLines) + " lines (line " + std::to_string(maxLines + 1) +
               " would not be read back)";
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].size() > maxLength)
            return "line " + std::to_string(i + 1) + " is longer than " + std::to_string(maxLength) + " characters";
    return {};
}

std::string ListLinesFromUtf8(const std::vector<std::string>& utf8, std::vector<std::string>& lines,
                              size_t maxLength, size_t maxLines) {
    lines.assign(utf8.size(), std::string());
    for (size_t i = 0; i < utf8.size(); ++i) {
        std::string lost;
        if (!Utf8ToCp1252Exact(utf8[i], lines[i], &lost))
            return "line " + std::to_string(i + 1) + ": " + NotStorable(lost);
    }
    return ListLinesProblem(lines, maxLength, maxLines);
}

std::string LineOr(const std::vector<std::string>& lines, size_t n) {
    return n < lines.size() ? lines[n] : std::string();
}

}  // namespace kurvo
