#include "ui/area_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
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

namespace kurvo {

TAreaDialog::TAreaDialog(TGraphWindow& graph, TExploreOverlay& overlay, QWidget* parent)
    : QDialog(parent), graph_(graph), overlay_(overlay) {
    setWindowTitle("Area");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow("Graph:", graphs_[0] = new QComboBox(this));
    form->addRow("Second graph:", graphs_[1] = new QComboBox(this));
    form->addRow("From A:", fields_[0] = new QLineEdit(this));
    form->addRow("To B:", fields_[1] = new QLineEdit(this));
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
