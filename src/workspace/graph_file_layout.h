#pragma once
// Which field of a GraphFileState sits on which line of a workspace file.
// The writer and the reader walk these same tables, so they cannot
// disagree about the order: line 1 the header, then the booleans, the view
// values, the integers, the texts and the 48 constants, each block but the
// last followed by ten padding lines; then the graph lines, the data mark
// and the data lines.
#include <array>
#include <cstdint>
#include <string>

#include "workspace/graph_file.h"

namespace kurvo {

constexpr int kGraphFilePadding = 10;   // "Dummy" lines after each block
constexpr size_t kGraphTextCapacity = 255;
constexpr size_t kRelationTextCapacity = 5;
constexpr size_t kPlotStepTextCapacity = 10;

// An integer line: a 32-bit signed value, or a colour written as the same
// 32 bits read signed (system colours, top bit set, come out negative).
struct IntegerLine {
    int32_t* value = nullptr;
    Colour* colour = nullptr;
    int32_t Get() const { return value ? *value : static_cast<int32_t>(*colour); }
    void Set(int32_t v) const {
        if (value) *value = v;
        else *colour = static_cast<Colour>(v);
    }
};

struct TextLine {
    std::string* text;
    size_t capacity;
};

// Pointers into `state`, in file order.
struct GraphFileFields {
    std::array<bool*, 33> booleans;           // lines 2-34
    std::array<long double*, 12> views;       // lines 45-56
    std::array<IntegerLine, 31> integers;     // lines 67-97
    std::array<TextLine, 4> texts;            // lines 108-111
    std::array<long double*, 48> constants;   // lines 122-169
};
GraphFileFields FieldsOf(GraphFileState& state);

}  // namespace kurvo
