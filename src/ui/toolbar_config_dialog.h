#pragma once
// "ToolBar Configuration": the check list of the 43 toolbar entries and
// the two switches. OK writes tbrcfg.dat and hands the record to `Apply`,
// which rebuilds the toolbars.
#include <QDialog>
#include <functional>

#include "admin/toolbar_layout.h"

class QCheckBox;
class QListWidget;

namespace kurvo {

class MessageBoxes;

class TToolbarConfigDialog : public QDialog {
    Q_OBJECT
public:
    TToolbarConfigDialog(QWidget* parent, MessageBoxes& boxes, const ToolbarRecord& inForce, QString toolbarFile,
                         std::function<void(const ToolbarRecord&)> apply);
    QListWidget* List() const { return list_; }
    QCheckBox* FlatBox() const { return flat_; }
    QCheckBox* LinesBox() const { return lines_; }
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ToDialog();
    void FromDialog();

    MessageBoxes& boxes_;
    const ToolbarRecord& inForce_;
    QString file_;
    std::function<void(const ToolbarRecord&)> apply_;
    TToolbarConfig config_;
    QListWidget* list_;
    QCheckBox* flat_;
    QCheckBox* lines_;
};

}  // namespace kurvo
