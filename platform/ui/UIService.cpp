#include "platform/ui/UIService.h"

#include "platform/com/Exception.h"
#include "platform/ui/HostScriptedUIService.h"
#include "platform/ui/QtUIService.h"
#include "plugin/RT_ClientServerInterface.h"

namespace {
std::unique_ptr<TUIService>& Current() {
    static std::unique_ptr<TUIService> service = std::make_unique<THostScriptedUIService>(nullptr);
    return service;
}
} // namespace

TUIService& UIService() {
    return *Current();
}

void SetUIService(std::unique_ptr<TUIService> service) {
    Current() = std::move(service);
}

void InstallUIServiceFor(IClient* client) {
    TComPtr<IGUIManager> gui;
    if (client)
        OleCheck(client->GetGUIManager(gui.Out()));
    int32_t interactive = 0;
    if (gui)
        OleCheck(gui->GetInteractive(&interactive));
    if (interactive)
        SetUIService(std::make_unique<TQtUIService>());
    else
        SetUIService(std::make_unique<THostScriptedUIService>(gui.Get()));
}

void ShowErrorMessage(const std::string& text) {
    UIService().MessageDlg("Error", text, TMsgDlgType::Error, mbOK);
}
