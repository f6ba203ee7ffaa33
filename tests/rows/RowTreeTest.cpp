// Rows and the row tree: defaults, attaching signals, captions, expansion and the visible list,
// cloning, the row interfaces, insertion and removal.
#include "RowTestSupport.h"

#include "rows/RowCaption.h"
#include "rows/RowFactory.h"

#include <gtest/gtest.h>

namespace {
class RowTree : public ::testing::Test, protected TRowTestBench {
protected:
    // Captions of the visible list.
    std::vector<std::string> Visible() const {
        std::vector<std::string> captions;
        for (const TWaveRow* row : Tree.VisibleRows())
            captions.push_back(RowCaption(*row));
        return captions;
    }
    TWaveRowCompound& Compound(TWaveRow* row) { return dynamic_cast<TWaveRowCompound&>(*row); }
};
} // namespace

TEST_F(RowTree, NewRowsTakeThePreferencesDefaults) {
    const TWaveRowSimple row;
    EXPECT_EQ(FontToText(row.Options.Font), "11 0 1 0 0 4660 Courier New");
    EXPECT_EQ(row.TopGap, 2);
    EXPECT_EQ(row.WaveHeight, 16);
    EXPECT_EQ(row.BottomGap, 2);
    EXPECT_EQ(row.TotalHeight(), 20);
    EXPECT_EQ(row.Options.Radix, 0);
    EXPECT_EQ(row.Options.Format, 0);
    EXPECT_EQ(row.Options.NameDepth, -1);
    EXPECT_EQ(row.Options.DisassemblerName, "");
    EXPECT_FALSE(row.Options.Bold);
}

TEST_F(RowTree, AttachingTakesTheIdentifierTheTypeColourAndTheSignalsDisplay) {
    TSignalNode& bus = Vector("bus", 3);
    bus.SetDisplay(2, 3, "ARM");
    auto row = Row<TWaveRowCompound>(bus);
    EXPECT_EQ(row->Identifier(), bus.UniqueID());
    EXPECT_EQ(row->Options.Font.Color, WaveColors::Navy);
    EXPECT_EQ(row->Options.Radix, 3);
    EXPECT_EQ(row->Options.Format, 2);
    EXPECT_EQ(row->Options.DisassemblerName, "ARM");

    // A type without a colour of its own leaves the row's colour; group and compare types
    // set theirs.
    auto real = Row<TWaveRowSimple>(Add(Type("character"), "c", 0, 0));
    EXPECT_EQ(real->Options.Font.Color, 4660u);
    auto group = Group("g", {&Logic("a")});
    auto groupRow = std::make_unique<TWaveRowSimple>();
    groupRow->AttachSignal(group->Signal());
    EXPECT_EQ(groupRow->Options.Font.Color, WaveColors::Fuchsia);
    auto compare = Group<TWaveRowCompare>("c", {&Logic("x"), &Logic("y")});
    groupRow->AttachSignal(compare->Signal());
    EXPECT_EQ(groupRow->Options.Font.Color, WaveColors::Red);
}

