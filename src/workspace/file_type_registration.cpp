#include "workspace/file_type_registration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "workspace/atomic_write.h"

namespace kurvo {

namespace {

// The mark of an entry this program wrote, so a newer build may replace it.
constexpr const char* kBuildMark = "X-Kurvo32-Build-Folder=true";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes `content` unless the file already holds it; a file without the
// mark (when one is asked for) belongs to the user and stays.
bool WriteIfChanged(const QString& path, const QByteArray& content, const char* mark) {
    if (QFileInfo::exists(path)) {
        const QByteArray old = ReadAll(path);
        if (old == content || (mark && !old.contains(mark))) return false;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    return WriteFileAtomically(path, content).ok();
}

// Desktop entry values escape backslashes, and Exec arguments need quotes
// when they hold spaces.
QString Quoted(const QString& path) {
    QString s = path;
    s.replace("\\", "\\\\").replace("\"", "\\\"");
    return "\"" + s + "\"";
}

void Refresh(const QString& tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty()) QProcess::startDetached(program, {folder});
}

}  // namespace

bool RunsFromBuildFolder(const QString& executable) {
    const QString build = QFileInfo(QStringLiteral(KURVO_BUILD_FOLDER)).canonicalFilePath();
    if (build.isEmpty() || !QFileInfo::exists(build + "/CMakeCache.txt")) return false;
    const QString program = QFileInfo(executable).canonicalFilePath();
    return program.startsWith(build + "/");
}

QString BuildFolderIcon() { return QStringLiteral(KURVO_SOURCE_FOLDER "/src/ui/icons/kurvo.svg"); }

QByteArray MimeTypeXml() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" + QByteArray(kGraphFileMimeType) + "\">\n"
           "    <comment>Kurvo32 graph file</comment>\n"
           "    <generic-icon name=\"application-x-kurvofile\"/>\n"
           "    <glob pattern=\"*.kvo\"/>\n"
           "    <magic priority=\"60\">\n"
           "      <match type=\"string\" offset=\"0\" value=\"Kurvofile \"/>\n"
           "    </magic>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

FileTypeRegistration RegisterFileType(const QString& executable, const QString& icon) {
    FileTypeRegistration result;
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty()) return result;
    const QString id = QString::fromLatin1(kDesktopId);

    result.mimeWritten = WriteIfChanged(QDir(dataHome).filePath("mime/packages/" + id + ".xml"), MimeTypeXml(), nullptr);
    const QByteArray desktop =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Kurvo32\n"
        "Comment=Graph editor for teaching and learning mathematics\n"
        "Exec=" + Quoted(executable).toUtf8() + " %f\n"
        "Icon=" + icon.toUtf8() + "\n"
        "MimeType=" + QByteArray(kGraphFileMimeType) + ";\n"
        "Categories=Education;Math;Science;\n"
        "Terminal=false\n" + QByteArray(kBuildMark) + "\n";
    result.desktopWritten =
        WriteIfChanged(QDir(dataHome).filePath("applications/" + id + ".desktop"), desktop, kBuildMark);
    if (result.mimeWritten) Refresh("update-mime-database", QDir(dataHome).filePath("mime"));
    if (result.desktopWritten) Refresh("update-desktop-database", QDir(dataHome).filePath("applications"));
    return result;
}

}  // namespace kurvo
