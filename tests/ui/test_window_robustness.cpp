// The window under events that arrive while a plot runs or a message box
// is open: resizes, mode switches, Escapes and box answers. Real modal
// boxes are shown and answered by clicking, so their event loops run as
// they do for a user.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <random>

#include "admin/toolbar_record.h"
#include "form_fixture.h"
#include "plot/graph_window.h"
#include "ui/graph_area.h"

namespace kurvo::test {
namespace {

// Answers every message box shortly after it opens: the default button,
// or a random one when given a generator.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(std::mt19937* random = nullptr) : random_(random) {
        connect(&timer_, &QTimer::timeout, this, [this] { Answer(); });
        timer_.start(15);
    }
    std::vector<QString> texts;

private:
    void Answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        texts.push_back(box->text());
        const auto buttons = box->buttons();
        QAbstractButton* button = random_ ? buttons[int((*random_)() % buttons.size())] : static_cast<QAbstractButton*>(box->defaultButton());
        QTest::mouseClick(button ? button : buttons.front(), Qt::LeftButton);
    }
    std::mt19937* random_;
    QTimer timer_;
};

class WindowRobustness : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        messages_ = nullptr;  // the window's own modal boxes
    }
    static void PlotTyped(TMainForm& form, const QString& text) {
        form.FormulaBox()->lineEdit()->setText(text);
        Press(form.FormulaBox(), Qt::Key_Return);
    }
    static void Click(TMainForm& form, int entry) { QTest::mouseClick(form.EntryButton(entry), Qt::LeftButton); }
    static void PostEscape(TMainForm& form) {
        QApplication::postEvent(form.FormulaBox()->lineEdit(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    }
    // Waits until no plot runs and no box is open; Escape ends long plots.
    static void WaitUntilIdle(TMainForm& form) {
        for (int i = 0; i < 400 && (form.Busy() || QApplication::activeModalWidget()); ++i) {
            if (i % 20 == 19) PostEscape(form);
            QTest::qWait(10);
        }
        QTest::qWait(20);
        ASSERT_FALSE(form.Busy());
    }
    // The picture has the area's size and shows `colour` near graph point (x, y).
    static void ExpectPointDrawn(TMainForm& form, double x, double y, Colour colour) {
        const QImage* picture = form.PictureImage();
        ASSERT_NE(picture, nullptr);
        ASSERT_EQ(picture->size(), form.Area()->size());
        const SettingsRecord& s = form.Settings();
        const int column = int((x - double(s.XMin)) / double(s.XMax - s.XMin) * picture->width());
        const int row = int((double(s.YMax) - y) / double(s.YMax - s.YMin) * picture->height());
        const QRgb want = qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour));
        bool found = false;
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx)
                if (picture->valid(column + dx, row + dy))
                    found = found || (picture->pixel(column + dx, row + dy) & 0xFFFFFF) == (want & 0xFFFFFF);
        EXPECT_TRUE(found) << "no curve near (" << x << ", " << y << ")";
    }
    static bool AnyParseError(const std::vector<QString>& texts) {
        for (const QString& t : texts)
            if (t.contains("Error parsing")) return true;
        return false;
    }
};

TEST_F(WindowRobustness, ModeSwitchesKeepEveryGraphInItsOwnMode) {
    auto form = Start(1040, 720);
    BoxAnswerer answerer;
    for (const char* f : {"x^2", "sin x", "1/x", "tan x"}) PlotTyped(*form, f);
    Click(*form, toolbar::ImplicitMode);
    PlotTyped(*form, QString::fromUtf8(u8"x²+y²<25"));
    Click(*form, toolbar::PolarMode);
    PlotTyped(*form, "2");
    PlotTyped(*form, "t");
    Click(*form, toolbar::CartesianMode);
    // Hiding the status bar resizes the graph area through the animated
    // layout; the replot of all graphs follows from the event loop.
    Click(*form, toolbar::ParametricSwitch);
    QTest::qWait(400);
    WaitUntilIdle(*form);
    EXPECT_FALSE(AnyParseError(answerer.texts)) << answerer.texts.front().toStdString();
    EXPECT_EQ(form->Settings().LastGraph, 6);
    // The polar circle r = 2 (slot 5) and the parabola (slot 0) survive the
    // replot in parametric mode.
    ExpectPointDrawn(*form, 1.41421, 1.41421, form->Settings().GraphColours[0]);
    ExpectPointDrawn(*form, 2, 4, form->Settings().GraphColours[0]);
    PlotTyped(*form, "cos t, sin t");
    WaitUntilIdle(*form);
    ExpectPointDrawn(*form, 0.70711, 0.70711, form->Settings().GraphColours[2]);
}

