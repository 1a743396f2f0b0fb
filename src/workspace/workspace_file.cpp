#include "workspace/workspace_file.h"

#include "expr/formula_trans.h"
#include "expr/real_format.h"
#include "expr/text_helpers.h"
#include "plot/data_set_plotter.h"
#include "plot/graph_window.h"
#include "plot/settings_checks.h"
#include "workspace/atomic_write.h"
#include "workspace/data_sets.h"

namespace kurvo {

TWorkspaceFile::TWorkspaceFile(TDataSets& sets) : sets_(sets), graph_(sets.Graph()) {
    sets.OpenGraphFile = [this](const QString& path) { Open(path); };
}

GraphFileState TWorkspaceFile::Capture() const {
    GraphFileState state;
    state.Settings = graph_.Settings;
    state.XRange = graph_.View.XRange;
    state.YRange = graph_.View.YRange;
    state.TRange = graph_.View.TRange;
    state.Slots = graph_.Slots;
    state.DataSetLines = graph_.DataSets.DataSetLines;
    state.DataSetImageCount = graph_.DataSets.DataSetImageCount;
    return state;
}

bool TWorkspaceFile::Save(const QString& path) {
    const FileResult r = WriteGraphFile(path, Capture());
    if (r.ok()) return true;
    graph_.Host().ShowError(r.message);
    return false;
}

bool TWorkspaceFile::Open(const QString& path) {
    // What the file does not carry keeps its value; graphs and data sets
    // come only from the file.
    GraphFileState state = Capture();
    state.Slots = GraphSlots{};
    state.DataSetLines.clear();
    state.DataSetImageCount = 0;
    const GraphFileProblem problem = ReadGraphFile(path, state);
    if (!problem.ok()) {
        if (problem.information)
            graph_.Host().ShowInformation(problem.message);
        else
            graph_.Host().ShowError(problem.message);
        return false;
    }
    try {
        TranslateSlots(state);
    } catch (const std::exception& error) {
        graph_.Host().ShowError(error.what());
        return false;
    }
    // Whatever would fail once the workspace is replaced (a formula, the
    // plot step, a family, a data line) is found first, so a file that
    // cannot be shown whole leaves the workspace as it was.
    if (const UnusableState unusable = Unusable(path, state); !unusable.message.empty()) {
        if (unusable.information)
            graph_.Host().ShowInformation(unusable.message);
        else
            graph_.Host().ShowError(unusable.message);
        return false;
    }
    Restore(state);
    return true;
}

TWorkspaceFile::UnusableState TWorkspaceFile::Unusable(const QString& path, const GraphFileState& state) {
    const SettingsRecord& s = state.Settings;
    if (const std::string damage = SettingsDamage(s); !damage.empty()) return {FileErrorText(path, damage), false};
    if (s.FamilyActive)
        if (const std::string refusal = TGraphWindow::FamilyCountRefusal(std::to_string(s.FamilyCount));
            !refusal.empty())
            return {refusal, true};
    TParser parser;
    try {
        for (size_t i = 0; i < size_t(kGraphSlotCount); ++i)
            for (const std::string* formula : {&state.Slots.GraphFormula[i], &state.Slots.GraphSecondFormula[i]})
                if (!formula->empty()) parser.SetExpression(*formula);
    } catch (const std::exception& error) {
        return {error.what(), false};
    }
    if (!DataSetLinesReadable(state.DataSetLines)) return {kCannotLoadDataSets, true};
    return {};
}

void TWorkspaceFile::TranslateSlots(GraphFileState& state) {
    const SettingsRecord& s = state.Settings;
    GraphSlots& graphs = state.Slots;
    TFormulaTrans trans;
    trans.Degrees = s.Degrees;
    auto translate = [&trans](const std::string& text) {
        trans.Root = false;
        trans.Instring = text;
        trans.Translate();
        return trans.Outstring;
    };
    for (size_t i = 0; i < size_t(kGraphSlotCount) && !graphs.GraphText[i].empty(); ++i) {
        const std::string& text = graphs.GraphText[i];
        // A parametric slot holds its two functions apart, as when typed.
        if (s.Parametric && !s.ImplicitMode) {
            graphs.GraphFormula[i] = translate(BeforeComma(text));
            graphs.GraphSecondFormula[i] = translate(AfterComma(text));
        } else {
            graphs.GraphFormula[i] = translate(text);
            graphs.GraphSecondFormula[i] = trans.Root ? trans.SecondFn : std::string();
            graphs.YTermCount[i] = trans.ycount;
        }
    }
}

void TWorkspaceFile::Restore(GraphFileState& state) {
    sets_.Choice = DeleteChoice::All;
    sets_.DeleteGraphs();

    graph_.Settings = state.Settings;
    graph_.View.XRange = state.XRange;
    graph_.View.YRange = state.YRange;
    graph_.View.TRange = state.TRange;
    graph_.Slots = std::move(state.Slots);
    DataSetList& sets = graph_.DataSets;
    sets.DataSetLines = std::move(state.DataSetLines);
    sets.DataSetImageCount = state.DataSetImageCount;
    const bool haveData = !sets.DataSetLines.empty();
    if (haveData) graph_.SetDataSetsMenu(true);
    graph_.Trans.Degrees = graph_.Settings.Degrees;
    graph_.Flags.LoadedFromFile = true;
    // The plotters draw only once a formula was made ready, which a fresh
    // window has never done.
    graph_.Flags.FormulaReady = !graph_.Slots.GraphFormula[0].empty();
    if (SettingsRestored) SettingsRestored();

    graph_.RewriteViewFields(true);
    graph_.Host().SetFormulaText(graph_.Slots.GraphText[0]);
    graph_.Flags.DataSetsLoaded = haveData;
    const SettingsRecord& s = graph_.Settings;
    if (s.FamilyActive) {
        std::array<std::string, 16> steps;
        for (size_t k = 0; k < steps.size(); ++k) steps[k] = FormatReal(s.FamilySteps[k]);
        const std::string count = std::to_string(s.FamilyCount);
        if (ReplotFamily)
            ReplotFamily(count, steps);
        else
            graph_.DefineFamily(count, steps);
    } else {
        graph_.Flags.ReplotAll = true;
        graph_.Flags.FullRepaint = true;
        graph_.PlotCommand();
        graph_.Flags.FullRepaint = false;
    }
    graph_.Flags.LoadedFromFile = false;
}

}  // namespace kurvo
