#include "ui/families_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "plot/family_fields.h"
#include "plot/settings_record.h"

namespace kurvo {

namespace {

// The Windows virtual-key code of a key press, for the keys the number
// field's filter tells apart.
int WindowsKeyCode(const QKeyEvent& event) {
    // Shortcuts such as Ctrl+V (paste) are not typing.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return 0;
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
        switch (key) {
            case Qt::Key_Asterisk: return 106;
            case Qt::Key_Plus: return 107;
            case Qt::Key_Minus: return 109;
            case Qt::Key_Period: case Qt::Key_Comma: return 110;
            case Qt::Key_Slash: return 111;
            default: break;
        }
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F11) return 112 + (key - Qt::Key_F1);
    if (key == Qt::Key_Meta || key == Qt::Key_Super_L) return 91;
    if (key == Qt::Key_Super_R) return 92;
    if (key == Qt::Key_Menu) return 93;
    return 0;
}

}  // namespace

TFamiliesDialog::TFamiliesDialog(QWidget* parent) : EditorDialog(parent, "Families") {
    auto* layout = new QVBoxLayout(this);
    auto* countRow = new QHBoxLayout;
    auto* countLabel = new QLabel("Number of Graphs", this);
    count_ = new QLineEdit(this);
    count_->setMaxLength(2);
    count_->setFixedWidth(40);
    count_->installEventFilter(this);
    countLabel->setBuddy(count_);
    countRow->addWidget(countLabel);
    countRow->addWidget(count_);
    countRow->addStretch(1);
    layout->addLayout(countRow);

    auto* box = new QGroupBox("Increments", this);
    auto* grid = new QGridLayout(box);
    for (int k = 0; k < 16; ++k) {
        auto* label = new QLabel(QString(QChar(kConstantLetters[k])) + ":", box);
        auto* edit = new QLineEdit(box);
        edit->setFixedWidth(70);
        label->setBuddy(edit);
        grid->addWidget(label, k % 8, (k / 8) * 2);
        grid->addWidget(edit, k % 8, (k / 8) * 2 + 1);
        steps_[static_cast<size_t>(k)] = edit;
    }
    layout->addWidget(box);
    AddButtons(layout);
}

std::string TFamiliesDialog::Count() const { return QtToEngine(count_->text()); }

std::array<std::string, 16> TFamiliesDialog::Steps() const {
    std::array<std::string, 16> out;
    for (size_t k = 0; k < out.size(); ++k) out[k] = QtToEngine(steps_[k]->text());
    return out;
}

void TFamiliesDialog::SetFields(const std::string& count, const std::array<std::string, 16>& steps) {
    count_->setText(EngineToQt(count));
    for (size_t k = 0; k < steps.size(); ++k) steps_[k]->setText(EngineToQt(steps[k]));
}

bool TFamiliesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == count_ && event->type() == QEvent::KeyPress &&
        FamilyCountKeyRefused(WindowsKeyCode(*static_cast<QKeyEvent*>(event)))) {
        // The key is used up: it must not type into the emptied field.
        if (Inform) Inform(kOnlyNumericChars);
        count_->clear();
        return true;
    }
    return EditorDialog::eventFilter(watched, event);
}

QWidget* TFamiliesDialog::FirstField() const { return count_; }

}  // namespace kurvo
