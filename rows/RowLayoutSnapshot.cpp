#include "rows/RowLayoutSnapshot.h"

#include "model/signals/WaveSignal.h"
#include "rows/RowTree.h"
#include "rows/WaveRowGroup.h"

#include <cctype>
#include <unordered_map>

namespace {
// The editor's edge marks of a simple signal.
constexpr int cPositiveEdgeMark = 0;
constexpr int cNegativeEdgeMark = 1;

std::string UpperCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::unique_ptr<TCustomWaveRowLayout> NewLayout(TRowLayoutKey key) {
    if (key == TRowLayoutKey::Name)
        return std::make_unique<TNameWaveRowLayout>();
    return std::make_unique<TUniqueIDWaveRowLayout>();
}

template <class F> void ForEachRow(TWaveRow& row, F& action) {
    action(row);
    if (!row.IsCompound())
        return;
    auto& compound = static_cast<TWaveRowCompound&>(row);
    for (int32_t i = 0; i < compound.ChildCount(); ++i)
        ForEachRow(*compound.Child(i), action);
}

// The first row of each key, depth first through the tree: one walk instead of a search per
// snapshot.
std::unordered_map<std::string, TWaveRow*> FirstRowByKey(const TRowTree& tree,
                                                         const TCustomWaveRowLayout& keys) {
    std::unordered_map<std::string, TWaveRow*> first;
    auto note = [&](TWaveRow& row) {
        if (std::string key = keys.RowKey(row); !key.empty())
            first.emplace(std::move(key), &row);
    };
    for (int32_t i = 0; i < tree.Count(); ++i)
        ForEachRow(*tree.Item(i), note);
    return first;
}

TSignalSimple* SimpleSignalOf(const TWaveRow& row) {
    return dynamic_cast<TSignalSimple*>(row.Signal());
}

void SaveSettings(const TWaveRow& row, TCustomWaveRowLayout& layout) {
    layout.Options = row.Options;
    layout.TopGap = row.TopGap;
    layout.WaveHeight = row.WaveHeight;
    layout.BottomGap = row.BottomGap;
    if (const TSignalSimple* signal = SimpleSignalOf(row)) {
        layout.PositiveEdgeMark = signal->Marks[cPositiveEdgeMark];
        layout.NegativeEdgeMark = signal->Marks[cNegativeEdgeMark];
    }
}

void RestoreSettings(const TCustomWaveRowLayout& layout, TWaveRow& row) {
    row.Options = layout.Options;
    row.TopGap = layout.TopGap;
    row.WaveHeight = layout.WaveHeight;
    row.BottomGap = layout.BottomGap;
    if (TSignalSimple* signal = SimpleSignalOf(row)) {
        signal->Marks[cPositiveEdgeMark] = layout.PositiveEdgeMark;
        signal->Marks[cNegativeEdgeMark] = layout.NegativeEdgeMark;
    }
    if (row.IsCompound())
        static_cast<TWaveRowCompound&>(row).SetExpanded(layout.Expanded);
    layout.RestoreKey(row);
}

std::unique_ptr<TCustomWaveRowLayout>
TakeRow(const TWaveRow& row, int32_t position, TRowLayoutKey key,
        const std::unordered_map<std::string, TWaveRow*>& first) {
    auto layout = NewLayout(key);
    layout->SaveKey(row);
    SaveSettings(row, *layout);
    layout->Position = position;
    const auto found = first.find(layout->Key);
    layout->Moved = found == first.end() || found->second != &row;
    if (row.IsCompound()) {
        const auto& compound = static_cast<const TWaveRowCompound&>(row);
        layout->Expanded = compound.Expanded();
        for (int32_t i = 0; i < compound.ChildCount(); ++i)
            layout->Children.push_back(TakeRow(*compound.Child(i), i, key, first));
    }
    return layout;
}

bool IsSelfOrAncestor(const TWaveRow& row, const TWaveRow* of) {
    for (; of; of = of->Parent())
        if (of == &row)
            return true;
    return false;
}

class TRowLayoutRestorer {
public:
    TRowLayoutRestorer(TRowTree& tree, const TCustomWaveRowLayout& keys)
        : Tree(tree), First(FirstRowByKey(tree, keys)) {}

