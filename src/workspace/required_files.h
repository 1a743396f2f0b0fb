#pragma once
// The files window creation needs from the data folder, read with one
// policy: a missing file gets the defaults, which are written so the folder
// is complete afterwards; a file that exists but is short or unreadable is
// reported, the defaults serve this run, and the user's file is left alone.
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace kurvo {

// Copies every file of `from` (a folder or a Qt resource path) that `to`
// lacks, byte for byte; files `to` holds (matched without regard to case)
// are never touched. Returns one message per file that could not be
// written, each naming the full path and the system's reason.
std::vector<std::string> CopyMissingFiles(const QString& from, const QString& to);

class RequiredFiles {
public:
    // `templateFolder` holds the shipped text files (a real folder or a Qt
    // resource path); it supplies the defaults of text files.
    RequiredFiles(QString dataFolder, QString templateFolder);

    std::vector<uint8_t> Record(const std::string& name, const std::vector<uint8_t>& defaults);
    std::vector<std::string> Lines(const std::string& name);
    // As Lines, for a file whose default the caller knows (hotkeys.txt is
    // written from the menus themselves).
    std::vector<std::string> Lines(const std::string& name, const std::vector<std::string>& defaults);

    // The shipped lines of a text file (empty when the template lacks it).
    std::vector<std::string> TemplateLines(const std::string& name) const;

    // One message per problem found, in the order met, to show the user.
    const std::vector<std::string>& Reports() const { return reports_; }
    // Names of the files written because they were missing.
    const std::vector<std::string>& Created() const { return created_; }

    QString PathOf(const std::string& name) const;

private:
    void Report(const std::string& name, const std::string& message);

    QString data_;
    QString template_;
    std::vector<std::string> reports_;
    std::vector<std::string> created_;
};

}  // namespace kurvo
