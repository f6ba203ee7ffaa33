// The signal tree: simple signals with their event lists, compound signals with one child per
// element, comparisons and access arrays, and the building of a signal tree for a data type.
#pragma once

#include "model/signals/EventArray.h"
#include "model/signals/SignalCursor.h"
#include "model/signals/SignalEvent.h"
#include "model/signals/WaveSignalInterface.h"
#include "platform/com/Exception.h"
#include "platform/com/Interfaced.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TWaveDataType;
class TSignalDocument;
class TSignalDataStore;

// Raised by the signal readers and when a type would make a damaged signal tree.
class ESignalLoaderException : public Exception {
public:
    using Exception::Exception;
};

// Kind codes of the signal classes, as stored in files.
namespace SignalKind {
constexpr int32_t Simple = 0;
constexpr int32_t Compound = 1;
constexpr int32_t AccessArray = 2;
} // namespace SignalKind

// A signal of a document. The store (or the parent) owns the nodes, so the signal interface
// answers -1 to AddRef and Release.
class TSignalNode : public TUncountedObject<IWaveSignal> {
public:
    explicit TSignalNode(TSignalDocument* document) : FDocument(document) {}
    TSignalNode(const TSignalNode&) = delete;
    TSignalNode& operator=(const TSignalNode&) = delete;
    ~TSignalNode() override = default;

    virtual int32_t KindCode() const = 0;
    virtual bool IsCompound() const = 0;
    // Self when the identifier matches, else the first match among the owned children, depth
    // first; nil when none.
    virtual TSignalNode* FindByUID(int32_t uid);
    // Likewise by full name (compared as MatchKey does).
    TSignalNode* FindByPath(std::string_view name);
    bool HasPath(std::string_view name) { return FindByPath(name) != nullptr; }
    // A deep copy with new identifiers throughout, made in the document; no parent, in no store.
    std::unique_ptr<TSignalNode> Clone(TSignalDocument* document) const;
    // Renames the node to its name followed by "(n)" until no other signal of the document's
    // store has its full name; then its children likewise.
    virtual void MakeNameUnique(TSignalDocument& document);
    // A new identifier of the document (simple nodes from 100 up, compound nodes from
    // 2147483647 down); an empty name becomes "New Signal " and the identifier.
    void AssignNewIdentity(TSignalDocument* document);

    // Sets the value from the time on; the caller keeps its value.
    virtual void SetValueAt(int32_t tag, TValueRef value, TSimTime time) = 0;
    // Time of the last event; 0 when there is none.
    virtual TSimTime EndTime() const = 0;
    // The event in force at the time, owned by the caller; nil for a signal without events.
    virtual std::optional<TBuiltEvent> EventAt(TSimTime time) const = 0;
    // The Empty flag of the value in force at the time.
    virtual bool IsEmptyAt(TSimTime time) const = 0;
    virtual void SetAllowEmpty() = 0;
    // A new value shaped like the signal's values, every leaf zero with the Empty flag given.
    virtual TValue NewValue(bool empty, TSimTime time) const = 0;
    // The time of the latest change at or before the time; nil when there is none.
    virtual std::optional<TSimTime> LastChangeAtOrBefore(TSimTime time) const = 0;

    // Cursors (see SignalCursor.h).
    virtual std::unique_ptr<TIndexNode> CursorAt(TSimTime time) const = 0;
    // The time of the next change after the cursor; NoFurtherChange when there is none.
    virtual TSimTime NextChange(const TIndexNode& cursor) const = 0;
    // The cursor's change time when it is before the time, else the change before it; 0 when
    // there is none.
    virtual TSimTime PreviousChange(const TIndexNode& cursor, TSimTime time) const = 0;
    // Moves the cursor forward (never backward) to the change in force at the time.
    virtual void AdvanceCursor(TIndexNode& cursor, TSimTime time) const = 0;
    // The value at the cursor, into `value`: a compound value is refilled in place when it has
    // the right shape, otherwise built anew.
    virtual void ValueAtCursor(const TIndexNode& cursor, TValue& value) const = 0;
    void AdvanceAndValue(TIndexNode& cursor, TValue& value, TSimTime time) const;
    // The value in force at the time (Empty zero cell for a signal without events).
    TValue ValueAt(TSimTime time) const;

