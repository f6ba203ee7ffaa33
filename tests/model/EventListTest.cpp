#include "EventListModel.h"
#include "SignalTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class EventList : public ::testing::Test {
protected:
    TSignalTestBench Bench;
};

// The signal (0, 0), (10, 1), (20, 0) of the worked examples.
std::unique_ptr<TSignalSimple> Example(TSignalTestBench& bench) {
    return bench.LogicSignal({{0, '0'}, {10, '1'}, {20, '0'}});
}

} // namespace

TEST_F(EventList, SetValueAtCases) {
    struct TCase {
        std::vector<std::pair<TSimTime, char>> Start;
        std::vector<std::pair<TSimTime, char>> Sets; // applied in order
        const char* Expected;
    };
    const std::vector<std::pair<TSimTime, char>> example = {{0, '0'}, {10, '1'}, {20, '0'}};
    const TCase cases[] = {
        // On an existing time: the last event merges into the one before, then the middle one.
        {example, {{20, '1'}}, "0:0 10:1"},
        {example, {{20, '1'}, {10, '0'}}, "0:0"},
        {example, {{20, 'X'}}, "0:0 10:1 20:X"},
        {example, {{20, '0'}}, "0:0 10:1 20:0"},
        // Middle event: equal to both neighbours removes it and the next.
        {example, {{10, '0'}}, "0:0"},
        {{{0, '0'}, {10, '1'}, {20, '0'}, {30, '1'}}, {{10, '0'}}, "0:0 30:1"},
        {{{0, '0'}, {10, '1'}, {20, 'X'}}, {{10, 'X'}}, "0:0 10:X"},
        {example, {{10, 'Z'}}, "0:0 10:Z 20:0"},
        // Between events.
        {example, {{15, '1'}}, "0:0 10:1 20:0"},
        {example, {{15, '0'}}, "0:0 10:1 15:0"},
        {example, {{5, '1'}}, "0:0 5:1 20:0"},
        {example, {{15, 'X'}}, "0:0 10:1 15:X 20:0"},
        // At the start, before it and after the end.
        {{{0, '0'}, {10, '1'}}, {{0, '1'}}, "0:1"},
        {example, {{0, 'X'}}, "0:X 10:1 20:0"},
        {example, {{-5, '1'}}, "0:0 10:1 20:0"},
        {example, {{25, '0'}}, "0:0 10:1 20:0"},
        {example, {{25, 'H'}}, "0:0 10:1 20:0 25:H"},
        // An empty list takes the value as its first event.
        {{}, {{7, '1'}}, "7:1"},
    };
    for (const TCase& c : cases) {
        auto signal = Bench.LogicSignal(c.Start);
        for (const auto& [time, letter] : c.Sets)
            signal->SetValueAt(0, Logic(letter), time);
        EXPECT_EQ(EventsText(*signal), c.Expected) << c.Sets.front().first;
    }
}

TEST_F(EventList, SetValueAtComparesTheEmptyFlag) {
    auto signal = Example(Bench);
    TSimpleValue emptyZero = Logic('0');
    emptyZero.Empty = true;
    signal->SetValueAt(0, emptyZero, 15);
    EXPECT_EQ(EventsText(*signal), "0:0 10:1 15:0-E 20:0");
    EXPECT_TRUE(signal->IsEmptyAt(17));
    EXPECT_FALSE(signal->IsEmptyAt(20));
}

TEST_F(EventList, MovedEventsKeepTheirTags) {
    auto signal = Bench.LogicSignal({{0, '0'}});
    signal->AppendEvent(7, Logic('1'), 10);
    signal->AppendEvent(8, Logic('0'), 20);
    signal->SetValueAt(3, Logic('0'), 15); // the event at 20 moves to 15 with the new tag
    signal->SetValueAt(4, Logic('1'), 10); // nothing changes
    EXPECT_EQ(EventsText(*signal), "0:0 10:1 15:0");
    EXPECT_EQ(signal->Events()[1].Tag, 7);
    EXPECT_EQ(signal->Events()[2].Tag, 3);
}

TEST_F(EventList, SearchesAndQueries) {
    auto signal = Example(Bench);
    EXPECT_EQ(signal->EventIndexAt(15), 1);
    EXPECT_EQ(signal->EventIndexAt(20), 2);
    EXPECT_EQ(signal->EventIndexAt(-1), 0);
    EXPECT_EQ(signal->EventIndexAt(1000), 2);
    const auto found = signal->FindEvent(10);
    EXPECT_TRUE(found.Found);
    EXPECT_EQ(found.Index, 1);
    EXPECT_FALSE(signal->FindEvent(11).Found);
    EXPECT_EQ(signal->FindEvent(11).Index, 2);
    EXPECT_EQ(signal->FindEvent(25).Index, 3);
    EXPECT_EQ(signal->FindEvent(-3).Index, 0);
    EXPECT_EQ(signal->EventAtOrAfter(11)->Time(), 20);
    EXPECT_EQ(signal->EventAtOrAfter(21), nullptr);
    EXPECT_EQ(signal->EventInForce(19)->Time(), 10);
    EXPECT_EQ(signal->EndTime(), 20);

    const std::optional<TBuiltEvent> event = signal->EventAt(12);
    ASSERT_TRUE(event);
    EXPECT_EQ(event->Time, 10);
    EXPECT_EQ(event->Value.Simple().Ordinal, Logic('1').Ordinal);

    TSignalSimple empty(&Bench.Document);
    EXPECT_FALSE(empty.EventAt(0));
    EXPECT_EQ(empty.EventInForce(0), nullptr);
    EXPECT_EQ(empty.EndTime(), 0);
    EXPECT_TRUE(empty.IsEmptyAt(0));
}

