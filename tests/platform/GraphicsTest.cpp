#include "platform/graphics/QtCanvas.h"
#include "platform/graphics/RecordingCanvas.h"
#include "platform/text/Windows1252.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {
const TColor kRed = RGBColor(255, 0, 0);
const TColor kWhite = RGBColor(255, 255, 255);

struct TQtImage {
    TQtImage() : Image(40, 20, QImage::Format_RGB32) { Image.fill(Qt::white); }
    TColor At(int x, int y) const {
        const QRgb c = Image.pixel(x, y);
        return RGBColor(qRed(c), qGreen(c), qBlue(c));
    }
    QImage Image;
};

QGuiApplication& App() {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}
} // namespace

TEST(Windows1252, ConvertsTheHighBytes) {
    EXPECT_EQ(Windows1252ToUtf8("A\x80\x9F\xE9\x81"), "A\u20AC\u0178\u00E9\xC2\x81");
    EXPECT_EQ(Windows1252ToUtf8(""), "");
}

TEST(RecordingCanvas, KeepsPrimitivesWithTheirState) {
    TRecordingCanvas canvas;
    canvas.SetPen({kRed, 2, TPenStyle::Dot});
    canvas.Line({1, 2}, {30, 2});
    canvas.SetRasterMode(TRasterMode::Xor);
    canvas.Rectangle({0, 0, 10, 10});
    canvas.SetRasterMode(TRasterMode::Normal);
    canvas.SetFont({"Arial", 12, RGBColor(0, 0, 255)});
    canvas.TextOut({5, 6}, "a<b\x80", {0, 0, 40, 20}, true, kWhite);

    ASSERT_EQ(canvas.Primitives.size(), 3u);
    EXPECT_EQ(canvas.Primitives[0].Kind, TPrimitiveKind::Line);
    EXPECT_EQ(canvas.Primitives[0].Points, (std::vector<TPoint>{{1, 2}, {30, 2}}));
    EXPECT_EQ(canvas.Primitives[0].Pen, (TPen{kRed, 2, TPenStyle::Dot}));
    EXPECT_EQ(canvas.Primitives[1].Mode, TRasterMode::Xor);
    EXPECT_EQ(canvas.Primitives[2].Text, "a<b\x80");
    EXPECT_EQ(canvas.TextExtent("abcd"), (TSize{24, 15})); // fixed pitch: 6 per character

    const std::string svg = canvas.ToSvg({40, 20});
    EXPECT_NE(svg.find("<polyline fill=\"none\" stroke=\"#ff0000\" stroke-width=\"2\" "
                       "stroke-dasharray=\"1,1\" points=\"1,2 30,2\"/>"),
              std::string::npos)
        << svg;
    EXPECT_EQ(svg.find("<rect x=\"0\" y=\"0\" width=\"10\""), std::string::npos); // xor left out
    EXPECT_NE(svg.find("<rect x=\"5\" y=\"6\" width=\"24\" height=\"15\" fill=\"#ffffff\"/>"),
              std::string::npos); // the opaque text cell
    EXPECT_NE(svg.find(">a&lt;b\u20AC</text>"), std::string::npos) << svg;
}

TEST(QtCanvas, FillsAndLeavesTheLineEndOut) {
    App();
    TQtImage img;
    {
        QPainter painter(&img.Image);
        TQtCanvas canvas(painter);
        canvas.FillRect({2, 2, 5, 4}, kRed);
        canvas.SetPen({RGBColor(0, 0, 255), 1, TPenStyle::Solid});
        canvas.Line({10, 10}, {20, 10});
        canvas.SetBrush({RGBColor(0, 255, 0), TBrushStyle::Solid});
        canvas.Rectangle({25, 2, 30, 8});
    }
    EXPECT_EQ(img.At(2, 2), kRed);
    EXPECT_EQ(img.At(4, 3), kRed);
    EXPECT_EQ(img.At(5, 3), kWhite);
    EXPECT_EQ(img.At(2, 4), kWhite);
    EXPECT_EQ(img.At(10, 10), RGBColor(0, 0, 255));
    EXPECT_EQ(img.At(19, 10), RGBColor(0, 0, 255));
    EXPECT_EQ(img.At(20, 10), kWhite);
    EXPECT_EQ(img.At(25, 2), RGBColor(0, 0, 255)); // outline inside the rectangle
    EXPECT_EQ(img.At(29, 7), RGBColor(0, 0, 255));
    EXPECT_EQ(img.At(27, 5), RGBColor(0, 255, 0));
    EXPECT_EQ(img.At(30, 5), kWhite);
}

TEST(QtCanvas, ExclusiveOrTwiceRestoresThePixels) {
    App();
    TQtImage img;
    {
        QPainter painter(&img.Image);
        TQtCanvas canvas(painter);
        canvas.FillRect({0, 0, 40, 10}, RGBColor(10, 20, 30));
    }
    const QImage before = img.Image.copy();
    {
        QPainter painter(&img.Image);
        TQtCanvas canvas(painter);
        canvas.SetRasterMode(TRasterMode::Xor);
        canvas.SetPen({RGBColor(255, 0, 255), 2, TPenStyle::Solid});
        canvas.Line({5, 0}, {5, 20});
    }
    EXPECT_NE(img.Image, before);
    EXPECT_EQ(img.At(5, 5), RGBColor(10 ^ 255, 20, 30 ^ 255));
    {
        QPainter painter(&img.Image);
        TQtCanvas canvas(painter);
        canvas.SetRasterMode(TRasterMode::Xor);
        canvas.SetPen({RGBColor(255, 0, 255), 2, TPenStyle::Solid});
        canvas.Line({5, 0}, {5, 20});
    }
    EXPECT_EQ(img.Image, before);
}

TEST(QtCanvas, TextStaysInsideItsClip) {
    App();
    TQtImage img;
    {
        QPainter painter(&img.Image);
        TQtCanvas canvas(painter);
        canvas.SetFont({"DejaVu Sans", 14, RGBColor(0, 0, 0)});
        canvas.TextOut({0, 0}, "WWWWWWWW", {0, 0, 20, 20}, true, RGBColor(0, 255, 0));
        EXPECT_GT(canvas.TextExtent("WWWWWWWW").Width, 20);
    }
    bool inked = false;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x)
            inked = inked || img.At(x, y) == RGBColor(0, 0, 0);
        for (int x = 20; x < 40; ++x)
            ASSERT_EQ(img.At(x, y), kWhite) << x << "," << y;
    }
    EXPECT_TRUE(inked);
    EXPECT_EQ(img.At(19, 1), RGBColor(0, 255, 0)); // opaque background inside the clip
}
