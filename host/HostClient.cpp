#include "host/HostClient.h"

#include "host/CommonDialogs.h"
#include "host/HostNotification.h"
#include "host/HostOptions.h"
#include "platform/com/Exception.h"

#include <QDir>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <strings.h>

std::string DefaultOptionsFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(folder.isEmpty() ? QDir::homePath() : folder)
        .filePath("wavehost.ini")
        .toStdString();
}

THostClient::THostClient(bool interactive, std::deque<std::string> presetAnswers,
                         const std::string& optionsFile)
    : Interactive(interactive), PresetAnswers(std::move(presetAnswers)), Options(optionsFile) {}

THostClient::~THostClient() = default;

HResult THostClient::DocumentNotification(int32_t code, IServerDocument* document, const char*) {
    return GuardCall([&] {
        if (FrontEnd.DocumentChanged)
            FrontEnd.DocumentChanged(code, document);
    });
}

void THostClient::BroadcastNotification(int32_t code) {
    TComPtr<IHostNotification> notification(new THostNotification(code));
    notification->AddRef();
    // A receiver may unregister while it is told.
    for (auto* receiver : std::vector<INotificationReceiver*>(Receivers))
        receiver->Receive(notification.Get());
}

HResult THostClient::GetMainWindowHandle(void** window) {
    if (window == nullptr)
        return E_POINTER;
    *window = MainWindow;
    return S_OK;
}

HResult THostClient::GetCurrentView(IServerView** view) {
    return HandOut<IServerView>(FrontEnd.CurrentView ? FrontEnd.CurrentView() : nullptr, view);
}

HResult THostClient::GetGUIManager(IGUIManager** manager) {
    return HandOut<IGUIManager>(this, manager);
}

HResult THostClient::RegisterNotificationReceiver(INotificationReceiver* receiver) {
    Receivers.push_back(receiver);
    return S_OK;
}

HResult THostClient::UnregisterNotificationReceiver(INotificationReceiver* receiver) {
    std::erase(Receivers, receiver);
    return S_OK;
}

HResult THostClient::GetTimerManager(ITimerManager** manager) {
    return HandOut<ITimerManager>(this, manager);
}
HResult THostClient::GetOptionsManager(IOptionsManager** manager) {
    return HandOut<IOptionsManager>(this, manager);
}
HResult THostClient::GetDocumentService(IDocumentService** service) {
    return HandOut<IDocumentService>(this, service);
}
HResult THostClient::GetProcessLauncher(IProcessLauncher** launcher) {
    return HandOut<IProcessLauncher>(this, launcher);
}

// This host binds no shortcut keys of its own.
HResult THostClient::RunShortcut(int32_t, int32_t, int32_t, int32_t) {
    return S_OK;
}
HResult THostClient::IsShortcut(int32_t, int32_t, int32_t, int32_t, int32_t* isShortcut) {
    if (isShortcut == nullptr)
        return E_POINTER;
    *isShortcut = 0;
    return S_OK;
}

HResult THostClient::ShowPopupMenu(const char* menuName) {
    return GuardCall([&] {
        if (FrontEnd.PopupMenu)
            FrontEnd.PopupMenu(menuName ? menuName : "");
    });
}

HResult THostClient::SetStatusBarText(int32_t field, const char* text) {
    if (field < 1 || field > 3)
        return S_OK;
    StatusFields[field - 1] = text ? text : "";
    return GuardCall([&] {
        if (FrontEnd.StatusChanged)
            FrontEnd.StatusChanged(field, StatusFields[field - 1]);
    });
}

HResult THostClient::GetInteractive(int32_t* interactive) {
    if (interactive == nullptr)
        return E_POINTER;
    *interactive = Interactive;
    return S_OK;
}

HResult THostClient::LogMessage(const char* line) {
    std::fprintf(stderr, "%s\n", line ? line : "");
    std::fflush(stderr);
    return S_OK;
}

HResult THostClient::NextPresetAnswer(TComString* answer) {
    if (answer == nullptr)
        return E_POINTER;
    return GuardCall([&] {
        if (PresetAnswers.empty()) {
            answer->Clear();
            return;
        }
        answer->Assign(PresetAnswers.front());
        PresetAnswers.pop_front();
    });
}

HResult THostClient::AddHandler(ITimerHandler* handler, int32_t intervalMs, int32_t* registration) {
    if (handler == nullptr || registration == nullptr)
        return E_POINTER;
    return GuardCall([&] {
        const int32_t id = NextTimer++;
        auto timer = std::make_unique<QTimer>();
        timer->setInterval(intervalMs);
        QObject::connect(timer.get(), &QTimer::timeout,
                         [handler, id] { handler->HandleTimer(id); });
        timer->start();
        Timers[id] = std::move(timer);
        *registration = id;
    });
}

HResult THostClient::RemoveHandler(int32_t registration) {
    Timers.erase(registration);
    return S_OK;
}

// Each reader and writer starts from the file as it is now, so changes made outside show.
HResult THostClient::GetOptionsReader(const char*, const char*, IOptionsReader** reader) {
    return GuardCall([&] {
        Options.Reload();
        HandOut<IOptionsReader>(new THostOptionsStore(Options), reader);
    });
}

HResult THostClient::GetOptionsWriter(const char*, IOptionsWriter** writer) {
    return GuardCall([&] {
        Options.Reload();
        HandOut<IOptionsWriter>(new THostOptionsStore(Options), writer);
    });
}

HResult THostClient::DocumentSaved(IServerDocument*) {
    return S_OK;
}

HResult THostClient::RunProcess(const char* processName, char* parameters, int32_t bufferSize,
                                IServerView* view) {
    return GuardCall([&] {
        const std::string name = processName ? processName : "";
        const size_t colon = name.find(':');
        if (colon == std::string::npos)
            return;
        const std::string owner = name.substr(0, colon);
        if (strcasecmp(owner.c_str(), "Client") == 0) {
            if (strcasecmp(name.c_str() + colon + 1, "RunCommonDialog") == 0)
                RunCommonDialog(parameters, bufferSize, Interactive, *this, MainWindow);
            return;
        }
        if (Module == nullptr || owner != "Wave")
            return;
        TComPtr<ICommandLauncher> launcher;
        OleCheck(Module->GetCommandLauncher(launcher.Out()));
        OleCheck(
            launcher->LaunchCommand(name.substr(colon + 1).c_str(), parameters, bufferSize, view));
    });
}
