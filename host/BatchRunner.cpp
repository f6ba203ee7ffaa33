#include "host/BatchRunner.h"

#include "host/BatchDocuments.h"
#include "host/BatchOutcome.h"

#include "host/HostClient.h"
#include "host/ModuleLoader.h"
#include "host/PreferencesReport.h"
#include "platform/com/Exception.h"
#include "preferences/RT_Wave.h"

#include <cstdio>
#include <cstring>
#include <sstream>

namespace {
constexpr int32_t cParameterBufferSize = 1024;

// The module knows its processes by their bare names; the host shows them as "Wave:Name".
std::string BareProcessName(const std::string& name) {
    const std::string prefix = "Wave:";
    if (name.size() >= prefix.size() &&
        strncasecmp(name.c_str(), prefix.c_str(), prefix.size()) == 0)
        return name.substr(prefix.size());
    return name;
}

struct TParameterBuffer {
    explicit TParameterBuffer(const std::string& text) {
        const size_t n = std::min(text.size(), sizeof(Text) - 1);
        std::memcpy(Text, text.data(), n);
        Text[n] = '\0';
    }
    char Text[cParameterBufferSize];
};

std::string WithParameters(std::string line, const char* parameters) {
    if (parameters[0] != '\0')
        line += std::string(" ") + parameters;
    return line;
}

// Splits off the first blank-separated word; the rest keeps its inner blanks.
std::string TakeWord(std::string& rest) {
    const size_t start = rest.find_first_not_of(" \t");
    if (start == std::string::npos) {
        rest.clear();
        return {};
    }
    const size_t end = rest.find_first_of(" \t", start);
    std::string word =
        rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
    rest = end == std::string::npos ? std::string() : rest.substr(end);
    const size_t next = rest.find_first_not_of(" \t");
    rest = next == std::string::npos ? std::string() : rest.substr(next);
    return word;
}
} // namespace

TBatchRunner::TBatchRunner(IServerModule& module, const TModuleLoader& loader, THostClient& host,
                           std::ostream& out, std::ostream& err)
    : Module(module), Loader(loader), Host(host), Out(out), Err(err),
      Documents(std::make_unique<TBatchDocuments>(module, host, out, err)) {
    Host.SetFrontEnd({[this] { return Documents->CurrentView(); }, {}, {}, {}});
}

TBatchRunner::~TBatchRunner() {
    Host.SetFrontEnd({});
    Documents.reset(); // documents go before the module does
}

bool TBatchRunner::RunScript(std::istream& script) {
    bool allGood = true;
    std::string line;
    while (std::getline(script, line))
        allGood = RunLine(line) && allGood;
    return allGood;
}

bool TBatchRunner::RunLine(const std::string& line) {
    std::string rest = line;
    if (!rest.empty() && rest.back() == '\r')
        rest.pop_back();
    const std::string command = TakeWord(rest);
    if (command.empty() || command[0] == '#')
        return true;
    if (command == "status" && rest.empty()) {
        Out << "status: " << Host.StatusField(1) << '|' << Host.StatusField(2) << '|'
            << Host.StatusField(3) << std::endl;
        return true;
    }
    if (rest.empty() && command == "prefs")
        return PrintPreferences();
    if (rest.empty() && (command == "prefs-save" || command == "prefs-load")) {
        SaveOrLoadPreferences(command == "prefs-save");
        return true;
    }
    if (command == "run" || command == "state") {
        const std::string process = TakeWord(rest);
        if (!process.empty()) {
            if (command == "run")
                Run(process, rest);
            else
                State(process, rest);
            return true;
        }
    }
    if (TBatchDocuments::Knows(command))
        return Documents->Run(command, rest);
    Err << "wavehost: unknown batch command: " << line << std::endl;
    return false;
}

void TBatchRunner::Run(const std::string& process, const std::string& parameters) {
    TParameterBuffer buffer(parameters);
    TComPtr<ICommandLauncher> launcher;
    HResult result = Module.GetCommandLauncher(launcher.Out());
    if (Succeeded(result))
        result = launcher->LaunchCommand(BareProcessName(process).c_str(), buffer.Text,
                                         cParameterBufferSize, Documents->CurrentView());
    Out << WithParameters(Outcome(result), buffer.Text) << std::endl;
}

void TBatchRunner::State(const std::string& process, const std::string& parameters) {
    TParameterBuffer buffer(parameters);
    int32_t enabled = 0, checked = 0, visible = 0;
    uint8_t flag1 = 0, flag2 = 0;
    TComPtr<ICommandLauncher> launcher;
    OleCheck(Module.GetCommandLauncher(launcher.Out()));
    OleCheck(launcher->GetCommandState(BareProcessName(process).c_str(), buffer.Text,
                                       Documents->CurrentView(), &enabled, &checked, &visible,
                                       &flag1, &flag2));
    Out << "enabled=" << (enabled != 0) << " checked=" << (checked != 0)
        << " visible=" << (visible != 0) << std::endl;
}

bool TBatchRunner::PrintPreferences() {
    auto getPreferences = Loader.Find<TGetWavePreferencesFunc>("GetWavePreferences");
    auto getPrinterOptions = Loader.Find<TGetWavePrinterOptionsFunc>("GetWavePrinterOptions");
    try {
        if (getPreferences == nullptr || getPrinterOptions == nullptr)
            throw Exception("the module does not export its preferences");
        TComPtr<IWavePreferences> preferences;
        TComPtr<IWavePrinterOptions> printerOptions;
        OleCheck(getPreferences(preferences.Out()));
        OleCheck(getPrinterOptions(printerOptions.Out()));
        if (!preferences || !printerOptions)
            throw Exception("the module offers no preferences");
        std::ostringstream lines;
        ::PrintPreferences(*preferences.Get(), *printerOptions.Get(), lines);
        Out << lines.str() << std::flush;
        return true;
    } catch (const std::exception& e) {
        Err << "wavehost: prefs: " << e.what() << std::endl;
        return false;
    }
}

void TBatchRunner::SaveOrLoadPreferences(bool save) {
    TComPtr<IModuleOptions> options(QueryInterfaceOf<IModuleOptions>(&Module));
    HResult result = E_NOINTERFACE;
    if (options)
        result = save ? options->SavePreferences() : options->LoadPreferences();
    Out << Outcome(result) << std::endl;
}
