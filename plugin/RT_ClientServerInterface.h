// The interfaces between the host design environment and its server modules. The host calls
// the module through IServerModule, ICommandLauncher, IProcessControl and IModuleOptions; the
// module calls the host through IClient and the services it hands out.
#pragma once

#include "platform/com/Com.h"

struct IServerDocument;
struct IServerModule;

// --- Host side -------------------------------------------------------------------------------

// Status bar, shortcuts, popup menus and the host's answers to dialogs.
struct IGUIManager : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{3F2E9A10-5B7C-4D21-9E8A-6C0D1B2A3F41}");
    // Runs the host command bound to a key that IsShortcut reported.
    virtual HResult RunShortcut(int32_t key, int32_t alt, int32_t shift, int32_t control) = 0;
    virtual HResult IsShortcut(int32_t key, int32_t alt, int32_t shift, int32_t control,
                               int32_t* isShortcut) = 0;
    // Shows the popup menu of that name at the mouse position.
    virtual HResult ShowPopupMenu(const char* menuName) = 0;
    // Status-bar field 1, 2 or 3; nil text clears it. Fields -3 and -4 with nil bracket a modal
    // mouse operation.
    virtual HResult SetStatusBarText(int32_t field, const char* text) = 0;
    // False when the host runs headless: the module then answers its dialogs from the host's
    // preset answers and reports each message through LogMessage.
    virtual HResult GetInteractive(int32_t* interactive) = 0;
    virtual HResult LogMessage(const char* line) = 0;
    // The next preset answer of a headless host; empty when none is left.
    virtual HResult NextPresetAnswer(TComString* answer) = 0;
};

// A notification the host broadcasts; the module acts on the host notification interface only.
struct IHostNotification : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{9E615A33-EEEE-4970-88BE-FE8F4EF54DB8}");
    virtual HResult GetCode(int32_t* code) = 0;
};
constexpr int32_t cNotificationPreferencesChanged = 1;

// What a document registers with the client to hear host notifications.
struct INotificationReceiver : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{4A034642-D79F-4203-B159-9B53757CEEB6}");
    virtual HResult Receive(IUnknown* notification) = 0;
};

struct ITimerHandler : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{6B1D2C3E-4F50-4617-8A9B-0C1D2E3F4A5B}");
    virtual HResult HandleTimer(int32_t registration) = 0;
};

struct ITimerManager : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{7C2E3D4F-5061-4728-9BAC-1D2E3F4A5B6C}");
    virtual HResult AddHandler(ITimerHandler* handler, int32_t intervalMs,
                               int32_t* registration) = 0;
    virtual HResult RemoveHandler(int32_t registration) = 0;
};

// One named options store (the module's is "Wave"), read in sections of keys.
struct IOptionsReader : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{8D3F4E50-6172-4839-ACBD-2E3F4A5B6C7D}");
    virtual HResult ValueExists(const char* section, const char* key, int32_t* exists) = 0;
    virtual HResult ReadString(const char* section, const char* key, const char* defaultValue,
                               TComString* value) = 0;
    virtual HResult ReadInteger(const char* section, const char* key, int32_t defaultValue,
                                int32_t* value) = 0;
    virtual HResult ReadBoolean(const char* section, const char* key, int32_t defaultValue,
                                int32_t* value) = 0;
};

struct IOptionsWriter : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{9E4A5F61-7283-494A-BDCE-3F4A5B6C7D8E}");
    virtual HResult BeginSection(const char* section) = 0;
    virtual HResult WriteString(const char* key, const char* value) = 0;
    virtual HResult WriteInteger(const char* key, int32_t value) = 0;
    virtual HResult WriteBoolean(const char* key, int32_t value) = 0;
    // Makes what was written permanent.
    virtual HResult EndSection() = 0;
};

struct IOptionsManager : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{AF5B6072-8394-4A5B-CEDF-4A5B6C7D8E9F}");
    virtual HResult GetOptionsReader(const char* name, const char* location,
                                     IOptionsReader** reader) = 0;
    virtual HResult GetOptionsWriter(const char* name, IOptionsWriter** writer) = 0;
};

// Told after every save so the host can refresh what it shows of the file.
struct IDocumentService : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{B06C7183-94A5-4B6C-DFE0-5B6C7D8E9FA0}");
    virtual HResult DocumentSaved(IServerDocument* document) = 0;
};

struct IServerView;

// The host's own launcher: runs any module's process by its full name ("Wave:Zoom").
struct IProcessLauncher : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{8452C443-703F-4881-B7AC-C33550794AA6}");
    virtual HResult RunProcess(const char* processName, char* parameters, int32_t bufferSize,
                               IServerView* view) = 0;
};

// Document notification codes.
constexpr int32_t cDocumentFileNameChanged = 4;
constexpr int32_t cDocumentModifiedChanged = 11;

struct IClient : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{C17D8294-A5B6-4C7D-E0F1-6C7D8E9FA0B1}");
    // Code 11: the document's modified flag changed; code 4: its file name changed (old name).
    virtual HResult DocumentNotification(int32_t code, IServerDocument* document,
                                         const char* oldFileName) = 0;
    // The host's main window (a QWidget*), owner of every module dialog.
    virtual HResult GetMainWindowHandle(void** window) = 0;
    virtual HResult GetCurrentView(IServerView** view) = 0;
    virtual HResult GetGUIManager(IGUIManager** manager) = 0;
    virtual HResult RegisterNotificationReceiver(INotificationReceiver* receiver) = 0;
    virtual HResult UnregisterNotificationReceiver(INotificationReceiver* receiver) = 0;
    virtual HResult GetTimerManager(ITimerManager** manager) = 0;
    virtual HResult GetOptionsManager(IOptionsManager** manager) = 0;
    virtual HResult GetDocumentService(IDocumentService** service) = 0;
    virtual HResult GetProcessLauncher(IProcessLauncher** launcher) = 0;
};

