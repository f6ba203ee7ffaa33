#include "host/BatchDocuments.h"

#include "host/BatchOutcome.h"
#include "host/HostClient.h"
#include "platform/com/Exception.h"
#include "plugin/WaveDocBuilder.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace {
std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

bool ParseSize(const std::string& text, int& width, int& height) {
    char x = 0;
    std::istringstream in(text);
    return (in >> width >> x >> height) && x == 'x' && in.eof() && width > 0 && height > 0 &&
           width <= 10000 && height <= 10000;
}
} // namespace

TBatchDocuments::TBatchDocuments(IServerModule& module, THostClient& host, std::ostream& out,
                                 std::ostream& err)
    : Docs(module), Host(host), Out(out), Err(err) {}

TBatchDocuments::~TBatchDocuments() = default;

IServerView* TBatchDocuments::CurrentView() const {
    return Current < Docs.Count() ? Docs[Current].Editor.Get() : nullptr;
}

bool TBatchDocuments::Knows(const std::string& command) {
    for (const char* known : {"new", "documents", "select", "close", "render", "build-type",
                              "build-signal", "build-group", "build-member", "build-finish-types"})
        if (command == known)
            return true;
    return false;
}

bool TBatchDocuments::Run(const std::string& command, const std::string& arguments) {
    if (command == "new" && !arguments.empty())
        return New(arguments);
    if (command == "documents" && arguments.empty()) {
        PrintList();
        return true;
    }
    if (command == "select")
        return Select(arguments);
    if (command == "close" && arguments.empty())
        return Close();
    if (command == "render")
        return Render(arguments);
    if (command.rfind("build-", 0) == 0 && Build(command, arguments))
        return true;
    Err << "wavehost: bad arguments: " << command << ' ' << arguments << std::endl;
    return false;
}

bool TBatchDocuments::New(const std::string& name) {
    try {
        bool loaded = false;
        Docs.Open(name, loaded);
        Current = Docs.Count() - 1;
        Out << "document " << Docs.Count() << ' ' << name << std::endl;
        return true;
    } catch (const std::exception& e) {
        Err << "wavehost: " << e.what() << std::endl;
        return false;
    }
}

void TBatchDocuments::PrintList() {
    for (size_t i = 0; i < Docs.Count(); ++i)
        Out << i + 1 << ' ' << Docs[i].FileName << (i == Current ? " *" : "") << std::endl;
}

bool TBatchDocuments::Select(const std::string& number) {
    char* end = nullptr;
    const long n = std::strtol(number.c_str(), &end, 10);
    if (number.empty() || *end != '\0' || n < 1 || static_cast<size_t>(n) > Docs.Count()) {
        Err << "wavehost: no document " << number << std::endl;
        return false;
    }
    Current = static_cast<size_t>(n - 1);
    Out << "ok" << std::endl;
    return true;
}

bool TBatchDocuments::Close() {
    if (Current >= Docs.Count()) {
        Err << "wavehost: no document is open" << std::endl;
        return false;
    }
    std::erase_if(Groups,
                  [&](const auto& g) { return g.first.first == Docs[Current].Document.Get(); });
    Docs.Close(Current);
    Current = Docs.Count() == 0 ? 0 : Docs.Count() - 1;
    Out << "ok" << std::endl;
    return true;
}

bool TBatchDocuments::Render(const std::string& arguments) {
    const std::vector<std::string> words = Words(arguments);
    int width = 1000, height = 600;
    if (words.empty() || words.size() > 2 ||
        (words.size() == 2 && !ParseSize(words[1], width, height))) {
        Err << "wavehost: render FILE.png [WIDTHxHEIGHT]" << std::endl;
        return false;
    }
    void* window = nullptr;
    IServerView* view = CurrentView();
    if (view == nullptr || Failed(view->GetWindow(&window)) || window == nullptr) {
        Err << "wavehost: no document to render" << std::endl;
        return false;
    }
    auto* widget = static_cast<QWidget*>(window);
    widget->setAttribute(Qt::WA_DontShowOnScreen);
    widget->resize(width, height);
    widget->show();
    QApplication::processEvents();
    if (!widget->grab().save(QString::fromStdString(words[0]), "PNG")) {
        Err << "wavehost: cannot write " << words[0] << std::endl;
        return false;
    }
    Out << "ok " << words[0] << std::endl;
    return true;
}

bool TBatchDocuments::Build(const std::string& command, const std::string& arguments) {
    if (Current >= Docs.Count()) {
        Err << "wavehost: no document is open" << std::endl;
        return false;
    }
    TComPtr<IWaveDocumentBuilder> builder(
        QueryInterfaceOf<IWaveDocumentBuilder>(Docs[Current].Document.Get()));
    if (!builder) {
        Err << "wavehost: the document cannot be built" << std::endl;
        return false;
    }
    const std::vector<std::string> w = Words(arguments);
    HResult result = E_INVALIDARG;
    bool made = true;
    auto report = [&](const void* object) { made = object != nullptr; };
    if (command == "build-type" && w.size() == 2) {
        IWaveDataType* type = nullptr;
        result = builder->CreateType(w[0].c_str(), std::atoi(w[1].c_str()), &type);
        report(type);
    } else if (command == "build-signal" && w.size() == 2) {
        IWaveSignal* signal = nullptr;
        result = builder->AddSignal(w[0].c_str(), w[1].c_str(), &signal);
        report(signal);
    } else if (command == "build-group" && w.size() == 2) {
        IWaveSignal* group = nullptr;
        result = builder->AddGroup(w[0].c_str(), w[1].c_str(), &group);
        if (group)
            Groups[{Docs[Current].Document.Get(), w[0]}] = group;
        report(group);
    } else if (command == "build-member" && w.size() == 3) {
        const auto group = Groups.find({Docs[Current].Document.Get(), w[0]});
        IWaveSignal* member = nullptr;
        result = group == Groups.end()
                     ? S_OK
                     : builder->AddGroupMember(w[1].c_str(), group->second, w[2].c_str(), &member);
        report(member);
    } else if (command == "build-finish-types" && w.empty()) {
        result = builder->FinishTypes();
    } else {
        return false;
    }
    Out << (Succeeded(result) && !made ? std::string("none") : Outcome(result)) << std::endl;
    return true;
}
