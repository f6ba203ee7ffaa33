#include "view/WaveEditorLayout.h"

using namespace EditorMetrics;

TNameColumns DefaultNameColumns(bool valueColumn) {
    return {{{30, true, ""},
             {116, true, "Name"},
             {120, false, "Formula"},
             {40, valueColumn, "Value"},
             {20, true, ""}}};
}

int32_t NameColumnLeft(const TNameColumns& columns, int k) {
    int32_t left = 0;
    for (int j = 1; j < k; ++j)
        left += columns[static_cast<size_t>(j - 1)].ContributedWidth();
    return left;
}

int32_t NameAreaWidth(const TNameColumns& columns) {
    return NameColumnLeft(columns, 6);
}

TEditorLayout ComputeEditorLayout(int32_t W, int32_t H, int32_t N, int32_t vx, int32_t hy) {
    TEditorLayout l;
    auto set = [&](TEditorChild c, int32_t left, int32_t top, int32_t width, int32_t height) {
        l.Bounds[static_cast<size_t>(c)] = {left, top, width, height};
    };
    using C = TEditorChild;
    constexpr int32_t S = SplitterThickness, B = ScrollBarThickness, T = HeaderHeight;

    // A split that leaves no room collapses; its splitter becomes a grip in the scroll-bar row
    // or column.
    l.VerticalSplit = !(vx < N + 10 || vx > W - 26);
    if (!l.VerticalSplit) {
        vx = N - S;
        set(C::VerticalSplitter, N - S, H - B, S, B);
    } else {
        set(C::VerticalSplitter, vx, 0, S, H);
    }
    l.HorizontalSplit = !(hy < T + 10 || hy > H - 26);
    if (!l.HorizontalSplit) {
        hy = T - S;
        set(C::HorizontalSplitter, W - B, hy, B, S);
    } else {
        set(C::HorizontalSplitter, 0, hy, W, S);
    }
    l.VSpliterPosition = vx;
    l.HSpliterPosition = hy;

    const int32_t lowerTop = hy + S, lowerHeight = H - hy - S - B;
    const int32_t rightLeft = vx + S, leftWidth = vx - N;
    set(C::ColumnHeader, 0, 0, N, T);
    set(C::UpperNamePanel, 0, T, N, hy - T);
    set(C::LowerNamePanel, 0, lowerTop, N, lowerHeight);
    set(C::LeftTimePanel, N, 0, leftWidth, TimePanelHeight);
    set(C::RightTimePanel, rightLeft, 0, W - vx - S, TimePanelHeight);
    set(C::LeftCursorPanel, N, TimePanelHeight, leftWidth, CursorPanelHeight);
    set(C::RightCursorPanel, rightLeft, TimePanelHeight, W - vx - S, CursorPanelHeight);
    set(C::UpperLeftSignalPanel, N, T, leftWidth, hy - T);
    set(C::UpperRightSignalPanel, rightLeft, T, W - vx - S - B, hy - T);
    set(C::LowerLeftSignalPanel, N, lowerTop, leftWidth, lowerHeight);
    set(C::LowerRightSignalPanel, rightLeft, lowerTop, W - vx - S - B, lowerHeight);
    set(C::LeftHorizontalScrollBar, N, H - B, leftWidth, B);
    set(C::RightHorizontalScrollBar, rightLeft, H - B, W - vx - S - B, B);
    set(C::UpperVerticalScrollBar, W - B, T, B, hy - T);
    set(C::LowerVerticalScrollBar, W - B, lowerTop, B, lowerHeight);
    set(C::BottomLeftStatic, 0, H - B, N, B);
    set(C::BottomRightStatic, W - B, H - B, B, B);
    return l;
}
