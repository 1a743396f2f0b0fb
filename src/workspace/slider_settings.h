#pragma once
// The Sliders panel's four rows, kept between runs in "sliders.txt" in the
// data folder: one line a row, "letter,minimum,maximum,step" as typed
// (Windows-1252, CR LF), the letter empty for an unused row. A missing or
// unreadable file gives the default rows; lines that make no sense are
// taken as unused rows.
#include <QString>
#include <array>
#include <string>
#include <vector>

namespace kurvo {

struct SliderRow {
    char letter = 0;  // one of the movable constants, 0 for none
    std::string min = "-5", max = "5", step = "0.1";
    bool operator==(const SliderRow&) const = default;
};
using SliderRows = std::array<SliderRow, 4>;

extern const char kSliderFileName[];  // "sliders.txt"

std::vector<std::string> SliderLines(const SliderRows& rows);
SliderRows ParseSliderLines(const std::vector<std::string>& lines);

SliderRows ReadSliderRows(const QString& dataFolder);
// "" or the message naming the file and the reason.
std::string WriteSliderRows(const QString& dataFolder, const SliderRows& rows);

}  // namespace kurvo
