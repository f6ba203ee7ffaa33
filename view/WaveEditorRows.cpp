// The editor's rows: access, vertical placement and hit tests per band, the focused row,
// insertion and removal, the layout snapshot, repaints after row changes and the in-place
// name editor.
#include "model/signals/WaveSignal.h"
#include "platform/com/Exception.h"
#include "platform/ui/QtConvert.h"
#include "preferences/WavePreferences.h"
#include "rows/RowTree.h"
#include "rows/WaveRowGroup.h"
#include "view/PaneCodes.h"
#include "view/SignalNameEdit.h"
#include "view/WaveEditor.h"

#include <QKeyEvent>

namespace {
constexpr size_t cShortStringLength = 255;
} // namespace

int TCustomWaveEditor::BandOf(uint8_t code) const {
    return InLowerRowBand(code) ? 1 : 0;
}

void TCustomWaveEditor::MarkModified() {
    if (FDocument)
        FDocument->MarkModified();
}

int32_t TCustomWaveEditor::RowCount() const {
    return FRowTree->VisibleCount();
}

TWaveRow* TCustomWaveEditor::RowAt(int32_t index) const {
    return FRowTree->VisibleRow(index);
}

int32_t TCustomWaveEditor::IndexOfRow(const TWaveRow* row) const {
    return FRowTree->VisibleIndexOf(row);
}

TWaveRow* TCustomWaveEditor::RowAtBandPosition(uint8_t code, int32_t position) const {
    return RowAt(NamePanelOf(code).FirstVisibleRow + position);
}

int64_t TCustomWaveEditor::HeightOfAllRows() const {
    return FRowTree->HeightOfAllRows();
}

int64_t TCustomWaveEditor::HeightOfRows(int32_t first, int32_t count) const {
    return FRowTree->HeightOfRows(first, count);
}

TWaveRow* TCustomWaveEditor::FindRowByName(std::string_view name) const {
    return FRowTree->FindRowByName(name);
}

void TCustomWaveEditor::RemeasureBand(TNamePanel& panel) {
    if (!panel.NeedsRemeasure)
        return;
    const int band = BandOf(panel.PaneCode());
    TRowBandSource source{[&](int32_t p) -> std::optional<int32_t> {
                              const TWaveRow* row = RowAtBandPosition(panel.PaneCode(), p);
                              if (row == nullptr)
                                  return std::nullopt;
                              return row->TotalHeight();
                          },
                          [&](int32_t p, TRowExtent extent) {
                              TWaveRow* row = RowAtBandPosition(panel.PaneCode(), p);
                              row->TopCoord[band] = extent.Top;
                              row->BottomCoord[band] = extent.Bottom;
                          }};
    panel.VisibleRowCount = PlaceRows(panel.height(), source);
    panel.NeedsRemeasure = false;
}

std::vector<TRowExtent> TCustomWaveEditor::BandExtents(uint8_t code) {
    TNamePanel& panel = NamePanelOf(code);
    RemeasureBand(panel);
    const int band = BandOf(code);
    std::vector<TRowExtent> extents;
    for (int32_t p = 0; p < panel.VisibleRowCount; ++p) {
        const TWaveRow* row = RowAtBandPosition(code, p);
        if (row == nullptr)
            break;
        extents.push_back({row->TopCoord[band], row->BottomCoord[band]});
    }
    return extents;
}

TWaveRow* TCustomWaveEditor::RowAtPoint(const TView& panel, TPoint point) {
    const uint8_t code = panel.PaneCode();
    const std::vector<TRowExtent> extents = BandExtents(code);
    int32_t position = -1;
    if (dynamic_cast<const TSignalPanel*>(&panel))
        position = RowAtWavePoint(extents, panel.LogicalWidth(), point);
    else if (dynamic_cast<const TNamePanel*>(&panel))
        position = RowAtNamePoint(extents, FColumns, point);
    return position < 0 ? nullptr : RowAtBandPosition(code, position);
}

TRowColumnHit TCustomWaveEditor::RowAndColumnAt(const TNamePanel& panel, TPoint point) {
    return ::RowAndColumnAt(BandExtents(panel.PaneCode()), FColumns, point);
}

TWaveRow* TCustomWaveEditor::FocusedRow() {
    if (FFocusedRow == nullptr)
        FFocusedRow = RowAt(0);
    return FFocusedRow;
}

