#pragma once
// Picture files of the graph: Windows bitmaps and GIF images from the
// off-screen picture, with the naming rule of the save dialog and the one
// message a failed save shows. Every file goes through the atomic writer,
// so a failed save leaves the previous picture as it was.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>
#include <string>

namespace kurvo {

enum class PictureFormat { Bmp, Gif, Png, Svg, Pdf };

// The format an extension names (".bmp", ".GIF", ...), if any.
std::optional<PictureFormat> PictureFormatOf(const QString& fileName);
QString PictureExtension(PictureFormat format);  // ".bmp"
// The name as entered, with the format's extension appended unless it
// already ends in it (in any case).
QString PictureFileName(const QString& name, PictureFormat format);

// A 24-bit Windows bitmap of the image.
QByteArray EncodeBmp(const QImage& image);
// A GIF image: a picture of at most 256 colours keeps every pixel's
// colour exactly; more colours are reduced by median cut. Empty on failure
// with `error` set.
QByteArray EncodeGif(const QImage& image, std::string* error = nullptr);

// Writes a raster picture (BMP, GIF or PNG) to `path` as named; "" on
// success, else "The picture could not be saved: " and the reason.
std::string SaveRasterPicture(const QString& path, const QImage& image, PictureFormat format);
// The message of a failed save.
std::string PictureSaveFailure(const std::string& reason);

}  // namespace kurvo
