#include "plugin/Commands_Wave.h"

#include "platform/com/Exception.h"
#include "plugin/Document.h"

namespace {

using TDocAction = HResult (IAbstractWaveDoc::*)(char*, int32_t);
using TDocQuery = int32_t (IAbstractWaveDoc::*)();

// The view's owner document as a waveform document; nil when there is no view or the document is
// not a waveform document (not an editable one, for edit processes).
TComPtr<IAbstractWaveDoc> WaveDocumentOf(IServerView* view, bool edit) {
    if (view == nullptr)
        return {};
    TComPtr<IServerDocumentView> documentView(QueryInterfaceOf<IServerDocumentView>(view));
    if (!documentView)
        throw Exception("The view does not belong to a document");
    TComPtr<IServerDocument> document;
    OleCheck(documentView->GetOwnerDocument(document.Out()));
    if (edit)
        return TComPtr<IAbstractWaveDoc>(QueryInterfaceOf<IWaveEditDocument>(document.Get()));
    return TComPtr<IAbstractWaveDoc>(QueryInterfaceOf<IAbstractWaveDoc>(document.Get()));
}

template <TDocAction Action, bool Edit>
void RunOnDocument(IServerView* view, char* parameters, int32_t bufferSize) {
    if (auto document = WaveDocumentOf(view, Edit))
        OleCheck((document.Get()->*Action)(parameters, bufferSize));
}

template <TDocQuery CanRun, TDocQuery IsChecked>
void StateOfDocument(IServerView* view, char*, int32_t& enabled, int32_t& checked, int32_t&,
                     uint8_t&, uint8_t&) {
    auto document = WaveDocumentOf(view, false);
    if (!document) {
        enabled = 0;
        return;
    }
    enabled = (document.Get()->*CanRun)() != 0;
    if constexpr (IsChecked != nullptr)
        if (enabled)
            checked = (document.Get()->*IsChecked)() != 0;
}

} // namespace

