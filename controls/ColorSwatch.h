// A paint box filled with one colour, framed so that a colour close to the background shows.
#pragma once

#include "rows/Wavefontobj.h"

#include <QWidget>

class QPainter;
class QRect;

class TColorSwatch : public QWidget {
public:
    explicit TColorSwatch(QWidget* parent);
    TColor Color() const { return FillColor; }
    // Repaints with the new colour.
    void SetColor(TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor FillColor = 0;
};

// Fills rect with the colour inside a dark frame; the tree list's colour cells share it.
void PaintColorSwatch(QPainter& painter, const QRect& rect, TColor color);
