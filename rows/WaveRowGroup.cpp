#include "rows/WaveRowGroup.h"

#include "model/signals/WaveSignal.h"
#include "model/types/Wavetype.h"
#include "preferences/OutArguments.h"

namespace {
const char* const cGroupTypeName = "group";
const char* const cCompareTypeName = "compare";
const char* const cCopySuffix = "(2)";
} // namespace

TWaveRowGroup::TWaveRowGroup() = default;
TWaveRowGroup::~TWaveRowGroup() = default;

HResult TWaveRowGroup::QueryInterface(const TGUID& iid, void** object) {
    return TInterfaceTable<TWaveRowGroup, IWaveRow, IWaveGroupRow>::Query(this, iid, object);
}

void TWaveRowGroup::AssignTo(TWaveRow& target) const {
    auto* group = dynamic_cast<TWaveRowGroup*>(&target);
    if (group == nullptr) {
        TWaveRowCompound::AssignTo(target);
        return;
    }
    CopyCompoundPart(*group);
    group->FGroupName = FGroupName;
    if (FGroupSignal) {
        std::vector<TSignalNode*> members;
        for (int32_t i = 0; i < FGroupSignal->ChildCount(); ++i)
            members.push_back(FGroupSignal->Child(i));
        group->Install(group->NewType(FGroupType->Store()),
                       group->NewSignalWithIdentity(FGroupSignal->Document(), FGroupName,
                                                    FGroupSignal->UniqueID(), FGroupSignal->Mark),
                       members);
    }
    group->SetGroupName(FGroupName + cCopySuffix);
}

std::unique_ptr<TWaveRow> TWaveRowGroup::Clone() const {
    auto copy = std::make_unique<TWaveRowGroup>();
    AssignTo(*copy);
    return copy;
}

HResult TWaveRowGroup::GetChildCount(int32_t* count) {
    return Answer(count, ChildCount());
}

HResult TWaveRowGroup::GetChild(int32_t index, IWaveRow** child) {
    if (const HResult cleared = ClearOut(child); Failed(cleared))
        return cleared;
    return HandOut<IWaveRow>(Child(index), child);
}

void TWaveRowGroup::SetGroupName(std::string_view name) {
    FGroupName = ShortString(name);
}

std::vector<TSignalNode*> TWaveRowGroup::ChildSignals() const {
    std::vector<TSignalNode*> members;
    for (int32_t i = 0; i < ChildCount(); ++i)
        if (TSignalNode* member = Child(i)->Signal())
            members.push_back(member);
    return members;
}

std::unique_ptr<TSignalCompound> TWaveRowGroup::NewSignalWithIdentity(TSignalDocument* document,
                                                                      std::string_view name,
                                                                      int32_t identifier,
                                                                      bool mark) const {
    auto signal = NewSignal(document);
    signal->SetName(name);
    signal->SetUniqueID(identifier);
    signal->Mark = mark;
    return signal;
}

void TWaveRowGroup::BuildSignal(TSignalDocument* document, TWaveDataTypeStore* types) {
    Install(NewType(types), NewSignalWithIdentity(document, FGroupName, Identifier(), false),
            ChildSignals());
}

void TWaveRowGroup::RebuildSignal() {
    if (!FGroupSignal)
        return;
    Install(NewType(FGroupType->Store()),
            NewSignalWithIdentity(FGroupSignal->Document(), FGroupSignal->Name(),
                                  FGroupSignal->UniqueID(), FGroupSignal->Mark),
            ChildSignals());
    if (TWaveRowGroup* above = AsGroupRow(Parent()))
        above->RebuildSignal();
}

void TWaveRowGroup::Install(std::unique_ptr<TGroupWaveType> type,
                            std::unique_ptr<TSignalCompound> signal,
                            const std::vector<TSignalNode*>& members) {
    for (TSignalNode* member : members) {
        signal->AppendMember(*member);
        type->MemberTypes().push_back(member->DataType());
    }
    signal->SetDataType(type.get());
    // The row's options stay: they were read with the row or copied from its source.
    SetSignal(signal.get());
    FGroupSignal = std::move(signal);
    FGroupType = std::move(type);
}

std::unique_ptr<TGroupWaveType> TWaveRowGroup::NewType(TWaveDataTypeStore* types) const {
    auto type = std::make_unique<TGroupWaveType>(types);
    type->SetName(cGroupTypeName);
    return type;
}

std::unique_ptr<TSignalCompound> TWaveRowGroup::NewSignal(TSignalDocument* document) const {
    return std::make_unique<TSignalCompound>(document);
}

std::unique_ptr<TWaveRow> TWaveRowCompare::Clone() const {
    auto copy = std::make_unique<TWaveRowCompare>();
    AssignTo(*copy);
    return copy;
}

std::unique_ptr<TGroupWaveType> TWaveRowCompare::NewType(TWaveDataTypeStore* types) const {
    auto type = std::make_unique<TCompareWaveType>(types);
    type->SetName(cCompareTypeName);
    return type;
}

std::unique_ptr<TSignalCompound> TWaveRowCompare::NewSignal(TSignalDocument* document) const {
    return std::make_unique<TSignalCompare>(document);
}

TWaveRowGroup* AsGroupRow(TWaveRow* row) {
    return row && row->IsGroup() ? static_cast<TWaveRowGroup*>(row) : nullptr;
}
