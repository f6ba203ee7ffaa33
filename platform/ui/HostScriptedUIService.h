// Dialogs of a headless host: each message goes to the host's log as "CAPTION: TEXT" and is
// answered from the host's preset answers ("OK", "Cancel", "Yes", "No", ...), or with the
// first offered button when none fits.
#pragma once

#include "platform/ui/UIService.h"

struct IGUIManager;

class THostScriptedUIService : public TUIService {
public:
    explicit THostScriptedUIService(IGUIManager* gui) : Gui(gui) {}
    TModalResult MessageDlg(const std::string& caption, const std::string& text, TMsgDlgType type,
                            TMsgDlgButtons buttons) override;

private:
    std::string NextAnswer();
    IGUIManager* Gui; // not counted: the host outlives the module
};
