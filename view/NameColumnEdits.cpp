#include "view/NameColumnEdits.h"

#include <algorithm>

namespace {
constexpr int32_t cBoundaryReach = 5;
constexpr int32_t cMinColumnWidth = 15;
constexpr int32_t cValueColumn = 4;

TNameColumn& Column(TNameColumns& columns, int32_t k) {
    return columns[static_cast<size_t>(k - 1)];
}
} // namespace

int32_t ColumnBoundaryAt(const TNameColumns& columns, int32_t x) {
    for (int32_t k = 2; k <= 4; ++k) {
        const TNameColumn& c = columns[static_cast<size_t>(k - 1)];
        if (!c.Visible)
            continue;
        const int32_t boundary = NameColumnLeft(columns, k) + c.Width;
        if (x >= boundary - cBoundaryReach && x <= boundary + cBoundaryReach)
            return k;
    }
    return 0;
}

int32_t ClampColumnDrag(const TNameColumns& columns, int32_t column, int32_t x, int32_t formWidth) {
    const int32_t low = NameColumnLeft(columns, column) + 10;
    const int32_t high = std::max(low, formWidth - 50);
    return std::clamp(x, low, high);
}

int32_t ResizeColumn(TNameColumns& columns, int32_t column, int32_t startX, int32_t endX) {
    TNameColumn& c = Column(columns, column);
    int32_t shrink = startX - endX;
    if (c.Width - shrink < cMinColumnWidth)
        shrink = c.Width - cMinColumnWidth;
    c.Width -= shrink;
    return shrink > 0 ? -shrink : 0;
}

int32_t ApplyValueColumnPreference(TNameColumns& columns, bool valueColumn) {
    TNameColumn& c = Column(columns, cValueColumn);
    if (c.Visible == valueColumn)
        return 0;
    c.Visible = valueColumn;
    return valueColumn ? c.Width : -c.Width;
}
