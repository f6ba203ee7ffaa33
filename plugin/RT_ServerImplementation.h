// The server framework a module is built on: the module object the host talks to, its
// process launcher and the host's process counter.
#pragma once

#include "platform/com/Interfaced.h"
#include "plugin/RT_ClientServerInterface.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A process: (view, parameter buffer, buffer size).
using TProcessProc = void (*)(IServerView* view, char* parameters, int32_t bufferSize);
// A state query: (view, parameters, enabled, checked, visible, two byte flags).
using TProcessStateProc = void (*)(IServerView* view, char* parameters, int32_t& enabled,
                                   int32_t& checked, int32_t& visible, uint8_t& flag1,
                                   uint8_t& flag2);

struct TCommandHandler {
    TProcessProc Process = nullptr;
    TProcessStateProc State = nullptr; // nil for processes without a state
};

// Letter case does not matter in process names.
struct TCaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

class TCommandLauncher : public TUncountedObject<ICommandLauncher> {
public:
    explicit TCommandLauncher(std::string moduleName) : ModuleName(std::move(moduleName)) {}

    // A name registered twice keeps its first handler.
    void RegisterCommand(const std::string& name, TProcessProc process,
                         TProcessStateProc state = nullptr);
    const TCommandHandler* FindHandler(const std::string& name) const;
    size_t Count() const { return Handlers.size(); }
    const std::string& GetModuleName() const { return ModuleName; }

    HResult LaunchCommand(const char* processName, char* parameters, int32_t bufferSize,
                          IServerView* view) override;
    HResult GetCommandState(const char* processName, char* parameters, IServerView* view,
                            int32_t* enabled, int32_t* checked, int32_t* visible, uint8_t* flag1,
                            uint8_t* flag2) override;

private:
    std::map<std::string, TCommandHandler, TCaseInsensitiveLess> Handlers;
    std::string ModuleName;
};

class TProcessControl : public TUncountedObject<IProcessControl> {
public:
    HResult GetCounter(int32_t* value) override;
    HResult DecrementCounter() override;
    HResult IncrementCounter() override;
    HResult SetCounter(int32_t value) override;

private:
    int32_t Counter = 0;
};

// Creates the form of an options page; the view wraps it for the host's options dialog.
using TOptionsPageFactory = std::function<IServerView*()>;

class TServerModule : public TInterfacedObject<IServerModule, IModuleOptions> {
public:
    TServerModule(IClient* client, std::string moduleName);
    ~TServerModule() override;

    IClient* Client() const { return ClientIntf; }
    TCommandLauncher& Launcher() { return *CommandLauncher; }
    void RegisterOptionsPage(const std::string& pageName, TOptionsPageFactory factory);

    // IServerModule
    HResult Idle() override;
    HResult ReceiveNotification(IUnknown* notification) override;
    HResult CreateDocument(const char* kind, const char* fileName,
                           IServerDocument** document) override;
    HResult DestroyDocument(IServerDocument* document) override;
    HResult GetClient(IClient** client) override;
    HResult GetCommandLauncher(ICommandLauncher** launcher) override;
    HResult GetDocumentCount(int32_t* count) override;
    HResult GetDocument(int32_t index, IServerDocument** document) override;
    HResult GetModuleHandle(void** handle) override;
    HResult GetModuleName(TComString* name) override;
    HResult GetProcessControl(IProcessControl** control) override;
    HResult GetViewCount(int32_t* count) override;
    HResult GetView(int32_t index, IServerView** view) override;
    HResult CreateOptionsView(const char* pageName, IServerView** view) override;
    HResult CreateServerView(IServerView** view) override;
    HResult CreateServerDocView(IServerView** view) override;
    HResult RemoveView(IServerView* view) override;
    HResult AddView(IServerView* view) override;
    HResult CreateDocumentEx(const char* kind, const char* fileName, int32_t registerFlag,
                             IServerDocument** document) override;

    // IModuleOptions
    HResult GetOptionsPage(const char* pageName, IServerView** page) override;
    HResult SavePreferences() override;
    HResult LoadPreferences() override;

protected:
    // A new document of the module's own class, created and initialised; nil when the module
    // has none.
    virtual TComPtr<IServerDocument> NewDocument(const std::string& kind,
                                                 const std::string& fileName);
    virtual void HandleNotification(IUnknown* notification);
    virtual void DoSavePreferences() {}
    virtual void DoLoadPreferences() {}

private:
    IClient* ClientIntf; // not counted: the host outlives the module
    std::vector<TComPtr<IServerDocument>> Documents;
    std::string ModuleName;
    std::map<std::string, TOptionsPageFactory, TCaseInsensitiveLess> OptionPages;
    std::unique_ptr<TCommandLauncher> CommandLauncher;
    std::unique_ptr<TProcessControl> ProcessControl;
    std::vector<TComPtr<IServerView>> Views;
};

// The process-wide globals every part of the module reads.
IClient* CurrentClient();
void SetCurrentClient(IClient* client);
IServerModule* CurrentServerModule();
TServerModule* CurrentServerModuleObject();

// The host's main window, owner of every module dialog (a QWidget*, or nil).
void* ApplicationOwnerWindow();

// Empties status-bar fields 1 to 3 of the host.
void ClearStatusBarFields();
