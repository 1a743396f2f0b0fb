#pragma once
// The window's entries for exploring graphs: "Points of Interest" (dots,
// the point under the mouse on the status bar, PageUp/PageDown moving the
// read-out from point to point), "Area", "Table of Values" (Zooms menu and
// the graph's pop-up menu) and "Sliders" (Editors menu). The entries stay
// out of hotkeys.txt, whose lines match the menu bar's original entries.
#include <QObject>
#include <cmath>

namespace kurvo {

class TMainForm;
class TExploreOverlay;
class TAreaDialog;
class TTableDialog;
class TSlidersPanel;

class TExploreTools : public QObject {
    Q_OBJECT
public:
    explicit TExploreTools(TMainForm& form);

    TExploreOverlay& Overlay();
    void ShowArea();
    void ShowTable();
    void ShowSliders();
    // The read-out to the next (+1) or previous (-1) point of interest.
    void Jump(int direction);
    TAreaDialog* AreaDialog() const { return area_; }
    TTableDialog* TableDialog() const { return table_; }
    TSlidersPanel* SlidersPanel() const { return sliders_; }

private:
    void Hover(const QPoint& pos);

    TMainForm& form_;
    TExploreOverlay* overlay_ = nullptr;
    TAreaDialog* area_ = nullptr;
    TTableDialog* table_ = nullptr;
    TSlidersPanel* sliders_ = nullptr;
    double jumpedX_ = NAN;
};

}  // namespace kurvo
