#include "plot/live_constants.h"

#include <cctype>
#include <cstring>

#include "plot/graph_window.h"

namespace kurvo {

int LiveConstantIndex(const std::string& name) {
    if (name.size() != 1) return -1;
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    if (letter == 0 || !std::strchr(kLiveConstantLetters, letter)) return -1;
    return static_cast<int>(std::strchr(kConstantLetters, letter) - kConstantLetters);
}

void SetConstantAndRedraw(TGraphWindow& graph, int index, double value) {
    graph.Settings.Constants[static_cast<size_t>(index)] = value;
    graph.CopyConstantsToParsers();
    graph.Flags.FullRepaint = true;
    graph.Flags.ReplotAll = true;
    graph.Repaint();
}

}  // namespace kurvo
