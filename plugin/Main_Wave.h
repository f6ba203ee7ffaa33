// The waveform module object that ServerFactory creates.
#pragma once

#include "plugin/AbstractWaveServer.h"
#include "plugin/Document.h"

#include <memory>

class TWavePreferences;
struct IWavePreferences;
struct IWavePrinterOptions;

class TWaveServerModule : public TAbstractWaveModule {
public:
    explicit TWaveServerModule(IClient* client);
    ~TWaveServerModule() override;

protected:
    // Every document of the module is an editable waveform document.
    TComPtr<IServerDocument> NewDocument(const std::string& kind,
                                         const std::string& fileName) override;
    void DoSavePreferences() override;
    void DoLoadPreferences() override;

private:
    std::unique_ptr<TWavePreferences> Preferences;
};

// The document the module creates: editable, with the popup menu "PUWAVEMENU".
class TWaveEditDocument : public TWaveDocument {
public:
    using TWaveDocument::TWaveDocument;
    bool IsEditableDocument() const override { return true; }
    std::string PopupMenuName() const override { return "PUWAVEMENU"; }

protected:
    void CreateViews() override { CreateFormsAndViews(); }
};

// What the exports do, kept here so they can be reached without loading the shared library.
HResult CreateWaveServerModule(IClient* client, IServerModule** module);
// Nil with success while no module exists.
HResult GetWavePreferencesOfModule(IWavePreferences** preferences);
// Fails while no module exists.
HResult GetWavePrinterOptionsOfModule(IWavePrinterOptions** options);
