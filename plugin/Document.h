// The waveform document: its stores, its editor form and workspace panel with the two host
// views around them, and the interfaces it offers the host and other modules.
#pragma once

#include "model/signals/SignalDocument.h"
#include "model/signals/WaveSignal.h"
#include "model/types/WaveTypeStore.h"
#include "plugin/RT_ServerDocument.h"
#include "plugin/RT_ServerViews.h"
#include "plugin/WaveDoc.h"
#include "plugin/WaveDocBuilder.h"
#include "view/EditorLinks.h"
#include "view/WaveOperations.h"

#include <memory>
#include <string>

// Offered only by editable documents; edit processes route through it.
struct IWaveEditDocument : IAbstractWaveDoc {
    using Inherited = IAbstractWaveDoc;
    static constexpr TGUID IID = TGUID::Parse("{F0C4F1F3-7AC3-49F9-A620-9142D6CB227E}");
};

class TWaveServerPanel;
class TWaveWindow;
class TCustomWaveEditor;
class TWaveRow;

// The view of the workspace panel.
class TPanelView : public TServerDocumentPanelView {
public:
    using TServerDocumentPanelView::TServerDocumentPanelView;
};

class TWaveDocument : public TServerDocument,
                      public TSignalDocument,
                      public TEditorDocumentLink,
                      public INotificationReceiver,
                      public IWavePrintEntry,
                      public IWaveDocumentBuilder,
                      public IWaveEditDocument {
public:
    static constexpr const char* cEditorViewName = "WaveEditor";
    static constexpr const char* cPanelViewName = "WavePanel";

    TWaveDocument(IServerModule* owner, std::string kind, std::string fileName);
    ~TWaveDocument() override;

    // The forms go with their views; the stores stay until the object goes.
    void Close() override;

    virtual bool IsEditableDocument() const = 0;
    // The workspace panel asks before it renames a signal.
    bool MayEdit() const { return IsEditableDocument(); }
    virtual std::string PopupMenuName() const = 0;

    // Nil once the document is closed.
    TCustomWaveEditor* Editor() const;
    TWaveWindow* Window() const;
    TWaveServerPanel* Panel() const;
    TWaveDataTypeStore& Types() { return *FTypes; }

    // The load steps every load shares: empty stores and rows, the default layout, and the
    // end of a load (repaint, signal list, modified flag cleared).
    void ResetDocumentStores();
    void ApplyDefaultLayout();
    void FinishLoad();

    void SetModified(bool modified) override;
    void SetModifiedFlag(bool modified) override;

    // IUnknown, shared by every interface of the document.
    HResult QueryInterface(const TGUID& iid, void** object) override;
    int32_t AddRef() override { return TServerDocument::AddRef(); }
    int32_t Release() override { return TServerDocument::Release(); }
    using TServerDocument::SetModified;

    // TEditorDocumentLink
    TSignalDocument& SignalDocument() override { return *this; }
    TWaveDataTypeStore& TypeStore() override { return *FTypes; }
    bool IsEditable() const override { return IsEditableDocument(); }
    void MarkModified() override { SetModifiedFlag(true); }
    void ViewChanged() override {}
    void CursorsChanged() override {}
    void SignalsChanged() override;

    // INotificationReceiver
    HResult Receive(IUnknown* notification) override;
    // IWavePrintEntry
    HResult Print(const TWavePrintRequest* request) override;

    // IWaveDocumentBuilder
    HResult GetRowCount(int32_t* count) override;
    HResult GetRow(int32_t index, IWaveRow** row) override;
    HResult CreateType(const char* name, int32_t kind, IWaveDataType** type) override;
    HResult FindType(const char* name, IWaveDataType** type) override;
    HResult AddSignalWithStyle(const char* name, const char* typeName, const char* styleName,
                               IWaveSignal** signal) override;
    HResult AddSignal(const char* name, const char* typeName, IWaveSignal** signal) override;
    HResult AddSignalWithBounds(const char* name, const char* typeName, int32_t low, int32_t high,
                                IWaveSignal** signal) override;
    HResult FindSignalByFullName(const char* name, IWaveSignal** signal) override;
    HResult FindSignalByName(const char* name, IWaveSignal** signal) override;
    HResult DeleteSignal(const char* fullName) override;
    HResult AddGroup(const char* name, const char* styleName, IWaveSignal** signal) override;
    HResult AddGroupMember(const char* name, IWaveSignal* group, const char* styleName,
                           IWaveSignal** signal) override;
    HResult ZoomToFit() override;
    HResult ZoomToRange(uint32_t startLow, int32_t startHigh, uint32_t endLow,
                        int32_t endHigh) override;
    HResult FinishTypes() override;
    HResult ZoomIn() override;
    HResult ZoomOut() override;
    HResult Refresh() override;
    HResult ClearDocument() override;
    HResult SetEndOfSimulationTime(uint32_t low, int32_t high) override;
    HResult SetSampleRate(uint32_t low, int32_t high) override;
    HResult MarkModified(int32_t modified) override;
    HResult BeginReload(int32_t byName) override;
    HResult EndReload(int32_t reserved) override;

    // IAbstractWaveDoc
    HResult AddTransition(char* parameters, int32_t bufferSize) override;
    HResult ChangeColor(char* parameters, int32_t bufferSize) override;
    HResult ChangeFont(char* parameters, int32_t bufferSize) override;
    HResult ChangeFormatRadix(char* parameters, int32_t bufferSize) override;
    HResult ChangeSignalGraphicallyOrMove(char* parameters, int32_t bufferSize) override;
    HResult ChangeSignalGraphicallyOrSetFocus(char* parameters, int32_t bufferSize) override;
    HResult Change(char* parameters, int32_t bufferSize) override;
    HResult CollapseRow(char* parameters, int32_t bufferSize) override;
    HResult CrossProbeChoose(char* parameters, int32_t bufferSize) override;
    HResult CrossProbeNotify(char* parameters, int32_t bufferSize) override;
    HResult Delete(char* parameters, int32_t bufferSize) override;
    HResult DeleteSignalBySelection(char* parameters, int32_t bufferSize) override;
    HResult ExpandRow(char* parameters, int32_t bufferSize) override;
    HResult InsertSignal(char* parameters, int32_t bufferSize) override;
    HResult Jump(char* parameters, int32_t bufferSize) override;
    HResult MeasureTime(char* parameters, int32_t bufferSize) override;
    HResult Clear(char* parameters, int32_t bufferSize) override;
    HResult Copy(char* parameters, int32_t bufferSize) override;
    HResult Cut(char* parameters, int32_t bufferSize) override;
    HResult PasteView(char* parameters, int32_t bufferSize) override;
    HResult PasteNewSignal(char* parameters, int32_t bufferSize) override;
    HResult Select(char* parameters, int32_t bufferSize) override;
    HResult SetTimeMark(char* parameters, int32_t bufferSize) override;
    HResult SetupPreferences(char* parameters, int32_t bufferSize) override;
    HResult Zoom(char* parameters, int32_t bufferSize) override;
    HResult DeleteSignals(char* parameters, int32_t bufferSize) override;
    HResult ShowSignals(char* parameters, int32_t bufferSize) override;
    HResult MakeBus(char* parameters, int32_t bufferSize) override;
    HResult MakeComparison(char* parameters, int32_t bufferSize) override;
    HResult PrintDocument(char* parameters, int32_t bufferSize) override;
    HResult SetupPrinter(char* parameters, int32_t bufferSize) override;
    HResult Scroll(char* parameters, int32_t bufferSize) override;
    HResult Legend(char* parameters, int32_t bufferSize) override;
    HResult WriteRegression(char* parameters, int32_t bufferSize) override;
    HResult AddNewCursor(char* parameters, int32_t bufferSize) override;
    HResult DeleteCursor(char* parameters, int32_t bufferSize) override;
    HResult CursorColour(char* parameters, int32_t bufferSize) override;
    HResult JumpToCursor(char* parameters, int32_t bufferSize) override;
    HResult SetNameDepth(char* parameters, int32_t bufferSize) override;
    HResult RowProperties(char* parameters, int32_t bufferSize) override;
    HResult Highlight(char* parameters, int32_t bufferSize) override;
    int32_t CanHighlight() override;
    int32_t IsHighlighted() override;
    HResult ReverseBusOrder(char* parameters, int32_t bufferSize) override;
    int32_t CanReverseBusOrder() override;
    HResult ExtendPositiveEdges(char* parameters, int32_t bufferSize) override;
    int32_t CanExtendPositiveEdges() override;
    int32_t IsExtendingPositiveEdges() override;
    HResult ExtendNegativeEdges(char* parameters, int32_t bufferSize) override;
    int32_t CanExtendNegativeEdges() override;
    int32_t IsExtendingNegativeEdges() override;
    HResult SortByNameAsc(char* parameters, int32_t bufferSize) override;
    HResult SortByNameDsc(char* parameters, int32_t bufferSize) override;
    int32_t SelectionContainsGroup() override;
    int32_t IsSelectionEmpty() override;
    int32_t IsClipboardEmpty() override;

protected:
    // Creates the workspace panel, the editor form and their views, ties them to the document
    // and registers the notification receiver.
    void CreateFormsAndViews();
    bool DoLoad() override;
    bool DoSave() override;

private:
    // Hands a process to the editor control; nothing once the forms are gone.
    HResult Forward(TWaveOperation operation, char* parameters, int32_t bufferSize);
    int32_t Ask(TWaveQuery query) const;
    // A new signal of a type with its row at the focused row, focused; nil for an unknown type.
    TSignalNode* NewSignalWithRow(const char* name, const char* typeName, int32_t low, int32_t high,
                                  bool atEnd, const char* styleName);
    // Colours a new row from a style (falling back to "Default").
    void ColourRow(TWaveRow& row, const char* styleName, bool groupRow) const;
    // Signal list, editor rows and panel after building operations.
    void RefreshAfterBuilding();

    QPointer<TWaveServerPanel> FPanel;
    QPointer<TWaveWindow> FWindow;
    std::unique_ptr<TWaveDataTypeStore> FTypes;
    bool ReceiverRegistered = false;
};
