#pragma once
// "Delete": five exclusive choices (the last one kept between uses) and
// "OK", which deletes through TDataSets.
#include <QDialog>
#include <array>
#include <functional>

class QRadioButton;

namespace kurvo {

class TDataSets;

class TDeleteDialog : public QDialog {
    Q_OBJECT
public:
    TDeleteDialog(TDataSets& sets, std::function<void(const std::function<void()>&)> guard,
                  QWidget* parent);

    QRadioButton* Choice(int index) const { return choices_[size_t(index)]; }
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TDataSets& sets_;
    std::function<void(const std::function<void()>&)> guard_;
    std::array<QRadioButton*, 5> choices_{};
};

}  // namespace kurvo
