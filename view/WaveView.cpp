#include "view/WaveView.h"

#include "platform/graphics/QtCanvas.h"
#include "preferences/WavePreferences.h"
#include "rows/RowCaption.h"
#include "rows/WaveRow.h"
#include "view/NameColumnEdits.h"
#include "view/PaneCodes.h"
#include "view/WaveEditor.h"

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

namespace {
constexpr int32_t cDragBarThickness = 4;

TColor FromQt(const QColor& c) {
    return RGBColor(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
                    static_cast<uint8_t>(c.blue()));
}

TColor BackgroundColorPreference() {
    const TWavePreferences* preferences = WavePreferences();
    return preferences ? preferences->BackgroundColor : cSystemWindowColor;
}

TWaveFont DefaultPanelFont() {
    TWaveFont font;
    font.Name = "Arial";
    font.Size = 8;
    return font;
}

// A plain filled widget over the editor that shows where a drag would end.
QWidget* NewDragFeedback(QWidget& editor) {
    auto* bar = new QWidget(&editor);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, Qt::darkGray);
    bar->setPalette(palette);
    bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    bar->raise();
    bar->show();
    return bar;
}
} // namespace

// --- TViewDrawing ----------------------------------------------------------------------------

void TViewDrawing::Fill(int32_t left, int32_t bottom, int32_t right, int32_t top, TColor color) {
    Canvas.FillRect({left, DeviceY(top), right, DeviceY(bottom)}, color);
}

void TViewDrawing::Line(TPoint from, TPoint to, TColor color) {
    Canvas.SetPen({color, 1, TPenStyle::Solid});
    Canvas.Line({from.X, DeviceY(from.Y)}, {to.X, DeviceY(to.Y)});
}

void TViewDrawing::Frame(int32_t left, int32_t bottom, int32_t right, int32_t top, TColor color) {
    Line({left, bottom}, {right, bottom}, color);
    Line({right, bottom}, {right, top}, color);
    Line({right, top}, {left, top}, color);
    Line({left, top}, {left, bottom}, color);
}

void TViewDrawing::Edges(int32_t left, int32_t bottom, int32_t right, int32_t top, bool raised) {
    const TSystemColors colors = SystemColors();
    const TColor light = raised ? colors.ButtonHighlight : colors.ButtonShadow;
    const TColor dark = raised ? colors.ButtonShadow : colors.ButtonHighlight;
    Line({left, top - 1}, {right, top - 1}, light);
    Line({left, bottom}, {left, top}, light);
    Line({left, bottom}, {right, bottom}, dark);
    Line({right - 1, bottom}, {right - 1, top}, dark);
}

void TViewDrawing::CentredText(int32_t left, int32_t bottom, int32_t right, int32_t top,
                               const std::string& text, const TCanvasFont& font, TColor color) {
    Canvas.SetFont(font);
    const TSize extent = Canvas.TextExtent(text);
    TextAt(left + (right - left - extent.Width) / 2, left, bottom, right, top, text, font, color);
}

void TViewDrawing::TextAt(int32_t x, int32_t left, int32_t bottom, int32_t right, int32_t top,
                          const std::string& text, const TCanvasFont& font, TColor color) {
    TCanvasFont coloured = font;
    coloured.Color = color;
    Canvas.SetFont(coloured);
    const TSize extent = Canvas.TextExtent(text);
    const int32_t cellTop = DeviceY(top) + (top - bottom - extent.Height) / 2;
    Canvas.TextOut({x, cellTop}, text, {left, DeviceY(top), right, DeviceY(bottom)}, false, 0);
}

TSystemColors SystemColors() {
    const QPalette palette = QApplication::palette();
    return {FromQt(palette.color(QPalette::Button)), FromQt(palette.color(QPalette::Dark)),
            FromQt(palette.color(QPalette::Light)), FromQt(palette.color(QPalette::WindowText)),
            FromQt(palette.color(QPalette::Base))};
}

TCanvasFont CanvasFontOf(const TWaveFont& font) {
    TCanvasFont canvasFont;
    canvasFont.Name = font.Name;
    canvasFont.PixelHeight = (font.Size * 96 + 36) / 72;
    canvasFont.Color = font.Color;
    canvasFont.Bold = font.Bold;
    canvasFont.Italic = font.Italic;
    canvasFont.Underline = font.Underline;
    canvasFont.StrikeOut = font.StrikeOut;
    return canvasFont;
}

// --- TView -----------------------------------------------------------------------------------

