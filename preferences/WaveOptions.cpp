#include "preferences/WaveOptions.h"

#include "controls/ColorSwatch.h"
#include "controls/GuardedHandler.h"
#include "controls/HostColorDialog.h"
#include "controls/ThemedControls.h"
#include "controls/ThemedTreeList.h"
#include "platform/ui/UIService.h"
#include "preferences/WavePreferences.h"

#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int cMinRowHeight = 1;
constexpr int cMaxRowHeight = 255;

// Blank when nothing but blanks and control characters.
bool IsBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

// Connects a control's signal to a page action that must not throw into Qt.
template <class Sender, class Signal, class Action>
void OnSignal(Sender* sender, Signal signal, QObject* context, Action action) {
    QObject::connect(sender, signal, context,
                     [action](auto... args) { RunGuarded([&] { action(args...); }); });
}
} // namespace

TPreferences::TPreferences(TWavePreferences& preferences)
    : TOptionsForm("Preferences"), Global(preferences) {
    auto* layout = new QVBoxLayout(this);
    BuildDefaultsGroup(*this);
    BuildDisplayGroup(*this);
    BuildStylesGroup(*this);
    layout->addStretch();
    ShowValuesOf(Global);
}

void TPreferences::BuildDefaultsGroup(QWidget& page) {
    auto* group = new TThemedGroupBox("Defaults", &page);
    SignalFontButton = new TThemedButton("Signal Font...", group);
    DefaultRowHeight = new TThemedSpinEdit(cMinRowHeight, cMaxRowHeight, group);
    ExpandBusSignals = new TThemedCheckBox("Expand Bus Signals", group);
    QGridLayout& grid = group->Grid();
    grid.addWidget(SignalFontButton, 0, 0);
    grid.addWidget(new TThemedLabel("Row Height", DefaultRowHeight, group), 1, 0);
    grid.addWidget(DefaultRowHeight, 1, 1);
    grid.addWidget(ExpandBusSignals, 2, 0, 1, 2);
    page.layout()->addWidget(group);
    OnSignal(SignalFontButton, &QPushButton::clicked, this, [this](bool) { ChooseSignalFont(); });
}

void TPreferences::BuildDisplayGroup(QWidget& page) {
    auto* group = new TThemedGroupBox("Display", &page);
    BackgroundSwatch = new TColorSwatch(group);
    BackgroundColorButton = new TThemedButton("Color...", group);
    SimulationSwatch = new TColorSwatch(group);
    SimulationColorButton = new TThemedButton("Color...", group);
    ValueColumn = new TThemedCheckBox("Value Column", group);
    GraphicalEditing = new TThemedCheckBox("Graphical Editing", group);
    DrawHGridLines = new TThemedCheckBox("Draw Horizontal Grid Lines", group);
    DrawVGridLines = new TThemedCheckBox("Draw Vertical Grid Lines", group);
    SlopedWaveForms = new TThemedCheckBox("Sloped Wave Forms", group);
    DrawStripes = new TThemedCheckBox("Draw Stripes", group);
    QGridLayout& grid = group->Grid();
    grid.addWidget(new TThemedLabel("Background Color", BackgroundColorButton, group), 0, 0);
    grid.addWidget(BackgroundSwatch, 0, 1);
    grid.addWidget(BackgroundColorButton, 0, 2);
    grid.addWidget(new TThemedLabel("Simulation Highlight", SimulationColorButton, group), 1, 0);
    grid.addWidget(SimulationSwatch, 1, 1);
    grid.addWidget(SimulationColorButton, 1, 2);
    TThemedCheckBox* checks[] = {ValueColumn,    GraphicalEditing, DrawHGridLines,
                                 DrawVGridLines, SlopedWaveForms,  DrawStripes};
    for (int i = 0; i < 6; ++i)
        grid.addWidget(checks[i], 2 + i / 2, (i % 2) * 2, 1, 2);
    page.layout()->addWidget(group);
    OnSignal(BackgroundColorButton, &QPushButton::clicked, this,
             [this](bool) { ChooseColor(BackgroundColor, *BackgroundSwatch); });
    OnSignal(SimulationColorButton, &QPushButton::clicked, this,
             [this](bool) { ChooseColor(SimBackgroundColor, *SimulationSwatch); });
}

