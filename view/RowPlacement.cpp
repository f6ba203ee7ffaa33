#include "view/RowPlacement.h"

namespace {
constexpr int32_t cEmptyRowStep = 22;
constexpr int32_t cHandleReach = 5;
constexpr int32_t cTreeIndent = 15;
constexpr int32_t cExpandBoxSize = 9;

// A row owns its top line; its bottom line is the next row's top.
bool InRow(const TRowExtent& row, int32_t y) {
    return row.Bottom < y && y <= row.Top;
}

int32_t FirstRowWhere(std::span<const TRowExtent> rows, auto&& hit) {
    for (size_t i = 0; i < rows.size(); ++i)
        if (hit(rows[i]))
            return static_cast<int32_t>(i);
    return -1;
}
} // namespace

int32_t PlaceRows(int32_t clientHeight, const TRowBandSource& rows) {
    int32_t y = clientHeight;
    int32_t position = 0;
    while (y >= 0) {
        const std::optional<int32_t> height = rows.HeightAt(position);
        if (!height) {
            y -= cEmptyRowStep;
            continue;
        }
        // A row never climbs: a damaged negative height would keep the walk going forever.
        const TRowExtent extent{y, y - (*height > 0 ? *height : 0)};
        rows.Place(position, extent);
        y = extent.Bottom;
        ++position;
    }
    return position;
}

int32_t RowAtWavePoint(std::span<const TRowExtent> rows, int32_t panelWidth, TPoint p) {
    if (p.X < 0 || p.X >= panelWidth)
        return -1;
    return FirstRowWhere(rows, [&](const TRowExtent& r) { return InRow(r, p.Y); });
}

int32_t RowAtNamePoint(std::span<const TRowExtent> rows, const TNameColumns& columns, TPoint p) {
    return RowAtWavePoint(rows, NameAreaWidth(columns), p);
}

TRowColumnHit RowAndColumnAt(std::span<const TRowExtent> rows, const TNameColumns& columns,
                             TPoint p) {
    TRowColumnHit hit;
    hit.Row = FirstRowWhere(rows, [&](const TRowExtent& r) { return InRow(r, p.Y); });
    if (hit.Row < 0)
        return hit;
    for (int j = 1; j <= 5; ++j) {
        const int32_t left = NameColumnLeft(columns, j);
        // A hidden column takes no room and is never hit.
        const int32_t width = columns[static_cast<size_t>(j - 1)].ContributedWidth();
        if (left < p.X && p.X <= left + width - 1) {
            hit.Column = j;
            break;
        }
    }
    return hit;
}

int32_t RowHeightHandleAt(std::span<const TRowExtent> rows, const TNameColumns& columns, TPoint p) {
    if (columns[0].ContributedWidth() < p.X)
        return -1;
    return FirstRowWhere(rows, [&](const TRowExtent& r) {
        return r.Bottom - cHandleReach <= p.Y && p.Y <= r.Bottom + cHandleReach;
    });
}

bool ExpandBoxHit(const TNameColumns& columns, int32_t depth, TRowExtent row, TPoint p) {
    const int32_t left = NameColumnLeft(columns, 2) + depth * cTreeIndent + 3;
    const int32_t bottom = (row.Top + row.Bottom - cExpandBoxSize) / 2;
    return p.X >= left && p.X <= left + cExpandBoxSize && p.Y >= bottom &&
           p.Y <= bottom + cExpandBoxSize;
}
