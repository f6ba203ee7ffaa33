// Headless batch commands of wavehost, one a line:
//   run PROCESS [PARAMETERS]    -> "ok PARAMETERS-AFTER" or "failed 0xHHHHHHHH PARAMETERS-AFTER"
//   state PROCESS [PARAMETERS]  -> "enabled=E checked=C visible=V"
//   status                      -> "status: F1|F2|F3"
//   prefs                       -> one "KEY=VALUE" line per stored preference
//   prefs-save, prefs-load      -> "ok" or "failed 0xHHHHHHHH"
// and the document commands of BatchDocuments.h. Blank lines and lines starting with "#" are
// skipped.
#pragma once

#include "plugin/RT_ClientServerInterface.h"

#include <istream>
#include <memory>
#include <ostream>
#include <string>

class TBatchDocuments;
class THostClient;
class TModuleLoader;

class TBatchRunner {
public:
    TBatchRunner(IServerModule& module, const TModuleLoader& loader, THostClient& host,
                 std::ostream& out, std::ostream& err);
    ~TBatchRunner();

    // False when the line is not a command this host knows (reported on the error stream).
    bool RunLine(const std::string& line);
    // Runs every line; false when any line failed.
    bool RunScript(std::istream& script);

private:
    void Run(const std::string& process, const std::string& parameters);
    void State(const std::string& process, const std::string& parameters);
    // False when the module does not offer its preferences.
    bool PrintPreferences();
    void SaveOrLoadPreferences(bool save);

    IServerModule& Module;
    const TModuleLoader& Loader;
    THostClient& Host;
    std::ostream& Out;
    std::ostream& Err;
    std::unique_ptr<TBatchDocuments> Documents;
};
