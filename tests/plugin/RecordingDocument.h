// A stand-in waveform document for routing tests: records every process-interface call with its
// parameter text, and answers the state queries from settable flags.
#pragma once

#include "platform/com/Interfaced.h"
#include "plugin/Document.h"
#include "plugin/RT_ClientServerInterface.h"

#include <map>
#include <string>
#include <vector>

struct TRecordedCall {
    std::string Method;
    std::string Parameters;
    int32_t BufferSize;
};

class TRecordingDocument : public TUncountedObject<IServerDocument, IWaveEditDocument> {
public:
    explicit TRecordingDocument(bool editable) : Editable(editable) {}

    std::vector<TRecordedCall> Calls;
    std::map<std::string, int32_t> Answers; // state query name to answer (default 0)
    bool Editable;

    HResult QueryInterface(const TGUID& iid, void** object) override {
        if (!Editable && iid == IWaveEditDocument::IID) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        return TUncountedObject::QueryInterface(iid, object);
    }

    HResult GetFileName(TComString* f) override { return f->Assign(""), S_OK; }
    HResult SetFileName(const char*) override { return S_OK; }
    HResult GetKind(TComString* k) override { return k->Assign("WAVE"), S_OK; }
    HResult GetModified(int32_t* m) override { return *m = 0, S_OK; }
    HResult SetModified(int32_t) override { return S_OK; }
    HResult GetServerModule(IServerModule** m) override { return *m = nullptr, S_OK; }
    HResult GetViewCount(int32_t* c) override { return *c = 0, S_OK; }
    HResult GetView(int32_t, IServerView** v) override { return *v = nullptr, E_INVALIDARG; }
    HResult Load(int32_t* s) override { return *s = 1, S_OK; }
    HResult Save(int32_t* s) override { return *s = 1, S_OK; }
    HResult ReleaseFileLock() override { return S_OK; }

#define WAVE_RECORD_ACTION(Name)                                                                   \
    HResult Name(char* parameters, int32_t bufferSize) override {                                  \
        Calls.push_back({#Name, parameters ? parameters : "", bufferSize});                        \
        return S_OK;                                                                               \
    }
#define WAVE_RECORD_QUERY(Name)                                                                    \
    int32_t Name() override {                                                                      \
        Calls.push_back({#Name, "", 0});                                                           \
        return Answers[#Name];                                                                     \
    }
    WAVE_RECORD_ACTION(AddTransition)
    WAVE_RECORD_ACTION(ChangeColor)
    WAVE_RECORD_ACTION(ChangeFont)
    WAVE_RECORD_ACTION(ChangeFormatRadix)
    WAVE_RECORD_ACTION(ChangeSignalGraphicallyOrMove)
    WAVE_RECORD_ACTION(ChangeSignalGraphicallyOrSetFocus)
    WAVE_RECORD_ACTION(Change)
    WAVE_RECORD_ACTION(CollapseRow)
    WAVE_RECORD_ACTION(CrossProbeChoose)
    WAVE_RECORD_ACTION(CrossProbeNotify)
    WAVE_RECORD_ACTION(Delete)
    WAVE_RECORD_ACTION(DeleteSignalBySelection)
    WAVE_RECORD_ACTION(ExpandRow)
    WAVE_RECORD_ACTION(InsertSignal)
    WAVE_RECORD_ACTION(Jump)
    WAVE_RECORD_ACTION(MeasureTime)
    WAVE_RECORD_ACTION(Clear)
    WAVE_RECORD_ACTION(Copy)
    WAVE_RECORD_ACTION(Cut)
    WAVE_RECORD_ACTION(PasteView)
    WAVE_RECORD_ACTION(PasteNewSignal)
    WAVE_RECORD_ACTION(Select)
    WAVE_RECORD_ACTION(SetTimeMark)
    WAVE_RECORD_ACTION(SetupPreferences)
    WAVE_RECORD_ACTION(Zoom)
    WAVE_RECORD_ACTION(DeleteSignals)
    WAVE_RECORD_ACTION(ShowSignals)
    WAVE_RECORD_ACTION(MakeBus)
    WAVE_RECORD_ACTION(MakeComparison)
    WAVE_RECORD_ACTION(PrintDocument)
    WAVE_RECORD_ACTION(SetupPrinter)
    WAVE_RECORD_ACTION(Scroll)
    WAVE_RECORD_ACTION(Legend)
    WAVE_RECORD_ACTION(WriteRegression)
    WAVE_RECORD_ACTION(AddNewCursor)
    WAVE_RECORD_ACTION(DeleteCursor)
    WAVE_RECORD_ACTION(CursorColour)
    WAVE_RECORD_ACTION(JumpToCursor)
    WAVE_RECORD_ACTION(SetNameDepth)
    WAVE_RECORD_ACTION(RowProperties)
    WAVE_RECORD_ACTION(Highlight)
    WAVE_RECORD_QUERY(CanHighlight)
    WAVE_RECORD_QUERY(IsHighlighted)
    WAVE_RECORD_ACTION(ReverseBusOrder)
    WAVE_RECORD_QUERY(CanReverseBusOrder)
    WAVE_RECORD_ACTION(ExtendPositiveEdges)
    WAVE_RECORD_QUERY(CanExtendPositiveEdges)
    WAVE_RECORD_QUERY(IsExtendingPositiveEdges)
    WAVE_RECORD_ACTION(ExtendNegativeEdges)
    WAVE_RECORD_QUERY(CanExtendNegativeEdges)
    WAVE_RECORD_QUERY(IsExtendingNegativeEdges)
    WAVE_RECORD_ACTION(SortByNameAsc)
    WAVE_RECORD_ACTION(SortByNameDsc)
    WAVE_RECORD_QUERY(SelectionContainsGroup)
    WAVE_RECORD_QUERY(IsSelectionEmpty)
    WAVE_RECORD_QUERY(IsClipboardEmpty)
#undef WAVE_RECORD_ACTION
#undef WAVE_RECORD_QUERY
};

// A document view whose owner is the given document (nil for "no document").
class TRecordingDocumentView : public TUncountedObject<IServerDocumentView> {
public:
    explicit TRecordingDocumentView(IServerDocument* owner) : Owner(owner) {}
    int Updates = 0;
    HResult GetViewName(TComString* n) override { return n->Assign("WaveEditor"), S_OK; }
    HResult IsPanel(int32_t* p) override { return *p = 0, S_OK; }
    HResult Update() override { return ++Updates, S_OK; }
    HResult GetWindow(void** w) override { return *w = nullptr, S_OK; }
    HResult GetCaption(TComString* c) override { return c->Assign(""), S_OK; }
    HResult GetOwnerDocument(IServerDocument** document) override {
        *document = Owner;
        return S_OK;
    }

private:
    IServerDocument* Owner;
};

// A view that belongs to no document.
class TPlainView : public TUncountedObject<IServerView> {
public:
    HResult GetViewName(TComString* n) override { return n->Assign("Other"), S_OK; }
    HResult IsPanel(int32_t* p) override { return *p = 1, S_OK; }
    HResult Update() override { return S_OK; }
    HResult GetWindow(void** w) override { return *w = nullptr, S_OK; }
    HResult GetCaption(TComString* c) override { return c->Assign(""), S_OK; }
};
