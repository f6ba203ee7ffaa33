// The document's process interface: one method per process of the module's process table,
// plus the state queries of the checkable processes and three queries for other modules.
#pragma once

#include "platform/com/Com.h"

struct IAbstractWaveDoc : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{9CAE6A21-064E-44F6-A7CF-0881157EB8DB}");
    // Actions take their process's parameter text, a writable buffer of bufferSize bytes;
    // queries answer a 32-bit Boolean (nonzero = true).
    virtual HResult AddTransition(char* parameters, int32_t bufferSize) = 0;
    virtual HResult ChangeColor(char* parameters, int32_t bufferSize) = 0;
    virtual HResult ChangeFont(char* parameters, int32_t bufferSize) = 0;
    virtual HResult ChangeFormatRadix(char* parameters, int32_t bufferSize) = 0;
    virtual HResult ChangeSignalGraphicallyOrMove(char* parameters, int32_t bufferSize) = 0;
    virtual HResult ChangeSignalGraphicallyOrSetFocus(char* parameters, int32_t bufferSize) = 0;
    virtual HResult Change(char* parameters, int32_t bufferSize) = 0;
    virtual HResult CollapseRow(char* parameters, int32_t bufferSize) = 0;
    virtual HResult CrossProbeChoose(char* parameters, int32_t bufferSize) = 0;
    virtual HResult CrossProbeNotify(char* parameters, int32_t bufferSize) = 0;
    virtual HResult Delete(char* parameters, int32_t bufferSize) = 0;
    virtual HResult DeleteSignalBySelection(char* parameters, int32_t bufferSize) = 0;
    virtual HResult ExpandRow(char* parameters, int32_t bufferSize) = 0;
    virtual HResult InsertSignal(char* parameters, int32_t bufferSize) = 0;
    virtual HResult Jump(char* parameters, int32_t bufferSize) = 0;
    virtual HResult MeasureTime(char* parameters, int32_t bufferSize) = 0;
    virtual HResult Clear(char* parameters, int32_t bufferSize) = 0;
    virtual HResult Copy(char* parameters, int32_t bufferSize) = 0;
    virtual HResult Cut(char* parameters, int32_t bufferSize) = 0;
    virtual HResult PasteView(char* parameters, int32_t bufferSize) = 0;
    virtual HResult PasteNewSignal(char* parameters, int32_t bufferSize) = 0;
    virtual HResult Select(char* parameters, int32_t bufferSize) = 0;
    virtual HResult SetTimeMark(char* parameters, int32_t bufferSize) = 0;
    virtual HResult SetupPreferences(char* parameters, int32_t bufferSize) = 0;
    virtual HResult Zoom(char* parameters, int32_t bufferSize) = 0;
    virtual HResult DeleteSignals(char* parameters, int32_t bufferSize) = 0;
    virtual HResult ShowSignals(char* parameters, int32_t bufferSize) = 0;
    virtual HResult MakeBus(char* parameters, int32_t bufferSize) = 0;
    virtual HResult MakeComparison(char* parameters, int32_t bufferSize) = 0;
    virtual HResult PrintDocument(char* parameters, int32_t bufferSize) = 0;
    virtual HResult SetupPrinter(char* parameters, int32_t bufferSize) = 0;
    virtual HResult Scroll(char* parameters, int32_t bufferSize) = 0;
    virtual HResult Legend(char* parameters, int32_t bufferSize) = 0;
    virtual HResult WriteRegression(char* parameters, int32_t bufferSize) = 0;
    virtual HResult AddNewCursor(char* parameters, int32_t bufferSize) = 0;
    virtual HResult DeleteCursor(char* parameters, int32_t bufferSize) = 0;
    virtual HResult CursorColour(char* parameters, int32_t bufferSize) = 0;
    virtual HResult JumpToCursor(char* parameters, int32_t bufferSize) = 0;
    virtual HResult SetNameDepth(char* parameters, int32_t bufferSize) = 0;
    virtual HResult RowProperties(char* parameters, int32_t bufferSize) = 0;
    virtual HResult Highlight(char* parameters, int32_t bufferSize) = 0;
    virtual int32_t CanHighlight() = 0;
    virtual int32_t IsHighlighted() = 0;
    virtual HResult ReverseBusOrder(char* parameters, int32_t bufferSize) = 0;
    virtual int32_t CanReverseBusOrder() = 0;
    virtual HResult ExtendPositiveEdges(char* parameters, int32_t bufferSize) = 0;
    virtual int32_t CanExtendPositiveEdges() = 0;
    virtual int32_t IsExtendingPositiveEdges() = 0;
    virtual HResult ExtendNegativeEdges(char* parameters, int32_t bufferSize) = 0;
    virtual int32_t CanExtendNegativeEdges() = 0;
    virtual int32_t IsExtendingNegativeEdges() = 0;
    virtual HResult SortByNameAsc(char* parameters, int32_t bufferSize) = 0;
    virtual HResult SortByNameDsc(char* parameters, int32_t bufferSize) = 0;
    virtual int32_t SelectionContainsGroup() = 0;
    virtual int32_t IsSelectionEmpty() = 0;
    virtual int32_t IsClipboardEmpty() = 0;
};
