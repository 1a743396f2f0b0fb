#pragma once
// The one way the program writes a file: the new content goes to a
// temporary file in the target's folder, which is flushed and renamed over
// the target, so a failed write (full disk, no permission, a crash) never
// loses the user's previous file. Failures carry one kind of text for the
// user, the system's reason with the file's path (FileErrorText).
#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

#include "workspace/data_files.h"

namespace kurvo {

// Replaces the file at `path` with `bytes`; a symbolic link is written
// through. A character device (/dev/null, /dev/full, a terminal) cannot be
// renamed over; it is written directly without waiting, and every write
// error is still reported. Anything else that is not a regular file (a
// FIFO, a socket) is refused at once with kNotRegularFile.
FileResult WriteFileAtomically(const QString& path, const QByteArray& bytes);

// Files that go together (a pair kept in step): every target is checked
// and every temporary file written before the first is renamed, and a
// rename that fails puts back the files renamed before it. Regular files
// only.
struct FileBytes {
    QString path;
    QByteArray bytes;
};
FileResult WriteFilesAtomically(const std::vector<FileBytes>& files);

// The reason given for a path that names neither a regular file nor a
// device the program can write without waiting.
inline constexpr const char* kNotRegularFile = "Not a regular file";

// "PATH: reason", the reason in the system's words ("Permission denied",
// "No space left on device", "Is a directory").
std::string FileErrorText(const QString& path, const std::string& reason);
// The system's words for an errno value.
std::string SystemErrorReason(int error);

}  // namespace kurvo
