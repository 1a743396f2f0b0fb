#pragma once
// The options of kurvo32 render, as a table that each cmd_render_*.cpp adds
// rows to. One row is one option: its names, its --help lines and up to two
// handlers. `parse` runs while the command line is read, before anything is
// drawn (checks, and the set-up options such as -o and --size); `run` runs
// in command-line order among the formulas, because options apply to the
// formulas that follow them. Adding an in-order option is one row plus its
// handler, registered from its own file:
//
//   const RenderActionRegistration rows({
//       {"--open", "FILE", "read a workspace file", 90, nullptr, RunOpen},
//   });
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QGuiApplication;

namespace kurvo {
class HeadlessHost;
class TDataSets;
class TGraphWindow;
}  // namespace kurvo

namespace kurvo::app {

// What the set-up options decide before the run.
struct RenderSetup {
    std::string output;
    int width = 800, height = 600;
    std::optional<std::string> dataDir;
    std::optional<std::string> mode;  // cartesian, polar, implicit
    bool parametric = false;
    int formulas = 0;
    std::optional<int> exitNow;  // set by options that end the command (--list-fields)
    // The picture: -o FILE by its extension, or --save-picture NAME with
    // --filter as the save dialog names it; --scale draws rasters larger,
    // --via-clipboard writes what the clipboard gives back.
    int scale = 1;
    std::string savePicture;
    std::string filter = "bmp";
    bool viaClipboard = false;
    // Workspace files (cmd_render_workspace.cpp): files to open, and
    // whether the run saves one, which makes the picture optional.
    int workspaceFiles = 0;
    bool savesWorkspace = false;
    // Set by options whose result is not the picture (--export,
    // --print-state, --print): -o becomes optional.
    bool pictureOptional = false;
    // --animate NAME=MIN,MAX,STEP (cmd_render_animate.cpp): one frame per
    // value of the constant (its index in the settings' constants), written
    // as an animated GIF instead of one picture.
    int animateConstant = -1;
    double animateMin = 0, animateStep = 0;
    int animateFrames = 0;
    int delayMs = 100;
};

// What the in-order actions work on.
struct RenderRun {
    RenderRun(const RenderSetup& s, HeadlessHost& h, TGraphWindow& g) : setup(s), host(h), graph(g) {}
    const RenderSetup& setup;
    HeadlessHost& host;
    TGraphWindow& graph;
    // Armed by an action that takes the next FORMULA for itself (--family):
    // the formula is in the formula box, and the hook runs once instead of
    // the plot command.
    std::function<void(RenderRun&)> takeNextFormula;
    // Run after every action, whatever their place on the command line,
    // before the ending; "" or the problem, which ends with status 2.
    std::vector<std::function<std::string(RenderRun&)>> afterActions;
    // The formulas as typed (UTF-8), in command-line order.
    std::vector<std::string> formulaTexts;
};

struct RenderAction {
    const char* names;      // as written, comma-separated, the first used in messages: "-o", "--view"
    const char* valueName;  // nullptr for a switch
    const char* help;       // the --help text; "\n" starts a further line
    int helpOrder;          // where --help lists the row
    // Each returns "" or the problem, which ends the command with status 2.
    std::string (*parse)(RenderSetup& setup, const std::string& value);
    std::string (*run)(RenderRun& run, const std::string& value);
};

std::vector<RenderAction>& RenderActions();

// The commands that plot as render does and then do their own ending
// (render writes the picture, print prints it): their name for messages,
// the --help text's head, options of their own beside the table's, a
// check of the set-up before anything is drawn ("" or the problem), and
// the ending, which gets the run's status (0, or 1 after a message box)
// and returns the exit status.
struct RenderFinish {
    std::string name;
    std::string usage;
    std::vector<RenderAction> ownRows;
    std::function<std::string(const RenderSetup&)> check;
    std::function<int(RenderRun&, int status)> run;
    // The end of --help (exit statuses); render's when empty.
    std::string tail;
};
int RunRenderCommand(int argc, char** argv, const RenderFinish& finish);
// Prints "kurvo32 NAME: message" on standard error; returns 2.
int RenderFail(const std::string& message);

// The Qt application of a headless command that draws (offscreen unless
// QT_QPA_PLATFORM says otherwise).
std::unique_ptr<QGuiApplication> StartHeadlessGui(char* argv0);
// The graph object as render starts it: the data folder (or the defaults)
// with the command line's mode, the controls filled from the settings.
// "" or the problem.
std::string StartRenderGraph(const RenderSetup& setup, HeadlessHost& host, TGraphWindow& graph);

// render's picture output (render_output.cpp): the -o / --save-picture
// check, and the write as the picture's format asks.
std::string CheckPictureOutput(const RenderSetup& setup);
std::string WriteRenderPicture(RenderRun& run);

// A bare argument that is a workspace file to open (ends in ".kvo" and
// names an existing file), and its "&Open".
bool IsWorkspaceArgument(const std::string& argument);
void OpenWorkspaceArgument(RenderRun& run, const std::string& argument);

// The window's data set commands ("&Open", coordinates, delete, export)
// for the run's graph object, made on first use.
TDataSets& RunDataSets(RenderRun& run);

struct RenderActionRegistration {
    RenderActionRegistration(std::initializer_list<RenderAction> rows) {
        for (const RenderAction& row : rows) RenderActions().push_back(row);
    }
};

// A number field's text (a formula such as -2p or p/2, UTF-8) evaluated
// as the view fields are; false unless it gives a finite number.
bool EvaluateFieldFormula(TGraphWindow& graph, const std::string& text, double& value);

// --animate (cmd_render_animate.cpp): the output must be a GIF; the frames
// drawn and written, returning the exit status.
std::string CheckAnimationOutput(const RenderSetup& setup);
int WriteRenderAnimation(RenderRun& run, int status);

// "a,b,c" split at every comma.
std::vector<std::string> SplitCommas(const std::string& text);

}  // namespace kurvo::app
