#include "workspace/atomic_write.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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
    // Plain system calls: Qt reports success for a write to /dev/full.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return Failure(path, errno, {});
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

}  // namespace

FileResult WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (info.isDir()) return Failure(path, EISDIR, {});
    if (info.exists() && !info.isFile()) return WriteDirectly(path, bytes);

    QSaveFile file(path);
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
    errno = 0;
    if (!file.commit()) return Failure(path, errno, file.errorString());
    return {};
}

}  // namespace kurvo
