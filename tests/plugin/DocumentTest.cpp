#include "plugin/Rt_Param.h"
#include "preferences/RT_Wave.h"
#include "rows/RowTree.h"
#include "rows/WaveRowGroup.h"
#include "tests/plugin/DocumentFixture.h"

#include <QWidget>
#include <cstring>
#include <fstream>

namespace {
std::string ViewName(IServerDocument& document, int32_t index) {
    TComPtr<IServerView> view;
    EXPECT_EQ(document.GetView(index, view.Out()), S_OK);
    TComString name;
    EXPECT_EQ(view->GetViewName(&name), S_OK);
    return name.Str();
}

// Runs a process of the module on a view, with a 1024-byte buffer holding the text.
std::string RunProcess(IServerModule& module, const char* name, const char* text,
                       IServerView* view) {
    TComPtr<ICommandLauncher> launcher;
    EXPECT_EQ(module.GetCommandLauncher(launcher.Out()), S_OK);
    char buffer[1024] = {};
    std::strncpy(buffer, text, sizeof(buffer) - 1);
    EXPECT_EQ(launcher->LaunchCommand(name, buffer, sizeof(buffer), view), S_OK);
    return buffer;
}
} // namespace

using TWaveDocumentTest = TDocumentFixture;

TEST_F(TWaveDocumentTest, CreationGivesPanelThenEditorViewAndAnEmptyDefaultDocument) {
    int32_t count = 0;
    ASSERT_EQ(Document->GetViewCount(&count), S_OK);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(ViewName(*Document.Get(), 0), "WavePanel");
    EXPECT_EQ(ViewName(*Document.Get(), 1), "WaveEditor");
    TComPtr<IServerView> panel;
    ASSERT_EQ(Document->GetView(0, panel.Out()), S_OK);
    int32_t isPanel = 0;
    EXPECT_EQ(panel->IsPanel(&isPanel), S_OK);
    EXPECT_EQ(isPanel, 1);

    // The host embeds the editor form through its widget; the view leads back to the document.
    void* window = nullptr;
    ASSERT_EQ(EditorView()->GetWindow(&window), S_OK);
    EXPECT_EQ(static_cast<QWidget*>(window), static_cast<QWidget*>(Wave->Window()));
    TComPtr<IServerDocumentView> documentView(QueryInterfaceOf<IServerDocumentView>(EditorView()));
    TComPtr<IServerDocument> owner;
    ASSERT_EQ(documentView->GetOwnerDocument(owner.Out()), S_OK);
    EXPECT_EQ(owner.Get(), Document.Get());

    EXPECT_TRUE(TComPtr<IWaveEditDocument>(QueryInterfaceOf<IWaveEditDocument>(Document.Get())));
    EXPECT_EQ(Host.Receivers.size(), 1u);
    ASSERT_EQ(Host.Timers.size(), 1u);
    EXPECT_EQ(Host.Timers.begin()->second.IntervalMs, 10000);

    // A name that does not exist: empty, default layout, not modified. The splits do not fit,
    // so the layout turns the stored positions into grips.
    EXPECT_EQ(Editor().RowCount(), 0);
    EXPECT_EQ(Editor().VSpliterPosition(), Editor().NameAreaWidth() - 6);
    EXPECT_EQ(Editor().HSpliterPosition(), 68);
    EXPECT_EQ(Editor().Columns()[1].Width, 116);
    EXPECT_EQ(Editor().Columns()[2].Width, 120);
    EXPECT_EQ(Editor().Columns()[3].Width, 40);
    for (int i = 0; i < TCustomWaveEditor::cLocationMarkCount; ++i)
        EXPECT_EQ(Editor().LocationMark(i), -1);
    EXPECT_FALSE(Modified());
}

TEST_F(TWaveDocumentTest, ModifiedFlagTellsTheHostOnlyWhenItChanges) {
    Host.DocumentNotifications.clear();
    Wave->MarkModified();
    Wave->MarkModified();
    EXPECT_TRUE(Modified());
    EXPECT_EQ(Builder->MarkModified(0), S_OK); // false leaves a modified document modified
    EXPECT_TRUE(Modified());
    ASSERT_EQ(Host.DocumentNotifications.size(), 1u);
    EXPECT_EQ(Host.DocumentNotifications[0].Code, cDocumentModifiedChanged);
    EXPECT_EQ(Host.DocumentNotifications[0].Document, Document.Get());
    EXPECT_EQ(Document->SetModified(0), S_OK);
    EXPECT_EQ(Host.DocumentNotifications.size(), 2u);
    EXPECT_FALSE(Modified());
}

