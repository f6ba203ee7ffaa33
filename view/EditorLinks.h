// What the editor control needs of the document and of the workspace panel that show it. The
// document and the panel implement these; the editor holds them without owning them.
#pragma once

class TSignalNode;
class TSignalDocument;
class TWaveDataTypeStore;

class TEditorDocumentLink {
public:
    // The stores new rows and the end-of-display row draw on.
    virtual TSignalDocument& SignalDocument() = 0;
    virtual TWaveDataTypeStore& TypeStore() = 0;
    virtual bool IsEditable() const = 0;
    // Editing operations end here: the document's modified flag goes on.
    virtual void MarkModified() = 0;
    // After every layout, zoom and scroll.
    virtual void ViewChanged() = 0;
    // After every change of a cursor or of the active cursor.
    virtual void CursorsChanged() = 0;
    // After a change of the set of signals or rows (paste, show, delete, a rename).
    virtual void SignalsChanged() = 0;

protected:
    ~TEditorDocumentLink() = default;
};

class TWavePanelLink {
public:
    // The focused row changed, or its signal was renamed; nil when no row is focused.
    virtual void CurrentSignalChanged(TSignalNode* signal) = 0;
    virtual void RefreshSignalList() = 0;

protected:
    ~TWavePanelLink() = default;
};
