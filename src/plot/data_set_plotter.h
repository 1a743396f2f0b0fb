#pragma once
// Drawing the data sets of DataSetList over the graphs: one marker per
// point in the set's colour and shape, optionally joined, and fitting the
// view to the points for automatic y-scaling. The graph window runs both
// from its repaint; the data marks palette draws its buttons with
// DrawDataMark so the palette shows exactly what the graph shows.
#include <string>
#include <vector>

#include "plot/canvas.h"
#include "plot/graph_slots.h"
#include "plot/plot_context.h"

namespace kurvo {

constexpr int kDataMarkShapeCount = 12;
extern const char kCannotLoadDataSets[];  // "Kurvo32 cannot load this file."

// One data set: the indices [first, end) of its point lines in
// DataSetLines (the closing "#" excluded).
struct DataSetRange {
    size_t first = 0;
    size_t end = 0;
};
// Whether every point line (all but the "#" ends) reads as a point, as a
// drawing will read it: a reader checks a file's lines before adding them.
bool DataSetLinesReadable(const std::vector<std::string>& lines);
// The sets of the list in order. Lines after the last "#" form a set too.
std::vector<DataSetRange> DataSetRanges(const std::vector<std::string>& lines);

// The option entry (MarkColours, MarkTypes, MarkConnect, MarkOutline) of
// the set with 0-based index `set`: sets beyond the fifth reuse entries.
inline int DataSetOptionEntry(int set) { return set % 5; }

// Marker `shape` (0..11; others draw nothing) centred on (column, row) in
// `colour`; `outline` draws the filled shapes with a black pen. Leaves
// the pen and brush in the mark colour.
void DrawDataMark(Canvas& canvas, int shape, int column, int row, Colour colour, bool outline);

// Fits XMin..YMax to the points (the origin always inside) and takes the
// axis labels from AxisLabelsField. Throws the engine's conversion error
// for a line that is not a number pair.
PlotResult FitViewToDataSets(PlotContext& ctx, DataSetList& sets);

// Draws every set on the picture, or only the newest one with entry 0's
// options while DataSetTransformed. Throws as FitViewToDataSets.
PlotResult DrawDataSets(PlotContext& ctx, const DataSetList& sets);

}  // namespace kurvo
