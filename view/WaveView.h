// The editor's panels. Every panel draws in logical units with the origin at the bottom-left
// corner of its client area (y upward), into an off-screen image that is then copied to the
// screen; painting onto any canvas serves tests and printing alike.
#pragma once

#include "platform/graphics/Canvas.h"
#include "rows/Wavefontobj.h"

#include <QScrollBar>
#include <QWidget>
#include <cstdint>

class TCustomWaveEditor;
class TWaveRow;

// Logical drawing on a canvas for one panel: converts y upward to device rows.
class TViewDrawing {
public:
    TViewDrawing(TCanvas& canvas, int32_t height) : Canvas(canvas), Height(height) {}

    // Fills from (left, bottom) to (right, top), right and top outside.
    void Fill(int32_t left, int32_t bottom, int32_t right, int32_t top, TColor color);
    void Line(TPoint from, TPoint to, TColor color);
    // An outline from (left, bottom) to (right, top), both corners on it.
    void Frame(int32_t left, int32_t bottom, int32_t right, int32_t top, TColor color);
    // Raised (highlight top-left, shadow bottom-right) or sunken edges inside the rectangle.
    void Edges(int32_t left, int32_t bottom, int32_t right, int32_t top, bool raised);
    // Text centred in the rectangle, on a transparent background.
    void CentredText(int32_t left, int32_t bottom, int32_t right, int32_t top,
                     const std::string& text, const TCanvasFont& font, TColor color);
    // Text whose cell's left edge is at x, vertically centred between bottom and top, cut at
    // the rectangle.
    void TextAt(int32_t x, int32_t left, int32_t bottom, int32_t right, int32_t top,
                const std::string& text, const TCanvasFont& font, TColor color);
    int32_t DeviceY(int32_t y) const { return Height - y; }

private:
    TCanvas& Canvas;
    int32_t Height;
};

// The named system colours panels paint with.
struct TSystemColors {
    TColor ButtonFace;
    TColor ButtonShadow;
    TColor ButtonHighlight;
    TColor WindowText;
    TColor Window;
};
TSystemColors SystemColors();

// Grey of the empty area below the rows and of the end-of-display row.
constexpr TColor cEmptyAreaColor = RGBColor(160, 160, 164);

// The canvas font of a panel font (points at 96 dots per inch).
TCanvasFont CanvasFontOf(const TWaveFont& font);

class TView : public QWidget {
public:
    TView(TCustomWaveEditor& editor, uint8_t paneCode);

    uint8_t PaneCode() const { return FPaneCode; }
    TCustomWaveEditor& Editor() const { return FEditor; }
    // The panel's own font, for row numbers, column captions and the ruler's unit box.
    TWaveFont& Font() { return FFont; }
    // Paints the whole panel onto the canvas at its client size.
    void PaintTo(TCanvas& canvas);
    int32_t LogicalWidth() const { return width(); }
    int32_t LogicalHeight() const { return height(); }

protected:
    virtual void PerformPaint(TViewDrawing& drawing) = 0;
    void paintEvent(QPaintEvent* event) override;

private:
    TCustomWaveEditor& FEditor;
    uint8_t FPaneCode;
    TWaveFont FFont;
};

// The time ruler above a time column.
class TTimePanel : public TView {
public:
    using TView::TView;

protected:
    void PerformPaint(TViewDrawing& drawing) override;
};

// The strip of cursor handles and labels under a ruler.
class TCursorPanel : public TView {
public:
    using TView::TView;

protected:
    void PerformPaint(TViewDrawing& drawing) override;
};

// Row numbers, names and values of one row band.
class TNamePanel : public TView {
public:
    using TView::TView;

    int32_t VisibleRowCount = 0;
    int32_t FirstVisibleRow = 0; // index into the visible-row list
    bool NeedsRemeasure = true;

protected:
    void PerformPaint(TViewDrawing& drawing) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Name columns 1 to 5 of one row; index is its place in the visible-row list.
    void PaintRow(TViewDrawing& drawing, const TWaveRow& row, int32_t top, int32_t bottom,
                  int32_t index);
};

// The waveforms of one row band in one time column.
class TSignalPanel : public TView {
public:
    using TView::TView;

    double ScrollRatio = 1.0;
    int32_t LastRowBottom = -1; // -1 when there are no rows

protected:
    void PerformPaint(TViewDrawing& drawing) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// The captions of the name columns; their right boundaries are dragged to resize them.
class TColumnHeaderPanel : public TView {
public:
    using TView::TView;

protected:
    void PerformPaint(TViewDrawing& drawing) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int32_t DragColumn = 0; // 0 when no drag runs
    int32_t DragStartX = 0;
    QWidget* DragLine = nullptr;
};

// Fills a corner beside the scroll bars.
class TStaticPanel : public TView {
public:
    using TView::TView;

protected:
    void PerformPaint(TViewDrawing& drawing) override;
};

// A splitter bar (or, when its split does not fit, a grip). Orientation 0 moves up and down
// and sets HSpliterPosition; 1 moves sideways and sets VSpliterPosition.
class TSpliterControl : public TView {
public:
    TSpliterControl(TCustomWaveEditor& editor, uint8_t orientation);
    uint8_t Orientation() const { return FOrientation; }

protected:
    void PerformPaint(TViewDrawing& drawing) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The drag bar's place in the editor for a mouse position in the editor.
    QRect DragBarAt(QPoint editorPoint) const;

    uint8_t FOrientation;
    bool Dragging = false;
    QPoint DragStart; // in the editor
    QWidget* DragBar = nullptr;
};

// A scroll bar that takes no focus and hands its keys to the form.
class TWaveScrollBar : public QScrollBar {
public:
    TWaveScrollBar(Qt::Orientation orientation, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