TEST_F(WindowRobustness, ResizesAfterAStoppedLongPlotRedrawLater) {
    auto form = Start(1040, 720);
    BoxAnswerer answerer;
    form->PlotStepSpin()->setValue(1000000);
    PostEscape(*form);
    PlotTyped(*form, "sin(100x)");
    WaitUntilIdle(*form);
    ASSERT_EQ(answerer.texts, std::vector<QString>{"Plot stopped"});
    // The redraws are long; resizes and Escapes keep arriving meanwhile.
    QTimer escapes;
    QObject::connect(&escapes, &QTimer::timeout, form.get(), [&] { PostEscape(*form); });
    escapes.start(70);
    form->resize(640, 480);
    QTest::qWait(30);
    form->resize(1280, 900);
    QTest::qWait(30);
    for (int i = 0; i < 5; ++i) {
        form->resize(700 + 100 * i, 520 + 60 * i);
        QTest::qWait(40);
    }
    escapes.stop();
    WaitUntilIdle(*form);
    EXPECT_GE(answerer.texts.size(), 2u);
    form->PlotStepSpin()->setValue(256);
    form->resize(900, 640);
    QTest::qWait(50);
    WaitUntilIdle(*form);
    EXPECT_EQ(form->PictureImage()->size(), form->Area()->size());
    PlotTyped(*form, "2x+1");
    WaitUntilIdle(*form);
    ExpectPointDrawn(*form, 1, 3, form->Settings().GraphColours[1]);
}

// A seeded random walk through the window; any seed must leave it alive,
// idle and consistent.
TEST_F(WindowRobustness, RandomStressLeavesTheWindowConsistent) {
    const unsigned seed = 20261209;
    std::mt19937 random(seed);
    SCOPED_TRACE("seed " + std::to_string(seed));
    auto form = Start(1040, 720);
    BoxAnswerer answerer(&random);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const int modeButtons[] = {toolbar::CartesianMode, toolbar::PolarMode, toolbar::ImplicitMode,
                               toolbar::ParametricSwitch, toolbar::AutoScaling};
    auto formulaForMode = [&]() -> QString {
        const SettingsRecord& s = form->Settings();
        static const std::vector<std::vector<const char*>> lists = {
            {"x^2", "sin x", "1/x", "tan x", "2x+1", "ln x"},
            {"2", "t", "sin(3t)"},
            {"x²+y²<25", "x*y=1", "y²>x"},
            {"cos t, sin t", "t, t^2"},
            {"2, t", "t, t"}};
        const int list = s.ImplicitMode ? 2 : s.Parametric ? (s.CartesianMode ? 3 : 4) : s.CartesianMode ? 0 : 1;
        return QString::fromUtf8(lists[list][size_t(pick(int(lists[list].size())))]);
    };
    auto interrupt = [&](int kind) {
        switch (kind) {
            case 0: Click(*form, modeButtons[pick(5)]); break;
            case 1: form->resize(640 + pick(640), 480 + pick(520)); break;
            case 2: PostEscape(*form); break;
            default: Press(form->FormulaBox()->lineEdit(), Qt::Key_Return); break;
        }
    };
    for (int step = 0; step < 300; ++step) {
        switch (pick(7)) {
            case 0: Click(*form, modeButtons[pick(5)]); break;
            case 1: PlotTyped(*form, formulaForMode()); break;
            case 2: form->resize(640 + pick(640), 480 + pick(520)); break;
            case 3: PostEscape(*form); break;
            case 4: form->PlotStepSpin()->setValue(pick(3) == 0 ? 20000 : 256); break;
            case 5: {
                // Something arrives while the plot runs.
                const int kind = pick(4);
                QTimer::singleShot(1 + pick(30), form.get(), [&, kind] { interrupt(kind); });
                QTimer::singleShot(60, form.get(), [&] { PostEscape(*form); });
                PlotTyped(*form, formulaForMode());
                break;
            }
            default: QTest::qWait(pick(20)); break;
        }
    }
    QTest::qWait(100);
    WaitUntilIdle(*form);
    EXPECT_FALSE(AnyParseError(answerer.texts));

    form->PlotStepSpin()->setValue(256);
    form->resize(900, 640);
    QTest::qWait(50);
    WaitUntilIdle(*form);
    const SettingsRecord& s = form->Settings();
    EXPECT_GE(s.LastGraph, -1);
    EXPECT_LE(s.LastGraph, kGraphSlotCount - 1);
    EXPECT_EQ(form->RelationBox()->count() == 0, bool(s.ImplicitMode));
    const char* modeEntry = s.CartesianMode ? "&Cartesian" : s.ImplicitMode ? "&Implicit" : "&Polar";
    EXPECT_TRUE(form->Action(modeEntry)->isChecked());
    EXPECT_EQ(form->Action("&Parametric")->isChecked(), bool(s.Parametric));
    EXPECT_EQ(form->PictureImage()->size(), form->Area()->size());

    // Still usable: a Cartesian graph plots where it should. Switching
    // automatic y-scaling on and off frees the slots.
    if (!s.CartesianMode) Click(*form, toolbar::CartesianMode);
    if (form->Settings().Parametric) Click(*form, toolbar::ParametricSwitch);
    if (!form->Settings().AutoYScale) Click(*form, toolbar::AutoScaling);
    Click(*form, toolbar::AutoScaling);
    WaitUntilIdle(*form);
    answerer.texts.clear();
    const double middle = double(s.YMin + s.YMax) / 2;
    PlotTyped(*form, QString::number(middle));
    WaitUntilIdle(*form);
    EXPECT_TRUE(answerer.texts.empty()) << answerer.texts.front().toStdString();
    EXPECT_EQ(s.LastGraph, 1);
    ExpectPointDrawn(*form, double(s.XMin + s.XMax) / 2, middle, s.GraphColours[1]);
}

}  // namespace
}  // namespace kurvo::test
