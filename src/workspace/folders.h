#pragma once
// The folders the program works in. The program folder is the current
// folder at start (not the executable's), and every settings and list file
// lives in its "data" subfolder.
#include <QString>

namespace kurvo {

struct Folders {
    QString ProgramFolder;
    QString DataFolder;       // ends with "/"
    QString DocumentsFolder;  // the initial folder of the file dialogs
    QString AppDataFolder;    // kept; nothing else uses it
    bool InitialDirSet = false;
};

// ProgramFolder = `current`; DataFolder = its "data" subfolder, matched
// without regard to case so a folder named "Data" is found as well.
Folders FixFolders(const QString& current);

// The user's documents and application-data folders from the desktop's
// standard locations (XDG). Returns false when either is unknown.
bool ReadUserFolders(Folders& folders);

// initdir.txt: a non-empty first line becomes DocumentsFolder and sets
// InitialDirSet. A missing file changes nothing.
void ApplyInitialDirFile(Folders& folders);

// Writes initdir.txt with `folder` as its only line; "" on success, else
// the platform's message.
std::string WriteInitialDirFile(const Folders& folders, const QString& folder);

// Copies the files of ProgramFolder/Datafiles into
// DocumentsFolder/Kurvo32/examples. Returns "" or the message that ended
// the import ("Cannot open file %s", "Cannot create file %s"); files copied
// before a failure stay.
std::string ImportExamples(const Folders& folders);

// Copies one file; a destination that is a folder gets the source's name.
std::string CopyFileTo(const QString& source, const QString& destination);

}  // namespace kurvo
