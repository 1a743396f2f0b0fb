// The three toolbars, built from the toolbar record: the button bar
// (entries 0-30), the range bar (t, x and y fields) and the formula bar.
#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>


#include "expr/encoding.h"
#include "plot/graph_window.h"
#include "ui/button_icons.h"
#include "ui/main_form.h"

namespace kurvo {

namespace {

QString FromEngine(const char* text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

constexpr int kPlotButtonWidth = 73;
constexpr int kRelationBoxWidth = 49;
constexpr int kFieldWidth = 65;

// The menu entry each toolbar button stands for.
const char* EntryCaption(int entry) {
    switch (entry) {
        case toolbar::OpenFile: return "&Open";
        case toolbar::PrintGraph: return "&Print";
        case toolbar::DeleteGraphs: return "&Delete Graphs";
        case toolbar::CartesianMode: return "&Cartesian";
        case toolbar::PolarMode: return "&Polar";
        case toolbar::ImplicitMode: return "&Implicit";
        case toolbar::ParametricSwitch: return "&Parametric";
        case toolbar::MatrixTransformations: return "&Matrix Tranformations";
        case toolbar::DescriptiveTransformations: return "Descriptive &Transformations";
        case toolbar::PlotCoordinates: return "&Coordinate Sets";
        case toolbar::ZoomOut: return "Zoom out";
        case toolbar::ZoomIn: return "Zoom in";
        case toolbar::MoveGraph: return "Move graph";
        case toolbar::Constants: return "&Constants";
        case toolbar::Families: return "Fa&milies";
        case toolbar::GraphCoordinates: return "Show C&oordinate Info";
        case toolbar::TangentToGraph: return "Show &Tangent to graph";
        case toolbar::PlotDerivative: return "Plot D&erived Function";
        case toolbar::PlotIntegral: return "Plot I&ntegral Function";
        case toolbar::AutoScaling: return "Automatic &y-scaling";
        case toolbar::SquareGraph: return "&Square x  and y axes";
        case toolbar::PlotGraph: return "&Plot Graph";
        case toolbar::SaveToFile: return "&Add formula to file";
        default: return nullptr;
    }
}

// A toolbar with optional lines along its top and bottom edges.
class LinedToolBar : public QToolBar {
public:
    LinedToolBar(const QString& name, QWidget* parent) : QToolBar(name, parent) {}
    bool top = false;
    bool bottom = false;

protected:
    void paintEvent(QPaintEvent* event) override {
        QToolBar::paintEvent(event);
        QPainter p(this);
        p.setPen(palette().color(QPalette::Mid));
        if (top) p.drawLine(0, 0, width(), 0);
        if (bottom) p.drawLine(0, height() - 1, width(), height() - 1);
    }
};

QToolBar* NewBar(QMainWindow* window, const QString& name, bool top, bool bottom) {
    auto* bar = new LinedToolBar(name, window);
    bar->top = top;
    bar->bottom = bottom;
    bar->setObjectName(name);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(20, 20));
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    return bar;
}

}  // namespace

QToolButton* TMainForm::EntryButton(int entry) const {
    return entry >= 0 && entry < kToolbarEntryCount ? entryButtons_[entry] : nullptr;
}

QLineEdit* TMainForm::ViewFieldEdit(ViewField field) const { return viewFields_[static_cast<int>(field)]; }

void TMainForm::AddButton(QToolBar* bar, int entry, QBoxLayout* row) {
    const ToolbarEntry& e = ToolbarEntries()[entry];
    auto place = [bar, row](QWidget* w) {
        if (row) row->addWidget(w);
        else bar->addWidget(w);
    };
    if (e.kind == ToolbarItemKind::Separator) {
        auto* gap = new QWidget(bar);
        gap->setFixedWidth(8);
        place(gap);
        return;
    }
    if (e.kind == ToolbarItemKind::SpinField) {
        plotStep_ = new QSpinBox(bar);
        plotStep_->setRange(128, 1000000);
        plotStep_->setSingleStep(128);
        plotStep_->setValue(128);
        // Room for the largest step (1000000) beside the arrows.
        plotStep_->setFixedWidth(std::max(60, plotStep_->fontMetrics().horizontalAdvance("0000000") + 32));
        plotStep_->setToolTip(e.hint);
        plotStep_->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        place(plotStep_);
        return;
    }
    auto* button = new QToolButton(bar);
    entryButtons_[entry] = button;
    button->setToolTip(FromEngine(e.hint));
    button->setAutoRaise(toolbarRecord_.FlatButtons);
    button->setFocusPolicy(Qt::NoFocus);
    if (e.kind == ToolbarItemKind::PlotButton) {
        button->setText("   &Plot");
        button->setIcon(PlotButtonIcon());
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setFixedSize(kPlotButtonWidth, 24);
    } else {
        button->setIcon(ButtonIcon(e.picture));
        button->setFixedSize(25, 24);
    }
    place(button);

    if (entry == toolbar::XSquared || entry == toolbar::XCubed) {
        const char c = entry == toolbar::XSquared ? '\xB2' : '\xB3';
        connect(button, &QToolButton::clicked, this, [this, c] { TypeCharacter(c); });
        return;
    }
    if (entry == toolbar::AngleMode) {
        connect(button, &QToolButton::clicked, this,
                [this] { SetAngleMode(!Settings().Degrees); });
        return;
    }
    const char* caption = EntryCaption(entry);
    QAction* action = caption ? Action(caption) : nullptr;
    if (!action) {
        button->setEnabled(false);
        return;
    }
    // The button mirrors its menu entry: enabled state, and the check for
    // checks.
    const bool check = e.kind == ToolbarItemKind::Check || e.kind == ToolbarItemKind::GroupedCheck ||
                       e.kind == ToolbarItemKind::ReleasableGroupedCheck;
    button->setCheckable(check && action->isCheckable());
    auto sync = [button, action] {
        button->setEnabled(action->isEnabled());
        if (button->isCheckable()) button->setChecked(action->isChecked());
    };
    sync();
    connect(action, &QAction::changed, button, sync);
    connect(button, &QToolButton::clicked, action, [action, button] {
        action->trigger();
        if (button->isCheckable()) button->setChecked(action->isChecked());
    });
}

void TMainForm::AddViewField(QBoxLayout* row, ViewField field, const QString& label, const QString& hint) {
    QWidget* parent = row->parentWidget();
    auto* text = new QLabel(label, parent);
    text->setToolTip(hint);
    row->addWidget(text);
    auto* edit = new QLineEdit(parent);
    // As wide as "6.283185" at the window's font, shrinking on a narrow
    // window down to a few digits instead of leaving the bar.
    const QFontMetrics metrics = edit->fontMetrics();
    edit->setMaximumWidth(std::max(kFieldWidth, metrics.horizontalAdvance("-6.283185") + 12));
    edit->setMinimumWidth(metrics.horizontalAdvance("-0.00") + 12);
    edit->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    edit->setToolTip(hint);
    text->setBuddy(edit);
    row->addWidget(edit);
    viewFields_[static_cast<int>(field)] = edit;
    // Only the user's edits save the view for undo; the window's own
    // rewrites use setText, which raises no textEdited.
    connect(edit, &QLineEdit::textEdited, this, [this] {
        if (graph_) graph_->SaveViewForUndo();
    });
    if (field == ViewField::XMax) connect(edit, &QLineEdit::returnPressed, this, [this] { PlotCommand(); });
}

void TMainForm::BuildToolbars() {
    for (QToolBar* bar : {buttonBar_, rangeBar_, formulaBar_})
        if (bar) {
            removeToolBar(bar);
            bar->deleteLater();
        }
    buttonBar_ = rangeBar_ = formulaBar_ = nullptr;
    entryButtons_.fill(nullptr);
    viewFields_.fill(nullptr);
    plotStep_ = nullptr;
    const auto& on = toolbarRecord_.Entries;
    const bool lines = toolbarRecord_.LinesBetween;

    bool anyButton = false;
    for (int i = 0; i <= toolbar::LastButtonBarEntry; ++i) anyButton = anyButton || on[i];
    if (anyButton) {
        buttonBar_ = NewBar(this, "Buttons", true, false);
        for (int i = 0; i <= toolbar::LastButtonBarEntry; ++i)
            if (on[i]) AddButton(buttonBar_, i);
        addToolBar(Qt::TopToolBarArea, buttonBar_);
        addToolBarBreak(Qt::TopToolBarArea);
    }

    rangeBar_ = NewBar(this, "Range", lines, false);
    // The fields and buttons share one row that the bar cannot split, so
    // every field stays in sight on a narrow window (the fields shrink).
    auto* rangeRow = new QWidget(rangeBar_);
    auto* row = new QHBoxLayout(rangeRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    const auto& entries = ToolbarEntries();
    if (on[toolbar::TMinField]) AddViewField(row, ViewField::TMin, " t min", entries[toolbar::TMinField].hint);
    if (on[toolbar::TMaxField]) AddViewField(row, ViewField::TMax, " t max", entries[toolbar::TMaxField].hint);
    AddViewField(row, ViewField::XMin, " x min", "Type the minimum value for x");
    AddViewField(row, ViewField::XMax, " x max", "Type the maximum value for x");
    AddViewField(row, ViewField::YMin, " y min", "Type the minimum value for y");
    AddViewField(row, ViewField::YMax, " y max", "Type the maximum value for y");
    for (int i = 33; i <= 35; ++i)
        if (on[i]) AddButton(rangeBar_, i, row);
    row->addStretch(1);
    rangeRow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    rangeBar_->addWidget(rangeRow);
    addToolBar(Qt::TopToolBarArea, rangeBar_);
    addToolBarBreak(Qt::TopToolBarArea);

    formulaBar_ = NewBar(this, "Formula", lines, true);
    QFont big = font();
    big.setPointSize(10);
    relationBox_ = new QComboBox(formulaBar_);
    relationBox_->setFont(big);
    // As wide as its longest entry ("y>=", "x,y=") once the mode's list is in.
    relationBox_->setMinimumWidth(kRelationBoxWidth);
    relationBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    relationBox_->setToolTip("Choose equality/inequality graph type");
    formulaBar_->addWidget(relationBox_);
    formulaBox_ = new QComboBox(formulaBar_);
    formulaBox_->setEditable(true);
    formulaBox_->setInsertPolicy(QComboBox::NoInsert);
    // Enter plots exactly what was typed: no inline completion from the
    // preset list (0.5x would become 0.5x+2).
    formulaBox_->setCompleter(nullptr);
    formulaBox_->setFont(big);
    formulaBox_->setToolTip("Formula input field");
    formulaBox_->lineEdit()->setMaxLength(255);
    // The box takes what the bar leaves after the relation box and the
    // buttons, and shrinks with the window down to a usable width instead
    // of moving into the bar's overflow menu.
    formulaBox_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    formulaBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    formulaBox_->setMinimumContentsLength(12);
    formulaBar_->addWidget(formulaBox_);
    connect(formulaBox_->lineEdit(), &QLineEdit::returnPressed, this, [this] { PlotCommand(); });
    for (int i = 36; i <= 42; ++i)
        if (on[i]) AddButton(formulaBar_, i);
    addToolBar(Qt::TopToolBarArea, formulaBar_);

    if (statusPanels_[0] == nullptr) {
        const char* captions[5] = {"x=", "y=", "r=", "t=", "dy/dx="};
        const int widths[5] = {150, 150, 150, 150, 50};
        for (int i = 0; i < 5; ++i) {
            statusPanels_[i] = new QLabel(captions[i], this);
            statusPanels_[i]->setMinimumWidth(widths[i]);
            statusBar()->addWidget(statusPanels_[i], i == 4 ? 1 : 0);
        }
        statusBar()->setSizeGripEnabled(true);
        statusBar()->hide();
    }
}

}  // namespace kurvo
