#pragma once
// "Save As &Dataset": a file save dialog with the group "Data Save Range"
// (start, end, "Step"); "&Save" writes the sampled points through
// TDataSets. Created on first use and kept, so it remembers its folder.
#include <QFileDialog>
#include <functional>

class QLabel;
class QLineEdit;

namespace kurvo {

class TDataSets;

class TDataSaveDialog : public QFileDialog {
    Q_OBJECT
public:
    static const QStringList& Filters();
    // The extension of a filter, given whole or as its caption alone.
    static QString SuffixOfFilter(const QString& filter);

    TDataSaveDialog(TDataSets& sets, std::function<void(const std::function<void()>&)> guard,
                    const QString& folder, QWidget* parent);

    QLineEdit* StartField() const { return start_; }
    QLineEdit* EndField() const { return end_; }
    QLineEdit* StepField() const { return step_; }
    QLabel* StartLabel() const { return startLabel_; }
    QLabel* EndLabel() const { return endLabel_; }
    // Saves to `path` as the chosen filter says (tab for TSV).
    void SaveTo(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    TDataSets& sets_;
    std::function<void(const std::function<void()>&)> guard_;
    QLineEdit* start_;
    QLineEdit* end_;
    QLineEdit* step_;
    QLabel* startLabel_;
    QLabel* endLabel_;
    QString lastFolder_;
};

}  // namespace kurvo
