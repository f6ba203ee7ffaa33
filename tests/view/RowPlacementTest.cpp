#include "view/RowPlacement.h"
#include "view/NameColumnEdits.h"
#include "view/PaneCodes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// Places rows of the given heights from a first visible row on.
struct TBand {
    std::vector<int32_t> Heights;
    int32_t First = 0;
    std::vector<TRowExtent> Extents;

    int32_t Place(int32_t clientHeight) {
        Extents.clear();
        TRowBandSource source{[&](int32_t p) -> std::optional<int32_t> {
                                  const size_t i = static_cast<size_t>(First + p);
                                  if (i >= Heights.size())
                                      return std::nullopt;
                                  return Heights[i];
                              },
                              [&](int32_t p, TRowExtent e) {
                                  ASSERT_EQ(static_cast<size_t>(p), Extents.size());
                                  Extents.push_back(e);
                              }};
        return PlaceRows(clientHeight, source);
    }
};
} // namespace

TEST(RowPlacement, RowsStackDownFromTheTopAndCountPartlyVisibleOnes) {
    TBand band{std::vector<int32_t>(20, 18), 0, {}};
    EXPECT_EQ(band.Place(100), 6); // the sixth row shows 10 of its 18 pixels
    EXPECT_EQ(band.Extents[0].Top, 100);
    EXPECT_EQ(band.Extents[0].Bottom, 82);
    EXPECT_EQ(band.Extents[5].Bottom, -8);

    band.First = 18; // two rows left to the end of the list
    EXPECT_EQ(band.Place(100), 2);
    EXPECT_EQ(band.Extents[1].Bottom, 64);

    TBand empty;
    EXPECT_EQ(empty.Place(100), 0);
    TBand damaged{{-50, -50}, 0, {}}; // never loops forever
    EXPECT_EQ(damaged.Place(40), 2);
}

TEST(RowHitTests, RowsColumnsHandlesAndExpandBoxes) {
    const TNameColumns columns = DefaultNameColumns(true); // 30, 116, (120 hidden), 40, 20
    const std::vector<TRowExtent> rows{{100, 82}, {82, 64}, {64, 46}};

    EXPECT_EQ(RowAtWavePoint(rows, 300, {5, 82}), 1); // the top line belongs to the row
    EXPECT_EQ(RowAtWavePoint(rows, 300, {5, 100}), 0);
    EXPECT_EQ(RowAtWavePoint(rows, 300, {5, 101}), -1);
    EXPECT_EQ(RowAtWavePoint(rows, 300, {300, 90}), -1);
    EXPECT_EQ(RowAtWavePoint(rows, 300, {5, 40}), -1);
    EXPECT_EQ(RowAtNamePoint(rows, columns, {205, 90}), 0);
    EXPECT_EQ(RowAtNamePoint(rows, columns, {206, 90}), -1);

    struct TCase {
        TPoint At;
        int32_t Row, Column;
    } cases[] = {
        {{10, 100}, 0, 1}, {{10, 82}, 1, 1},  {{29, 90}, 0, 1},  {{30, 90}, 0, 0},
        {{31, 90}, 0, 2},  {{147, 90}, 0, 4}, {{187, 90}, 0, 5}, {{205, 90}, 0, 5},
        {{206, 90}, 0, 0}, {{10, 46}, -1, 0},
    };
    for (const auto& c : cases) {
        const TRowColumnHit hit = RowAndColumnAt(rows, columns, c.At);
        EXPECT_EQ(hit.Row, c.Row) << c.At.X << "," << c.At.Y;
        EXPECT_EQ(hit.Column, c.Column) << c.At.X << "," << c.At.Y;
    }

    EXPECT_EQ(RowHeightHandleAt(rows, columns, {20, 86}), 0);
    EXPECT_EQ(RowHeightHandleAt(rows, columns, {20, 59}), 1);
    EXPECT_EQ(RowHeightHandleAt(rows, columns, {20, 73}), -1);
    EXPECT_EQ(RowHeightHandleAt(rows, columns, {31, 82}), -1); // outside column 1

    // Depth 1: box from x 30 + 15 + 3 = 48 to 57, y from (64 + 46 - 9) / 2 = 50 to 59.
    EXPECT_TRUE(ExpandBoxHit(columns, 1, rows[2], {48, 50}));
    EXPECT_TRUE(ExpandBoxHit(columns, 1, rows[2], {57, 59}));
    EXPECT_FALSE(ExpandBoxHit(columns, 1, rows[2], {47, 55}));
    EXPECT_FALSE(ExpandBoxHit(columns, 0, rows[2], {48 + 10, 55}));
    EXPECT_FALSE(ExpandBoxHit(columns, 1, rows[2], {50, 60}));
}

TEST(NameColumnEdits, BoundaryDragsKeepTheLeftWavePanelsInPlace) {
    TNameColumns columns = DefaultNameColumns(true);
    EXPECT_EQ(ColumnBoundaryAt(columns, 146), 2);
    EXPECT_EQ(ColumnBoundaryAt(columns, 141), 2);
    EXPECT_EQ(ColumnBoundaryAt(columns, 140), 0);
    EXPECT_EQ(ColumnBoundaryAt(columns, 184), 4);
    EXPECT_EQ(ColumnBoundaryAt(columns, 30), 0); // column 1 is not resized

    EXPECT_EQ(ResizeColumn(columns, 2, 146, 116), -30); // shrinks: splitter follows left
    EXPECT_EQ(columns[1].Width, 86);
    EXPECT_EQ(ResizeColumn(columns, 2, 116, 150), 0); // widens: splitter stays
    EXPECT_EQ(columns[1].Width, 120);
    EXPECT_EQ(ResizeColumn(columns, 2, 150, 0), -105); // never below 15
    EXPECT_EQ(columns[1].Width, 15);

    EXPECT_EQ(ClampColumnDrag(columns, 2, 0, 800), 40);
    EXPECT_EQ(ClampColumnDrag(columns, 2, 790, 800), 750);
}

TEST(NameColumnEdits, ValueColumnFollowsThePreference) {
    TNameColumns columns = DefaultNameColumns(true);
    EXPECT_EQ(ApplyValueColumnPreference(columns, true), 0);
    EXPECT_EQ(ApplyValueColumnPreference(columns, false), -40);
    EXPECT_FALSE(columns[3].Visible);
    EXPECT_EQ(ApplyValueColumnPreference(columns, true), 40);
    EXPECT_TRUE(columns[3].Visible);
}

TEST(PaneCodes, LookupsByCode) {
    struct TCase {
        uint8_t Code;
        bool RightTime, LowerName;
        uint8_t Signal;
        bool LeftScroll, UpperScroll;
    } cases[] = {
        {0, false, false, 4, true, false},  {1, false, false, 4, false, true},
        {2, true, false, 7, false, false},  {3, false, true, 7, false, false},
        {4, false, false, 4, true, true},   {5, true, false, 5, false, true},
        {6, false, true, 6, true, false},   {7, true, true, 7, false, false},
        {8, false, false, 4, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UsesRightTimePanel(c.Code), c.RightTime) << int(c.Code);
        EXPECT_EQ(UsesLowerNamePanel(c.Code), c.LowerName) << int(c.Code);
        EXPECT_EQ(SignalPanelCodeOf(c.Code), c.Signal) << int(c.Code);
        EXPECT_EQ(ScrollsLeftTimeColumn(c.Code), c.LeftScroll) << int(c.Code);
        EXPECT_EQ(ScrollsUpperRowBand(c.Code), c.UpperScroll) << int(c.Code);
    }
}
