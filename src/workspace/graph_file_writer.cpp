// WriteGraphFile: the workspace as lines, in the order of the layout.
#include "expr/real_format.h"
#include "workspace/atomic_write.h"
#include "workspace/graph_file_layout.h"

namespace kurvo {

namespace {

// Reals are written with "." whatever the locale, so a file from a
// classroom with "," decimals reads anywhere.
std::string FileReal(long double value) {
    std::string text = FormatReal(value);
    const char separator = DecimalSeparator();
    for (char& c : text)
        if (c == separator) c = '.';
    return text;
}

class LineWriter {
public:
    void Line(const std::string& text) {
        bytes_.append(text.data(), qsizetype(text.size()));
        bytes_.append("\r\n", 2);
    }
    void Padding() {
        for (int i = 0; i < kGraphFilePadding; ++i) Line("Dummy");
    }
    QByteArray Take() { return std::move(bytes_); }

private:
    QByteArray bytes_;
};

}  // namespace

int32_t HighestUsedSlot(const GraphSlots& graphs) {
    for (int i = kGraphSlotCount - 1; i >= 0; --i)
        if (!graphs.GraphText[size_t(i)].empty()) return i;
    return -1;
}

QByteArray GraphFileBytes(const GraphFileState& original) {
    GraphFileState state = original;
    int32_t used = 0;
    for (const std::string& text : state.Slots.GraphText) used += text.empty() ? 0 : 1;
    // The graphs are written packed: slot numbers close up on reading.
    state.Settings.LastGraph = used - 1;

    const GraphFileFields f = FieldsOf(state);
    LineWriter out;
    out.Line(kGraphFileHeader);
    for (const bool* b : f.booleans) out.Line(*b ? "T" : "F");
    out.Padding();
    for (const long double* v : f.views) out.Line(FileReal(*v));
    out.Padding();
    for (const IntegerLine& i : f.integers) out.Line(std::to_string(i.Get()));
    out.Padding();
    for (const TextLine& t : f.texts) out.Line(t.text->substr(0, t.capacity));
    out.Padding();
    for (const long double* v : f.constants) out.Line(FileReal(*v));
    for (size_t i = 0; i < size_t(kGraphSlotCount); ++i)
        if (!state.Slots.GraphText[i].empty())
            out.Line(state.Slots.GraphText[i] + ":" + state.Slots.GraphRelationText[i]);
    out.Line(kGraphFileDataMark);
    for (const std::string& line : state.DataSetLines) out.Line(line);
    return out.Take();
}

FileResult WriteGraphFile(const QString& path, const GraphFileState& state) {
    return WriteFileAtomically(path, GraphFileBytes(state));
}

}  // namespace kurvo
