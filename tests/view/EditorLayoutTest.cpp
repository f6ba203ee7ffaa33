#include "view/WaveEditorLayout.h"

#include <gtest/gtest.h>

using C = TEditorChild;

TEST(NameColumns, DefaultsAndEdges) {
    TNameColumns columns = DefaultNameColumns(true);
    EXPECT_EQ(NameAreaWidth(columns), 30 + 116 + 40 + 20); // formula hidden
    EXPECT_EQ(NameColumnLeft(columns, 1), 0);
    EXPECT_EQ(NameColumnLeft(columns, 2), 30);
    EXPECT_EQ(NameColumnLeft(columns, 4), 146);
    EXPECT_EQ(NameColumnLeft(columns, 5), 186);
    EXPECT_EQ(NameAreaWidth(DefaultNameColumns(false)), 166);
    EXPECT_EQ(columns[1].Caption, "Name");
}

struct TLayoutCase {
    int32_t W, H, N, Vx, Hy;
    int32_t ExpectVx, ExpectHy;
    bool VSplit, HSplit;
    TBounds LowerRight, UpperLeft, LowerName, VSplitter, HSplitter;
};

TEST(EditorLayout, SplitAndUnsplitBounds) {
    // clang-format off
    const TLayoutCase cases[] = {
        // No split: one waveform panel from x 206 to 844, rows from y 74 to H - 16.
        {860, 400, 206, 0, 0, 200, 68, false, false, {206, 74, 638, 310}, {206, 74, -6, -6}, {0, 74, 206, 310}, {200, 384, 6, 16}, {844, 68, 16, 6}},
        // Both splits.
        {860, 400, 206, 500, 200, 500, 200, true, true, {506, 206, 338, 178}, {206, 74, 294, 126}, {0, 206, 206, 178}, {500, 0, 6, 400}, {0, 200, 860, 6}},
        // Horizontal grip dragged down by 40: an upper band of 34 pixels.
        {860, 400, 206, 0, 108, 200, 108, false, true, {206, 114, 638, 270}, {206, 74, -6, 34}, {0, 114, 206, 270}, {200, 384, 6, 16}, {0, 108, 860, 6}},
        // Limits: Hy below 84 or above H - 26, Vx below N + 10 or above W - 26.
        {860, 400, 206, 215, 83, 200, 68, false, false, {206, 74, 638, 310}, {206, 74, -6, -6}, {0, 74, 206, 310}, {200, 384, 6, 16}, {844, 68, 16, 6}},
        {860, 400, 206, 834, 374, 834, 374, true, true, {840, 380, 4, 4}, {206, 74, 628, 300}, {0, 380, 206, 4}, {834, 0, 6, 400}, {0, 374, 860, 6}},
        {860, 400, 206, 835, 375, 200, 68, false, false, {206, 74, 638, 310}, {206, 74, -6, -6}, {0, 74, 206, 310}, {200, 384, 6, 16}, {844, 68, 16, 6}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Vx " << c.Vx << " Hy " << c.Hy);
        const TEditorLayout l = ComputeEditorLayout(c.W, c.H, c.N, c.Vx, c.Hy);
        EXPECT_EQ(l.VSpliterPosition, c.ExpectVx);
        EXPECT_EQ(l.HSpliterPosition, c.ExpectHy);
        EXPECT_EQ(l.VerticalSplit, c.VSplit);
        EXPECT_EQ(l.HorizontalSplit, c.HSplit);
        EXPECT_EQ(l[C::LowerRightSignalPanel], c.LowerRight);
        EXPECT_EQ(l[C::UpperLeftSignalPanel], c.UpperLeft);
        EXPECT_EQ(l[C::LowerNamePanel], c.LowerName);
        EXPECT_EQ(l[C::VerticalSplitter], c.VSplitter);
        EXPECT_EQ(l[C::HorizontalSplitter], c.HSplitter);
    }
}

TEST(EditorLayout, FixedChildrenAndWhatVanishes) {
    const TEditorLayout l = ComputeEditorLayout(860, 400, 206, 0, 0);
    EXPECT_EQ(l[C::ColumnHeader], (TBounds{0, 0, 206, 74}));
    EXPECT_EQ(l[C::RightTimePanel], (TBounds{206, 0, 654, 30})); // over the scroll-bar column
    EXPECT_EQ(l[C::RightCursorPanel], (TBounds{206, 30, 654, 44}));
    EXPECT_EQ(l[C::RightHorizontalScrollBar], (TBounds{206, 384, 638, 16}));
    EXPECT_EQ(l[C::LowerVerticalScrollBar], (TBounds{844, 74, 16, 310}));
    EXPECT_EQ(l[C::BottomLeftStatic], (TBounds{0, 384, 206, 16}));
    EXPECT_EQ(l[C::BottomRightStatic], (TBounds{844, 384, 16, 16}));
    for (C hidden : {C::LeftTimePanel, C::LeftCursorPanel, C::UpperLeftSignalPanel,
                     C::UpperRightSignalPanel, C::LowerLeftSignalPanel, C::UpperNamePanel,
                     C::LeftHorizontalScrollBar, C::UpperVerticalScrollBar})
        EXPECT_FALSE(l[hidden].Visible()) << static_cast<int>(hidden);
}
