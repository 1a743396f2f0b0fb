#pragma once
// Inequality graphs: one side of the boundary is marked with single pixels
// on a mesh 10 pixels apart, in the slot's colour. Which side is a user
// option (Settings.ShadeDefinedSide: the side where the inequality holds,
// else the side where it fails). Mesh points where the formula is
// undefined stay blank.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "plot/plot_context.h"

namespace kurvo {

class TFormulaTrans;

// Marks the mesh points above (y > f(x)) or below (y < f(x)) the curve of
// ctx.Parser (X is set per point).
PlotResult ShadeAbove(const PlotContext& ctx);
PlotResult ShadeBelow(const PlotContext& ctx);

// The Cartesian side to shade for a relation text of the relation box:
// "y>"/"y>=" above when the defined side is shaded, else below; "y<"/"y<="
// the other way round; nothing for other texts ("y=", "y=>", "y=<").
enum class ShadeSide { Above, Below };
std::optional<ShadeSide> CartesianShadeSide(const std::string& relationText, bool shadeDefinedSide);

// Runs ShadeAbove or ShadeBelow as CartesianShadeSide selects.
PlotResult ShadeCartesian(const PlotContext& ctx, const std::string& relationText);

// The alias walk: the text in lower case; each line "definition:alias"
// whose alias (in lower case) equals the text so far replaces the text by
// its definition. Lines without ":" never match a non-empty text.
std::string ApplyFunctionAliases(const std::string& text, const std::vector<std::string>& aliasLines);

// The equation whose sides give F for implicit shading: every "=" removed,
// the aliases applied, the first ">" (codes 0, 1) or "<" (codes 2, 3)
// replaced by "=". Empty when the relation is "=" (code 4) or the sign is
// missing from the text.
std::string ImplicitShadingEquation(const std::string& typedText, uint8_t relation,
                                    const std::vector<std::string>& aliasLines);

// The equation whose sides give F for the complete implicit plotter: the
// shading equation of an inequality, the typed text (aliases applied) of an
// equation.
std::string ImplicitFunctionEquation(const std::string& typedText, uint8_t relation,
                                     const std::vector<std::string>& aliasLines);

// `equation` translated with the translator's simple sort, so it reads
// F = left side - right side. The translator's outputs (Root, SecondFn,
// ycount) and flags are left as they were; errors propagate.
std::string TranslateSimpleSort(TFormulaTrans& translator, const std::string& equation, bool degrees);

// Implicit shading of a slot: F is the shading equation translated with
// the translator's simple sort (F = left side - right side) and loaded into
// ctx.Parser, which holds F afterwards. The translator's outputs (Root,
// SecondFn, ycount) and flags are left as they were. Mesh points with
// F = 0 exactly are never marked. Compile errors of F propagate.
PlotResult ShadeImplicit(const PlotContext& ctx, const std::string& typedText, uint8_t relation,
                         TFormulaTrans& translator, const std::vector<std::string>& aliasLines = {});

}  // namespace kurvo
