// The recorded picture drawn again: as SVG and PDF documents and at a
// higher pixel ratio, with the curve where the raster picture has it and
// the text kept as text.
#include <gtest/gtest.h>

#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <functional>

#include "plot/recording_canvas.h"
#include "ui/qimage_canvas.h"
#include "ui/vector_picture.h"

namespace kurvo {
namespace {

constexpr Colour kRed = 0x0000FF;

class VectorPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto raster = std::make_unique<QImageCanvas>(400, 300, 0xFFFFFF);
        raster_ = raster.get();
        picture_ = std::make_unique<RecordingCanvas>(std::move(raster));
        Canvas& c = *picture_;
        c.SetBrushColour(0xFFFFFF);
        c.FillRect(0, 0, 400, 300);
        c.SetPenColour(kRed);
        c.MoveTo(0, Curve(0));
        for (int x = 1; x < 400; ++x) c.LineTo(x, Curve(x));
        c.SetPenColour(0);
        c.SetBrushStyle(BrushStyle::Clear);
        c.Ellipse(10, 10, 30, 30);
        c.SetFont("", 10, 0);
        c.TextOut(300, 20, "-12");
    }
    static int Curve(int x) { return 20 + (x - 200) * (x - 200) / 150; }

    // Row of the reddest pixel of a column.
    static int RedRow(const QImage& image, int x) {
        int best = -1, score = 60;
        for (int y = 0; y < image.height(); ++y) {
            const QRgb p = image.pixel(x, y);
            const int s = qRed(p) - (qGreen(p) + qBlue(p)) / 2;
            if (s > score) score = s, best = y;
        }
        return best;
    }
    void ExpectCurveLikeRaster(const QImage& image, const char* what) {
        const QImage raster = raster_->image();
        int compared = 0;
        for (int x = 20; x < 380; x += 7) {
            const int want = RedRow(raster, x);
            if (want < 0 || want >= 299) continue;
            const int got = RedRow(image, x);
            EXPECT_NEAR(got, want, 2) << what << " column " << x;
            ++compared;
        }
        EXPECT_GT(compared, 20) << what;
    }

    QImageCanvas* raster_ = nullptr;
    std::unique_ptr<RecordingCanvas> picture_;
};

TEST_F(VectorPictureTest, SvgHasThePixelSizeTextAndTheCurveWhereTheRasterHasIt) {
    const QByteArray svg = EncodeVectorPicture(*picture_, PictureFormat::Svg);
    const QRegularExpression root(R"(<svg[^>]*\swidth="400"[^>]*\sheight="300")");
    EXPECT_TRUE(root.match(QString::fromUtf8(svg)).hasMatch()) << svg.left(400).toStdString();
    EXPECT_TRUE(svg.contains(">-12</text>")) << "text stays text";
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    renderer.render(&p);
    p.end();
    ExpectCurveLikeRaster(image, "svg");
}

TEST_F(VectorPictureTest, PdfIsOnePageOfTheAreaAt96PixelsPerInch) {
    const QByteArray pdf = EncodeVectorPicture(*picture_, PictureFormat::Pdf);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 300.000000 225.000000]")) << "400 x 300 px = 300 x 225 pt: " << pdf.mid(pdf.indexOf("/MediaBox"), 40).toStdString();
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1);
}

TEST_F(VectorPictureTest, HigherPixelRatiosDrawAtThatResolution) {
    const QImage twice = RenderAtScale(*picture_, 2);
    ASSERT_EQ(twice.size(), QSize(800, 600));
    EXPECT_EQ(twice.devicePixelRatio(), 2);
    QImage back = twice.scaled(400, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    ExpectCurveLikeRaster(back, "2x");
    // Drawn, not scaled up: the curve is about as thin as at 1x, in device pixels.
    int red = 0;
    for (int y = 0; y < 600; ++y) red += qRed(twice.pixel(400, y)) > 200 && qGreen(twice.pixel(400, y)) < 120;
    EXPECT_LE(red, 3);
    EXPECT_GE(red, 1);
    // The recording restarts when the picture is covered whole.
    picture_->FillRect(0, 0, 400, 300);
    EXPECT_EQ(picture_->OperationCount(), 1u);
}

TEST(RecordingCanvas, FineSamplesRecordAboutOneLinePerPixelAndReplayTheSamePicture) {
    struct Case {
        const char* what;
        PenStyle style;
        std::function<CanvasPoint(int)> at;  // sample i of kSamples
        size_t maxOperations;
    };
    constexpr int kSamples = 200000;
    const Case cases[] = {
        {"parabola", PenStyle::Solid, [](int i) { return CanvasPoint{i / 500, 20 + (i / 500 - 200) * (i / 500 - 200) / 150}; }, 1500},
        {"diagonal", PenStyle::Solid, [](int i) { return CanvasPoint{i / 1000, i / 1000}; }, 10},
        {"staircase", PenStyle::Solid, [](int i) { return CanvasPoint{i / 1000, i / 2000}; }, 250},
        {"back and forth", PenStyle::Solid, [](int i) { return CanvasPoint{(i / 7) % 2 ? 300 : 100, 150}; }, kSamples},
        {"dashed diagonal", PenStyle::Dash, [](int i) { return CanvasPoint{i / 1000, i / 1000}; }, 250},
    };
    for (const auto& c : cases) {
        auto raster = std::make_unique<QImageCanvas>(400, 300, 0xFFFFFF);
        const QImageCanvas& drawn = *raster;
        RecordingCanvas picture(std::move(raster));
        picture.SetPenStyle(c.style);
        picture.MoveTo(c.at(0).x, c.at(0).y);
        for (int i = 1; i < kSamples; ++i) picture.LineTo(c.at(i).x, c.at(i).y);
        EXPECT_LE(picture.OperationCount(), c.maxOperations) << c.what;
        QImageCanvas replayed(400, 300, 0xFFFFFF);
        picture.Replay(replayed);
        int differing = 0, inked = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x) {
                inked += drawn.image().pixel(x, y) != qRgb(255, 255, 255);
                differing += drawn.image().pixel(x, y) != replayed.image().pixel(x, y);
            }
        EXPECT_GT(inked, 50) << c.what;
        EXPECT_LE(differing, inked / 50) << c.what;
    }
}

TEST(RecordingCanvas, AListPastItsBoundBecomesThePicturesPixels) {
    auto raster = std::make_unique<QImageCanvas>(200, 100, 0xFFFFFF);
    const QImageCanvas& drawn = *raster;
    RecordingCanvas picture(std::move(raster));
    // Dots drawn over and over, as a continuous transformation draws its
    // images: nothing to merge, and the picture is never covered whole.
    const size_t bound = RecordingCanvas::kMaxRecordedBytes / 16;  // far more operations than fit
    for (size_t i = 0; i < bound; ++i) picture.SetPixel(int(i * 7 % 200), int(i * 13 % 100), Colour(i % 0xFFFFFF));
    EXPECT_LT(picture.OperationCount(), bound / 2);
    QImageCanvas replayed(200, 100, 0);
    picture.Replay(replayed);
    EXPECT_EQ(replayed.image(), drawn.image());
}

}  // namespace
}  // namespace kurvo
