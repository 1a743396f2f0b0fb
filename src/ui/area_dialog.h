#pragma once
// "Area": the integral and the area of a graph (or between two graphs)
// from A to B (analysis/integral.h); OK shades the region over the graph
// area in the graph's colour and shows both values.
#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kurvo {

class GraphArea;
class TGraphWindow;
class TExploreOverlay;

class TAreaDialog : public QDialog {
    Q_OBJECT
public:
    // `area` is the graph area, where A and B can be picked by clicking.
    TAreaDialog(TGraphWindow& graph, TExploreOverlay& overlay, GraphArea* area, QWidget* parent);
    // The graph lists from the graphs plotted, A and B from the view.
    void Prepare();
    // OK: "" and the region shaded, or the message shown instead.
    QString Apply();
    QComboBox* GraphBox(int i) const { return graphs_[i]; }
    QLineEdit* Field(int i) const { return fields_[i]; }
    QLabel* Result() const { return result_; }
    // The next click on the graph area fills field i (0 A, 1 B) with its x.
    void PickField(int i) { picking_ = i; }
    void Picked(const QPoint& pos);

private:
    TGraphWindow& graph_;
    TExploreOverlay& overlay_;
    QComboBox* graphs_[2] = {};
    QLineEdit* fields_[2] = {};
    QLabel* result_ = nullptr;
    int picking_ = -1;
};

}  // namespace kurvo
