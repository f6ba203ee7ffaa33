// The waveform editor control: the grid of name panels, time rulers, cursor strips and
// waveform panels, split at most once each way, with its splitters and scroll bars.
#pragma once

#include "rows/RowLayoutSnapshot.h"
#include "view/EditorLinks.h"
#include "view/RowPlacement.h"
#include "view/WaveEditorLayout.h"
#include "view/WaveOperations.h"
#include "view/WaveView.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct IServerView;
class QKeyEvent;
class TRowTree;
class TWaveRow;
class TSignalNameInPlaceEdit;

class TCustomWaveEditor : public QWidget {
public:
    static constexpr int cLocationMarkCount = 10;

    explicit TCustomWaveEditor(QWidget* parent);
    ~TCustomWaveEditor() override;

    std::string FileName;
    int64_t CurrentTime = 0;
    int64_t EndOfSimulationTime = 0; // 0 when unknown
    int64_t SampleRate = 0;          // 0 when none

    void SetDocument(TEditorDocumentLink* document) { FDocument = document; }
    TEditorDocumentLink* Document() const { return FDocument; }
    void SetWavePanel(TWavePanelLink* panel) { FWavePanel = panel; }
    TWavePanelLink* WavePanel() const { return FWavePanel; }
    // The host view of the document, through which the control runs host processes.
    void SetHostView(IServerView* view) { FHostView = view; }
    IServerView* HostView() const { return FHostView; }

    int32_t VSpliterPosition() const { return FVSpliterPosition; }
    int32_t HSpliterPosition() const { return FHSpliterPosition; }
    void SetVSpliterPosition(int32_t position);
    void SetHSpliterPosition(int32_t position);

    const TNameColumns& Columns() const { return FColumns; }
    // Width of column 2, 3 or 4 as a document stores it.
    void SetColumnWidth(int32_t column, int32_t width);
    int32_t NameAreaWidth() const { return ::NameAreaWidth(FColumns); }

    int64_t LocationMark(int32_t index) const { return LocationMarks[static_cast<size_t>(index)]; }
    void SetLocationMark(int32_t index, int64_t time) {
        LocationMarks[static_cast<size_t>(index)] = time;
    }
    void ClearLocationMarks() { LocationMarks.fill(-1); }

    // Places every child for the current size and splitter positions.
    void Layout();
    const TEditorLayout& CurrentLayout() const { return FLayout; }
    // Repaints every panel, splitter and static corner.
    void InvalidateAll();

    // Ends a splitter drag: the position moves by the mouse travel.
    void MoveSplitter(uint8_t orientation, int32_t travel);
    // Ends a drag of a column's right boundary from startX to endX.
    void ResizeColumnByDrag(int32_t column, int32_t startX, int32_t endX);
    // Shows or hides the value column as the preferences say.
    void ApplyPreferences();

    // Panels by pane code.
    TTimePanel& TimePanelOf(uint8_t code) const;
    TCursorPanel& CursorPanelOf(uint8_t code) const;
    TNamePanel& NamePanelOf(uint8_t code) const;
    TSignalPanel& SignalPanelOf(uint8_t code) const;
    TColumnHeaderPanel& ColumnHeader() const { return *FColumnHeader; }
    // The child the layout places for an entry.
    QWidget& Child(TEditorChild child) const;

    TView* FocusPanel() const { return FFocusPanel; }
    TSignalPanel* ActiveWavePanel() const { return FActiveWavePanel; }
    TNamePanel* ActiveNamePanel() const { return FActiveNamePanel; }
    TTimePanel* ActiveTimePanel() const { return FActiveTimePanel; }
    // A click made the panel the focus panel.
    void SetFocusPanel(TView* panel);

    // Rows. Indexes are positions in the visible-row list.
    TRowTree& RowTree() const { return *FRowTree; }
    int32_t RowCount() const;
    TWaveRow* RowAt(int32_t index) const;
    int32_t IndexOfRow(const TWaveRow* row) const;
    // The row at a visible position of the band of a pane code; nil outside the list.
    TWaveRow* RowAtBandPosition(uint8_t code, int32_t position) const;
    int64_t HeightOfAllRows() const;
    int64_t HeightOfRows(int32_t first, int32_t count) const;
    // The first row whose signal's full name equals the text ignoring letter case.
    TWaveRow* FindRowByName(std::string_view name) const;

    // Places the rows of the name panel's band if it is marked for it.
    void RemeasureBand(TNamePanel& panel);
    // Extents of the visible rows of the band of a pane code, after re-measuring.
    std::vector<TRowExtent> BandExtents(uint8_t code);
    // Hit tests in a panel's logical coordinates; nil or -1 when nothing is hit.
    TWaveRow* RowAtPoint(const TView& panel, TPoint point);
    TRowColumnHit RowAndColumnAt(const TNamePanel& panel, TPoint point);

