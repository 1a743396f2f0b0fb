#include "plot/direction_field.h"

#include <cmath>

#include "expr/parser.h"
#include "plot/view_mapping.h"

namespace kurvo {

void DrawDirectionField(PlotContext& ctx) {
    Canvas* canvas = ctx.Picture;
    TParser* parser = ctx.Parser;
    const SettingsRecord& s = ctx.Settings;
    const GraphView& v = ctx.View;
    if (!canvas || !parser || parser->Expression().empty()) return;
    if (v.XRange <= 0 || v.YRange <= 0 || v.PlotWidth <= 0 || v.PlotHeight <= 0) return;

    canvas->SetPenColour(s.IntegralColour);
    canvas->SetPenWidth(1);
    canvas->SetPenStyle(PenStyle::Solid);
    canvas->SetPenMode(PenMode::Copy);
    // Half a mark, in x units; scaled by the area's shape so that marks
    // look equally long whatever the view.
    const long double half = v.XRange * 0.01L * v.PlotHeight / v.PlotWidth;
    const long double xStep = v.XRange / 30;
    const long double yStep = 0.05L * v.YRange;
    // Counted columns and rows: adding the step again and again would drift
    // past XMax and lose the last column.
    for (int i = 0; i <= 30; ++i) {
        const long double x = s.XMin + i * xStep;
        parser->X = static_cast<double>(x);
        double m = 0;
        if (!parser->TryValue(m)) continue;
        const long double phi = std::atan(static_cast<long double>(m));
        const long double dx = std::cos(phi) * half;
        const long double dy = std::sin(phi) * half;
        for (int j = 0;; ++j) {
            const long double y = s.YMin + j * yStep;
            if (RowOf(ctx, y) < 0) break;
            canvas->MoveTo(ColumnOf(ctx, x - dx), RowOf(ctx, y - dy));
            canvas->LineTo(ColumnOf(ctx, x + dx), RowOf(ctx, y + dy));
        }
    }
}

}  // namespace kurvo
