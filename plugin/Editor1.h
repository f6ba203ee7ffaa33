// The editor form of a waveform document: a borderless form holding the editor control.
#pragma once

#include "plugin/RT_ServerViews.h"

class TWaveDocument;
class TWaveEditor;

class TWaveWindow : public TServerEditorForm {
public:
    static constexpr int32_t cInitialVSpliterPosition = 200;
    static constexpr int32_t cInitialHSpliterPosition = 24;

    explicit TWaveWindow(TWaveDocument& document);

    TWaveEditor& Editor() const { return *FEditor; }
    // The host shows the popup menu named by the document at the mouse.
    void RequestPopupMenu();
    // The editor control runs host processes with the form's view.
    void SetView(IServerView* view) override;

protected:
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TWaveDocument& Document;
    TWaveEditor* FEditor;
};