    // parent: the row found for the parent snapshot, nil when there is none.
    void Restore(const TCustomWaveRowLayout& layout, TWaveRowCompound* parent) {
        TWaveRow* row = Find(layout, parent);
        if (row && parent && parent->Child(layout.Position) != row &&
            !IsSelfOrAncestor(*row, parent)) {
            // A child row of a plain compound row stands for a child signal and stays there.
            if (layout.Moved || (row->Parent() && !row->Parent()->IsGroup())) {
                row = parent->InsertChild(layout.Position, row->Clone());
                RebuildGroup(parent);
                RestoreCopy(layout, *row);
                return;
            }
            std::unique_ptr<TWaveRow> taken = Tree.Detach(*row);
            row = parent->InsertChild(layout.Position, std::move(taken));
            RebuildGroup(parent);
        }
        if (row == nullptr)
            return RestoreChildren(layout, nullptr);
        RestoreSettings(layout, *row);
        // An expanded row gets the child rows its signal asks for before they are looked for.
        if (row->IsCompound() && static_cast<TWaveRowCompound*>(row)->Expanded())
            row->EnsureChildRows();
        RestoreChildren(layout, row);
    }

private:
    void RestoreChildren(const TCustomWaveRowLayout& layout, TWaveRow* row) {
        auto* compound = row && row->IsCompound() ? static_cast<TWaveRowCompound*>(row) : nullptr;
        for (const auto& child : layout.Children)
            Restore(*child, compound);
    }

    // The parent's child at the saved position when it matches (child rows made for a signal
    // after the walk), else the first row of the key. Under a plain compound row only the
    // child at the position will do: its children follow its signal's.
    TWaveRow* Find(const TCustomWaveRowLayout& layout, TWaveRowCompound* parent) const {
        if (parent)
            if (TWaveRow* child = parent->Child(layout.Position); child && layout.Matches(*child))
                return child;
        if (parent && !parent->IsGroup())
            return nullptr;
        const auto found = First.find(layout.Key);
        return found == First.end() ? nullptr : found->second;
    }

    // A clone brings clones of its children along; their snapshots apply to those copies.
    void RestoreCopy(const TCustomWaveRowLayout& layout, TWaveRow& copy) {
        RestoreSettings(layout, copy);
        if (!copy.IsCompound())
            return;
        auto& compound = static_cast<TWaveRowCompound&>(copy);
        for (const auto& child : layout.Children)
            if (TWaveRow* row = compound.Child(child->Position); row && child->Matches(*row))
                RestoreCopy(*child, *row);
    }

    static void RebuildGroup(TWaveRowCompound* parent) {
        if (TWaveRowGroup* group = AsGroupRow(parent))
            group->RebuildSignal();
    }

    TRowTree& Tree;
    std::unordered_map<std::string, TWaveRow*> First;
};
} // namespace

void TCustomWaveRowLayout::RestoreKey(TWaveRow&) const {}

void TUniqueIDWaveRowLayout::SaveKey(const TWaveRow& row) {
    Key = RowKey(row);
    SignalName = row.Signal() ? row.Signal()->Name() : std::string();
}

void TUniqueIDWaveRowLayout::RestoreKey(TWaveRow& row) const {
    if (row.Signal())
        row.Signal()->SetName(SignalName);
}

std::string TUniqueIDWaveRowLayout::RowKey(const TWaveRow& row) const {
    return row.Signal() ? std::to_string(row.Signal()->UniqueID()) : std::string();
}

void TNameWaveRowLayout::SaveKey(const TWaveRow& row) {
    Key = RowKey(row);
}

std::string TNameWaveRowLayout::RowKey(const TWaveRow& row) const {
    return row.Signal() ? UpperCase(row.Signal()->FullName()) : std::string();
}

TRowLayoutList TakeRowLayout(const TRowTree& tree, TRowLayoutKey key) {
    TRowLayoutList snapshot;
    const auto first = FirstRowByKey(tree, *NewLayout(key));
    for (int32_t i = 0; i < tree.Count(); ++i)
        if (const TWaveRow* row = tree.Item(i); !row->ShowsPlaceHolder())
            snapshot.push_back(TakeRow(*row, i, key, first));
    return snapshot;
}

void RestoreRowLayout(TRowTree& tree, TRowLayoutList snapshot) {
    std::unique_ptr<TWaveRow> placeholder;
    if (TWaveRow* last = tree.Item(tree.Count() - 1); last && last->ShowsPlaceHolder())
        placeholder = tree.Extract(last);
    if (!snapshot.empty()) {
        TRowLayoutRestorer restorer(tree, *snapshot.front());
        for (const auto& layout : snapshot)
            restorer.Restore(*layout, nullptr);
    }
    if (placeholder)
        tree.Add(std::move(placeholder));
    tree.RebuildVisibleRows();
}
