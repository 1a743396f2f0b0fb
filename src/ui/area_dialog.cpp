#include "ui/area_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/graph_curves.h"
#include "analysis/integral.h"
#include "expr/encoding.h"
#include "expr/real_format.h"
#include "plot/graph_window.h"
#include "ui/explore_overlay.h"
#include "ui/graph_area.h"

namespace kurvo {

TAreaDialog::TAreaDialog(TGraphWindow& graph, TExploreOverlay& overlay, GraphArea* area, QWidget* parent)
    : QDialog(parent), graph_(graph), overlay_(overlay) {
    setWindowTitle("Area");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow("Graph:", graphs_[0] = new QComboBox(this));
    form->addRow("Second graph:", graphs_[1] = new QComboBox(this));
    const char* labels[2] = {"From A:", "To B:"};
    for (int i = 0; i < 2; ++i) {
        auto* row = new QHBoxLayout;
        row->addWidget(fields_[i] = new QLineEdit(this));
        auto* pick = new QPushButton("Pick", this);
        pick->setToolTip("Click on the graph to take its x");
        connect(pick, &QPushButton::clicked, this, [this, i] { PickField(i); });
        row->addWidget(pick);
        form->addRow(labels[i], row);
    }
    connect(area, &GraphArea::LeftPressed, this, [this](const QPoint& p) { Picked(p); });
    layout->addLayout(form);
    result_ = new QLabel(this);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(result_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (const QString problem = Apply(); !problem.isEmpty()) result_->setText(problem);
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
}

void TAreaDialog::Prepare() {
    GraphCurves curves(graph_);
    for (QComboBox* box : graphs_) box->clear();
    graphs_[1]->addItem("(the x axis)");
    for (int n = 1; n <= curves.GraphCount(); ++n) {
        const QString text = QString::number(n) + ": " +
                             QString::fromStdString(Cp1252ToUtf8(graph_.Slots.GraphText[size_t(curves.SlotOf(n))]));
        for (QComboBox* box : graphs_) box->addItem(text);
    }
    if (fields_[0]->text().isEmpty()) {
        fields_[0]->setText(QString::fromStdString(FormatReal(graph_.Settings.XMin, 8)));
        fields_[1]->setText(QString::fromStdString(FormatReal(graph_.Settings.XMax, 8)));
    }
    result_->clear();
}

void TAreaDialog::Picked(const QPoint& pos) {
    const GraphView& v = graph_.View;
    if (picking_ < 0 || v.PlotWidth <= 0) return;
    const SettingsRecord& s = graph_.Settings;
    const long double x = s.XMin + pos.x() * (s.XMax - s.XMin) / v.PlotWidth;
    fields_[picking_]->setText(QString::fromStdString(FormatReal(x, 6)));
    picking_ = -1;
}

QString TAreaDialog::Apply() {
    GraphCurves curves(graph_);
    const int graph = graphs_[0]->currentIndex() + 1, other = graphs_[1]->currentIndex();
    if (graph < 1 || graph > curves.GraphCount()) return "There is no graph y = f(x) to measure.";
    double bounds[2];
    for (int i = 0; i < 2; ++i)
        if (!EvaluateNumberText(graph_, Utf8ToCp1252(fields_[i]->text().toStdString()), bounds[i]))
            return "'" + fields_[i]->text() + "' is not a valid number";
    const auto graphs = curves.FirstBranches();
    const RealFunction& f = graphs[size_t(graph - 1)].f;
    RealFunction difference = f;
    if (other > 0) {
        const RealFunction& g = graphs[size_t(other - 1)].f;
        difference = [&f, &g](double x, double& y) {
            double gy;
            if (!f(x, y) || !g(x, gy)) return false;
            y -= gy;
            return true;
        };
    }
    const auto result = IntegrateWithArea(difference, bounds[0], bounds[1]);
    if (!result)
        return "The function is not defined everywhere between " + fields_[0]->text() + " and " +
               fields_[1]->text() + ".";
    result_->setText(QString("integral = %1\narea = %2")
                         .arg(QString::fromStdString(FormatReal(result->integral, 12)),
                              QString::fromStdString(FormatReal(result->area, 12))));
    overlay_.SetShading(TExploreOverlay::Shading{graph, other, bounds[0], bounds[1]});
    return {};
}

}  // namespace kurvo
