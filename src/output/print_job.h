#pragma once
// Printing the graph on one page: the percentage checked before any job
// starts, the picture stretched into the centred rectangle, the caption
// "y= " and the newest graph at its top-left corner in twice the window
// font's size on the background colour. The dialog and `kurvo32 print`
// both run it on a QPrinter.
#include <QImage>
#include <optional>
#include <string>

#include "output/print_layout.h"
#include "plot/canvas.h"

class QPrinter;

namespace kurvo {

struct PrintRequest {
    QImage picture;            // the picture as the window shows it
    std::string graphText;     // GraphText[LastGraph], 8-bit
    int windowFontPoints = 9;  // the graph window's font size
    Colour background = 0xFFFFFF;
};

// The percentage field as an integer, or the conversion message.
std::optional<int32_t> PrintPercentage(const std::string& text, std::string* message);

struct PrintedPage {
    int32_t pageWidth = 0, pageHeight = 0;  // in printer pixels
    PrintRect rect;
    std::string caption;
};

// Prints one page on `printer` (its job starts and ends here); the page is
// the printer's full paper in device pixels.
PrintedPage PrintGraph(QPrinter& printer, int32_t percent, const PrintRequest& request);

}  // namespace kurvo