TEST_F(TWaveDocumentTest, BuildingInterfaceAddsSignalsRowsAndGroups) {
    int32_t count = -1;
    EXPECT_EQ(Builder->GetRowCount(&count), S_OK);
    EXPECT_EQ(count, 0);

    TComPtr<IWaveDataType> type;
    EXPECT_EQ(Builder->CreateType("", 3, type.Out()), S_OK);
    EXPECT_FALSE(type);
    EXPECT_EQ(Builder->CreateType("std_logic", 3, type.Out()), S_OK); // exists already
    EXPECT_FALSE(type);
    EXPECT_EQ(Builder->CreateType("state", 3, type.Out()), S_OK);
    ASSERT_TRUE(type);
    EXPECT_EQ(type->AddLiteral("idle"), S_OK);
    EXPECT_EQ(Builder->FinishTypes(), S_OK);
    TComPtr<IWaveDataType> found;
    EXPECT_EQ(Builder->FindType("state", found.Out()), S_OK);
    EXPECT_EQ(found.Get(), type.Get());

    TComPtr<IWaveSignal> none;
    EXPECT_EQ(Builder->AddSignal("x", "no such type", none.Out()), S_OK);
    EXPECT_FALSE(none);
    EXPECT_FALSE(Modified());

    TSignalNode* clk = AddSignal("clk", "std_logic");
    ASSERT_NE(clk, nullptr);
    EXPECT_TRUE(Modified());
    // New signals go in at the focused row, which they then become.
    TSignalNode* data = AddSignal("data", "state");
    EXPECT_EQ(Editor().FocusedRow()->Signal(), data);
    EXPECT_EQ(Editor().RowAt(0)->Signal(), data);
    EXPECT_EQ(Editor().RowAt(1)->Signal(), clk);
    EXPECT_TRUE(Editor().RowAt(2)->ShowsPlaceHolder());

    EXPECT_EQ(Builder->GetRowCount(&count), S_OK);
    EXPECT_EQ(count, 2);
    TComPtr<IWaveRow> row;
    EXPECT_EQ(Builder->GetRow(1, row.Out()), S_OK);
    EXPECT_EQ(row.Get(), static_cast<IWaveRow*>(Editor().RowAt(1)));
    EXPECT_EQ(Builder->GetRow(count, row.Out()), S_OK); // the placeholder is never handed out
    EXPECT_FALSE(row);
    EXPECT_EQ(Builder->GetRow(-1, row.Out()), S_OK);
    EXPECT_FALSE(row);

    TComPtr<IWaveSignal> byName;
    EXPECT_EQ(Builder->FindSignalByFullName(" CLK ", byName.Out()), S_OK);
    EXPECT_EQ(byName.Get(), static_cast<IWaveSignal*>(clk));

    // A group goes at the end, and its members below it.
    TComPtr<IWaveSignal> group, member;
    ASSERT_EQ(Builder->AddGroup("", "Default", group.Out()), S_OK);
    ASSERT_TRUE(group);
    TWaveRowGroup* groupRow = AsGroupRow(Editor().RowAt(2));
    ASSERT_NE(groupRow, nullptr);
    EXPECT_EQ(groupRow->GroupName(), "New Group " + std::to_string(groupRow->Identifier()));
    ASSERT_EQ(Builder->AddGroupMember("m0", group.Get(), "Default", member.Out()), S_OK);
    ASSERT_TRUE(member);
    EXPECT_EQ(groupRow->ChildCount(), 1);
    EXPECT_EQ(static_cast<TSignalNode*>(group.Get())->ChildCount(), 1);
    EXPECT_EQ(Builder->AddGroupMember("m1", clk, "Default", member.Out()), S_OK); // no group row
    EXPECT_FALSE(member);

    // Deleting a top-level signal takes its rows with it.
    EXPECT_EQ(Builder->DeleteSignal("DATA"), S_OK);
    EXPECT_EQ(Wave->SignalStore().FindByPath("data"), nullptr);
    EXPECT_EQ(Editor().RowAt(0)->Signal(), clk);

    // Signals, types and rows belong to the document: no reference may outlive the clear.
    for (auto* signal : {&group, &member, &byName})
        *signal = TComPtr<IWaveSignal>();
    type = found = TComPtr<IWaveDataType>();
    row = TComPtr<IWaveRow>();
    EXPECT_EQ(Builder->ClearDocument(), S_OK);
    EXPECT_EQ(Editor().RowCount(), 0);
    EXPECT_EQ(Wave->SignalStore().Count(), 0);
    EXPECT_NE(Wave->Types().FindByName("std_logic"), nullptr);
}