    // The row commands act on; the first row stands in while none is set.
    TWaveRow* FocusedRow();
    // The focused row as set, without the stand-in.
    TWaveRow* FocusedRowIfAny() const { return FFocusedRow; }
    // Repaints the name areas of the old and new row and tells the workspace panel.
    void SetFocusedRow(TWaveRow* row);

    // Inserts a new row at a visible position (see TRowTree::InsertRow); the row joins the
    // editor and the document is marked modified.
    TWaveRow* InsertRow(std::unique_ptr<TWaveRow> row, int32_t position, bool asChild);
    // Removes the row at an index unless it is the last one; false when nothing was removed.
    bool RemoveRow(int32_t index);

    // Row layout snapshot around a rebuild of the rows.
    void TakeRowLayout(TRowLayoutKey key);
    bool HasRowLayout() const { return Snapshot.has_value(); }
    // Puts the rows back as recorded and drops the record; nothing without one.
    void RestoreRowLayout();

    // Scrolls the active row band so that the row at the index is in view (an index outside
    // the list scrolls to the top).
    void ScrollRowIntoView(int32_t index);
    // After rows were added or rebuilt outside the editor's own insertion: the visible list is
    // rebuilt, new rows join the editor and the bands re-measure.
    void RowsChanged();

    // Rows change from the index on: both name panels re-measure, the rest repaints.
    void InvalidateRowsFrom(int32_t index);
    void InvalidateRowName(const TWaveRow& row);

    // The row tree is freed (before the document rebuilds its stores), then made anew.
    void ClearRows();
    void NewRows();

    // In-place editing of a signal's name.
    void StartNameEdit(TWaveRow& row);
    // Ends an edit in progress, committing a changed name.
    void FinishNameEdit();
    bool IsEditingName() const { return EditedRow != nullptr; }
    TSignalNameInPlaceEdit* NameEdit() const { return FNameEdit; }
    // Runs an editor process with its parameter text (a writable buffer of bufferSize bytes).
    // Processes whose behaviour the control does not have yet do nothing.
    void RunOperation(TWaveOperation operation, char* parameters, int32_t bufferSize);
    bool Query(TWaveQuery query) const;
    // Expands or collapses the focused row (compound rows only).
    void SetFocusedRowExpanded(bool expanded);

    // Keys of the editor; the name editor hands its navigation keys here.
    void HandleEditorKey(QKeyEvent& event);

protected:
    void resizeEvent(QResizeEvent* event) override;

    void keyPressEvent(QKeyEvent* event) override;

private:
    // Keeps the active and focus panels out of a collapsed band or time column.
    void MoveActivePanelsOutOfCollapsedAreas();
    void CommitNameEdit();
    // Drops the focused row when it is no longer in the visible list.
    void ForgetRowsGone();
    // A new row joins the editor: its panels and editor are set.
    void Adopt(TWaveRow& row);
    int BandOf(uint8_t code) const;
    void MarkModified();

    TEditorDocumentLink* FDocument = nullptr;
    TWavePanelLink* FWavePanel = nullptr;
    IServerView* FHostView = nullptr;
    int32_t FVSpliterPosition = 0;
    int32_t FHSpliterPosition = 0;
    bool LayoutGuard = false;
    bool ChildrenCreated = false;

    std::array<TTimePanel*, 2> TimePanels{};     // left, right
    std::array<TCursorPanel*, 2> CursorPanels{}; // left, right
    std::array<TNamePanel*, 2> NamePanels{};     // upper, lower
    std::array<TSignalPanel*, 4> SignalPanels{}; // pane codes 4 to 7
    TColumnHeaderPanel* FColumnHeader = nullptr;
    std::array<TStaticPanel*, 2> StaticPanels{}; // bottom-left, bottom-right
    std::array<TSpliterControl*, 2> Spliters{};  // orientation 0, 1
    std::array<TWaveScrollBar*, 4> ScrollBars{}; // left, right, upper, lower
    TNameColumns FColumns;
    std::array<int64_t, cLocationMarkCount> LocationMarks{};
    TEditorLayout FLayout;
    std::unique_ptr<TRowTree> FRowTree;
    TWaveRow* FFocusedRow = nullptr;
    std::optional<TRowLayoutList> Snapshot;
    TSignalNameInPlaceEdit* FNameEdit = nullptr;
    TWaveRow* EditedRow = nullptr;

    TView* FFocusPanel = nullptr;
    TSignalPanel* FActiveWavePanel = nullptr;
    TNamePanel* FActiveNamePanel = nullptr;
    TTimePanel* FActiveTimePanel = nullptr;
};

// The control as the editor form places it.
class TWaveEditor : public TCustomWaveEditor {
public:
    using TCustomWaveEditor::TCustomWaveEditor;
};
