#include "platform/graphics/RecordingCanvas.h"

#include "platform/text/Windows1252.h"

#include <cstdio>

TSize FixedPitchTextExtent(const TCanvasFont& font, const std::string& text) {
    const int32_t height = font.PixelHeight < 0 ? -font.PixelHeight : font.PixelHeight;
    return {static_cast<int32_t>(text.size()) * ((height + 1) / 2), height + (height + 3) / 4};
}

TPrimitive& TRecordingCanvas::Add(TPrimitiveKind kind) {
    TPrimitive& p = Primitives.emplace_back();
    p.Kind = kind;
    p.Pen = Pen;
    p.Brush = Brush;
    p.Font = Font;
    p.Mode = Mode;
    return p;
}

void TRecordingCanvas::Line(TPoint from, TPoint to) {
    Add(TPrimitiveKind::Line).Points = {from, to};
}

void TRecordingCanvas::Polyline(const std::vector<TPoint>& points) {
    Add(TPrimitiveKind::Polyline).Points = points;
}

void TRecordingCanvas::Polygon(const std::vector<TPoint>& points) {
    Add(TPrimitiveKind::Polygon).Points = points;
}

void TRecordingCanvas::Rectangle(const TRect& rect) {
    Add(TPrimitiveKind::Rectangle).Rect = rect;
}

void TRecordingCanvas::FillRect(const TRect& rect, TColor color) {
    TPrimitive& p = Add(TPrimitiveKind::FillRect);
    p.Rect = rect;
    p.Color = color;
}

void TRecordingCanvas::TextOut(TPoint at, const std::string& text, const TRect& clip, bool opaque,
                               TColor background) {
    TPrimitive& p = Add(TPrimitiveKind::Text);
    p.Points = {at};
    p.Text = text;
    p.Rect = clip;
    p.Opaque = opaque;
    p.Color = background;
}

TSize TRecordingCanvas::TextExtent(const std::string& text) {
    return Measurer(Font, text);
}

void TRecordingCanvas::SetClip(const TRect& rect) {
    Add(TPrimitiveKind::Clip).Rect = rect;
}

void TRecordingCanvas::ResetClip() {
    Add(TPrimitiveKind::ResetClip);
}

namespace {
std::string SvgColor(TColor c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
    return text;
}

std::string XmlEscaped(const std::string& utf8) {
    std::string out;
    for (char c : utf8) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            // Control characters are not allowed in XML.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                out += c;
        }
    }
    return out;
}

std::string StrokeOf(const TPen& pen) {
    if (pen.Style == TPenStyle::Clear)
        return " stroke=\"none\"";
    std::string s = " stroke=\"" + SvgColor(pen.Color) + "\" stroke-width=\"" +
                    std::to_string(pen.Width) + "\"";
    if (pen.Style == TPenStyle::Dot)
        s += " stroke-dasharray=\"1,1\"";
    return s;
}

std::string FillOf(const TBrush& brush) {
    return brush.Style == TBrushStyle::Clear ? " fill=\"none\""
                                             : " fill=\"" + SvgColor(brush.Color) + "\"";
}

std::string PointList(const std::vector<TPoint>& points) {
    std::string s;
    for (const auto& p : points)
        s += (s.empty() ? "" : " ") + std::to_string(p.X) + "," + std::to_string(p.Y);
    return s;
}

std::string RectAttributes(const TRect& r) {
    return " x=\"" + std::to_string(r.Left) + "\" y=\"" + std::to_string(r.Top) + "\" width=\"" +
           std::to_string(r.Width()) + "\" height=\"" + std::to_string(r.Height()) + "\"";
}
} // namespace

std::string TRecordingCanvas::ToSvg(TSize size) const {
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(size.Width) + "\" height=\"" + std::to_string(size.Height) +
                      "\" viewBox=\"0 0 " + std::to_string(size.Width) + " " +
                      std::to_string(size.Height) + "\">\n";
    int clipCount = 0;
    bool clipped = false;
    auto closeClip = [&] {
        if (clipped)
            svg += "</g>\n";
        clipped = false;
    };
    for (const auto& p : Primitives) {
        if (p.Mode == TRasterMode::Xor)
            continue;
        switch (p.Kind) {
        case TPrimitiveKind::Line:
        case TPrimitiveKind::Polyline:
            svg += "<polyline fill=\"none\"" + StrokeOf(p.Pen) + " points=\"" +
                   PointList(p.Points) + "\"/>\n";
            break;
        case TPrimitiveKind::Polygon:
            svg += "<polygon" + FillOf(p.Brush) + StrokeOf(p.Pen) + " points=\"" +
                   PointList(p.Points) + "\"/>\n";
            break;
        case TPrimitiveKind::Rectangle:
            svg += "<rect" + RectAttributes(p.Rect) + FillOf(p.Brush) + StrokeOf(p.Pen) + "/>\n";
            break;
        case TPrimitiveKind::FillRect:
            svg += "<rect" + RectAttributes(p.Rect) + " fill=\"" + SvgColor(p.Color) + "\"/>\n";
            break;
        case TPrimitiveKind::Text: {
            const TPoint at = p.Points.front();
            if (p.Opaque) {
                const TSize cell = Measurer(p.Font, p.Text);
                svg += "<rect" +
                       RectAttributes({at.X, at.Y, at.X + cell.Width, at.Y + cell.Height}) +
                       " fill=\"" + SvgColor(p.Color) + "\"/>\n";
            }
            svg += "<text x=\"" + std::to_string(at.X) + "\" y=\"" + std::to_string(at.Y) +
                   "\" dominant-baseline=\"text-before-edge\" font-family=\"" +
                   XmlEscaped(p.Font.Name) + "\" font-size=\"" +
                   std::to_string(p.Font.PixelHeight) + "\" fill=\"" + SvgColor(p.Font.Color) +
                   "\"" + (p.Font.Bold ? " font-weight=\"bold\"" : "") +
                   (p.Font.Italic ? " font-style=\"italic\"" : "") + ">" +
                   XmlEscaped(Windows1252ToUtf8(p.Text)) + "</text>\n";
            break;
        }
        case TPrimitiveKind::Clip: {
            closeClip();
            const std::string id = "c" + std::to_string(clipCount++);
            svg += "<clipPath id=\"" + id + "\"><rect" + RectAttributes(p.Rect) +
                   "/></clipPath>\n<g clip-path=\"url(#" + id + ")\">\n";
            clipped = true;
            break;
        }
        case TPrimitiveKind::ResetClip:
            closeClip();
            break;
        }
    }
    closeClip();
    return svg + "</svg>\n";
}
