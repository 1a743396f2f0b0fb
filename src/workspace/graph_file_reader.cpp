// ReadGraphFile: the lines back into a GraphFileState, in the order of the
// layout. Reads past the end give empty lines, as they always did, so a
// file cut short stops at the first number that comes out empty.
#include <QFileInfo>

#include "expr/errors.h"
#include "expr/real_format.h"
#include "workspace/atomic_write.h"
#include "workspace/graph_file_layout.h"

namespace kurvo {

namespace {

bool Contains(const std::string& text, const char* pattern) { return text.find(pattern) != std::string::npos; }

// Both "." and "," read as the decimal separator, so files written in
// either locale open.
long double FileReal(const std::string& text) {
    std::string local = text;
    const char separator = DecimalSeparator();
    for (char& c : local)
        if (c == '.' || c == ',') c = separator;
    long double value = 0;
    if (!TryParseReal(local, value)) throw EConvertError::floating(text);
    return value;
}

class LineReader {
public:
    explicit LineReader(const std::vector<std::string>& lines) : lines_(lines) {}
    std::string Line() {
        const size_t i = next_++;
        return i < lines_.size() ? lines_[i] : std::string();
    }
    bool AtEnd() const { return next_ >= lines_.size(); }
    void Skip(int count) { next_ += size_t(count); }
    // The line last read, from 1.
    size_t LastLine() const { return next_; }

private:
    const std::vector<std::string>& lines_;
    size_t next_ = 0;
};

void ReadGraphSection(LineReader& in, GraphFileState& state) {
    GraphSlots& graphs = state.Slots;
    const SettingsRecord& s = state.Settings;
    const bool implicit = s.ImplicitMode && !s.CartesianMode;
    // The section ends at a "###" line, or at the end of a file that lost
    // it; graphs past the 100th are not stored.
    for (size_t counter = 0; !in.AtEnd(); ++counter) {
        const std::string line = in.Line();
        if (line.compare(0, 3, "###") == 0) break;
        if (line == "()" || counter >= size_t(kGraphSlotCount)) continue;
        const size_t colon = line.find(':');
        graphs.GraphText[counter] = colon == std::string::npos ? std::string() : line.substr(0, colon);
        graphs.GraphRelationText[counter] =
            colon == std::string::npos ? std::string() : line.substr(colon + 1, kRelationTextCapacity);
        if (!implicit) continue;
        const uint8_t code = ImplicitRelationCode(graphs.GraphText[counter]);
        graphs.GraphRelation[counter] = code;
        graphs.GraphStrict[counter] = IsStrictRelation(code);
    }
}

}  // namespace

GraphFileProblem ReadGraphLines(const std::vector<std::string>& lines, GraphFileState& state) {
    LineReader in(lines);
    if (in.Line() != kGraphFileHeader) return {kGraphFileOldVersion, true, 1};
    const GraphFileFields f = FieldsOf(state);
    try {
        for (bool* b : f.booleans) *b = in.Line() == "T";
        in.Skip(kGraphFilePadding);
        for (long double* v : f.views) *v = FileReal(in.Line());
        in.Skip(kGraphFilePadding);
        for (const IntegerLine& i : f.integers) i.Set(ParseInt(in.Line()));
        in.Skip(kGraphFilePadding);
        for (const TextLine& t : f.texts) *t.text = in.Line().substr(0, t.capacity);
        in.Skip(kGraphFilePadding);
        for (long double* v : f.constants) *v = FileReal(in.Line());
    } catch (const EConvertError& error) {
        return {error.what(), false, in.LastLine()};
    }
    ReadGraphSection(in, state);
    state.Settings.LastGraph = HighestUsedSlot(state.Slots);
    while (!in.AtEnd()) {
        std::string line = in.Line();
        const bool mark = line == "#";
        if (!mark && !Contains(line, ",")) continue;  // blank lines, stray text
        state.DataSetImageCount += mark ? 1 : 0;
        state.DataSetLines.push_back(std::move(line));
    }
    return {};
}

GraphFileProblem ReadGraphFile(const QString& path, GraphFileState& state) {
    // Larger than any workspace a class could make; refused rather than
    // read in part.
    if (QFileInfo(path).isFile() && QFileInfo(path).size() > qint64(kMaxTextBytes)) return {kGraphFileTooLarge, false};
    std::vector<std::string> lines;
    const FileResult r = ReadTextLines(path, lines, 255, kMaxTextBytes);
    if (!r.ok()) return {r.message, false};
    GraphFileProblem problem = ReadGraphLines(lines, state);
    // The box names the file and the line at which reading stopped.
    if (problem.line > 0)
        problem.message = FileErrorText(path, "line " + std::to_string(problem.line)) + ": " + problem.message;
    return problem;
}

}  // namespace kurvo