    // Signal interface.
    HResult GetName(TComString* name) override;
    HResult SetName(const char* name) override;
    HResult GetUID(int32_t* uid) override;
    HResult AddToDisplay() override;
    HResult RemoveFromDisplay() override;
    HResult GetChildCount(int32_t* count) override;
    HResult GetChild(int32_t index, IWaveSignal** child) override;
    HResult Reset() override;
    HResult GetTransition(int64_t time, IWaveTransition** transition) override;
    HResult SetLogicAt(int64_t time, int32_t bit) override;
    HResult SetArrayBounds(int64_t time, int32_t left, int32_t right) override;
    HResult SetNull(int64_t time) override;
    HResult Show() override;
    HResult SetDisplayFormat(int32_t format, int32_t radix) override;

    int32_t UniqueID() const { return FUniqueID; }
    void SetUniqueID(int32_t uid);
    // The node's own name, a short string; a child's carries its punctuation ("[3]", ".data").
    const std::string& Name() const { return FName; }
    void SetName(std::string_view name);
    // The parent's full name followed by the own name.
    std::string FullName() const;
    int32_t DisplayFormat() const { return FDisplayFormat; }
    int32_t DisplayRadix() const { return FDisplayRadix; }
    const std::string& DisassemblerName() const { return FDisassemblerName; }
    void SetDisplay(int32_t format, int32_t radix, std::string_view disassembler);
    int32_t LeftBound() const { return FLeftBound; }
    int32_t RightBound() const { return FRightBound; }
    void SetBounds(int32_t left, int32_t right) {
        FLeftBound = left;
        FRightBound = right;
    }
    TSignalNode* Parent() const { return FParent; }
    void SetParent(TSignalNode* parent) { FParent = parent; }
    TWaveDataType* DataType() const { return FDataType; }
    void SetDataType(TWaveDataType* type) { FDataType = type; }
    TSignalDocument* Document() const { return FDocument; }
    // The top of the node's tree.
    const TSignalNode& Root() const;

    virtual int32_t ChildCount() const { return 0; }
    virtual TSignalNode* Child(int32_t) const { return nullptr; }
    // True for a child this node owns (its Parent is this node); group and comparison members
    // belong to others.
    bool Owns(const TSignalNode& child) const { return child.FParent == this; }

protected:
    // A new node of the same class for the document.
    virtual std::unique_ptr<TSignalNode> NewOfSameClass(TSignalDocument* document) const = 0;
    // Makes the target a copy of this node (new identity, name, type, contents).
    virtual void CopyInto(TSignalNode& target, TSignalDocument* document) const;
    // Runs a change of names or identifiers in this subtree and keeps the index of the store
    // that holds the tree current.
    template <class F> void ChangeIndexed(F&& change);

private:
    int32_t FUniqueID = 0;
    std::string FName;
    int32_t FDisplayFormat = 0;
    int32_t FDisplayRadix = 0;
    std::string FDisassemblerName;
    int32_t FLeftBound = 0;
    int32_t FRightBound = 0;
    TSignalNode* FParent = nullptr;
    TWaveDataType* FDataType = nullptr;
    TSignalDocument* FDocument;
};

// A leaf: a simple type and its event list. Invariants kept by SetValueAt: times strictly
// increase; the first event carries the initial value; no event repeats the value before it.
class TSignalSimple : public TSignalNode {
public:
    using TSignalNode::TSignalNode;

    int32_t KindCode() const override;
    bool IsCompound() const override;

