#include "ui/environment_dialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QColorDialog>
#include <QFormLayout>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "expr/encoding.h"
#include "expr/errors.h"
#include "plot/canvas.h"
#include "ui/data_marks_dialog.h"
#include "ui/message_boxes.h"

namespace kurvo {

namespace {

const char* kColourHint = "Set the colour of these aspects of the program.";
const char* kElementColours[7] = {"Axes", "Asymptotes", "Derivative", "Integral", "Grid", "Trace Lines", "Tangent"};
const char* kWidths[3] = {"Graph Line Thickness", "Axis Line Thickness", "Grid Line Thickness"};
const QString kMarkColour = "Data Marks Colour";
const QString kFontColour = "Font Colour";

QColor ToQColor(Colour c) {
    const Colour r = ResolveColour(c);
    return QColor(RedOf(r), GreenOf(r), BlueOf(r));
}
Colour FromQColor(const QColor& c) {
    return static_cast<Colour>(c.red()) | static_cast<Colour>(c.green()) << 8 |
           static_cast<Colour>(c.blue()) << 16;
}

// Hides the dialog's own field names behind the settings they show.
Colour* ElementColour(EnvironmentControls& c, int i) {
    Colour* fields[7] = {&c.AxesColour,     &c.AsymptoteColour, &c.DerivativeColour, &c.IntegralColour,
                         &c.GridColour,     &c.TraceColour,     &c.TangentColour};
    return fields[i];
}

struct CheckField {
    const char* caption;
    bool EnvironmentControls::*field;
};
const CheckField kChecks[] = {
    {"Asymptotes", &EnvironmentControls::ShowAsymptotes},
    {"Plot", &EnvironmentControls::ShowPlot},
    {"Axes", &EnvironmentControls::ShowAxes},
    {"Grid", &EnvironmentControls::ShowGrid},
    {"Minor Axis Divisions", &EnvironmentControls::ShowMinorDivisions},
    {"Axis Markers", &EnvironmentControls::ShowAxisMarkers},
    {"Axis Labels", &EnvironmentControls::ShowAxisLabels},
    {"Help", &EnvironmentControls::ShowHints},
    {"Asymtote Beep", &EnvironmentControls::AsymptoteBeep},
    {"Coords Snap to graph", &EnvironmentControls::SnapToGraph},
    {"Square Graph", &EnvironmentControls::SquareGraph},
    {"Limits On", &EnvironmentControls::AutoLimitsOn},
    {"Shade defined side", &EnvironmentControls::ShadeDefinedSide},
    {"Move graph in direction of mouse move", &EnvironmentControls::MoveWithMouse},
    {"Complete implicit curves", &EnvironmentControls::CompleteImplicit},
};

}  // namespace

TEnvironment::TEnvironment(QWidget* parent, MessageBoxes& boxes, Window window)
    : QDialog(parent), boxes_(boxes), window_(std::move(window)) {
    setWindowTitle("Effects & Settings");
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    pages_->addTab(GeneralPage(), "General");
    pages_->addTab(ColoursPage(), "Colours");
    pages_->addTab(LinesPage(), "Lines, Marks and Fonts");
    pages_->addTab(MiscPage(), "Misc");
    layout->addWidget(pages_);
    auto* row = new QHBoxLayout;
    auto* apply = new QPushButton("Apply", this);
    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    apply->setToolTip("Apply the changs without saving the changes to file.");
    ok->setToolTip("Set values and save to file.");
    cancel->setToolTip("Close this dialog without making any changes.");
    ok->setDefault(true);
    row->addStretch();
    for (QPushButton* b : {apply, ok, cancel}) row->addWidget(b);
    layout->addLayout(row);
    connect(apply, &QPushButton::clicked, this, &TEnvironment::ApplyBtnClick);
    connect(ok, &QPushButton::clicked, this, &TEnvironment::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    connect(pages_, &QTabWidget::currentChanged, this, [this] { ShowWidths(); });
}

QWidget* TEnvironment::Control(const QString& caption) const {
    const auto it = controlsByCaption_.find(caption);
    return it == controlsByCaption_.end() ? nullptr : it->second;
}

QCheckBox* TEnvironment::Check(QWidget* parent, const char* caption, const char* hint) {
    auto* box = new QCheckBox(caption, parent);
    if (hint) box->setToolTip(hint);
    controlsByCaption_[caption] = box;
    return box;
}

QSpinBox* TEnvironment::Spin(QWidget* parent, const char* caption, int min, int max, int step, int initial) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(min, max);
    spin->setSingleStep(step);
    spin->setValue(initial);
    controlsByCaption_[caption] = spin;
    return spin;
}

QPushButton* TEnvironment::ColourBox(QWidget* parent, const QString& caption) {
    auto* box = new QPushButton(parent);
    box->setFixedSize(48, 20);
    box->setToolTip(kColourHint);
    colourBoxes_[caption] = box;
    connect(box, &QPushButton::clicked, this, [this, caption] {
        const QColor chosen = QColorDialog::getColor(ToQColor(BoxColour(caption)), this);
        if (!chosen.isValid()) return;
        SetBoxColour(caption, FromQColor(chosen));
        // A data set's mark colour is kept at once.
        if (caption == kMarkColour) {
            window_.settings().MarkColours[controls_.DataSet - 1] = FromQColor(chosen);
            ShowMarkType();
        }
    });
    return box;
}

QPushButton* TEnvironment::ColourButton(const QString& caption) const {
    const auto it = colourBoxes_.find(caption);
    return it == colourBoxes_.end() ? nullptr : it->second;
}

Colour TEnvironment::BoxColour(const QString& caption) const {
    const auto it = boxColours_.find(caption);
    return it == boxColours_.end() ? 0 : it->second;
}

void TEnvironment::SetBoxColour(const QString& caption, Colour colour) {
    boxColours_[caption] = colour;
    if (QPushButton* box = ColourButton(caption))
        box->setStyleSheet(QString("background-color: %1").arg(ToQColor(colour).name()));
}

QWidget* TEnvironment::GeneralPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(Check(page, "Asymptotes", "When checked, asymptotes will be drawn as appropriate."), 0, 0);
    auto* show = new QGroupBox("Show", page);
    auto* showLayout = new QVBoxLayout(show);
    const std::pair<const char*, const char*> shown[] = {
        {"Plot", "When checked the plot will be shown."},
        {"Axes", "When checked, the axes will be drawn."},
        {"Grid", "When checked, a grid will be drawn."},
        {"Minor Axis Divisions", "When checked, the minor axis divisions will be drawn."},
        {"Axis Markers", "When checked, numbers will be printed on the axes."},
        {"Axis Labels", "When checked, the axis labels will be shown."},
        {"Help", "When checked, these Help messages will appear as now."},
        {"Asymtote Beep", "When checked, the computer will beep whenever an asymptote is drawn."},
        {"Coords Snap to graph", "When checked, these Help messages will appear as now."},
        {"Square Graph", "When checked the graph will be a square shape."},
    };
    for (const auto& [caption, hint] : shown) showLayout->addWidget(Check(show, caption, hint));
    grid->addWidget(show, 1, 0, 3, 1);