// The host export the module resolves by name when it is loaded.
using TClientInterfaceFunc = HResult (*)(IClient** client);
constexpr const char* cClientInterfaceExport = "ClientAPI_GetClientInterface";

// --- Module side -----------------------------------------------------------------------------

// A view the module gives the host to embed.
struct IServerView : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{D28E93A5-B6C7-4D8E-F102-7D8E9FA0B1C2}");
    virtual HResult GetViewName(TComString* name) = 0;
    virtual HResult IsPanel(int32_t* isPanel) = 0;
    // Brings what the host shows of the view up to date (the status bar among it).
    virtual HResult Update() = 0;
    // The view's widget (a QWidget*) for the host to place in its window; the view keeps
    // freeing it. Nil when the view has none.
    virtual HResult GetWindow(void** window) = 0;
    // The text a host shows on the view's tab or dock.
    virtual HResult GetCaption(TComString* caption) = 0;
};

// A view that belongs to a document.
struct IServerDocumentView : IServerView {
    using Inherited = IServerView;
    static constexpr TGUID IID = TGUID::Parse("{E39FA4B6-C7D8-4E9F-0213-8E9FA0B1C2D3}");
    virtual HResult GetOwnerDocument(IServerDocument** document) = 0;
};

struct IServerDocument : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{F4A0B5C7-D8E9-4FA0-1324-9FA0B1C2D3E4}");
    virtual HResult GetFileName(TComString* fileName) = 0;
    virtual HResult SetFileName(const char* fileName) = 0;
    virtual HResult GetKind(TComString* kind) = 0;
    virtual HResult GetModified(int32_t* modified) = 0;
    virtual HResult SetModified(int32_t modified) = 0;
    virtual HResult GetServerModule(IServerModule** module) = 0;
    virtual HResult GetViewCount(int32_t* count) = 0;
    virtual HResult GetView(int32_t index, IServerView** view) = 0;
    virtual HResult Load(int32_t* success) = 0;
    virtual HResult Save(int32_t* success) = 0;
    // Gives up the claim on the file before the document goes.
    virtual HResult ReleaseFileLock() = 0;
};

// Runs the module's processes by their bare names.
struct ICommandLauncher : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{05B1C6D8-E9FA-4A01-2435-A0B1C2D3E4F5}");
    virtual HResult LaunchCommand(const char* processName, char* parameters, int32_t bufferSize,
                                  IServerView* view) = 0;
    virtual HResult GetCommandState(const char* processName, char* parameters, IServerView* view,
                                    int32_t* enabled, int32_t* checked, int32_t* visible,
                                    uint8_t* flag1, uint8_t* flag2) = 0;
};

// A counter the host keeps around its own process runs; the module never reads it.
struct IProcessControl : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{16C2D7E9-FA0B-4B12-3546-B1C2D3E4F5A6}");
    virtual HResult GetCounter(int32_t* value) = 0;
    virtual HResult DecrementCounter() = 0;
    virtual HResult IncrementCounter() = 0;
    virtual HResult SetCounter(int32_t value) = 0;
};

struct IModuleOptions : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{27D3E8FA-0B1C-4C23-4657-C2D3E4F5A6B7}");
    virtual HResult GetOptionsPage(const char* pageName, IServerView** page) = 0;
    virtual HResult SavePreferences() = 0;
    virtual HResult LoadPreferences() = 0;
};

struct IServerModule : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{38E4F90B-1C2D-4D34-5768-D3E4F5A6B7C8}");
    virtual HResult Idle() = 0;                                      // 3
    virtual HResult ReceiveNotification(IUnknown* notification) = 0; // 4
    virtual HResult CreateDocument(const char* kind, const char* fileName,
                                   IServerDocument** document) = 0;                  // 5
    virtual HResult DestroyDocument(IServerDocument* document) = 0;                  // 6
    virtual HResult GetClient(IClient** client) = 0;                                 // 7
    virtual HResult GetCommandLauncher(ICommandLauncher** launcher) = 0;             // 8
    virtual HResult GetDocumentCount(int32_t* count) = 0;                            // 9
    virtual HResult GetDocument(int32_t index, IServerDocument** document) = 0;      // 10
    virtual HResult GetModuleHandle(void** handle) = 0;                              // 11
    virtual HResult GetModuleName(TComString* name) = 0;                             // 12
    virtual HResult GetProcessControl(IProcessControl** control) = 0;                // 13
    virtual HResult GetViewCount(int32_t* count) = 0;                                // 14
    virtual HResult GetView(int32_t index, IServerView** view) = 0;                  // 15
    virtual HResult CreateOptionsView(const char* pageName, IServerView** view) = 0; // 16
    virtual HResult CreateServerView(IServerView** view) = 0;                        // 17
    virtual HResult CreateServerDocView(IServerView** view) = 0;                     // 18
    virtual HResult RemoveView(IServerView* view) = 0;                               // 19
    virtual HResult AddView(IServerView* view) = 0;                                  // 20
    virtual HResult CreateDocumentEx(const char* kind, const char* fileName, int32_t registerFlag,
                                     IServerDocument** document) = 0; // 21
};

// The module exports.
using TServerFactoryFunc = HResult (*)(IClient* client, IServerModule** module);
