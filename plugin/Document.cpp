// The waveform document's life: creation of its forms and views, the steps of a load, the
// modified flag, host notifications and close.
#include "plugin/Document.h"

#include "controls/OptionsForm.h"
#include "platform/com/Exception.h"
#include "plugin/Editor1.h"
#include "plugin/Panel.h"
#include "plugin/RT_ServerImplementation.h"
#include "rows/RowTree.h"
#include "view/WaveEditor.h"

#include <filesystem>

TWaveDocument::TWaveDocument(IServerModule* owner, std::string kind, std::string fileName)
    : TServerDocument(owner, std::move(kind), std::move(fileName)),
      FTypes(std::make_unique<TWaveDataTypeStore>(this)) {}

TWaveDocument::~TWaveDocument() {
    // Signals refer to their types: they go first.
    SignalStore().Clear();
    FTypes.reset();
}

TWaveWindow* TWaveDocument::Window() const {
    return FWindow.data();
}

TWaveServerPanel* TWaveDocument::Panel() const {
    return FPanel.data();
}

TCustomWaveEditor* TWaveDocument::Editor() const {
    return FWindow ? &FWindow->Editor() : nullptr;
}

void TWaveDocument::CreateFormsAndViews() {
    RequireWidgetApplication();
    auto* panel = new TWaveServerPanel();
    auto* window = new TWaveWindow(*this);
    FPanel = panel;
    FWindow = window;
    auto editorView =
        TComPtr<IServerView>::Share(new TServerDocumentEditorView(window, cEditorViewName, this));
    panel->Attach(*window);
    auto panelView = TComPtr<IServerView>::Share(new TPanelView(panel, cPanelViewName, this));
    AddView(panelView.Get());
    AddView(editorView.Get());

    panel->SetDocument(this);
    TCustomWaveEditor& editor = window->Editor();
    editor.SetDocument(this);
    editor.SetWavePanel(panel);
    panel->Attach(*window);

    if (IClient* client = CurrentClient()) {
        OleCheck(client->RegisterNotificationReceiver(this));
        ReceiverRegistered = true;
    }
}

void TWaveDocument::Close() {
    if (ReceiverRegistered) {
        ReceiverRegistered = false;
        if (IClient* client = CurrentClient())
            client->UnregisterNotificationReceiver(this);
    }
    // The forms may outlive the document until their deferred release: they let go of it,
    // and the rows (which look at the signals) go now.
    if (TCustomWaveEditor* editor = Editor()) {
        editor->FinishNameEdit();
        editor->ClearRows();
        editor->SetDocument(nullptr);
        editor->SetWavePanel(nullptr);
    }
    if (TWaveServerPanel* panel = Panel())
        panel->Detach();
    FWindow.clear();
    FPanel.clear();
    TServerDocument::Close();
}

void TWaveDocument::ResetDocumentStores() {
    TCustomWaveEditor* editor = Editor();
    if (editor)
        editor->ClearRows();
    SignalStore().Clear();
    SignalIDs().Clear();
    FTypes = std::make_unique<TWaveDataTypeStore>(this);
    if (editor)
        editor->NewRows();
}

void TWaveDocument::ApplyDefaultLayout() {
    TCustomWaveEditor* editor = Editor();
    if (editor == nullptr)
        return;
    editor->SetHSpliterPosition(24);
    editor->SetVSpliterPosition(200);
    editor->SetColumnWidth(2, 116);
    editor->SetColumnWidth(3, 120);
    editor->SetColumnWidth(4, 40);
    editor->ClearLocationMarks();
}

void TWaveDocument::FinishLoad() {
    if (TCustomWaveEditor* editor = Editor()) {
        editor->Layout();
        editor->InvalidateAll();
    }
    if (TWaveServerPanel* panel = Panel())
        panel->RefreshSignalList();
    SetModifiedFlag(false);
}

bool TWaveDocument::DoLoad() {
    if (Editor() == nullptr)
        return false;
    std::error_code error;
    const bool exists = std::filesystem::exists(FileName(), error);
    // A name that does not exist is a new, empty document. Files are read by the file formats;
    // until a reader takes a file the document stays empty and the load fails.
    ResetDocumentStores();
    ApplyDefaultLayout();
    FinishLoad();
    return !exists;
}

bool TWaveDocument::DoSave() {
    if (TCustomWaveEditor* editor = Editor())
        editor->FinishNameEdit();
    // Nothing is written until the binary writer exists; the changes stay marked.
    return false;
}

void TWaveDocument::SetModified(bool modified) {
    SetModifiedFlag(modified);
}

void TWaveDocument::SetModifiedFlag(bool modified) {
    TSignalDocument::SetModified(modified);
    TServerDocument::SetModifiedFlag(modified);
}

void TWaveDocument::SignalsChanged() {
    if (TWaveServerPanel* panel = Panel())
        panel->RefreshSignalList();
}

HResult TWaveDocument::QueryInterface(const TGUID& iid, void** object) {
    if (object == nullptr)
        return E_POINTER;
    if (Succeeded(TServerDocument::QueryInterface(iid, object)))
        return S_OK;
    if (iid == IWaveEditDocument::IID && !IsEditableDocument()) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    return TInterfaceTable<TWaveDocument, INotificationReceiver, IWavePrintEntry,
                           IWaveDocumentBuilder, IWaveEditDocument>::Query(this, iid, object);
}

HResult TWaveDocument::Receive(IUnknown* notification) {
    return GuardCall([&] {
        TComPtr<IHostNotification> host(QueryInterfaceOf<IHostNotification>(notification));
        if (!host)
            return;
        int32_t code = 0;
        OleCheck(host->GetCode(&code));
        if (code != cNotificationPreferencesChanged)
            return;
        if (TCustomWaveEditor* editor = Editor()) {
            editor->ApplyPreferences();
            editor->InvalidateAll();
        }
    });
}

HResult TWaveDocument::Print(const TWavePrintRequest*) {
    // The editor's print routine arrives with printing.
    return S_OK;
}