    // Event list.
    const TEventArray& Events() const { return FEvents; }
    int32_t EventCount() const { return static_cast<int32_t>(FEvents.size()); }
    // Whether an event has exactly this time, and its index or else the insertion position.
    struct TFound {
        bool Found;
        int32_t Index;
    };
    TFound FindEvent(TSimTime time) const;
    // The index of the event in force (0 before the first event).
    int32_t EventIndexAt(TSimTime time) const;
    // The event in force, owned by the list; nil for an empty list.
    const TSignalEvent* EventInForce(TSimTime time) const;
    // The event at the insertion position of the time; nil after the last event.
    const TSignalEvent* EventAtOrAfter(TSimTime time) const;
    void SetValueAt(int32_t tag, TValueRef value, TSimTime time) override;
    void SetValueAt(int32_t tag, const TSimpleValue& value, TSimTime time);
    // Appends an event, or replaces the last one's value and tag when it has this time. Keeps
    // no list rule but the order of input already in order: readers sort afterwards.
    void AppendEvent(int32_t tag, const TSimpleValue& value, TSimTime time);
    // Removes the event (never the first) and then the next one when it repeats the value now
    // before it.
    void DeleteEventAt(int32_t index);
    // Removes every event with start <= time < end, then the event after the gap when it
    // repeats the value before it.
    void DeleteEventsIn(TSimTime start, TSimTime end);
    void ClearEvents() { FEvents.clear(); }
    // Restores the list rules after out-of-order appends: a stable sort by time, the last of
    // events of one time kept, equal neighbours merged. A list already in order is left alone.
    void SortEvents();
    // Room for that many events, for readers that know their count.
    void ReserveEvents(size_t count) { FEvents.reserve(count); }

    TSimTime EndTime() const override;
    std::optional<TBuiltEvent> EventAt(TSimTime time) const override;
    bool IsEmptyAt(TSimTime time) const override;
    void SetAllowEmpty() override { FAllowEmpty = true; }
    TValue NewValue(bool empty, TSimTime time) const override;
    std::optional<TSimTime> LastChangeAtOrBefore(TSimTime time) const override;
    std::unique_ptr<TIndexNode> CursorAt(TSimTime time) const override;
    TSimTime NextChange(const TIndexNode& cursor) const override;
    TSimTime PreviousChange(const TIndexNode& cursor, TSimTime time) const override;
    void AdvanceCursor(TIndexNode& cursor, TSimTime time) const override;
    void ValueAtCursor(const TIndexNode& cursor, TValue& value) const override;
    HResult Reset() override;
    HResult SetLogicAt(int64_t time, int32_t bit) override;

    bool AllowEmpty() const { return FAllowEmpty; }
    // Marks of the editor view for painting and selection.
    bool Marks[3] = {false, false, false};

protected:
    std::unique_ptr<TSignalNode> NewOfSameClass(TSignalDocument* document) const override;
    void CopyInto(TSignalNode& target, TSignalDocument* document) const override;

private:
    bool Equal(const TSimpleValue& a, const TSimpleValue& b) const;
    void Erase(int32_t first, int32_t last);
    const TSimpleValue& CellAt(const TIndexNode& cursor) const;

    TEventArray FEvents;
    bool FAllowEmpty = false;
};

// An inner node: one child per element of its compound type. It owns the children it made;
// the members of groups and comparisons belong to others.
class TSignalCompound : public TSignalNode, public ICompoundSignal {
public:
    using TSignalNode::TSignalNode;
    ~TSignalCompound() override;

    HResult QueryInterface(const TGUID& iid, void** object) override;
    int32_t AddRef() override { return -1; }
    int32_t Release() override { return -1; }
    TSignalCompound* SignalObject() override { return this; }

    int32_t KindCode() const override;
    bool IsCompound() const override;
    TSignalNode* FindByUID(int32_t uid) override;
    void MakeNameUnique(TSignalDocument& document) override;
    // Each child gets its element of the value; an access value with a null pointer empties
    // its ".value" element first.
    void SetValueAt(int32_t tag, TValueRef value, TSimTime time) override;
    TSimTime EndTime() const override;
    std::optional<TBuiltEvent> EventAt(TSimTime time) const override;
    bool IsEmptyAt(TSimTime time) const override;
    void SetAllowEmpty() override;
    TValue NewValue(bool empty, TSimTime time) const override;
    std::optional<TSimTime> LastChangeAtOrBefore(TSimTime time) const override;
    std::unique_ptr<TIndexNode> CursorAt(TSimTime time) const override;
    TSimTime NextChange(const TIndexNode& cursor) const override;
    TSimTime PreviousChange(const TIndexNode& cursor, TSimTime time) const override;
    void AdvanceCursor(TIndexNode& cursor, TSimTime time) const override;
    void ValueAtCursor(const TIndexNode& cursor, TValue& value) const override;

