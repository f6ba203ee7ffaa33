#include "SignalTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A document that counts what the signals ask of its editor.
class TCountingDocument : public TSignalDocument {
public:
    void RefreshRows() override { ++Refreshes; }
    int Refreshes = 0;
};

class CompoundSignals : public ::testing::Test {
protected:
    TSignalTestBench Bench;

    // A two-bit std_logic_vector signal whose bits get the given events.
    std::unique_ptr<TSignalNode> Pair(const std::vector<std::pair<TSimTime, char>>& high,
                                      const std::vector<std::pair<TSimTime, char>>& low) {
        auto pair = Bench.Create("std_logic_vector", "p", 1, 0);
        for (const auto& [time, letter] : high)
            pair->Child(0)->SetValueAt(0, Logic(letter), time);
        for (const auto& [time, letter] : low)
            pair->Child(1)->SetValueAt(0, Logic(letter), time);
        return pair;
    }

    std::string Text(const TSignalNode& signal, const TValue& value) {
        TRowFormat format;
        format.Radix = TWaveRadix::Binary;
        return signal.DataType()->FormatValue(value, format);
    }
};

} // namespace

TEST_F(CompoundSignals, BuiltEventsTakeTheLatestChildTime) {
    auto pair = Pair({{10, '1'}}, {{25, '0'}, {40, '1'}});
    const std::optional<TBuiltEvent> event = pair->EventAt(30);
    ASSERT_TRUE(event);
    EXPECT_EQ(event->Time, 25);
    EXPECT_EQ(Text(*pair, event->Value), "10");
    EXPECT_FALSE(event->Value.Compound().Empty);
    EXPECT_EQ(pair->EventAt(5)->Time, 0);
    EXPECT_EQ(pair->EndTime(), 40);

    TSimpleValue empty = Logic('1');
    empty.Empty = true;
    pair->Child(1)->SetValueAt(0, empty, 50);
    EXPECT_TRUE(pair->EventAt(60)->Value.Compound().Empty);
    EXPECT_FALSE(pair->IsEmptyAt(60)); // the first child decides
}

TEST_F(CompoundSignals, CursorsWalkEveryChange) {
    auto pair = Pair({{10, '1'}, {30, '0'}}, {{20, '1'}, {30, '1'}});
    auto cursor = pair->CursorAt(0);
    TValue value;
    pair->ValueAtCursor(*cursor, value);
    const TCompoundValue* reused = &value.Compound();
    std::vector<std::string> walk{"0:" + Text(*pair, value)};
    for (TSimTime t = pair->NextChange(*cursor); t != NoFurtherChange;
         t = pair->NextChange(*cursor)) {
        pair->AdvanceAndValue(*cursor, value, t);
        walk.push_back(std::to_string(t) + ":" + Text(*pair, value));
    }
    EXPECT_EQ(walk, (std::vector<std::string>{"0:UU", "10:1U", "20:11", "30:01"}));
    EXPECT_EQ(&value.Compound(), reused); // refilled in place
    EXPECT_EQ(pair->PreviousChange(*cursor, 35), 30);
    EXPECT_EQ(pair->PreviousChange(*cursor, 30), 20);

    // A reused value is Empty only while one of its current elements is.
    TSimpleValue empty = Logic('0');
    empty.Empty = true;
    pair->Child(0)->SetValueAt(0, empty, 40);
    pair->Child(0)->SetValueAt(0, Logic('1'), 50);
    auto again = pair->CursorAt(45);
    pair->ValueAtCursor(*again, value);
    EXPECT_TRUE(value.Compound().Empty);
    pair->AdvanceAndValue(*again, value, 55);
    EXPECT_FALSE(value.Compound().Empty);
    EXPECT_EQ(Text(*pair, value), "11");
}

TEST_F(CompoundSignals, SettingCompoundValues) {
    auto pair = Pair({}, {});
    TValue value = pair->NewValue(false, 0);
    value.Compound().Elements[0].Simple() = Logic('1');
    value.Compound().Elements[1].Simple() = Logic('0');
    pair->SetValueAt(0, value, 15);
    EXPECT_EQ(Text(*pair, pair->ValueAt(15)), "10");
    EXPECT_EQ(Text(*pair, pair->ValueAt(14)), "UU");

    // A null pointer empties the designated value.
    Bench.Types.AddFromDescription("2$1$n$integer$", "node", -1);
    Bench.Types.AddFromDescription("15$node$", "link", -1);
    auto link = Bench.Create("link", "l");
    TValue pointed = link->NewValue(false, 0);
    pointed.Compound().Elements[0].Simple().Ordinal = 3;
    link->SetValueAt(0, pointed, 10);
    EXPECT_FALSE(link->Child(1)->IsEmptyAt(10));
    TValue null = link->NewValue(false, 0);
    link->SetValueAt(0, null, 20);
    EXPECT_TRUE(link->Child(1)->IsEmptyAt(20));
    TRowFormat format;
    EXPECT_EQ(link->DataType()->FormatValue(link->ValueAt(25), format), "{NULL}");
    EXPECT_EQ(link->DataType()->FormatValue(link->ValueAt(15), format), "{3, {0}}");
}

