#pragma once
// The workspace file (".kvo"): the whole workspace as 8-bit text lines,
// one value a line in a fixed order (graph_file_layout.h). The writer and
// the reader work on a GraphFileState, not on a graph window, so a file is
// read into a fresh state and the window is replaced only once the whole
// file has read (workspace_file.h does that for "&Open").
#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

#include "plot/graph_slots.h"
#include "plot/settings_record.h"
#include "workspace/data_files.h"

namespace kurvo {

extern const char kGraphFileHeader[];      // GraphFileHeader, line 1
extern const char kGraphFileDataMark[];    // "###Datasets"
extern const char kGraphFileOldVersion[];  // the refusal of any other first line
extern const char kGraphFileTooLarge[];

// What a workspace file carries. Fields the file does not hold keep the
// values the state had before reading.
struct GraphFileState {
    SettingsRecord Settings;
    long double XRange = 0, YRange = 0, TRange = 0;  // the window values
    GraphSlots Slots;  // texts and relation texts; codes in implicit mode
    std::vector<std::string> DataSetLines;
    int32_t DataSetImageCount = 0;  // one per "#" line read
};

// The file's bytes: every line ended by CR LF, reals always with ".".
// Graph lines are packed, so line 69 (LastGraph) is the last packed slot.
QByteArray GraphFileBytes(const GraphFileState& state);
// Writes the bytes atomically: a failed write leaves the old file.
FileResult WriteGraphFile(const QString& path, const GraphFileState& state);

// A read that stopped: the message box's text, and whether it is the
// information box of a different version (else an error box).
struct GraphFileProblem {
    std::string message;
    bool information = false;
    size_t line = 0;  // from 1, where reading stopped; 0 when not in the lines
    bool ok() const { return message.empty(); }
};
// Reads file lines (already cut to 255 characters) into `state`. On a
// problem `state` is half filled and must be thrown away.
GraphFileProblem ReadGraphLines(const std::vector<std::string>& lines, GraphFileState& state);
// Reads the file at `path`: a regular file of at most kMaxTextBytes.
GraphFileProblem ReadGraphFile(const QString& path, GraphFileState& state);

// The highest slot whose text is not empty, -1 when there is none.
int32_t HighestUsedSlot(const GraphSlots& slots);

}  // namespace kurvo