TEST_F(EventList, DeletingEvents) {
    auto signal = Example(Bench);
    signal->DeleteEventAt(0);
    signal->DeleteEventAt(3);
    signal->DeleteEventAt(-1);
    EXPECT_EQ(EventsText(*signal), "0:0 10:1 20:0");
    signal->DeleteEventAt(1); // (20, 0) now repeats (0, 0) and goes too
    EXPECT_EQ(EventsText(*signal), "0:0");

    auto other = Bench.LogicSignal({{0, '0'}, {10, '1'}, {20, 'X'}, {30, '1'}});
    other->DeleteEventsIn(10, 20);
    EXPECT_EQ(EventsText(*other), "0:0 20:X 30:1");
    other->DeleteEventsIn(20, 30); // the event at 30 would repeat nothing: it stays
    EXPECT_EQ(EventsText(*other), "0:0 30:1");
    other->DeleteEventsIn(30, 30);
    EXPECT_EQ(EventsText(*other), "0:0 30:1");

    auto merged = Bench.LogicSignal({{0, '1'}, {10, '0'}, {20, '1'}, {30, '0'}});
    merged->DeleteEventsIn(10, 20); // (20, 1) would repeat (0, 1)
    EXPECT_EQ(EventsText(*merged), "0:1 30:0");
}

TEST_F(EventList, AppendAndSortEvents) {
    auto signal = Bench.LogicSignal({{0, 'U'}, {0, '0'}, {10, '1'}, {10, 'X'}});
    EXPECT_EQ(EventsText(*signal), "0:0 10:X"); // same time replaces the last event

    // Out of order, with an event before the first one and two events of one time.
    auto unsorted = Bench.LogicSignal(
        {{10, '1'}, {30, '0'}, {20, '1'}, {5, 'X'}, {30, 'Z'}, {20, '0'}, {40, 'Z'}});
    unsorted->SortEvents();
    EXPECT_EQ(EventsText(*unsorted), "5:X 10:1 20:0 30:Z");

    // A list already in order is left as it is.
    auto ordered = Bench.LogicSignal({{0, '1'}, {10, '1'}});
    ordered->SortEvents();
    EXPECT_EQ(EventsText(*ordered), "0:1 10:1");
}

TEST_F(EventList, NextAndPreviousChange) {
    auto signal = Example(Bench);
    auto cursor = signal->CursorAt(0);
    EXPECT_EQ(signal->NextChange(*cursor), 10);
    EXPECT_EQ(signal->PreviousChange(*cursor, 5), 0);
    signal->AdvanceCursor(*cursor, 15);
    EXPECT_EQ(signal->NextChange(*cursor), 20);
    EXPECT_EQ(signal->PreviousChange(*cursor, 15), 10);
    EXPECT_EQ(signal->PreviousChange(*cursor, 10), 0);
    signal->AdvanceCursor(*cursor, 5); // never backward
    EXPECT_EQ(signal->NextChange(*cursor), 20);
    signal->AdvanceCursor(*cursor, 20);
    EXPECT_EQ(signal->NextChange(*cursor), NoFurtherChange);
    EXPECT_EQ(NoFurtherChange, 9223372036854775807);
    TValue value;
    signal->AdvanceAndValue(*cursor, value, 100);
    EXPECT_EQ(value.Simple().Ordinal, Logic('0').Ordinal);
}

TEST_F(EventList, CursorsJumpFarAndStepOne) {
    auto signal = Bench.LogicSignal({{0, '0'}});
    for (TSimTime t = 1; t <= 1000; ++t)
        signal->AppendEvent(0, Logic(t % 2 ? '1' : '0'), t * 10);
    auto cursor = signal->CursorAt(0);
    for (TSimTime t : {0, 9, 10, 11, 4999, 5000, 9990, 10000, 20000}) {
        signal->AdvanceCursor(*cursor, t);
        EXPECT_EQ(static_cast<TIndexSimple&>(*cursor).Index, signal->EventIndexAt(t)) << t;
    }
}

// Random edits against a model that keeps the value at every time of a window.
TEST_F(EventList, RandomEditsKeepTheRulesAndTheValues) {
    std::mt19937 random(20261211);
    auto pick = [&](int below) {
        return static_cast<int>(random() % static_cast<unsigned>(below));
    };
    constexpr int Window = static_cast<int>(TEventListModel::Window);
    for (int round = 0; round < 200; ++round) {
        auto signal = Bench.LogicSignal({{0, '0'}});
        TEventListModel model(*signal);
        for (int step = 0; step < 60; ++step) {
            const int op = pick(10);
            std::string what;
            if (op < 7) {
                const TSimTime time = pick(Window + 3) - 3;
                what = "SetValueAt " + std::to_string(time);
                model.SetValueAt(time, pick(TEventListModel::PaletteSize));
            } else if (op < 9) {
                const int32_t index = pick(model.ChangeCount() + 1);
                what = "DeleteEventAt " + std::to_string(index);
                model.DeleteEventAt(index);
            } else {
                const TSimTime start = 1 + pick(Window - 1);
                const TSimTime end = start + pick(12);
                what = "DeleteEventsIn " + std::to_string(start) + " " + std::to_string(end);
                model.DeleteEventsIn(start, end);
            }
            ASSERT_EQ(model.Mismatch(), "") << what << " -> " << EventsText(*signal);
        }
    }
}