TEST_F(TWaveDocumentTest, ReloadPutsRowSettingsBackByIdentifier) {
    AddSignal("a", "std_logic");
    AddSignal("b", "bit");                  // above a
    EXPECT_EQ(Builder->EndReload(0), S_OK); // nothing recorded: nothing happens
    EXPECT_EQ(Builder->BeginReload(0), S_OK);
    TWaveRow* b = Editor().RowAt(0);
    b->TopGap = 9;
    TRowTree& tree = Editor().RowTree();
    tree.Insert(0, tree.Extract(Editor().RowAt(1))); // a moves above b
    Editor().RowsChanged();
    ASSERT_EQ(Editor().RowAt(0)->Signal()->Name(), "a");
    EXPECT_EQ(Builder->EndReload(0), S_OK);
    // Top-level rows keep their new order; what the user set on each row comes back.
    EXPECT_EQ(Editor().RowAt(1)->Signal()->Name(), "b");
    EXPECT_EQ(Editor().RowAt(1)->TopGap, 2);
    EXPECT_TRUE(Editor().RowAt(2)->ShowsPlaceHolder());
    EXPECT_FALSE(Editor().HasRowLayout());
}

TEST_F(TWaveDocumentTest, CrossProbing) {
    EXPECT_EQ(RunProcess(*Module.Get(), "CrossProbeChoose", "", EditorView()),
              "Kind=TEXT|Result=False");

    AddSignal("clk", "std_logic");
    AddSignal("!reset", "std_logic");
    AddSignal("data", "bit");
    EXPECT_EQ(RunProcess(*Module.Get(), "CrossProbeChoose", "", EditorView()), "Kind=TEXT|Id=data");

    struct TCase {
        const char* Id;
        const char* Focused;
    } cases[] = {
        {"u1:clk", "clk"},          // no row named U1, then the pin name
        {"DATA:u7", "data"},        // the first part, in any case
        {"a:b:!RESET:d", "!reset"}, // the third part
        {"nothing:here", "!reset"}, // no row: the focus stays
        {"clk", "clk"},
    };
    Editor().SetFocusedRow(Editor().RowAt(0)); // data
    for (const auto& c : cases) {
        RunProcess(*Module.Get(), "CrossProbeNotify", ("Id=" + std::string(c.Id)).c_str(),
                   EditorView());
        EXPECT_EQ(Editor().FocusedRow()->Signal()->Name(), c.Focused) << c.Id;
    }
    EXPECT_EQ(RunProcess(*Module.Get(), "CrossProbeChoose", "", EditorView()), "Kind=TEXT|Id=clk");
    Editor().SetFocusedRow(Editor().FindRowByName("!reset"));
    EXPECT_EQ(RunProcess(*Module.Get(), "CrossProbeChoose", "", EditorView()),
              "Kind=TEXT|Id=reset");
}

TEST_F(TWaveDocumentTest, PreferencesNotificationSwitchesTheValueColumn) {
    ShowEditor(860, 400);
    Editor().SetVSpliterPosition(400);
    ASSERT_EQ(Editor().VSpliterPosition(), 400);
    ASSERT_TRUE(Editor().Columns()[3].Visible);
    TComPtr<IWavePreferences> preferences;
    ASSERT_EQ(GetWavePreferencesOfModule(preferences.Out()), S_OK);
    ASSERT_EQ(preferences->SetValueColumn(0), S_OK);
    Host.BroadcastNotification(2); // another notification changes nothing
    EXPECT_TRUE(Editor().Columns()[3].Visible);
    Host.BroadcastNotification(cNotificationPreferencesChanged);
    EXPECT_FALSE(Editor().Columns()[3].Visible);
    EXPECT_EQ(Editor().VSpliterPosition(), 360);
    Host.BroadcastNotification(cNotificationPreferencesChanged);
    EXPECT_EQ(Editor().VSpliterPosition(), 360);
    preferences->SetValueColumn(1);
    Host.BroadcastNotification(cNotificationPreferencesChanged);
    EXPECT_EQ(Editor().VSpliterPosition(), 400);
}

