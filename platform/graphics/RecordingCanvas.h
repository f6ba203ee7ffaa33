// A canvas that keeps the primitives drawn on it, with the pen, brush, font and mode in force:
// tests assert on them, and the clipboard picture is made from them (as SVG).
#pragma once

#include "platform/graphics/Canvas.h"

#include <functional>

enum class TPrimitiveKind : uint8_t {
    Line,
    Polyline,
    Polygon,
    Rectangle,
    FillRect,
    Text,
    Clip,
    ResetClip
};

struct TPrimitive {
    TPrimitiveKind Kind;
    std::vector<TPoint> Points; // line ends, polyline or polygon corners
    TRect Rect;                 // rectangles, text clip, clip
    TColor Color = 0;           // fill colour, text background
    bool Opaque = false;        // text background
    std::string Text;
    TPen Pen;
    TBrush Brush;
    TCanvasFont Font;
    TRasterMode Mode = TRasterMode::Normal;
};

// Measures text the way the surface being stood in for would.
using TTextMeasurer = std::function<TSize(const TCanvasFont&, const std::string&)>;

// A fixed-pitch measure for headless use: every character is half the font height wide
// (rounded up), a line is the font height plus a quarter for descenders.
TSize FixedPitchTextExtent(const TCanvasFont& font, const std::string& text);

class TRecordingCanvas : public TCanvas {
public:
    explicit TRecordingCanvas(TTextMeasurer measurer = FixedPitchTextExtent)
        : Measurer(std::move(measurer)) {}

    std::vector<TPrimitive> Primitives;

    void Line(TPoint from, TPoint to) override;
    void Polyline(const std::vector<TPoint>& points) override;
    void Polygon(const std::vector<TPoint>& points) override;
    void Rectangle(const TRect& rect) override;
    void FillRect(const TRect& rect, TColor color) override;
    void TextOut(TPoint at, const std::string& text, const TRect& clip, bool opaque,
                 TColor background) override;
    TSize TextExtent(const std::string& text) override;
    void SetClip(const TRect& rect) override;
    void ResetClip() override;

    // The picture as an SVG document of the given size. Exclusive-or drawing is screen feedback
    // and is left out.
    std::string ToSvg(TSize size) const;

private:
    TPrimitive& Add(TPrimitiveKind kind);
    TTextMeasurer Measurer;
};
