#pragma once
// Desktop integration of a program run from its build folder: a per-user
// .desktop entry and shared-mime-info type for ".kvo", kept current with
// the executable and the icon, and the MIME database refreshed so a
// double-clicked lesson file opens in Kurvo32. An installed program ships
// these files with the package and writes none of them.
#include <QString>

namespace kurvo {

constexpr const char* kGraphFileMimeType = "application/x-kurvofile";
// The desktop id, the icon's name and the metainfo id.
constexpr const char* kDesktopId = "org.kurvo32.Kurvo32";

struct FileTypeRegistration {
    bool mimeWritten = false;
    bool desktopWritten = false;
};

// True when `executable` lies inside the build folder this program was
// built in (an installed copy, a DESTDIR included, lies elsewhere).
bool RunsFromBuildFolder(const QString& executable);

// The icon a build-folder run names in its entry (the source tree's SVG).
QString BuildFolderIcon();

// Writes the entry (Exec= `executable` %f, Icon= `icon`) and the MIME type
// under the user's XDG data folder when missing or out of date. An entry the
// user wrote (without this program's mark) is never replaced.
FileTypeRegistration RegisterFileType(const QString& executable, const QString& icon);

// The shared-mime-info XML of the graph file type (glob and magic).
QByteArray MimeTypeXml();

}  // namespace kurvo