TEST_F(TWaveDocumentTest, PopupMenuAndDocumentOperations) {
    Wave->Window()->RequestPopupMenu();
    ASSERT_EQ(Host.PopupMenus.size(), 1u);
    EXPECT_EQ(Host.PopupMenus[0], "PUWAVEMENU");

    Host.Messages.clear();
    RunProcess(*Module.Get(), "Legend", "", EditorView()); // headless: logged, not waited for
    EXPECT_EQ(Host.Messages, std::vector<std::string>{"Legend"});

    // Operations of the editor run on the focused row.
    TComPtr<IWaveDataType> type;
    ASSERT_EQ(Builder->CreateType("word", 0, type.Out()), S_OK);
    ASSERT_EQ(type->SetLeftBound(1), S_OK);
    ASSERT_EQ(type->SetRightBound(0), S_OK);
    ASSERT_EQ(type->SetElementType("bit"), S_OK);
    AddSignal("w", "word");
    Document->SetModified(0);
    RunProcess(*Module.Get(), "ExpandRow", "", EditorView());
    EXPECT_EQ(Editor().RowCount(), 4); // w, w[1], w[0], end of display
    EXPECT_TRUE(Modified());
    RunProcess(*Module.Get(), "CollapseRow", "", EditorView());
    EXPECT_EQ(Editor().RowCount(), 2);
}

TEST_F(TWaveDocumentTest, ClosingFreesFormsAndEndsHostRegistrations) {
    QPointer<QWidget> window(Wave->Window());
    QPointer<QWidget> panel(Wave->Panel());
    AddSignal("clk", "std_logic");
    ASSERT_EQ(Module->DestroyDocument(Document.Get()), S_OK);
    EXPECT_TRUE(Host.Receivers.empty());
    EXPECT_TRUE(Host.Timers.empty());
    EXPECT_EQ(Wave->Editor(), nullptr);
    FlushDeferredDeletes();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(panel.isNull());
    int32_t count = 0;
    EXPECT_EQ(Module->GetDocumentCount(&count), S_OK);
    EXPECT_EQ(count, 0);
    // Processes on a closed document's view end quietly.
    EXPECT_EQ(Builder->GetRowCount(&count), S_OK);
    EXPECT_EQ(count, 0);
    Document = TComPtr<IServerDocument>();
}

TEST_F(TWaveDocumentTest, ClaimOfAnotherOwnerIsReportedOnceAndTakenBackWhenFreed) {
    const std::string other = (Folder / "shared.wvf").string();
    {
        std::ofstream claim(ClaimFileName(other));
        claim << "Filename=" << other << "\nComputerName=elsewhere\nUserName=ann\nProcessID=1\n";
    }
    Host.Messages.clear();
    TComPtr<IServerDocument> second;
    ASSERT_EQ(Module->CreateDocument("WAVE", other.c_str(), second.Out()), S_OK);
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_NE(Host.Messages[0].find("ann"), std::string::npos);
    EXPECT_NE(Host.Messages[0].find("elsewhere"), std::string::npos);
    EXPECT_NE(Host.Messages[0].find(other), std::string::npos);

    auto timer = std::prev(Host.Timers.end());
    timer->second.Handler->HandleTimer(timer->first);
    EXPECT_EQ(Host.Messages.size(), 1u); // told once
    std::filesystem::remove(ClaimFileName(other));
    timer->second.Handler->HandleTimer(timer->first);
    EXPECT_FALSE(ForeignClaimOwner(other).has_value());
    EXPECT_TRUE(std::filesystem::exists(ClaimFileName(other))); // ours now
    Module->DestroyDocument(second.Get());
    EXPECT_FALSE(std::filesystem::exists(ClaimFileName(other)));
}
