#pragma once
// "Effects & Settings" (TEnvironment): the display settings on four pages.
// Apply takes the controls and redraws, OK takes them and saves sett.dat,
// Cancel only hides; grid size, axis type and a data set's mark colour
// change the settings at once.
#include <QDialog>
#include <array>
#include <functional>
#include <map>

#include "admin/environment.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace kurvo {

class MessageBoxes;

class TEnvironment : public QDialog {
    Q_OBJECT
public:
    // What the dialog needs from the main window.
    struct Window {
        std::function<SettingsRecord&()> settings;
        GraphHost* host = nullptr;  // the view and plot step fields
        QString dataFolder;
        std::function<void(int)> setPlotStep;    // the toolbar's field, when shown
        std::function<void()> redrawAll;         // full repaint, every graph again
        std::function<void(int)> showDataMarks;  // the data marks palette for set n
    };
    TEnvironment(QWidget* parent, MessageBoxes& boxes, Window window);

    QTabWidget* Pages() const { return pages_; }
    // Controls by caption ("Grid", "Sig. Figs", "Background", ...).
    QWidget* Control(const QString& caption) const;
    QPushButton* MarkTypeButton() const { return markType_; }
    // Colour boxes by caption ("Background", "Axes", "Graph 1", "Data Marks
    // Colour", "Font Colour"), and the colour each shows.
    QPushButton* ColourButton(const QString& caption) const;
    Colour BoxColour(const QString& caption) const;
    void SetBoxColour(const QString& caption, Colour colour);
    void ApplyBtnClick();
    void OKBtnClick();
    // After the data marks palette stored a type for the shown data set.
    void ShowMarkType();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* GeneralPage();
    QWidget* ColoursPage();
    QWidget* LinesPage();
    QWidget* MiscPage();
    QCheckBox* Check(QWidget* parent, const char* caption, const char* hint);
    // A group box holding one check box.
    QGroupBox* CheckGroup(QWidget* page, const char* title, const char* caption, const char* hint);
    QPushButton* ColourBox(QWidget* parent, const QString& caption);
    QSpinBox* Spin(QWidget* parent, const char* caption, int min, int max, int step, int initial);
    void ChooseFont();
    void LoadControls();
    void ShowDataSet();
    void ShowWidths();
    EnvironmentControls ReadControls() const;
    bool Take(EnvironmentControls& controls);

    MessageBoxes& boxes_;
    Window window_;
    EnvironmentControls controls_;
    QTabWidget* pages_;
    std::map<QString, QWidget*> controlsByCaption_;
    std::map<QString, QPushButton*> colourBoxes_;
    std::map<QString, Colour> boxColours_;
    QRadioButton* large_ = nullptr;
    QRadioButton* small_ = nullptr;
    QRadioButton* normalAxis_ = nullptr;
    QRadioButton* piAxis_ = nullptr;
    QPushButton* markType_ = nullptr;
    QLineEdit* fontName_ = nullptr;
    QLineEdit* fontSize_ = nullptr;
};

}  // namespace kurvo
