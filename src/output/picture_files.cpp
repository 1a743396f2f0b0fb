#include "output/picture_files.h"

#include <QBuffer>
#include <QFileInfo>

#include "workspace/atomic_write.h"

namespace kurvo {

std::optional<PictureFormat> PictureFormatOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == "bmp") return PictureFormat::Bmp;
    if (suffix == "gif") return PictureFormat::Gif;
    if (suffix == "png") return PictureFormat::Png;
    if (suffix == "svg") return PictureFormat::Svg;
    if (suffix == "pdf") return PictureFormat::Pdf;
    return std::nullopt;
}

QString PictureExtension(PictureFormat format) {
    switch (format) {
        case PictureFormat::Bmp: return ".bmp";
        case PictureFormat::Gif: return ".gif";
        case PictureFormat::Png: return ".png";
        case PictureFormat::Svg: return ".svg";
        case PictureFormat::Pdf: return ".pdf";
    }
    return {};
}

QString PictureFileName(const QString& name, PictureFormat format) {
    const QString extension = PictureExtension(format);
    return name.endsWith(extension, Qt::CaseInsensitive) ? name : name + extension;
}

QByteArray EncodeBmp(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // RGB888 makes Qt write a 24-bit bitmap, what the window shows.
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bytes;
}

std::string PictureSaveFailure(const std::string& reason) {
    return "The picture could not be saved: " + reason;
}

std::string SaveRasterPicture(const QString& path, const QImage& image, PictureFormat format) {
    QByteArray bytes;
    std::string error;
    switch (format) {
        case PictureFormat::Bmp: bytes = EncodeBmp(image); break;
        case PictureFormat::Gif: bytes = EncodeGif(image, &error); break;
        case PictureFormat::Png: {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
            break;
        }
        default: return PictureSaveFailure("not a raster format");
    }
    if (bytes.isEmpty()) return PictureSaveFailure(error.empty() ? "the picture could not be encoded" : error);
    const FileResult r = WriteFileAtomically(path, bytes);
    return r.ok() ? std::string() : PictureSaveFailure(r.message);
}

}  // namespace kurvo