TView::TView(TCustomWaveEditor& editor, uint8_t paneCode)
    : QWidget(&editor), FEditor(editor), FPaneCode(paneCode), FFont(DefaultPanelFont()) {
    // The paint covers every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TView::PaintTo(TCanvas& canvas) {
    TViewDrawing drawing(canvas, LogicalHeight());
    PerformPaint(drawing);
}

void TView::paintEvent(QPaintEvent*) {
    if (width() <= 0 || height() <= 0)
        return;
    QImage image(size(), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        PaintTo(canvas);
    }
    QPainter screen(this);
    screen.drawImage(0, 0, image);
}

// --- Simple panels ---------------------------------------------------------------------------

void TTimePanel::PerformPaint(TViewDrawing& drawing) {
    drawing.Fill(0, 0, LogicalWidth(), LogicalHeight(), SystemColors().ButtonFace);
}

void TCursorPanel::PerformPaint(TViewDrawing& drawing) {
    const TSystemColors colors = SystemColors();
    const int32_t w = LogicalWidth();
    drawing.Fill(0, 0, w, LogicalHeight(), colors.ButtonFace);
    drawing.Fill(0, 1, w, 4, BackgroundColorPreference());
    drawing.Line({0, 4}, {w, 4}, colors.ButtonShadow);
}

void TStaticPanel::PerformPaint(TViewDrawing& drawing) {
    const TSystemColors colors = SystemColors();
    const int32_t top = LogicalHeight() - 1;
    drawing.Fill(0, 0, LogicalWidth(), LogicalHeight(), colors.ButtonFace);
    drawing.Line({0, top}, {LogicalWidth(), top}, colors.ButtonShadow);
}

void TColumnHeaderPanel::PerformPaint(TViewDrawing& drawing) {
    const TSystemColors colors = SystemColors();
    const TNameColumns& columns = Editor().Columns();
    const int32_t w = LogicalWidth(), h = LogicalHeight();
    const int32_t nameLeft = NameColumnLeft(columns, 2);
    drawing.Fill(0, 0, w, h, colors.ButtonFace);
    drawing.Edges(0, 0, w, h, true);
    drawing.Fill(nameLeft, 1, w, 4, BackgroundColorPreference());
    drawing.Line({nameLeft - 1, 0}, {nameLeft - 1, h}, colors.ButtonShadow);
    const TCanvasFont font = CanvasFontOf(Font());
    for (int32_t k = 2; k <= 4; ++k) {
        const TNameColumn& column = columns[static_cast<size_t>(k - 1)];
        if (!column.Visible)
            continue;
        const int32_t left = NameColumnLeft(columns, k), right = left + column.Width;
        drawing.Line({right - 1, 0}, {right - 1, h}, colors.ButtonShadow);
        drawing.CentredText(left, 0, right, h, column.Caption, font, colors.WindowText);
    }
    // Level with the ruler's white band.
    drawing.Fill(w - 10, 50, w, 70, colors.Window);
    drawing.Edges(w - 10, 50, w, 70, false);
}

void TColumnHeaderPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int32_t x = static_cast<int32_t>(event->position().x());
    const int32_t column = ColumnBoundaryAt(Editor().Columns(), x);
    if (column == 0)
        return;
    Editor().FinishNameEdit();
    DragColumn = column;
    DragStartX = x;
    DragLine = NewDragFeedback(Editor());
    DragLine->setGeometry(x, 0, 1, Editor().height());
}

void TColumnHeaderPanel::mouseMoveEvent(QMouseEvent* event) {
    const int32_t x = static_cast<int32_t>(event->position().x());
    if (DragColumn == 0) {
        if (ColumnBoundaryAt(Editor().Columns(), x) != 0)
            setCursor(Qt::SplitHCursor);
        else
            unsetCursor();
        return;
    }
    const int32_t lineX = ClampColumnDrag(Editor().Columns(), DragColumn, x, Editor().width());
    DragLine->setGeometry(lineX, 0, 1, Editor().height());
}

void TColumnHeaderPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (DragColumn == 0)
        return;
    const int32_t column = DragColumn;
    DragColumn = 0;
    delete DragLine;
    DragLine = nullptr;
    const int32_t endX = ClampColumnDrag(
        Editor().Columns(), column, static_cast<int32_t>(event->position().x()), Editor().width());
    QCursor::setPos(mapToGlobal(QPoint(endX + 3, static_cast<int>(event->position().y()))));
    Editor().ResizeColumnByDrag(column, DragStartX, endX);
}

// --- Name and signal panels ------------------------------------------------------------------

