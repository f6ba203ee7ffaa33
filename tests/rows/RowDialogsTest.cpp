// The dialogs "Row Properties" and "Set Waveform Display Format", driven headless: messages,
// the font dialog and the answer to the dialog itself come from the test host's presets, the
// colour dialog from its "Client:RunCommonDialog" process.
#include "RowTestSupport.h"

#include "controls/ColorSwatch.h"
#include "platform/ui/UIService.h"
#include "plugin/RT_ServerImplementation.h"
#include "rows/WaveFormatRadixForm.h"
#include "rows/WaveRowProperties.h"
#include "tests/controls/TestApplication.h"
#include "tests/testhost/TestHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <cstdio>

namespace {
class RowDialogs : public ::testing::Test, protected TRowTestBench {
protected:
    void SetUp() override {
        TestApplication();
        SetCurrentClient(&Host);
        InstallUIServiceFor(&Host);
    }
    void TearDown() override {
        InstallUIServiceFor(nullptr);
        SetCurrentClient(nullptr);
    }

    void AnswerColorDialog(const std::string& result, TColor color) {
        Host.ClientProcesses["RunCommonDialog"] = [result, color](char* parameters, int32_t size) {
            std::snprintf(parameters, static_cast<size_t>(size), "Result=%s|Color=%u",
                          result.c_str(), color);
        };
    }

    std::vector<std::string> Items(const QComboBox& combo) const {
        std::vector<std::string> items;
        for (int i = 0; i < combo.count(); ++i)
            items.push_back(combo.itemText(i).toStdString());
        return items;
    }

    // Two simple rows of equal settings; the test changes what it needs.
    std::vector<TWaveRow*> TwoRows() {
        First = Row<TWaveRowSimple>(Logic("a"));
        Second = Row<TWaveRowSimple>(Logic("b"));
        return {First.get(), Second.get()};
    }

    TTestHost Host;
    std::unique_ptr<TWaveRow> First;
    std::unique_ptr<TWaveRow> Second;
};
} // namespace

TEST_F(RowDialogs, RowPropertiesShowsWhatTheRowsShare) {
    auto rows = TwoRows();
    First->Options.Format = 3;
    First->Options.Radix = 4;
    First->Options.SetDisassemblerName("68000");
    TfrmRowProperties same(rows, false);
    EXPECT_EQ(same.windowTitle(), "Row Properties");
    EXPECT_FALSE(same.ColorsDiffer());
    EXPECT_EQ(same.ColorSwatch->Color(), WaveColors::Blue);
    EXPECT_FALSE(same.ColorSwatch->isHidden());
    EXPECT_TRUE(same.ColorLabel->isHidden());
    EXPECT_EQ(same.FontLabel->text(), "Courier New, 11");
    EXPECT_EQ(same.HeightEdit->text(), "20");
    EXPECT_EQ(Items(*same.FormatCombo),
              (std::vector<std::string>{"Literal", "Numeric", "Signed Numeric", "Default"}));
    EXPECT_EQ(Items(*same.RadixCombo),
              (std::vector<std::string>{"Decimal", "Hex", "Binary", "Disassembly", "Default"}));
    EXPECT_EQ(same.DisassemblerCombo->count(), 22);
    EXPECT_EQ(same.FormatCombo->currentText(), "Signed Numeric");
    EXPECT_EQ(same.RadixCombo->currentText(), "Disassembly");
    EXPECT_EQ(same.DisassemblerCombo->currentText(), "68000");
    EXPECT_TRUE(same.DisassemblerCombo->isEnabled());
    // Several rows have no hierarchy to show; simple rows no children.
    EXPECT_FALSE(same.FullHierarchy->isEnabled());
    EXPECT_FALSE(same.ApplyToChildren->isEnabled());

    Second->Options.Font.Color = 5;
    TfrmRowProperties colours(rows, false);
    EXPECT_TRUE(colours.ColorsDiffer());
    EXPECT_EQ(colours.FontLabel->text(), "Courier New, 11");
    Second->Options.Font.Size = 12;
    Second->BottomGap = 3;
    TfrmRowProperties different(rows, false);
    EXPECT_TRUE(different.ColorLabel->isVisibleTo(&different));
    EXPECT_EQ(different.ColorLabel->text(), "Colors are different");
    EXPECT_FALSE(different.ColorSwatch->isVisibleTo(&different));
    EXPECT_EQ(different.FontLabel->text(), "Fonts are different");
    EXPECT_EQ(different.HeightEdit->text(), "<Heights are different>");
}

