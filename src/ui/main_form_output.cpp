// The main window's output: printing, printer set-up, picture files and
// the clipboard, all from the picture the window shows.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "expr/encoding.h"
#include "output/picture_files.h"
#include "output/print_job.h"
#include "plot/graph_window.h"
#include "ui/main_form.h"
#include "ui/print_dialog.h"
#include "ui/qimage_canvas.h"
#include "ui/vector_picture.h"
#include "workspace/data_files.h"

namespace kurvo {

namespace {
// The save dialog's filters, in the order of its list.
struct PictureFilter {
    const char* text;
    PictureFormat format;
};
constexpr PictureFilter kPictureFilters[] = {
    {"Bitmap (.bmp) (*.bmp)", PictureFormat::Bmp},
    {"Gif (.gif) (*.gif)", PictureFormat::Gif},
    {"SVG (.svg) (*.svg)", PictureFormat::Svg},
    {"PDF (.pdf) (*.pdf)", PictureFormat::Pdf},
};
}  // namespace

void TMainForm::WireOutputEntries() {
    const auto bind = [this](const char* caption, void (TMainForm::*command)()) {
        QAction* a = Action(caption);
        a->setEnabled(true);
        a->setProperty("built", true);
        connect(a, &QAction::triggered, this, [this, command] {
            // Not while a plot runs: the picture is still being drawn.
            if (busyDepth_ == 0) (this->*command)();
        });
    };
    bind("&Print", &TMainForm::PrintGraph);
    bind("Printer Setup", &TMainForm::PrinterSetup);
    bind("Save as &Picture", &TMainForm::SavePicture);
}

const QImage* TMainForm::DisplayImage() const {
    const QImage* picture = PictureImage();
    const qreal ratio = devicePixelRatioF();
    const RecordingCanvas* recording = graph_ ? graph_->PictureRecording() : nullptr;
    if (!picture || ratio <= 1 || !recording) return picture;
    // Drawn again only when the picture changed since.
    if (displayImage_.isNull() || displayKey_ != picture->cacheKey() || displayOps_ != recording->OperationCount() ||
        displayImage_.devicePixelRatio() != ratio) {
        displayImage_ = RenderAtScale(*recording, ratio);
        displayKey_ = picture->cacheKey();
        displayOps_ = recording->OperationCount();
    }
    return &displayImage_;
}

void TMainForm::CopyGraphToClipboard() {
    if (const QImage* image = DisplayImage()) QApplication::clipboard()->setImage(*image);
}

void TMainForm::PrintGraph() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!printDialog_) printDialog_ = std::make_unique<TKurvoPrintDialog>(*printer_, this);
    if (!printDialog_->Execute()) return;
    PrintOn(*printer_, printDialog_->PercentText());
}

bool TMainForm::PrintOn(QPrinter& printer, const QString& percentText) {
    std::string message;
    const auto percent = PrintPercentage(Utf8ToCp1252(percentText.toStdString()), &message);
    if (!percent) {
        ShowError(message);
        return false;
    }
    PrintRequest request;
    if (const QImage* picture = PictureImage()) request.picture = *picture;
    const int last = graph_->Settings.LastGraph;
    if (last >= 0 && last < kGraphSlotCount) request.graphText = graph_->Slots.GraphText[last];
    request.windowFontPoints = std::max(1, font().pointSize());
    request.background = graph_->Settings.BackgroundColour;
    kurvo::PrintGraph(printer, *percent, request);
    return true;
}

void TMainForm::PrinterSetup() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.exec();
}

void TMainForm::SavePicture() {
    if (!pictureDialog_) {
        pictureDialog_ = new QFileDialog(this, "Save as Picture");
        pictureDialog_->setAcceptMode(QFileDialog::AcceptSave);
        QStringList filters;
        for (const auto& f : kPictureFilters) filters << f.text;
        pictureDialog_->setNameFilters(filters);
        pictureDialog_->setDirectory(NearestExistingFolder(
            dialogFolder_.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                    : dialogFolder_));
    }
    if (pictureDialog_->exec() != QDialog::Accepted || pictureDialog_->selectedFiles().isEmpty()) return;
    const int filter = static_cast<int>(pictureDialog_->nameFilters().indexOf(pictureDialog_->selectedNameFilter()));
    SavePictureAs(pictureDialog_->selectedFiles().first(), std::max(0, filter));
}

void TMainForm::SavePictureAs(const QString& name, int filter) {
    const PictureFormat format = kPictureFilters[std::clamp(filter, 0, 3)].format;
    const QImage* picture = PictureImage();
    const RecordingCanvas* recording = graph_->PictureRecording();
    if (!picture || !recording) {
        ShowError(PictureSaveFailure("nothing has been drawn yet"));
        return;
    }
    const std::string failure = kurvo::SavePicture(PictureFileName(name, format), format, *recording, *picture);
    if (!failure.empty()) ShowError(failure);
}

}  // namespace kurvo
