// A small device-context-like drawing surface: pen, brush, font, lines, rectangles, polygons,
// text, clipping and exclusive-or drawing, in device pixels (origin top-left, y down). Panels
// and printing draw through it; one backend paints with Qt, another records the primitives.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Red in the low byte, then green, then blue.
using TColor = uint32_t;

constexpr TColor RGBColor(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}
constexpr uint8_t RedOf(TColor c) {
    return c & 0xFF;
}
constexpr uint8_t GreenOf(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr uint8_t BlueOf(TColor c) {
    return (c >> 16) & 0xFF;
}

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Left and top inside, right and bottom outside.
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

struct TSize {
    int32_t Width = 0;
    int32_t Height = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

enum class TPenStyle : uint8_t { Solid, Dot, Clear };
enum class TBrushStyle : uint8_t { Solid, Clear };
// Exclusive-or drawing combines the pen colour with the pixels: drawing twice restores them.
enum class TRasterMode : uint8_t { Normal, Xor };

struct TPen {
    TColor Color = 0;
    int32_t Width = 1;
    TPenStyle Style = TPenStyle::Solid;
    friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
    TColor Color = 0xFFFFFF;
    TBrushStyle Style = TBrushStyle::Solid;
    friend bool operator==(const TBrush&, const TBrush&) = default;
};

struct TCanvasFont {
    std::string Name = "Arial";
    int32_t PixelHeight = 11; // character height in pixels
    TColor Color = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    friend bool operator==(const TCanvasFont&, const TCanvasFont&) = default;
};

class TCanvas {
public:
    virtual ~TCanvas() = default;

    void SetPen(const TPen& pen) { Pen = pen; }
    void SetBrush(const TBrush& brush) { Brush = brush; }
    void SetFont(const TCanvasFont& font) { Font = font; }
    void SetRasterMode(TRasterMode mode) { Mode = mode; }
    const TPen& GetPen() const { return Pen; }
    const TBrush& GetBrush() const { return Brush; }
    const TCanvasFont& GetFont() const { return Font; }
    TRasterMode GetRasterMode() const { return Mode; }

    // A line from one point to the other, the end point excluded, with the pen.
    virtual void Line(TPoint from, TPoint to) = 0;
    virtual void Polyline(const std::vector<TPoint>& points) = 0;
    // Outlined with the pen, filled with the brush.
    virtual void Polygon(const std::vector<TPoint>& points) = 0;
    virtual void Rectangle(const TRect& rect) = 0;
    // Fills with a colour, no outline, whatever the pen and brush.
    virtual void FillRect(const TRect& rect, TColor color) = 0;
    // Text with its cell's top-left corner at the point, in the font and its colour, cut to the
    // clipping rectangle. An opaque background fills the text cell first.
    virtual void TextOut(TPoint at, const std::string& text, const TRect& clip, bool opaque,
                         TColor background) = 0;
    virtual TSize TextExtent(const std::string& text) = 0;
    // Later drawing stays inside the rectangle until the clip is reset.
    virtual void SetClip(const TRect& rect) = 0;
    virtual void ResetClip() = 0;

protected:
    TPen Pen;
    TBrush Brush;
    TCanvasFont Font;
    TRasterMode Mode = TRasterMode::Normal;
};
