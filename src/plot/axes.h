#pragma once
// The frame of every graph: grid lines, division ticks, axis numbers, the
// two axes with their names and arrowheads. Drawn on the picture, and on
// the window while ShowPlot is set, before any curve.
#include <string>
#include <vector>

#include "plot/plot_context.h"

namespace kurvo {

// Division steps of one direction across lo..hi.
struct DivisionSteps {
    int Exponent = 0;        // power of ten of the major step
    long double Base = 2;    // 2, 4, 10 (or pi on a pi axis)
    long double Major = 0;   // (Base / 2) x 10^Exponent
    long double Minor = 0;   // a fifth or a quarter of Major
    long double First = 0;   // first division: a multiple of Major at or one step below lo
};

// Steps for lo..hi (hi > lo): major steps of 1, 2 or 5 times a power of
// ten so that about four to eight divisions fit, pi / 2 times a power of
// ten when `pi` is set.
DivisionSteps ChooseDivisionSteps(long double lo, long double hi, bool pi);

// First division for lo with the exponent and base of `steps`.
long double FirstDivision(long double lo, const DivisionSteps& steps);

// Whether one x unit and one y unit already have the same pixel length.
bool AxesAreSquare(const PlotContext& ctx);

// Text of an x-axis number at t: "0.5pi" style on a pi axis, otherwise the
// general format.
std::string AxisNumberText(long double t, bool pi);

// An axis number placed by a division, drawn after everything it crosses.
struct AxisLabel {
    int Left = 0, Top = 0;
    std::string Text;
};

// Grid lines, ticks, or the numbers' places.
enum class DivisionLayer { Grid, Marks, Labels };

// direction 1 = x, 2 = y, with its grid, ticks and numbers. Needs
// ComputeMapping first.
void DrawDivisions(PlotContext& ctx, int direction);
// One layer of the division at t up to t + majorStep: small-grid and major
// grid lines, minor and major ticks, or the number's place at t (into
// `labels`).
void DrawDivision(PlotContext& ctx, int direction, long double t, long double majorStep,
                  long double minorStep, long double lo, long double hi, DivisionLayer layer,
                  std::vector<AxisLabel>* labels);
void DrawAxes(PlotContext& ctx);

// ComputeMapping, both directions of divisions and the axes, when ShowAxes
// is set and both ranges exceed 1e-7.
void DrawFrame(PlotContext& ctx);

}  // namespace kurvo
