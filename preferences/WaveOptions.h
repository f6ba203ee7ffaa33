// The options page "General": the preferences and the colour styles, edited on working copies
// and written to the preferences only when the host applies the page.
#pragma once

#include "controls/OptionsForm.h"
#include "rows/Wavefontobj.h"

#include <string>

class TColorSwatch;
class TStylesList;
class TThemedButton;
class TThemedCheckBox;
class TThemedSpinEdit;
class TThemedTreeList;
class TWavePreferences;

class TPreferences : public TOptionsForm {
public:
    // Edits preferences, which must outlive the page. Opens showing their values.
    explicit TPreferences(TWavePreferences& preferences);

    void ShowValues() override;
    void SetDefaults() override;
    bool IsChanged() const override;
    void Apply() override;

    const TWaveFont& WorkingSignalFont() const { return SignalFont; }
    TColor WorkingBackgroundColor() const { return BackgroundColor; }
    TColor WorkingSimBackgroundColor() const { return SimBackgroundColor; }

    // Columns of the style list.
    static constexpr int cNameColumn = 0;
    static constexpr int cColorColumn = 1;
    static constexpr int cGroupColorColumn = 2;

    // The controls, reachable like a form's fields.
    TThemedButton* SignalFontButton;
    TThemedSpinEdit* DefaultRowHeight;
    TThemedCheckBox* ExpandBusSignals;
    TColorSwatch* BackgroundSwatch;
    TThemedButton* BackgroundColorButton;
    TColorSwatch* SimulationSwatch;
    TThemedButton* SimulationColorButton;
    TThemedCheckBox* ValueColumn;
    TThemedCheckBox* GraphicalEditing;
    TThemedCheckBox* DrawHGridLines;
    TThemedCheckBox* DrawVGridLines;
    TThemedCheckBox* SlopedWaveForms;
    TThemedCheckBox* DrawStripes;
    TThemedTreeList* StyleList;
    TThemedButton* AddStyleButton;
    TThemedButton* RemoveStyleButton;
    TThemedButton* RenameStyleButton;
    TThemedButton* ResetStylesButton;

private:
    void BuildDefaultsGroup(QWidget& page);
    void BuildDisplayGroup(QWidget& page);
    void BuildStylesGroup(QWidget& page);
    void ShowValuesOf(const TWavePreferences& source);
    void ShowStyles(const TStylesList& styles);
    bool StylesMatch() const;

    void ChooseSignalFont();
    void ChooseColor(TColor& color, TColorSwatch& swatch);
    void AddStyle();
    void RenameStyle(int row);
    void RemoveStyle();
    void ResetStyles();
    void StyleCellClicked(int row, int column);
    void UpdateStyleButtons();
    bool CanEditStyleName(int row) const;
    // Asks until the name is acceptable among the rows other than ignoredRow; false on cancel.
    bool AskStyleName(const std::string& caption, const std::string& prompt, std::string& name,
                      int ignoredRow);
    // The error text for an unacceptable name, or nil.
    const char* StyleNameError(const std::string& name, int ignoredRow) const;

    TWavePreferences& Global;
    TWaveFont SignalFont;
    TColor BackgroundColor = 0;
    TColor SimBackgroundColor = 0;
};
