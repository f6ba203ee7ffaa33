#include "model/types/WaveDataType.h"

#include "model/types/ValueText.h"

void TWaveDataType::ParseDescription(TDescriptionReader&, TWaveDataTypeStore&) {}

std::string TWaveDataType::GetFullDescription() const {
    std::string text;
    AppendField(text, KindCode());
    return text + GetDescription();
}

std::string TWaveDataType::GetDescription() const {
    return {};
}
void TWaveDataType::WriteBinaryV1(TFile_Abstract&) const {}
void TWaveDataType::ReadBinaryV1(TFile_Abstract&) {}
void TWaveDataType::WriteRecord(TFile_Abstract&) const {}
void TWaveDataType::ReadRecord(TFile_Abstract&) {}
int32_t TWaveDataType::KindCode() const {
    return TypeKind::Other;
}

void TWaveDataType::PaintSpan(TWavePaintContext& context, const TSignalEvent& event,
                              const TSignalEvent* nextEvent) {
    PaintValue(context, event, nextEvent);
}

void TWaveDataType::PaintValue(TWavePaintContext&, const TSignalEvent&, const TSignalEvent*) {}

std::string TWaveDataType::FormatValue(TValueRef, const TRowFormat&) const {
    return {};
}
bool TWaveDataType::HasRadixChoice() const {
    return false;
}
bool TWaveDataType::IsLogicLevel() const {
    return false;
}
bool TWaveDataType::HasNumericFormat() const {
    return false;
}
bool TWaveDataType::IsPlaceHolder() const {
    return false;
}
bool TWaveDataType::IsCompound() const {
    return false;
}
bool TWaveDataType::IsAccess() const {
    return false;
}
bool TWaveDataType::IsAccessHolder() const {
    return false;
}
TValue TWaveDataType::CloneValue(TValueRef) const {
    return {};
}
TTypeTreeNode* TWaveDataType::AddToTypeTree(TTypeTreeNode&) const {
    return nullptr;
}

void TWaveDataType::InitRowOptions(TRowFormat& format) const {
    format.Radix = TWaveRadix::Default;
    format.Format = TWaveFormat::Default;
    format.Disassembler.clear();
}

std::vector<TWaveDataType*> TWaveDataType::ElementTypes() const {
    return {};
}
bool TWaveDataType::ValuesEqual(TValueRef, TValueRef) const {
    return false;
}
int32_t TWaveDataType::ValueByteSize() const {
    return 0;
}
std::vector<TWaveDataType*> TWaveDataType::ReferencedTypes() const {
    return {};
}
void TWaveDataType::ReplaceSelfReference(int32_t, TSelfReferenceWalk&) {}
bool TWaveDataType::IsSingleCharacter() const {
    return false;
}
int32_t TWaveDataType::MaxTextWidth(int32_t, int32_t) const {
    return 0;
}
std::string TWaveDataType::ValueText(TValueRef) const {
    return {};
}

HResult TWaveDataType::SetLeftBound(int32_t) {
    return S_OK;
}
HResult TWaveDataType::SetRightBound(int32_t) {
    return S_OK;
}
HResult TWaveDataType::SetElementType(const char*) {
    return S_OK;
}
HResult TWaveDataType::SetConstrainedElementType(const char*, int32_t, int32_t) {
    return S_OK;
}
HResult TWaveDataType::AddField(const char*, const char*) {
    return S_OK;
}
HResult TWaveDataType::AddConstrainedField(const char*, const char*, int32_t, int32_t) {
    return S_OK;
}

HResult TWaveDataType::QueryNil(IUnknown** result) {
    if (result)
        *result = nullptr;
    return S_OK;
}

HResult TWaveDataType::AddLiteral(const char*) {
    return S_OK;
}
HResult TWaveDataType::AddUnit(const char*, int32_t, const char*) {
    return S_OK;
}
HResult TWaveDataType::SetDesignatedType(const char*) {
    return S_OK;
}

void TWaveDataType::SetName(std::string_view name) {
    FName = ShortString(name);
}

TTypeTreeNode* TWaveDataType::AddPredefinedEntry(TTypeTreeNode& parent,
                                                 std::string_view name) const {
    TTypeTreeNode& node = parent.Add(name);
    node.Add("pre-defined type");
    return &node;
}
