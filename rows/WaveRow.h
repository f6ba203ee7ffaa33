// Display rows: what the editor shows, in which order, with which height and options. A row
// shows one signal; compound rows expand into child rows; the placeholder row ends the list.
#pragma once

#include "platform/com/Interfaced.h"
#include "rows/WaveRowInterface.h"
#include "rows/WaveRowOptions.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TSignalNode;
class TSignalDocument;
class TWaveDataType;
class TWaveDataTypeStore;
class TCustomWaveEditor;
class TView;
class TWaveRowCompound;

// Kind codes of the row classes, as stored in files.
namespace RowKind {
constexpr int32_t Simple = 0;
constexpr int32_t Compound = 1;
constexpr int32_t Group = 2;
constexpr int32_t Compare = 3;
} // namespace RowKind

// The default top and bottom gap of a row, in pixels.
constexpr int32_t cDefaultRowGap = 2;

// The editor owns its rows, so the row interface answers -1 to AddRef and Release.
class TWaveRow : public TUncountedObject<IWaveRow> {
public:
    // Default options: the preferences' font and waveform height, gaps of 2.
    TWaveRow();
    TWaveRow(const TWaveRow&) = delete;
    TWaveRow& operator=(const TWaveRow&) = delete;
    ~TWaveRow() override = default;

    // Makes the target show what this row shows: panels, editor, geometry, options, signal and
    // identifier (the font is copied, not shared; the name depth stays the target's).
    virtual void AssignTo(TWaveRow& target) const;
    virtual std::unique_ptr<TWaveRow> Clone() const = 0;
    virtual bool IsCompound() const { return false; }
    virtual bool IsGroup() const { return false; }
    virtual bool IsCompare() const { return false; }
    virtual bool IsBus() const { return IsGroup() && !IsCompare(); }
    // Creates the child rows a compound row is missing; nothing for simple rows.
    virtual void EnsureChildRows() {}
    // Appends the row and, when expanded, its visible descendants.
    virtual void AppendVisibleRows(std::vector<TWaveRow*>& list);
    virtual int32_t KindCode() const = 0;

    // Row interface.
    HResult GetSignal(IWaveSignal** signal) override;
    HResult IsCompound(int32_t* compound) override;
    HResult IsGroup(int32_t* group) override;
    HResult IsCompare(int32_t* compare) override;
    HResult IsBus(int32_t* bus) override;

    // Shows the signal: takes its identifier, the default options of its type, then the
    // signal's own radix, disassembler and format.
    void AttachSignal(TSignalNode* signal);
    // Binds the signal to a row read from a file: its stored options stay.
    void SetSignal(TSignalNode* signal) { FSignal = signal; }
    TSignalNode* Signal() const { return FSignal; }
    int32_t Identifier() const { return FIdentifier; }
    void SetIdentifier(int32_t identifier) { FIdentifier = identifier; }

    TWaveRowCompound* Parent() const { return FParent; }
    void SetParent(TWaveRowCompound* parent) { FParent = parent; }
    // Number of ancestors: 0 for a top-level row.
    int32_t Depth() const;
    bool IsLastChild() const;
    // The outermost ancestor, or the row itself at the top level.
    TWaveRow& Outermost();
    // Whether the row shows the end-of-display signal.
    bool ShowsPlaceHolder() const;

    // The display text of the signal's value at the time under the row's options; empty
    // without a signal or type.
    std::string ValueText(int64_t time) const;

    int32_t TotalHeight() const { return TopGap + WaveHeight + BottomGap; }
    // Moves both gaps by half the difference to the requested total (toward zero), each gap
    // staying at 0 or more; the waveform height stays.
    void DistributeTotalHeight(int32_t requested);

    // Set by the editor when it inserts the row; not owned.
    TView* NamePanel = nullptr;
    TView* WavePanel = nullptr;
    TCustomWaveEditor* Editor = nullptr;

    int32_t TopGap = cDefaultRowGap;
    int32_t WaveHeight;
    int32_t BottomGap = cDefaultRowGap;
    // Extent in the upper band [0] and the lower band [1], y upward; filled by the editor.
    int32_t TopCoord[2] = {0, 0};
    int32_t BottomCoord[2] = {0, 0};

    TWaveRowOptions Options;

private:
    friend class TRowTree;
    // Position in the tree's visible list when last rebuilt; checked against the list.
    int32_t FVisibleIndex = -1;
    int32_t FIdentifier = 0;
    TSignalNode* FSignal = nullptr; // not owned, except by the placeholder row
    TWaveRowCompound* FParent = nullptr;
};

class TWaveRowSimple : public TWaveRow {
public:
    std::unique_ptr<TWaveRow> Clone() const override;
    int32_t KindCode() const override { return RowKind::Simple; }
};

class TWaveRowCompound : public TWaveRow {
public:
    using TWaveRow::IsCompound;

    void AssignTo(TWaveRow& target) const override;
    std::unique_ptr<TWaveRow> Clone() const override;
    bool IsCompound() const override { return true; }
    // Child rows for the signal's children from the current child count on; existing child
    // rows stay as they are.
    void EnsureChildRows() override;
    void AppendVisibleRows(std::vector<TWaveRow*>& list) override;
    int32_t KindCode() const override { return RowKind::Compound; }

    int32_t ChildCount() const { return static_cast<int32_t>(FChildren.size()); }
    // Nil out of range.
    TWaveRow* Child(int32_t index) const;
    int32_t IndexOfChild(const TWaveRow* child) const;
    // Takes the row as a child at the index (clamped to the list): it becomes its parent.
    TWaveRow* InsertChild(int32_t index, std::unique_ptr<TWaveRow> child);
    TWaveRow* AppendChild(std::unique_ptr<TWaveRow> child) {
        return InsertChild(ChildCount(), std::move(child));
    }
    // Takes the child out of the list; nil when it is not a child.
    std::unique_ptr<TWaveRow> ExtractChild(const TWaveRow* child);

    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool expanded) { FExpanded = expanded; }

protected:
    void CopyCompoundPart(TWaveRowCompound& target) const;

private:
    std::vector<std::unique_ptr<TWaveRow>> FChildren;
    bool FExpanded = false;
};

// The end-of-display row: it owns its signal and that signal's type.
class TWaveRowPlaceHolder : public TWaveRowSimple {
public:
    // Builds the signal "End of Display" with a new identifier of the document.
    TWaveRowPlaceHolder(TSignalDocument& document, TWaveDataTypeStore* types);
    ~TWaveRowPlaceHolder() override;

private:
    // The signal goes first: it refers to the type.
    std::unique_ptr<TWaveDataType> FOwnedType;
    std::unique_ptr<TSignalNode> FOwnedSignal;
};

extern const char* const cEndOfDisplayName;