void TCustomWaveEditor::SetFocusedRow(TWaveRow* row) {
    TWaveRow* old = FFocusedRow;
    FFocusedRow = row;
    if (old && IndexOfRow(old) >= 0)
        InvalidateRowName(*old);
    if (row)
        InvalidateRowName(*row);
    if (FWavePanel)
        FWavePanel->CurrentSignalChanged(row ? row->Signal() : nullptr);
}

void TCustomWaveEditor::Adopt(TWaveRow& row) {
    row.Editor = this;
    row.NamePanel = &SignalPanelOf(PaneCode::UpperLeftSignal);
    row.WavePanel = &SignalPanelOf(PaneCode::LowerLeftSignal);
}

TWaveRow* TCustomWaveEditor::InsertRow(std::unique_ptr<TWaveRow> row, int32_t position,
                                       bool asChild) {
    if (FDocument == nullptr)
        throw Exception("The editor has no document");
    TWaveRow* inserted = FRowTree->InsertRow(std::move(row), position, asChild,
                                             FDocument->SignalDocument(), &FDocument->TypeStore());
    for (TWaveRow* visible : FRowTree->VisibleRows())
        if (visible->Editor == nullptr)
            Adopt(*visible);
    Adopt(*inserted);
    InvalidateRowsFrom(IndexOfRow(inserted));
    MarkModified();
    return inserted;
}

bool TCustomWaveEditor::RemoveRow(int32_t index) {
    TWaveRow* row = RowAt(index);
    if (row == nullptr)
        return false;
    FinishNameEdit();
    if (!FRowTree->RemoveVisibleRow(index))
        return false;
    ForgetRowsGone();
    InvalidateRowsFrom(index);
    MarkModified();
    return true;
}

void TCustomWaveEditor::TakeRowLayout(TRowLayoutKey key) {
    Snapshot = ::TakeRowLayout(*FRowTree, key);
}

void TCustomWaveEditor::RestoreRowLayout() {
    if (!Snapshot)
        return;
    TRowLayoutList snapshot = std::move(*Snapshot);
    Snapshot.reset();
    FinishNameEdit();
    ::RestoreRowLayout(*FRowTree, std::move(snapshot));
    for (TWaveRow* row : FRowTree->VisibleRows())
        Adopt(*row);
    Layout();
}

void TCustomWaveEditor::ScrollRowIntoView(int32_t index) {
    if (index < 0 || index >= RowCount())
        index = 0;
    TNamePanel& panel = *FActiveNamePanel;
    RemeasureBand(panel);
    if (index >= panel.FirstVisibleRow && index < panel.FirstVisibleRow + panel.VisibleRowCount)
        return;
    panel.FirstVisibleRow = index;
    InvalidateRowsFrom(0);
    if (FDocument)
        FDocument->ViewChanged();
}

void TCustomWaveEditor::ForgetRowsGone() {
    // Membership only: a row that went must not be looked at.
    const auto& visible = FRowTree->VisibleRows();
    if (std::find(visible.begin(), visible.end(), FFocusedRow) == visible.end())
        FFocusedRow = nullptr;
}

void TCustomWaveEditor::RowsChanged() {
    FRowTree->RebuildVisibleRows();
    for (TWaveRow* row : FRowTree->VisibleRows())
        if (row->Editor == nullptr)
            Adopt(*row);
    ForgetRowsGone();
    InvalidateRowsFrom(0);
}

void TCustomWaveEditor::InvalidateRowsFrom(int32_t index) {
    for (TNamePanel* panel : NamePanels) {
        panel->NeedsRemeasure = true;
        panel->update();
    }
    // Rows above the change keep their pixels in each band.
    for (TSignalPanel* panel : SignalPanels) {
        const int32_t position = index - NamePanelOf(panel->PaneCode()).FirstVisibleRow;
        const TWaveRow* row = RowAt(index);
        const int band = BandOf(panel->PaneCode());
        if (row == nullptr || position < 0)
            panel->update();
        else
            panel->update(0, 0, panel->width(), panel->height() - row->BottomCoord[band] + 1);
    }
    for (QWidget* child :
         {static_cast<QWidget*>(TimePanels[0]), static_cast<QWidget*>(TimePanels[1]),
          static_cast<QWidget*>(CursorPanels[0]), static_cast<QWidget*>(CursorPanels[1])})
        child->update();
}

void TCustomWaveEditor::InvalidateRowName(const TWaveRow& row) {
    for (int band = 0; band < 2; ++band) {
        TNamePanel* panel = NamePanels[static_cast<size_t>(band)];
        const int top = panel->height() - row.TopCoord[band];
        panel->update(0, top, NameAreaWidth(), row.TopCoord[band] - row.BottomCoord[band] + 1);
    }
}

