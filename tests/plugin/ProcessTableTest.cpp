#include "plugin/Main_Wave.h"
#include "tests/plugin/RecordingDocument.h"
#include "tests/testhost/TestHost.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct TProcessRow {
    const char* Name;
    bool Edit;
};

// Every process of the table, with the six that route through the editable document.
const TProcessRow kProcesses[] = {
    {"AddTransition", true},
    {"Change", false},
    {"ChangeColor", false},
    {"ChangeFont", false},
    {"ChangeFormatRadix", false},
    {"ChangeSignalGraphicallyOrMove", false},
    {"ChangeSignalGraphicallyOrSetFocus", false},
    {"Clear", true},
    {"CollapseRow", false},
    {"Copy", false},
    {"CrossProbeChoose", false},
    {"CrossProbeNotify", false},
    {"Cut", false},
    {"Delete", false},
    {"ExpandRow", false},
    {"DeleteSignals", true},
    {"DeleteSignalBySelection", false},
    {"InsertSignal", true},
    {"Jump", false},
    {"Legend", true},
    {"MakeBus", false},
    {"MakeComparison", false},
    {"MeasureTime", false},
    {"PasteView", false},
    {"PasteNewSignal", true},
    {"PrintDocument", false},
    {"Scroll", false},
    {"Select", false},
    {"SetTimeMark", false},
    {"SetupPreferences", false},
    {"SetupPrinter", false},
    {"ShowSignals", false},
    {"Zoom", false},
    {"AddNewCursor", false},
    {"DeleteCursor", false},
    {"CursorColour", false},
    {"JumpToCursor", false},
    {"SetNameDepth", false},
    {"WriteRegression", false},
    {"RowProperties", false},
    {"ExtendPositiveEdges", false},
    {"ExtendNegativeEdges", false},
    {"Highlight", false},
    {"ReverseBusOrder", false},
    {"SortByNameAsc", false},
    {"SortByNameDsc", false},
};

class ProcessTable : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CreateWaveServerModule(&Host, Module.Out()), S_OK);
        ASSERT_EQ(Module->GetCommandLauncher(&Launcher), S_OK);
    }

    HResult Run(const char* name, const char* parameters, IServerView* view) {
        std::strcpy(Buffer, parameters);
        return Launcher->LaunchCommand(name, Buffer, sizeof Buffer, view);
    }

    struct TState {
        int32_t Enabled, Checked, Visible;
        bool operator==(const TState&) const = default;
    };
    TState State(const char* name, IServerView* view) {
        TState s{-1, -1, -1};
        uint8_t f1 = 9, f2 = 9;
        char parameters[] = "";
        EXPECT_EQ(Launcher->GetCommandState(name, parameters, view, &s.Enabled, &s.Checked,
                                            &s.Visible, &f1, &f2),
                  S_OK);
        EXPECT_EQ(f1, 0);
        EXPECT_EQ(f2, 0);
        return s;
    }

    TTestHost Host;
    TComPtr<IServerModule> Module;
    ICommandLauncher* Launcher = nullptr;
    char Buffer[1024];
    TRecordingDocument Editable{true};
    TRecordingDocument ReadOnly{false};
    TRecordingDocumentView EditableView{&Editable};
    TRecordingDocumentView ReadOnlyView{&ReadOnly};
    TRecordingDocumentView NoDocumentView{nullptr};
};

} // namespace

TEST_F(ProcessTable, EveryProcessReachesTheMethodOfItsName) {
    for (const auto& p : kProcesses) {
        Editable.Calls.clear();
        ReadOnly.Calls.clear();
        ASSERT_EQ(Run(p.Name, "Target=Next", &EditableView), S_OK) << p.Name;
        ASSERT_EQ(Editable.Calls.size(), 1u) << p.Name;
        EXPECT_EQ(Editable.Calls[0].Method, p.Name);
        EXPECT_EQ(Editable.Calls[0].Parameters, "Target=Next");
        EXPECT_EQ(Editable.Calls[0].BufferSize, 1024);

        // A document that cannot be edited is left alone by edit processes, silently.
        ASSERT_EQ(Run(p.Name, "", &ReadOnlyView), S_OK) << p.Name;
        EXPECT_EQ(ReadOnly.Calls.size(), p.Edit ? 0u : 1u) << p.Name;
    }
    TCommandLauncher& launcher = static_cast<TCommandLauncher&>(*Launcher);
    EXPECT_EQ(launcher.Count(), std::size(kProcesses));
    EXPECT_EQ(launcher.Count(), 46u);
}

TEST_F(ProcessTable, NamesIgnoreLetterCaseAndUnknownNamesDoNothing) {
    ASSERT_EQ(Run("sortbynameasc", "", &EditableView), S_OK);
    ASSERT_EQ(Editable.Calls.size(), 1u);
    EXPECT_EQ(Editable.Calls[0].Method, "SortByNameAsc");

    EXPECT_EQ(Run("NoSuchProcess", "X=1", &EditableView), S_OK);
    EXPECT_EQ(Run("Wave:Zoom", "", &EditableView), S_OK); // the host strips the module name
    EXPECT_EQ(Run(nullptr, "", &EditableView), S_OK);
    EXPECT_EQ(Editable.Calls.size(), 1u);
    EXPECT_STREQ(Buffer, "");
}

TEST_F(ProcessTable, RouteEndsSilentlyWithoutADocumentAndFailsForForeignViews) {
    EXPECT_EQ(Run("Zoom", "Action=ZoomIn", nullptr), S_OK);
    EXPECT_EQ(Run("Zoom", "Action=ZoomIn", &NoDocumentView), S_OK);
    TPlainView plain;
    EXPECT_LT(Run("Zoom", "Action=ZoomIn", &plain), 0);
    EXPECT_TRUE(Editable.Calls.empty());
}

