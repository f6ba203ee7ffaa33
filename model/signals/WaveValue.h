// Values of signals: the inline cell of simple values, the compound value built from element
// values, and the non-owning and owning handles that the type operations take and give.
#pragma once

#include <bit>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <variant>
#include <vector>

// The value of a simple type. A small, trivially copyable cell that event arrays hold inline.
// Each type reads the cell in its own way:
//   Ordinal: enumeration position, std_logic code, CUPL level, integer value;
//   Drive:   CUPL drive kind;
//   Real:    real value, magnitude of a physical value;
//   Unit:    unit index of a physical value.
// Real shares its eight bytes with Ordinal and Drive (no type uses both), so the cell takes 16
// bytes with an alignment of 4. A new value is all zero and not Empty.
struct TSimpleValue {
    int32_t Ordinal = 0;
    int32_t Drive = 0;
    int32_t Unit = 0;
    bool Empty = false; // no value here: painting and texts skip it

    double Real() const {
        return std::bit_cast<double>(static_cast<uint64_t>(static_cast<uint32_t>(Ordinal)) |
                                     static_cast<uint64_t>(static_cast<uint32_t>(Drive)) << 32);
    }
    void SetReal(double value) {
        const auto bits = std::bit_cast<uint64_t>(value);
        Ordinal = static_cast<int32_t>(static_cast<uint32_t>(bits));
        Drive = static_cast<int32_t>(static_cast<uint32_t>(bits >> 32));
    }

    static TSimpleValue OfOrdinal(int32_t ordinal) {
        TSimpleValue v;
        v.Ordinal = ordinal;
        return v;
    }
    static TSimpleValue OfPair(int32_t level, int32_t drive) {
        TSimpleValue v;
        v.Ordinal = level;
        v.Drive = drive;
        return v;
    }
    static TSimpleValue OfReal(double real) {
        TSimpleValue v;
        v.SetReal(real);
        return v;
    }
    static TSimpleValue OfPhysical(double magnitude, int32_t unit) {
        TSimpleValue v;
        v.SetReal(magnitude);
        v.Unit = unit;
        return v;
    }
};

static_assert(sizeof(TSimpleValue) == 16);
static_assert(alignof(TSimpleValue) == 4);
static_assert(std::is_trivially_copyable_v<TSimpleValue>);

class TCompoundValue;

// An owned value of any type: nothing (a type that cannot make one), a simple cell, or a
// compound value with its elements.
class TValue {
public:
    TValue() = default;
    TValue(const TSimpleValue& simple) : Holder(simple) {}
    TValue(std::unique_ptr<TCompoundValue> compound) : Holder(std::move(compound)) {}

    bool IsNil() const { return std::holds_alternative<std::monostate>(Holder); }
    bool IsSimple() const { return std::holds_alternative<TSimpleValue>(Holder); }
    bool IsCompound() const {
        return std::holds_alternative<std::unique_ptr<TCompoundValue>>(Holder);
    }
    TSimpleValue& Simple() { return std::get<TSimpleValue>(Holder); }
    const TSimpleValue& Simple() const { return std::get<TSimpleValue>(Holder); }
    TCompoundValue& Compound() { return *std::get<std::unique_ptr<TCompoundValue>>(Holder); }
    const TCompoundValue& Compound() const {
        return *std::get<std::unique_ptr<TCompoundValue>>(Holder);
    }

private:
    std::variant<std::monostate, TSimpleValue, std::unique_ptr<TCompoundValue>> Holder;
};

// The value of a compound type: one element per child signal, in child order.
class TCompoundValue {
public:
    bool Empty = false;
    std::vector<TValue> Elements;

    // Sets Empty on every element, recursively; the compound's own flag stays as it is (it
    // follows from its elements when the value is built from a signal).
    void SetEmpty(bool empty);
};

// A deep copy: the same shape, flags and cells.
TValue CopyValue(const TValue& value);
// Sets Empty on a simple value, or on every element of a compound one.
void SetValueEmpty(TValue& value, bool empty);

// A value of any type handed to a type operation, not owned: a simple cell or a compound value.
class TValueRef {
public:
    TValueRef(const TSimpleValue& simple) : SimplePtr(&simple) {}
    TValueRef(const TCompoundValue& compound) : CompoundPtr(&compound) {}
    // A nil value (of a type that cannot make one) reads as an Empty zero cell.
    TValueRef(const TValue& value);

    bool IsCompound() const { return CompoundPtr != nullptr; }
    const TSimpleValue& Simple() const { return *SimplePtr; }
    const TCompoundValue& Compound() const { return *CompoundPtr; }
    bool Empty() const { return CompoundPtr ? CompoundPtr->Empty : SimplePtr->Empty; }

private:
    const TSimpleValue* SimplePtr = nullptr;
    const TCompoundValue* CompoundPtr = nullptr;
};
