// kurvo32 print: plot as render does, then print the picture on one page
// of a PDF printer, as "&Print" does with its dialog answered: the full
// page, no margins, portrait.
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "commands.h"
#include "expr/encoding.h"
#include "headless_host.h"
#include "output/print_job.h"
#include "plot/graph_window.h"
#include "render_actions.h"
#include "ui/qimage_canvas.h"
#include "workspace/atomic_write.h"

namespace kurvo::app {
namespace {

const char* kUsage =
    "Usage: kurvo32 print -o FILE.pdf [--percent P] [--page A4|Letter] [--resolution DPI]\n"
    "                     [render options] FORMULA...\n"
    "Plots each FORMULA as kurvo32 render does, then prints the picture on one page\n"
    "of a PDF printer as the Print dialog does, and prints the page size in printer\n"
    "pixels, the picture's rectangle on it and the caption.\n\n";

// The print dialog's answers.
std::string percentText = "100";
QPageSize::PageSizeId pageSize = QPageSize::A4;
int resolution = 300;

std::string ParsePercent(RenderSetup&, const std::string& v) {
    percentText = v;  // checked as the dialog's field is, when printing
    return {};
}
std::string ParsePage(RenderSetup&, const std::string& v) {
    if (v == "A4") pageSize = QPageSize::A4;
    else if (v == "Letter") pageSize = QPageSize::Letter;
    else return "--page needs A4 or Letter";
    return {};
}
std::string ParseResolution(RenderSetup&, const std::string& v) {
    char* end = nullptr;
    const long n = std::strtol(v.c_str(), &end, 10);
    if (v.empty() || *end != 0 || n < 36 || n > 2400) return "--resolution needs dots per inch from 36 to 2400";
    resolution = int(n);
    return {};
}

std::string CheckPdf(const RenderSetup& s) {
    if (s.output.empty()) return "-o FILE.pdf is required";
    if (QFileInfo(QString::fromStdString(s.output)).suffix().toLower() != "pdf") return "the output must end in .pdf";
    return {};
}

// The printed page's bytes written to `target`; "" or the message. A page
// cut short (its own disk full) lacks the end-of-file mark.
std::string CopyPrintedPage(const QString& pageFile, const QString& target) {
    QByteArray bytes;
    if (const FileResult r = ReadFileBytes(pageFile, bytes, std::numeric_limits<qint64>::max() / 2); !r.ok())
        return r.message;
    if (!bytes.trimmed().endsWith("%%EOF")) return FileErrorText(target, "the page could not be printed");
    const FileResult written = WriteFileAtomically(target, bytes);
    return written.ok() ? std::string() : written.message;
}

int Print(RenderRun& run, int status) {
    std::string message;
    const auto percent = PrintPercentage(Utf8ToCp1252(percentText), &message);
    if (!percent) {
        std::fprintf(stderr, "%s\n", Cp1252ToUtf8(message).c_str());
        return 1;
    }
    QImageCanvas* raster = run.host.LastPicture();
    if (!raster) return RenderFail("nothing was drawn");

    // The printer writes its own file, in a private folder; its bytes then
    // go through the one writer, so a failure keeps the old file, a link
    // is written through and a new file gets the usual mode.
    const QString target = QString::fromStdString(run.setup.output);
    QTemporaryDir scratch;
    if (!scratch.isValid()) return RenderFail(FileErrorText(target, scratch.errorString().toStdString()));
    const QString pageFile = scratch.filePath("page.pdf");

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pageFile);
    printer.setResolution(resolution);
    printer.setPageSize(QPageSize(pageSize));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));

    PrintRequest request;
    request.picture = raster->image();
    const int last = run.graph.Settings.LastGraph;
    if (last >= 0 && last < kGraphSlotCount) request.graphText = run.graph.Slots.GraphText[last];
    request.background = run.graph.Settings.BackgroundColour;
    const PrintedPage page = PrintGraph(printer, *percent, request);
    if (printer.printerState() == QPrinter::Error) return RenderFail(FileErrorText(target, "the page could not be printed"));
    if (const std::string message = CopyPrintedPage(pageFile, target); !message.empty()) return RenderFail(message);
    std::printf("Page: %d x %d\n", page.pageWidth, page.pageHeight);
    std::printf("Rectangle: %d,%d,%d,%d\n", page.rect.left, page.rect.top, page.rect.right, page.rect.bottom);
    std::printf("Caption: %s\n", Cp1252ToUtf8(page.caption).c_str());
    return status;
}

int RunPrint(int argc, char** argv) {
    const RenderFinish finish{
        "print",
        kUsage,
        {
            {"--percent", "P", "the print dialog's \"Percentage of page size\" (default 100)", 11, ParsePercent,
             nullptr},
            {"--page", "SIZE", "paper: A4 (default) or Letter", 12, ParsePage, nullptr},
            {"--resolution", "DPI", "printer resolution in dots per inch (default 300)", 13, ParseResolution,
             nullptr},
        },
        CheckPdf,
        Print,
        {},
    };
    return RunRenderCommand(argc, argv, finish);
}

const Registration registration({"print", "plot formulas and print the picture to a PDF page", RunPrint});

}  // namespace
}  // namespace kurvo::app
