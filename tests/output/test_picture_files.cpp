// Picture files: the naming rule, GIF images read back pixel for pixel,
// reduced GIFs of many-coloured pictures, bitmaps, and failed saves that
// leave the previous file alone.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gif_lib.h>

#include "output/picture_files.h"

namespace kurvo {
namespace {

TEST(PictureFiles, NamesGetTheFiltersExtensionOnlyWhenMissing) {
    struct Case {
        const char* name;
        PictureFormat format;
        const char* expected;
    } cases[] = {
        {"graph", PictureFormat::Bmp, "graph.bmp"},       {"graph.bmp", PictureFormat::Bmp, "graph.bmp"},
        {"GRAPH.BMP", PictureFormat::Bmp, "GRAPH.BMP"},   {"graph.bmp", PictureFormat::Gif, "graph.bmp.gif"},
        {"a.b/graph", PictureFormat::Svg, "a.b/graph.svg"}, {"x.Pdf", PictureFormat::Pdf, "x.Pdf"},
    };
    for (const auto& c : cases) EXPECT_EQ(PictureFileName(c.name, c.format), c.expected) << c.name;
    EXPECT_EQ(PictureFormatOf("a.GIF"), PictureFormat::Gif);
    EXPECT_FALSE(PictureFormatOf("a.jpeg").has_value());
}

// Decodes with giflib itself: every pixel's palette colour.
QImage DecodeGif(const QByteArray& bytes) {
    struct Source {
        const QByteArray* bytes;
        int at = 0;
    } source{&bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(
        &source,
        [](GifFileType* g, GifByteType* out, int n) {
            auto* s = static_cast<Source*>(g->UserData);
            n = std::min(n, static_cast<int>(s->bytes->size()) - s->at);
            memcpy(out, s->bytes->constData() + s->at, static_cast<size_t>(n));
            s->at += n;
            return n;
        },
        &error);
    if (!gif || DGifSlurp(gif) != GIF_OK || gif->ImageCount != 1) return {};
    const SavedImage& frame = gif->SavedImages[0];
    const ColorMapObject* map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
    QImage image(frame.ImageDesc.Width, frame.ImageDesc.Height, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const GifColorType c = map->Colors[frame.RasterBits[y * image.width() + x]];
            image.setPixel(x, y, qRgb(c.Red, c.Green, c.Blue));
        }
    DGifCloseFile(gif, &error);
    return image;
}

QImage Graphlike(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    for (int x = 0; x < w; ++x) {
        image.setPixel(x, h / 2, qRgb(0, 0, 0));
        image.setPixel(x, (x * 7) % h, qRgb(255, 0, 0));
        image.setPixel(x, (x * 3) % h, qRgb(0, 128, 0));
    }
    return image;
}

TEST(PictureFiles, GifKeepsEveryPixelOfAFewColouredPicture) {
    for (const QImage& picture : {Graphlike(800, 600), Graphlike(1, 1), Graphlike(33, 7)}) {
        const QImage back = DecodeGif(EncodeGif(picture));
        ASSERT_FALSE(back.isNull());
        EXPECT_EQ(back, picture.convertToFormat(QImage::Format_RGB32)) << picture.width();
    }
    // Exactly 256 colours still fit the palette.
    QImage grey(256, 3, QImage::Format_RGB32);
    for (int x = 0; x < 256; ++x)
        for (int y = 0; y < 3; ++y) grey.setPixel(x, y, qRgb(x, x, x));
    EXPECT_EQ(DecodeGif(EncodeGif(grey)), grey);
}

TEST(PictureFiles, ManyColouredPicturesAreReducedToAValidGif) {
    QImage many(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) many.setPixel(x, y, qRgb(x % 256, y, (x * y) % 256));
    const QImage back = DecodeGif(EncodeGif(many));
    ASSERT_EQ(back.size(), many.size());
    // Median cut keeps colours close on average.
    double error = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) error += std::abs(qRed(back.pixel(x, y)) - qRed(many.pixel(x, y)));
    EXPECT_LT(error / (300 * 200), 16.0);
}

TEST(PictureFiles, BitmapsAre24BitAndFailedSavesKeepTheOldFile) {
    const QImage picture = Graphlike(40, 30);
    const QByteArray bmp = EncodeBmp(picture);
    ASSERT_GE(bmp.size(), 54);
    EXPECT_EQ(bmp.left(2), "BM");
    EXPECT_EQ(static_cast<uint8_t>(bmp[28]), 24);  // bits per pixel
    EXPECT_EQ(QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB32), picture);

    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("graph.gif");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("previous");
    }
    QDir(dir.path()).mkdir("folder.gif");
    const std::string failed = SaveRasterPicture(QDir(dir.path()).filePath("folder.gif"), picture, PictureFormat::Gif);
    EXPECT_EQ(failed.rfind("The picture could not be saved: ", 0), 0u) << failed;
    EXPECT_NE(failed.find("Is a directory"), std::string::npos) << failed;
    EXPECT_EQ(SaveRasterPicture(path, picture, PictureFormat::Gif), "");
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), picture);
    EXPECT_EQ(SaveRasterPicture("/dev/full", picture, PictureFormat::Bmp),
              "The picture could not be saved: /dev/full: No space left on device");
}

}  // namespace
}  // namespace kurvo
