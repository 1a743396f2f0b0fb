#include "admin/toolbar_layout.h"

#include "expr/encoding.h"

namespace kurvo {

ToolbarLayout LayoutOf(const ToolbarRecord& record) {
    ToolbarLayout layout;
    const auto& on = record.Entries;
    auto take = [&on](std::vector<int>& into, int first, int last) {
        for (int i = first; i <= last; ++i)
            if (on[i]) into.push_back(i);
    };
    take(layout.ButtonBar, 0, toolbar::LastButtonBarEntry);
    layout.ButtonBarShown = !layout.ButtonBar.empty();
    take(layout.RangeBarBefore, toolbar::TMinField, toolbar::TMaxField);
    take(layout.RangeBarAfter, 33, 35);
    take(layout.FormulaBar, 36, 42);
    layout.RangeLineTop = record.LinesBetween;
    layout.FormulaLineTop = record.LinesBetween;
    return layout;
}

int FormulaBoxWidth(const ToolbarRecord& record, int barWidth) {
    int width = barWidth - kRelationBoxWidth;
    if (record.Entries[toolbar::PlotGraph]) width -= kPlotButtonWidth;
    return width;
}

std::vector<std::string> DescribeLayout(const ToolbarRecord& record, int barWidth) {
    const ToolbarLayout layout = LayoutOf(record);
    auto names = [](std::string line, const std::vector<int>& entries) {
        for (int i : entries) line += std::string(", ") + Cp1252ToUtf8(ToolbarEntries()[i].caption);
        return line;
    };
    std::vector<std::string> lines{std::string("flat: ") + (record.FlatButtons ? "1" : "0"),
                                   std::string("lines: ") + (record.LinesBetween ? "1" : "0")};
    if (layout.ButtonBarShown) {
        std::string bar = names("", layout.ButtonBar);
        lines.push_back("button bar: " + bar.substr(2));
    }
    const std::string range = names("", layout.RangeBarBefore) + ", x min, x max, y min, y max";
    lines.push_back("range bar: " + names(range.substr(2), layout.RangeBarAfter));
    lines.push_back(names("formula bar: relation box, formula box", layout.FormulaBar));
    lines.push_back("formula box width: " + std::to_string(FormulaBoxWidth(record, barWidth)));
    return lines;
}

void TToolbarConfig::Show(const ToolbarRecord& inForce) {
    Checks = inForce.Entries;
    Flat = inForce.FlatButtons;
    Lines = inForce.LinesBetween;
}

ToolbarRecord TToolbarConfig::Record() const {
    ToolbarRecord record;
    record.Entries = Checks;
    record.FlatButtons = Flat;
    record.LinesBetween = Lines;
    return record;
}

FileResult TToolbarConfig::OK(const QString& toolbarFile) const {
    const ToolbarBytes bytes = SerializeToolbar(Record());
    return WriteRecord(toolbarFile, bytes.data(), bytes.size());
}

}  // namespace kurvo
