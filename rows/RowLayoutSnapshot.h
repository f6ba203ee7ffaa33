// The row layout snapshot: what the user made of the rows (order under parents, expansion,
// heights, options, edge marks), kept while the rows are rebuilt and put back afterwards. Rows
// are found again by their signal's full name or by its unique identifier.
#pragma once

#include "rows/WaveRowOptions.h"

#include <memory>
#include <string>
#include <vector>

class TRowTree;
class TWaveRow;

class TCustomWaveRowLayout;
using TRowLayoutList = std::vector<std::unique_ptr<TCustomWaveRowLayout>>;

class TCustomWaveRowLayout {
public:
    virtual ~TCustomWaveRowLayout() = default;
    // Records what finds the row again.
    virtual void SaveKey(const TWaveRow& row) = 0;
    // Puts back what the key holds besides finding the row.
    virtual void RestoreKey(TWaveRow& row) const;
    virtual bool Matches(const TWaveRow& row) const { return RowKey(row) == Key; }
    // The key by which rows are looked up; empty for a row without a signal.
    virtual std::string RowKey(const TWaveRow& row) const = 0;

    TRowLayoutList Children;
    bool Moved = false; // the first row with this key was another row
    bool PositiveEdgeMark = false;
    bool NegativeEdgeMark = false;
    bool Expanded = false;
    int32_t Position = 0; // within the parent
    int32_t TopGap = 0;
    int32_t WaveHeight = 0;
    // Gaps are what the row-height setting changes, so the bottom gap is kept as well.
    int32_t BottomGap = 0;
    TWaveRowOptions Options;
    std::string Key;
};

// Finds rows by their signal's unique identifier; putting back renames the signal as it was.
class TUniqueIDWaveRowLayout : public TCustomWaveRowLayout {
public:
    void SaveKey(const TWaveRow& row) override;
    void RestoreKey(TWaveRow& row) const override;
    std::string RowKey(const TWaveRow& row) const override;

    std::string SignalName;
};

// Finds rows by their signal's full name, ignoring letter case.
class TNameWaveRowLayout : public TCustomWaveRowLayout {
public:
    void SaveKey(const TWaveRow& row) override;
    std::string RowKey(const TWaveRow& row) const override;
};

enum class TRowLayoutKey { Name, UniqueID };

// Snapshots of every row but the end-of-display row, in tree order.
TRowLayoutList TakeRowLayout(const TRowTree& tree, TRowLayoutKey key);
// Puts rows found by the snapshots back under their parents at their saved positions (a row
// that was a further copy is cloned), restores their settings, keeps the end-of-display row
// last and rebuilds the visible list. The snapshot is used up.
void RestoreRowLayout(TRowTree& tree, TRowLayoutList snapshot);
