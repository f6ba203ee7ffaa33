#include "model/signals/WaveValue.h"

namespace {
const TSimpleValue EmptyCell = [] {
    TSimpleValue v;
    v.Empty = true;
    return v;
}();
} // namespace

void TCompoundValue::SetEmpty(bool empty) {
    for (TValue& element : Elements)
        SetValueEmpty(element, empty);
}

TValue CopyValue(const TValue& value) {
    if (value.IsSimple())
        return TValue(value.Simple());
    if (!value.IsCompound())
        return {};
    auto copy = std::make_unique<TCompoundValue>();
    copy->Empty = value.Compound().Empty;
    copy->Elements.reserve(value.Compound().Elements.size());
    for (const TValue& element : value.Compound().Elements)
        copy->Elements.push_back(CopyValue(element));
    return TValue(std::move(copy));
}

void SetValueEmpty(TValue& value, bool empty) {
    if (value.IsSimple())
        value.Simple().Empty = empty;
    else if (value.IsCompound())
        value.Compound().SetEmpty(empty);
}

TValueRef::TValueRef(const TValue& value) {
    if (value.IsCompound())
        CompoundPtr = &value.Compound();
    else
        SimplePtr = value.IsSimple() ? &value.Simple() : &EmptyCell;
}