TEST_F(ProcessTable, StatusBarIsClearedAfterEveryProcess) {
    for (auto& f : Host.StatusFields)
        f = "stale";
    ASSERT_EQ(Run("Zoom", "", nullptr), S_OK);
    EXPECT_EQ(Host.StatusFields[0], "");
    EXPECT_EQ(Host.StatusFields[1], "");
    EXPECT_EQ(Host.StatusFields[2], "");

    // With a current view the view refreshes the bar itself.
    Host.CurrentView = &EditableView;
    Host.StatusCalls.clear();
    ASSERT_EQ(Run("Zoom", "", &EditableView), S_OK);
    EXPECT_EQ(EditableView.Updates, 1);
    EXPECT_TRUE(Host.StatusCalls.empty());

    // Unknown processes change nothing at all.
    ASSERT_EQ(Run("Unknown", "", &EditableView), S_OK);
    EXPECT_EQ(EditableView.Updates, 1);
}

TEST_F(ProcessTable, StateHandlers) {
    const TState enabledUnchecked{1, 0, 1}, disabled{0, 0, 1}, enabledChecked{1, 1, 1};
    EXPECT_EQ(State("NoSuchProcess", nullptr), enabledUnchecked);
    EXPECT_EQ(State("Zoom", nullptr), enabledUnchecked); // no state handler
    for (const char* name :
         {"Highlight", "ExtendPositiveEdges", "ExtendNegativeEdges", "ReverseBusOrder"}) {
        EXPECT_EQ(State(name, nullptr), disabled) << name;
        EXPECT_EQ(State(name, &NoDocumentView), disabled) << name;
        EXPECT_EQ(State(name, &EditableView), disabled) << name; // Can... answers false
    }

    Editable.Answers = {{"CanHighlight", 1}, {"IsHighlighted", 1}};
    EXPECT_EQ(State("highlight", &EditableView), enabledChecked);
    Editable.Answers = {{"CanHighlight", 0}, {"IsHighlighted", 1}};
    Editable.Calls.clear();
    EXPECT_EQ(State("Highlight", &EditableView), disabled);
    ASSERT_EQ(Editable.Calls.size(), 1u); // checked is asked only when enabled
    EXPECT_EQ(Editable.Calls[0].Method, "CanHighlight");

    Editable.Answers = {{"CanExtendPositiveEdges", 1},
                        {"IsExtendingPositiveEdges", 1},
                        {"CanExtendNegativeEdges", 1},
                        {"CanReverseBusOrder", 1}};
    EXPECT_EQ(State("ExtendPositiveEdges", &EditableView), enabledChecked);
    EXPECT_EQ(State("ExtendNegativeEdges", &EditableView), enabledUnchecked);
    EXPECT_EQ(State("ReverseBusOrder", &EditableView), enabledUnchecked);

    TPlainView plain;
    int32_t e, c, v;
    uint8_t f1, f2;
    char parameters[] = "";
    EXPECT_LT(Launcher->GetCommandState("Highlight", parameters, &plain, &e, &c, &v, &f1, &f2), 0);
}

TEST(WaveServerModule, AnswersTheHostInterface) {
    TTestHost host;
    TComPtr<IServerModule> module;
    ASSERT_EQ(CreateWaveServerModule(&host, module.Out()), S_OK);

    TComString name;
    ASSERT_EQ(module->GetModuleName(&name), S_OK);
    EXPECT_EQ(name.Str(), "Wave");

    TComPtr<IProcessControl> control;
    ASSERT_EQ(module->GetProcessControl(control.Out()), S_OK);
    int32_t counter = -1;
    control->GetCounter(&counter);
    EXPECT_EQ(counter, 0);
    control->IncrementCounter();
    control->IncrementCounter();
    control->DecrementCounter();
    control->GetCounter(&counter);
    EXPECT_EQ(counter, 1);
    control->SetCounter(7);
    control->GetCounter(&counter);
    EXPECT_EQ(counter, 7);
    control = TComPtr<IProcessControl>(); // owned by the module: not to be used after it

    TPlainView panel;
    int32_t count = -1;
    module->AddView(&panel);
    module->GetViewCount(&count);
    EXPECT_EQ(count, 1);
    module->RemoveView(&panel);
    module->GetViewCount(&count);
    EXPECT_EQ(count, 0);

    IServerView* view = &panel;
    EXPECT_EQ(module->CreateServerView(&view), S_OK);
    EXPECT_EQ(view, nullptr);
    view = &panel;
    EXPECT_EQ(module->CreateOptionsView("NoSuchPage", &view), S_OK);
    EXPECT_EQ(view, nullptr);

    TComPtr<IClient> client;
    ASSERT_EQ(module->GetClient(client.Out()), S_OK);
    EXPECT_EQ(client.Get(), static_cast<IClient*>(&host));
    void* handle = nullptr;
    EXPECT_EQ(module->GetModuleHandle(&handle), S_OK);
    EXPECT_NE(handle, nullptr);

    TComPtr<IModuleOptions> options(QueryInterfaceOf<IModuleOptions>(module.Get()));
    ASSERT_TRUE(options);
    EXPECT_EQ(CurrentServerModule(), module.Get());
    module = TComPtr<IServerModule>();
    options = TComPtr<IModuleOptions>();
    EXPECT_EQ(CurrentServerModule(), nullptr); // the last release frees the module
    EXPECT_EQ(CurrentClient(), nullptr);
}
