// The tree of display rows of one editor, and the list of the rows currently visible, in
// display order, that the editor numbers, scrolls and hit-tests.
#pragma once

#include "rows/WaveRow.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class TRowTree {
public:
    TRowTree() = default;
    TRowTree(const TRowTree&) = delete;
    TRowTree& operator=(const TRowTree&) = delete;
    ~TRowTree();

    // Top-level rows.
    int32_t Count() const { return static_cast<int32_t>(FRows.size()); }
    // Nil out of range.
    TWaveRow* Item(int32_t index) const;
    int32_t IndexOf(const TWaveRow* row) const;
    TWaveRow* Add(std::unique_ptr<TWaveRow> row) { return Insert(Count(), std::move(row)); }
    // At the index, clamped to the list; the row becomes top-level.
    TWaveRow* Insert(int32_t index, std::unique_ptr<TWaveRow> row);
    // Takes a top-level row out; nil when it is not one.
    std::unique_ptr<TWaveRow> Extract(const TWaveRow* row);
    // Takes a row out of its place, top-level or child of a compound row; a bus's signal loses
    // the member.
    std::unique_ptr<TWaveRow> Detach(TWaveRow& row);

    // Frees every row and empties the visible list.
    void Clear();
    void RebuildVisibleRows();

    // The visible-row list; stale after any change of rows or expanded flags until
    // RebuildVisibleRows.
    const std::vector<TWaveRow*>& VisibleRows() const { return FVisible; }
    int32_t VisibleCount() const { return static_cast<int32_t>(FVisible.size()); }
    // Nil outside 0 to count - 1.
    TWaveRow* VisibleRow(int32_t index) const;
    // -1 when the row is not visible.
    int32_t VisibleIndexOf(const TWaveRow* row) const;
    // Sum of the total heights of count visible rows from first on (as many as there are).
    int64_t HeightOfRows(int32_t first, int32_t count) const;
    int64_t HeightOfAllRows() const { return HeightOfRows(0, VisibleCount()); }
    // The first visible row whose signal's full name equals the text ignoring letter case.
    TWaveRow* FindRowByName(std::string_view name) const;

    // Expands or collapses a compound row and rebuilds the visible list; false for a row that
    // is not compound.
    bool SetExpanded(TWaveRow& row, bool expanded);

    // Appends the end-of-display row with a new signal of the document.
    TWaveRow* AddEndOfDisplayRow(TSignalDocument& document, TWaveDataTypeStore* types);
    // Whether the visible list ends with the end-of-display row.
    bool EndsWithPlaceHolder() const;

    // Inserts a row at a visible position (the editor's insertion): as a child of a bus when
    // the row there belongs to one, or of the outermost ancestor of the row before it with
    // asChild, else among the top-level rows before the row there. Adds the end-of-display
    // row first when it is missing; rebuilds the visible list.
    TWaveRow* InsertRow(std::unique_ptr<TWaveRow> row, int32_t position, bool asChild,
                        TSignalDocument& document, TWaveDataTypeStore* types);
    // Removes and frees the visible row at the index: a bus member or a top-level row, never
    // the end-of-display row nor the last row. False when nothing was removed.
    bool RemoveVisibleRow(int32_t index);

private:
    std::vector<std::unique_ptr<TWaveRow>> FRows;
    std::vector<TWaveRow*> FVisible;
};