void TNamePanel::PerformPaint(TViewDrawing& drawing) {
    TCustomWaveEditor& editor = Editor();
    editor.RemeasureBand(*this);
    const int band = UsesLowerNamePanel(PaneCode()) ? 1 : 0;
    int32_t lastBottom = LogicalHeight();
    for (int32_t p = 0; p < VisibleRowCount; ++p) {
        const TWaveRow* row = editor.RowAtBandPosition(PaneCode(), p);
        if (row == nullptr)
            break;
        PaintRow(drawing, *row, row->TopCoord[band], row->BottomCoord[band], FirstVisibleRow + p);
        lastBottom = row->BottomCoord[band];
    }
    if (lastBottom > 0)
        drawing.Fill(0, 0, LogicalWidth(), lastBottom, cEmptyAreaColor);
}

void TNamePanel::PaintRow(TViewDrawing& drawing, const TWaveRow& row, int32_t top, int32_t bottom,
                          int32_t index) {
    const TSystemColors colors = SystemColors();
    const TNameColumns& columns = Editor().Columns();
    const int32_t nameArea = NameAreaWidth(columns);
    if (row.ShowsPlaceHolder()) {
        drawing.Fill(0, bottom, nameArea, top, cEmptyAreaColor);
        drawing.Line({0, top - 1}, {nameArea, top - 1}, colors.ButtonFace);
        drawing.Line({0, top - 2}, {nameArea, top - 2}, colors.ButtonHighlight);
        return;
    }
    const TColor background = BackgroundColorPreference();
    const TCanvasFont panelFont = CanvasFontOf(Font());
    TCanvasFont rowFont = CanvasFontOf(row.Options.Font);
    rowFont.Bold = rowFont.Bold || row.Options.Bold;
    auto column = [&](int k) -> std::pair<int32_t, int32_t> {
        const int32_t left = NameColumnLeft(columns, k);
        return {left, left + columns[static_cast<size_t>(k - 1)].ContributedWidth()};
    };
    auto shown = [&](int k) { return columns[static_cast<size_t>(k - 1)].Visible; };

    if (shown(1)) {
        const auto [left, right] = column(1);
        const bool focused = &row == Editor().FocusedRowIfAny();
        drawing.Fill(left, bottom, right, top, focused ? cEmptyAreaColor : colors.ButtonFace);
        drawing.Edges(left, bottom, right, top, true);
        drawing.CentredText(left, bottom, right, top, std::to_string(index), panelFont,
                            colors.WindowText);
    }
    if (shown(2)) {
        const auto [left, right] = column(2);
        drawing.Fill(left, bottom, right, top, background);
        drawing.Line({left, top - 1}, {right, top - 1}, colors.ButtonFace);
        const int32_t depth = row.Depth();
        const int32_t treeX = left + depth * 15 + 3;
        const int32_t mid = (top + bottom) / 2;
        const TColor treeColor = RGBColor(208, 208, 208);
        if (row.IsCompound()) {
            const int32_t boxBottom = (top + bottom - 9) / 2;
            const TColor boxColor =
                (std::max({RedOf(background), GreenOf(background), BlueOf(background)}) > 126)
                    ? RGBColor(0, 0, 0)
                    : RGBColor(255, 255, 255);
            drawing.Frame(treeX, boxBottom, treeX + 9, boxBottom + 9, boxColor);
            drawing.Line({treeX + 2, boxBottom + 4}, {treeX + 7, boxBottom + 4}, boxColor);
            if (!static_cast<const TWaveRowCompound&>(row).Expanded())
                drawing.Line({treeX + 4, boxBottom + 2}, {treeX + 4, boxBottom + 7}, boxColor);
            drawing.Line({treeX + 9, mid}, {treeX + 14, mid}, treeColor);
        } else {
            drawing.Line({treeX + 4, mid}, {treeX + 14, mid}, treeColor);
        }
        drawing.TextAt(left + depth * 15 + 18, left, bottom, right, top, RowCaption(row), rowFont,
                       row.Options.Font.Color);
    }
    if (shown(4)) {
        const auto [left, right] = column(4);
        drawing.Fill(left, bottom, right, top, background);
        drawing.Line({left, top - 1}, {right, top - 1}, colors.ButtonFace);
        drawing.Line({left, bottom}, {left, top}, colors.ButtonShadow);
        drawing.TextAt(left + 5, left, bottom, right, top, row.ValueText(Editor().CurrentTime),
                       rowFont, row.Options.Font.Color);
    }
    if (shown(5)) {
        const auto [left, right] = column(5);
        drawing.Fill(left, bottom, right, top, background);
        drawing.Line({left, top - 1}, {right, top - 1}, colors.ButtonFace);
        drawing.Line({left, bottom}, {left, top}, colors.ButtonShadow);
    }
}

