#pragma once
// The one way the program writes a file: the new content goes to a
// temporary file in the target's folder, which is flushed and renamed over
// the target, so a failed write (full disk, no permission, a crash) never
// loses the user's previous file. Failures carry one kind of text for the
// user, the system's reason with the file's path (FileErrorText).
#include <QByteArray>
#include <QString>
#include <string>

#include "workspace/data_files.h"

namespace kurvo {

// Replaces the file at `path` with `bytes`. A target that is a device or a
// pipe (/dev/stdout, /dev/full) cannot be renamed over; it is written
// directly, and every write error is still reported.
FileResult WriteFileAtomically(const QString& path, const QByteArray& bytes);

// "PATH: reason", the reason in the system's words ("Permission denied",
// "No space left on device", "Is a directory").
std::string FileErrorText(const QString& path, const std::string& reason);
// The system's words for an errno value.
std::string SystemErrorReason(int error);

}  // namespace kurvo
