#pragma once
// Registers the graph file type ".kvo" with the desktop: a shared-mime-info
// type and a .desktop entry under the user's XDG data folder. Existing
// entries are never overwritten, so an association the user or another
// installation made stays as it is.
#include <QString>

namespace kurvo {

constexpr const char* kGraphFileMimeType = "application/x-kurvofile";

struct FileTypeRegistration {
    bool mimeCreated = false;
    bool desktopCreated = false;
};

// `programFolder` is where the program runs (its data folder holds the
// icon); `executable` the program to start for a graph file.
FileTypeRegistration RegisterFileType(const QString& programFolder, const QString& executable);

}  // namespace kurvo
