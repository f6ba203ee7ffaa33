#include "rows/RowTree.h"

#include "model/signals/WaveSignal.h"
#include "rows/WaveRowGroup.h"

#include <algorithm>
#include <cctype>

namespace {
bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}
} // namespace

TRowTree::~TRowTree() {
    Clear();
}

TWaveRow* TRowTree::Item(int32_t index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return FRows[static_cast<size_t>(index)].get();
}

int32_t TRowTree::IndexOf(const TWaveRow* row) const {
    for (size_t i = 0; i < FRows.size(); ++i)
        if (FRows[i].get() == row)
            return static_cast<int32_t>(i);
    return -1;
}

TWaveRow* TRowTree::Insert(int32_t index, std::unique_ptr<TWaveRow> row) {
    row->SetParent(nullptr);
    const int32_t at = std::clamp(index, 0, Count());
    return FRows.insert(FRows.begin() + at, std::move(row))->get();
}

std::unique_ptr<TWaveRow> TRowTree::Extract(const TWaveRow* row) {
    const int32_t index = IndexOf(row);
    if (index < 0)
        return nullptr;
    std::unique_ptr<TWaveRow> taken = std::move(FRows[static_cast<size_t>(index)]);
    FRows.erase(FRows.begin() + index);
    return taken;
}

std::unique_ptr<TWaveRow> TRowTree::Detach(TWaveRow& row) {
    TWaveRowCompound* parent = row.Parent();
    if (parent == nullptr)
        return Extract(&row);
    std::unique_ptr<TWaveRow> taken = parent->ExtractChild(&row);
    if (TWaveRowGroup* group = AsGroupRow(parent))
        group->RebuildSignal();
    return taken;
}

void TRowTree::Clear() {
    FVisible.clear();
    FRows.clear();
}

void TRowTree::RebuildVisibleRows() {
    FVisible.clear();
    for (const auto& row : FRows)
        row->AppendVisibleRows(FVisible);
    for (size_t i = 0; i < FVisible.size(); ++i)
        FVisible[i]->FVisibleIndex = static_cast<int32_t>(i);
}

TWaveRow* TRowTree::VisibleRow(int32_t index) const {
    if (index < 0 || index >= VisibleCount())
        return nullptr;
    return FVisible[static_cast<size_t>(index)];
}

int32_t TRowTree::VisibleIndexOf(const TWaveRow* row) const {
    if (row == nullptr)
        return -1;
    const int32_t index = row->FVisibleIndex;
    return VisibleRow(index) == row ? index : -1;
}

int64_t TRowTree::HeightOfRows(int32_t first, int32_t count) const {
    int64_t height = 0;
    const int32_t end =
        static_cast<int32_t>(std::min<int64_t>(int64_t{first} + count, VisibleCount()));
    for (int32_t i = std::max(first, 0); i < end; ++i)
        height += FVisible[static_cast<size_t>(i)]->TotalHeight();
    return height;
}

TWaveRow* TRowTree::FindRowByName(std::string_view name) const {
    for (TWaveRow* row : FVisible)
        if (row->Signal() && SameTextIgnoringCase(row->Signal()->FullName(), name))
            return row;
    return nullptr;
}

bool TRowTree::SetExpanded(TWaveRow& row, bool expanded) {
    if (!row.IsCompound())
        return false;
    static_cast<TWaveRowCompound&>(row).SetExpanded(expanded);
    RebuildVisibleRows();
    return true;
}

TWaveRow* TRowTree::AddEndOfDisplayRow(TSignalDocument& document, TWaveDataTypeStore* types) {
    TWaveRow* row = Add(std::make_unique<TWaveRowPlaceHolder>(document, types));
    RebuildVisibleRows();
    return row;
}

bool TRowTree::EndsWithPlaceHolder() const {
    return !FVisible.empty() && FVisible.back()->ShowsPlaceHolder();
}

TWaveRow* TRowTree::InsertRow(std::unique_ptr<TWaveRow> row, int32_t position, bool asChild,
                              TSignalDocument& document, TWaveDataTypeStore* types) {
    if (!EndsWithPlaceHolder())
        AddEndOfDisplayRow(document, types);
    position = std::min(position, VisibleCount() - 1);
    TWaveRow* at = position > 0 ? VisibleRow(position) : nullptr;
    if (at == nullptr)
        position = 0;

    TWaveRowGroup* parent = nullptr;
    int32_t childIndex = -1;
    if (at && asChild) {
        parent = AsGroupRow(&VisibleRow(position - 1)->Outermost());
        childIndex = parent ? parent->ChildCount() : -1;
    } else if (at && at->Parent() && at->Parent()->IsBus()) {
        parent = static_cast<TWaveRowGroup*>(at->Parent());
        childIndex = position - (VisibleIndexOf(parent) + 1);
    }
    TWaveRow* inserted = nullptr;
    // Only a group's signal is the rows' own to change; a row that cannot go into the group
    // stays visible among the top-level rows rather than being lost.
    if (parent && childIndex >= 0 && childIndex <= parent->ChildCount()) {
        inserted = parent->InsertChild(childIndex, std::move(row));
        parent->RebuildSignal();
    } else {
        const int32_t index = at ? IndexOf(&at->Outermost()) : position;
        inserted = Insert(index, std::move(row));
    }
    RebuildVisibleRows();
    return inserted;
}

bool TRowTree::RemoveVisibleRow(int32_t index) {
    TWaveRow* row = VisibleRow(index);
    if (row == nullptr || index == VisibleCount() - 1 || row->ShowsPlaceHolder())
        return false;
    // A child of a plain compound row mirrors a child signal: it cannot go alone.
    if (row->Parent() && !row->Parent()->IsBus())
        return false;
    Detach(*row);
    RebuildVisibleRows();
    return true;
}
