#pragma once
// The three toolbars a toolbar record gives, and the toolbar configuration
// dialog's logic; the window builds its bars from the layout and
// `kurvo32 setup toolbar` prints it.
#include <QString>
#include <string>
#include <vector>

#include "admin/toolbar_record.h"
#include "workspace/data_files.h"

namespace kurvo {

constexpr int kRelationBoxWidth = 49;
constexpr int kPlotButtonWidth = 73;

struct ToolbarLayout {
    bool ButtonBarShown = false;  // at least one of entries 0-30 chosen
    std::vector<int> ButtonBar;   // chosen entries 0-30
    std::vector<int> RangeBarBefore;  // t fields, before the x and y fields
    std::vector<int> RangeBarAfter;   // chosen entries 33-35
    std::vector<int> FormulaBar;      // chosen entries 36-42, after the boxes
    bool RangeLineTop = false;
    bool FormulaLineTop = false;
    bool FormulaLineBottom = true;
};

ToolbarLayout LayoutOf(const ToolbarRecord& record);

// The formula box: the bar less the relation box, less the Plot button
// when it is shown.
int FormulaBoxWidth(const ToolbarRecord& record, int barWidth);

// The layout in words, one line per part, entries by their list captions.
std::vector<std::string> DescribeLayout(const ToolbarRecord& record, int barWidth);

// The configuration dialog: each showing copies the record in force; OK
// writes tbrcfg.dat and only then hands back the new record.
class TToolbarConfig {
public:
    std::array<bool, kToolbarEntryCount> Checks{};
    bool Flat = false;
    bool Lines = false;

    void Show(const ToolbarRecord& inForce);
    void SelectAll() { Checks.fill(true); }
    void DeselectAll() { Checks.fill(false); }
    ToolbarRecord Record() const;
    // Writes the record; the window rebuilds its bars only on success.
    FileResult OK(const QString& toolbarFile) const;
};

}  // namespace kurvo
