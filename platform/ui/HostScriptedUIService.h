// Dialogs of a headless host: each goes to the host's log as "CAPTION: TEXT" and is answered
// from the host's preset answers. A message box takes a button name ("OK", "Cancel", "Yes",
// "No", ...), or its first button when none fits. An input box takes the text itself; "Cancel"
// or no answer left cancels it. The font dialog takes a font text, "OK" keeps the font, anything
// else cancels.
#pragma once

#include "platform/ui/UIService.h"

struct IGUIManager;

class THostScriptedUIService : public TUIService {
public:
    explicit THostScriptedUIService(IGUIManager* gui) : Gui(gui) {}
    TModalResult MessageDlg(const std::string& caption, const std::string& text, TMsgDlgType type,
                            TMsgDlgButtons buttons) override;
    bool InputQuery(const std::string& caption, const std::string& prompt,
                    std::string& value) override;
    bool FontDialog(TWaveFont& font, void* owner) override;

private:
    void Log(const std::string& caption, const std::string& text);
    std::string NextAnswer();
    IGUIManager* Gui; // not counted: the host outlives the module
};
