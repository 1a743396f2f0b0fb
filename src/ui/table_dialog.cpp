#include "ui/table_dialog.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "analysis/graph_curves.h"
#include "analysis/value_table.h"
#include "expr/encoding.h"
#include "expr/real_format.h"
#include "ui/data_save_dialog.h"
#include "plot/graph_window.h"
#include "workspace/atomic_write.h"

namespace kurvo {

TTableDialog::TTableDialog(TGraphWindow& graph, QWidget* parent) : QDialog(parent), graph_(graph) {
    setWindowTitle("Table of Values");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const char* labels[3] = {"Start:", "End:", "Step:"};
    for (int i = 0; i < 3; ++i) form->addRow(labels[i], fields_[i] = new QLineEdit(this));
    layout->addLayout(form);
    table_ = new QTableWidget(this);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->setWordWrap(false);
    layout->addWidget(table_, 1);
    auto* buttons = new QHBoxLayout;
    auto* fill = new QPushButton("&Fill", this);
    auto* copy = new QPushButton("&Copy", this);
    auto* save = new QPushButton("Save As &Dataset", this);
    auto* close = new QPushButton("Close", this);
    for (QPushButton* b : {fill, copy, save, close}) buttons->addWidget(b);
    layout->addLayout(buttons);
    fill->setDefault(true);
    connect(fill, &QPushButton::clicked, this, [this] {
        if (const QString problem = Fill(); !problem.isEmpty()) QMessageBox::information(this, windowTitle(), problem);
    });
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(TabText()); });
    connect(save, &QPushButton::clicked, this, [this] { SaveAsDataset(); });
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    resize(480, 420);
}

void TTableDialog::Prepare() {
    const SettingsRecord& s = graph_.Settings;
    fields_[0]->setText(QString::fromStdString(FormatReal(s.XMin, 8)));
    fields_[1]->setText(QString::fromStdString(FormatReal(s.XMax, 8)));
    fields_[2]->setText(QString::fromStdString(FormatReal((s.XMax - s.XMin) / 20, 8)));
    Fill();
}

QString TTableDialog::Fill() {
    double values[3];
    for (int i = 0; i < 3; ++i)
        if (!EvaluateNumberText(graph_, Utf8ToCp1252(fields_[i]->text().toStdString()), values[i]))
            return "'" + fields_[i]->text() + "' is not a valid number";
    const ValueTableRange range{values[0], values[1], values[2]};
    if (const std::string problem = CheckValueTable(range); !problem.empty())
        return QString::fromStdString(problem);
    GraphCurves curves(graph_);
    const auto graphs = curves.FirstBranches();
    const auto rows = ValueTable(range, graphs);
    table_->clear();
    table_->setColumnCount(int(graphs.size()) + 1);
    table_->setRowCount(int(rows.size()));
    QStringList headers{"x"};
    for (const GraphCurve& c : graphs)
        headers << QString::fromStdString(Cp1252ToUtf8(graph_.Slots.GraphText[size_t(curves.SlotOf(c.graph))]));
    table_->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < int(rows.size()); ++r) {
        const QStringList cells = QString::fromStdString(rows[size_t(r)]).split('\t');
        for (int c = 0; c < cells.size(); ++c) table_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    table_->resizeColumnsToContents();
    return {};
}

QString TTableDialog::TabText() const {
    QStringList lines;
    QStringList header;
    for (int c = 0; c < table_->columnCount(); ++c) header << table_->horizontalHeaderItem(c)->text();
    lines << header.join('\t');
    for (int r = 0; r < table_->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table_->columnCount(); ++c) cells << table_->item(r, c)->text();
        lines << cells.join('\t');
    }
    return lines.join('\n') + '\n';
}

std::vector<std::string> TTableDialog::DatasetLines(int column, char separator) const {
    // The data set files' own header; rows without a value are left out.
    std::vector<std::string> lines{std::string("x") + separator + "y"};
    for (int r = 0; r < table_->rowCount(); ++r) {
        const std::string y = table_->item(r, column)->text().toStdString();
        if (y == "undefined") continue;
        lines.push_back(table_->item(r, 0)->text().toStdString() + separator + y);
    }
    return lines;
}

void TTableDialog::SaveAsDataset() {
    if (table_->columnCount() < 2) return;
    const int column = std::max(1, table_->currentColumn());
    QString filter;
    // The data set files' four types: .tsv is tab separated, the others
    // comma separated, as Open reads them.
    const QString path = QFileDialog::getSaveFileName(this, "Save As Dataset", {},
                                                      TDataSaveDialog::Filters().join(";;"), &filter);
    if (path.isEmpty()) return;
    QByteArray bytes;
    const bool tabs = path.endsWith(".tsv", Qt::CaseInsensitive) || filter.startsWith("TSV");
    for (const std::string& line : DatasetLines(column, tabs ? '\t' : ','))
        bytes.append(Utf8ToCp1252(line).c_str()).append("\r\n");
    const FileResult written = WriteFileAtomically(path, bytes);
    if (!written.ok()) QMessageBox::warning(this, windowTitle(), QString::fromStdString(written.message));
}

}  // namespace kurvo
