#pragma once
// The Cartesian graphs of a graph object's slots as functions y = f(x),
// for the points-of-interest finder, the integrals and the table of
// values. Each branch gets a parser of its own, loaded with the graph's
// constants and calling its user functions, so that evaluating here never
// disturbs the parsers the plot uses.
#include <memory>
#include <string>
#include <vector>

#include "analysis/points_of_interest.h"

namespace kurvo {

class TGraphWindow;
class TParser;

// A number field's text (Windows-1252; a formula such as -2p or p/2)
// translated and evaluated as the view fields are; false unless it gives
// a finite number.
bool EvaluateNumberText(TGraphWindow& graph, const std::string& text, double& value);

class GraphCurves {
public:
    // Graphs are numbered from 1 in slot order; slots drawn in another mode
    // (polar, parametric, implicit) are counted in `Skipped`. The graph's
    // formulas compiled when they were plotted, so they compile here too.
    explicit GraphCurves(TGraphWindow& graph);
    ~GraphCurves();
    GraphCurves(const GraphCurves&) = delete;
    GraphCurves& operator=(const GraphCurves&) = delete;

    // The graphs as drawn: the formula (of a relation solved for y, the
    // first branch, the one the Cartesian plot draws).
    const std::vector<GraphCurve>& Curves() const { return curves_; }
    // The first branch of each graph, in number order.
    std::vector<GraphCurve> FirstBranches() const;
    // The slot of graph n (1-based).
    int SlotOf(int graph) const { return slots_[static_cast<size_t>(graph - 1)]; }
    int GraphCount() const { return static_cast<int>(slots_.size()); }
    int Skipped() const { return skipped_; }
    // Loads the graph's constants again (after a slider moved one).
    void CopyConstants();

private:
    GraphCurve Branch(int graph, const std::string& formula);

    TGraphWindow& graph_;
    std::vector<std::unique_ptr<TParser>> parsers_;
    std::vector<GraphCurve> curves_;
    std::vector<int> slots_;
    int skipped_ = 0;
};

}  // namespace kurvo
