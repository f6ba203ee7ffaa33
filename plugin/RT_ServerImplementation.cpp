#include "plugin/RT_ServerImplementation.h"

#include "platform/com/Exception.h"
#include "plugin/RT_ServerDocument.h"
#include "plugin/RT_ServerViews.h"

#include <QCoreApplication>
#include <QEvent>
#include <dlfcn.h>

namespace {
IClient* gClient = nullptr;
TServerModule* gModule = nullptr;
void* gOwnerWindow = nullptr;

std::string ShortString(const char* text) {
    std::string s = text ? text : "";
    if (s.size() > 255)
        s.resize(255);
    return s;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

// After a process the host's status bar shows nothing stale: the current view refreshes it, or
// the fields are cleared directly when there is no view.
void RefreshStatusBar() {
    IClient* client = CurrentClient();
    if (client == nullptr)
        return;
    TComPtr<IServerView> view;
    OleCheck(client->GetCurrentView(view.Out()));
    if (view)
        OleCheck(view->Update());
    else
        ClearStatusBarFields();
}
} // namespace

IClient* CurrentClient() {
    return gClient;
}
void SetCurrentClient(IClient* client) {
    gClient = client;
}
IServerModule* CurrentServerModule() {
    return gModule;
}
TServerModule* CurrentServerModuleObject() {
    return gModule;
}
void* ApplicationOwnerWindow() {
    return gOwnerWindow;
}

void ClearStatusBarFields() {
    IClient* client = CurrentClient();
    if (client == nullptr)
        return;
    TComPtr<IGUIManager> gui;
    OleCheck(client->GetGUIManager(gui.Out()));
    if (!gui)
        return;
    for (int32_t field = 1; field <= 3; ++field)
        OleCheck(gui->SetStatusBarText(field, nullptr));
}

bool TCaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const char ca = LowerAscii(a[i]), cb = LowerAscii(b[i]);
        if (ca != cb)
            return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb);
    }
    return a.size() < b.size();
}

// --- TCommandLauncher ------------------------------------------------------------------------

void TCommandLauncher::RegisterCommand(const std::string& name, TProcessProc process,
                                       TProcessStateProc state) {
    Handlers.emplace(name, TCommandHandler{process, state});
}

const TCommandHandler* TCommandLauncher::FindHandler(const std::string& name) const {
    auto it = Handlers.find(name);
    return it == Handlers.end() ? nullptr : &it->second;
}

HResult TCommandLauncher::LaunchCommand(const char* processName, char* parameters,
                                        int32_t bufferSize, IServerView* view) {
    return GuardCall([&] {
        const TCommandHandler* handler = FindHandler(processName ? processName : "");
        if (handler == nullptr)
            return;
        handler->Process(view, parameters, bufferSize);
        RefreshStatusBar();
    });
}

HResult TCommandLauncher::GetCommandState(const char* processName, char* parameters,
                                          IServerView* view, int32_t* enabled, int32_t* checked,
                                          int32_t* visible, uint8_t* flag1, uint8_t* flag2) {
    if (!enabled || !checked || !visible || !flag1 || !flag2)
        return E_POINTER;
    *enabled = 1;
    *checked = 0;
    *visible = 1;
    *flag1 = 0;
    *flag2 = 0;
    return GuardCall([&] {
        const TCommandHandler* handler = FindHandler(processName ? processName : "");
        if (handler && handler->State)
            handler->State(view, parameters, *enabled, *checked, *visible, *flag1, *flag2);
    });
}

// --- TProcessControl -------------------------------------------------------------------------

HResult TProcessControl::GetCounter(int32_t* value) {
    if (value == nullptr)
        return E_POINTER;
    *value = Counter;
    return S_OK;
}
HResult TProcessControl::DecrementCounter() {
    --Counter;
    return S_OK;
}
HResult TProcessControl::IncrementCounter() {
    ++Counter;
    return S_OK;
}
HResult TProcessControl::SetCounter(int32_t value) {
    Counter = value;
    return S_OK;
}

// --- TServerModule ---------------------------------------------------------------------------

TServerModule::TServerModule(IClient* client, std::string moduleName)
    : ClientIntf(client), ModuleName(std::move(moduleName)),
      CommandLauncher(std::make_unique<TCommandLauncher>(ModuleName)),
      ProcessControl(std::make_unique<TProcessControl>()) {
    gClient = client;
    gModule = this;
    if (client) {
        void* window = nullptr;
        OleCheck(client->GetMainWindowHandle(&window));
        gOwnerWindow = window;
    }
}

TServerModule::~TServerModule() {
    Views.clear();
    // Documents the host never destroyed still go with their forms.
    for (const auto& document : Documents)
        if (auto* framework = dynamic_cast<TServerDocument*>(document.Get()))
            framework->Close();
    Documents.clear();
    if (gModule == this) {
        gModule = nullptr;
        gClient = nullptr;
        gOwnerWindow = nullptr;
    }
}

void TServerModule::RegisterOptionsPage(const std::string& pageName, TOptionsPageFactory factory) {
    OptionPages.emplace(pageName, std::move(factory));
}