TEST_F(CompoundSignals, Comparisons) {
    TCompareWaveType type(&Bench.Types);
    type.MemberTypes() = {&Bench.Type("std_logic"), &Bench.Type("std_logic")};
    auto a = Bench.LogicSignal({{0, '0'}, {10, '1'}, {20, '0'}, {30, '1'}}, "a");
    auto b = Bench.LogicSignal({{0, '0'}, {10, '1'}, {25, '0'}, {30, '1'}}, "b");
    auto same = Bench.LogicSignal({{0, '0'}, {10, '1'}, {20, '0'}, {30, '1'}}, "c");

    TSignalCompare identical(&Bench.Document);
    identical.SetDataType(&type);
    identical.AppendMember(*a);
    identical.AppendMember(*same);
    EXPECT_EQ(identical.EndTime(), 0);
    EXPECT_EQ(identical.NextChange(*identical.CursorAt(0)), NoFurtherChange);
    TRowFormat format;
    for (TSimTime t : {0, 15, 35})
        EXPECT_EQ(type.FormatValue(identical.ValueAt(t), format), "match");
    EXPECT_EQ(a->Parent(), nullptr); // members stay their owners'

    TSignalCompare differing(&Bench.Document);
    differing.SetDataType(&type);
    differing.AppendMember(*a);
    differing.AppendMember(*b);
    EXPECT_EQ(type.FormatValue(differing.ValueAt(22), format), "diff");
    auto cursor = differing.CursorAt(0);
    EXPECT_EQ(differing.NextChange(*cursor), 20);
    differing.AdvanceCursor(*cursor, 20);
    EXPECT_EQ(differing.NextChange(*cursor), 25);
    EXPECT_EQ(differing.PreviousChange(*cursor, 22), 20);
    EXPECT_EQ(differing.PreviousChange(*cursor, 28), 25);
    EXPECT_EQ(differing.PreviousChange(*cursor, 15), 0); // equal from the start until 20
    EXPECT_EQ(differing.EndTime(), 25);

    std::unique_ptr<TSignalNode> clone = differing.Clone(&Bench.Document);
    EXPECT_NE(dynamic_cast<TSignalCompare*>(clone.get()), nullptr);
    EXPECT_EQ(clone->ChildCount(), 2);
    EXPECT_EQ(clone->Child(0)->Parent(), clone.get()); // the clone owns its copies
}

TEST_F(CompoundSignals, AccessArrays) {
    TCountingDocument document;
    Bench.Types.AddFromDescription("15$std_logic_vector$", "vectors", -1);
    auto access = CreateSignalForType(Bench.Type("vectors"), &document, nullptr, 0, 0);
    auto& array = static_cast<TSignalAccessArray&>(*access->Child(1));
    EXPECT_EQ(array.FullName(), access->Name() + ".value");
    EXPECT_TRUE(array.IsEmptyAt(0));
    EXPECT_EQ(array.NewValue(false, 0).Compound().Elements.size(), 0u);

    ASSERT_EQ(array.SetArrayBounds(10, 3, 0), S_OK);
    ASSERT_EQ(array.ChildCount(), 1);
    TSignalNode& narrow = *array.Child(0);
    EXPECT_EQ(narrow.Name(), "(3 downto 0)");
    EXPECT_EQ(narrow.ChildCount(), 4);
    EXPECT_EQ(array.ActiveAt(5), nullptr);
    EXPECT_EQ(array.ActiveAt(10), &narrow);
    EXPECT_EQ(document.Refreshes, 1);
    EXPECT_TRUE(document.Modified());

    array.SetArrayBounds(20, 0, 7);
    ASSERT_EQ(array.ChildCount(), 2);
    TSignalNode& wide = *array.Child(1);
    EXPECT_EQ(wide.Name(), "(0 to 7)");
    EXPECT_EQ(array.ActiveAt(15), &narrow);
    EXPECT_EQ(array.ActiveAt(20), &wide);
    EXPECT_TRUE(narrow.IsEmptyAt(20));
    array.SetArrayBounds(20, 0, 7); // already active: nothing happens
    EXPECT_EQ(array.ChildCount(), 2);

    array.SetArrayBounds(30, 3, 0); // an existing incarnation comes back
    EXPECT_EQ(array.ChildCount(), 2);
    EXPECT_EQ(array.ActiveAt(30), &narrow);
    EXPECT_TRUE(wide.IsEmptyAt(30));
    EXPECT_EQ(array.NewValue(false, 30).Compound().Elements.size(), 4u);

    // Values set on the array reach the active incarnation.
    TValue value = array.NewValue(false, 35);
    value.Compound().Elements[0].Simple() = Logic('1');
    array.SetValueAt(0, value, 35);
    TRowFormat binary;
    binary.Radix = TWaveRadix::Binary;
    EXPECT_EQ(array.DataType()->FormatValue(array.ValueAt(36), binary), "1UUU");

    array.SetNull(40);
    EXPECT_EQ(array.ActiveAt(40), nullptr);
    const std::optional<TBuiltEvent> none = array.EventAt(45);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->Value.Compound().Empty);
    EXPECT_EQ(none->Value.Compound().Elements.size(), 0u);
    EXPECT_EQ(none->Time, 40);

    // Walking with a cursor follows the active incarnation.
    auto cursor = array.CursorAt(0);
    std::vector<std::string> walk;
    TValue shown;
    for (TSimTime t : {5, 12, 22, 36, 45}) {
        array.AdvanceAndValue(*cursor, shown, t);
        walk.push_back(array.DataType()->FormatValue(shown, binary));
    }
    EXPECT_EQ(walk, (std::vector<std::string>{"", "UUUU", "UUUUUUUU", "1UUU", ""}));
}
