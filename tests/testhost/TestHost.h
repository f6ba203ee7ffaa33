// An in-process host for tests: implements the client interface and its services and records
// everything the module asks of it.
#pragma once

#include "platform/com/Interfaced.h"
#include "plugin/RT_ClientServerInterface.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

class TTestOptionsStore;

class TTestHost : public TUncountedObject<IClient, IGUIManager, ITimerManager, IOptionsManager,
                                          IDocumentService, IProcessLauncher> {
public:
    TTestHost();
    ~TTestHost() override;

    struct TDocumentNotification {
        int32_t Code;
        IServerDocument* Document;
        std::string OldFileName;
    };
    struct TProcessRun {
        std::string Name;
        std::string Parameters;
        IServerView* View;
    };
    struct TTimer {
        ITimerHandler* Handler;
        int32_t IntervalMs;
    };

    // What the module did.
    std::string StatusFields[3];
    std::vector<std::pair<int32_t, std::string>> StatusCalls; // every SetStatusBarText
    std::vector<std::string> PopupMenus;
    std::vector<std::string> Messages; // "CAPTION: TEXT" lines of headless dialogs
    std::vector<TDocumentNotification> DocumentNotifications;
    std::vector<INotificationReceiver*> Receivers;
    std::map<int32_t, TTimer> Timers;
    std::vector<TProcessRun> ProcessesRun;
    std::vector<IServerDocument*> SavedDocuments;

    // What the host answers.
    IServerView* CurrentView = nullptr;
    void* MainWindow = nullptr;
    bool Interactive = false;
    std::deque<std::string> PresetAnswers;
    std::vector<std::vector<int32_t>> Shortcuts; // {key, alt, shift, control}
    std::vector<std::vector<int32_t>> ShortcutsRun;
    // Where "Module:Process" runs go; nil leaves them recorded only.
    ICommandLauncher* ModuleLauncher = nullptr;
    // The host's own processes ("Client:NAME") by NAME; each answers in the parameter buffer.
    // A name not listed succeeds without an answer.
    std::map<std::string, std::function<void(char* parameters, int32_t bufferSize)>>
        ClientProcesses;
    // The options storage: section and key to stored text.
    std::map<std::string, std::map<std::string, std::string>> Options;

    // Sends a host notification with the given code to every registered receiver.
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

    // IProcessLauncher
    HResult RunProcess(const char* processName, char* parameters, int32_t bufferSize,
                       IServerView* view) override;

private:
    int32_t NextTimer = 1;
};
