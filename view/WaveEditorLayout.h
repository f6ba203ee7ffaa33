// Where the editor's panels, splitters and scroll bars go for a given size, name-area width and
// splitter positions. The grid splits at most once each way; a split that does not fit collapses
// its splitter to a grip.
#pragma once

#include "platform/graphics/Canvas.h"

#include <array>
#include <cstdint>
#include <string>

// The five name columns: row number, name, formula, value, spare.
struct TNameColumn {
    int32_t Width;
    bool Visible;
    std::string Caption;
    // What the column takes of the name area.
    int32_t ContributedWidth() const { return Visible ? Width : 0; }
};

using TNameColumns = std::array<TNameColumn, 5>;

TNameColumns DefaultNameColumns(bool valueColumn);
// Left edge of column k (1 to 5).
int32_t NameColumnLeft(const TNameColumns& columns, int k);
int32_t NameAreaWidth(const TNameColumns& columns);

// The children of the editor, in the order the layout places them.
enum class TEditorChild : uint8_t {
    ColumnHeader,
    UpperNamePanel,
    LowerNamePanel,
    LeftTimePanel,
    RightTimePanel,
    LeftCursorPanel,
    RightCursorPanel,
    UpperLeftSignalPanel,
    UpperRightSignalPanel,
    LowerLeftSignalPanel,
    LowerRightSignalPanel,
    LeftHorizontalScrollBar,
    RightHorizontalScrollBar,
    UpperVerticalScrollBar,
    LowerVerticalScrollBar,
    BottomLeftStatic,
    BottomRightStatic,
    VerticalSplitter,
    HorizontalSplitter,
    Count
};

// Bounds as left, top, width and height; a panel of negative width or height is not shown.
struct TBounds {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    bool Visible() const { return Width > 0 && Height > 0; }
    friend bool operator==(const TBounds&, const TBounds&) = default;
};

struct TEditorLayout {
    int32_t VSpliterPosition = 0; // after collapsing a split that does not fit
    int32_t HSpliterPosition = 0;
    bool VerticalSplit = false;
    bool HorizontalSplit = false;
    std::array<TBounds, static_cast<size_t>(TEditorChild::Count)> Bounds;
    const TBounds& operator[](TEditorChild c) const { return Bounds[static_cast<size_t>(c)]; }
};

namespace EditorMetrics {
constexpr int32_t SplitterThickness = 6;
constexpr int32_t TimePanelHeight = 30;
constexpr int32_t CursorPanelHeight = 44;
constexpr int32_t HeaderHeight = TimePanelHeight + CursorPanelHeight;
constexpr int32_t ScrollBarThickness = 16;
} // namespace EditorMetrics

TEditorLayout ComputeEditorLayout(int32_t width, int32_t height, int32_t nameAreaWidth,
                                  int32_t vSpliterPosition, int32_t hSpliterPosition);
