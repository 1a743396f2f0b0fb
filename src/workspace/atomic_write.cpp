#include "workspace/atomic_write.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

namespace kurvo {

std::string SystemErrorReason(int error) { return std::strerror(error); }

std::string FileErrorText(const QString& path, const std::string& reason) {
    return QFileInfo(path).absoluteFilePath().toStdString() + ": " + reason;
}

namespace {

FileResult Failure(const QString& path, int error, const QString& fallback) {
    // Qt's texts are not always the system's ("Unknown error"); errno is,
    // when the failing call left one.
    const std::string reason = error != 0 ? SystemErrorReason(error) : fallback.toStdString();
    return {FileProblem::Unreadable, FileErrorText(path, reason)};
}

FileResult WriteDirectly(const QString& path, const QByteArray& bytes) {
    // Plain system calls: Qt reports success for a write to /dev/full. The
    // open does not wait (a device may wait for a carrier), and the type is
    // checked again on what was opened, in case the path changed meanwhile.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Failure(path, errno, {});
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISCHR(opened.st_mode)) {
        ::close(fd);
        return {FileProblem::Unreadable, FileErrorText(path, kNotRegularFile)};
    }
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            return Failure(path, error, {});
        }
        done += n;
    }
    if (::close(fd) != 0) return Failure(path, errno, {});
    return {};
}

// What the path names after following links (a link is written
// through). A pipe or socket would block or fail part way, so only regular
// files, and character devices (/dev/null, a terminal) which are written
// without waiting, are taken. `kind` gets the type, 0 when nothing is there.
FileResult CheckTarget(const QString& path, mode_t& kind) {
    struct stat target {};
    kind = 0;
    if (::stat(QFile::encodeName(path).constData(), &target) != 0) return {};
    kind = target.st_mode & S_IFMT;
    if (S_ISDIR(target.st_mode)) return Failure(path, EISDIR, {});
    if (!S_ISREG(target.st_mode) && !S_ISCHR(target.st_mode))
        return {FileProblem::Unreadable, FileErrorText(path, kNotRegularFile)};
    return {};
}

// Opens the temporary file of `file` and writes and flushes `bytes` to it;
// on failure the temporary file is gone.
FileResult WriteTemporary(QSaveFile& file, const QByteArray& bytes) {
    const QString path = file.fileName();
    file.setDirectWriteFallback(false);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) return Failure(path, errno, file.errorString());
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int error = errno;
        const QString text = file.errorString();
        file.cancelWriting();
        return Failure(path, error, text);
    }
    return {};
}

FileResult Commit(QSaveFile& file) {
    errno = 0;
    if (!file.commit()) return Failure(file.fileName(), errno, file.errorString());
    return {};
}

}  // namespace

FileResult WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    mode_t kind = 0;
    if (FileResult r = CheckTarget(path, kind); !r.ok()) return r;
    if (S_ISCHR(kind)) return WriteDirectly(path, bytes);
    QSaveFile file(path);
    if (FileResult r = WriteTemporary(file, bytes); !r.ok()) return r;
    return Commit(file);
}

FileResult WriteFilesAtomically(const std::vector<FileBytes>& files) {
    // Every target checked and its old bytes kept, every temporary file
    // written and flushed, before the first rename.
    std::vector<std::optional<QByteArray>> old(files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        mode_t kind = 0;
        if (FileResult r = CheckTarget(files[i].path, kind); !r.ok()) return r;
        if (S_ISCHR(kind)) return {FileProblem::Unreadable, FileErrorText(files[i].path, kNotRegularFile)};
        if (kind == 0) continue;
        old[i].emplace();
        if (FileResult r = ReadFileBytes(files[i].path, *old[i], std::numeric_limits<qint64>::max() / 2); !r.ok())
            return r;
    }
    std::vector<std::unique_ptr<QSaveFile>> temporaries;
    for (const FileBytes& f : files) {
        temporaries.push_back(std::make_unique<QSaveFile>(f.path));
        if (FileResult r = WriteTemporary(*temporaries.back(), f.bytes); !r.ok()) return r;
    }
    for (size_t i = 0; i < files.size(); ++i) {
        FileResult r = Commit(*temporaries[i]);
        if (r.ok()) continue;
        // A rename refused (an immutable file): the files already renamed
        // get their old bytes back.
        for (size_t j = 0; j < i; ++j) {
            if (old[j]) WriteFileAtomically(files[j].path, *old[j]);
            else QFile::remove(files[j].path);
        }
        return r;
    }
    return {};
}

}  // namespace kurvo