TEST_F(RowDialogs, RowPropertiesPresetsByCode) {
    const struct {
        int32_t Depth, Format, Radix;
        const char* Checked;
        const char* Level;
        const char* FormatText;
        const char* RadixText;
    } cases[] = {
        {-1, 1, 1, "Full Hierarchy", "", "Literal", "Decimal"},
        {0, 2, 2, "No Hierarchy", "", "Numeric", "Binary"},
        {3, 0, 3, "Specified Level", "3", "Default", "Hex"},
        {-4, 7, 9, "Specified Level", "-4", "Default", "Default"},
    };
    for (const auto& c : cases) {
        TWaveRowSimple row;
        row.Options = {row.Options.Font, c.Radix, "nowhere", c.Format, c.Depth, false};
        TfrmRowProperties dialog({&row}, false);
        for (QRadioButton* button :
             {dialog.FullHierarchy, dialog.NoHierarchy, dialog.SpecifiedLevel})
            EXPECT_EQ(button->isChecked(), button->text() == c.Checked) << c.Depth;
        EXPECT_EQ(dialog.LevelEdit->text(), c.Level);
        EXPECT_EQ(dialog.LevelEdit->isEnabled(), std::string(c.Checked) == "Specified Level");
        EXPECT_EQ(dialog.FormatCombo->currentText(), c.FormatText);
        EXPECT_EQ(dialog.RadixCombo->currentText(), c.RadixText);
        EXPECT_FALSE(dialog.DisassemblerCombo->isEnabled());
        EXPECT_FALSE(dialog.DisassemblerLabel->isEnabled());
        // A name not in the table shows the first entry.
        EXPECT_EQ(dialog.DisassemblerCombo->currentIndex(), 0);
        dialog.RadixCombo->setCurrentIndex(3);
        EXPECT_TRUE(dialog.DisassemblerCombo->isEnabled());
    }
}

TEST_F(RowDialogs, RowPropertiesRefusesBadEntriesWithTheSystemsMessages) {
    const struct {
        bool Level;
        const char* LevelText;
        const char* HeightText;
        const char* Message;
    } cases[] = {
        {true, "two", "20", "Error: Please enter valid number."},
        {true, "", "20", "Error: Please enter valid number."},
        {true, "1.5", "20", "Error: Please enter valid number."},
        {false, "", "0", "Error: Please enter positive value."},
        {false, "", "-3", "Error: Please enter positive value."},
        {false, "", "ten", "Error: Please enter positive value."},
        {false, "", "", "Error: Please enter positive value."},
        {false, "", "<Heights differ>", "Error: Please enter positive value."},
    };
    for (const auto& c : cases) {
        TWaveRowSimple row;
        TfrmRowProperties dialog({&row}, false);
        dialog.SpecifiedLevel->setChecked(c.Level);
        dialog.LevelEdit->setText(c.LevelText);
        dialog.HeightEdit->setText(c.HeightText);
        Host.Messages.clear();
        dialog.OkButton->click();
        EXPECT_EQ(Host.Messages, std::vector<std::string>{c.Message}) << c.HeightText;
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(row.Options.NameDepth, -1);
        EXPECT_EQ(row.TotalHeight(), 20);
    }
}

TEST_F(RowDialogs, RowPropertiesAppliesToTheRowsAndOptionallyTheirDescendants) {
    TSignalNode& vector = Vector("v", 1);
    auto compound = Row<TWaveRowCompound>(vector);
    compound->EnsureChildRows();
    compound->Child(0)->Options.Font.Color = 77;
    auto simple = Row<TWaveRowSimple>(Logic("s"));
    simple->TopGap = 0;
    simple->WaveHeight = 10;
    simple->BottomGap = 0;

    // Selected rows: their missing child rows are made first.
    auto collapsed = Row<TWaveRowCompound>(Vector("w", 2));
    TfrmRowProperties dialog({collapsed.get(), compound.get(), simple.get()}, true);
    EXPECT_EQ(collapsed->ChildCount(), 3);
    EXPECT_TRUE(dialog.ApplyToChildren->isEnabled());
    EXPECT_EQ(dialog.HeightEdit->text(), "<Heights are different>");
    AnswerColorDialog("TRUE", 4242);
    dialog.ChangeColorButton->click();
    EXPECT_EQ(Host.ProcessesRun.back().Name, "Client:RunCommonDialog");
    // The rows' colours differ, so the dialog starts from the window text colour.
    EXPECT_EQ(Host.ProcessesRun.back().Parameters, "Dialog = Color | Color = 0");
    EXPECT_TRUE(dialog.ColorSwatch->isVisibleTo(&dialog));
    Host.PresetAnswers = {"14 1 0 0 0 255 Liberation Mono"};
    dialog.ChangeFontButton->click();
    EXPECT_EQ(dialog.FontLabel->text(), "Liberation Mono, 14");
    dialog.RadixCombo->setCurrentIndex(1);
    dialog.FormatCombo->setCurrentIndex(0);
    dialog.HeightEdit->setText("25");
    dialog.ApplyToChildren->setChecked(true);
    dialog.OkButton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    for (TWaveRow* row : {static_cast<TWaveRow*>(compound.get()), compound->Child(0),
                          static_cast<TWaveRow*>(simple.get())}) {
        EXPECT_EQ(row->Options.Font.Name, "Liberation Mono");
        EXPECT_EQ(row->Options.Font.Size, 14);
        EXPECT_TRUE(row->Options.Font.Underline);
        EXPECT_EQ(row->Options.Font.Color, 4242u);
        EXPECT_EQ(row->Options.Radix, 3);
        EXPECT_EQ(row->Options.Format, 1);
        EXPECT_EQ(row->Options.DisassemblerName, "ARM");
        // Several rows: no hierarchy applied.
        EXPECT_EQ(row->Options.NameDepth, -1);
    }
    // 20 to 25: 2 more on each gap; 10 to 25: 7 on each gap.
    EXPECT_EQ(compound->TopGap, 4);
    EXPECT_EQ(compound->Child(1)->BottomGap, 4);
    EXPECT_EQ(simple->TopGap, 7);
    EXPECT_EQ(simple->TotalHeight(), 24);
}

