#include "plugin/RT_ServerDocument.h"

#include "platform/com/Exception.h"
#include "platform/ui/UIService.h"
#include "plugin/RT_ServerImplementation.h"

namespace {
TComPtr<ITimerManager> TimerManager() {
    TComPtr<ITimerManager> timers;
    if (IClient* client = CurrentClient())
        OleCheck(client->GetTimerManager(timers.Out()));
    return timers;
}
} // namespace

std::string ForeignOwnerMessage(const TClaimOwner& owner) {
    return "The file " + owner.FileName + " is in use by " + owner.UserName + " on " +
           owner.ComputerName + ". Changes cannot be saved.";
}

TServerDocument::TServerDocument(IServerModule* owner, std::string kind, std::string fileName)
    : FFileName(std::move(fileName)), FKind(std::move(kind)), Owner(owner) {}

TServerDocument::~TServerDocument() {
    EndTimerAndClaim();
}

void TServerDocument::Initialize() {
    ClaimFile();
    if (auto timers = TimerManager())
        OleCheck(timers->AddHandler(this, cOwnershipCheckIntervalMs, &TimerRegistration));
    CreateViews();
}

void TServerDocument::Close() {
    // The views hold the document; it must outlive dropping them.
    TComPtr<IServerDocument> self = TComPtr<IServerDocument>::Share(this);
    EndTimerAndClaim();
    std::vector<TComPtr<IServerView>> views;
    views.swap(Views);
}

void TServerDocument::EndTimerAndClaim() {
    if (TimerRegistration != 0) {
        const int32_t registration = TimerRegistration;
        TimerRegistration = 0;
        if (auto timers = TimerManager())
            timers->RemoveHandler(registration);
    }
    Claim.Release();
}

void TServerDocument::ClaimFile() {
    if (FFileName.empty())
        return;
    if (auto foreign = Claim.Claim(FFileName))
        WarnForeignOwner(*foreign);
}

void TServerDocument::WarnForeignOwner(const TClaimOwner& owner) {
    if (ForeignOwnerReported)
        return;
    ForeignOwnerReported = true;
    UIService().MessageDlg("Warning", ForeignOwnerMessage(owner), TMsgDlgType::Warning, mbOK);
}

void TServerDocument::SetModifiedFlag(bool modified) {
    if (FModified == modified)
        return;
    FModified = modified;
    if (IClient* client = CurrentClient())
        OleCheck(client->DocumentNotification(cDocumentModifiedChanged, this, nullptr));
}

void TServerDocument::AddView(IServerView* view) {
    Views.push_back(TComPtr<IServerView>::Share(view));
}

HResult TServerDocument::GetFileName(TComString* fileName) {
    if (fileName == nullptr)
        return E_POINTER;
    return GuardCall([&] { fileName->Assign(FFileName); });
}

HResult TServerDocument::SetFileName(const char* fileName) {
    return GuardCall([&] {
        std::string name = fileName ? fileName : "";
        if (name == FFileName)
            return;
        std::string oldName = std::move(FFileName);
        FFileName = std::move(name);
        Claim.Release();
        ForeignOwnerReported = false;
        ClaimFile();
        if (IClient* client = CurrentClient())
            OleCheck(client->DocumentNotification(cDocumentFileNameChanged, this, oldName.c_str()));
    });
}

HResult TServerDocument::GetKind(TComString* kind) {
    if (kind == nullptr)
        return E_POINTER;
    return GuardCall([&] { kind->Assign(FKind); });
}

HResult TServerDocument::GetModified(int32_t* modified) {
    if (modified == nullptr)
        return E_POINTER;
    *modified = FModified ? 1 : 0;
    return S_OK;
}

HResult TServerDocument::SetModified(int32_t modified) {
    return GuardCall([&] { SetModifiedFlag(modified != 0); });
}

HResult TServerDocument::GetServerModule(IServerModule** module) {
    if (HResult r = ClearOut(module); Failed(r))
        return r;
    return HandOut(Owner, module);
}

HResult TServerDocument::GetViewCount(int32_t* count) {
    if (count == nullptr)
        return E_POINTER;
    *count = ViewCount();
    return S_OK;
}

HResult TServerDocument::GetView(int32_t index, IServerView** view) {
    if (HResult r = ClearOut(view); Failed(r))
        return r;
    if (index < 0 || index >= ViewCount())
        return E_INVALIDARG;
    return HandOut(Views[static_cast<size_t>(index)].Get(), view);
}

HResult TServerDocument::Load(int32_t* success) {
    if (success == nullptr)
        return E_POINTER;
    *success = 0;
    return GuardCall([&] { *success = DoLoad() ? 1 : 0; });
}

HResult TServerDocument::Save(int32_t* success) {
    if (success == nullptr)
        return E_POINTER;
    *success = 0;
    return GuardCall([&] {
        *success = DoSave() ? 1 : 0;
        if (IClient* client = CurrentClient()) {
            TComPtr<IDocumentService> service;
            OleCheck(client->GetDocumentService(service.Out()));
            if (service)
                OleCheck(service->DocumentSaved(this));
        }
    });
}

HResult TServerDocument::ReleaseFileLock() {
    return GuardCall([&] { Claim.Release(); });
}

HResult TServerDocument::HandleTimer(int32_t) {
    return GuardCall([&] {
        if (FFileName.empty())
            return;
        // A claim lost to another owner is taken again once that owner lets go.
        auto foreign = Claim.Holds() ? Claim.Check() : Claim.Claim(FFileName);
        if (foreign)
            WarnForeignOwner(*foreign);
        else
            ForeignOwnerReported = false;
    });
}
