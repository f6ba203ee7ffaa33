// wavehost's side of the client interface: status bar, timers, options storage, process
// launching, and the answers to module dialogs when running headless.
#pragma once

#include "host/IniFile.h"
#include "platform/com/Interfaced.h"
#include "plugin/RT_ClientServerInterface.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QTimer;

// What the host's front end (the desktop window or the batch runner) supplies and hears.
struct THostFrontEnd {
    // The view of the focused document, or nil.
    std::function<IServerView*()> CurrentView;
    std::function<void(int32_t field, const std::string& text)> StatusChanged;
    std::function<void(const std::string& menuName)> PopupMenu;
    // Code 11: modified flag changed; code 4: file name changed.
    std::function<void(int32_t code, IServerDocument* document)> DocumentChanged;
};

class THostClient : public TUncountedObject<IClient, IGUIManager, ITimerManager, IOptionsManager,
                                            IDocumentService, IProcessLauncher> {
public:
    // Headless hosts print every module message as "CAPTION: TEXT" on standard error and answer
    // dialogs from the preset answers, in order.
    THostClient(bool interactive, std::deque<std::string> presetAnswers,
                const std::string& optionsFile);
    ~THostClient() override;

    void SetModule(IServerModule* module) { Module = module; }
    const std::string& StatusField(int field) const { return StatusFields[field - 1]; }
    void SetMainWindow(void* window) { MainWindow = window; }
    void SetFrontEnd(THostFrontEnd frontEnd) { FrontEnd = std::move(frontEnd); }
    // Tells every registered receiver, as a host notification with the code.
    void BroadcastNotification(int32_t code);

    // IClient
    HResult DocumentNotification(int32_t code, IServerDocument* document,
                                 const char* oldFileName) override;
    HResult GetMainWindowHandle(void** window) override;
    HResult GetCurrentView(IServerView** view) override;
    HResult GetGUIManager(IGUIManager** manager) override;
    HResult RegisterNotificationReceiver(INotificationReceiver* receiver) override;
    HResult UnregisterNotificationReceiver(INotificationReceiver* receiver) override;
    HResult GetTimerManager(ITimerManager** manager) override;
    HResult GetOptionsManager(IOptionsManager** manager) override;
    HResult GetDocumentService(IDocumentService** service) override;
    HResult GetProcessLauncher(IProcessLauncher** launcher) override;

    // IGUIManager
    HResult RunShortcut(int32_t key, int32_t alt, int32_t shift, int32_t control) override;
    HResult IsShortcut(int32_t key, int32_t alt, int32_t shift, int32_t control,
                       int32_t* isShortcut) override;
    HResult ShowPopupMenu(const char* menuName) override;
    HResult SetStatusBarText(int32_t field, const char* text) override;
    HResult GetInteractive(int32_t* interactive) override;
    HResult LogMessage(const char* line) override;
    HResult NextPresetAnswer(TComString* answer) override;

    // ITimerManager
    HResult AddHandler(ITimerHandler* handler, int32_t intervalMs, int32_t* registration) override;
    HResult RemoveHandler(int32_t registration) override;

    // IOptionsManager
    HResult GetOptionsReader(const char* name, const char* location,
                             IOptionsReader** reader) override;
    HResult GetOptionsWriter(const char* name, IOptionsWriter** writer) override;

    // IDocumentService
    HResult DocumentSaved(IServerDocument* document) override;

    // IProcessLauncher: "Client:RunCommonDialog" is the host's own; "Wave:Process" goes to the
    // module's launcher with the bare name.
    HResult RunProcess(const char* processName, char* parameters, int32_t bufferSize,
                       IServerView* view) override;

private:
    bool Interactive;
    std::deque<std::string> PresetAnswers;
    TIniFile Options;
    IServerModule* Module = nullptr;
    void* MainWindow = nullptr;
    THostFrontEnd FrontEnd;
    std::string StatusFields[3];
    std::vector<INotificationReceiver*> Receivers;
    std::map<int32_t, std::unique_ptr<QTimer>> Timers;
    int32_t NextTimer = 1;
};

// The folder-independent default place of the options file.
std::string DefaultOptionsFile();
