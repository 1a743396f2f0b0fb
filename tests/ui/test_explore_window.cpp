// The window's exploring entries, worked on y = x^2 - 4 (roots -2 and 2,
// minimum -4) and y = a*x.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTableWidget>

#include "form_fixture.h"
#include "plot/graph_window.h"
#include "ui/area_dialog.h"
#include "ui/explore_overlay.h"
#include "ui/explore_tools.h"
#include "ui/graph_area.h"
#include "ui/sliders_panel.h"
#include "ui/table_dialog.h"
#include "workspace/slider_settings.h"

namespace kurvo::test {
namespace {

using ExploreWindow = FormTest;

void Plot(TMainForm& form, const char* formula) {
    form.FormulaBox()->setEditText(formula);
    form.PlotCommand();
}

TEST_F(ExploreWindow, PointsOfInterestStayOutOfTheHotkeys) {
    auto form = Start();
    const auto before = form->HotkeyFileLines();
    Plot(*form, "x^2-4");
    TExploreOverlay& overlay = form->Explore().Overlay();
    std::vector<std::string> texts;
    for (const auto& p : overlay.Points()) texts.push_back(PointOfInterestText(p));
    EXPECT_EQ(texts, (std::vector<std::string>{"root 1 x=-2", "minimum 1 x=0 y=-4", "y-intercept 1 y=-4",
                                               "root 1 x=2"}));
    const auto near = overlay.PointNear(overlay.PixelOf(2, 0) + QPoint(2, -1));
    ASSERT_TRUE(near.has_value());
    EXPECT_EQ(near->x, 2);
    EXPECT_FALSE(overlay.PointNear(overlay.PixelOf(5, 5)).has_value());
    EXPECT_EQ(form->HotkeyFileLines(), before);

    // With the read-out on, PageDown moves it to the next point: the root at -2, then the minimum.
    form->Settings().ShowCoordinates = true;
    form->Settings().SnapToGraph = false;
    form->Explore().Jump(+1);
    EXPECT_EQ(form->Area()->CurrentMarks().crossHair, overlay.PixelOf(-2, 0));
    form->Explore().Jump(+1);
    EXPECT_EQ(form->Area()->CurrentMarks().crossHair, overlay.PixelOf(0, -4));
    form->Explore().Jump(-1);
    EXPECT_EQ(form->Area()->CurrentMarks().crossHair, overlay.PixelOf(-2, 0));
}

TEST_F(ExploreWindow, TableOfValuesCopiesAndSavesAsDataset) {
    auto form = Start();
    Plot(*form, "x^2-4");
    form->Explore().ShowTable();
    TTableDialog* table = form->Explore().TableDialog();
    ASSERT_NE(table, nullptr);
    const char* fields[] = {"0", "2", "1"};
    for (int i = 0; i < 3; ++i) table->Field(i)->setText(fields[i]);
    EXPECT_EQ(table->Fill(), "");
    EXPECT_EQ(table->TabText(), "x\tx^2-4\n0\t-4\n1\t-3\n2\t0\n");
    EXPECT_EQ(table->DatasetLines(1, ','), (std::vector<std::string>{"x,y", "0,-4", "1,-3", "2,0"}));
    table->Field(2)->setText("0");
    EXPECT_EQ(table->Fill(), "the step must be greater than 0");
}

TEST_F(ExploreWindow, AreaShadesUntilUndo) {
    auto form = Start();
    Plot(*form, "x^2-4");
    form->Explore().ShowArea();
    TAreaDialog* area = form->Explore().AreaDialog();
    area->Field(0)->setText("-2");
    area->Field(1)->setText("2");
    // x^3/3 - 4x from -2 to 2: -32/3.
    EXPECT_EQ(area->Apply(), "");
    EXPECT_EQ(area->Result()->text(), "integral = -10.6666666667\narea = 10.6666666667");
    EXPECT_TRUE(form->Explore().Overlay().CurrentShading().has_value());
    form->Action("&Undo last action")->trigger();
    EXPECT_FALSE(form->Explore().Overlay().CurrentShading().has_value());

    Plot(*form, "1/x");
    area->Prepare();
    area->GraphBox(0)->setCurrentIndex(1);
    EXPECT_EQ(area->Apply(), "The function is not defined everywhere between -2 and 2.");

    // B picked by a click on the graph at x = 1, to the pixel.
    area->PickField(1);
    emit form->Area()->LeftPressed(form->Explore().Overlay().PixelOf(1, 0));
    EXPECT_NEAR(area->Field(1)->text().toDouble(), 1, 20.0 / form->Graph().View.PlotWidth);
}

TEST_F(ExploreWindow, SliderMovesAConstantAndADragIsOneUndo) {
    auto form = Start();
    Plot(*form, "a*x");
    form->Explore().ShowSliders();
    TSlidersPanel* panel = form->Explore().SlidersPanel();
    ASSERT_NE(panel, nullptr);
    const char* fields[] = {"0", "2", "0.5"};
    for (int i = 0; i < 3; ++i) panel->Field(0, i)->setText(fields[i]);
    panel->ConstantBox(0)->setCurrentText("a");
    QSlider* slider = panel->Slider(0);
    EXPECT_EQ(slider->maximum(), 4);
    emit slider->sliderPressed();
    for (int position : {1, 2, 3}) slider->setValue(position);
    EXPECT_EQ(form->Settings().Constants[0], 1.5L);
    form->Action("&Undo last action")->trigger();
    EXPECT_EQ(form->Settings().Constants[0], 0.0L);
    EXPECT_EQ(slider->value(), 0) << "the slider follows the undo";
    EXPECT_EQ(ReadAll(Data("sliders.txt")), "a,0,2,0.5\r\n,-5,5,0.1\r\n,-5,5,0.1\r\n,-5,5,0.1\r\n");
}

TEST(SliderSettings, LinesAndRows) {
    struct Case {
        std::string line;
        SliderRow row;
    } cases[] = {
        {"b,-1,1,0.25", {'b', "-1", "1", "0.25"}},
        {"z,p,2p,p/8\r", {'z', "p", "2p", "p/8"}},
        {"e,0,1,1", {0, "0", "1", "1"}},     // e and p do not move
        {"b,0,1", {}},                        // a field short: the default row
        {",1,2,3", {0, "1", "2", "3"}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseSliderLines({c.line})[0], c.row) << c.line;
    SliderRows rows;
    rows[2] = {'q', "0", "10", "1"};
    EXPECT_EQ(ParseSliderLines(SliderLines(rows)), rows);
}

}  // namespace
}  // namespace kurvo::test
