#include "model/signals/WaveUniqueIDMaster.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

TEST(UniqueIDMaster, NewAllocatorHandsOutFromBothEnds) {
    TUniqueIDMaster ids;
    EXPECT_EQ(ids.AllocateLow(), 100);
    EXPECT_EQ(ids.AllocateLow(), 101);
    EXPECT_EQ(ids.AllocateHigh(), 2147483647);
    EXPECT_EQ(ids.AllocateHigh(), 2147483646);
    EXPECT_EQ(ids.Count(), 4);
}

TEST(UniqueIDMaster, ReserveRegistersOnce) {
    TUniqueIDMaster ids;
    EXPECT_TRUE(ids.Reserve(100));
    EXPECT_EQ(ids.AllocateLow(), 101);
    EXPECT_FALSE(ids.Reserve(100));
    EXPECT_FALSE(ids.Reserve(101));
}

TEST(UniqueIDMaster, AllocateLowFillsGaps) {
    TUniqueIDMaster ids;
    ids.Reserve(100);
    ids.Reserve(101);
    ids.Reserve(103);
    EXPECT_EQ(ids.AllocateLow(), 102);
    EXPECT_EQ(ids.AllocateLow(), 104);
}

TEST(UniqueIDMaster, IdentifiersBelowTheRangeDoNotMatter) {
    TUniqueIDMaster ids;
    EXPECT_TRUE(ids.Reserve(5));
    EXPECT_TRUE(ids.Reserve(-7));
    EXPECT_EQ(ids.AllocateLow(), 100);
}

TEST(UniqueIDMaster, HighAllocationSkipsReserved) {
    TUniqueIDMaster ids;
    ids.Reserve(2147483647);
    ids.Reserve(2147483645);
    EXPECT_EQ(ids.AllocateHigh(), 2147483646);
    EXPECT_EQ(ids.AllocateHigh(), 2147483644);
}

TEST(UniqueIDMaster, ReservedIdentifiersKeepTheirPositionsWhenAllocationPassesThem) {
    TUniqueIDMaster ids;
    ids.Reserve(102);
    ids.Reserve(2147483646);
    EXPECT_EQ(ids.AllocateLow(), 100);
    EXPECT_EQ(ids.AllocateLow(), 101);
    EXPECT_EQ(ids.AllocateLow(), 103);
    EXPECT_EQ(ids.AllocateHigh(), 2147483647);
    EXPECT_EQ(ids.AllocateHigh(), 2147483645);
    EXPECT_EQ(ids.IndexOf(102), 0);
    EXPECT_EQ(ids.IndexOf(2147483646), 1);
    EXPECT_EQ(ids.IndexOf(103), 4);
    EXPECT_FALSE(ids.Reserve(102));
    EXPECT_EQ(ids.Items(),
              (std::vector<int32_t>{102, 2147483646, 100, 101, 103, 2147483647, 2147483645}));
}

TEST(UniqueIDMaster, IndexOfFollowsRegistrationOrder) {
    TUniqueIDMaster ids;
    ids.Reserve(7);
    ids.AllocateHigh();
    ids.AllocateLow();
    EXPECT_EQ(ids.IndexOf(7), 0);
    EXPECT_EQ(ids.IndexOf(2147483647), 1);
    EXPECT_EQ(ids.IndexOf(100), 2);
    EXPECT_EQ(ids.IndexOf(101), -1);
}

TEST(UniqueIDMaster, ClearFreesEverything) {
    TUniqueIDMaster ids;
    ids.AllocateLow();
    ids.AllocateHigh();
    ids.Reserve(3);
    ids.Clear();
    EXPECT_EQ(ids.Count(), 0);
    EXPECT_EQ(ids.IndexOf(3), -1);
    EXPECT_TRUE(ids.Reserve(3));
    EXPECT_EQ(ids.AllocateLow(), 100);
    EXPECT_EQ(ids.AllocateHigh(), 2147483647);
}

TEST(UniqueIDMaster, TheSeparatorIsOnlyRegisteredByReservation) {
    TUniqueIDMaster ids;
    EXPECT_TRUE(ids.Reserve(1073741822));
    EXPECT_TRUE(ids.Reserve(1073741824));
    EXPECT_EQ(ids.AllocateLow(), 100);
    EXPECT_EQ(ids.AllocateHigh(), 2147483647);
    EXPECT_FALSE(ids.Contains(1073741823));
    EXPECT_TRUE(ids.Reserve(1073741823));
}

// The allocator answers exactly as a linear probe over the registered set would.
TEST(UniqueIDMaster, MatchesTheProbingRuleOnRandomInput) {
    std::mt19937 random(1234);
    TUniqueIDMaster ids;
    std::set<int32_t> model;
    auto lowest = [&] {
        int32_t candidate = 100;
        while (model.contains(candidate))
            ++candidate;
        return candidate;
    };
    auto highest = [&] {
        int32_t candidate = 2147483647;
        while (model.contains(candidate))
            --candidate;
        return candidate;
    };
    std::uniform_int_distribution<int32_t> low(90, 400);
    std::uniform_int_distribution<int32_t> high(2147483647 - 300, 2147483647);
    for (int step = 0; step < 5000; ++step) {
        switch (step % 4) {
        case 0: {
            const int32_t id = low(random);
            EXPECT_EQ(ids.Reserve(id), model.insert(id).second);
            break;
        }
        case 1: {
            const int32_t id = high(random);
            EXPECT_EQ(ids.Reserve(id), model.insert(id).second);
            break;
        }
        case 2: {
            const int32_t expected = lowest();
            model.insert(expected);
            ASSERT_EQ(ids.AllocateLow(), expected);
            break;
        }
        default: {
            const int32_t expected = highest();
            model.insert(expected);
            ASSERT_EQ(ids.AllocateHigh(), expected);
            break;
        }
        }
    }
    EXPECT_EQ(ids.Count(), static_cast<int32_t>(model.size()));
    for (int32_t id : model) {
        const int32_t position = ids.IndexOf(id);
        ASSERT_GE(position, 0) << id;
        EXPECT_EQ(ids.Items()[static_cast<size_t>(position)], id);
        EXPECT_FALSE(ids.Reserve(id));
    }
    for (int32_t id = 90; id < 420; ++id)
        EXPECT_EQ(ids.Contains(id), model.contains(id)) << id;
}
