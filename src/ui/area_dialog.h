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

class TGraphWindow;
class TExploreOverlay;

class TAreaDialog : public QDialog {
    Q_OBJECT
public:
    TAreaDialog(TGraphWindow& graph, TExploreOverlay& overlay, QWidget* parent);
    // The graph lists from the graphs plotted, A and B from the view.
    void Prepare();
    // OK: "" and the region shaded, or the message shown instead.
    QString Apply();
    QComboBox* GraphBox(int i) const { return graphs_[i]; }
    QLineEdit* Field(int i) const { return fields_[i]; }
    QLabel* Result() const { return result_; }

private:
    TGraphWindow& graph_;
    TExploreOverlay& overlay_;
    QComboBox* graphs_[2] = {};
    QLineEdit* fields_[2] = {};
    QLabel* result_ = nullptr;
};

}  // namespace kurvo
