#pragma once
// The zero set of a function F(u, v) over a pixel area, found by contouring:
// a coarse grid of cells, each cell split in four while it may hold part of
// the curve (a sign change, |F| small against its change across the cell,
// or F undefined at some of its samples) down to one pixel, then marching
// squares in each pixel cell. Used by the complete implicit plotter; it
// knows nothing of the view or the canvas, so it is tested on its own.
//
// Coordinates are pixels: u grows to the right, v downwards, the area is
// [0, width] x [0, height] and a pixel cell spans [i, i+1] x [j, j+1].
#include <cstdint>
#include <vector>

namespace kurvo {

struct ContourPoint {
    double u = 0;
    double v = 0;
};

// F and the Escape poll. At is called many times: it must be cheap.
class ContourField {
public:
    virtual ~ContourField() = default;
    // False where F is undefined (an error, not a finite number).
    virtual bool At(double u, double v, double& f) = 0;
    // Asked once per coarse cell; true ends the tracing.
    virtual bool Stop() { return false; }
};

struct ContourLines {
    // Polylines through the sign changes, joined across cells, and pieces
    // one pixel long where F touches 0 without changing sign.
    std::vector<std::vector<ContourPoint>> Lines;
    // Closed curves smaller than a pixel.
    std::vector<ContourPoint> Dots;
};

// Traces F = 0 over the area into `out`. Returns false when Stop() ended it
// (what was found so far is in `out`).
bool TraceContour(ContourField& field, int width, int height, ContourLines& out);

// The crossing of F = 0 on the edge from a to b (fa and fb of opposite
// signs, both defined), or false when the sign change is not a root: F
// there does not shrink below half the smaller end value within a few
// regula falsi steps, as at a pole or a jump.
bool EdgeRoot(ContourField& field, ContourPoint a, double fa, ContourPoint b, double fb,
              ContourPoint& root);

}  // namespace kurvo
