// What signals need of the document that owns them: its identifier allocator, its signal
// store, its modified flag and its editor. The waveform document derives from this class and
// connects the editor; a document without an editor leaves the editor hooks empty.
#pragma once

#include "model/signals/SignalDataStore.h"
#include "model/signals/WaveUniqueIDMaster.h"

class TSignalNode;

class TSignalDocument {
public:
    TSignalDocument() = default;
    TSignalDocument(const TSignalDocument&) = delete;
    TSignalDocument& operator=(const TSignalDocument&) = delete;
    virtual ~TSignalDocument() = default;

    // Signals and rows share this identifier space.
    TUniqueIDMaster& SignalIDs() { return FSignalIDs; }
    TSignalDataStore& SignalStore() { return FSignalStore; }
    bool Modified() const { return FModified; }
    virtual void SetModified(bool modified) { FModified = modified; }

    // The editor's side of the signal interface.
    virtual void AddSignalToDisplay(TSignalNode&) {}
    virtual void RemoveSignalFromDisplay(TSignalNode&) {}
    virtual void ShowSignal(TSignalNode&) {}
    // Copies the signal's display format, radix and disassembler into its rows.
    virtual void ApplySignalDisplayFormat(TSignalNode&) {}
    // The signal tree changed shape (a new access-array incarnation).
    virtual void RefreshRows() {}

private:
    // The store is destroyed first: nodes may still look at the allocator.
    TUniqueIDMaster FSignalIDs;
    TSignalDataStore FSignalStore;
    bool FModified = false;
};
