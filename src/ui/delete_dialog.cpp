#include "ui/delete_dialog.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "workspace/data_sets.h"

namespace kurvo {

TDeleteDialog::TDeleteDialog(TDataSets& sets, std::function<void(const std::function<void()>&)> guard,
                             QWidget* parent)
    : QDialog(parent), sets_(sets), guard_(std::move(guard)) {
    setWindowTitle("Delete");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* group = new QButtonGroup(this);
    const char* captions[5] = {"Delete Last Graph", "Delete All Graphs", "Delete Last DataSet",
                               "Delete All DataSets", "Delete All"};
    for (int i = 0; i < 5; ++i) {
        choices_[size_t(i)] = new QRadioButton(captions[i], this);
        group->addButton(choices_[size_t(i)], i);
        layout->addWidget(choices_[size_t(i)]);
    }
    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void TDeleteDialog::showEvent(QShowEvent* event) {
    choices_[size_t(sets_.Choice)]->setChecked(true);
    QDialog::showEvent(event);
}

void TDeleteDialog::OKBtnClick() {
    guard_([this] {
        for (int i = 0; i < 5; ++i)
            if (choices_[size_t(i)]->isChecked()) sets_.Choice = DeleteChoice(i);
        sets_.DeleteGraphs();
        hide();
    });
}

}  // namespace kurvo
