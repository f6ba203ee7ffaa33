// Dialogs of an interactive host, shown with Qt and owned by the host's main window.
#pragma once

#include "platform/ui/UIService.h"

class TQtUIService : public TUIService {
public:
    TModalResult MessageDlg(const std::string& caption, const std::string& text, TMsgDlgType type,
                            TMsgDlgButtons buttons) override;
    bool InputQuery(const std::string& caption, const std::string& prompt,
                    std::string& value) override;
    bool FontDialog(TWaveFont& font, void* owner) override;
};