    int32_t ChildCount() const override { return static_cast<int32_t>(FChildren.size()); }
    TSignalNode* Child(int32_t index) const override;
    // Takes a child into the node: it becomes its parent.
    TSignalNode* AppendChild(std::unique_ptr<TSignalNode> child);
    // Adds a member that stays owned by others (groups, comparisons).
    void AppendMember(TSignalNode& member);
    // The mark the editor toggles with the marks of the simple children.
    bool Mark = false;

protected:
    std::unique_ptr<TSignalNode> NewOfSameClass(TSignalDocument* document) const override;
    void CopyInto(TSignalNode& target, TSignalDocument* document) const override;
    // Whether the children's values make the compound value Empty: any Empty element, or for
    // an access type only the pointer.
    bool EmptyOfElements(const std::vector<TValue>& elements) const;

private:
    std::vector<TSignalNode*> FChildren;
};

// A comparison of two signals it does not own; its value is the pair of their values, shown
// as "match" or "diff", and it changes where their equality changes.
class TSignalCompare : public TSignalCompound {
public:
    using TSignalCompound::TSignalCompound;

    TSimTime EndTime() const override;
    TSimTime NextChange(const TIndexNode& cursor) const override;
    TSimTime PreviousChange(const TIndexNode& cursor, TSimTime time) const override;

    // Whether the two children's values are equal by the first child's type.
    bool EqualAt(TSimTime time) const;

protected:
    std::unique_ptr<TSignalNode> NewOfSameClass(TSignalDocument* document) const override;

private:
    bool EqualAtCursor(const TIndexNode& cursor) const;
    bool EqualValues(const TValue& value) const;
};

// The ".value" of an access to an unconstrained array: each child is an incarnation for one
// array constraint, Empty while it does not exist; the last non-Empty one is active.
class TSignalAccessArray : public TSignalCompound {
public:
    using TSignalCompound::TSignalCompound;

    int32_t KindCode() const override;
    void SetValueAt(int32_t tag, TValueRef value, TSimTime time) override;
    std::optional<TBuiltEvent> EventAt(TSimTime time) const override;
    bool IsEmptyAt(TSimTime time) const override;
    TValue NewValue(bool empty, TSimTime time) const override;
    void ValueAtCursor(const TIndexNode& cursor, TValue& value) const override;
    HResult SetArrayBounds(int64_t time, int32_t left, int32_t right) override;
    HResult SetNull(int64_t time) override;

    // The incarnation active at the time; nil when none is.
    TSignalNode* ActiveAt(TSimTime time) const;

protected:
    std::unique_ptr<TSignalNode> NewOfSameClass(TSignalDocument* document) const override;

private:
    void SetIncarnationEmpty(TSignalNode& incarnation, bool empty, TSimTime time);
};

// Builds the signal tree of a type: one simple signal with the type's default value at time 0
// per leaf. An open array takes the bounds given. Refuses types whose tree would be damaged
// (ESignalLoaderException) before building anything.
std::unique_ptr<TSignalNode> CreateSignalForType(TWaveDataType& type, TSignalDocument* document,
                                                 TSignalNode* parent, int32_t left, int32_t right);
// A child's name: the text between its punctuation, as in "[3]" and "(7 downto 0)".
std::string Enclosed(char open, std::string_view text, char close);
// A new node of a kind code for a reader: 0 simple, 1 compound, 2 access array; nil otherwise.
std::unique_ptr<TSignalNode> CreateSignalOfKind(int32_t kind, TSignalDocument* document);
