// The framework part of every document: file name, kind, modified flag with its host
// notification, the document's views, load and save, and the claim on its file, re-checked on
// the host's timer.
#pragma once

#include "platform/claim/FileClaim.h"
#include "platform/com/Interfaced.h"
#include "plugin/RT_ClientServerInterface.h"

#include <string>
#include <vector>

class TServerDocument : public TInterfacedObject<IServerDocument, ITimerHandler> {
public:
    static constexpr int32_t cOwnershipCheckIntervalMs = 10000;

    TServerDocument(IServerModule* owner, std::string kind, std::string fileName);
    ~TServerDocument() override;

    // The creation steps that need the finished object: claims the file, registers the
    // ownership check with the host's timer and creates the views.
    void Initialize();
    // The document goes: the host's timer registration ends, the claim is given up, the views
    // and their forms are freed. Safe to call twice.
    virtual void Close();

    const std::string& FileName() const { return FFileName; }
    bool IsModified() const { return FModified; }
    // Tells the host (notification 11) whenever the flag changes.
    virtual void SetModifiedFlag(bool modified);
    void AddView(IServerView* view);
    int32_t ViewCount() const { return static_cast<int32_t>(Views.size()); }

    // IServerDocument
    HResult GetFileName(TComString* fileName) override;
    HResult SetFileName(const char* fileName) override;
    HResult GetKind(TComString* kind) override;
    HResult GetModified(int32_t* modified) override;
    HResult SetModified(int32_t modified) override;
    HResult GetServerModule(IServerModule** module) override;
    HResult GetViewCount(int32_t* count) override;
    HResult GetView(int32_t index, IServerView** view) override;
    HResult Load(int32_t* success) override;
    HResult Save(int32_t* success) override;
    HResult ReleaseFileLock() override;

    // ITimerHandler: the periodic ownership check.
    HResult HandleTimer(int32_t registration) override;

protected:
    virtual void CreateViews() = 0;
    virtual bool DoLoad() = 0;
    virtual bool DoSave() = 0;

private:
    // Claims the file; tells the user once when another owner holds it.
    void ClaimFile();
    void EndTimerAndClaim();
    void WarnForeignOwner(const TClaimOwner& owner);

    std::string FFileName;
    std::string FKind;
    bool FModified = false;
    IServerModule* Owner; // not counted: the module outlives its documents
    int32_t TimerRegistration = 0;
    bool ForeignOwnerReported = false;
    TFileClaim Claim;
    std::vector<TComPtr<IServerView>> Views;
};

// The message that tells the user another owner holds the file.
std::string ForeignOwnerMessage(const TClaimOwner& owner);
