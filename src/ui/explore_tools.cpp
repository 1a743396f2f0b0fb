#include "ui/explore_tools.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>

#include "expr/encoding.h"
#include "plot/graph_window.h"
#include "ui/area_dialog.h"
#include "ui/explore_overlay.h"
#include "ui/graph_area.h"
#include "ui/main_form.h"
#include "ui/sliders_panel.h"
#include "ui/table_dialog.h"

namespace kurvo {
namespace {

QMenu* MenuOf(TMainForm& form, const QString& caption) {
    for (QAction* a : form.menuBar()->actions())
        if (a->menu() && a->text() == caption) return a->menu();
    return nullptr;
}

QAction* AddEntry(QMenu* menu, const QString& caption, QObject* owner, const std::function<void()>& run) {
    QAction* action = menu->addAction(caption);
    action->setProperty("noHotkey", true);
    QObject::connect(action, &QAction::triggered, owner, run);
    return action;
}

}  // namespace

TExploreTools::TExploreTools(TMainForm& form) : QObject(&form), form_(form) {
    QMenu* zooms = MenuOf(form, "&Zooms");
    QMenu* editors = MenuOf(form, "&Editors");
    zooms->addSeparator();
    QAction* points = AddEntry(zooms, "Points of &Interest", this, [] {});
    points->setCheckable(true);
    connect(points, &QAction::toggled, this, [this](bool on) { Overlay().SetDotsShown(on); });
    AddEntry(zooms, "&Area...", this, [this] { ShowArea(); });
    AddEntry(zooms, "Table of &Values...", this, [this] { ShowTable(); });
    editors->addSeparator();
    AddEntry(editors, "&Sliders", this, [this] { ShowSliders(); });

    QMenu* popup = form.PopupMenu();
    popup->addSeparator();
    popup->addAction(points);
    AddEntry(popup, "&Area...", this, [this] { ShowArea(); });

    // Undo takes the shading away with the rest of the last action.
    connect(form.Action("&Undo last action"), &QAction::triggered, this, [this] {
        if (overlay_) overlay_->SetShading({});
        if (sliders_) sliders_->Follow();
    });
    connect(form.Area(), &GraphArea::MouseMoved, this, [this](const QPoint& p) { Hover(p); });
    auto* next = new QShortcut(QKeySequence(Qt::Key_PageDown), &form);
    auto* previous = new QShortcut(QKeySequence(Qt::Key_PageUp), &form);
    connect(next, &QShortcut::activated, this, [this] { Jump(+1); });
    connect(previous, &QShortcut::activated, this, [this] { Jump(-1); });
}

TExploreOverlay& TExploreTools::Overlay() {
    // Made on first use: the menus are built before the graph object.
    if (!overlay_) overlay_ = new TExploreOverlay(form_.Graph(), form_.Area());
    return *overlay_;
}

void TExploreTools::Hover(const QPoint& pos) {
    if (!overlay_ || !overlay_->DotsShown()) return;
    if (const auto p = overlay_->PointNear(pos))
        form_.statusBar()->showMessage(QString::fromStdString(PointOfInterestText(*p)));
    else
        form_.statusBar()->clearMessage();
}

void TExploreTools::Jump(int direction) {
    const SettingsRecord& s = form_.Graph().Settings;
    if (!(s.ShowCoordinates || s.ShowTangent)) return;
    const auto& points = Overlay().Points();
    const PointOfInterest* target = nullptr;
    for (const PointOfInterest& p : points) {
        const bool beyond = std::isnan(jumpedX_) || (direction > 0 ? p.x > jumpedX_ : p.x < jumpedX_);
        if (!beyond) continue;
        if (!target || (direction > 0 ? p.x < target->x : p.x > target->x)) target = &p;
    }
    if (!target) return;
    jumpedX_ = target->x;
    // The read-out follows as if the point were clicked: the graph there is
    // traced, with the tangent when it is on.
    const QPoint pixel = overlay_->PixelOf(target->x, target->y);
    emit form_.Area()->LeftPressed(pixel);
    emit form_.Area()->LeftReleased(pixel);
    form_.statusBar()->showMessage(QString::fromStdString(PointOfInterestText(*target)));
}

void TExploreTools::ShowArea() {
    if (!area_) area_ = new TAreaDialog(form_.Graph(), Overlay(), form_.Area(), &form_);
    area_->Prepare();
    area_->show();
    area_->raise();
}

void TExploreTools::ShowTable() {
    if (!table_) table_ = new TTableDialog(form_.Graph(), &form_);
    table_->Prepare();
    table_->show();
    table_->raise();
}

void TExploreTools::ShowSliders() {
    if (!sliders_)
        sliders_ = new TSlidersPanel(form_.Graph(), form_.GetFolders().DataFolder, [this] { return form_.Busy(); },
                                     &form_);
    sliders_->show();
    sliders_->raise();
}

}  // namespace kurvo
