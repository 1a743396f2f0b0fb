// The coordinates dialog's "&OK" and the delete dialog's choices.
#include <algorithm>

#include "expr/text_helpers.h"
#include "plot/graph_window.h"
#include "workspace/data_sets.h"

namespace kurvo {

void TDataSets::SetLabelsFromField() {
    graph_.Settings.XAxisLabel = BeforeComma(graph_.DataSets.AxisLabelsField);
    graph_.Settings.YAxisLabel = AfterComma(graph_.DataSets.AxisLabelsField);
}

void TDataSets::CoordinatesOK(const std::vector<std::string>& textLines) {
    if (textLines.empty() || textLines.front().empty()) {
        graph_.Host().ShowInformation(kNothingToPlot);
        return;
    }
    graph_.Flags.DataSetsLoaded = true;
    graph_.Host().SetFormulaText("");
    ++graph_.DataSets.DataSetImageCount;
    SetLabelsFromField();
    std::vector<std::string>& lines = graph_.DataSets.DataSetLines;
    for (const std::string& line : textLines) {
        if (line.empty()) break;
        lines.push_back(line);
    }
    lines.push_back("#");
    graph_.Flags.FullRepaint = true;
    graph_.PlotCommand();
    graph_.Flags.FullRepaint = false;
    if (graph_.Flags.DataSetsLoaded) graph_.SetDataSetsMenu(true);
}

void TDataSets::DeleteLastGraph() {
    SettingsRecord& s = graph_.Settings;
    GraphSlots& graphs = graph_.Slots;
    // At slot 0 there is no graph before it to show, and below 0 there is
    // no slot to empty.
    if (s.LastGraph >= 0 && s.LastGraph < kGraphSlotCount) graphs.Empty(size_t(s.LastGraph));
    if (s.LastGraph >= 1 && s.LastGraph < kGraphSlotCount)
        graph_.Host().SetFormulaText(graphs.GraphText[size_t(s.LastGraph - 1)]);
    else
        graph_.Host().SetFormulaText("");
    if (s.LastGraph >= 0) --s.LastGraph;
    // Deleting a family's last member shortens the family.
    if (s.FamilyActive && s.FamilyCount > s.LastGraph + 1) {
        s.FamilyCount = std::max(s.LastGraph + 1, 0);
        s.FamilyActive = s.FamilyCount > 0;
    }
    graph_.Flags.ReplotAll = true;
}

void TDataSets::DeleteAllGraphs() {
    SettingsRecord& s = graph_.Settings;
    if (Canvas* picture = graph_.Picture()) {
        picture->SetBrushColour(s.BackgroundColour);
        picture->SetBrushStyle(BrushStyle::Solid);
        picture->FillRect(0, 0, picture->width(), picture->height());
    }
    graph_.Host().SetFormulaText("");
    for (int i = 0; i <= s.LastGraph && i < kGraphSlotCount; ++i) graph_.Slots.Empty(size_t(i));
    s.LastGraph = 0;
    s.FamilyActive = false;
}

void TDataSets::DeleteAllDataSets() { graph_.DiscardDataSets(); }

void TDataSets::DeleteGraphs() {
    const std::string formula = graph_.Host().FormulaText();
    switch (Choice) {
        case DeleteChoice::LastGraph: DeleteLastGraph(); break;
        case DeleteChoice::AllGraphs: DeleteAllGraphs(); break;
        case DeleteChoice::LastDataSet:
            if (graph_.DataSets.DataSetImageCount < 2) {
                DeleteAllDataSets();
                graph_.Host().SetFormulaText(formula);
            } else {
                --graph_.DataSets.DataSetImageCount;
            }
            break;
        case DeleteChoice::AllDataSets:
            DeleteAllDataSets();
            graph_.Host().SetFormulaText(formula);
            break;
        case DeleteChoice::All:
            DeleteAllGraphs();
            DeleteAllDataSets();
            break;
    }
    graph_.Settings.XAxisLabel = "x";
    graph_.Settings.YAxisLabel = "y";
    graph_.Flags.ReplotAll = true;
    graph_.Flags.FullRepaint = true;
    graph_.Repaint();
    graph_.Flags.FullRepaint = false;
    graph_.Repaint();
}

}  // namespace kurvo
