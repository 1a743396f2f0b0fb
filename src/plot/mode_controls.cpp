#include "plot/mode_controls.h"

namespace kurvo {

namespace {

void SetReadOutAndDerived(ModeControls& c, bool on) {
    c.Coordinates = c.Tangent = c.Derivative = c.Integral = on;
}

}  // namespace

void ApplyModeSwitch(ModeCommand command, const SettingsRecord& after, ModeControls& c) {
    switch (command) {
        case ModeCommand::Cartesian:
            c.Parametric = true;
            // A parametric curve has no y(x) to trace, differentiate or
            // integrate, so parametric Cartesian mode keeps them off.
            SetReadOutAndDerived(c, !after.Parametric);
            break;
        case ModeCommand::Polar:
            c.Parametric = true;
            c.Tangent = c.Derivative = c.Integral = false;
            break;
        case ModeCommand::Implicit:
            c.Coordinates = c.Tangent = true;
            c.Parametric = c.Derivative = c.Integral = false;
            break;
        case ModeCommand::ParametricOn:
            SetReadOutAndDerived(c, false);
            break;
        case ModeCommand::ParametricOff:
            SetReadOutAndDerived(c, after.CartesianMode);
            break;
    }
}

ModeControls StartingModeControls(const SettingsRecord& s) {
    ModeControls c;
    const ModeCommand mode = s.CartesianMode  ? ModeCommand::Cartesian
                             : s.ImplicitMode ? ModeCommand::Implicit
                                              : ModeCommand::Polar;
    ApplyModeSwitch(mode, s, c);
    if (s.Parametric && !s.ImplicitMode) ApplyModeSwitch(ModeCommand::ParametricOn, s, c);
    return c;
}

}  // namespace kurvo
