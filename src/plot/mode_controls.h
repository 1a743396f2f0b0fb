#pragma once
// Which mode-dependent commands are enabled after a mode switch. Each
// switch changes only the commands it concerns; the rest keep their state
// from earlier switches. A menu item and its toolbar button always share
// one state.
#include "plot/settings_record.h"

namespace kurvo {

struct ModeControls {
    bool Parametric = true;
    bool Coordinates = true;  // "Show Coordinate Info"
    bool Tangent = true;
    bool Derivative = true;
    bool Integral = true;
    bool operator==(const ModeControls&) const = default;
};

enum class ModeCommand { Cartesian, Polar, Implicit, ParametricOn, ParametricOff };

// `after` is the settings record once the switch has set the mode flags.
void ApplyModeSwitch(ModeCommand command, const SettingsRecord& after, ModeControls& controls);

// The state a program starting in the settings' mode shows: the mode's
// own switch, then the parametric one when it is on.
ModeControls StartingModeControls(const SettingsRecord& settings);

}  // namespace kurvo
