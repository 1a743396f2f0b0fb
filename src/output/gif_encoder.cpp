// GIF encoding through giflib: an exact palette when the picture has few
// enough colours (axes, grid and five graph colours usually do), giflib's
// median-cut quantiser otherwise; single pictures and animations.
#include <gif_lib.h>

#include <QBuffer>
#include <algorithm>
#include <unordered_map>
#include <vector>

#include "output/gif_animation.h"
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

// Indexes the picture with the table `shared` (colour to index), adding
// its new colours there and to `palette`; false, both left as they were,
// when they would not fit in 256.
bool IndexShared(const QImage& image, std::unordered_map<QRgb, GifByteType>& shared,
                 std::vector<GifColorType>& palette, std::vector<GifByteType>& pixels) {
    std::unordered_map<QRgb, GifByteType> added;
    const size_t before = palette.size();
    size_t n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = row[x] & 0xFFFFFFu;
            auto it = shared.find(c);
            if (it == shared.end()) {
                if (shared.size() == 256) {
                    for (const auto& entry : added) shared.erase(entry.first);
                    palette.resize(before);
                    return false;
                }
                it = shared.emplace(c, static_cast<GifByteType>(shared.size())).first;
                added.emplace(c, it->second);
                palette.push_back({static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                                   static_cast<GifByteType>(qBlue(c))});
            }
            pixels[n++] = it->second;
        }
    }
    return true;
}

// Exact palette, or nothing when there are more than 256 colours.
bool IndexExactly(const QImage& image, Indexed& out) {
    std::unordered_map<QRgb, GifByteType> index;
    out.pixels.resize(static_cast<size_t>(image.width()) * static_cast<size_t>(image.height()));
    return IndexShared(image, index, out.palette, out.pixels);
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

// The shared colour table is written as 256 placeholder entries and filled
// in by Finish: colours only ever join it, so every index a frame used
// keeps its meaning, and no frame has to be held back until the end.
struct GifAnimation::State {
    QByteArray bytes;
    GifFileType* gif = nullptr;
    int width = 0, height = 0, delay = 10;
    std::unordered_map<QRgb, GifByteType> shared;
    std::vector<GifColorType> palette;
    std::vector<GifByteType> pixels;
    bool failed = false;
};

namespace {

constexpr int kSharedTableOffset = 13;  // after the header and the screen descriptor

bool PutLoopForever(GifFileType* gif) {
    static const GifByteType netscape[] = "NETSCAPE2.0";
    static const GifByteType loop[] = {1, 0, 0};  // sub-block 1, loop count 0 = for ever
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, 11, netscape) == GIF_OK && EGifPutExtensionBlock(gif, 3, loop) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

}  // namespace

GifAnimation::GifAnimation(int width, int height, int delayMs) : state_(std::make_unique<State>()) {
    State& s = *state_;
    s.width = width;
    s.height = height;
    s.delay = std::max(0, (delayMs + 5) / 10);
    s.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    int status = 0;
    s.gif = EGifOpen(&s.bytes, AppendBytes, &status);
    if (!s.gif) {
        error_ = GifErrorString(status);
        s.failed = true;
        return;
    }
    EGifSetGifVersion(s.gif, true);
    std::vector<GifColorType> placeholder(256, GifColorType{});
    ColorMapObject* map = GifMakeMapObject(256, placeholder.data());
    const bool ok = width > 0 && height > 0 && width <= 65535 && height <= 65535 && map &&
                    EGifPutScreenDesc(s.gif, width, height, 8, 0, map) == GIF_OK && PutLoopForever(s.gif);
    GifFreeMapObject(map);
    if (!ok) {
        error_ = "the animation could not be started";
        s.failed = true;
    }
}

GifAnimation::~GifAnimation() {
    if (state_->gif) EGifCloseFile(state_->gif, nullptr);
}

bool GifAnimation::AddFrame(const QImage& source) {
    State& s = *state_;
    if (s.failed) return false;
    if (source.width() != s.width || source.height() != s.height) {
        error_ = "a frame differs in size from the animation";
        return false;
    }
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const GifByteType control[4] = {0, static_cast<GifByteType>(s.delay & 0xFF),
                                    static_cast<GifByteType>(s.delay >> 8), 0};
    bool ok = EGifPutExtension(s.gif, GRAPHICS_EXT_FUNC_CODE, 4, control) == GIF_OK;
    ColorMapObject* local = nullptr;
    const GifByteType* pixels = s.pixels.data();
    Indexed own;
    if (ok && !IndexShared(image, s.shared, s.palette, s.pixels)) {
        ok = IndexExactly(image, own) || Quantise(image, own);
        int bits = 1;
        while ((1 << bits) < static_cast<int>(own.palette.size())) ++bits;
        own.palette.resize(size_t{1} << bits, GifColorType{});
        local = ok ? GifMakeMapObject(1 << bits, own.palette.data()) : nullptr;
        pixels = own.pixels.data();
        ++localTables_;
    }
    // giflib drops its copy of the last frame's own table without freeing it
    // when the next frame has none.
    if (!local && s.gif->Image.ColorMap) {
        GifFreeMapObject(s.gif->Image.ColorMap);
        s.gif->Image.ColorMap = nullptr;
    }
    ok = ok && EGifPutImageDesc(s.gif, 0, 0, s.width, s.height, false, local) == GIF_OK;
    for (int y = 0; ok && y < s.height; ++y)
        ok = EGifPutLine(s.gif, const_cast<GifByteType*>(pixels) + static_cast<size_t>(y) * s.width, s.width) ==
             GIF_OK;
    if (local) GifFreeMapObject(local);
    if (!ok) {
        error_ = GifErrorString(s.gif->Error);
        s.failed = true;
    }
    return ok;
}

QByteArray GifAnimation::Finish() {
    State& s = *state_;
    if (s.gif) {
        int status = 0;
        const bool closed = EGifCloseFile(s.gif, &status) == GIF_OK;
        s.gif = nullptr;
        if (!closed && !s.failed) {
            error_ = GifErrorString(status);
            s.failed = true;
        }
    }
    if (s.failed || s.bytes.size() < kSharedTableOffset + 3 * 256) return {};
    for (size_t i = 0; i < s.palette.size(); ++i) {
        const int at = kSharedTableOffset + 3 * static_cast<int>(i);
        s.bytes[at] = static_cast<char>(s.palette[i].Red);
        s.bytes[at + 1] = static_cast<char>(s.palette[i].Green);
        s.bytes[at + 2] = static_cast<char>(s.palette[i].Blue);
    }
    return s.bytes;
}

}  // namespace kurvo
