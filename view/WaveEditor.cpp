#include "view/WaveEditor.h"

#include "preferences/WavePreferences.h"
#include "rows/RowTree.h"
#include "view/NameColumnEdits.h"
#include "view/PaneCodes.h"
#include "view/SignalNameEdit.h"

#include <QResizeEvent>

using C = TEditorChild;

namespace {
bool ValueColumnPreference() {
    const TWavePreferences* preferences = WavePreferences();
    return preferences ? preferences->ValueColumn : true;
}
} // namespace

TCustomWaveEditor::TCustomWaveEditor(QWidget* parent)
    : QWidget(parent), FColumns(DefaultNameColumns(ValueColumnPreference())),
      FRowTree(std::make_unique<TRowTree>()) {
    using namespace PaneCode;
    TimePanels = {new TTimePanel(*this, LeftTime), new TTimePanel(*this, RightTime)};
    CursorPanels = {new TCursorPanel(*this, LeftTime), new TCursorPanel(*this, RightTime)};
    NamePanels = {new TNamePanel(*this, UpperName), new TNamePanel(*this, LowerName)};
    for (uint8_t code = UpperLeftSignal; code <= LowerRightSignal; ++code)
        SignalPanels[code - UpperLeftSignal] = new TSignalPanel(*this, code);
    FColumnHeader = new TColumnHeaderPanel(*this, PaneCode::ColumnHeader);
    StaticPanels = {new TStaticPanel(*this, None), new TStaticPanel(*this, None)};
    Spliters = {new TSpliterControl(*this, 0), new TSpliterControl(*this, 1)};
    ScrollBars = {new TWaveScrollBar(Qt::Horizontal, this),
                  new TWaveScrollBar(Qt::Horizontal, this), new TWaveScrollBar(Qt::Vertical, this),
                  new TWaveScrollBar(Qt::Vertical, this)};
    ChildrenCreated = true;

    FActiveWavePanel = SignalPanels[3];
    FFocusPanel = FActiveWavePanel;
    FActiveNamePanel = NamePanels[1];
    FActiveTimePanel = TimePanels[1];
    ClearLocationMarks();
    Layout();
}

TCustomWaveEditor::~TCustomWaveEditor() = default;

void TCustomWaveEditor::SetVSpliterPosition(int32_t position) {
    FVSpliterPosition = position;
    Layout();
}

void TCustomWaveEditor::SetHSpliterPosition(int32_t position) {
    FHSpliterPosition = position;
    Layout();
}

void TCustomWaveEditor::SetColumnWidth(int32_t column, int32_t width) {
    FColumns[static_cast<size_t>(column - 1)].Width = width;
    Layout();
}

QWidget& TCustomWaveEditor::Child(TEditorChild child) const {
    switch (child) {
    case C::ColumnHeader:
        return *FColumnHeader;
    case C::UpperNamePanel:
        return *NamePanels[0];
    case C::LowerNamePanel:
        return *NamePanels[1];
    case C::LeftTimePanel:
        return *TimePanels[0];
    case C::RightTimePanel:
        return *TimePanels[1];
    case C::LeftCursorPanel:
        return *CursorPanels[0];
    case C::RightCursorPanel:
        return *CursorPanels[1];
    case C::UpperLeftSignalPanel:
        return *SignalPanels[0];
    case C::UpperRightSignalPanel:
        return *SignalPanels[1];
    case C::LowerLeftSignalPanel:
        return *SignalPanels[2];
    case C::LowerRightSignalPanel:
        return *SignalPanels[3];
    case C::LeftHorizontalScrollBar:
        return *ScrollBars[0];
    case C::RightHorizontalScrollBar:
        return *ScrollBars[1];
    case C::UpperVerticalScrollBar:
        return *ScrollBars[2];
    case C::LowerVerticalScrollBar:
        return *ScrollBars[3];
    case C::BottomLeftStatic:
        return *StaticPanels[0];
    case C::BottomRightStatic:
        return *StaticPanels[1];
    case C::VerticalSplitter:
        return *Spliters[1];
    case C::HorizontalSplitter:
    case C::Count:
        break;
    }
    return *Spliters[0];
}

