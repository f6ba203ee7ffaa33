#include "rows/WaveRow.h"

#include "model/signals/SignalDocument.h"
#include "model/signals/WaveSignal.h"
#include "model/types/Wavetype.h"
#include "preferences/OutArguments.h"
#include "rows/RowDefaults.h"

#include <algorithm>

const char* const cEndOfDisplayName = "End of Display";

TWaveRow::TWaveRow() : WaveHeight(RowDefaults().SignalHeight()) {
    FontFromText(RowDefaults().FontText(), Options.Font);
}

void TWaveRow::AssignTo(TWaveRow& target) const {
    target.NamePanel = NamePanel;
    target.WavePanel = WavePanel;
    target.Editor = Editor;
    target.TopGap = TopGap;
    target.WaveHeight = WaveHeight;
    target.BottomGap = BottomGap;
    std::copy(std::begin(TopCoord), std::end(TopCoord), target.TopCoord);
    std::copy(std::begin(BottomCoord), std::end(BottomCoord), target.BottomCoord);
    // The name depth belongs to this row's caption only.
    const int32_t targetDepth = target.Options.NameDepth;
    target.Options = Options;
    target.Options.NameDepth = targetDepth;
    target.FSignal = FSignal;
    target.FIdentifier = FIdentifier;
}

void TWaveRow::AppendVisibleRows(std::vector<TWaveRow*>& list) {
    list.push_back(this);
}

HResult TWaveRow::GetSignal(IWaveSignal** signal) {
    if (const HResult cleared = ClearOut(signal); Failed(cleared))
        return cleared;
    return HandOut<IWaveSignal>(FSignal, signal);
}

HResult TWaveRow::IsCompound(int32_t* compound) {
    return Answer(compound, IsCompound() ? 1 : 0);
}

HResult TWaveRow::IsGroup(int32_t* group) {
    return Answer(group, IsGroup() ? 1 : 0);
}

HResult TWaveRow::IsCompare(int32_t* compare) {
    return Answer(compare, IsCompare() ? 1 : 0);
}

HResult TWaveRow::IsBus(int32_t* bus) {
    return Answer(bus, IsBus() ? 1 : 0);
}

void TWaveRow::AttachSignal(TSignalNode* signal) {
    FSignal = signal;
    if (signal == nullptr)
        return;
    FIdentifier = signal->UniqueID();
    if (const TWaveDataType* type = signal->DataType()) {
        TRowFormat format = Options.ToRowFormat();
        type->InitRowOptions(format);
        Options.TakeRowFormat(format);
    }
    Options.Radix = signal->DisplayRadix();
    Options.SetDisassemblerName(signal->DisassemblerName());
    Options.Format = signal->DisplayFormat();
}

int32_t TWaveRow::Depth() const {
    int32_t depth = 0;
    for (const TWaveRow* row = FParent; row; row = row->FParent)
        ++depth;
    return depth;
}

bool TWaveRow::IsLastChild() const {
    return FParent && FParent->ChildCount() > 0 &&
           FParent->Child(FParent->ChildCount() - 1) == this;
}

TWaveRow& TWaveRow::Outermost() {
    TWaveRow* row = this;
    while (row->FParent)
        row = row->FParent;
    return *row;
}

bool TWaveRow::ShowsPlaceHolder() const {
    return FSignal && FSignal->DataType() && FSignal->DataType()->IsPlaceHolder();
}

std::string TWaveRow::ValueText(int64_t time) const {
    if (FSignal == nullptr || FSignal->DataType() == nullptr)
        return {};
    return FSignal->DataType()->FormatValue(FSignal->ValueAt(time), Options.ToRowFormat());
}

void TWaveRow::DistributeTotalHeight(int32_t requested) {
    const int64_t half = (int64_t{requested} - TotalHeight()) / 2;
    TopGap = static_cast<int32_t>(std::clamp<int64_t>(TopGap + half, 0, INT32_MAX));
    BottomGap = static_cast<int32_t>(std::clamp<int64_t>(BottomGap + half, 0, INT32_MAX));
}

