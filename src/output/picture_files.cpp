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

namespace {
void PutLe(char* at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
}  // namespace

QByteArray EncodeBmp(const QImage& source) {
    // Written here rather than by Qt's writer: one pass over the rows,
    // a quarter of the time.
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    const int stride = (w * 3 + 3) & ~3;
    const uint32_t pixels = static_cast<uint32_t>(stride) * static_cast<uint32_t>(h);
    QByteArray bytes(54 + static_cast<qsizetype>(pixels), '\0');
    char* d = bytes.data();
    d[0] = 'B';
    d[1] = 'M';
    PutLe(d + 2, 54 + pixels, 4);
    PutLe(d + 10, 54, 4);
    PutLe(d + 14, 40, 4);  // BITMAPINFOHEADER
    PutLe(d + 18, static_cast<uint32_t>(w), 4);
    PutLe(d + 22, static_cast<uint32_t>(h), 4);  // positive: rows bottom-up
    PutLe(d + 26, 1, 2);
    PutLe(d + 28, 24, 2);
    PutLe(d + 34, pixels, 4);
    PutLe(d + 38, 3780, 4);  // 96 dpi in pixels per metre
    PutLe(d + 42, 3780, 4);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        char* out = d + 54 + static_cast<qsizetype>(h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            out[3 * x] = static_cast<char>(qBlue(row[x]));
            out[3 * x + 1] = static_cast<char>(qGreen(row[x]));
            out[3 * x + 2] = static_cast<char>(qRed(row[x]));
        }
    }
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
