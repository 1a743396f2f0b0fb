#include "workspace/folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "expr/encoding.h"
#include "workspace/data_files.h"

namespace kurvo {

QString WorkingFolder() {
    const QString home = qEnvironmentVariable("KURVO32_HOME");
    if (!home.isEmpty()) return QDir::cleanPath(QDir(home).absolutePath());
    QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    // Relative XDG paths are invalid and ignored.
    if (xdg.isEmpty() || QDir::isRelativePath(xdg)) xdg = QDir::homePath() + "/.local/share";
    return QDir::cleanPath(xdg + "/kurvo32");
}

QString ClassroomFolder() {
    const QString system = qEnvironmentVariable("KURVO32_SYSTEM");
    return system.isEmpty() ? QStringLiteral("/etc/kurvo32") : QDir::cleanPath(system);
}

bool IsClassroomFile(const QString& name) {
    static const char* const guarded[] = {"pass.dat", "tbrcfg.dat", "hotkeys.txt", "cartal.txt", "pcartal.txt",
                                          "polal.txt", "ppolal.txt", "Implal.txt", "initdir.txt"};
    for (const char* g : guarded)
        if (name.compare(QLatin1String(g), Qt::CaseInsensitive) == 0) return true;
    return false;
}

QString DataFilePath(const QString& dataFolder, const QString& name) {
    if (IsClassroomFile(name)) {
        const QString shared = FindInFolder(ClassroomFolder(), name);
        if (QFileInfo(shared).isFile()) return shared;
    }
    return FindInFolder(dataFolder, name);
}

Folders FixFolders(const QString& current) {
    Folders folders;
    folders.ProgramFolder = QDir::cleanPath(current);
    folders.DataFolder = FindInFolder(folders.ProgramFolder, "data") + "/";
    folders.InitialDirSet = false;
    return folders;
}

bool ReadUserFolders(Folders& folders) {
    folders.DocumentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    folders.AppDataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return !folders.DocumentsFolder.isEmpty() && !folders.AppDataFolder.isEmpty();
}

void ApplyInitialDirFile(Folders& folders) {
    const QString path = DataFilePath(folders.DataFolder, "initdir.txt");
    if (!QFileInfo::exists(path)) return;
    std::vector<std::string> lines;
    if (!ReadTextLines(path, lines).ok()) return;
    const std::string first = LineOr(lines, 0);
    if (first.empty()) return;
    folders.DocumentsFolder = QString::fromStdString(Cp1252ToUtf8(first));
    folders.InitialDirSet = true;
}

std::string WriteInitialDirFile(const Folders& folders, const QString& folder) {
    const auto r = WriteTextLines(DataFilePath(folders.DataFolder, "initdir.txt"),
                                  {Utf8ToCp1252(folder.toStdString())});
    return r.ok() ? std::string() : r.message;
}

std::string CopyFileTo(const QString& source, const QString& destination) {
    QString target = destination;
    if (QFileInfo(destination).isDir()) target = QDir(destination).filePath(QFileInfo(source).fileName());
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return "Cannot open file " + source.toStdString();
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return "Cannot create file " + target.toStdString();
    char block[65536];
    for (;;) {
        const qint64 n = in.read(block, sizeof block);
        if (n <= 0) break;
        if (out.write(block, n) != n) return "Cannot create file " + target.toStdString();
        if (n < static_cast<qint64>(sizeof block)) break;
    }
    return {};
}

std::string ImportExamples(const Folders& folders) {
    const QString base = QDir(folders.DocumentsFolder).filePath("Kurvo32");
    const QString destination = QDir(base).filePath("examples");
    const QString sourceFolder = FindInFolder(folders.ProgramFolder, "Datafiles");
    const QStringList files = QDir(sourceFolder).entryList(QDir::Files, QDir::Name);
    // The examples folder is made even when Kurvo32 already exists (for
    // instance as the dialogs' folder), so the import never fails just
    // because an earlier run made only the parent.
    QDir().mkpath(destination);
    for (const auto& name : files) {
        const std::string error =
            CopyFileTo(QDir(sourceFolder).filePath(name), QDir(destination).filePath(name));
        if (!error.empty()) return error;
    }
    return {};
}

}  // namespace kurvo