std::unique_ptr<TWaveRow> TWaveRowSimple::Clone() const {
    auto copy = std::make_unique<TWaveRowSimple>();
    AssignTo(*copy);
    return copy;
}

// ---- TWaveRowCompound ----

void TWaveRowCompound::CopyCompoundPart(TWaveRowCompound& target) const {
    TWaveRow::AssignTo(target);
    target.FExpanded = FExpanded;
    for (const auto& child : FChildren)
        target.AppendChild(child->Clone());
}

void TWaveRowCompound::AssignTo(TWaveRow& target) const {
    if (auto* compound = dynamic_cast<TWaveRowCompound*>(&target))
        CopyCompoundPart(*compound);
    else
        TWaveRow::AssignTo(target);
}

std::unique_ptr<TWaveRow> TWaveRowCompound::Clone() const {
    auto copy = std::make_unique<TWaveRowCompound>();
    AssignTo(*copy);
    return copy;
}

void TWaveRowCompound::EnsureChildRows() {
    const TSignalNode* signal = Signal();
    if (signal == nullptr)
        return;
    for (int32_t i = ChildCount(); i < signal->ChildCount(); ++i) {
        TSignalNode* childSignal = signal->Child(i);
        std::unique_ptr<TWaveRow> row;
        if (childSignal->IsCompound())
            row = std::make_unique<TWaveRowCompound>();
        else
            row = std::make_unique<TWaveRowSimple>();
        row->AttachSignal(childSignal);
        if (const auto color = RowDefaults().DefaultStyleColor(row->IsCompound()))
            row->Options.Font.Color = *color;
        AppendChild(std::move(row));
    }
}

void TWaveRowCompound::AppendVisibleRows(std::vector<TWaveRow*>& list) {
    list.push_back(this);
    if (!FExpanded)
        return;
    EnsureChildRows();
    for (const auto& child : FChildren)
        child->AppendVisibleRows(list);
}

TWaveRow* TWaveRowCompound::Child(int32_t index) const {
    if (index < 0 || index >= ChildCount())
        return nullptr;
    return FChildren[static_cast<size_t>(index)].get();
}

int32_t TWaveRowCompound::IndexOfChild(const TWaveRow* child) const {
    for (size_t i = 0; i < FChildren.size(); ++i)
        if (FChildren[i].get() == child)
            return static_cast<int32_t>(i);
    return -1;
}

TWaveRow* TWaveRowCompound::InsertChild(int32_t index, std::unique_ptr<TWaveRow> child) {
    child->SetParent(this);
    const int32_t at = std::clamp(index, 0, ChildCount());
    return FChildren.insert(FChildren.begin() + at, std::move(child))->get();
}

std::unique_ptr<TWaveRow> TWaveRowCompound::ExtractChild(const TWaveRow* child) {
    const int32_t index = IndexOfChild(child);
    if (index < 0)
        return nullptr;
    std::unique_ptr<TWaveRow> row = std::move(FChildren[static_cast<size_t>(index)]);
    FChildren.erase(FChildren.begin() + index);
    row->SetParent(nullptr);
    return row;
}

// ---- TWaveRowPlaceHolder ----

TWaveRowPlaceHolder::TWaveRowPlaceHolder(TSignalDocument& document, TWaveDataTypeStore* types)
    : FOwnedType(std::make_unique<TWavePlaceHolderType>(types)) {
    auto signal = std::make_unique<TSignalSimple>(&document);
    signal->SetDataType(FOwnedType.get());
    const auto& type = static_cast<const TWavePlaceHolderType&>(*FOwnedType);
    signal->AppendEvent(0, type.ValueFromText("").value_or(TSimpleValue()), 0);
    signal->SetUniqueID(document.SignalIDs().AllocateLow());
    signal->SetName(cEndOfDisplayName);
    FOwnedSignal = std::move(signal);
    AttachSignal(FOwnedSignal.get());
}

TWaveRowPlaceHolder::~TWaveRowPlaceHolder() = default;
