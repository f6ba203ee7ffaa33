// The editor processes the control carries out itself; the others arrive with the mouse,
// keyboard, editing, clipboard, cursor and printing behaviour of the control.
#include "rows/RowTree.h"
#include "view/WaveEditor.h"

void TCustomWaveEditor::RunOperation(TWaveOperation operation, char*, int32_t) {
    switch (operation) {
    case TWaveOperation::ExpandRow:
        SetFocusedRowExpanded(true);
        break;
    case TWaveOperation::CollapseRow:
        SetFocusedRowExpanded(false);
        break;
    default:
        break;
    }
}

bool TCustomWaveEditor::Query(TWaveQuery query) const {
    // Nothing can be selected or copied yet, and no highlight or edge mode exists.
    return query == TWaveQuery::IsSelectionEmpty || query == TWaveQuery::IsClipboardEmpty;
}

void TCustomWaveEditor::SetFocusedRowExpanded(bool expanded) {
    TWaveRow* row = FocusedRow();
    if (row == nullptr || !FRowTree->SetExpanded(*row, expanded))
        return;
    for (TWaveRow* visible : FRowTree->VisibleRows())
        if (visible->Editor == nullptr)
            Adopt(*visible);
    Layout();
    InvalidateRowsFrom(IndexOfRow(row));
    MarkModified();
}