void TNamePanel::mousePressEvent(QMouseEvent* event) {
    TCustomWaveEditor& editor = Editor();
    editor.FinishNameEdit();
    editor.SetFocusPanel(this);
    if (event->button() != Qt::LeftButton)
        return;
    // The row under the point becomes the focused row; below the rows, the last row does.
    const QPoint at = event->position().toPoint();
    TWaveRow* row = editor.RowAtPoint(*this, {at.x(), LogicalHeight() - at.y()});
    editor.SetFocusedRow(row ? row : editor.RowAt(editor.RowCount() - 1));
}

void TSignalPanel::PerformPaint(TViewDrawing& drawing) {
    TCustomWaveEditor& editor = Editor();
    TNamePanel& names = editor.NamePanelOf(PaneCode());
    editor.RemeasureBand(names);
    const int band = UsesLowerNamePanel(PaneCode()) ? 1 : 0;
    LastRowBottom = -1;
    int32_t lastBottom = LogicalHeight();
    for (int32_t p = 0; p < names.VisibleRowCount; ++p) {
        const TWaveRow* row = editor.RowAtBandPosition(PaneCode(), p);
        if (row == nullptr)
            break;
        // The row's background; its waveform is drawn by the row painting.
        drawing.Fill(0, row->BottomCoord[band], LogicalWidth(), row->TopCoord[band],
                     row->ShowsPlaceHolder() ? cEmptyAreaColor : BackgroundColorPreference());
        lastBottom = row->BottomCoord[band];
        if (!row->ShowsPlaceHolder())
            LastRowBottom = lastBottom;
    }
    if (lastBottom > 0)
        drawing.Fill(0, 0, LogicalWidth(), lastBottom, cEmptyAreaColor);
}

void TSignalPanel::mousePressEvent(QMouseEvent*) {
    Editor().SetFocusPanel(this);
}

// --- TSpliterControl -------------------------------------------------------------------------

TSpliterControl::TSpliterControl(TCustomWaveEditor& editor, uint8_t orientation)
    : TView(editor, PaneCode::None), FOrientation(orientation) {
    setCursor(orientation == 0 ? Qt::SplitVCursor : Qt::SplitHCursor);
}

void TSpliterControl::PerformPaint(TViewDrawing& drawing) {
    const TSystemColors colors = SystemColors();
    const int32_t w = LogicalWidth(), h = LogicalHeight();
    drawing.Fill(0, 0, w, h, colors.ButtonFace);
    if (FOrientation == 0) {
        drawing.Line({0, h - 1}, {w, h - 1}, colors.ButtonHighlight);
        drawing.Line({0, 0}, {w, 0}, colors.ButtonShadow);
    } else {
        drawing.Line({0, 0}, {0, h}, colors.ButtonHighlight);
        drawing.Line({w - 1, 0}, {w - 1, h}, colors.ButtonShadow);
    }
}

QRect TSpliterControl::DragBarAt(QPoint p) const {
    const QWidget& editor = Editor();
    if (FOrientation == 0) {
        const int y = std::clamp(p.y() - cDragBarThickness / 2, 0,
                                 std::max(0, editor.height() - cDragBarThickness));
        return {0, y, editor.width(), cDragBarThickness};
    }
    const int x = std::clamp(p.x() - cDragBarThickness / 2, 0,
                             std::max(0, editor.width() - cDragBarThickness));
    return {x, 0, cDragBarThickness, editor.height()};
}

void TSpliterControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    Editor().FinishNameEdit();
    Dragging = true;
    DragStart = mapTo(&Editor(), event->position().toPoint());
    DragBar = NewDragFeedback(Editor());
    DragBar->setGeometry(DragBarAt(DragStart));
}

void TSpliterControl::mouseMoveEvent(QMouseEvent* event) {
    if (Dragging)
        DragBar->setGeometry(DragBarAt(mapTo(&Editor(), event->position().toPoint())));
}

void TSpliterControl::mouseReleaseEvent(QMouseEvent* event) {
    if (!Dragging)
        return;
    Dragging = false;
    delete DragBar;
    DragBar = nullptr;
    const QPoint travel = mapTo(&Editor(), event->position().toPoint()) - DragStart;
    Editor().MoveSplitter(FOrientation, FOrientation == 0 ? travel.y() : travel.x());
}

// --- TWaveScrollBar --------------------------------------------------------------------------

TWaveScrollBar::TWaveScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {
    setFocusPolicy(Qt::NoFocus);
    setMaximum(1000);
}

void TWaveScrollBar::keyPressEvent(QKeyEvent* event) {
    // Unhandled, the key travels up to the form.
    event->ignore();
}
