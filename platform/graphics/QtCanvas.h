// The canvas on a QPainter: off-screen panel images, the screen, PDF and printer pages.
#pragma once

#include "platform/graphics/Canvas.h"

class QPainter;
class QFont;
class QColor;

class TQtCanvas : public TCanvas {
public:
    explicit TQtCanvas(QPainter& painter) : Painter(painter) {}

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

private:
    // Selects the canvas's pen, brush and raster mode into the painter.
    void Prepare(bool withBrush);
    QPainter& Painter;
};

QColor ToQColor(TColor color);
QFont ToQFont(const TCanvasFont& font);
// Text measured with Qt's font metrics: the recording canvas uses it to lay out as the screen does.
TSize QtTextExtent(const TCanvasFont& font, const std::string& text);