    auto* gridSize = new QGroupBox("Grid Size", page);
    gridSize->setToolTip(
        "When Large is checked, a grid will be drawn on the major axis divisions. \n"
        "When Small is checked the grid will be drawn on the minor axis divisions as well.");
    auto* sizeLayout = new QVBoxLayout(gridSize);
    large_ = new QRadioButton("Large", gridSize);
    small_ = new QRadioButton("Small", gridSize);
    sizeLayout->addWidget(large_);
    sizeLayout->addWidget(small_);
    controlsByCaption_["Large"] = large_;
    controlsByCaption_["Small"] = small_;
    grid->addWidget(gridSize, 0, 1, 2, 1);
    auto* axisType = new QGroupBox("Axis Type", page);
    axisType->setToolTip(
        "When Axis type is set to Pi, the x-axis will be drawn\n"
        "in multiples and fractions of Pi.  Otherwise not.");
    auto* typeLayout = new QVBoxLayout(axisType);
    normalAxis_ = new QRadioButton("Normal", axisType);
    piAxis_ = new QRadioButton("Pi", axisType);
    typeLayout->addWidget(normalAxis_);
    typeLayout->addWidget(piAxis_);
    controlsByCaption_["Normal"] = normalAxis_;
    controlsByCaption_["Pi"] = piAxis_;
    grid->addWidget(axisType, 2, 1);
    // Grid size and axis type take effect at once, even if Cancel follows.
    connect(large_, &QRadioButton::clicked, this, [this] { window_.settings().LargeGrid = true; });
    connect(small_, &QRadioButton::clicked, this, [this] { window_.settings().LargeGrid = false; });
    connect(normalAxis_, &QRadioButton::clicked, this, [this] { window_.settings().PiAxis = false; });
    connect(piAxis_, &QRadioButton::clicked, this, [this] { window_.settings().PiAxis = true; });

