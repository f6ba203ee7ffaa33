// The document-building interface: other modules fill a document with types, signals, groups
// and rows without a file.
#include "model/signals/WaveSignal.h"
#include "model/types/CompoundTypes.h"
#include "plugin/Document.h"
#include "plugin/Panel.h"
#include "preferences/WavePreferences.h"
#include "rows/RowTree.h"
#include "rows/WaveRowGroup.h"
#include "view/WaveEditor.h"

#include <algorithm>
#include <cctype>
#include <functional>

namespace {
int64_t JoinHalves(uint32_t low, int32_t high) {
    return static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(high)) << 32) | low);
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

// Every row of the tree, top-level rows and the children of compound rows, depth first.
void ForEachRow(const TRowTree& tree, const std::function<void(TWaveRow&)>& visit) {
    std::function<void(TWaveRow&)> walk = [&](TWaveRow& row) {
        visit(row);
        if (!row.IsCompound())
            return;
        auto& compound = static_cast<TWaveRowCompound&>(row);
        for (int32_t i = 0; i < compound.ChildCount(); ++i)
            walk(*compound.Child(i));
    };
    for (int32_t i = 0; i < tree.Count(); ++i)
        walk(*tree.Item(i));
}
} // namespace

void TWaveDocument::ColourRow(TWaveRow& row, const char* styleName, bool groupRow) const {
    const TWavePreferences* preferences = WavePreferences();
    if (preferences == nullptr)
        return;
    if (auto color = StyleColorForNewRow(preferences->Styles, InterfaceText(styleName), groupRow))
        row.Options.Font.Color = *color;
}

void TWaveDocument::RefreshAfterBuilding() {
    if (TCustomWaveEditor* editor = Editor())
        editor->InvalidateAll();
    if (TWaveServerPanel* panel = Panel())
        panel->RefreshSignalList();
    SetModifiedFlag(true);
}

TSignalNode* TWaveDocument::NewSignalWithRow(const char* name, const char* typeName, int32_t low,
                                             int32_t high, bool atEnd, const char* styleName) {
    TCustomWaveEditor* editor = Editor();
    TWaveDataType* type = FTypes->FindByName(InterfaceText(typeName));
    if (editor == nullptr || type == nullptr)
        return nullptr;
    std::unique_ptr<TSignalNode> created = CreateSignalForType(*type, this, nullptr, low, high);
    const std::string_view text = InterfaceText(name);
    if (!text.empty())
        created->SetName(text);
    TSignalNode* signal = SignalStore().Add(std::move(created));

    std::unique_ptr<TWaveRow> row;
    if (type->IsCompound())
        row = std::make_unique<TWaveRowCompound>();
    else
        row = std::make_unique<TWaveRowSimple>();
    row->AttachSignal(signal);
    if (styleName)
        ColourRow(*row, styleName, type->IsCompound());
    const int32_t focused = editor->IndexOfRow(editor->FocusedRowIfAny());
    const int32_t position = atEnd ? editor->RowCount() : std::max(focused, 0);
    editor->SetFocusedRow(editor->InsertRow(std::move(row), position, false));
    RefreshAfterBuilding();
    return signal;
}

HResult TWaveDocument::GetRowCount(int32_t* count) {
    if (count == nullptr)
        return E_POINTER;
    *count = 0;
    return GuardCall([&] {
        if (const TCustomWaveEditor* editor = Editor())
            *count = editor->RowCount() - (editor->RowTree().EndsWithPlaceHolder() ? 1 : 0);
    });
}

HResult TWaveDocument::GetRow(int32_t index, IWaveRow** row) {
    if (HResult r = ClearOut(row); Failed(r))
        return r;
    int32_t count = 0;
    if (HResult r = GetRowCount(&count); Failed(r))
        return r;
    if (index < 0 || index >= count)
        return S_OK;
    return HandOut<IWaveRow>(Editor()->RowAt(index), row);
}

