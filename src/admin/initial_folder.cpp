#include "admin/initial_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace kurvo {

DefaultFolder DefaultUserFolder(const Folders& folders) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        return {QDir(folders.ProgramFolder).filePath("Datafiles"), kNoDocumentsFolder};
    return {QDir(documents).filePath("Kurvo32"), {}};
}

std::string SetInitialFolder(Folders& folders, const QString& folder) {
    const std::string error = WriteInitialDirFile(folders, folder);
    if (!error.empty()) return error;
    folders.DocumentsFolder = folder;
    folders.InitialDirSet = !folder.isEmpty();
    return {};
}

}  // namespace kurvo
