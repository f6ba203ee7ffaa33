// Rows of user groups (buses) and comparisons: their signal is built from the signals of their
// child rows, and the row owns that signal and its type; the member signals stay with others.
#pragma once

#include "rows/WaveRow.h"

#include <string>
#include <string_view>

class TGroupWaveType;
class TSignalCompound;

class TWaveRowGroup : public TWaveRowCompound, public IWaveGroupRow {
public:
    using TWaveRow::IsGroup;
    TWaveRowGroup();
    ~TWaveRowGroup() override;

    HResult QueryInterface(const TGUID& iid, void** object) override;
    int32_t AddRef() override { return -1; }
    int32_t Release() override { return -1; }

    // Compound copy, then a new signal for the target over the same members, named after this
    // row's group name; the target's group name gets "(2)".
    void AssignTo(TWaveRow& target) const override;
    std::unique_ptr<TWaveRow> Clone() const override;
    bool IsGroup() const override { return true; }
    int32_t KindCode() const override { return RowKind::Group; }

    // Group interface.
    HResult GetChildCount(int32_t* count) override;
    HResult GetChild(int32_t index, IWaveRow** child) override;

    const std::string& GroupName() const { return FGroupName; }
    // Cut to 255 characters.
    void SetGroupName(std::string_view name);

    // Builds the row's signal and type from its child rows' signals: the signal takes the row's
    // identifier and group name and becomes the row's signal (binding after reading).
    void BuildSignal(TSignalDocument* document, TWaveDataTypeStore* types);
    // Builds the signal anew after the child rows changed, keeping its name, identifier and
    // mark; group rows above follow, since their members include this signal.
    void RebuildSignal();
    TGroupWaveType* GroupType() const { return FGroupType.get(); }

protected:
    // A new, empty type and signal of the row's class.
    virtual std::unique_ptr<TGroupWaveType> NewType(TWaveDataTypeStore* types) const;
    virtual std::unique_ptr<TSignalCompound> NewSignal(TSignalDocument* document) const;
    // A new signal with the identity given.
    std::unique_ptr<TSignalCompound> NewSignalWithIdentity(TSignalDocument* document,
                                                           std::string_view name,
                                                           int32_t identifier, bool mark) const;
    std::vector<TSignalNode*> ChildSignals() const;
    // Takes a new type and signal over the given members, replacing the old ones.
    void Install(std::unique_ptr<TGroupWaveType> type, std::unique_ptr<TSignalCompound> signal,
                 const std::vector<TSignalNode*>& members);

private:
    std::string FGroupName;
    // The signal goes first: it refers to the type.
    std::unique_ptr<TGroupWaveType> FGroupType;
    std::unique_ptr<TSignalCompound> FGroupSignal;
};

class TWaveRowCompare : public TWaveRowGroup {
public:
    using TWaveRow::IsCompare;
    std::unique_ptr<TWaveRow> Clone() const override;
    bool IsCompare() const override { return true; }
    int32_t KindCode() const override { return RowKind::Compare; }

protected:
    std::unique_ptr<TGroupWaveType> NewType(TWaveDataTypeStore* types) const override;
    std::unique_ptr<TSignalCompound> NewSignal(TSignalDocument* document) const override;
};

// The row as a group row, or nil.
TWaveRowGroup* AsGroupRow(TWaveRow* row);