    auto* accuracy = new QGroupBox("Number Accuracy", page);
    auto* accuracyLayout = new QFormLayout(accuracy);
    QSpinBox* sig = Spin(accuracy, "Sig. Figs", 1, 14, 1, 6);
    sig->setToolTip("This field sets the number of sig figs, numbers on the status bar will be given to.");
    accuracyLayout->addRow("Sig. Figs", sig);
    QSpinBox* step = Spin(accuracy, "Plot Step", 32, 1000000, 128, 256);
    step->setToolTip("This field sets the plotting step.");
    accuracyLayout->addRow("Plot Step", step);
    grid->addWidget(accuracy, 3, 1);
    return page;
}

QWidget* TEnvironment::ColoursPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto add = [&](const QString& caption, int row, int column) {
        grid->addWidget(new QLabel(caption, page), row, column);
        grid->addWidget(ColourBox(page, caption), row, column + 1);
    };
    add("Background", 0, 0);
    for (int i = 0; i < 7; ++i) add(kElementColours[i], i + 1, 0);
    for (int i = 0; i < 5; ++i) add(QString("Graph %1").arg(i + 1), i + 1, 2);
    grid->setRowStretch(8, 1);
    return page;
}

QWidget* TEnvironment::LinesPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* widths = new QFormLayout;
    for (const char* caption : kWidths) widths->addRow(caption, Spin(page, caption, 1, 10, 1, 1));
    layout->addLayout(widths);

    auto* marks = new QGroupBox("Data Marks", page);
    auto* marksLayout = new QGridLayout(marks);
    marksLayout->addWidget(new QLabel("Dataset number", marks), 0, 0);
    QSpinBox* number = Spin(marks, "Dataset number", 1, 5, 1, 1);
    marksLayout->addWidget(number, 0, 1);
    markType_ = new QPushButton(marks);
    markType_->setFixedSize(32, 32);
    controlsByCaption_["Mark type"] = markType_;
    marksLayout->addWidget(markType_, 0, 2);
    marksLayout->addWidget(new QLabel("Colour", marks), 1, 0);
    marksLayout->addWidget(ColourBox(marks, kMarkColour), 1, 1);
    marksLayout->addWidget(Check(marks, "Connect", nullptr), 2, 0);
    marksLayout->addWidget(Check(marks, "Outline", nullptr), 2, 1);
    layout->addWidget(marks);
    connect(number, qOverload<int>(&QSpinBox::valueChanged), this, [this](int n) {
        controls_.DataSet = n;
        ShowDataSet();
    });
    connect(markType_, &QPushButton::clicked, this, [this] {
        if (window_.showDataMarks) window_.showDataMarks(controls_.DataSet);
    });
    // Joining and outlining belong to the set shown, as its mark type does,
    // and take effect at once like it.
    for (auto flags : {&SettingsRecord::MarkConnect, &SettingsRecord::MarkOutline}) {
        auto* box = qobject_cast<QCheckBox*>(Control(flags == &SettingsRecord::MarkConnect ? "Connect" : "Outline"));
        connect(box, &QCheckBox::clicked, this, [this, flags](bool on) {
            (window_.settings().*flags)[size_t(controls_.DataSet - 1)] = on;
        });
    }

    auto* font = new QGroupBox("Font", page);
    auto* fontLayout = new QGridLayout(font);
    fontName_ = new QLineEdit(font);
    fontName_->setReadOnly(true);
    fontName_->setCursor(Qt::PointingHandCursor);
    fontName_->installEventFilter(this);
    controlsByCaption_["Font"] = fontName_;
    fontLayout->addWidget(fontName_, 0, 0, 1, 4);
    fontLayout->addWidget(new QLabel("Size", font), 1, 0);
    fontSize_ = new QLineEdit(font);
    fontSize_->setFixedWidth(48);
    controlsByCaption_["Size"] = fontSize_;
    fontLayout->addWidget(fontSize_, 1, 1);
    fontLayout->addWidget(new QLabel("Colour", font), 1, 2);
    fontLayout->addWidget(ColourBox(font, kFontColour), 1, 3);
    layout->addWidget(font);
    layout->addStretch();
    return page;
}

