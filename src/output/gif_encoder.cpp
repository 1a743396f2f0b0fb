// GIF encoding through giflib: an exact palette when the picture has few
// enough colours (axes, grid and five graph colours usually do), giflib's
// median-cut quantiser otherwise.
#include <gif_lib.h>

#include <QBuffer>
#include <unordered_map>
#include <vector>

#include "output/picture_files.h"

namespace kurvo {
namespace {

int AppendBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

struct Indexed {
    std::vector<GifColorType> palette;
    std::vector<GifByteType> pixels;
};

// Exact palette, or nothing when there are more than 256 colours.
bool IndexExactly(const QImage& image, Indexed& out) {
    std::unordered_map<QRgb, GifByteType> index;
    out.pixels.resize(static_cast<size_t>(image.width()) * static_cast<size_t>(image.height()));
    size_t n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = row[x] & 0xFFFFFFu;
            auto it = index.find(c);
            if (it == index.end()) {
                if (index.size() == 256) return false;
                it = index.emplace(c, static_cast<GifByteType>(index.size())).first;
                out.palette.push_back({static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                                       static_cast<GifByteType>(qBlue(c))});
            }
            out.pixels[n++] = it->second;
        }
    }
    return true;
}

bool Quantise(const QImage& image, Indexed& out) {
    const size_t count = static_cast<size_t>(image.width()) * static_cast<size_t>(image.height());
    std::vector<GifByteType> r(count), g(count), b(count);
    size_t n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x, ++n) {
            r[n] = static_cast<GifByteType>(qRed(row[x]));
            g[n] = static_cast<GifByteType>(qGreen(row[x]));
            b[n] = static_cast<GifByteType>(qBlue(row[x]));
        }
    }
    int size = 256;
    out.palette.assign(256, GifColorType{});
    out.pixels.assign(count, 0);
    if (GifQuantizeBuffer(static_cast<unsigned>(image.width()), static_cast<unsigned>(image.height()), &size,
                          r.data(), g.data(), b.data(), out.pixels.data(), out.palette.data()) == GIF_ERROR)
        return false;
    out.palette.resize(static_cast<size_t>(size));
    return true;
}

}  // namespace

QByteArray EncodeGif(const QImage& source, std::string* error) {
    const auto fail = [error](const std::string& why) {
        if (error) *error = why;
        return QByteArray();
    };
    if (source.isNull() || source.width() > 65535 || source.height() > 65535)
        return fail("the picture is too large for a GIF image");
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    Indexed indexed;
    if (!IndexExactly(image, indexed) && !Quantise(image, indexed)) return fail("colour reduction failed");
    // A colour table holds a power of two entries, at least 2.
    int bits = 1;
    while ((1 << bits) < static_cast<int>(indexed.palette.size())) ++bits;
    indexed.palette.resize(size_t{1} << bits, GifColorType{});

    QByteArray bytes;
    int status = 0;
    GifFileType* gif = EGifOpen(&bytes, AppendBytes, &status);
    if (!gif) return fail(GifErrorString(status));
    ColorMapObject* map = GifMakeMapObject(1 << bits, indexed.palette.data());
    bool ok = map && EGifPutScreenDesc(gif, image.width(), image.height(), bits, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < image.height(); ++y)
        ok = EGifPutLine(gif, indexed.pixels.data() + static_cast<size_t>(y) * image.width(), image.width()) ==
             GIF_OK;
    const int lastError = gif->Error;
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &status) != GIF_OK && ok) return fail(GifErrorString(status));
    if (!ok) return fail(GifErrorString(lastError));
    return bytes;
}

}  // namespace kurvo
