#include "analysis/graph_curves.h"

#include "expr/errors.h"
#include "expr/parser.h"
#include "plot/graph_window.h"

namespace kurvo {
namespace {

void LoadConstants(TParser& parser, const SettingsRecord& s) {
    for (int c = 0; c < 16; ++c)
        if (double* cell = parser.Var(kConstantLetters[c])) *cell = static_cast<double>(s.Constants[static_cast<size_t>(c)]);
}

}  // namespace

bool EvaluateNumberText(TGraphWindow& g, const std::string& text, double& value) {
    g.CopyConstantsToParsers();
    try {
        g.Trans.Degrees = g.Settings.Degrees;
        g.Trans.Root = false;
        g.Trans.Instring = text;
        g.Trans.Translate();
        g.Parser(1).SetExpression(g.Trans.Outstring);
        return g.Parser(1).TryValue(value);
    } catch (const Exception&) {
        return false;
    }
}

GraphCurves::GraphCurves(TGraphWindow& graph) : graph_(graph) {
    const SettingsRecord& s = graph.Settings;
    for (int i = 0; i < kGraphSlotCount; ++i) {
        const size_t k = static_cast<size_t>(i);
        if (graph.Slots.GraphFormula[k].empty()) continue;
        const SlotMode& mode = graph.Slots.Mode[k];
        const bool cartesian = mode.Known ? mode.Cartesian && !mode.Parametric && !mode.Implicit
                                          : s.CartesianMode && !s.Parametric && !s.ImplicitMode;
        if (!cartesian) {
            ++skipped_;
            continue;
        }
        slots_.push_back(i);
        const int number = static_cast<int>(slots_.size());
        // Only the first branch: the Cartesian plot draws no other.
        curves_.push_back(Branch(number, graph.Slots.GraphFormula[k]));
    }
}

GraphCurves::~GraphCurves() = default;

GraphCurve GraphCurves::Branch(int number, const std::string& formula) {
    parsers_.push_back(std::make_unique<TParser>());
    TParser* parser = parsers_.back().get();
    parser->SetHost(&graph_);
    LoadConstants(*parser, graph_.Settings);
    parser->SetExpression(formula);
    return {number, [parser](double x, double& y) {
                parser->X = x;
                return parser->TryValue(y);
            }};
}

void GraphCurves::CopyConstants() {
    for (auto& parser : parsers_) LoadConstants(*parser, graph_.Settings);
}

std::vector<GraphCurve> GraphCurves::FirstBranches() const {
    std::vector<GraphCurve> first;
    for (const GraphCurve& c : curves_)
        if (first.empty() || first.back().graph != c.graph) first.push_back(c);
    return first;
}

}  // namespace kurvo
