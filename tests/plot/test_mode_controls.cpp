// Which commands each mode switch enables and disables, and what it leaves
// as earlier switches set it.
#include <gtest/gtest.h>

#include "plot/mode_controls.h"

namespace kurvo {
namespace {

struct Switcher {
    SettingsRecord s = DefaultSettings();
    ModeControls c;
    ModeControls Do(ModeCommand command) {
        switch (command) {
            case ModeCommand::Cartesian: s.CartesianMode = true; s.ImplicitMode = false; break;
            case ModeCommand::Polar: s.CartesianMode = false; s.ImplicitMode = false; break;
            case ModeCommand::Implicit:
                s.CartesianMode = false;
                s.ImplicitMode = true;
                s.Parametric = false;
                break;
            case ModeCommand::ParametricOn: s.Parametric = true; break;
            case ModeCommand::ParametricOff: s.Parametric = false; break;
        }
        ApplyModeSwitch(command, s, c);
        return c;
    }
};

// Parametric, Coordinates, Tangent, Derivative, Integral.
ModeControls State(bool p, bool co, bool t, bool d, bool i) { return {p, co, t, d, i}; }

TEST(ModeControls, EachSwitchSetsItsOwnCommands) {
    Switcher w;
    EXPECT_EQ(w.Do(ModeCommand::Cartesian), State(1, 1, 1, 1, 1));
    // Polar leaves the coordinate read-out as it was.
    EXPECT_EQ(w.Do(ModeCommand::Polar), State(1, 1, 0, 0, 0));
    EXPECT_EQ(w.Do(ModeCommand::Implicit), State(0, 1, 1, 0, 0));
    EXPECT_EQ(w.Do(ModeCommand::Cartesian), State(1, 1, 1, 1, 1));
    EXPECT_EQ(w.Do(ModeCommand::ParametricOn), State(1, 0, 0, 0, 0));
    // Polar parametric keeps the read-out off; switching parametric off in
    // polar mode keeps everything off.
    EXPECT_EQ(w.Do(ModeCommand::Polar), State(1, 0, 0, 0, 0));
    EXPECT_EQ(w.Do(ModeCommand::ParametricOff), State(1, 0, 0, 0, 0));
    EXPECT_EQ(w.Do(ModeCommand::Implicit), State(0, 1, 1, 0, 0));
    EXPECT_EQ(w.Do(ModeCommand::Polar), State(1, 1, 0, 0, 0));
    EXPECT_EQ(w.Do(ModeCommand::Cartesian), State(1, 1, 1, 1, 1));
}

TEST(ModeControls, ParametricCartesianHasNoCurveToTrace) {
    Switcher w;
    w.Do(ModeCommand::Polar);
    w.Do(ModeCommand::ParametricOn);
    EXPECT_EQ(w.Do(ModeCommand::Cartesian), State(1, 0, 0, 0, 0));
    EXPECT_EQ(w.Do(ModeCommand::ParametricOff), State(1, 1, 1, 1, 1));
}

TEST(ModeControls, StartingStateFollowsTheSettings) {
    SettingsRecord s = DefaultSettings();
    EXPECT_EQ(StartingModeControls(s), State(1, 1, 1, 1, 1));
    s.CartesianMode = false;
    EXPECT_EQ(StartingModeControls(s), State(1, 1, 0, 0, 0));
    s.Parametric = true;
    EXPECT_EQ(StartingModeControls(s), State(1, 0, 0, 0, 0));
    s.ImplicitMode = true;
    EXPECT_EQ(StartingModeControls(s), State(0, 1, 1, 0, 0));
}

}  // namespace
}  // namespace kurvo
