// The animated GIF: frames share the first table while their colours fit,
// a frame that brings more gets its own, and every pixel decodes to the
// colour it had.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QTemporaryFile>

#include "output/gif_animation.h"

namespace kurvo {
namespace {

// A 20x10 picture of `count` distinct colours starting at `first`.
QImage Colours(int first, int count) {
    QImage image(20, 10, QImage::Format_RGB32);
    for (int i = 0; i < 200; ++i) {
        const int c = first + i % count;
        image.setPixel(i % 20, i / 20, qRgb(c & 0xFF, (c >> 8) & 0xFF, 77));
    }
    return image;
}

QRgb Decoded(const GifFileType* gif, int frame, int x, int y) {
    const SavedImage& image = gif->SavedImages[frame];
    const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
    const GifColorType c = map->Colors[image.RasterBits[y * image.ImageDesc.Width + x]];
    return qRgb(c.Red, c.Green, c.Blue);
}

TEST(GifAnimation, SharedTableUntilItOverflows) {
    struct Case {
        const char* name;
        std::vector<QImage> frames;
        std::vector<bool> ownTable;
    } cases[] = {
        {"few colours: one table", {Colours(0, 3), Colours(1, 3), Colours(0, 4)}, {false, false, false}},
        {"150 + 150 new colours do not fit", {Colours(0, 150), Colours(1000, 150), Colours(0, 150)},
         {false, true, false}},
    };
    for (const Case& c : cases) {
        GifAnimation animation(20, 10, 40);
        for (const QImage& frame : c.frames) ASSERT_TRUE(animation.AddFrame(frame)) << c.name;
        const QByteArray bytes = animation.Finish();
        ASSERT_FALSE(bytes.isEmpty()) << animation.Error();
        QTemporaryFile file;
        ASSERT_TRUE(file.open());
        file.write(bytes);
        file.close();
        int error = 0;
        GifFileType* gif = DGifOpenFileName(file.fileName().toLocal8Bit().constData(), &error);
        ASSERT_NE(gif, nullptr);
        ASSERT_EQ(DGifSlurp(gif), GIF_OK) << c.name;
        ASSERT_EQ(gif->ImageCount, int(c.frames.size())) << c.name;
        for (int f = 0; f < gif->ImageCount; ++f) {
            EXPECT_EQ(gif->SavedImages[f].ImageDesc.ColorMap != nullptr, c.ownTable[size_t(f)]) << c.name << f;
            for (int y = 0; y < 10; ++y)
                for (int x = 0; x < 20; ++x)
                    ASSERT_EQ(Decoded(gif, f, x, y), (c.frames[size_t(f)].pixel(x, y) & 0xFFFFFFu) | 0xFF000000u)
                        << c.name << " frame " << f << " at " << x << "," << y;
        }
        GraphicsControlBlock control;
        ASSERT_EQ(DGifSavedExtensionToGCB(gif, 1, &control), GIF_OK);
        EXPECT_EQ(control.DelayTime, 4);
        DGifCloseFile(gif, &error);
    }
    GifAnimation animation(20, 10, 100);
    EXPECT_FALSE(animation.AddFrame(QImage(10, 10, QImage::Format_RGB32)));
    EXPECT_FALSE(animation.Error().empty());
}

}  // namespace
}  // namespace kurvo
