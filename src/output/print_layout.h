#pragma once
// Where the graph goes on a printed page: a rectangle centred on the page,
// a percentage of its width and of its height, the height divided by the
// graph area's whole-number aspect ratio. Integer arithmetic throughout,
// as printer pixels are counted; shared by the print dialog and
// `kurvo32 print`.
#include <cstdint>
#include <string>

namespace kurvo {

struct PrintRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PrintRect&) const = default;
};

// `pageWidth` x `pageHeight` in printer pixels, `percent` of the page,
// the graph area `plotWidth` x `plotHeight`. A graph area taller than wide
// counts as ratio 1 (its whole-number ratio would be 0).
PrintRect PrintRectangle(int32_t pageWidth, int32_t pageHeight, int32_t percent, int32_t plotWidth,
                         int32_t plotHeight);

// The caption over the printed graph: the newest graph as typed, after
// "y= " in every mode.
std::string PrintCaption(const std::string& graphText);

}  // namespace kurvo
