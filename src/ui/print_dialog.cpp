#include "ui/print_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QToolButton>
#include <QVBoxLayout>

namespace kurvo {

TKurvoPrintDialog::TKurvoPrintDialog(QPrinter& printer, QWidget* parent)
    : dialog_(std::make_unique<QPrintDialog>(&printer, parent)) {
    dialog_->setWindowTitle("Kurvo Print");
    auto* page = new QWidget;
    page->setWindowTitle("Size");
    auto* group = new QGroupBox("Size", page);
    auto* row = new QHBoxLayout(group);
    row->addWidget(new QLabel("Percentage of page size", group));
    percent_ = new QLineEdit("100", group);
    percent_->setMaximumWidth(60);
    row->addWidget(percent_);
    // The up-down control steps the number in the field; the field itself
    // takes any text, checked when the page is printed.
    auto* up = new QToolButton(group);
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton(group);
    down->setArrowType(Qt::DownArrow);
    row->addWidget(up);
    row->addWidget(down);
    row->addStretch();
    QObject::connect(up, &QToolButton::clicked, group, [this] { Step(5); });
    QObject::connect(down, &QToolButton::clicked, group, [this] { Step(-5); });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addStretch();
    dialog_->setOptionTabs({page});
}

TKurvoPrintDialog::~TKurvoPrintDialog() = default;

void TKurvoPrintDialog::Step(int by) {
    bool ok = false;
    const int value = percent_->text().trimmed().toInt(&ok);
    percent_->setText(QString::number(std::max(0, (ok ? value : 100) + by)));
}

bool TKurvoPrintDialog::Execute() { return dialog_->exec() == QDialog::Accepted; }

QString TKurvoPrintDialog::PercentText() const { return percent_->text(); }

}  // namespace kurvo