void TCustomWaveEditor::ClearRows() {
    FinishNameEdit();
    EditedRow = nullptr;
    FRowTree = std::make_unique<TRowTree>();
    FFocusedRow = nullptr;
    EndOfSimulationTime = 0;
    SampleRate = 0;
}

void TCustomWaveEditor::NewRows() {
    FRowTree->RebuildVisibleRows();
    CurrentTime = 0;
    for (TNamePanel* panel : NamePanels) {
        panel->FirstVisibleRow = 0;
        panel->NeedsRemeasure = true;
    }
    if (FWavePanel)
        FWavePanel->RefreshSignalList();
    InvalidateAll();
}

// --- In-place name editor --------------------------------------------------------------------

void TCustomWaveEditor::StartNameEdit(TWaveRow& row) {
    if (FDocument == nullptr || !FDocument->IsEditable() || row.Signal() == nullptr ||
        row.ShowsPlaceHolder())
        return;
    if (FNameEdit == nullptr)
        FNameEdit = new TSignalNameInPlaceEdit(*this);
    if (EditedRow)
        FinishNameEdit();
    const TWavePreferences* preferences = WavePreferences();
    QPalette palette = FNameEdit->palette();
    palette.setColor(QPalette::Base,
                     ToQtColor(preferences ? preferences->BackgroundColor : cSystemWindowColor));
    palette.setColor(QPalette::Text, ToQtColor(row.Options.Font.Color));
    FNameEdit->setPalette(palette);

    // Over column 2 of the row in the focus panel's band.
    const uint8_t code = FFocusPanel ? FFocusPanel->PaneCode() : PaneCode::LowerName;
    TNamePanel& panel = NamePanelOf(code);
    RemeasureBand(panel);
    const int band = BandOf(panel.PaneCode());
    const int32_t left = NameColumnLeft(FColumns, 2);
    const int32_t boxHeight = std::max(1, row.TopCoord[band] - row.BottomCoord[band]);
    const QPoint topLeft = panel.mapTo(this, QPoint(left, panel.height() - row.TopCoord[band]));
    FNameEdit->setGeometry(topLeft.x(), topLeft.y(), FColumns[1].Width, boxHeight);

    QFont font = FNameEdit->font();
    if (row.Options.Font.Size != 0)
        font.setPointSize(row.Options.Font.Size);
    if (QFontMetrics(font).height() > boxHeight)
        font.setPixelSize(boxHeight);
    FNameEdit->setFont(font);

    EditedRow = &row;
    FNameEdit->setText(ToQtText(row.Signal()->Name()));
    FNameEdit->setModified(false);
    FNameEdit->show();
    FNameEdit->raise();
    FNameEdit->selectAll();
    FNameEdit->setFocus();
}

void TCustomWaveEditor::FinishNameEdit() {
    if (EditedRow == nullptr || FNameEdit == nullptr)
        return;
    CommitNameEdit();
    EditedRow = nullptr;
    const bool hadFocus = FNameEdit->hasFocus();
    FNameEdit->hide();
    if (hadFocus && isVisible())
        FActiveWavePanel->setFocus();
}

void TCustomWaveEditor::CommitNameEdit() {
    if (!FNameEdit->isModified())
        return;
    TWaveRow& row = *EditedRow;
    std::string name = FromQtText(FNameEdit->text());
    if (name.size() > cShortStringLength)
        name.resize(cShortStringLength);
    row.Signal()->SetName(name);
    TWaveRowGroup* group = AsGroupRow(&row);
    if (group)
        group->SetGroupName(name);
    if (group && FDocument)
        FDocument->SignalsChanged();
    else if (&row == FFocusedRow && FWavePanel)
        FWavePanel->CurrentSignalChanged(row.Signal());
    InvalidateRowName(row);
    if (FWavePanel)
        FWavePanel->RefreshSignalList();
    MarkModified();
}

void TCustomWaveEditor::HandleEditorKey(QKeyEvent& event) {
    // Navigation and editing keys end a name edit; their other actions belong to the mouse
    // and keyboard handling.
    const bool wasEditing = IsEditingName();
    FinishNameEdit();
    if (!wasEditing && event.key() == Qt::Key_F2)
        if (TWaveRow* row = FocusedRow())
            StartNameEdit(*row);
}

void TCustomWaveEditor::keyPressEvent(QKeyEvent* event) {
    HandleEditorKey(*event);
}