HResult TWaveDocument::CreateType(const char* name, int32_t kind, IWaveDataType** type) {
    if (HResult r = ClearOut(type); Failed(r))
        return r;
    return GuardCall([&] {
        const std::string_view text = InterfaceText(name);
        if (text.empty() || FTypes->FindByName(text))
            return;
        HandOut(FTypes->CreateForHost(name, kind), type);
    });
}

HResult TWaveDocument::FindType(const char* name, IWaveDataType** type) {
    if (HResult r = ClearOut(type); Failed(r))
        return r;
    return GuardCall(
        [&] { HandOut<IWaveDataType>(FTypes->FindByName(InterfaceText(name)), type); });
}

HResult TWaveDocument::AddSignalWithStyle(const char* name, const char* typeName,
                                          const char* styleName, IWaveSignal** signal) {
    if (HResult r = ClearOut(signal); Failed(r))
        return r;
    return GuardCall([&] {
        HandOut<IWaveSignal>(
            NewSignalWithRow(name, typeName, 0, 0, true, styleName ? styleName : ""), signal);
    });
}

HResult TWaveDocument::AddSignal(const char* name, const char* typeName, IWaveSignal** signal) {
    return AddSignalWithBounds(name, typeName, 0, 0, signal);
}

HResult TWaveDocument::AddSignalWithBounds(const char* name, const char* typeName, int32_t low,
                                           int32_t high, IWaveSignal** signal) {
    if (HResult r = ClearOut(signal); Failed(r))
        return r;
    return GuardCall([&] {
        HandOut<IWaveSignal>(NewSignalWithRow(name, typeName, low, high, false, nullptr), signal);
    });
}

HResult TWaveDocument::FindSignalByFullName(const char* name, IWaveSignal** signal) {
    if (HResult r = ClearOut(signal); Failed(r))
        return r;
    return GuardCall(
        [&] { HandOut<IWaveSignal>(SignalStore().FindByPath(InterfaceText(name)), signal); });
}

HResult TWaveDocument::FindSignalByName(const char* name, IWaveSignal** signal) {
    return FindSignalByFullName(name, signal);
}

HResult TWaveDocument::DeleteSignal(const char* fullName) {
    return GuardCall([&] {
        TCustomWaveEditor* editor = Editor();
        if (editor == nullptr)
            return;
        editor->FinishNameEdit();
        const std::string_view name = InterfaceText(fullName);
        std::vector<TSignalNode*> doomed;
        for (int32_t i = 0; i < SignalStore().Count(); ++i)
            if (SameNameIgnoringCase(SignalStore().Item(i)->FullName(), name))
                doomed.push_back(SignalStore().Item(i));
        if (doomed.empty())
            return;
        // Rows showing a doomed signal go before the signal does.
        std::vector<TWaveRow*> rows;
        ForEachRow(editor->RowTree(), [&](TWaveRow& row) {
            if (std::find(doomed.begin(), doomed.end(), row.Signal()) != doomed.end())
                rows.push_back(&row);
        });
        for (TWaveRow* row : rows)
            editor->RowTree().Detach(*row);
        editor->RowsChanged();
        for (TSignalNode* signal : doomed)
            SignalStore().Extract(signal);
        RefreshAfterBuilding();
    });
}

HResult TWaveDocument::AddGroup(const char* name, const char* styleName, IWaveSignal** signal) {
    if (HResult r = ClearOut(signal); Failed(r))
        return r;
    return GuardCall([&] {
        TCustomWaveEditor* editor = Editor();
        if (editor == nullptr)
            return;
        auto row = std::make_unique<TWaveRowGroup>();
        row->SetIdentifier(SignalIDs().AllocateHigh());
        const std::string_view text = InterfaceText(name);
        row->SetGroupName(text.empty() ? "New Group " + std::to_string(row->Identifier())
                                       : std::string(text));
        row->BuildSignal(this, FTypes.get());
        const TWavePreferences* preferences = WavePreferences();
        row->SetExpanded(preferences && preferences->ExpandBusSignals);
        ColourRow(*row, styleName ? styleName : "", true);
        TWaveRow* inserted = editor->InsertRow(std::move(row), editor->RowCount(), false);
        editor->SetFocusedRow(inserted);
        RefreshAfterBuilding();
        HandOut<IWaveSignal>(inserted->Signal(), signal);
    });
}