void RegisterWaveProcesses(TCommandLauncher& launcher) {
    launcher.RegisterCommand("AddTransition",
                             RunOnDocument<&IAbstractWaveDoc::AddTransition, true>);
    launcher.RegisterCommand("Change", RunOnDocument<&IAbstractWaveDoc::Change, false>);
    launcher.RegisterCommand("ChangeColor", RunOnDocument<&IAbstractWaveDoc::ChangeColor, false>);
    launcher.RegisterCommand("ChangeFont", RunOnDocument<&IAbstractWaveDoc::ChangeFont, false>);
    launcher.RegisterCommand("ChangeFormatRadix",
                             RunOnDocument<&IAbstractWaveDoc::ChangeFormatRadix, false>);
    launcher.RegisterCommand(
        "ChangeSignalGraphicallyOrMove",
        RunOnDocument<&IAbstractWaveDoc::ChangeSignalGraphicallyOrMove, false>);
    launcher.RegisterCommand(
        "ChangeSignalGraphicallyOrSetFocus",
        RunOnDocument<&IAbstractWaveDoc::ChangeSignalGraphicallyOrSetFocus, false>);
    launcher.RegisterCommand("Clear", RunOnDocument<&IAbstractWaveDoc::Clear, true>);
    launcher.RegisterCommand("CollapseRow", RunOnDocument<&IAbstractWaveDoc::CollapseRow, false>);
    launcher.RegisterCommand("Copy", RunOnDocument<&IAbstractWaveDoc::Copy, false>);
    launcher.RegisterCommand("CrossProbeChoose",
                             RunOnDocument<&IAbstractWaveDoc::CrossProbeChoose, false>);
    launcher.RegisterCommand("CrossProbeNotify",
                             RunOnDocument<&IAbstractWaveDoc::CrossProbeNotify, false>);
    launcher.RegisterCommand("Cut", RunOnDocument<&IAbstractWaveDoc::Cut, false>);
    launcher.RegisterCommand("Delete", RunOnDocument<&IAbstractWaveDoc::Delete, false>);
    launcher.RegisterCommand("ExpandRow", RunOnDocument<&IAbstractWaveDoc::ExpandRow, false>);
    launcher.RegisterCommand("DeleteSignals",
                             RunOnDocument<&IAbstractWaveDoc::DeleteSignals, true>);
    launcher.RegisterCommand("DeleteSignalBySelection",
                             RunOnDocument<&IAbstractWaveDoc::DeleteSignalBySelection, false>);
    launcher.RegisterCommand("InsertSignal", RunOnDocument<&IAbstractWaveDoc::InsertSignal, true>);
    launcher.RegisterCommand("Jump", RunOnDocument<&IAbstractWaveDoc::Jump, false>);
    launcher.RegisterCommand("Legend", RunOnDocument<&IAbstractWaveDoc::Legend, true>);
    launcher.RegisterCommand("MakeBus", RunOnDocument<&IAbstractWaveDoc::MakeBus, false>);
    launcher.RegisterCommand("MakeComparison",
                             RunOnDocument<&IAbstractWaveDoc::MakeComparison, false>);
    launcher.RegisterCommand("MeasureTime", RunOnDocument<&IAbstractWaveDoc::MeasureTime, false>);
    launcher.RegisterCommand("PasteView", RunOnDocument<&IAbstractWaveDoc::PasteView, false>);
    launcher.RegisterCommand("PasteNewSignal",
                             RunOnDocument<&IAbstractWaveDoc::PasteNewSignal, true>);
    launcher.RegisterCommand("PrintDocument",
                             RunOnDocument<&IAbstractWaveDoc::PrintDocument, false>);
    launcher.RegisterCommand("Scroll", RunOnDocument<&IAbstractWaveDoc::Scroll, false>);
    launcher.RegisterCommand("Select", RunOnDocument<&IAbstractWaveDoc::Select, false>);
    launcher.RegisterCommand("SetTimeMark", RunOnDocument<&IAbstractWaveDoc::SetTimeMark, false>);
    launcher.RegisterCommand("SetupPreferences",
                             RunOnDocument<&IAbstractWaveDoc::SetupPreferences, false>);
    launcher.RegisterCommand("SetupPrinter", RunOnDocument<&IAbstractWaveDoc::SetupPrinter, false>);
    launcher.RegisterCommand("ShowSignals", RunOnDocument<&IAbstractWaveDoc::ShowSignals, false>);
    launcher.RegisterCommand("Zoom", RunOnDocument<&IAbstractWaveDoc::Zoom, false>);
    launcher.RegisterCommand("AddNewCursor", RunOnDocument<&IAbstractWaveDoc::AddNewCursor, false>);
    launcher.RegisterCommand("DeleteCursor", RunOnDocument<&IAbstractWaveDoc::DeleteCursor, false>);
    launcher.RegisterCommand("CursorColour", RunOnDocument<&IAbstractWaveDoc::CursorColour, false>);
    launcher.RegisterCommand("JumpToCursor", RunOnDocument<&IAbstractWaveDoc::JumpToCursor, false>);
    launcher.RegisterCommand("SetNameDepth", RunOnDocument<&IAbstractWaveDoc::SetNameDepth, false>);
    launcher.RegisterCommand("WriteRegression",
                             RunOnDocument<&IAbstractWaveDoc::WriteRegression, false>);
    launcher.RegisterCommand("RowProperties",
                             RunOnDocument<&IAbstractWaveDoc::RowProperties, false>);
    launcher.RegisterCommand("ExtendPositiveEdges",
                             RunOnDocument<&IAbstractWaveDoc::ExtendPositiveEdges, false>,
                             StateOfDocument<&IAbstractWaveDoc::CanExtendPositiveEdges,
                                             &IAbstractWaveDoc::IsExtendingPositiveEdges>);
    launcher.RegisterCommand("ExtendNegativeEdges",
                             RunOnDocument<&IAbstractWaveDoc::ExtendNegativeEdges, false>,
                             StateOfDocument<&IAbstractWaveDoc::CanExtendNegativeEdges,
                                             &IAbstractWaveDoc::IsExtendingNegativeEdges>);
    launcher.RegisterCommand(
        "Highlight", RunOnDocument<&IAbstractWaveDoc::Highlight, false>,
        StateOfDocument<&IAbstractWaveDoc::CanHighlight, &IAbstractWaveDoc::IsHighlighted>);
    launcher.RegisterCommand("ReverseBusOrder",
                             RunOnDocument<&IAbstractWaveDoc::ReverseBusOrder, false>,
                             StateOfDocument<&IAbstractWaveDoc::CanReverseBusOrder, nullptr>);
    launcher.RegisterCommand("SortByNameAsc",
                             RunOnDocument<&IAbstractWaveDoc::SortByNameAsc, false>);
    launcher.RegisterCommand("SortByNameDsc",
                             RunOnDocument<&IAbstractWaveDoc::SortByNameDsc, false>);
}