void TPreferences::BuildStylesGroup(QWidget& page) {
    auto* group = new TThemedGroupBox("Wave Styles", &page);
    StyleList = new TThemedTreeList({"Name", "Color", "Group Color"},
                                    {cColorColumn, cGroupColorColumn}, group);
    AddStyleButton = new TThemedButton("&Add", group);
    RemoveStyleButton = new TThemedButton("&Remove", group);
    RenameStyleButton = new TThemedButton("Rename Style", group);
    ResetStylesButton = new TThemedButton("Reset Styles", group);
    QGridLayout& grid = group->Grid();
    grid.addWidget(StyleList, 0, 0, 5, 1);
    grid.addWidget(AddStyleButton, 0, 1);
    grid.addWidget(RemoveStyleButton, 1, 1);
    grid.addWidget(RenameStyleButton, 2, 1);
    grid.addWidget(ResetStylesButton, 3, 1);
    grid.setRowStretch(4, 1);
    page.layout()->addWidget(group);
    OnSignal(AddStyleButton, &QPushButton::clicked, this, [this](bool) { AddStyle(); });
    OnSignal(RemoveStyleButton, &QPushButton::clicked, this, [this](bool) { RemoveStyle(); });
    OnSignal(RenameStyleButton, &QPushButton::clicked, this,
             [this](bool) { RenameStyle(StyleList->SelectedRow()); });
    OnSignal(ResetStylesButton, &QPushButton::clicked, this, [this](bool) { ResetStyles(); });
    OnSignal(StyleList, &TThemedTreeList::CellClicked, this,
             [this](int row, int column) { StyleCellClicked(row, column); });
    OnSignal(StyleList, &TThemedTreeList::CellDoubleClicked, this, [this](int row, int column) {
        if (column == cNameColumn)
            RenameStyle(row);
    });
    OnSignal(StyleList, &TThemedTreeList::SelectionChanged, this, [this] { UpdateStyleButtons(); });
}

void TPreferences::ShowValues() {
    ShowValuesOf(Global);
}

void TPreferences::SetDefaults() {
    const TWavePreferences defaults;
    ShowValuesOf(defaults);
}

void TPreferences::ShowValuesOf(const TWavePreferences& source) {
    SignalFont = source.SignalFont;
    BackgroundColor = source.BackgroundColor;
    SimBackgroundColor = source.SimBackgroundColor;
    BackgroundSwatch->SetColor(BackgroundColor);
    SimulationSwatch->SetColor(SimBackgroundColor);
    DefaultRowHeight->SetValue(source.SignalHeight);
    ExpandBusSignals->SetChecked(source.ExpandBusSignals);
    ValueColumn->SetChecked(source.ValueColumn);
    GraphicalEditing->SetChecked(source.GraphicalEdit);
    DrawHGridLines->SetChecked(source.DrawHGridLines != 0);
    DrawVGridLines->SetChecked(source.DrawVGridLines != 0);
    SlopedWaveForms->SetChecked(source.SlopedWaveForms);
    DrawStripes->SetChecked(source.DrawStripes);
    ShowStyles(source.Styles);
}

void TPreferences::ShowStyles(const TStylesList& styles) {
    StyleList->ClearRows();
    for (const auto& style : styles.Items()) {
        const int row = StyleList->AddRow();
        StyleList->SetCellText(row, cNameColumn, style.Name);
        StyleList->SetCellColor(row, cColorColumn, style.Color);
        StyleList->SetCellColor(row, cGroupColorColumn, style.GroupColor);
    }
    StyleList->SelectRow(StyleList->RowCount() > 0 ? 0 : -1);
    UpdateStyleButtons();
}

bool TPreferences::StylesMatch() const {
    const auto& styles = Global.Styles.Items();
    if (StyleList->RowCount() != static_cast<int>(styles.size()))
        return false;
    for (int row = 0; row < StyleList->RowCount(); ++row) {
        const std::string name = StyleList->CellText(row, cNameColumn);
        const auto found = std::find_if(styles.begin(), styles.end(),
                                        [&](const TWaveStyle& s) { return s.Name == name; });
        if (found == styles.end() || found->Color != StyleList->CellColor(row, cColorColumn) ||
            found->GroupColor != StyleList->CellColor(row, cGroupColorColumn))
            return false;
    }
    return true;
}

bool TPreferences::IsChanged() const {
    return FontToText(SignalFont) != FontToText(Global.SignalFont) ||
           BackgroundColor != Global.BackgroundColor ||
           SimBackgroundColor != Global.SimBackgroundColor ||
           DefaultRowHeight->Value() != Global.SignalHeight ||
           ExpandBusSignals->Checked() != Global.ExpandBusSignals ||
           ValueColumn->Checked() != Global.ValueColumn ||
           GraphicalEditing->Checked() != Global.GraphicalEdit ||
           DrawHGridLines->Checked() != (Global.DrawHGridLines != 0) ||
           DrawVGridLines->Checked() != (Global.DrawVGridLines != 0) ||
           SlopedWaveForms->Checked() != Global.SlopedWaveForms ||
           DrawStripes->Checked() != Global.DrawStripes || !StylesMatch();
}

