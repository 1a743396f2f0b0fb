#pragma once
// Where the window's message boxes go. The editor shows real modal boxes;
// tests put a recorder in their place so nothing blocks.
#include <QString>

class QWidget;

namespace kurvo {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void Information(const QString& text) = 0;
    virtual void Error(const QString& text) = 0;
    virtual bool Question(const QString& text) = 0;  // Yes/No; true for Yes
};

// Modal QMessageBox boxes titled with the application title.
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent) : parent_(parent) {}
    void Information(const QString& text) override;
    void Error(const QString& text) override;
    bool Question(const QString& text) override;

private:
    QWidget* parent_;
};

}  // namespace kurvo