bool TEnvironment::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fontName_ && event->type() == QEvent::MouseButtonRelease) ChooseFont();
    return QDialog::eventFilter(watched, event);
}

void TEnvironment::ChooseFont() {
    bool ok = false;
    const QFont current(fontName_->text(), fontSize_->text().toInt());
    const QFont chosen = QFontDialog::getFont(&ok, current, this);
    if (!ok) return;
    fontName_->setText(chosen.family());
    fontSize_->setText(QString::number(chosen.pointSize()));
}

QGroupBox* TEnvironment::CheckGroup(QWidget* page, const char* title, const char* caption, const char* hint) {
    auto* group = new QGroupBox(title, page);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(Check(group, caption, hint));
    return group;
}

QWidget* TEnvironment::MiscPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* limits = new QGroupBox("Auto scaling limits", page);
    limits->setToolTip("Set the limits for autoscaling");
    auto* limitsLayout = new QFormLayout(limits);
    limitsLayout->addRow(Check(limits, "Limits On", "Set the limits for autoscaling"));
    limitsLayout->addRow("Min:", Spin(limits, "Min:", -100000, 0, 1, -500));
    limitsLayout->addRow("Max:", Spin(limits, "Max:", 0, 100000, 1, 500));
    layout->addWidget(limits);
    layout->addWidget(CheckGroup(page, "Inequalities", "Shade defined side",
                                 "When checked the defined side of an inequality will be shade otherwise the "
                                 "undefined side will be shaded."));
    layout->addWidget(CheckGroup(page, "Implicit relations", "Complete implicit curves",
                                 "When checked implicit relations and the boundaries of inequalities are "
                                 "drawn completely, every branch, from the sign of left side - right side."));
    layout->addWidget(CheckGroup(page, "Graph move mode", "Move graph in direction of mouse move",
                                 "When checked the move function will move the graph in the direction of the "
                                 "mouse move.  Otherwise the new graph will be drawn as defined by the box."));
    layout->addStretch();
    return page;
}

void TEnvironment::showEvent(QShowEvent* event) {
    LoadControls();
    QDialog::showEvent(event);
}

void TEnvironment::LoadControls() {
    const SettingsRecord& s = window_.settings();
    LoadEnvironmentControls(controls_, s, *window_.host);
    for (const CheckField& c : kChecks) qobject_cast<QCheckBox*>(Control(c.caption))->setChecked(controls_.*c.field);
    (controls_.LargeGrid ? large_ : small_)->setChecked(true);
    (controls_.PiAxis ? piAxis_ : normalAxis_)->setChecked(true);
    auto spin = [this](const char* caption) { return qobject_cast<QSpinBox*>(Control(caption)); };
    spin("Sig. Figs")->setValue(controls_.SigFigs);
    spin("Plot Step")->setValue(controls_.PlotStep);
    SetBoxColour("Background", controls_.BackgroundColour);
    for (int i = 0; i < 7; ++i) SetBoxColour(kElementColours[i], *ElementColour(controls_, i));
    for (int i = 0; i < 5; ++i) SetBoxColour(QString("Graph %1").arg(i + 1), controls_.GraphColours[i]);
    SetBoxColour(kFontColour, controls_.FontColour);
    fontName_->setText(QString::fromStdString(Cp1252ToUtf8(controls_.FontName)));
    fontSize_->setText(QString::fromStdString(controls_.FontSize));
    spin("Min:")->setValue(controls_.AutoLimitMin);
    spin("Max:")->setValue(controls_.AutoLimitMax);
    ShowWidths();
    ShowDataSet();
}

