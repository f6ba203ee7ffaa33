#include "controls/ColorSwatch.h"

#include "platform/ui/QtConvert.h"

#include <QPainter>

namespace {
constexpr int cSwatchWidth = 40;
constexpr int cSwatchHeight = 18;
} // namespace

void PaintColorSwatch(QPainter& painter, const QRect& rect, TColor color) {
    painter.save();
    painter.setPen(Qt::black);
    painter.setBrush(ToQtColor(color));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

TColorSwatch::TColorSwatch(QWidget* parent) : QWidget(parent) {
    setFixedSize(cSwatchWidth, cSwatchHeight);
}

void TColorSwatch::SetColor(TColor color) {
    FillColor = color;
    update();
}

void TColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintColorSwatch(painter, rect(), FillColor);
}
