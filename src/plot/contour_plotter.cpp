#include "plot/contour_plotter.h"

#include <cctype>
#include <cmath>

#include "expr/errors.h"
#include "expr/formula_trans.h"
#include "expr/parser.h"
#include "plot/asymptotes.h"
#include "plot/contour_cells.h"
#include "plot/parametric_plotter.h"
#include "plot/shading.h"
#include "plot/view_mapping.h"

namespace kurvo {

namespace {

// F at a pixel point of the view.
class ParserField : public ContourField {
public:
    explicit ParserField(const PlotContext& ctx)
        : ctx_(ctx),
          parser_(*ctx.Parser),
          x0_(double(ctx.Settings.XMin)),
          y0_(double(ctx.Settings.YMax)),
          dx_(double(ctx.View.XRange / ctx.View.PlotWidth)),
          dy_(double(ctx.View.YRange / ctx.View.PlotHeight)) {}

    bool At(double u, double v, double& f) override {
        parser_.X = x0_ + u * dx_;
        parser_.Y = y0_ - v * dy_;
        return parser_.TryValue(f);
    }
    bool Stop() override { return ctx_.Escape(); }

private:
    const PlotContext& ctx_;
    TParser& parser_;
    double x0_, y0_, dx_, dy_;
};

// Every pair of absolute-value bars as abs( ): the translator turns only the
// first pair into ABS, and |x|+|y| has two. A bar closes when an operand
// ends just before it, else it opens.
std::string BarsAsAbs(const std::string& text) {
    std::string out;
    int open = 0;
    for (char c : text) {
        if (c != '|') {
            out += c;
            continue;
        }
        const size_t last = out.find_last_not_of(' ');
        const char before = last == std::string::npos ? '(' : out[last];
        const bool operandEnds = std::isalnum(static_cast<unsigned char>(before)) || before == ')' ||
                                 before == '.' || before == '!' || before == '\xB2' || before == '\xB3';
        if (open > 0 && operandEnds) {
            out += ')';
            --open;
        } else {
            out += "abs(";
            ++open;
        }
    }
    return out;
}

// F's text for the slot's relation as typed.
std::string FunctionText(TFormulaTrans& translator, const std::string& typedText, uint8_t relation,
                         const std::vector<std::string>& aliasLines, bool degrees) {
    const std::string equation = ImplicitFunctionEquation(typedText, relation, aliasLines);
    if (equation.empty()) return {};
    return TranslateSimpleSort(translator, BarsAsAbs(equation), degrees);
}

CanvasPoint PixelOf(ContourPoint p) { return {RoundPixel(p.u), RoundPixel(p.v)}; }

void DrawLine(const PlotContext& ctx, const std::vector<ContourPoint>& line, Colour colour) {
    CanvasPoint last = PixelOf(line.front());
    ctx.OnBoth([&](Canvas& c) { c.MoveTo(last.x, last.y); });
    long long dashLength = 0;
    bool moved = false;
    for (size_t i = 1; i < line.size(); ++i) {
        const CanvasPoint next = PixelOf(line[i]);
        if (next.x == last.x && next.y == last.y) continue;
        if (ctx.Strict) {
            const double dc = double(next.x) - last.x, dr = double(next.y) - last.y;
            dashLength += std::llround(std::sqrt(dc * dc + dr * dr));
            const Colour pen = dashLength % 16 < 9 ? colour : ctx.Settings.BackgroundColour;
            ctx.OnBoth([&](Canvas& c) { c.SetPenColour(pen); });
        }
        ctx.OnBoth([&](Canvas& c) { c.LineTo(next.x, next.y); });
        last = next;
        moved = true;
    }
    // A line within one pixel still shows: one pixel long.
    if (!moved) ctx.OnBoth([&](Canvas& c) { c.LineTo(last.x + 1, last.y); });
    if (ctx.Strict) ctx.OnBoth([&](Canvas& c) { c.SetPenColour(colour); });
}

}  // namespace

PlotResult PlotImplicitContour(PlotContext& ctx) {
    if (!ctx.FormulaReady || ctx.Parser == nullptr) return PlotResult::Done;
    if (ctx.View.PlotWidth <= 0 || ctx.View.PlotHeight <= 0) return PlotResult::Done;
    if (!(ctx.View.XRange > 0) || !(ctx.View.YRange > 0)) return PlotResult::Done;
    BusyCursorScope cursor(ctx.Host);
    ParserField field(ctx);
    ContourLines lines;
    const bool finished = TraceContour(field, ctx.View.PlotWidth, ctx.View.PlotHeight, lines);
    const Colour colour = SetCurvePen(ctx);
    for (const auto& line : lines.Lines) DrawLine(ctx, line, colour);
    for (const ContourPoint& dot : lines.Dots) DrawLine(ctx, {dot}, colour);
    if (!finished) return PlotResult::Stopped;
    if (ctx.Settings.FamilyActive && ctx.Host && !ctx.FamilyAdvanceDeferred) ctx.Host->AdvanceFamily();
    return PlotResult::Done;
}

PlotResult PlotImplicitComplete(PlotContext& ctx, const std::string& typedText, uint8_t relation,
                                TFormulaTrans& translator, const std::vector<std::string>& aliasLines) {
    if (!ctx.FormulaReady || ctx.Parser == nullptr) return PlotResult::Done;
    try {
        const std::string f = FunctionText(translator, typedText, relation, aliasLines, ctx.Settings.Degrees);
        if (f.empty()) return PlotResult::Done;
        ctx.Parser->SetExpression(f);
    } catch (const Exception&) {
        return PlotResult::Done;
    }
    return PlotImplicitContour(ctx);
}

void TranslateForContour(TFormulaTrans& translator, const std::string& text, uint8_t relation, bool degrees,
                         const std::function<void(const std::string&)>& compile) {
    translator.Degrees = degrees;
    translator.Root = false;
    translator.Instring = text;
    try {
        translator.Translate();
        compile(translator.Outstring);
        return;
    } catch (const Exception&) {
        // Not solvable as typed: the slot holds F.
    }
    const std::string f = FunctionText(translator, text, relation, {}, degrees);
    compile(f);
    translator.Instring = text;
    translator.Outstring = f;
    translator.Root = false;
    translator.SecondFn.clear();
    translator.ycount = 2;
}

}  // namespace kurvo
