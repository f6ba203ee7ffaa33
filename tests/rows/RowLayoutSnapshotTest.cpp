// The row layout snapshot: rows rebuilt from scratch (as a reload makes them) get back their
// places under groups, expansion, heights, options and edge marks.
#include "RowTestSupport.h"

#include "rows/RowCaption.h"
#include "rows/RowLayoutSnapshot.h"

#include <gtest/gtest.h>

namespace {
class RowLayoutSnapshot : public ::testing::Test, protected TRowTestBench {
protected:
    void SetUp() override {
        A = &Logic("a");
        B = &Logic("b");
        Bus = &Vector("/top/v", 1);
        BusIdentifier = Document.SignalIDs().AllocateHigh();
    }

    // What the user made: v expanded with a taller second element, a bus of b and a, a in
    // hex with its positive-edge mark, and the end-of-display row.
    void ArrangeRows() {
        auto* vector = static_cast<TWaveRowCompound*>(Tree.Add(Row<TWaveRowCompound>(*Bus)));
        vector->SetExpanded(true);
        vector->EnsureChildRows();
        vector->Child(1)->WaveHeight = 30;
        TWaveRow* a = Tree.Add(Row<TWaveRowSimple>(*A));
        a->Options.Radix = 3;
        a->Options.NameDepth = 0;
        a->BottomGap = 9;
        static_cast<TSignalSimple*>(A)->Marks[0] = true;
        TWaveRowGroup* bus = AsGroupRow(Tree.Add(Group("bus", {B, A}, BusIdentifier)));
        bus->SetExpanded(true);
        Tree.AddEndOfDisplayRow(Document, &Types);
    }

    // The rows a reload gives: every signal and the bus on its own at the top, all defaults.
    void RebuildPlainRows() {
        Tree.Clear();
        static_cast<TSignalSimple*>(A)->Marks[0] = false;
        Tree.Add(Row<TWaveRowCompound>(*Bus));
        Tree.Add(Row<TWaveRowSimple>(*A));
        Tree.Add(Row<TWaveRowSimple>(*B));
        Tree.Add(Group("bus", {}, BusIdentifier));
        Tree.AddEndOfDisplayRow(Document, &Types);
    }

    std::vector<std::string> Visible() const {
        std::vector<std::string> captions;
        for (const TWaveRow* row : Tree.VisibleRows())
            captions.push_back(RowCaption(*row));
        return captions;
    }

    TSignalNode* A = nullptr;
    TSignalNode* B = nullptr;
    TSignalNode* Bus = nullptr;
    int32_t BusIdentifier = 0; // a group row's own, as a file keeps it
};
} // namespace

TEST_F(RowLayoutSnapshot, RestoresPlacesAndSettingsByNameAndByIdentifier) {
    for (TRowLayoutKey key : {TRowLayoutKey::Name, TRowLayoutKey::UniqueID}) {
        SCOPED_TRACE(key == TRowLayoutKey::Name ? "by name" : "by identifier");
        ArrangeRows();
        const std::vector<std::string> arranged = Visible();
        TRowLayoutList snapshot = TakeRowLayout(Tree, key);
        ASSERT_EQ(snapshot.size(), 3u); // no snapshot of the end-of-display row
        EXPECT_FALSE(snapshot[1]->Moved);
        // The second row of a is a further copy.
        EXPECT_TRUE(snapshot[2]->Children[1]->Moved);

        RebuildPlainRows();
        RestoreRowLayout(Tree, std::move(snapshot));
        EXPECT_EQ(Visible(), arranged);
        EXPECT_TRUE(Tree.EndsWithPlaceHolder());
        const TWaveRow* a = Tree.FindRowByName("A");
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->Options.Radix, 3);
        EXPECT_EQ(a->BottomGap, 9);
        EXPECT_TRUE(static_cast<TSignalSimple*>(A)->Marks[0]);
        EXPECT_EQ(Tree.FindRowByName("/top/v[0]")->WaveHeight, 30);
        // The bus holds its members again, signal included.
        const TWaveRowGroup* bus = AsGroupRow(Tree.FindRowByName("bus"));
        ASSERT_NE(bus, nullptr);
        ASSERT_EQ(bus->Signal()->ChildCount(), 2);
        EXPECT_EQ(bus->Signal()->Child(0), B);
        EXPECT_EQ(bus->Signal()->Child(1), A);
        Tree.Clear();
    }
}

TEST_F(RowLayoutSnapshot, IdentifierSnapshotsPutRenamedSignalsBack) {
    ArrangeRows();
    TRowLayoutList byName = TakeRowLayout(Tree, TRowLayoutKey::Name);
    TRowLayoutList byID = TakeRowLayout(Tree, TRowLayoutKey::UniqueID);
    B->SetName("renamed");
    RebuildPlainRows();
    RestoreRowLayout(Tree, std::move(byID));
    EXPECT_EQ(B->Name(), "b");
    EXPECT_EQ(AsGroupRow(Tree.FindRowByName("bus"))->ChildCount(), 2);

    // By name the renamed signal is not found: its row stays where the rebuild put it.
    B->SetName("renamed");
    RebuildPlainRows();
    RestoreRowLayout(Tree, std::move(byName));
    EXPECT_EQ(B->Name(), "renamed");
    const TWaveRowGroup* bus = AsGroupRow(Tree.FindRowByName("bus"));
    ASSERT_EQ(bus->ChildCount(), 1);
    EXPECT_EQ(bus->Child(0)->Signal(), A);
    EXPECT_NE(Tree.FindRowByName("renamed"), nullptr);
}

TEST_F(RowLayoutSnapshot, AnEmptyTreeStaysEmpty) {
    RestoreRowLayout(Tree, TakeRowLayout(Tree, TRowLayoutKey::Name));
    EXPECT_EQ(Tree.Count(), 0);
    Tree.AddEndOfDisplayRow(Document, &Types);
    RestoreRowLayout(Tree, TakeRowLayout(Tree, TRowLayoutKey::UniqueID));
    EXPECT_EQ(Tree.Count(), 1);
    EXPECT_TRUE(Tree.EndsWithPlaceHolder());
}

TEST_F(RowLayoutSnapshot, ChildRowsOfPlainCompoundRowsFollowTheirSignal) {
    ArrangeRows();
    TRowLayoutList snapshot = TakeRowLayout(Tree, TRowLayoutKey::Name);
    // The reloaded vector of the same name has one element left.
    Tree.Clear();
    TSignalNode& narrow = Vector("/top/v", 0);
    auto* vector = static_cast<TWaveRowCompound*>(Tree.Add(Row<TWaveRowCompound>(narrow)));
    Tree.AddEndOfDisplayRow(Document, &Types);
    RestoreRowLayout(Tree, std::move(snapshot));
    EXPECT_TRUE(vector->Expanded());
    ASSERT_EQ(vector->ChildCount(), 1);
    EXPECT_EQ(vector->Child(0)->Signal(), narrow.Child(0));
    EXPECT_EQ(vector->Child(0)->WaveHeight, 16);
}
