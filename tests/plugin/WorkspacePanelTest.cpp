#include "tests/plugin/DocumentFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using TWorkspacePanelTest = TDocumentFixture;

TEST_F(TWorkspacePanelTest, SubPanelFollowsTheFocusedSignalsType) {
    TComPtr<IWaveDataType> vector, state;
    ASSERT_EQ(Builder->CreateType("nibble", 16, vector.Out()), S_OK); // kind 16 needs a base
    ASSERT_EQ(Builder->CreateType("state", 3, state.Out()), S_OK);
    state->AddLiteral("idle");
    state->AddLiteral("busy");
    struct TCase {
        const char* Type;
        TValueSubPanel Panel;
    } cases[] = {
        {"std_logic", TValueSubPanel::StdLogic},     {"bit", TValueSubPanel::Bit},
        {"real", TValueSubPanel::Integer},           {"integer", TValueSubPanel::Integer},
        {"boolean", TValueSubPanel::Enum},           {"state", TValueSubPanel::Enum},
        {"std_logic_vector", TValueSubPanel::Blank}, {"time", TValueSubPanel::Blank},
    };
    for (const auto& c : cases) {
        TSignalNode* signal = AddSignal(c.Type, c.Type);
        ASSERT_NE(signal, nullptr) << c.Type;
        EXPECT_EQ(Panel().VisibleSubPanel(), c.Panel) << c.Type;
        EXPECT_EQ(Panel().CurrentBox().text().toStdString(), c.Type);
    }
    EXPECT_EQ(Panel().EnumTitle().text(), "state");
    EXPECT_EQ(Panel().ValueButtons(TValueSubPanel::StdLogic).size(), 9u);
    EXPECT_EQ(Panel().ValueButtons(TValueSubPanel::CUPL).size(), 8u);

    // A second row of the same enumeration keeps the list as it is.
    AddSignal("s1", "state");
    Panel().EnumList().setCurrentRow(1);
    AddSignal("s2", "state");
    EXPECT_EQ(Panel().EnumList().currentRow(), 1);
    EXPECT_EQ(Panel().EnumList().count(), 2);
}

TEST_F(TWorkspacePanelTest, ValueButtonsRunAddTransitionThroughTheHost) {
    AddSignal("r", "real");
    Host.ProcessesRun.clear();
    struct TCase {
        const char* Text;
        const char* Sent; // nil: nothing is sent
    } cases[] = {{"2.5", nullptr}, {"3", "Transition=3"}, {"-12", "Transition=-12"},
                 {"x", nullptr},   {"", nullptr},         {"99999999999", nullptr}};
    for (const auto& c : cases) {
        Host.ProcessesRun.clear();
        Panel().IntegerBox(2).setText(c.Text);
        QTest::mouseClick(&Panel().IntegerButton(2), Qt::LeftButton);
        if (c.Sent == nullptr) {
            EXPECT_TRUE(Host.ProcessesRun.empty()) << c.Text;
            continue;
        }
        ASSERT_EQ(Host.ProcessesRun.size(), 1u) << c.Text;
        EXPECT_EQ(Host.ProcessesRun[0].Name, "Wave:AddTransition");
        EXPECT_EQ(Host.ProcessesRun[0].Parameters, c.Sent);
        EXPECT_EQ(Host.ProcessesRun[0].View, EditorView());
    }

    AddSignal("c", "CUPL");
    Host.ProcessesRun.clear();
    QTest::mouseClick(Panel().ValueButtons(TValueSubPanel::CUPL)[6], Qt::LeftButton);
    ASSERT_EQ(Host.ProcessesRun.size(), 1u);
    EXPECT_EQ(Host.ProcessesRun[0].Parameters, "Transition=U Z");
    Panel().ResetButtons();
    EXPECT_FALSE(Panel().ValueButtons(TValueSubPanel::CUPL)[6]->isChecked());
}

TEST_F(TWorkspacePanelTest, CurrentSignalBoxRenamesTheFocusedSignal) {
    TSignalNode* clk = AddSignal("clk", "std_logic");
    TComPtr<IWaveSignal> bus;
    ASSERT_EQ(Builder->AddGroup("bus", "", bus.Out()), S_OK);
    TComPtr<IWaveSignal> member;
    ASSERT_EQ(Builder->AddGroupMember("m", bus.Get(), "", member.Out()), S_OK);
    Editor().SetFocusedRow(Editor().FindRowByName("clk"));
    Document->SetModified(0);
    EXPECT_FALSE(Modified()); // showing the name renames nothing

    Panel().CurrentBox().setText("clock");
    EXPECT_EQ(clk->Name(), "clock");
    EXPECT_TRUE(Modified());
    QTreeWidget& tree = Panel().SignalsTree();
    ASSERT_EQ(tree.topLevelItemCount(), 2);
    EXPECT_EQ(tree.topLevelItem(0)->text(0), "clock");
    EXPECT_EQ(tree.topLevelItem(0)->text(1), "std_logic");

    // The signal list answers whether a signal's entry is selected.
    EXPECT_FALSE(Panel().IsSignalSelected(*clk));
    tree.topLevelItem(0)->setSelected(true);
    EXPECT_TRUE(Panel().IsSignalSelected(*clk));
    EXPECT_FALSE(Panel().IsSignalSelected(*static_cast<TSignalNode*>(member.Get())));
}
