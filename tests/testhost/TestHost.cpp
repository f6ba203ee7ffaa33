#include "tests/testhost/TestHost.h"

#include "host/HostNotification.h"
#include "tests/testhost/TestOptions.h"

#include <algorithm>

namespace {} // namespace

TTestHost::TTestHost() = default;
TTestHost::~TTestHost() = default;

void TTestHost::BroadcastNotification(int32_t code) {
    TComPtr<IHostNotification> notification(new THostNotification(code));
    notification->AddRef();
    for (auto* receiver : std::vector<INotificationReceiver*>(Receivers))
        receiver->Receive(notification.Get());
}

HResult TTestHost::DocumentNotification(int32_t code, IServerDocument* document,
                                        const char* oldFileName) {
    DocumentNotifications.push_back({code, document, oldFileName ? oldFileName : ""});
    return S_OK;
}

HResult TTestHost::GetMainWindowHandle(void** window) {
    *window = MainWindow;
    return S_OK;
}

HResult TTestHost::GetCurrentView(IServerView** view) {
    return HandOut(CurrentView, view);
}
HResult TTestHost::GetGUIManager(IGUIManager** manager) {
    return HandOut<IGUIManager>(this, manager);
}

HResult TTestHost::RegisterNotificationReceiver(INotificationReceiver* receiver) {
    Receivers.push_back(receiver);
    return S_OK;
}

HResult TTestHost::UnregisterNotificationReceiver(INotificationReceiver* receiver) {
    std::erase(Receivers, receiver);
    return S_OK;
}

HResult TTestHost::GetTimerManager(ITimerManager** manager) {
    return HandOut<ITimerManager>(this, manager);
}
HResult TTestHost::GetOptionsManager(IOptionsManager** manager) {
    return HandOut<IOptionsManager>(this, manager);
}
HResult TTestHost::GetDocumentService(IDocumentService** service) {
    return HandOut<IDocumentService>(this, service);
}
HResult TTestHost::GetProcessLauncher(IProcessLauncher** launcher) {
    return HandOut<IProcessLauncher>(this, launcher);
}

HResult TTestHost::RunShortcut(int32_t key, int32_t alt, int32_t shift, int32_t control) {
    ShortcutsRun.push_back({key, alt, shift, control});
    return S_OK;
}

HResult TTestHost::IsShortcut(int32_t key, int32_t alt, int32_t shift, int32_t control,
                              int32_t* isShortcut) {
    const std::vector<int32_t> wanted{key, alt != 0, shift != 0, control != 0};
    *isShortcut = std::find(Shortcuts.begin(), Shortcuts.end(), wanted) != Shortcuts.end();
    return S_OK;
}

HResult TTestHost::ShowPopupMenu(const char* menuName) {
    PopupMenus.emplace_back(menuName ? menuName : "");
    return S_OK;
}

HResult TTestHost::SetStatusBarText(int32_t field, const char* text) {
    StatusCalls.emplace_back(field, text ? text : "");
    if (field >= 1 && field <= 3)
        StatusFields[field - 1] = text ? text : "";
    return S_OK;
}

HResult TTestHost::GetInteractive(int32_t* interactive) {
    *interactive = Interactive;
    return S_OK;
}

HResult TTestHost::LogMessage(const char* line) {
    Messages.emplace_back(line ? line : "");
    return S_OK;
}

HResult TTestHost::NextPresetAnswer(TComString* answer) {
    if (PresetAnswers.empty()) {
        answer->Clear();
    } else {
        answer->Assign(PresetAnswers.front());
        PresetAnswers.pop_front();
    }
    return S_OK;
}

HResult TTestHost::AddHandler(ITimerHandler* handler, int32_t intervalMs, int32_t* registration) {
    *registration = NextTimer++;
    Timers[*registration] = {handler, intervalMs};
    return S_OK;
}

HResult TTestHost::RemoveHandler(int32_t registration) {
    Timers.erase(registration);
    return S_OK;
}

HResult TTestHost::GetOptionsReader(const char*, const char*, IOptionsReader** reader) {
    return HandOut<IOptionsReader>(new TTestOptionsStore(Options), reader);
}

HResult TTestHost::GetOptionsWriter(const char*, IOptionsWriter** writer) {
    return HandOut<IOptionsWriter>(new TTestOptionsStore(Options), writer);
}

HResult TTestHost::DocumentSaved(IServerDocument* document) {
    SavedDocuments.push_back(document);
    return S_OK;
}

HResult TTestHost::RunProcess(const char* processName, char* parameters, int32_t bufferSize,
                              IServerView* view) {
    std::string name = processName ? processName : "";
    ProcessesRun.push_back({name, parameters ? parameters : "", view});
    const size_t colon = name.find(':');
    if (name.substr(0, colon) == "Client") {
        auto process = ClientProcesses.find(name.substr(colon + 1));
        if (process != ClientProcesses.end())
            process->second(parameters, bufferSize);
        return S_OK;
    }
    if (ModuleLauncher == nullptr)
        return S_OK;
    return ModuleLauncher->LaunchCommand(
        name.substr(colon == std::string::npos ? 0 : colon + 1).c_str(), parameters, bufferSize,
        view);
}
