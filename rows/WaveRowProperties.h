// The dialog "Row Properties": colour, font, name hierarchy, value format, radix, disassembler
// and height of the rows in question, optionally passed on to their descendants.
#pragma once

#include "rows/WaveRowOptions.h"

#include <QDialog>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TColorSwatch;
class TWaveRow;

class TfrmRowProperties : public QDialog {
public:
    // rows: the selected rows, or the focused row; selectedRows creates their missing child
    // rows first.
    TfrmRowProperties(std::vector<TWaveRow*> rows, bool selectedRows, QWidget* parent = nullptr);

    TColorSwatch* ColorSwatch;
    QLabel* ColorLabel; // "Colors are different"
    QPushButton* ChangeColorButton;
    QLabel* FontLabel;
    QPushButton* ChangeFontButton;
    QRadioButton* FullHierarchy;
    QRadioButton* NoHierarchy;
    QRadioButton* SpecifiedLevel;
    QLineEdit* LevelEdit;
    QComboBox* FormatCombo;
    QComboBox* RadixCombo;
    QLabel* DisassemblerLabel;
    QComboBox* DisassemblerCombo;
    QLineEdit* HeightEdit;
    QCheckBox* ApplyToChildren;
    QPushButton* OkButton;
    QPushButton* CancelButton;

    // The dialog's font and colour as they would be applied.
    const TWaveFont& DialogFont() const { return FDialogFont; }
    bool FontsDiffer() const { return FFontsDiffer; }
    bool ColorsDiffer() const { return FColorsDiffer; }

private:
    void BuildControls();
    void Prepare(bool selectedRows);
    void ShowFont();
    void ShowColor(TColor color);
    void UpdateEnabling();
    void ChangeFont();
    void ChangeColor();
    // Checks the entries (showing the system's message) and applies them; closes when done.
    void Accept();
    void ApplyTo(TWaveRow& row, bool inQuestion, int32_t height, int32_t depth) const;

    std::vector<TWaveRow*> FRows;
    TWaveFont FDialogFont;
    bool FFontsDiffer = false;
    bool FColorsDiffer = false;
    bool FHierarchyShown = false;
};

// Runs the dialog on the rows and applies it; true when OK was pressed. The editor then
// repaints the rows, recomputes its layout and marks the document modified.
bool ShowRowProperties(const std::vector<TWaveRow*>& rows, bool selectedRows);

// Combo box entries and the codes they stand for, in the order the dialog lists them.
extern const std::vector<std::pair<const char*, int32_t>> cRowFormatChoices;
extern const std::vector<std::pair<const char*, int32_t>> cRowRadixChoices;
extern const char* const cHeightsDiffer;
