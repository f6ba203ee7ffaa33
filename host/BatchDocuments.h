// Batch commands on documents. The last document opened or created is the current one; run and
// state pass its editor view, as a host does for the focused document.
//   new NAME                        -> "document N NAME"
//   documents                       -> one "N NAME" line each, " *" after the current one
//   select N                        -> "ok", or an error for a number that is not open
//   close                           -> "ok": closes the current document
//   render FILE.png [WIDTHxHEIGHT]  -> "ok FILE.png": the editor form drawn offscreen
//   build-type NAME KIND            -> "ok", "none" (refused: name taken or empty) or "failed
//   0x..." build-signal NAME TYPE          -> the same, through the document-building interface
//   build-group NAME STYLE
//   build-member GROUP NAME STYLE   (GROUP: a group made by build-group in this document)
//   build-finish-types
#pragma once

#include "host/HostDocuments.h"

#include <map>
#include <ostream>
#include <string>
#include <utility>

struct IWaveSignal;

class THostClient;

class TBatchDocuments {
public:
    TBatchDocuments(IServerModule& module, THostClient& host, std::ostream& out, std::ostream& err);
    ~TBatchDocuments();

    static bool Knows(const std::string& command);
    // False when the command fails or its arguments are wrong (reported on the error stream).
    bool Run(const std::string& command, const std::string& arguments);
    IServerView* CurrentView() const;

private:
    bool New(const std::string& name);
    bool Select(const std::string& number);
    bool Close();
    bool Render(const std::string& arguments);
    bool Build(const std::string& command, const std::string& arguments);
    void PrintList();

    THostDocuments Docs;
    THostClient& Host;
    std::ostream& Out;
    std::ostream& Err;
    size_t Current = 0; // meaningful while documents are open
    // The group signals build-group made, by document and name, for build-member.
    std::map<std::pair<IServerDocument*, std::string>, IWaveSignal*> Groups;
};