void TEnvironment::ShowWidths() {
    const SettingsRecord& s = window_.settings();
    const int32_t widths[3] = {s.GraphLineWidth, s.AxisLineWidth, s.GridLineWidth};
    for (int i = 0; i < 3; ++i) qobject_cast<QSpinBox*>(Control(kWidths[i]))->setValue(widths[i]);
}

void TEnvironment::ShowDataSet() {
    const SettingsRecord& s = window_.settings();
    const size_t k = static_cast<size_t>(controls_.DataSet - 1);
    SetBoxColour(kMarkColour, s.MarkColours[k]);
    // The same entry as the colour and the type: the flags of this set.
    qobject_cast<QCheckBox*>(Control("Connect"))->setChecked(s.MarkConnect[k]);
    qobject_cast<QCheckBox*>(Control("Outline"))->setChecked(s.MarkOutline[k]);
    ShowMarkType();
}

void TEnvironment::ShowMarkType() {
    const SettingsRecord& s = window_.settings();
    const size_t k = static_cast<size_t>(controls_.DataSet - 1);
    // The glyph as the graph draws it, in the set's colour.
    markType_->setIcon(TDataMarksDialog::MarkIcon(s.MarkTypes[k], s.MarkColours[k]));
    markType_->setIconSize(QSize(17, 17));
    markType_->setToolTip("Mark type");
}

EnvironmentControls TEnvironment::ReadControls() const {
    EnvironmentControls c = controls_;
    for (const CheckField& f : kChecks) c.*f.field = qobject_cast<QCheckBox*>(Control(f.caption))->isChecked();
    auto spin = [this](const char* caption) { return qobject_cast<QSpinBox*>(Control(caption)); };
    c.SigFigs = spin("Sig. Figs")->value();
    c.PlotStep = spin("Plot Step")->value();
    c.BackgroundColour = BoxColour("Background");
    for (int i = 0; i < 7; ++i) *ElementColour(c, i) = BoxColour(kElementColours[i]);
    for (int i = 0; i < 5; ++i) c.GraphColours[i] = BoxColour(QString("Graph %1").arg(i + 1));
    c.GraphLineWidth = spin(kWidths[0])->text().toStdString();
    c.AxisLineWidth = spin(kWidths[1])->text().toStdString();
    c.GridLineWidth = spin(kWidths[2])->text().toStdString();
    c.FontName = Utf8ToCp1252(fontName_->text().toStdString());
    c.FontSize = fontSize_->text().toStdString();
    c.FontColour = BoxColour(kFontColour);
    c.AutoLimitMin = spin("Min:")->value();
    c.AutoLimitMax = spin("Max:")->value();
    return c;
}

bool TEnvironment::Take(EnvironmentControls& c) {
    c = ReadControls();
    try {
        TakeEnvironmentControls(c, window_.settings());
    } catch (const Exception& error) {
        boxes_.Error(QString::fromStdString(Cp1252ToUtf8(error.what())));
        return false;
    }
    if (window_.setPlotStep) window_.setPlotStep(c.PlotStep);
    return true;
}

void TEnvironment::ApplyBtnClick() {
    EnvironmentControls c;
    if (!Take(c)) return;
    window_.redrawAll();
}

void TEnvironment::OKBtnClick() {
    EnvironmentControls c;
    if (!Take(c)) return;
    try {
        const std::string error = EnvironmentOK(c, window_.settings(), *window_.host, window_.dataFolder);
        if (!error.empty()) boxes_.Error(QString::fromStdString(error));
    } catch (const Exception& error) {
        boxes_.Error(QString::fromStdString(Cp1252ToUtf8(error.what())));
        return;
    }
    hide();
}

}  // namespace kurvo
