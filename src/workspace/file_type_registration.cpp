#include "workspace/file_type_registration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "workspace/data_files.h"

namespace kurvo {

namespace {

bool WriteNewFile(const QString& path, const QByteArray& content) {
    if (QFileInfo::exists(path)) return false;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
    return file.write(content) == content.size();
}

// Desktop entry values escape backslashes, and Exec arguments need quotes
// when they hold spaces.
QString Quoted(const QString& path) {
    QString s = path;
    s.replace("\\", "\\\\").replace("\"", "\\\"");
    return "\"" + s + "\"";
}

}  // namespace

FileTypeRegistration RegisterFileType(const QString& programFolder, const QString& executable) {
    FileTypeRegistration result;
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty()) return result;
    const QString icon = FindInFolder(FindInFolder(programFolder, "data"), "Kvofile.svg");

    const QByteArray mime =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"" + QByteArray(kGraphFileMimeType) + "\">\n"
        "    <comment>Kurvo32 graph file</comment>\n"
        "    <glob pattern=\"*.kvo\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n";
    result.mimeCreated = WriteNewFile(QDir(dataHome).filePath("mime/packages/kurvo32.xml"), mime);

    // The program finds its data folder in the folder it starts in, so the
    // entry starts it there.
    const QByteArray desktop =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Kurvo32\n"
        "Comment=Graph editor for teaching and learning mathematics\n"
        "Exec=" + Quoted(executable).toUtf8() + " %f\n"
        "Path=" + programFolder.toUtf8() + "\n"
        "Icon=" + icon.toUtf8() + "\n"
        "MimeType=" + QByteArray(kGraphFileMimeType) + ";\n"
        "Categories=Education;Math;\n"
        "Terminal=false\n";
    result.desktopCreated =
        WriteNewFile(QDir(dataHome).filePath("applications/kurvo32.desktop"), desktop);
    return result;
}

}  // namespace kurvo
