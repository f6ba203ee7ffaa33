// wavehost: loads the waveform module and runs it, in a desktop window or headless in batch mode.
#include "host/BatchRunner.h"
#include "host/HostClient.h"
#include "host/MainWindow.h"
#include "host/ModuleLoader.h"
#include "platform/com/Exception.h"

#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

namespace {
THostClient* gHostClient = nullptr;

const char* kUsage =
    "usage: wavehost [--module PATH] [--options FILE] [--screenshot PNG] [FILE...]\n"
    "       wavehost [--module PATH] [--options FILE] [--answer TEXT]...\n"
    "                (--batch SCRIPT | -e COMMAND [-e COMMAND]...)\n"
    "batch commands: run PROCESS [PARAMETERS] | state PROCESS [PARAMETERS] | status\n"
    "                | prefs | prefs-save | prefs-load\n";

struct TArguments {
    std::string ModulePath = TModuleLoader::DefaultModulePath();
    std::string OptionsFile;
    std::string BatchFile;
    std::vector<std::string> Commands;
    std::deque<std::string> Answers;
    std::vector<std::string> Files; // opened in the desktop window
    std::string Screenshot;         // desktop: save the window as PNG once shown, then quit
    bool Batch() const { return !BatchFile.empty() || !Commands.empty(); }
};

bool ParseArguments(int argc, char** argv, TArguments& args) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](std::string& target) {
            if (i + 1 >= argc)
                return false;
            target = argv[++i];
            return true;
        };
        std::string v;
        if (a == "--module" && value(args.ModulePath)) {
        } else if (a == "--options" && value(args.OptionsFile)) {
        } else if (a == "--batch" && value(args.BatchFile)) {
        } else if (a == "-e" && value(v)) {
            args.Commands.push_back(v);
        } else if (a == "--screenshot" && value(args.Screenshot)) {
        } else if (a == "--answer" && value(v)) {
            args.Answers.push_back(v);
        } else if (!a.empty() && a[0] != '-') {
            args.Files.push_back(a);
        } else {
            return false;
        }
    }
    // Files belong to the desktop window, answers to batch mode.
    return args.Batch() ? args.Files.empty() : args.Answers.empty();
}

int RunDesktop(IServerModule& module, THostClient& host, const TArguments& args) {
    TMainWindow window(module, host);
    for (const auto& file : args.Files)
        window.OpenDocument(file);
    window.show();
    if (!args.Screenshot.empty())
        QTimer::singleShot(700, &window, [&] {
            if (!window.grab().save(QString::fromStdString(args.Screenshot), "PNG"))
                std::cerr << "wavehost: cannot write " << args.Screenshot << '\n';
            QApplication::quit();
        });
    return QApplication::exec();
}

int RunBatch(IServerModule& module, TModuleLoader& loader, THostClient& host,
             const TArguments& args) {
    TBatchRunner runner(module, loader, host, std::cout, std::cerr);
    bool ok = true;
    if (!args.BatchFile.empty()) {
        std::ifstream script(args.BatchFile, std::ios::binary);
        if (!script) {
            std::cerr << "wavehost: cannot open " << args.BatchFile << '\n';
            return 1;
        }
        ok = runner.RunScript(script);
    }
    for (const auto& command : args.Commands)
        ok = runner.RunLine(command) && ok;
    return ok ? 0 : 1;
}
} // namespace

// The client interface, found by name by the module when it is loaded.
extern "C" __attribute__((visibility("default"))) HResult
ClientAPI_GetClientInterface(IClient** client) {
    if (client == nullptr)
        return E_POINTER;
    *client = gHostClient;
    return gHostClient ? S_OK : E_FAIL;
}

int main(int argc, char** argv) {
    TArguments args;
    if (!ParseArguments(argc, argv, args)) {
        std::cerr << kUsage;
        return 2;
    }
    // Batch mode never needs a display.
    if (args.Batch() && std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    QApplication::setApplicationName("wavehost");
    if (args.OptionsFile.empty())
        args.OptionsFile = DefaultOptionsFile();

    THostClient host(!args.Batch(), std::move(args.Answers), args.OptionsFile);
    gHostClient = &host;
    try {
        TModuleLoader loader;
        TComPtr<IServerModule> module = loader.Load(args.ModulePath, &host);
        host.SetModule(module.Get());
        const int exitCode = args.Batch() ? RunBatch(*module.Get(), loader, host, args)
                                          : RunDesktop(*module.Get(), host, args);
        host.SetModule(nullptr);
        module = TComPtr<IServerModule>();
        gHostClient = nullptr;
        return exitCode;
    } catch (const std::exception& e) {
        std::cerr << "wavehost: " << e.what() << '\n';
        gHostClient = nullptr;
        return 1;
    }
}
