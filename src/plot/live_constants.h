#pragma once
// Constants moved while the graphs stay on screen: the sliders panel and
// `kurvo32 render --animate` set one as the constants dialog's OK does
// (the value in the settings record and every parser, sett.dat untouched)
// and draw every graph again at once.
#include <string>

namespace kurvo {

class TGraphWindow;

// The fourteen constants that may be moved; e and p keep their values.
constexpr const char kLiveConstantLetters[15] = "abcdmnoqrsuvwz";

// The index in SettingsRecord::Constants of a movable constant named by
// one letter (either case), or -1.
int LiveConstantIndex(const std::string& name);

void SetConstantAndRedraw(TGraphWindow& graph, int index, double value);

}  // namespace kurvo
