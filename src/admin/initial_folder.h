#pragma once
// The "Set User Directory" dialog's logic: the folder the file dialogs open
// in, kept as the only line of initdir.txt.
#include <QString>
#include <string>

#include "workspace/folders.h"

namespace kurvo {

inline constexpr const char* kNoDocumentsFolder = "Kurvo32 cannot locate your documents folder.";

struct DefaultFolder {
    QString folder;
    std::string message;  // shown when the documents folder is unknown
};

// "&Default": the user's documents folder + "/Kurvo32"; without one, the
// message and the program's Datafiles folder.
DefaultFolder DefaultUserFolder(const Folders& folders);

// "&OK": initdir.txt rewritten with `folder`, then DocumentsFolder set.
// "" on success, else the message; nothing changes then.
std::string SetInitialFolder(Folders& folders, const QString& folder);

}  // namespace kurvo