TEST_F(RowTree, NameDepthKeepsTheLastLevels) {
    const struct {
        const char* Text;
        int32_t Depth;
        const char* Shown;
    } cases[] = {
        {"/top/sub/sig", -1, "/top/sub/sig"},
        {"/top/sub/sig", 0, "{2}/sig"},
        {"/top/sub/sig", 1, "{1}/sub/sig"},
        {"/top/sub/sig", 2, "{0}/top/sub/sig"},
        {"/top/sub/sig", 3, "/top/sub/sig"},
        {"/top/sub/sig", 9, "/top/sub/sig"},
        {"top/sub/sig", 0, "{2}/sig"},
        {"top/sub/sig", 1, "{1}/sub/sig"},
        {"plain", 0, "plain"},
        {"plain", 5, "plain"},
        {"/top/sub/sig", -7, "/top/sub/sig"},
        {"", 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ApplyNameDepth(c.Text, c.Depth), c.Shown) << c.Text << " " << c.Depth;
}

TEST_F(RowTree, CaptionsByRowKind) {
    TSignalNode& bus = Vector("/top/bus", 1);
    TWaveRow* row = Tree.Add(Row<TWaveRowCompound>(bus));
    Tree.Add(Group("g", {&Logic("a")}));
    Tree.Add(Group<TWaveRowCompare>("c", {&Logic("x"), &Logic("y")}));
    Tree.AddEndOfDisplayRow(Document, &Types);
    Tree.SetExpanded(*row, true);
    EXPECT_EQ(Visible(), (std::vector<std::string>{"/top/bus", "[1]", "[0]", "Group : g",
                                                   "Compare : c", "End of Display"}));
    // A row of a child signal on its own shows the full name; depth applies to every caption.
    TWaveRowSimple element;
    element.AttachSignal(bus.Child(0));
    EXPECT_EQ(RowCaption(element), "/top/bus[1]");
    row->Options.NameDepth = 0;
    EXPECT_EQ(RowCaption(*row), "{1}/bus");
}

TEST_F(RowTree, ExpandingCreatesOnlyTheMissingChildRows) {
    TSignalNode& bus = Vector("bus", 7);
    auto row = Row<TWaveRowCompound>(bus);
    // Three child rows as a file may hold them, one with its own height.
    for (int32_t i = 0; i < 3; ++i)
        row->AppendChild(Row<TWaveRowSimple>(*bus.Child(i)));
    row->Child(1)->WaveHeight = 40;
    TWaveRowCompound* compound = &Compound(Tree.Add(std::move(row)));
    Tree.RebuildVisibleRows();
    EXPECT_EQ(Tree.VisibleCount(), 1);

    Tree.SetExpanded(*compound, true);
    ASSERT_EQ(compound->ChildCount(), 8);
    EXPECT_EQ(compound->Child(1)->WaveHeight, 40);
    for (int32_t i = 0; i < 8; ++i) {
        EXPECT_EQ(compound->Child(i)->Signal(), bus.Child(i));
        EXPECT_EQ(compound->Child(i)->Parent(), compound);
        EXPECT_EQ(compound->Child(i)->Depth(), 1);
        EXPECT_EQ(compound->Child(i)->IsLastChild(), i == 7);
    }
    // New rows take the simple colour of the style "Default"; rows read from the file keep
    // their type's.
    EXPECT_EQ(compound->Child(3)->Options.Font.Color, TTestRowDefaults::cColor);
    EXPECT_EQ(compound->Child(2)->Options.Font.Color, WaveColors::Blue);
    EXPECT_EQ(Tree.VisibleCount(), 9);
    EXPECT_EQ(Tree.VisibleIndexOf(compound->Child(4)), 5);

    // Collapsing keeps the child rows and leaves one entry.
    Tree.SetExpanded(*compound, false);
    EXPECT_EQ(Tree.VisibleCount(), 1);
    EXPECT_EQ(compound->ChildCount(), 8);
    EXPECT_EQ(Tree.VisibleIndexOf(compound->Child(4)), -1);
    EXPECT_FALSE(Tree.SetExpanded(*compound->Child(0), true));
}

TEST_F(RowTree, NestedCompoundChildrenStartCollapsedWithTheGroupColour) {
    Types.AddFromDescription("0$std_logic$1$0$None$", "pair", -1);
    Types.AddFromDescription("0$pair$1$0$None$", "matrix", -1);
    Defaults->HasDefaultStyle = false;
    auto row = Row<TWaveRowCompound>(Add(Type("matrix"), "m", 0, 0));
    TWaveRowCompound* matrix = &Compound(Tree.Add(std::move(row)));
    Tree.SetExpanded(*matrix, true);
    ASSERT_EQ(matrix->ChildCount(), 2);
    EXPECT_EQ(matrix->Child(0)->KindCode(), RowKind::Compound);
    EXPECT_EQ(Tree.VisibleCount(), 3);
    Defaults->HasDefaultStyle = true;
    Tree.SetExpanded(*matrix->Child(1), true);
    EXPECT_EQ(Tree.VisibleCount(), 5);
    EXPECT_EQ(Compound(matrix->Child(1)).Child(0)->Options.Font.Color, TTestRowDefaults::cColor);
}

TEST_F(RowTree, ClonesCopyOptionsChildrenAndBuildNewGroupSignals) {
    TSignalNode& a = Logic("a");
    TSignalNode& b = Logic("b");
    auto bus = Group("bus", {&a, &b});
    bus->SetExpanded(true);
    bus->Options.Radix = 3;
    bus->TopGap = 7;
    auto* busSignal = dynamic_cast<TSignalCompound*>(bus->Signal());
    ASSERT_NE(busSignal, nullptr);
    busSignal->Mark = true;

    auto clone = bus->Clone();
    auto& copy = dynamic_cast<TWaveRowGroup&>(*clone);
    EXPECT_EQ(copy.KindCode(), RowKind::Group);
    EXPECT_EQ(copy.GroupName(), "bus(2)");
    ASSERT_NE(copy.Signal(), bus->Signal());
    EXPECT_EQ(copy.Signal()->Name(), "bus");
    EXPECT_TRUE(dynamic_cast<TSignalCompound&>(*copy.Signal()).Mark);
    ASSERT_EQ(copy.Signal()->ChildCount(), 2);
    EXPECT_EQ(copy.Signal()->Child(1), &b);
    EXPECT_EQ(copy.GroupType()->Name(), "group");
    EXPECT_EQ(copy.GroupType()->MemberTypes().size(), 2u);
    EXPECT_TRUE(copy.Expanded());
    EXPECT_EQ(copy.Options.Radix, 3);
    EXPECT_EQ(copy.TopGap, 7);
    ASSERT_EQ(copy.ChildCount(), 2);
    EXPECT_EQ(copy.Child(0)->Parent(), &copy);
    EXPECT_EQ(copy.Child(0)->Signal(), &a);

    auto compare = Group<TWaveRowCompare>("cmp", {&a, &b});
    auto compareClone = compare->Clone();
    EXPECT_EQ(compareClone->KindCode(), RowKind::Compare);
    EXPECT_NE(dynamic_cast<TSignalCompare*>(compareClone->Signal()), nullptr);
    EXPECT_EQ(dynamic_cast<TWaveRowGroup&>(*compareClone).GroupType()->Name(), "compare");

    // Freeing the groups leaves their members alone.
    bus.reset();
    clone.reset();
    EXPECT_EQ(a.Name(), "a");
}

TEST_F(RowTree, RowInterfacesAnswerByKind) {
    TSignalNode& a = Logic("a");
    auto simple = Row<TWaveRowSimple>(a);
    auto compound = Row<TWaveRowCompound>(Vector("v", 1));
    auto bus = Group("bus", {&a});
    auto compare = Group<TWaveRowCompare>("cmp", {&a, &a});
    const struct {
        TWaveRow* Row;
        int32_t Compound, Group, Compare, Bus;
    } cases[] = {{simple.get(), 0, 0, 0, 0},
                 {compound.get(), 1, 0, 0, 0},
                 {bus.get(), 1, 1, 0, 1},
                 {compare.get(), 1, 1, 1, 0}};
    for (const auto& c : cases) {
        IWaveRow* row = QueryInterfaceOf<IWaveRow>(static_cast<IWaveRow*>(c.Row));
        ASSERT_NE(row, nullptr);
        int32_t answer = -1;
        ASSERT_EQ(row->IsCompound(&answer), S_OK);
        EXPECT_EQ(answer, c.Compound);
        ASSERT_EQ(row->IsGroup(&answer), S_OK);
        EXPECT_EQ(answer, c.Group);
        ASSERT_EQ(row->IsCompare(&answer), S_OK);
        EXPECT_EQ(answer, c.Compare);
        ASSERT_EQ(row->IsBus(&answer), S_OK);
        EXPECT_EQ(answer, c.Bus);
        EXPECT_EQ(row->IsBus(nullptr), E_POINTER);
        IWaveGroupRow* group = QueryInterfaceOf<IWaveGroupRow>(row);
        EXPECT_EQ(group != nullptr, c.Group == 1);
    }

    IWaveSignal* signal = nullptr;
    ASSERT_EQ(static_cast<IWaveRow*>(simple.get())->GetSignal(&signal), S_OK);
    EXPECT_EQ(signal, static_cast<IWaveSignal*>(&a));
    TWaveRowSimple unbound;
    ASSERT_EQ(static_cast<IWaveRow*>(&unbound)->GetSignal(&signal), S_OK);
    EXPECT_EQ(signal, nullptr);

    IWaveGroupRow* group = QueryInterfaceOf<IWaveGroupRow>(static_cast<IWaveRow*>(compare.get()));
    int32_t count = 0;
    ASSERT_EQ(group->GetChildCount(&count), S_OK);
    EXPECT_EQ(count, 2);
    IWaveRow* child = nullptr;
    ASSERT_EQ(group->GetChild(1, &child), S_OK);
    EXPECT_EQ(child, static_cast<IWaveRow*>(compare->Child(1)));
    for (int32_t outside : {-1, 2}) {
        ASSERT_EQ(group->GetChild(outside, &child), S_OK);
        EXPECT_EQ(child, nullptr);
    }
}

TEST_F(RowTree, HeightsAreDistributedOnTheGaps) {
    const struct {
        int32_t Requested, TopGap, BottomGap;
    } cases[] = {{25, 4, 4}, {26, 5, 5}, {20, 2, 2}, {19, 2, 2}, {10, 0, 0}, {17, 1, 1}};
    for (const auto& c : cases) {
        TWaveRowSimple row;
        row.DistributeTotalHeight(c.Requested);
        EXPECT_EQ(row.TopGap, c.TopGap) << c.Requested;
        EXPECT_EQ(row.BottomGap, c.BottomGap) << c.Requested;
        EXPECT_EQ(row.WaveHeight, 16);
    }
}

TEST_F(RowTree, InsertionAddsTheEndRowAndFollowsBuses) {
    TSignalNode& a = Logic("a");
    TSignalNode& b = Logic("b");
    TSignalNode& c = Logic("c");
    // An empty tree gets its end-of-display row first.
    Tree.InsertRow(Row<TWaveRowSimple>(a), 5, false, Document, &Types);
    EXPECT_EQ(Visible(), (std::vector<std::string>{"a", "End of Display"}));

    TWaveRowGroup* bus = AsGroupRow(Tree.InsertRow(Group("bus", {&b}), 1, false, Document, &Types));
    Tree.SetExpanded(*bus, true);
    EXPECT_EQ(Visible(), (std::vector<std::string>{"a", "Group : bus", "b", "End of Display"}));
    // At a bus member's position the row joins the bus, signal and type alike.
    Tree.InsertRow(Row<TWaveRowSimple>(c), 2, false, Document, &Types);
    EXPECT_EQ(Visible(),
              (std::vector<std::string>{"a", "Group : bus", "c", "b", "End of Display"}));
    ASSERT_EQ(bus->Signal()->ChildCount(), 2);
    EXPECT_EQ(bus->Signal()->Child(0), &c);
    EXPECT_EQ(bus->GroupType()->MemberTypes().size(), 2u);
    // As a child: appended to the outermost ancestor of the row before the position.
    Tree.InsertRow(Row<TWaveRowSimple>(a), 4, true, Document, &Types);
    EXPECT_EQ(Visible(),
              (std::vector<std::string>{"a", "Group : bus", "c", "b", "a", "End of Display"}));
    EXPECT_EQ(bus->Signal()->Child(2), &a);
    // As a child of a row that is no group: among the top-level rows instead of lost.
    Tree.InsertRow(Row<TWaveRowSimple>(b), 1, true, Document, &Types);
    EXPECT_EQ(Tree.Count(), 4);
    EXPECT_EQ(RowCaption(*Tree.Item(1)), "b");
    // Position 0 (or below) inserts at the top.
    Tree.InsertRow(Row<TWaveRowSimple>(c), -3, false, Document, &Types);
    EXPECT_EQ(RowCaption(*Tree.Item(0)), "c");
    EXPECT_TRUE(Tree.EndsWithPlaceHolder());
}

TEST_F(RowTree, RemovalTakesBusMembersAndTopRowsButNeverTheEndRow) {
    TSignalNode& a = Logic("a");
    TSignalNode& b = Logic("b");
    Tree.Add(Row<TWaveRowSimple>(a));
    TWaveRowGroup* bus = AsGroupRow(Tree.Add(Group("bus", {&a, &b})));
    bus->SetExpanded(true);
    TWaveRowCompound* vector = &Compound(Tree.Add(Row<TWaveRowCompound>(Vector("v", 1))));
    vector->SetExpanded(true);
    Tree.AddEndOfDisplayRow(Document, &Types);
    ASSERT_EQ(Tree.VisibleCount(), 8);

    EXPECT_FALSE(Tree.RemoveVisibleRow(7)); // the end-of-display row
    EXPECT_FALSE(Tree.RemoveVisibleRow(8));
    EXPECT_FALSE(Tree.RemoveVisibleRow(-1));
    EXPECT_FALSE(Tree.RemoveVisibleRow(5)); // a child of a plain compound row
    EXPECT_TRUE(Tree.RemoveVisibleRow(2));  // a of the bus
    EXPECT_EQ(bus->ChildCount(), 1);
    ASSERT_EQ(bus->Signal()->ChildCount(), 1);
    EXPECT_EQ(bus->Signal()->Child(0), &b);
    EXPECT_TRUE(Tree.RemoveVisibleRow(0));
    EXPECT_EQ(Visible(),
              (std::vector<std::string>{"Group : bus", "b", "v", "[1]", "[0]", "End of Display"}));
    EXPECT_EQ(Tree.HeightOfAllRows(), 6 * 20);
    EXPECT_EQ(Tree.HeightOfRows(4, 10), 2 * 20);
    EXPECT_EQ(Tree.FindRowByName("V[0]"), vector->Child(1));
    EXPECT_EQ(Tree.FindRowByName("nothing"), nullptr);
}

TEST_F(RowTree, EndOfDisplayRowOwnsItsSignal) {
    TWaveRow* end = Tree.AddEndOfDisplayRow(Document, &Types);
    ASSERT_NE(end->Signal(), nullptr);
    EXPECT_EQ(end->Signal()->Name(), "End of Display");
    EXPECT_GE(end->Identifier(), 100);
    EXPECT_EQ(end->Identifier(), end->Signal()->UniqueID());
    EXPECT_TRUE(end->ShowsPlaceHolder());
    EXPECT_EQ(end->KindCode(), RowKind::Simple);
    EXPECT_EQ(Document.SignalStore().Count(), 0);
    Tree.Clear();
    EXPECT_EQ(Tree.VisibleCount(), 0);
    EXPECT_EQ(Tree.Count(), 0);
}

TEST_F(RowTree, RowsOfStoredKindCodes) {
    const struct {
        int32_t Kind;
        int32_t Made;        // -1: none
        int32_t LegacyTop;   // text and version-1 files, top level
        int32_t LegacyChild; // inside a compound row
    } cases[] = {
        {0, 0, 0, 0}, {1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 2}, {4, -1, 0, 2}, {-1, -1, 0, 2},
    };
    for (const auto& c : cases) {
        auto made = CreateRowOfKind(c.Kind);
        EXPECT_EQ(made ? made->KindCode() : -1, c.Made) << c.Kind;
        EXPECT_EQ(CreateRowOfLegacyKind(c.Kind, false)->KindCode(), c.LegacyTop) << c.Kind;
        EXPECT_EQ(CreateRowOfLegacyKind(c.Kind, true)->KindCode(), c.LegacyChild) << c.Kind;
    }
}