HResult TWaveDocument::AddGroupMember(const char* name, IWaveSignal* group, const char* styleName,
                                      IWaveSignal** signal) {
    if (HResult r = ClearOut(signal); Failed(r))
        return r;
    return GuardCall([&] {
        TCustomWaveEditor* editor = Editor();
        TWaveDataType* stdLogic = FTypes->FindByName("std_logic");
        if (editor == nullptr || group == nullptr || stdLogic == nullptr)
            return;
        TWaveRowGroup* groupRow = nullptr;
        ForEachRow(editor->RowTree(), [&](TWaveRow& row) {
            if (groupRow == nullptr && row.Signal() &&
                static_cast<IWaveSignal*>(row.Signal()) == group)
                groupRow = AsGroupRow(&row);
        });
        if (groupRow == nullptr)
            return;
        // A new member starts unknown at time 0, the default value of std_logic.
        std::unique_ptr<TSignalNode> created = CreateSignalForType(*stdLogic, this, nullptr, 0, 0);
        const std::string_view text = InterfaceText(name);
        if (!text.empty())
            created->SetName(text);
        TSignalNode* member = SignalStore().Add(std::move(created));
        auto row = std::make_unique<TWaveRowSimple>();
        row->AttachSignal(member);
        ColourRow(*row, styleName ? styleName : "", false);
        TWaveRow* added = groupRow->AppendChild(std::move(row));
        // The group's signal grows in place: the caller keeps using the signal it was given.
        static_cast<TSignalCompound*>(groupRow->Signal())->AppendMember(*member);
        groupRow->GroupType()->MemberTypes().push_back(member->DataType());
        editor->RowsChanged();
        editor->SetFocusedRow(added);
        RefreshAfterBuilding();
        HandOut<IWaveSignal>(member, signal);
    });
}

HResult TWaveDocument::ZoomToFit() {
    return S_OK; // the time axis arrives with zooming
}

HResult TWaveDocument::ZoomToRange(uint32_t, int32_t, uint32_t, int32_t) {
    return S_OK; // the time axis arrives with zooming
}

HResult TWaveDocument::FinishTypes() {
    return GuardCall([&] { FTypes->ResolveAccessTypes(); });
}

HResult TWaveDocument::ZoomIn() {
    return S_OK; // the time axis arrives with zooming
}

HResult TWaveDocument::ZoomOut() {
    return S_OK; // the time axis arrives with zooming
}

HResult TWaveDocument::Refresh() {
    return GuardCall([&] {
        if (TCustomWaveEditor* editor = Editor())
            editor->InvalidateAll();
    });
}

HResult TWaveDocument::ClearDocument() {
    return GuardCall([&] {
        ResetDocumentStores();
        if (TCustomWaveEditor* editor = Editor())
            editor->Layout();
        if (TWaveServerPanel* panel = Panel())
            panel->RefreshSignalList();
    });
}

HResult TWaveDocument::SetEndOfSimulationTime(uint32_t low, int32_t high) {
    return GuardCall([&] {
        if (TCustomWaveEditor* editor = Editor())
            editor->EndOfSimulationTime = JoinHalves(low, high);
    });
}

HResult TWaveDocument::SetSampleRate(uint32_t low, int32_t high) {
    return GuardCall([&] {
        if (TCustomWaveEditor* editor = Editor())
            editor->SampleRate = JoinHalves(low, high);
    });
}

HResult TWaveDocument::MarkModified(int32_t modified) {
    return GuardCall([&] {
        if (modified)
            SetModifiedFlag(true);
    });
}

HResult TWaveDocument::BeginReload(int32_t byName) {
    return GuardCall([&] {
        if (TCustomWaveEditor* editor = Editor())
            editor->TakeRowLayout(byName ? TRowLayoutKey::Name : TRowLayoutKey::UniqueID);
    });
}

HResult TWaveDocument::EndReload(int32_t) {
    return GuardCall([&] {
        if (TCustomWaveEditor* editor = Editor())
            editor->RestoreRowLayout();
    });
}
