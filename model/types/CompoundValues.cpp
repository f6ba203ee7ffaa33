// The values of the compound types: display, short text, equality and cloning.
#include "model/types/CompoundTypes.h"
#include "model/types/SimpleTypes.h"
#include "model/types/VectorDisplay.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

// Short texts of the elements: concatenated for single-character elements, otherwise in braces
// separated by blanks.
template <class TypeOf>
std::string ElementTexts(const TCompoundValue& value, bool concatenate, TypeOf&& typeOf) {
    std::string text = concatenate ? "" : "{";
    for (size_t i = 0; i < value.Elements.size(); ++i) {
        if (i > 0 && !concatenate)
            text += ' ';
        if (const TWaveDataType* type = typeOf(i))
            text += type->ValueText(value.Elements[i]);
    }
    return concatenate ? text : text + "}";
}

std::string ArrayValueText(TValueRef value, const TWaveDataType* element) {
    if (!value.IsCompound())
        return {};
    const bool single = element != nullptr && element->IsSingleCharacter();
    return ElementTexts(value.Compound(), single, [&](size_t) { return element; });
}

int32_t ClampWidth(int64_t width) {
    return static_cast<int32_t>(std::min<int64_t>(width, std::numeric_limits<int32_t>::max()));
}

// w × n for single-character elements, otherwise (w + 1) × n + 1.
int32_t ArrayTextWidth(const TWaveDataType* element, int32_t left, int32_t right) {
    if (element == nullptr)
        return 0;
    const int64_t n = RangeCount(left, right);
    const int64_t w = element->MaxTextWidth(left, right);
    return ClampWidth(element->IsSingleCharacter() ? w * n : (w + 1) * n + 1);
}

std::string ArrayDisplay(TValueRef value, const TRowFormat& format, const TWaveDataType* element) {
    if (!value.IsCompound())
        return {};
    if (element == nullptr)
        return BracedDisplay(value.Compound(), format, element);
    return LogicVectorDisplay(value.Compound(), format, *element);
}

bool IsLogicElement(const TWaveDataType* type) {
    return dynamic_cast<const TStdLogicWaveType*>(type) != nullptr;
}

} // namespace

// ---- TWaveCompoundType ----

bool TWaveCompoundType::ValuesEqual(TValueRef a, TValueRef b) const {
    if (!a.IsCompound() || !b.IsCompound())
        return false;
    const TCompoundValue& x = a.Compound();
    const TCompoundValue& y = b.Compound();
    if (x.Empty != y.Empty || x.Elements.size() != y.Elements.size())
        return false;
    for (size_t i = 0; i < x.Elements.size(); ++i) {
        const TWaveDataType* type = ElementType(static_cast<int32_t>(i));
        if (type == nullptr || !type->ValuesEqual(x.Elements[i], y.Elements[i]))
            return false;
    }
    return true;
}

TValue TWaveCompoundType::CloneValue(TValueRef value) const {
    if (!value.IsCompound())
        return {};
    auto clone = std::make_unique<TCompoundValue>();
    clone->Empty = value.Compound().Empty;
    clone->Elements.reserve(value.Compound().Elements.size());
    for (const TValue& element : value.Compound().Elements)
        clone->Elements.push_back(CopyValue(element));
    return TValue(std::move(clone));
}

// ---- arrays ----

std::string TBasicArrayWaveType::FormatValue(TValueRef value, const TRowFormat& format) const {
    return ArrayDisplay(value, format, FElementType);
}

std::string TBasicArrayWaveType::ValueText(TValueRef value) const {
    return ArrayValueText(value, FElementType);
}

int32_t TBasicArrayWaveType::MaxTextWidth(int32_t, int32_t) const {
    return ArrayTextWidth(FElementType, FLeftBound, FRightBound);
}

std::string TBasicUnconstrainedWaveType::FormatValue(TValueRef value,
                                                     const TRowFormat& format) const {
    return ArrayDisplay(value, format, FElementType);
}

std::string TBasicUnconstrainedWaveType::ValueText(TValueRef value) const {
    return ArrayValueText(value, FElementType);
}

int32_t TBasicUnconstrainedWaveType::MaxTextWidth(int32_t left, int32_t right) const {
    if (FConstrained)
        return ArrayTextWidth(FElementType, FLeftBound, FRightBound);
    return ArrayTextWidth(FElementType, left, right);
}

std::string TCUPLVectorType::FormatValue(TValueRef value, const TRowFormat& format) const {
    if (!value.IsCompound() || Element() == nullptr)
        return {};
    return CUPLVectorDisplay(value.Compound(), format, *Element());
}

std::string TStringWaveType::FormatValue(TValueRef value, const TRowFormat&) const {
    if (!value.IsCompound() || value.Compound().Empty)
        return {};
    std::string text = "\"";
    for (const TValue& element : value.Compound().Elements) {
        const int32_t code = TValueRef(element).Simple().Ordinal;
        if (code < 32 || (code >= 127 && code <= 159) || code > 255) {
            char escaped[16];
            std::snprintf(escaped, sizeof escaped, "/%.3d", code);
            text += escaped;
        } else {
            text += static_cast<char>(code);
        }
    }
    return text + "\"";
}

// ---- records and access types ----

std::string TBasicRecordWaveType::FormatValue(TValueRef value, const TRowFormat& format) const {
    if (!value.IsCompound())
        return {};
    return BracedDisplay(value.Compound(), format, FFieldTypes);
}

std::string TBasicRecordWaveType::ValueText(TValueRef value) const {
    if (!value.IsCompound())
        return {};
    return ElementTexts(value.Compound(), false, [&](size_t i) {
        return i < FFieldTypes.size() ? FFieldTypes[i] : nullptr;
    });
}

int32_t TBasicRecordWaveType::MaxTextWidth(int32_t left, int32_t right) const {
    int64_t width = FieldCount() + 1;
    for (const TWaveDataType* field : FFieldTypes)
        if (field != nullptr)
            width += field->MaxTextWidth(left, right);
    return ClampWidth(width);
}

std::string TAccessWaveType::FormatValue(TValueRef value, const TRowFormat& format) const {
    if (!value.IsCompound() || value.Compound().Empty)
        return {};
    const auto& elements = value.Compound().Elements;
    if (!elements.empty() && TValueRef(elements.front()).Simple().Ordinal == 0)
        return "{NULL}";
    return TBasicRecordWaveType::FormatValue(value, format);
}

// ---- groups and comparisons ----

std::string TGroupWaveType::FormatValue(TValueRef value, const TRowFormat& format) const {
    if (!value.IsCompound())
        return {};
    if (!FMemberTypes.empty() &&
        std::all_of(FMemberTypes.begin(), FMemberTypes.end(), IsLogicElement))
        return LogicVectorDisplay(value.Compound(), format, *FMemberTypes.front());
    return BracedDisplay(value.Compound(), format, FMemberTypes);
}

std::string TCompareWaveType::FormatValue(TValueRef value, const TRowFormat&) const {
    if (!value.IsCompound() || MemberTypes().empty() || MemberTypes().front() == nullptr)
        return "diff";
    const auto& elements = value.Compound().Elements;
    const bool match =
        elements.size() >= 2 && MemberTypes().front()->ValuesEqual(elements[0], elements[1]);
    return match ? "match" : "diff";
}
