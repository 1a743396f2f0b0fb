#pragma once
// The folders the program works in. The program folder is the user's
// working folder (never the current folder), and every settings and list
// file lives in its "data" subfolder. A classroom folder shared by every
// account may hold the files the administrator password guards.
#include <QString>
#include <string>

namespace kurvo {

struct Folders {
    QString ProgramFolder;
    QString DataFolder;       // ends with "/"
    QString DocumentsFolder;  // the initial folder of the file dialogs
    QString AppDataFolder;    // kept; nothing else uses it
    bool InitialDirSet = false;
};

// The user's working folder: $KURVO32_HOME when set, else
// $XDG_DATA_HOME/kurvo32 (~/.local/share/kurvo32).
QString WorkingFolder();

// The classroom folder: $KURVO32_SYSTEM when set, else /etc/kurvo32.
QString ClassroomFolder();

// pass.dat, tbrcfg.dat, hotkeys.txt, the five alias lists and initdir.txt.
bool IsClassroomFile(const QString& name);

// Where the data file `name` of `dataFolder` is read and written: the
// classroom folder's copy of a guarded file when it exists there, else the
// data folder's own (matched without regard to case).
QString DataFilePath(const QString& dataFolder, const QString& name);

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
