#include "rows/WaveRowProperties.h"

#include "controls/ColorSwatch.h"
#include "controls/GuardedHandler.h"
#include "controls/HostColorDialog.h"
#include "controls/ThemedControls.h"
#include "platform/ui/QtConvert.h"
#include "platform/ui/UIService.h"
#include "rows/ModalDialog.h"
#include "rows/RT_Disassemblers.h"
#include "rows/WaveRow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <charconv>
#include <optional>

const std::vector<std::pair<const char*, int32_t>> cRowFormatChoices = {
    {"Literal", RowValueFormat::Literal},
    {"Numeric", RowValueFormat::Numeric},
    {"Signed Numeric", RowValueFormat::SignedNumeric},
    {"Default", RowValueFormat::Default},
};

const std::vector<std::pair<const char*, int32_t>> cRowRadixChoices = {
    {"Decimal", RowRadix::Decimal}, {"Hex", RowRadix::Hex},
    {"Binary", RowRadix::Binary},   {"Disassembly", RowRadix::Disassembly},
    {"Default", RowRadix::Default},
};

const char* const cHeightsDiffer = "<Heights are different>";

namespace {
const char* const cColorsDiffer = "Colors are different";
const char* const cFontsDiffer = "Fonts are different";
const char* const cInvalidNumber = "Please enter valid number.";
const char* const cNotPositive = "Please enter positive value.";
// The window text colour, the colour dialog's start when the rows' colours differ.
constexpr TColor cWindowTextColor = 0;

// A whole number of the box: blanks around it and a sign allowed, nothing else.
std::optional<int32_t> IntegerOf(const QLineEdit& edit) {
    std::string text = FromQtText(edit.text().trimmed());
    if (!text.empty() && text.front() == '+')
        text.erase(0, 1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The entry of the code, else the entry of Default (the last).
int ChoiceIndex(const std::vector<std::pair<const char*, int32_t>>& choices, int32_t code) {
    for (size_t i = 0; i < choices.size(); ++i)
        if (choices[i].second == code)
            return static_cast<int>(i);
    return static_cast<int>(choices.size()) - 1;
}

void FillCombo(QComboBox& combo, const std::vector<std::pair<const char*, int32_t>>& choices) {
    for (const auto& choice : choices)
        combo.addItem(choice.first);
}

bool HasChildRows(const TWaveRow& row) {
    return row.IsCompound() && static_cast<const TWaveRowCompound&>(row).ChildCount() > 0;
}

std::string FontCaption(const TWaveFont& font) {
    return font.Name + ", " + std::to_string(font.Size);
}

template <class F> void ForEachDescendant(TWaveRow& row, F& action) {
    if (!row.IsCompound())
        return;
    auto& compound = static_cast<TWaveRowCompound&>(row);
    for (int32_t i = 0; i < compound.ChildCount(); ++i) {
        action(*compound.Child(i));
        ForEachDescendant(*compound.Child(i), action);
    }
}
} // namespace

TfrmRowProperties::TfrmRowProperties(std::vector<TWaveRow*> rows, bool selectedRows,
                                     QWidget* parent)
    : QDialog(parent), FRows(std::move(rows)) {
    setWindowTitle("Row Properties");
    BuildControls();
    Prepare(selectedRows);
}

void TfrmRowProperties::BuildControls() {
    auto* layout = new QVBoxLayout(this);

    auto* appearance = new TThemedGroupBox("Appearance", this);
    ColorSwatch = new TColorSwatch(appearance);
    ColorLabel = new QLabel(cColorsDiffer, appearance);
    ChangeColorButton = new QPushButton("Change &Color", appearance);
    FontLabel = new QLabel(appearance);
    ChangeFontButton = new QPushButton("Change &Font", appearance);
    appearance->Grid().addWidget(ColorSwatch, 0, 0);
    appearance->Grid().addWidget(ColorLabel, 0, 1);
    appearance->Grid().addWidget(ChangeColorButton, 0, 2);
    appearance->Grid().addWidget(FontLabel, 1, 0, 1, 2);
    appearance->Grid().addWidget(ChangeFontButton, 1, 2);
    layout->addWidget(appearance);

    auto* hierarchy = new TThemedGroupBox("Hierarchy", this);
    FullHierarchy = new QRadioButton("Full Hierarchy", hierarchy);
    NoHierarchy = new QRadioButton("No Hierarchy", hierarchy);
    SpecifiedLevel = new QRadioButton("Specified Level", hierarchy);
    LevelEdit = new QLineEdit(hierarchy);
    hierarchy->Grid().addWidget(FullHierarchy, 0, 0);
    hierarchy->Grid().addWidget(NoHierarchy, 1, 0);
    hierarchy->Grid().addWidget(SpecifiedLevel, 2, 0);
    hierarchy->Grid().addWidget(LevelEdit, 2, 1);
    layout->addWidget(hierarchy);

    auto* display = new TThemedGroupBox("Display", this);
    FormatCombo = new QComboBox(display);
    FillCombo(*FormatCombo, cRowFormatChoices);
    RadixCombo = new QComboBox(display);
    FillCombo(*RadixCombo, cRowRadixChoices);
    DisassemblerCombo = new QComboBox(display);
    for (const auto& entry : DisassemblerTable)
        DisassemblerCombo->addItem(ToQtText(entry.Name));
    DisassemblerLabel = new TThemedLabel("&Disassembler", DisassemblerCombo, display);
    HeightEdit = new QLineEdit(display);
    display->Grid().addWidget(new TThemedLabel("F&ormat", FormatCombo, display), 0, 0);
    display->Grid().addWidget(FormatCombo, 0, 1);
    display->Grid().addWidget(new TThemedLabel("&Radix", RadixCombo, display), 1, 0);
    display->Grid().addWidget(RadixCombo, 1, 1);
    display->Grid().addWidget(DisassemblerLabel, 2, 0);
    display->Grid().addWidget(DisassemblerCombo, 2, 1);
    display->Grid().addWidget(new TThemedLabel("&Height", HeightEdit, display), 3, 0);
    display->Grid().addWidget(HeightEdit, 3, 1);
    layout->addWidget(display);

    ApplyToChildren = new QCheckBox("Apply to children", this);
    layout->addWidget(ApplyToChildren);

    auto* buttons = new QHBoxLayout;
    OkButton = new QPushButton("OK", this);
    OkButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);

    connect(ChangeColorButton, &QPushButton::clicked, this, [this] { ChangeColor(); });
    connect(ChangeFontButton, &QPushButton::clicked, this, [this] { ChangeFont(); });
    connect(SpecifiedLevel, &QRadioButton::toggled, this, [this] { UpdateEnabling(); });
    connect(RadixCombo, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabling(); });
    connect(OkButton, &QPushButton::clicked, this, [this] { RunGuarded([this] { Accept(); }); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmRowProperties::Prepare(bool selectedRows) {
    if (FRows.empty())
        return;
    const TWaveRow& first = *FRows.front();
    FDialogFont = first.Options.Font;
    for (const TWaveRow* row : FRows) {
        FColorsDiffer = FColorsDiffer || row->Options.Font.Color != first.Options.Font.Color;
        // The colour has its own swatch; the font label speaks of the rest.
        TWaveFont font = row->Options.Font;
        font.Color = first.Options.Font.Color;
        FFontsDiffer = FFontsDiffer || !(font == first.Options.Font);
    }
    ShowColor(first.Options.Font.Color);
    ShowFont();

    FHierarchyShown = FRows.size() == 1;
    if (FHierarchyShown) {
        const int32_t depth = first.Options.NameDepth;
        FullHierarchy->setChecked(depth == -1);
        NoHierarchy->setChecked(depth == 0);
        SpecifiedLevel->setChecked(depth != -1 && depth != 0);
        if (SpecifiedLevel->isChecked())
            LevelEdit->setText(QString::number(depth));
    }
    FullHierarchy->parentWidget()->setEnabled(FHierarchyShown);

    FormatCombo->setCurrentIndex(ChoiceIndex(cRowFormatChoices, first.Options.Format));
    RadixCombo->setCurrentIndex(ChoiceIndex(cRowRadixChoices, first.Options.Radix));
    DisassemblerCombo->setCurrentIndex(
        std::max(0, DisassemblerCombo->findText(ToQtText(first.Options.DisassemblerName))));

    bool heightsDiffer = false;
    for (const TWaveRow* row : FRows)
        heightsDiffer = heightsDiffer || row->TotalHeight() != first.TotalHeight();
    HeightEdit->setText(heightsDiffer ? cHeightsDiffer : QString::number(first.TotalHeight()));

    bool withChildren = false;
    for (TWaveRow* row : FRows) {
        if (selectedRows)
            row->EnsureChildRows();
        withChildren = withChildren || HasChildRows(*row);
    }
    ApplyToChildren->setEnabled(withChildren);
    UpdateEnabling();
}

void TfrmRowProperties::ShowFont() {
    FontLabel->setText(FFontsDiffer ? QString(cFontsDiffer) : ToQtText(FontCaption(FDialogFont)));
}

void TfrmRowProperties::ShowColor(TColor color) {
    ColorSwatch->SetColor(color);
    ColorSwatch->setVisible(!FColorsDiffer);
    ColorLabel->setVisible(FColorsDiffer);
}

void TfrmRowProperties::UpdateEnabling() {
    LevelEdit->setEnabled(SpecifiedLevel->isChecked());
    const bool disassembly =
        cRowRadixChoices[static_cast<size_t>(RadixCombo->currentIndex())].second ==
        RowRadix::Disassembly;
    DisassemblerCombo->setEnabled(disassembly);
    DisassemblerLabel->setEnabled(disassembly);
}

void TfrmRowProperties::ChangeFont() {
    if (!UIService().FontDialog(FDialogFont, this))
        return;
    FFontsDiffer = false;
    ShowFont();
}

void TfrmRowProperties::ChangeColor() {
    RunGuarded([this] {
        TColor color = FColorsDiffer ? cWindowTextColor : ColorSwatch->Color();
        if (!ExecuteHostColorDialog(color))
            return;
        FColorsDiffer = false;
        ShowColor(color);
    });
}

void TfrmRowProperties::Accept() {
    int32_t depth = -1;
    if (SpecifiedLevel->isChecked()) {
        const auto level = IntegerOf(*LevelEdit);
        if (!level) {
            ShowErrorMessage(cInvalidNumber);
            LevelEdit->setFocus();
            return;
        }
        depth = *level;
    } else if (NoHierarchy->isChecked()) {
        depth = 0;
    }
    // 0 stands for a height left as it is.
    int32_t height = 0;
    if (HeightEdit->text() != cHeightsDiffer) {
        const auto entered = IntegerOf(*HeightEdit);
        if (!entered || *entered <= 0) {
            ShowErrorMessage(cNotPositive);
            HeightEdit->setFocus();
            return;
        }
        height = *entered;
    }
    for (TWaveRow* row : FRows) {
        ApplyTo(*row, true, height, depth);
        if (ApplyToChildren->isEnabled() && ApplyToChildren->isChecked()) {
            auto apply = [&](TWaveRow& child) { ApplyTo(child, false, height, depth); };
            ForEachDescendant(*row, apply);
        }
    }
    accept();
}

void TfrmRowProperties::ApplyTo(TWaveRow& row, bool inQuestion, int32_t height,
                                int32_t depth) const {
    TWaveRowOptions& options = row.Options;
    if (!FFontsDiffer) {
        const TColor color = options.Font.Color;
        options.Font = FDialogFont;
        options.Font.Color = color;
    }
    if (!FColorsDiffer)
        options.Font.Color = ColorSwatch->Color();
    // Only a single row shows its hierarchy in the dialog, so only then is there one to apply.
    if (inQuestion && FHierarchyShown)
        options.NameDepth = depth;
    options.Format = cRowFormatChoices[static_cast<size_t>(FormatCombo->currentIndex())].second;
    options.Radix = cRowRadixChoices[static_cast<size_t>(RadixCombo->currentIndex())].second;
    options.SetDisassemblerName(FromQtText(DisassemblerCombo->currentText()));
    if (height > 0)
        row.DistributeTotalHeight(height);
}

bool ShowRowProperties(const std::vector<TWaveRow*>& rows, bool selectedRows) {
    if (rows.empty())
        return false;
    TfrmRowProperties dialog(rows, selectedRows);
    return ExecuteModal(dialog, *dialog.OkButton);
}
