#include "plot/graph_window.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "expr/errors.h"
#include "expr/real_format.h"
#include "expr/text_helpers.h"
#include "plot/auto_scale.h"
#include "plot/axes.h"
#include "plot/auto_scale_modes.h"
#include "plot/cartesian_plotter.h"
#include "plot/data_set_plotter.h"
#include "plot/direction_field.h"
#include "plot/contour_plotter.h"
#include "plot/implicit_plotter.h"
#include "plot/parametric_plotter.h"
#include "plot/polar_plotter.h"
#include "plot/shading.h"
#include "plot/view_mapping.h"

namespace kurvo {

namespace {

const char kPlotStopped[] = "Plot stopped";
// Slot 100 does not exist; the plot command refuses instead of writing
// past the slots.
const char kNoFreeSlot[] = "No more graphs can be added: all 100 graph slots are in use.";

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// As the engine shows a formula in its messages.
std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool Contains(const std::string& text, const char* pattern) {
    return text.find(pattern) != std::string::npos;
}

// Relation box text to relation code; -1 when it names no relation.
int RelationCodeOf(const std::string& text) {
    if (text == "y>") return kRelationGreater;
    if (text == "y<") return kRelationLess;
    if (text == "y=") return kRelationEqual;
    if (text == "y>=" || text == "y=>") return kRelationGreaterEqual;
    if (text == "y<=" || text == "y=<") return kRelationLessEqual;
    return -1;
}

// The sampling step: a quarter of a plot step across x in Cartesian and
// implicit modes, across t in polar and parametric modes.
long double SampleStep(const SettingsRecord& s, const GraphView& v, int32_t plotStep) {
    const bool byX = (s.CartesianMode && !s.Parametric) || s.ImplicitMode;
    return (byX ? v.XRange : s.TMax - s.TMin) / plotStep * 0.25L;
}

// Draws a slot in the mode it was added in: the mode flags and the
// sampling step (x or t based) are the slot's until the scope ends.
class SlotModeScope {
public:
    SlotModeScope(SettingsRecord& s, const GraphView& v, const SlotMode& mode, int32_t plotStep)
        : s_(s), cartesian_(s.CartesianMode), implicit_(s.ImplicitMode),
          parametric_(s.Parametric), step_(s.XStep) {
        if (!mode.Known) return;
        s.CartesianMode = mode.Cartesian;
        s.ImplicitMode = mode.Implicit;
        s.Parametric = mode.Parametric;
        s.XStep = SampleStep(s, v, plotStep);
    }
    ~SlotModeScope() {
        s_.CartesianMode = cartesian_;
        s_.ImplicitMode = implicit_;
        s_.Parametric = parametric_;
        s_.XStep = step_;
    }
    SlotModeScope(const SlotModeScope&) = delete;
    SlotModeScope& operator=(const SlotModeScope&) = delete;

private:
    SettingsRecord& s_;
    bool cartesian_, implicit_, parametric_;
    long double step_;
};

bool ViewIsUsable(const SettingsRecord& s, const GraphView& v) {
    // A sampling step that cannot advance u would never end the loop.
    return v.PlotWidth > 0 && v.PlotHeight > 0 && std::isfinite(double(s.XStep)) && s.XStep > 0 &&
           v.XRange > 0 && v.YRange > 0 && s.XMin + s.XStep > s.XMin;
}

}  // namespace

// Each later match overrides an earlier one.
uint8_t ImplicitRelationCode(const std::string& text) {
    uint8_t code = kRelationEqual;
    if (Contains(text, ">")) code = kRelationGreater;
    if (Contains(text, "<")) code = kRelationLess;
    if (Contains(text, "=")) code = kRelationEqual;
    if (Contains(text, ">=") || Contains(text, "=>")) code = kRelationGreaterEqual;
    if (Contains(text, "<=") || Contains(text, "=<")) code = kRelationLessEqual;
    return code;
}

TGraphWindow::TGraphWindow(GraphHost& host) : host_(host) {
    for (auto& p : parsers_) p.SetHost(this);
    for (int i = 0; i < 7; ++i) userFunctions_.parsers[i] = &parsers_[4 + i];
    for (int i = 0; i < 7; ++i) parsers_[4 + i].SetExpression("(1)");
    Settings.LastGraph = -1;
    Settings.FamilyActive = false;
    UndoRecord = Settings;
    UpdateViewSize();
    RecomputeRanges(Settings, View);
    PreviousView = {Settings.TMin, Settings.TMax, View.TRange, Settings.XMin, Settings.XMax,
                    View.XRange, Settings.YMin, Settings.YMax, View.YRange};
    NewPicture();
    FitViewToDataSets = [this](PlotContext& ctx) { return kurvo::FitViewToDataSets(ctx, DataSets); };
    DrawDataSets = [this](PlotContext& ctx) { return kurvo::DrawDataSets(ctx, DataSets); };
}

TGraphWindow::~TGraphWindow() = default;

void TGraphWindow::SetDataSetsMenu(bool enabled) {
    DataSets.DataSetsMenu = enabled;
    host_.DataSetsMenuChanged(enabled);
}

void TGraphWindow::DiscardDataSets() {
    DataSets.DataSetLines.clear();
    DataSets.DataSetImageCount = 0;
    DataSets.DataSetTransformed = false;
    Flags.DataSetsLoaded = false;
    SetDataSetsMenu(false);
}

bool TGraphWindow::RunDataSetHook(const std::function<PlotResult(PlotContext&)>& hook,
                                  PlotContext& ctx, bool redraw) {
    if (!Flags.DataSetsLoaded || !hook) return true;
    try {
        return hook(ctx) == PlotResult::Done;
    } catch (const Exception&) {
        host_.SetBusyCursor(false);
        host_.ShowInformation(kCannotLoadDataSets);
        DiscardDataSets();
    }
    if (!redraw) return true;
    Flags.FullRepaint = true;
    Flags.ReplotAll = true;
    return RepaintBody();
}

void TGraphWindow::SetUserFunctionExpressions(const std::array<std::string, 7>& expressions) {
    for (int i = 0; i < 7; ++i) {
        const std::string& e = expressions[i];
        parsers_[4 + i].SetExpression(e.empty() || e == "()" ? "(1)" : e);
    }
}

bool TGraphWindow::CallUserFunction(int index, double argument, double& result) {
    userFunctions_.cartesian = Settings.CartesianMode;
    return userFunctions_.Call(index, argument, result);
}

void TGraphWindow::CopyConstantsToParsers() {
    for (auto& p : parsers_)
        for (int k = 0; k < 16; ++k)
            if (double* cell = p.Var(kConstantLetters[k]))
                *cell = static_cast<double>(Settings.Constants[k]);
}

void TGraphWindow::AdvanceFamily() {
    // Graphs plotted after the family's members keep the plain constants.
    if (!drawingFamilyMember_) return;
    const bool parametric = Settings.Parametric && !Settings.ImplicitMode;
    for (int k = 0; k < 16; ++k) {
        const double step = static_cast<double>(Settings.FamilySteps[k]);
        if (double* cell = Parser(1).Var(kConstantLetters[k])) *cell += step;
        if (parametric)
            if (double* cell = Parser(2).Var(kConstantLetters[k])) *cell += step;
    }
}

void TGraphWindow::UpdateViewSize() {
    View.PlotHeight = std::max(0, host_.GraphAreaHeight());
    View.PlotWidth = Settings.SquareGraph ? View.PlotHeight : std::max(0, host_.GraphAreaWidth());
}

void TGraphWindow::NewPicture() {
    UpdateViewSize();
    auto raster = host_.CreatePicture(View.PlotWidth, View.PlotHeight);
    picture_ = raster ? std::make_unique<RecordingCanvas>(std::move(raster)) : nullptr;
}

PlotContext TGraphWindow::MakeContext() {
    PlotContext ctx(Settings, View, Mapping);
    ctx.Picture = picture_.get();
    ctx.Window = host_.WindowCanvas();
    ctx.Host = this;
    ctx.Parser = &Parser(1);
    ctx.FormulaReady = Flags.FormulaReady && !host_.FormulaText().empty();
    ctx.HasDerivativeCall = &Flags.HasDerivativeCall;
    ctx.HasIntegralCall = &Flags.HasIntegralCall;
    ctx.InverseMode = &Flags.InverseMode;
    ctx.ReplotAll = &Flags.ReplotAll;
    return ctx;
}

void TGraphWindow::Report(const std::exception& error) {
    host_.SetBusyCursor(false);
    host_.ShowError(error.what());
}

// ---- view fields -------------------------------------------------------

std::string TGraphWindow::ViewFieldValueText(long double value) {
    const std::string full = FormatReal(value, 15);
    if (full.size() <= 8) return full;
    const size_t separator = full.find(DecimalSeparator());
    if (full.find('E') == std::string::npos && separator != std::string::npos && separator < 8) {
        std::string cut = LeftPart(full, 8);
        if (cut.back() == DecimalSeparator()) cut.pop_back();
        return cut;
    }
    for (int digits = 14; digits >= 1; --digits) {
        std::string shorter = FormatReal(value, digits);
        if (shorter.size() <= 8) return shorter;
    }
    return FormatReal(value, 1);
}

void TGraphWindow::SetViewField(ViewField field, long double value) {
    const std::string text = ViewFieldValueText(value);
    const std::string shown = host_.ViewFieldText(field);
    if (shown == text) return;
    // "16.15780" read back and written again as "16.1578" is the same view:
    // no change event, which would make it the view that undo returns to.
    long double was = 0, now = 0;
    if (TryParseReal(shown, was) && TryParseReal(text, now) && was == now) return;
    host_.SetViewFieldText(field, text);
    SaveViewForUndo();  // the field's change event
}

void TGraphWindow::RewriteViewFields(bool includeT) {
    if (includeT && host_.HasTFields()) {
        SetViewField(ViewField::TMin, Settings.TMin);
        SetViewField(ViewField::TMax, Settings.TMax);
    }
    SetViewField(ViewField::XMin, Settings.XMin);
    SetViewField(ViewField::XMax, Settings.XMax);
    SetViewField(ViewField::YMin, Settings.YMin);
    SetViewField(ViewField::YMax, Settings.YMax);
}

void TGraphWindow::Translate(const std::string& text) {
    Trans.Degrees = Settings.Degrees;
    Trans.Root = false;
    Trans.Instring = text;
    Trans.Translate();
}

long double TGraphWindow::EvaluateViewField(ViewField field) {
    Translate(host_.ViewFieldText(field));
    Parser(1).SetExpression(Trans.Outstring);
    return Parser(1).Value();
}

void TGraphWindow::ReadViewFields() {
    std::string step = host_.HasPlotStepField() ? host_.PlotStepFieldText() : Settings.PlotStepText;
    if (const int comma = FindText(step, ",")) step.erase(static_cast<size_t>(comma - 1), 1);
    // The settings dialog keeps the step within 32..1000000; a text from a
    // file or the command line could hold 0, which would never end a run.
    plotStep_ = std::clamp<int32_t>(ParseInt(step), 32, 1000000);

    CopyConstantsToParsers();
    if (host_.HasTFields()) {
        Settings.TMin = EvaluateViewField(ViewField::TMin);
        Settings.TMax = EvaluateViewField(ViewField::TMax);
    }
    Settings.XMin = EvaluateViewField(ViewField::XMin);
    Settings.XMax = EvaluateViewField(ViewField::XMax);
    Settings.YMin = EvaluateViewField(ViewField::YMin);
    Settings.YMax = EvaluateViewField(ViewField::YMax);
    RecomputeRanges(Settings, View);
    if (!(View.XRange >= 1e-5L) || !(View.YRange >= 1e-5L)) {
        // A typed view that has collapsed (min = max, min > max, or narrower
        // than 1e-5) goes back silently to the last usable one, as a
        // collapsed view after y-scaling does.
        Settings.XMin = PreviousView.XMin;
        Settings.XMax = PreviousView.XMax;
        Settings.YMin = PreviousView.YMin;
        Settings.YMax = PreviousView.YMax;
        RecomputeRanges(Settings, View);
    }
    RewriteViewFields(true);

    Settings.XStep = SampleStep(Settings, View, plotStep_);
}

void TGraphWindow::SaveViewForUndo() {
    if (View.XRange <= 1e-5L || View.YRange <= 1e-5L) return;
    Flags.ReplotAll = true;
    PreviousView = {Settings.TMin, Settings.TMax, View.TRange, Settings.XMin, Settings.XMax,
                    View.XRange, Settings.YMin, Settings.YMax, View.YRange};
}

// ---- slots -------------------------------------------------------------

std::string TGraphWindow::ResolveAlias(const std::string& typed) const {
    std::string text = Lower(typed);
    for (const std::string& line : aliasLines_) {
        if (FindText(line, ":") == 0) continue;  // not an alias line
        if (text == Lower(AfterColon(line))) text = BeforeColon(line);
    }
    return text;
}

void TGraphWindow::AddFormulaToSlot(const std::string& typed, int slot) {
    std::string text = ResolveAlias(typed);
    if (Flags.LoadedFromFile) return;

    const size_t i = static_cast<size_t>(slot);
    if (Settings.ImplicitMode) Slots.GraphRelation[i] = ImplicitRelationCode(text);

    if (Settings.Parametric && !Settings.ImplicitMode) {
        const std::string second = AfterComma(text);
        if (second.find_first_not_of(' ') == std::string::npos) {
            // Without a second function the engine would only report "()";
            // show the first one with the place of the missing second.
            Translate(FindText(text, ",") ? BeforeComma(text) : text);
            throw ESyntaxError("\r" + Upper(Trans.Outstring) + ",\r()");
        }
        Translate(BeforeComma(text));
        Parser(1).SetExpression(Trans.Outstring);
        Slots.GraphFormula[i] = Trans.Outstring;
        Translate(second);
        Parser(2).SetExpression(Trans.Outstring);
        // Kept with the slot so that a full repaint draws every parametric
        // slot with its own second function, not the newest one's.
        Slots.GraphSecondFormula[i] = Trans.Outstring;
        Slots.GraphText[i] = text;
    } else {
        if (Settings.ImplicitMode && Settings.CompleteImplicit())
            TranslateForContour(Trans, text, Slots.GraphRelation[i], Settings.Degrees,
                                [this](const std::string& f) { Parser(1).SetExpression(f); });
        else
            Translate(text);
        Parser(1).SetExpression(Trans.Outstring);
        Parser(12).SetExpression(Trans.Outstring);
        Slots.GraphFormula[i] = Trans.Outstring;
        Slots.GraphSecondFormula[i] = Trans.Root ? Trans.SecondFn : std::string();
        Slots.GraphText[i] = Trans.Instring;
        Slots.YTermCount[i] = Trans.ycount;
        if (!Settings.ImplicitMode) {
            const std::string relation = LeftPart(host_.RelationText(), 5);
            Slots.GraphRelationText[i] = relation;
            const int code = RelationCodeOf(relation);
            Slots.GraphRelation[i] = static_cast<uint8_t>(code < 0 ? kRelationEqual : code);
        }
    }
    Slots.GraphStrict[i] = IsStrictRelation(Slots.GraphRelation[i]);
    Slots.Mode[i] = {true, Settings.CartesianMode && !Settings.ImplicitMode, Settings.ImplicitMode,
                     Settings.Parametric && !Settings.ImplicitMode};
    Parser(3).SetExpression(Slots.GraphFormula[i]);
    Flags.FormulaReady = true;
}

// ---- plot command ------------------------------------------------------

void TGraphWindow::PlotCommand() {
    try {
        PlotCommandBody();
    } catch (const std::exception& error) {
        Flags.FullRepaint = false;
        Report(error);
    }
}

void TGraphWindow::PlotCommandBody() {
    UndoRecord = Settings;
    // A family stays on the picture while later plots join it after its
    // members; a plot that starts the slots afresh ends it.
    if (Settings.AutoYScale || Flags.ReplotAll) Settings.FamilyActive = false;
    Trans.Root = false;
    if (Settings.AutoYScale)
        for (auto& second : Slots.GraphSecondFormula) second.clear();

    const std::string text = host_.FormulaText();
    bool stopped = false;
    if (!text.empty() || Flags.DataSetsLoaded) {
        if (!text.empty()) PreviousFormulaText = text;
        // A loaded workspace is plotted in the slots it was read into.
        if (!Settings.AutoYScale && !Flags.LoadedFromFile) {
            if (Settings.LastGraph >= kGraphSlotCount - 1) {
                host_.ShowInformation(kNoFreeSlot);
                return;
            }
            Settings.LastGraph = std::abs(Settings.LastGraph + 1);
        }
        if (Settings.AutoYScale || Flags.ReplotAll) {
            if (!Flags.LoadedFromFile) {
                // Only the new graph is drawn: the others would be saved
                // and redrawn later without having been seen.
                Settings.LastGraph = 0;
                for (int k = 1; k < kGraphSlotCount; ++k) Slots.Empty(size_t(k));
            }
            NewPicture();
        }
        if (!text.empty() && text != "()") AddFormulaToSlot(text, Settings.LastGraph);

        if (Settings.AutoYScale && !AutoScaleNewest()) return;
        Flags.FullRepaint = true;
        stopped = !RepaintBody();
        Flags.FullRepaint = false;
    }
    Flags.LoadedFromFile = false;
    if (stopped) host_.ShowInformation(kPlotStopped);
}

bool TGraphWindow::AutoScaleNewest() {
    UpdateViewSize();
    CopyConstantsToParsers();
    PlotContext ctx = MakeContext();
    const size_t slot = static_cast<size_t>(std::max(Settings.LastGraph, 0));
    AutoScaleOutcome outcome = AutoScaleOutcome::Done;
    if (Settings.CartesianMode && !Settings.Parametric && !Settings.ImplicitMode) {
        if (AutoScaleY(ctx) == PlotResult::Stopped) outcome = AutoScaleOutcome::Stopped;
    } else {
        outcome = AutoScaleYModes(ctx, &Parser(2), Slots.YTermCount[slot], Slots.GraphSecondFormula[slot], &Trans);
    }
    if (outcome == AutoScaleOutcome::Stopped) {
        host_.ShowInformation(kPlotStopped);
        return false;
    }
    if (outcome == AutoScaleOutcome::NoPlotablePoints && host_.AskYesNo(kNoPlotablePointsQuestion) && ZoomOut) {
        ZoomOut();
        return false;
    }
    RecomputeRanges(Settings, View);
    if (View.XRange < 1e-5L || View.YRange < 1e-5L) {
        Settings.XMin = PreviousView.XMin;
        Settings.XMax = PreviousView.XMax;
        Settings.YMin = PreviousView.YMin;
        Settings.YMax = PreviousView.YMax;
        RecomputeRanges(Settings, View);
        RewriteViewFields(false);
    }
    return true;
}

void TGraphWindow::UndoLastAction() {
    Settings = UndoRecord;
    Settings.XMin = PreviousView.XMin;
    Settings.XMax = PreviousView.XMax;
    Settings.YMin = PreviousView.YMin;
    Settings.YMax = PreviousView.YMax;
    Settings.TMin = PreviousView.TMin;
    Settings.TMax = PreviousView.TMax;
    View.XRange = PreviousView.XRange;
    View.YRange = PreviousView.YRange;
    View.TRange = PreviousView.TRange;
    Flags.ReplotAll = true;
    RewriteViewFields(true);
    if (!PreviousFormulaText.empty()) host_.SetFormulaText(PreviousFormulaText);
    PlotCommand();
}

void TGraphWindow::DirectionClick() {
    if (!picture_) return;
    RecomputeRanges(Settings, View);
    PlotContext ctx = MakeContext();
    ComputeMapping(ctx);
    DrawDirectionField(ctx);
    host_.RefreshFromPicture(*picture_, View.PlotWidth, View.PlotHeight);
}

// ---- repaint -----------------------------------------------------------

void TGraphWindow::Repaint() {
    try {
        if (!RepaintBody()) host_.ShowInformation(kPlotStopped);
    } catch (const std::exception& error) {
        Flags.FullRepaint = false;
        Report(error);
    }
}

bool TGraphWindow::RepaintBody() {
    UpdateViewSize();
    if (!picture_) NewPicture();
    PlotContext ctx = MakeContext();
    if (Settings.SquareAxes && Settings.AutoYScale) {
        RecomputeRanges(Settings, View);
        SquareTheAxes(ctx);
    }

    auto edge = [&](Canvas& c) {
        c.SetPenColour(Settings.BackgroundColour);
        c.MoveTo(0, View.PlotHeight);
        c.LineTo(0, 0);
        c.LineTo(View.PlotWidth, 0);
    };
    ctx.OnBoth(edge, true);
    if (Flags.FullRepaint) {
        ReadViewFields();
    } else {
        // A paint event while the user is still typing a view field ("2*")
        // must not raise a message box from the paint handler, which would
        // itself cause the next paint event; the plot command reports it.
        try {
            ReadViewFields();
        } catch (const Exception&) {
        }
    }

    auto refresh = [&] {
        if (picture_) host_.RefreshFromPicture(*picture_, View.PlotWidth, View.PlotHeight);
    };
    if (!Flags.FullRepaint) {
        const bool drawn = RunDataSetHook(DrawDataSets, ctx, true);
        refresh();
        return drawn;
    }

    if (Settings.AutoYScale || Flags.ReplotAll) {
        const int clientWidth = std::max(View.PlotWidth, host_.ClientWidth());
        ctx.OnBoth(
            [&](Canvas& c) {
                c.SetBrushColour(Settings.BackgroundColour);
                c.SetBrushStyle(BrushStyle::Solid);
                c.FillRect(0, 0, clientWidth, View.PlotHeight);
            },
            true);
    }
    if (Settings.AutoYScale && !ViewGestureActive && !RunDataSetHook(FitViewToDataSets, ctx, false))
        return false;

    if (Settings.AutoYScale || Flags.ReplotAll) DrawFrame(ctx);

    bool finished = true;
    if (ViewIsUsable(Settings, View)) {
        ComputeMapping(ctx);
        CopyConstantsToParsers();
        const int members = Settings.FamilyActive ? Settings.FamilyCount : 0;
        const int last = std::min(kGraphSlotCount - 1, std::max({Settings.LastGraph, members - 1, 0}));
        const bool all = Settings.AutoYScale || Flags.ReplotAll || Settings.FamilyActive;
        const int first = all ? 0 : std::max(Settings.LastGraph, 0);
        for (int i = first; i <= last && finished; ++i) {
            // The members moved the constants on; the graphs after them
            // are drawn with the constants as they are.
            if (i == members && members > 0) CopyConstantsToParsers();
            finished = DrawSlot(ctx, i);
        }
        drawingFamilyMember_ = true;
    }

    // The window's picture is kept between paints, so the sets are drawn
    // here, where the paint that follows a full repaint would draw them.
    if (finished) finished = RunDataSetHook(DrawDataSets, ctx, true);
    refresh();
    Flags.FullRepaint = false;
    return finished;
}

bool TGraphWindow::DrawSlot(PlotContext& ctx, int slot) {
    const size_t i = static_cast<size_t>(slot);
    const std::string& formula = Slots.GraphFormula[i];
    if (formula.empty()) return true;

    Parser(1).SetExpression(formula);
    if (Contains(formula, "DIFF")) Flags.HasDerivativeCall = true;
    if (Contains(formula, "INTEG")) Flags.HasIntegralCall = true;
    Slots.GraphStrict[i] = IsStrictRelation(Slots.GraphRelation[i]);
    ctx.Slot = slot;
    ctx.Strict = Slots.GraphStrict[i];
    drawingFamilyMember_ = slot < Settings.FamilyCount;
    const SlotModeScope mode(Settings, View, Slots.Mode[i], plotStep_);
    // A t range that runs backwards draws nothing.
    if (!std::isfinite(double(Settings.XStep)) || Settings.XStep <= 0) return true;

    PlotResult result = PlotResult::Done;
    const bool cartesian = Settings.CartesianMode && !Settings.ImplicitMode;
    const bool passes = cartesian && !Settings.Parametric;
    // A member drawn in several passes (curve, derived curves, shading)
    // keeps its constants until the last one.
    ctx.FamilyAdvanceDeferred = passes || Settings.ImplicitMode;
    if (passes) {
        result = PlotCartesian(ctx, Flags.HasDerivativeCall, Flags.HasIntegralCall);
        Flags.HasDerivativeCall = false;
        Flags.HasIntegralCall = false;
    } else if (Settings.ImplicitMode) {
        if (Settings.CompleteImplicit()) {
            result = PlotImplicitComplete(ctx, Slots.GraphText[i], Slots.GraphRelation[i], Trans, aliasLines_);
        } else if (UsesSingleFunctionPlotter(Slots.YTermCount[i])) {
            try {
                result = PlotImplicitSingle(ctx, Slots.GraphSecondFormula[i], &Trans);
            } catch (const Exception&) {
                // The single-function plotter's errors are not reported.
            }
        } else {
            result = PlotImplicitGeneral(ctx);
        }
        if (result == PlotResult::Done && Slots.GraphRelation[i] != kRelationEqual) {
            Parser(1).SetExpression(formula);
            result = ShadeImplicit(ctx, Slots.GraphText[i], Slots.GraphRelation[i], Trans, aliasLines_);
        }
    } else if (Settings.Parametric) {
        Parser(2).SetExpression(Slots.GraphSecondFormula[i]);
        result = cartesian ? PlotParametricCartesian(ctx, Parser(2))
                           : PlotParametricPolar(ctx, Parser(2));
    } else {
        result = PlotPolar(ctx);
    }
    if (result == PlotResult::Stopped) return false;

    if (cartesian && !Settings.Parametric) {
        if (Settings.PlotDerivative && PlotCartesian(ctx, true, false) == PlotResult::Stopped)
            return false;
        if (Settings.PlotIntegral && PlotCartesian(ctx, false, true) == PlotResult::Stopped)
            return false;
    }
    if (!Settings.AutoYScale) Flags.ReplotAll = false;
    if (passes) {
        // The derived passes leave the slot's own formula in parser 1.
        if (ShadeCartesian(ctx, Slots.GraphRelationText[i]) == PlotResult::Stopped) return false;
    }
    if (ctx.FamilyAdvanceDeferred && Settings.FamilyActive) AdvanceFamily();
    ctx.FamilyAdvanceDeferred = false;
    return true;
}

}  // namespace kurvo