TEST_F(RowDialogs, RowPropertiesKeepsWhatStaysDifferent) {
    auto rows = TwoRows();
    Second->Options.Font = {"Arial", 9, 5, true, false, false, false};
    Second->WaveHeight = 30;
    TfrmRowProperties dialog(rows, false);
    AnswerColorDialog("False", 1);
    dialog.ChangeColorButton->click();
    dialog.OkButton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Second->Options.Font, (TWaveFont{"Arial", 9, 5, true, false, false, false}));
    EXPECT_EQ(First->Options.Font.Color, WaveColors::Blue);
    EXPECT_EQ(Second->TotalHeight(), 34);

    // A single row's hierarchy is applied, to that row only.
    auto compound = Row<TWaveRowCompound>(Vector("v", 1));
    compound->EnsureChildRows();
    TfrmRowProperties single({compound.get()}, false);
    single.SpecifiedLevel->setChecked(true);
    single.LevelEdit->setText(" 2 ");
    single.ApplyToChildren->setChecked(true);
    single.OkButton->click();
    EXPECT_EQ(compound->Options.NameDepth, 2);
    EXPECT_EQ(compound->Child(0)->Options.NameDepth, -1);
}

TEST_F(RowDialogs, RowPropertiesRunsHeadlessOnTheHostsAnswer) {
    auto rows = TwoRows();
    Host.PresetAnswers = {"Cancel"};
    EXPECT_FALSE(ShowRowProperties(rows, false));
    EXPECT_EQ(Host.Messages.back(), "Row Properties: ");
    Host.PresetAnswers = {"OK"};
    First->Options.SetDisassemblerName("not listed");
    EXPECT_TRUE(ShowRowProperties(rows, false));
    EXPECT_EQ(First->Options.DisassemblerName, "ARM");
    EXPECT_FALSE(ShowRowProperties({}, false));
}

TEST_F(RowDialogs, FormatRadixMapsChoicesToCodes) {
    const struct {
        int32_t Format, Radix;
        QRadioButton* TFormatRadix::*FormatButton;
        QRadioButton* TFormatRadix::*RadixButton;
        int32_t ReturnedRadix;
    } cases[] = {
        {1, 1, &TFormatRadix::Literal, &TFormatRadix::Decimal, 1},
        {2, 2, &TFormatRadix::Numeric, &TFormatRadix::Binary, 2},
        {3, 3, &TFormatRadix::SignedNumeric, &TFormatRadix::Hex, 3},
        {0, 0, &TFormatRadix::DefaultFormat, &TFormatRadix::DefaultRadix, 0},
        // Disassembly is not offered: it shows and returns Default.
        {9, 4, &TFormatRadix::DefaultFormat, &TFormatRadix::DefaultRadix, 0},
    };
    for (const auto& c : cases) {
        TFormatRadix dialog(c.Format, c.Radix);
        EXPECT_EQ(dialog.windowTitle(), "Set Waveform Display Format");
        EXPECT_TRUE((dialog.*c.FormatButton)->isChecked());
        EXPECT_TRUE((dialog.*c.RadixButton)->isChecked());
        int32_t format = c.Format;
        int32_t radix = c.Radix;
        Host.PresetAnswers = {"OK"};
        ASSERT_TRUE(ShowFormatRadix(format, radix));
        EXPECT_EQ(format, c.Format == 9 ? 0 : c.Format);
        EXPECT_EQ(radix, c.ReturnedRadix);
    }
    int32_t format = 2;
    int32_t radix = 3;
    Host.PresetAnswers = {"Cancel"};
    EXPECT_FALSE(ShowFormatRadix(format, radix));
    EXPECT_EQ(Host.Messages.back(), "Set Waveform Display Format: ");
    EXPECT_EQ(format, 2);
    EXPECT_EQ(radix, 3);
}