void TPreferences::Apply() {
    Global.SignalFont = SignalFont;
    Global.BackgroundColor = BackgroundColor;
    Global.SimBackgroundColor = SimBackgroundColor;
    Global.SignalHeight = static_cast<uint8_t>(DefaultRowHeight->Value());
    Global.ExpandBusSignals = ExpandBusSignals->Checked();
    Global.ValueColumn = ValueColumn->Checked();
    Global.GraphicalEdit = GraphicalEditing->Checked();
    Global.DrawHGridLines = DrawHGridLines->Checked() ? 1 : 0;
    Global.DrawVGridLines = DrawVGridLines->Checked() ? 1 : 0;
    Global.SlopedWaveForms = SlopedWaveForms->Checked();
    Global.DrawStripes = DrawStripes->Checked();
    Global.ClearStyles();
    for (int row = 0; row < StyleList->RowCount(); ++row)
        Global.AddStyle(StyleList->CellText(row, cNameColumn),
                        StyleList->CellColor(row, cColorColumn),
                        StyleList->CellColor(row, cGroupColorColumn));
}

// The page stays disabled while the dialog runs, owned by the window that holds the page.
void TPreferences::ChooseSignalFont() {
    setEnabled(false);
    struct TEnableAgain {
        QWidget& Page;
        ~TEnableAgain() { Page.setEnabled(true); }
    } enableAgain{*this};
    UIService().FontDialog(SignalFont, window());
}

void TPreferences::ChooseColor(TColor& color, TColorSwatch& swatch) {
    if (ExecuteHostColorDialog(color))
        swatch.SetColor(color);
}

const char* TPreferences::StyleNameError(const std::string& name, int ignoredRow) const {
    if (IsBlank(name))
        return "Invalid style name.";
    for (int row = 0; row < StyleList->RowCount(); ++row)
        if (row != ignoredRow && SameStyleName(StyleList->CellText(row, cNameColumn), name))
            return "Duplicate style names are not allowed.";
    return nullptr;
}

bool TPreferences::AskStyleName(const std::string& caption, const std::string& prompt,
                                std::string& name, int ignoredRow) {
    while (UIService().InputQuery(caption, prompt, name)) {
        if (name.size() > cMaxStyleNameLength)
            name.resize(cMaxStyleNameLength);
        const char* error = StyleNameError(name, ignoredRow);
        if (error == nullptr)
            return true;
        ShowErrorMessage(error);
    }
    return false;
}

void TPreferences::AddStyle() {
    std::string name;
    if (!AskStyleName("Add New Style", "Add New Style:", name, -1))
        return;
    const int row = StyleList->AddRow();
    StyleList->SetCellText(row, cNameColumn, name);
    StyleList->SetCellColor(row, cColorColumn, cNewStyleColor);
    StyleList->SetCellColor(row, cGroupColorColumn, cNewStyleColor);
    StyleList->SelectRow(row);
    UpdateStyleButtons();
}

bool TPreferences::CanEditStyleName(int row) const {
    return row >= 0 && row < StyleList->RowCount() &&
           !IsProtectedStyleName(StyleList->CellText(row, cNameColumn));
}

void TPreferences::RenameStyle(int row) {
    if (!CanEditStyleName(row))
        return;
    std::string name = StyleList->CellText(row, cNameColumn);
    if (AskStyleName("Edit Style Name", "Style Name:", name, row))
        StyleList->SetCellText(row, cNameColumn, name);
}

void TPreferences::RemoveStyle() {
    const int row = StyleList->SelectedRow();
    if (!CanEditStyleName(row))
        return;
    StyleList->DeleteRow(row);
    StyleList->SelectRow(row > 0 ? row - 1 : (StyleList->RowCount() > 0 ? 0 : -1));
    UpdateStyleButtons();
}

void TPreferences::ResetStyles() {
    if (UIService().MessageDlg("Confirm",
                               "Are you sure you want to reset the styles to the default?",
                               TMsgDlgType::Confirmation, mbYes | mbNo) != mrYes)
        return;
    const TWavePreferences defaults;
    ShowStyles(defaults.Styles);
}

void TPreferences::StyleCellClicked(int row, int column) {
    if (row < 0 || row >= StyleList->RowCount() ||
        (column != cColorColumn && column != cGroupColorColumn))
        return;
    TColor color = StyleList->CellColor(row, column);
    if (ExecuteHostColorDialog(color))
        StyleList->SetCellColor(row, column, color);
}

void TPreferences::UpdateStyleButtons() {
    const bool editable = CanEditStyleName(StyleList->SelectedRow());
    RemoveStyleButton->setEnabled(editable);
    RenameStyleButton->setEnabled(editable);
}
