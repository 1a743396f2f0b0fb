#pragma once
// Reading and writing the files of the data folder: fixed-size binary
// records and 8-bit text files with CR LF line ends. Failures carry the
// texts the user is shown ("File not found", "Read beyond end of file", or
// the system's reason with the path) so callers can report them unchanged.
// Writes are atomic (workspace/atomic_write.h).
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kurvo {

// The path of `name` inside `folder`, matched without regard to case as
// the data folder's names always were. When no file matches, the path with
// the name as given (where a new file will be created).
QString FindInFolder(const QString& folder, const QString& name);
// `folder`, or its nearest parent that exists (a file dialog given a
// missing folder would open elsewhere with the folder's name as the file).
QString NearestExistingFolder(const QString& folder);

enum class FileProblem { None, Missing, Short, Unreadable };

struct FileResult {
    FileProblem problem = FileProblem::None;
    std::string message;  // the platform text for the problem
    bool ok() const { return problem == FileProblem::None; }
};

// Opens `file` for reading if it names a regular file; anything else (a
// FIFO, a device, a folder) is refused at once with the reason. Every
// reader of the program opens through here.
FileResult OpenRegularFile(QFile& file);
// The bytes of a regular file, at most `maxBytes` of them.
FileResult ReadFileBytes(const QString& path, QByteArray& bytes, qint64 maxBytes);

// Reads the first record of `size` bytes of a regular file.
FileResult ReadRecord(const QString& path, size_t size, std::vector<uint8_t>& record);
// Writes record 0: an existing file keeps whatever follows the record.
FileResult WriteRecord(const QString& path, const uint8_t* bytes, size_t size);

// Lines of a Windows-1252 text file, CR LF or LF ends, each cut to 255
// characters as the readers always did (`maxLength` 0: lines whole). Only
// regular files are read (as by ReadRecord), and no more than `maxLines`
// lines or kMaxTextBytes.
constexpr size_t kMaxListLines = 10000;
constexpr size_t kMaxTextBytes = size_t(4) << 20;
FileResult ReadTextLines(const QString& path, std::vector<std::string>& lines, size_t maxLength = 255,
                         size_t maxLines = kMaxListLines);
// The lines, each ended by CR LF.
QByteArray TextLinesBytes(const std::vector<std::string>& lines);
// Replaces the file with the lines, each ended by CR LF.
FileResult WriteTextLines(const QString& path, const std::vector<std::string>& lines);
// Splits file bytes into lines the way ReadTextLines does.
std::vector<std::string> SplitTextLines(const std::string& bytes, size_t maxLength = 255);

// What the 8-bit files say of a character they cannot hold.
std::string NotStorable(const std::string& character);
// Why lines cannot be stored in a list file read back with at most
// `maxLength` characters a line and `maxLines` lines, naming the first
// line that does not fit ("line 3 is longer than 255 characters"), or "".
std::string ListLinesProblem(const std::vector<std::string>& lines, size_t maxLength = 255,
                             size_t maxLines = kMaxListLines);
// UTF-8 lines converted to Windows-1252 for such a file; "" or the problem
// ("line 2: ...").
std::string ListLinesFromUtf8(const std::vector<std::string>& utf8, std::vector<std::string>& lines,
                              size_t maxLength = 255, size_t maxLines = kMaxListLines);

// Line n (0-based) of a list, "" past the end: reading past the end of a
// text file gives empty lines.
std::string LineOr(const std::vector<std::string>& lines, size_t n);

}  // namespace kurvo
