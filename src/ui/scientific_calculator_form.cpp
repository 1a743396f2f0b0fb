#include "ui/scientific_calculator_form.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kurvo {

namespace {

// The key pad; "→" is the arrow that stores into a memory.
const char* const kKeys[][7] = {
    {"", "sin", "cos", "tan", "ln", "log", "Pi"},
    {"x²", "x³", "^", "(", ")", "Ans", "Expr"},
    {"7", "8", "9", "÷", "A", "B", "CL"},
    {"4", "5", "6", "×", "C", "D", ""},
    {"1", "2", "3", "-", "X", "Y", ""},
    {"0", "·", "→", "+", "", "", "EXE"},
};

}  // namespace

TScientificCalculatorForm::TScientificCalculatorForm(QWidget* parent)
    : TToolWindow(parent, "Scientific Calculator"), input_(new QLineEdit(this)), result_(new QLineEdit(this)) {
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    stayOnTop_ = bar->addMenu("&View")->addAction("Stay on Top");
    stayOnTop_->setCheckable(true);
    connect(stayOnTop_, &QAction::triggered, this, [this] { ToggleStayOnTop(); });
    layout->setMenuBar(bar);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel("Input", this), 0, 0);
    fields->addWidget(input_, 0, 1);
    fields->addWidget(new QLabel("Result", this), 1, 0);
    fields->addWidget(result_, 1, 1);
    input_->setMinimumWidth(320);
    connect(input_, &QLineEdit::returnPressed, this, [this] { Press("EXE"); });
    layout->addLayout(fields);

    auto* switches = new QHBoxLayout;
    auto* angle = new QGroupBox(this);
    auto* angleLayout = new QHBoxLayout(angle);
    auto* degrees = new QRadioButton("Degrees", angle);
    auto* radians = new QRadioButton("Radians", angle);
    degrees->setChecked(true);
    angleLayout->addWidget(degrees);
    angleLayout->addWidget(radians);
    connect(degrees, &QRadioButton::toggled, this, [this](bool on) { calc_.CalcDegrees = on; });
    auto* inverse = new QCheckBox("Inverse", this);
    auto* hyperbolic = new QCheckBox("Hyperbolic", this);
    connect(inverse, &QCheckBox::toggled, this, [this](bool on) { calc_.InverseShift = on; });
    connect(hyperbolic, &QCheckBox::toggled, this, [this](bool on) { calc_.HyperbolicShift = on; });
    switches->addWidget(angle);
    switches->addWidget(inverse);
    switches->addWidget(hyperbolic);
    switches->addStretch();
    layout->addLayout(switches);

    auto* pad = new QGridLayout;
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 7; ++c) {
            const QString caption = QString::fromUtf8(kKeys[r][c]);
            if (caption.isEmpty()) continue;
            QPushButton* key = NewKey(caption, 48);
            if (caption == "EXE") {
                pad->addWidget(key, r - 2, c, 3, 1);  // a tall key, as on a pocket calculator
                key->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
            } else {
                pad->addWidget(key, r, c);
            }
            const std::string logicKey = caption == "→" ? "-->" : caption.toStdString();
            connect(key, &QPushButton::clicked, this, [this, logicKey] { Press(logicKey); });
        }
    layout->addLayout(pad);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TScientificCalculatorForm::Press(const std::string& key) {
    Guarded([this, &key] {
        // The user may have typed into the Input field since the last key.
        calc_.Input = ToCp1252(input_->text());
        calc_.PressKey(key);
        input_->setText(FromCp1252(calc_.Input));
        result_->setText(FromCp1252(calc_.Result));
    });
}

void TScientificCalculatorForm::ToggleStayOnTop() {
    onTop_ = !onTop_;
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop_);
    if (visible) show();  // changing the flags hides the window
    stayOnTop_->setChecked(onTop_);
}


}  // namespace kurvo
