#include "plot/shading.h"

#include <cmath>

#include "expr/formula_trans.h"
#include "expr/parser.h"
#include "expr/text_helpers.h"
#include "plot/asymptotes.h"

namespace kurvo {

namespace {

std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return text;
}

// Visits the mesh (10i, 10j), i = 0 .. PlotWidth div 10, j = 0 .. PlotHeight
// div 10, with the graph point of each; marks the points `inside` accepts.
template <class Inside>
PlotResult ShadeMesh(const PlotContext& ctx, Inside&& inside) {
    const SettingsRecord& s = ctx.Settings;
    const int width = ctx.View.PlotWidth, height = ctx.View.PlotHeight;
    if (width <= 0 || height <= 0) return PlotResult::Done;
    const Colour colour = CurveColour(ctx, false, false);
    for (int i = 0; i <= width / 10; ++i) {
        const long double x = (long double)(10 * i) * ctx.View.XRange / width + s.XMin;
        for (int j = 0; j <= height / 10; ++j) {
            if (ctx.Escape()) return PlotResult::Stopped;
            const long double y = (long double)(height - 10 * j) * ctx.View.YRange / height + s.YMin;
            if (inside(x, y)) ctx.OnBoth([&](Canvas& c) { c.SetPixel(10 * i, 10 * j, colour); });
        }
    }
    return PlotResult::Done;
}

// f(x) of the Cartesian curve; false where it is undefined.
bool CurveAt(TParser& parser, long double x, double& value) {
    parser.X = double(x);
    return parser.TryValue(value) && !std::isnan(value);
}

}  // namespace

PlotResult ShadeAbove(const PlotContext& ctx) {
    if (ctx.Parser == nullptr) return PlotResult::Done;
    TParser& parser = *ctx.Parser;
    return ShadeMesh(ctx, [&](long double x, long double y) {
        double f = 0;
        return CurveAt(parser, x, f) && y > f;
    });
}

PlotResult ShadeBelow(const PlotContext& ctx) {
    if (ctx.Parser == nullptr) return PlotResult::Done;
    TParser& parser = *ctx.Parser;
    return ShadeMesh(ctx, [&](long double x, long double y) {
        double f = 0;
        return CurveAt(parser, x, f) && y < f;
    });
}

std::optional<ShadeSide> CartesianShadeSide(const std::string& relationText, bool shadeDefinedSide) {
    if (relationText == "y>" || relationText == "y>=")
        return shadeDefinedSide ? ShadeSide::Above : ShadeSide::Below;
    if (relationText == "y<" || relationText == "y<=")
        return shadeDefinedSide ? ShadeSide::Below : ShadeSide::Above;
    return std::nullopt;
}

PlotResult ShadeCartesian(const PlotContext& ctx, const std::string& relationText) {
    const auto side = CartesianShadeSide(relationText, ctx.Settings.ShadeDefinedSide);
    if (!side) return PlotResult::Done;
    return *side == ShadeSide::Above ? ShadeAbove(ctx) : ShadeBelow(ctx);
}

std::string ApplyFunctionAliases(const std::string& text, const std::vector<std::string>& aliasLines) {
    std::string result = LowerAscii(text);
    for (const std::string& line : aliasLines) {
        if (FindText(line, ":") < 1) continue;
        if (LowerAscii(AfterColon(line)) == result) result = BeforeColon(line);
    }
    return result;
}

std::string ImplicitShadingEquation(const std::string& typedText, uint8_t relation,
                                    const std::vector<std::string>& aliasLines) {
    if (relation > 3) return {};
    std::string text = ApplyFunctionAliases(RemoveAll(typedText, "="), aliasLines);
    const std::string sign = relation <= 1 ? ">" : "<";
    // ReplaceFirst prepends when the pattern is absent; a text without its
    // sign has no sides to compare.
    if (FindText(text, sign) < 1) return {};
    return ReplaceFirst(text, sign, "=");
}

std::string ImplicitFunctionEquation(const std::string& typedText, uint8_t relation,
                                     const std::vector<std::string>& aliasLines) {
    if (relation <= 3) return ImplicitShadingEquation(typedText, relation, aliasLines);
    return ApplyFunctionAliases(typedText, aliasLines);
}

std::string TranslateSimpleSort(TFormulaTrans& translator, const std::string& equation, bool degrees) {
    // Only the simple-sort translation of F is wanted from the translator:
    // what it reports about the slot's own formula must survive it.
    const bool root = translator.Root;
    const std::string secondFn = translator.SecondFn;
    const int ycount = translator.ycount;
    const bool oldDegrees = translator.Degrees;
    struct Restore {
        TFormulaTrans& t;
        bool root;
        const std::string& secondFn;
        int ycount;
        bool degrees;
        ~Restore() {
            t.Implicit_simple_sort = false;
            t.Root = root;
            t.SecondFn = secondFn;
            t.ycount = ycount;
            t.Degrees = degrees;
        }
    } restore{translator, root, secondFn, ycount, oldDegrees};

    translator.Degrees = degrees;
    translator.Implicit_simple_sort = true;
    translator.Instring = equation;
    translator.Translate();
    translator.Implicit_simple_sort = false;
    return translator.Outstring;
}

PlotResult ShadeImplicit(const PlotContext& ctx, const std::string& typedText, uint8_t relation,
                         TFormulaTrans& translator, const std::vector<std::string>& aliasLines) {
    if (ctx.Parser == nullptr) return PlotResult::Done;
    const std::string equation = ImplicitShadingEquation(typedText, relation, aliasLines);
    if (equation.empty()) return PlotResult::Done;
    TParser& parser = *ctx.Parser;
    parser.SetExpression(TranslateSimpleSort(translator, equation, ctx.Settings.Degrees));

    // Codes 0 and 1 hold where F > 0, codes 2 and 3 where F < 0.
    const bool wantPositive = (relation <= 1) == ctx.Settings.ShadeDefinedSide;
    return ShadeMesh(ctx, [&](long double x, long double y) {
        parser.X = double(x);
        parser.Y = double(y);
        double f = 0;
        if (!parser.TryValue(f) || std::isnan(f)) return false;
        return wantPositive ? f > 0 : f < 0;
    });
}

}  // namespace kurvo