TComPtr<IServerDocument> TServerModule::NewDocument(const std::string&, const std::string&) {
    return {};
}

void TServerModule::HandleNotification(IUnknown*) {}

HResult TServerModule::Idle() {
    return GuardCall([] {
        if (QCoreApplication::instance()) {
            QCoreApplication::sendPostedEvents(nullptr, cDelayedDestroyEvent);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    });
}

HResult TServerModule::ReceiveNotification(IUnknown* notification) {
    return GuardCall([&] { HandleNotification(notification); });
}

HResult TServerModule::CreateDocument(const char* kind, const char* fileName,
                                      IServerDocument** document) {
    return CreateDocumentEx(kind, fileName, 1, document);
}

HResult TServerModule::CreateDocumentEx(const char* kind, const char* fileName, int32_t,
                                        IServerDocument** document) {
    if (HResult r = ClearOut(document); Failed(r))
        return r;
    return GuardCall([&] {
        auto created = NewDocument(ShortString(kind), ShortString(fileName));
        if (!created)
            throw Exception("This module has no documents");
        Documents.push_back(created);
        HandOut(created.Get(), document);
    });
}

HResult TServerModule::DestroyDocument(IServerDocument* document) {
    return GuardCall([&] {
        if (document == nullptr)
            return;
        OleCheck(document->ReleaseFileLock());
        if (auto* framework = dynamic_cast<TServerDocument*>(document))
            framework->Close();
        std::erase_if(Documents, [&](const auto& d) { return d.Get() == document; });
    });
}

HResult TServerModule::GetClient(IClient** client) {
    if (HResult r = ClearOut(client); Failed(r))
        return r;
    HandOut(ClientIntf, client);
    return S_OK;
}

HResult TServerModule::GetCommandLauncher(ICommandLauncher** launcher) {
    if (HResult r = ClearOut(launcher); Failed(r))
        return r;
    HandOut<ICommandLauncher>(CommandLauncher.get(), launcher);
    return S_OK;
}

HResult TServerModule::GetDocumentCount(int32_t* count) {
    if (count == nullptr)
        return E_POINTER;
    *count = static_cast<int32_t>(Documents.size());
    return S_OK;
}

HResult TServerModule::GetDocument(int32_t index, IServerDocument** document) {
    if (HResult r = ClearOut(document); Failed(r))
        return r;
    if (index < 0 || index >= static_cast<int32_t>(Documents.size()))
        return E_INVALIDARG;
    HandOut(Documents[index].Get(), document);
    return S_OK;
}

HResult TServerModule::GetModuleHandle(void** handle) {
    if (HResult r = ClearOut(handle); Failed(r))
        return r;
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&CurrentServerModule), &info) != 0)
        *handle = info.dli_fbase;
    return S_OK;
}

HResult TServerModule::GetModuleName(TComString* name) {
    if (name == nullptr)
        return E_POINTER;
    return GuardCall([&] { name->Assign(ModuleName); });
}

HResult TServerModule::GetProcessControl(IProcessControl** control) {
    if (HResult r = ClearOut(control); Failed(r))
        return r;
    HandOut<IProcessControl>(ProcessControl.get(), control);
    return S_OK;
}

HResult TServerModule::GetViewCount(int32_t* count) {
    if (count == nullptr)
        return E_POINTER;
    *count = static_cast<int32_t>(Views.size());
    return S_OK;
}

HResult TServerModule::GetView(int32_t index, IServerView** view) {
    if (HResult r = ClearOut(view); Failed(r))
        return r;
    if (index < 0 || index >= static_cast<int32_t>(Views.size()))
        return E_INVALIDARG;
    HandOut(Views[index].Get(), view);
    return S_OK;
}

HResult TServerModule::CreateOptionsView(const char* pageName, IServerView** view) {
    return GetOptionsPage(pageName, view);
}

HResult TServerModule::CreateServerView(IServerView** view) {
    return ClearOut(view);
}

HResult TServerModule::CreateServerDocView(IServerView** view) {
    return ClearOut(view);
}

HResult TServerModule::RemoveView(IServerView* view) {
    return GuardCall([&] {
        auto it = std::find_if(Views.begin(), Views.end(),
                               [&](const auto& v) { return v.Get() == view; });
        if (it != Views.end())
            Views.erase(it);
    });
}

HResult TServerModule::AddView(IServerView* view) {
    return GuardCall([&] {
        if (view)
            Views.push_back(TComPtr<IServerView>::Share(view));
    });
}

HResult TServerModule::GetOptionsPage(const char* pageName, IServerView** page) {
    if (HResult r = ClearOut(page); Failed(r))
        return r;
    return GuardCall([&] {
        auto it = OptionPages.find(pageName ? pageName : "");
        if (it != OptionPages.end() && it->second)
            *page = it->second();
    });
}

HResult TServerModule::SavePreferences() {
    return GuardCall([&] { DoSavePreferences(); });
}

HResult TServerModule::LoadPreferences() {
    return GuardCall([&] { DoLoadPreferences(); });
}
