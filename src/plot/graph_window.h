#pragma once
// The graph object: owns the whole graph state (settings record, undo
// copy, the 100 slots, the view, the picture), the translator and the
// twelve parsers, and runs the plot cycle: plot command, repaint, adding a
// formula to a slot, reading the view fields, undo. It draws through the
// plotters and talks to its window only through GraphHost, so the Qt main
// window and the headless renderer share it.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "expr/formula_trans.h"
#include "expr/parser.h"
#include "plot/graph_host.h"
#include "plot/graph_slots.h"
#include "plot/plot_context.h"
#include "plot/recording_canvas.h"
#include "plot/settings_record.h"

namespace kurvo {

class TGraphWindow : public ParserHost, public PlotHost {
public:
    explicit TGraphWindow(GraphHost& host);
    ~TGraphWindow() override;
    TGraphWindow(const TGraphWindow&) = delete;
    TGraphWindow& operator=(const TGraphWindow&) = delete;

    // The state, read and written directly by the dialogs.
    SettingsRecord Settings = DefaultSettings();
    SettingsRecord UndoRecord = DefaultSettings();
    GraphSlots Slots;
    DataSetList DataSets;
    PreviousViewRecord PreviousView;
    std::string PreviousFormulaText;
    WindowFlags Flags;
    GraphView View;
    PixelMapping Mapping;
    TFormulaTrans Trans;

    GraphHost& Host() { return host_; }

    // Parser n, 1 to 12: 1 the curve, 2 y(t) or the angle, 3 the read-out,
    // 4 the read-out's second branch, 5..11 the user functions F..L,
    // 12 the last translated Cartesian formula.
    TParser& Parser(int n) { return parsers_[n - 1]; }

    // Lines "definition:alias" of the current mode's alias list.
    void SetAliasLines(std::vector<std::string> lines) { aliasLines_ = std::move(lines); }
    const std::vector<std::string>& AliasLines() const { return aliasLines_; }
    // The typed text in lower case, or the definition it is an alias of.
    std::string ResolveAlias(const std::string& typed) const;
    // The seven translated user functions f..l for parsers 5..11; "()"
    // and empty texts are loaded as "(1)". Compile errors propagate.
    void SetUserFunctionExpressions(const std::array<std::string, 7>& expressions);

    // The data set plotter (data_set_plotter.h) unless replaced.
    // FitViewToDataSets runs before the axes with automatic y-scaling,
    // DrawDataSets draws the sets over the graphs. Either may throw the
    // engine's errors for a line that is not a point: the window then
    // discards every data set (DiscardDataSets) and repaints.
    std::function<PlotResult(PlotContext&)> FitViewToDataSets;
    std::function<PlotResult(PlotContext&)> DrawDataSets;
    // Empties the data set list and its counters, clears DataSetsLoaded and
    // disables the "Data Sets" menu.
    void DiscardDataSets();
    void SetDataSetsMenu(bool enabled);
    // The view's zoom out, run when automatic y-scaling finds nothing to
    // plot and the user asks for a wider domain.
    std::function<void()> ZoomOut;
    // True while zoom-in mode, move mode or a zoom-out is in progress.
    bool ViewGestureActive = false;

    // The plot cycle. The public entry points report failures through the
    // host's message boxes and never throw.
    void PlotCommand();
    void Repaint();
    void UndoLastAction();
    // Draws the direction field of the current curve (parser 1) onto the
    // picture and shows it.
    void DirectionClick();
    void SaveViewForUndo();
    // These throw the engine's exceptions (compile errors, conversion
    // errors); callers inside the cycle report them.
    void AddFormulaToSlot(const std::string& text, int slot);
    void ReadViewFields();
    void AdvanceFamily() override;
    // The families dialog's OK (graph_family.cpp): `count` is the number
    // field as typed, `steps` the sixteen increment fields (a b c d e m n o
    // p q r s u v w z). Returns false when it refuses before changing
    // anything, so the dialog stays open: an empty number field, or a
    // count outside 1 to 99. Otherwise the dialog is hidden; the formula
    // box text fills slots 0 to count - 1 and the family is drawn, each
    // member with the constants moved on by the steps. A field that is not
    // a number is reported, with the fields before it taken.
    bool DefineFamily(const std::string& count, const std::array<std::string, 16>& steps);
    // The family as defined, drawn again after a change of the view or of
    // square axes (a plot command would end it): y-scaled when AutoYScale
    // is set, the constants back afterwards.
    void RedrawFamily();
    // The message that refuses a number field before anything changes, or "".
    static std::string FamilyCountRefusal(const std::string& count);

    // Copies the sixteen constants into every parser's constant cells.
    void CopyConstantsToParsers();
    // Rewrites the view fields from the settings record's edges.
    void RewriteViewFields(bool includeT);

    // The off-screen picture (null before the first plot command when the
    // host cannot make one). Drawing on it also records what is drawn
    // (PictureRecording), for printing and vector pictures.
    Canvas* Picture() { return picture_.get(); }
    const Canvas* Picture() const { return picture_.get(); }
    // The host's raster canvas behind the picture.
    Canvas* RasterPicture() { return picture_ ? &picture_->Raster() : nullptr; }
    const Canvas* RasterPicture() const { return picture_ ? &picture_->Raster() : nullptr; }
    const RecordingCanvas* PictureRecording() const { return picture_.get(); }
    // The plot step last read from the field or the settings.
    int32_t PlotStep() const { return plotStep_; }

    // Field text for a view value: its general-format text cut to 8
    // characters, unless cutting would change the number's magnitude
    // (a long integer part, an exponent); then the value is rounded to the
    // most significant digits that fit in 8 characters.
    static std::string ViewFieldValueText(long double value);

    // ParserHost
    void DerivativeCalled() override { Flags.HasDerivativeCall = true; }
    void IntegralCalled() override { Flags.HasIntegralCall = true; }
    void InverseCalled() override { Flags.InverseMode = true; }
    bool CallUserFunction(int index, double argument, double& result) override;

    // PlotHost
    bool EscapePressed() override { return host_.EscapePressed(); }
    void Beep() override { host_.Beep(); }
    void SetBusyCursor(bool busy) override { host_.SetBusyCursor(busy); }
    void ViewFieldsChanged() override { RewriteViewFields(true); }

private:
    void PlotCommandBody();
    // Automatic y-scaling for slot LastGraph; false when the command ends
    // here (Escape, or a zoom out asked for).
    bool AutoScaleNewest();
    // False when the run was stopped with Escape.
    bool RepaintBody();
    bool DrawSlot(PlotContext& ctx, int slot);
    // Whether the slot being drawn is one of an active family's members.
    bool drawingFamilyMember_ = true;
    // Runs a data set hook; false when stopped. A bad line is reported,
    // the sets discarded and the picture drawn again in full.
    bool RunDataSetHook(const std::function<PlotResult(PlotContext&)>& hook, PlotContext& ctx,
                        bool redraw);
    PlotContext MakeContext();
    void UpdateViewSize();
    void NewPicture();
    void SetViewField(ViewField field, long double value);
    long double EvaluateViewField(ViewField field);
    void Translate(const std::string& text);
    void Report(const std::exception& error);

    GraphHost& host_;
    std::array<TParser, 12> parsers_;
    UserFunctionSet userFunctions_;
    std::vector<std::string> aliasLines_;
    std::unique_ptr<RecordingCanvas> picture_;
    int32_t plotStep_ = 256;
};

}  // namespace kurvo
