// kurvo32 render: the picture at the end of the run, in the format its
// name asks for. Rasters are the picture the window would show (drawn
// again at --scale times the size); SVG and PDF are drawn from the
// recording of the picture, as vector paths and text.
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdlib>

#include "headless_host.h"
#include "output/picture_files.h"
#include "plot/graph_window.h"
#include "render_actions.h"
#include "ui/qimage_canvas.h"
#include "ui/vector_picture.h"

namespace kurvo::app {
namespace {

QString TargetOf(const RenderSetup& s) {
    if (s.savePicture.empty()) return QString::fromStdString(s.output);
    return PictureFileName(QString::fromStdString(s.savePicture), *PictureFormatOf("x." + QString::fromStdString(s.filter)));
}

std::string ParseScale(RenderSetup& s, const std::string& v) {
    char* end = nullptr;
    const long n = std::strtol(v.c_str(), &end, 10);
    if (v.empty() || *end != 0 || n < 1 || n > 4) return "--scale needs a whole number from 1 to 4";
    s.scale = int(n);
    return {};
}
std::string ParseSavePicture(RenderSetup& s, const std::string& v) {
    if (v.empty()) return "--save-picture needs a file name";
    s.savePicture = v;
    return {};
}
std::string ParseFilter(RenderSetup& s, const std::string& v) {
    if (v != "bmp" && v != "gif" && v != "svg" && v != "pdf") return "--filter needs bmp, gif, svg or pdf";
    s.filter = v;
    return {};
}
std::string ParseViaClipboard(RenderSetup& s, const std::string&) {
    s.viaClipboard = true;
    return {};
}

const RenderActionRegistration rows({
    {"--save-picture", "NAME",
     "write the picture as \"Save as Picture\" does, instead of\n"
     "-o: the --filter's extension is added unless NAME ends in it",
     12, ParseSavePicture, nullptr},
    {"--filter", "TYPE", "the save dialog's type: bmp (default), gif, svg or pdf", 13, ParseFilter, nullptr},
    {"--scale", "N", "draw raster pictures at N (1 to 4) times the size, as on\na screen of that pixel ratio",
     14, ParseScale, nullptr},
    {"--via-clipboard", nullptr, "copy the picture to the clipboard as the window does and\nwrite what it gives back",
     15, ParseViaClipboard, nullptr},
});

}  // namespace

std::string CheckPictureOutput(const RenderSetup& s) {
    if (s.output.empty() && s.savePicture.empty())
        return s.savesWorkspace || s.pictureOptional ? std::string() : "-o FILE is required";
    if (!PictureFormatOf(TargetOf(s)))
        return "the output must end in .png, .bmp, .gif, .svg or .pdf";
    return {};
}

std::string WriteRenderPicture(RenderRun& run) {
    if (run.setup.output.empty() && run.setup.savePicture.empty()) return {};  // a workspace run
    const RecordingCanvas* recording = run.graph.PictureRecording();
    QImageCanvas* raster = run.host.LastPicture();
    if (!recording || !raster) return "nothing was drawn";
    const QString target = TargetOf(run.setup);
    const PictureFormat format = *PictureFormatOf(target);
    QImage image = run.setup.scale > 1 ? RenderAtScale(*recording, run.setup.scale) : raster->image();
    if (run.setup.viaClipboard) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setImage(image);
        image = clipboard->image();
        if (image.isNull()) return PictureSaveFailure("the clipboard gave no picture back");
    }
    return SavePicture(target, format, *recording, image);
}

}  // namespace kurvo::app
