// Where rows sit in a row band and which row, column or handle lies under a point. Coordinates
// are logical: y grows upward from the panel's bottom edge, the first visible row's top is the
// panel's client height.
#pragma once

#include "view/WaveEditorLayout.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

// A row's vertical extent in one band.
struct TRowExtent {
    int32_t Top = 0;
    int32_t Bottom = 0;
};

// The rows of a band from its first visible row on, for placing them.
struct TRowBandSource {
    // The height of the row at a visible position (first visible row + position); nothing
    // when there is no row there.
    std::function<std::optional<int32_t>(int32_t position)> HeightAt;
    // Records the extent placed for the row at a visible position.
    std::function<void(int32_t position, TRowExtent extent)> Place;
};

// Stacks rows downward from the client height while y stays at or above 0; where rows run out
// the walk steps down by 22 pixels. Answers the visible-row count (a partly visible last row
// counts).
int32_t PlaceRows(int32_t clientHeight, const TRowBandSource& rows);

// Hit tests over the extents of the visible rows, position 0 first. -1 when no row is hit.
// A row owns y from above its bottom up to its top.
// A waveform panel: x from 0 to the panel's width.
int32_t RowAtWavePoint(std::span<const TRowExtent> rows, int32_t panelWidth, TPoint point);
// A name panel: the rectangle of name columns 1 to 5.
int32_t RowAtNamePoint(std::span<const TRowExtent> rows, const TNameColumns& columns, TPoint point);

struct TRowColumnHit {
    int32_t Row = -1;   // visible position
    int32_t Column = 0; // 1 to 5, 0 when none
};
// The row under the point; in it the first shown column j with
// left(j) < x <= left(j) + width(j) - 1.
TRowColumnHit RowAndColumnAt(std::span<const TRowExtent> rows, const TNameColumns& columns,
                             TPoint point);
// The row whose bottom edge (the drag handle of its height) lies within 5 pixels of y, when the
// point lies in column 1.
int32_t RowHeightHandleAt(std::span<const TRowExtent> rows, const TNameColumns& columns,
                          TPoint point);
// Whether the point hits the expand box of a row of the given depth (number of ancestors).
bool ExpandBoxHit(const TNameColumns& columns, int32_t depth, TRowExtent row, TPoint point);
