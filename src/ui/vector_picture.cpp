#include "ui/vector_picture.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "plot/recording_canvas.h"
#include "ui/painter_canvas.h"
#include "workspace/atomic_write.h"

namespace kurvo {

namespace {
void Replay(const RecordingCanvas& picture, QPainter& painter) {
    PainterCanvas canvas(painter, picture.width(), picture.height());
    picture.Replay(canvas);
}
}  // namespace

QByteArray EncodeVectorPicture(const RecordingCanvas& picture, PictureFormat format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const int w = picture.width(), h = picture.height();
    if (format == PictureFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(w, h));
        svg.setViewBox(QRect(0, 0, w, h));
        svg.setResolution(96);
        svg.setTitle("Kurvo32 graph");
        {
            QPainter painter(&svg);
            Replay(picture, painter);
        }
        // The generator gives the size in millimetres; the picture is
        // measured in pixels, as the window shows it.
        const qsizetype root = bytes.indexOf("<svg");
        const qsizetype end = root < 0 ? -1 : bytes.indexOf('\n', root);
        if (end > root)
            bytes.replace(root, end - root,
                          QStringLiteral("<svg width=\"%1\" height=\"%2\"").arg(w).arg(h).toUtf8());
    } else if (format == PictureFormat::Pdf) {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(w * 0.75, h * 0.75), QPageSize::Point, {}, QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setCreator("Kurvo32");
        QPainter painter(&pdf);
        Replay(picture, painter);
    }
    return bytes;
}

QImage RenderAtScale(const RecordingCanvas& picture, qreal scale) {
    QImage image(qRound(picture.width() * scale), qRound(picture.height() * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    Replay(picture, painter);
    painter.end();
    image.setDevicePixelRatio(scale);
    return image;
}

std::string SavePicture(const QString& path, PictureFormat format, const RecordingCanvas& picture,
                        const QImage& raster) {
    if (format != PictureFormat::Svg && format != PictureFormat::Pdf)
        return SaveRasterPicture(path, raster, format);
    const QByteArray bytes = EncodeVectorPicture(picture, format);
    if (bytes.isEmpty()) return PictureSaveFailure("the picture could not be drawn");
    const FileResult r = WriteFileAtomically(path, bytes);
    return r.ok() ? std::string() : PictureSaveFailure(r.message);
}

}  // namespace kurvo
