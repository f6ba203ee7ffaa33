// The document's process interface: every process goes to the editor control, except the
// few the document carries out itself (cross-probing, the legend, the regression output).
#include "model/signals/WaveSignal.h"
#include "plugin/Document.h"
#include "plugin/Editor1.h"
#include "plugin/Rt_Param.h"
#include "plugin/WaveLegend.h"
#include "rows/WaveRow.h"
#include "view/WaveEditor.h"

#include <algorithm>
#include <cctype>

namespace {
// The names a cross-probe identifier offers, in order: up to the first three ":"-separated
// parts, or the whole text when it has no ":".
std::vector<std::string> CrossProbeCandidates(const std::string& id) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (parts.size() < 3) {
        const size_t colon = id.find(':', start);
        parts.push_back(id.substr(start, colon == std::string::npos ? colon : colon - start));
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    return parts;
}

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}
} // namespace

HResult TWaveDocument::Forward(TWaveOperation operation, char* parameters, int32_t bufferSize) {
    return GuardCall([&] {
        if (TCustomWaveEditor* editor = Editor())
            editor->RunOperation(operation, parameters, bufferSize);
    });
}

int32_t TWaveDocument::Ask(TWaveQuery query) const {
    const TCustomWaveEditor* editor = Editor();
    return editor && editor->Query(query) ? 1 : 0;
}

HResult TWaveDocument::CrossProbeChoose(char* parameters, int32_t bufferSize) {
    return GuardCall([&] {
        if (parameters == nullptr)
            return;
        SetParameter(parameters, bufferSize, "Kind", "TEXT");
        TCustomWaveEditor* editor = Editor();
        const TWaveRow* row = editor ? editor->FocusedRow() : nullptr;
        std::string name = row && row->Signal() ? row->Signal()->FullName() : std::string();
        if (!name.empty() && name[0] == '!')
            name.erase(0, 1);
        if (name.empty())
            SetParameter(parameters, bufferSize, "Result", "False");
        else
            SetParameter(parameters, bufferSize, "Id", name);
    });
}

HResult TWaveDocument::CrossProbeNotify(char* parameters, int32_t) {
    return GuardCall([&] {
        TCustomWaveEditor* editor = Editor();
        if (editor == nullptr || parameters == nullptr)
            return;
        editor->FinishNameEdit();
        const std::string id = UpperCase(GetShortParameter(parameters, "Id"));
        TWaveRow* row = nullptr;
        for (const std::string& candidate : CrossProbeCandidates(id))
            if (!candidate.empty() && (row = editor->FindRowByName(candidate)) != nullptr)
                break;
        if (row == nullptr)
            return;
        editor->ScrollRowIntoView(editor->IndexOfRow(row));
        editor->SetFocusedRow(row);
    });
}

HResult TWaveDocument::Legend(char*, int32_t) {
    return GuardCall([&] { ShowLegendDialog(Window()); });
}

HResult TWaveDocument::WriteRegression(char*, int32_t) {
    // The regression table is written by the signal store's regression output.
    return S_OK;
}

HResult TWaveDocument::SetupPreferences(char*, int32_t) {
    return S_OK;
}

HResult TWaveDocument::CursorColour(char*, int32_t) {
    return S_OK;
}

#define WAVE_FORWARD(Name)                                                                         \
    HResult TWaveDocument::Name(char* parameters, int32_t bufferSize) {                            \
        return Forward(TWaveOperation::Name, parameters, bufferSize);                              \
    }
#define WAVE_ASK(Name)                                                                             \
    int32_t TWaveDocument::Name() {                                                                \
        return Ask(TWaveQuery::Name);                                                              \
    }
WAVE_FORWARD(AddTransition)
WAVE_FORWARD(ChangeColor)
WAVE_FORWARD(ChangeFont)
WAVE_FORWARD(ChangeFormatRadix)
WAVE_FORWARD(ChangeSignalGraphicallyOrMove)
WAVE_FORWARD(ChangeSignalGraphicallyOrSetFocus)
WAVE_FORWARD(Change)
WAVE_FORWARD(CollapseRow)
WAVE_FORWARD(Delete)
WAVE_FORWARD(DeleteSignalBySelection)
WAVE_FORWARD(ExpandRow)
WAVE_FORWARD(InsertSignal)
WAVE_FORWARD(Jump)
WAVE_FORWARD(MeasureTime)
WAVE_FORWARD(Clear)
WAVE_FORWARD(Copy)
WAVE_FORWARD(Cut)
WAVE_FORWARD(PasteView)
WAVE_FORWARD(PasteNewSignal)
WAVE_FORWARD(Select)
WAVE_FORWARD(SetTimeMark)
WAVE_FORWARD(Zoom)
WAVE_FORWARD(DeleteSignals)
WAVE_FORWARD(ShowSignals)
WAVE_FORWARD(MakeBus)
WAVE_FORWARD(MakeComparison)
WAVE_FORWARD(PrintDocument)
WAVE_FORWARD(SetupPrinter)
WAVE_FORWARD(Scroll)
WAVE_FORWARD(AddNewCursor)
WAVE_FORWARD(DeleteCursor)
WAVE_FORWARD(JumpToCursor)
WAVE_FORWARD(SetNameDepth)
WAVE_FORWARD(RowProperties)
WAVE_FORWARD(Highlight)
WAVE_FORWARD(ReverseBusOrder)
WAVE_FORWARD(ExtendPositiveEdges)
WAVE_FORWARD(ExtendNegativeEdges)
WAVE_FORWARD(SortByNameAsc)
WAVE_FORWARD(SortByNameDsc)
WAVE_ASK(CanHighlight)
WAVE_ASK(IsHighlighted)
WAVE_ASK(CanReverseBusOrder)
WAVE_ASK(CanExtendPositiveEdges)
WAVE_ASK(IsExtendingPositiveEdges)
WAVE_ASK(CanExtendNegativeEdges)
WAVE_ASK(IsExtendingNegativeEdges)
WAVE_ASK(SelectionContainsGroup)
WAVE_ASK(IsSelectionEmpty)
WAVE_ASK(IsClipboardEmpty)
#undef WAVE_FORWARD
#undef WAVE_ASK