void TCustomWaveEditor::Layout() {
    if (LayoutGuard || !ChildrenCreated)
        return;
    LayoutGuard = true;
    // A collapsed upper band shows what the lower one shows.
    if (!FLayout.HorizontalSplit)
        NamePanels[0]->FirstVisibleRow = NamePanels[1]->FirstVisibleRow;

    FLayout = ComputeEditorLayout(width(), height(), NameAreaWidth(), FVSpliterPosition,
                                  FHSpliterPosition);
    FVSpliterPosition = FLayout.VSpliterPosition;
    FHSpliterPosition = FLayout.HSpliterPosition;
    for (size_t i = 0; i < FLayout.Bounds.size(); ++i) {
        const TBounds& b = FLayout.Bounds[i];
        QWidget& child = Child(static_cast<TEditorChild>(i));
        child.setVisible(b.Visible());
        if (b.Visible())
            child.setGeometry(b.Left, b.Top, b.Width, b.Height);
    }
    for (TNamePanel* panel : NamePanels)
        panel->NeedsRemeasure = true;
    MoveActivePanelsOutOfCollapsedAreas();
    InvalidateAll();
    LayoutGuard = false;
    if (FDocument)
        FDocument->ViewChanged();
}

void TCustomWaveEditor::MoveActivePanelsOutOfCollapsedAreas() {
    using namespace PaneCode;
    auto moveWave = [&](uint8_t from, uint8_t to) {
        if (FActiveWavePanel->PaneCode() == from)
            FActiveWavePanel = &SignalPanelOf(to);
    };
    auto inCodes = [](TView* panel, std::initializer_list<uint8_t> codes) {
        return panel && std::find(codes.begin(), codes.end(), panel->PaneCode()) != codes.end();
    };
    if (!FLayout.HorizontalSplit) {
        moveWave(UpperLeftSignal, LowerLeftSignal);
        moveWave(UpperRightSignal, LowerRightSignal);
        if (FActiveNamePanel == NamePanels[0])
            FActiveNamePanel = NamePanels[1];
        if (inCodes(FFocusPanel, {UpperName, UpperLeftSignal, UpperRightSignal}))
            FFocusPanel = FActiveWavePanel;
    }
    if (!FLayout.VerticalSplit) {
        moveWave(UpperLeftSignal, UpperRightSignal);
        moveWave(LowerLeftSignal, LowerRightSignal);
        if (inCodes(FFocusPanel, {UpperLeftSignal, LowerLeftSignal}))
            FFocusPanel = FActiveWavePanel;
    }
}

void TCustomWaveEditor::InvalidateAll() {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->update();
}

void TCustomWaveEditor::MoveSplitter(uint8_t orientation, int32_t travel) {
    for (TNamePanel* panel : NamePanels)
        panel->NeedsRemeasure = true;
    if (orientation == 0)
        SetHSpliterPosition(FHSpliterPosition + travel);
    else
        SetVSpliterPosition(FVSpliterPosition + travel);
}

void TCustomWaveEditor::ResizeColumnByDrag(int32_t column, int32_t startX, int32_t endX) {
    FVSpliterPosition += ResizeColumn(FColumns, column, startX, endX);
    Layout();
    if (FDocument)
        FDocument->MarkModified();
}

void TCustomWaveEditor::ApplyPreferences() {
    FVSpliterPosition += ApplyValueColumnPreference(FColumns, ValueColumnPreference());
    Layout();
}

void TCustomWaveEditor::SetFocusPanel(TView* panel) {
    FFocusPanel = panel;
    if (auto* wave = dynamic_cast<TSignalPanel*>(panel))
        FActiveWavePanel = wave;
    else if (auto* names = dynamic_cast<TNamePanel*>(panel))
        FActiveNamePanel = names;
}

TTimePanel& TCustomWaveEditor::TimePanelOf(uint8_t code) const {
    return *TimePanels[UsesRightTimePanel(code) ? 1 : 0];
}

TCursorPanel& TCustomWaveEditor::CursorPanelOf(uint8_t code) const {
    return *CursorPanels[UsesRightTimePanel(code) ? 1 : 0];
}

TNamePanel& TCustomWaveEditor::NamePanelOf(uint8_t code) const {
    return *NamePanels[UsesLowerNamePanel(code) ? 1 : 0];
}

TSignalPanel& TCustomWaveEditor::SignalPanelOf(uint8_t code) const {
    return *SignalPanels[SignalPanelCodeOf(code) - PaneCode::UpperLeftSignal];
}

void TCustomWaveEditor::resizeEvent(QResizeEvent*) {
    Layout();
}
