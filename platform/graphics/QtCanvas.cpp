#include "platform/graphics/QtCanvas.h"

#include "platform/text/Windows1252.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace {
QString ToQString(const std::string& text) {
    return QString::fromStdString(Windows1252ToUtf8(text));
}

QPolygon ToQPolygon(const std::vector<TPoint>& points) {
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const auto& p : points)
        polygon << QPoint(p.X, p.Y);
    return polygon;
}

QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}
} // namespace

QColor ToQColor(TColor color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QFont ToQFont(const TCanvasFont& font) {
    QFont f(QString::fromStdString(Windows1252ToUtf8(font.Name)));
    f.setPixelSize(std::max(1, font.PixelHeight < 0 ? -font.PixelHeight : font.PixelHeight));
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    f.setStrikeOut(font.StrikeOut);
    return f;
}

TSize QtTextExtent(const TCanvasFont& font, const std::string& text) {
    const QFontMetrics metrics(ToQFont(font));
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

void TQtCanvas::Prepare(bool withBrush) {
    Painter.setCompositionMode(Mode == TRasterMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                        : QPainter::CompositionMode_SourceOver);
    if (Pen.Style == TPenStyle::Clear) {
        Painter.setPen(Qt::NoPen);
    } else {
        QPen pen(ToQColor(Pen.Color), std::max(1, Pen.Width),
                 Pen.Style == TPenStyle::Dot ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap,
                 Qt::MiterJoin);
        Painter.setPen(pen);
    }
    if (withBrush && Brush.Style == TBrushStyle::Solid)
        Painter.setBrush(ToQColor(Brush.Color));
    else
        Painter.setBrush(Qt::NoBrush);
}

void TQtCanvas::Line(TPoint from, TPoint to) {
    Prepare(false);
    // Flat caps stop at the end point, which is not part of the line.
    Painter.drawLine(from.X, from.Y, to.X, to.Y);
}

void TQtCanvas::Polyline(const std::vector<TPoint>& points) {
    Prepare(false);
    Painter.drawPolyline(ToQPolygon(points));
}

void TQtCanvas::Polygon(const std::vector<TPoint>& points) {
    Prepare(true);
    Painter.drawPolygon(ToQPolygon(points));
}

void TQtCanvas::Rectangle(const TRect& rect) {
    if (rect.IsEmpty())
        return;
    Prepare(true);
    // The outline lies inside the rectangle, as the fill does.
    Painter.drawRect(QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1));
}

void TQtCanvas::FillRect(const TRect& rect, TColor color) {
    if (rect.IsEmpty())
        return;
    Painter.setCompositionMode(Mode == TRasterMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                        : QPainter::CompositionMode_SourceOver);
    Painter.fillRect(ToQRect(rect), ToQColor(color));
}

void TQtCanvas::TextOut(TPoint at, const std::string& text, const TRect& clip, bool opaque,
                        TColor background) {
    if (clip.IsEmpty())
        return;
    Painter.save();
    Painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Painter.setClipRect(ToQRect(clip), Painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    const QFont font = ToQFont(Font);
    Painter.setFont(font);
    const QString qtext = ToQString(text);
    const QFontMetrics metrics(font);
    const QRect cell(at.X, at.Y, metrics.horizontalAdvance(qtext), metrics.height());
    if (opaque)
        Painter.fillRect(cell, ToQColor(background));
    Painter.setPen(ToQColor(Font.Color));
    Painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                     qtext);
    Painter.restore();
}

TSize TQtCanvas::TextExtent(const std::string& text) {
    return QtTextExtent(Font, text);
}

void TQtCanvas::SetClip(const TRect& rect) {
    Painter.setClipRect(ToQRect(rect));
}

void TQtCanvas::ResetClip() {
    Painter.setClipping(false);
}
