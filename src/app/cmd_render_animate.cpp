// kurvo32 render --animate: one picture per value of a constant, every
// graph drawn again for each, written as one animated GIF.
#include <QFileInfo>
#include <cmath>
#include <cstdlib>

#include "expr/real_format.h"
#include "headless_host.h"
#include "output/gif_animation.h"
#include "output/picture_files.h"
#include "plot/graph_window.h"
#include "plot/live_constants.h"
#include "render_actions.h"
#include "ui/qimage_canvas.h"
#include "workspace/atomic_write.h"

namespace kurvo::app {
namespace {

constexpr int kMaxFrames = 500;

bool ParseNumber(const std::string& text, double& value) {
    long double v;
    if (!TryParseReal(text, v) || !std::isfinite(static_cast<double>(v))) return false;
    value = static_cast<double>(v);
    return true;
}

std::string ParseAnimate(RenderSetup& s, const std::string& v) {
    const std::string usage = "--animate needs NAME=MIN,MAX,STEP";
    const size_t equals = v.find('=');
    if (equals == std::string::npos) return usage;
    const int index = LiveConstantIndex(v.substr(0, equals));
    if (index < 0) return "--animate: '" + v.substr(0, equals) + "' is not one of the constants " + kLiveConstantLetters;
    const auto parts = SplitCommas(v.substr(equals + 1));
    double min, max, step;
    if (parts.size() != 3 || !ParseNumber(parts[0], min) || !ParseNumber(parts[1], max) ||
        !ParseNumber(parts[2], step))
        return usage;
    if (step <= 0) return "--animate: STEP must be greater than 0";
    if (max < min) return "--animate: MAX must not be less than MIN";
    const double frames = std::round((max - min) / step) + 1;
    if (!(frames <= kMaxFrames)) return "--animate: more than 500 frames";
    s.animateConstant = index;
    s.animateMin = min;
    s.animateStep = step;
    s.animateFrames = static_cast<int>(frames);
    return {};
}

std::string ParseDelay(RenderSetup& s, const std::string& v) {
    char* end = nullptr;
    const long n = std::strtol(v.c_str(), &end, 10);
    if (v.empty() || *end != 0 || n < 0 || n > 655350) return "--delay needs milliseconds from 0 to 655350";
    s.delayMs = static_cast<int>(n);
    return {};
}

const RenderActionRegistration rows({
    {"--animate", "NAME=MIN,MAX,STEP",
     "write an animated GIF (-o FILE.gif): one frame for each\n"
     "value MIN + k*STEP, k = 0 .. round((MAX-MIN)/STEP), of the\n"
     "constant NAME (a b c d m n o q r s u v w z), every graph\n"
     "drawn again; at most 500 frames; loops for ever",
     16, ParseAnimate, nullptr},
    {"--delay", "MS", "milliseconds each frame of --animate shows (default 100)", 17, ParseDelay, nullptr},
});

}  // namespace

std::string CheckAnimationOutput(const RenderSetup& s) {
    if (s.animateFrames == 0) return {};
    if (QFileInfo(QString::fromStdString(s.output)).suffix().toLower() != "gif")
        return "--animate needs -o FILE.gif";
    return {};
}

int WriteRenderAnimation(RenderRun& run, int status) {
    const RenderSetup& s = run.setup;
    TGraphWindow& graph = run.graph;
    const long double kept = graph.Settings.Constants[static_cast<size_t>(s.animateConstant)];
    std::unique_ptr<GifAnimation> gif;
    for (int k = 0; k < s.animateFrames; ++k) {
        SetConstantAndRedraw(graph, s.animateConstant, s.animateMin + k * s.animateStep);
        const QImageCanvas* raster = run.host.LastPicture();
        if (!raster) return RenderFail("nothing was drawn");
        if (!gif) gif = std::make_unique<GifAnimation>(raster->image().width(), raster->image().height(), s.delayMs);
        if (!gif->AddFrame(raster->image())) return RenderFail(PictureSaveFailure(gif->Error()));
    }
    graph.Settings.Constants[static_cast<size_t>(s.animateConstant)] = kept;
    const QByteArray bytes = gif->Finish();
    if (bytes.isEmpty()) return RenderFail(PictureSaveFailure(gif->Error()));
    const QString path = QString::fromStdString(s.output);
    const FileResult written = WriteFileAtomically(path, bytes);
    if (!written.ok()) return RenderFail(PictureSaveFailure(written.message));
    return status > 0 || run.host.Informations + run.host.Errors > 0 ? 1 : 0;
}

}  // namespace kurvo::app
