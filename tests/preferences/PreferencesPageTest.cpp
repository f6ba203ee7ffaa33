// The options page "General", driven headless: dialogs answer from the test host's presets and
// its colour dialog process.
#include "controls/ColorSwatch.h"
#include "controls/OptionsPage.h"
#include "controls/ThemedControls.h"
#include "controls/ThemedTreeList.h"
#include "platform/ui/UIService.h"
#include "plugin/Main_Wave.h"
#include "preferences/WaveOptions.h"
#include "preferences/WavePreferences.h"
#include "tests/controls/TestApplication.h"
#include "tests/testhost/TestHost.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

namespace {
class PreferencesPage : public ::testing::Test {
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

    // The host's colour dialog: "True" with the colour, or any other result.
    void AnswerColorDialog(const std::string& result, TColor color = 0) {
        Host.ClientProcesses["RunCommonDialog"] = [result, color](char* parameters, int32_t size) {
            std::snprintf(parameters, static_cast<size_t>(size), "Result=%s|Color=%u",
                          result.c_str(), color);
        };
    }

    std::vector<std::string> StyleNames(const TPreferences& page) const {
        std::vector<std::string> names;
        for (int row = 0; row < page.StyleList->RowCount(); ++row)
            names.push_back(page.StyleList->CellText(row, TPreferences::cNameColumn));
        return names;
    }

    std::vector<std::string> DefaultNames() const {
        std::vector<std::string> names;
        for (const auto& style : DefaultWaveStyles())
            names.push_back(style.Name);
        return names;
    }

    int RowOf(const TPreferences& page, const std::string& name) const {
        const auto names = StyleNames(page);
        return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
    }

    TTestHost Host;
    TWavePreferences Global;
};
} // namespace

TEST_F(PreferencesPage, ShowsTheGlobalValuesAndCountsAsUnchanged) {
    Global.SignalHeight = 20;
    Global.DrawHGridLines = 2; // any nonzero byte is true
    Global.ExpandBusSignals = true;
    Global.BackgroundColor = 255;
    TPreferences page(Global);
    EXPECT_EQ(page.windowTitle(), "Preferences");
    EXPECT_EQ(page.DefaultRowHeight->Value(), 20);
    EXPECT_TRUE(page.DrawHGridLines->Checked());
    EXPECT_TRUE(page.DrawVGridLines->Checked());
    EXPECT_TRUE(page.ExpandBusSignals->Checked());
    EXPECT_FALSE(page.GraphicalEditing->Checked());
    EXPECT_EQ(page.BackgroundSwatch->Color(), 255u);
    EXPECT_EQ(page.SimulationSwatch->Color(), 16317695u);
    EXPECT_EQ(StyleNames(page), DefaultNames());
    EXPECT_EQ(page.StyleList->CellColor(2, TPreferences::cGroupColorColumn), 5260610u);
    // The first row, "Default", is selected and protected.
    EXPECT_EQ(page.StyleList->SelectedRow(), 0);
    EXPECT_FALSE(page.RemoveStyleButton->isEnabled());
    EXPECT_FALSE(page.RenameStyleButton->isEnabled());
    EXPECT_FALSE(page.IsChanged());
}

TEST_F(PreferencesPage, EveryControlTakesPartInTheChangedTest) {
    const std::vector<std::pair<const char*, std::function<void(TPreferences&)>>> edits = {
        {"row height", [](TPreferences& p) { p.DefaultRowHeight->SetValue(15); }},
        {"expand", [](TPreferences& p) { p.ExpandBusSignals->SetChecked(true); }},
        {"value column", [](TPreferences& p) { p.ValueColumn->SetChecked(false); }},
        {"graphical", [](TPreferences& p) { p.GraphicalEditing->SetChecked(true); }},
        {"h grid", [](TPreferences& p) { p.DrawHGridLines->SetChecked(true); }},
        {"v grid", [](TPreferences& p) { p.DrawVGridLines->SetChecked(false); }},
        {"sloped", [](TPreferences& p) { p.SlopedWaveForms->SetChecked(true); }},
        {"stripes", [](TPreferences& p) { p.DrawStripes->SetChecked(true); }},
        {"style colour",
         [](TPreferences& p) { p.StyleList->SetCellColor(3, TPreferences::cColorColumn, 1); }},
        {"style name", [](TPreferences& p) { p.StyleList->SetCellText(3, 0, "dark pink"); }},
        {"style removed", [](TPreferences& p) { p.StyleList->DeleteRow(13); }},
    };
    for (const auto& [what, edit] : edits) {
        TPreferences page(Global);
        edit(page);
        EXPECT_TRUE(page.IsChanged()) << what;
    }
}

TEST_F(PreferencesPage, ColourDialogChangesAColourOnlyWhenItAnswersTrue) {
    TPreferences page(Global);
    const int clock = RowOf(page, "Clock");
    AnswerColorDialog("false", 42);
    emit page.StyleList->CellClicked(clock, TPreferences::cGroupColorColumn);
    page.SimulationColorButton->click();
    EXPECT_EQ(page.StyleList->CellColor(clock, TPreferences::cGroupColorColumn), 16711680u);
    EXPECT_EQ(page.SimulationSwatch->Color(), 16317695u);
    EXPECT_FALSE(page.IsChanged());

    // The protected styles keep their colours editable.
    AnswerColorDialog("TRUE", 42);
    emit page.StyleList->CellClicked(clock, TPreferences::cGroupColorColumn);
    EXPECT_EQ(page.StyleList->CellColor(clock, TPreferences::cGroupColorColumn), 42u);
    EXPECT_EQ(page.StyleList->CellColor(clock, TPreferences::cColorColumn), 16711680u);
    EXPECT_TRUE(page.IsChanged());
    // A click in the name column runs no dialog.
    const size_t runs = Host.ProcessesRun.size();
    emit page.StyleList->CellClicked(clock, TPreferences::cNameColumn);
    EXPECT_EQ(Host.ProcessesRun.size(), runs);

    page.BackgroundColorButton->click();
    EXPECT_EQ(page.BackgroundSwatch->Color(), 42u);
    EXPECT_EQ(page.WorkingBackgroundColor(), 42u);
    ASSERT_FALSE(Host.ProcessesRun.empty());
    EXPECT_EQ(Host.ProcessesRun.back().Name, "Client:RunCommonDialog");
    EXPECT_EQ(Host.ProcessesRun.back().Parameters, "Dialog = Color | Color = 16777215");
}

TEST_F(PreferencesPage, ApplyWritesThePageIntoThePreferences) {
    TPreferences page(Global);
    page.DefaultRowHeight->SetValue(30);
    page.DrawHGridLines->SetChecked(true);
    page.DrawVGridLines->SetChecked(false);
    page.ValueColumn->SetChecked(false);
    page.SlopedWaveForms->SetChecked(true);
    page.StyleList->SetCellColor(0, TPreferences::cColorColumn, 7);
    page.StyleList->DeleteRow(1);
    Host.PresetAnswers = {"12 0 1 0 0 0 Courier New"};
    page.SignalFontButton->click();
    EXPECT_TRUE(page.isEnabled());
    EXPECT_EQ(Host.Messages.back(), "Font: 8 0 0 0 0 0 Microsoft Sans Serif");
    AnswerColorDialog("True", 99);
    page.SimulationColorButton->click();

    page.Apply();
    EXPECT_EQ(Global.SignalHeight, 30);
    EXPECT_EQ(Global.DrawHGridLines, 1);
    EXPECT_EQ(Global.DrawVGridLines, 0);
    EXPECT_FALSE(Global.ValueColumn);
    EXPECT_TRUE(Global.SlopedWaveForms);
    EXPECT_EQ(Global.SignalFont, (TWaveFont{"Courier New", 12, 0, false, true, false, false}));
    EXPECT_EQ(Global.SimBackgroundColor, 99u);
    ASSERT_EQ(Global.Styles.Count(), 13);
    EXPECT_EQ(Global.Styles.Items()[0], (TWaveStyle{"Default", 7, 11029258}));
    EXPECT_EQ(Global.Styles.Name(1), "Dark Grey");
    EXPECT_FALSE(page.IsChanged());
}

TEST_F(PreferencesPage, AddingAStyleRefusesBlankAndDuplicateNames) {
    TPreferences page(Global);
    // Every dialog takes the next answer, the error boxes too.
    Host.PresetAnswers = {"  ", "OK", "default", "OK", "Bus Lines"};
    page.AddStyleButton->click();
    EXPECT_EQ(Host.Messages,
              (std::vector<std::string>{
                  "Add New Style: Add New Style:", "Error: Invalid style name.",
                  "Add New Style: Add New Style:", "Error: Duplicate style names are not allowed.",
                  "Add New Style: Add New Style:"}));
    ASSERT_EQ(page.StyleList->RowCount(), 15);
    EXPECT_EQ(page.StyleList->CellText(14, TPreferences::cNameColumn), "Bus Lines");
    EXPECT_EQ(page.StyleList->CellColor(14, TPreferences::cColorColumn), cNewStyleColor);
    EXPECT_EQ(page.StyleList->CellColor(14, TPreferences::cGroupColorColumn), cNewStyleColor);
    EXPECT_EQ(page.StyleList->SelectedRow(), 14);
    EXPECT_TRUE(page.RemoveStyleButton->isEnabled());
    EXPECT_TRUE(page.IsChanged());

    // Cancelling after an error adds nothing.
    Host.PresetAnswers = {"Dark Grey", "OK", "Cancel"};
    page.AddStyleButton->click();
    EXPECT_EQ(page.StyleList->RowCount(), 15);
}

TEST_F(PreferencesPage, RenamingChecksAgainstTheOtherRowsOnly) {
    TPreferences page(Global);
    const int green = RowOf(page, "Green");
    page.StyleList->SelectRow(green);
    ASSERT_TRUE(page.RenameStyleButton->isEnabled());
    Host.PresetAnswers = {"orange", "OK", "GREEN"};
    page.RenameStyleButton->click();
    EXPECT_EQ(page.StyleList->CellText(green, TPreferences::cNameColumn), "GREEN");
    EXPECT_EQ(Host.Messages,
              (std::vector<std::string>{
                  "Edit Style Name: Style Name:", "Error: Duplicate style names are not allowed.",
                  "Edit Style Name: Style Name:"}));

    // A double click in the name column renames too; cancelling keeps the name.
    Host.PresetAnswers = {"Cancel"};
    emit page.StyleList->CellDoubleClicked(green, TPreferences::cNameColumn);
    EXPECT_EQ(page.StyleList->CellText(green, TPreferences::cNameColumn), "GREEN");
    EXPECT_EQ(Host.Messages.size(), 4u);
    EXPECT_TRUE(page.IsChanged());
}

TEST_F(PreferencesPage, DefaultAndClockCanNeitherBeRenamedNorRemoved) {
    TPreferences page(Global);
    for (const char* name : {"Default", "Clock"}) {
        const int row = RowOf(page, name);
        page.StyleList->SelectRow(row);
        EXPECT_FALSE(page.RemoveStyleButton->isEnabled()) << name;
        EXPECT_FALSE(page.RenameStyleButton->isEnabled()) << name;
        Host.PresetAnswers = {"Other"};
        emit page.StyleList->CellDoubleClicked(row, TPreferences::cNameColumn);
        page.RemoveStyleButton->click();
        page.RenameStyleButton->click();
        EXPECT_EQ(page.StyleList->CellText(row, TPreferences::cNameColumn), name);
    }
    EXPECT_EQ(page.StyleList->RowCount(), 14);
    EXPECT_TRUE(Host.Messages.empty());
}

TEST_F(PreferencesPage, RemovingSelectsTheRowBefore) {
    Global.ClearStyles();
    Global.AddStyle("One", 1, 1);
    Global.AddStyle("Two", 2, 2);
    Global.AddStyle("Default", 3, 3);
    TPreferences page(Global);
    page.StyleList->SelectRow(1);
    page.RemoveStyleButton->click();
    EXPECT_EQ(StyleNames(page), (std::vector<std::string>{"One", "Default"}));
    EXPECT_EQ(page.StyleList->SelectedRow(), 0);
    page.RemoveStyleButton->click();
    EXPECT_EQ(StyleNames(page), std::vector<std::string>{"Default"});
    EXPECT_EQ(page.StyleList->SelectedRow(), 0);
    EXPECT_FALSE(page.RemoveStyleButton->isEnabled());
}

TEST_F(PreferencesPage, ResetAsksAndThenShowsTheDefaultStyles) {
    Global.ClearStyles();
    Global.AddStyle("Only", 1, 2);
    TPreferences page(Global);
    Host.PresetAnswers = {"No"};
    page.ResetStylesButton->click();
    EXPECT_EQ(StyleNames(page), std::vector<std::string>{"Only"});
    Host.PresetAnswers = {"Yes"};
    page.ResetStylesButton->click();
    EXPECT_EQ(StyleNames(page), DefaultNames());
    EXPECT_EQ(page.StyleList->SelectedRow(), 0);
    EXPECT_EQ(Host.Messages,
              std::vector<std::string>(
                  2, "Confirm: Are you sure you want to reset the styles to the default?"));
    EXPECT_EQ(Global.Styles.Count(), 1); // only applying changes the preferences
}

TEST_F(PreferencesPage, DefaultsShowAFreshObjectAndLeaveThePreferencesAlone) {
    Global.SignalHeight = 40;
    Global.GraphicalEdit = true;
    Global.SignalFont = {"Arial", 14};
    Global.ClearStyles();
    Global.AddStyle("Only", 1, 2);
    TPreferences page(Global);
    page.SetDefaults();
    EXPECT_EQ(page.DefaultRowHeight->Value(), 14);
    EXPECT_FALSE(page.GraphicalEditing->Checked());
    EXPECT_EQ(page.WorkingSignalFont().Name, "Microsoft Sans Serif");
    EXPECT_EQ(StyleNames(page), DefaultNames());
    EXPECT_TRUE(page.IsChanged());
    EXPECT_EQ(Global.SignalHeight, 40);
    EXPECT_EQ(Global.Styles.Count(), 1);
    page.ShowValues();
    EXPECT_FALSE(page.IsChanged());
}

TEST_F(PreferencesPage, ModuleOffersThePageAsGeneral) {
    Host.Options["Wave Preferences"] = {{"SignalHeight", "19"}};
    TComPtr<IServerModule> module;
    ASSERT_EQ(CreateWaveServerModule(&Host, module.Out()), S_OK);
    TComPtr<IModuleOptions> options(QueryInterfaceOf<IModuleOptions>(module.Get()));
    TComPtr<IServerView> none;
    EXPECT_EQ(options->GetOptionsPage("Printing", none.Out()), S_OK);
    EXPECT_FALSE(none);

    TComPtr<IServerView> view;
    ASSERT_EQ(options->GetOptionsPage("General", view.Out()), S_OK);
    ASSERT_TRUE(view);
    TComString name;
    EXPECT_EQ(view->GetViewName(&name), S_OK);
    EXPECT_EQ(name.Str(), "Preferences");
    TComPtr<IOptionsPage> page(QueryInterfaceOf<IOptionsPage>(view.Get()));
    ASSERT_TRUE(page);
    void* window = nullptr;
    EXPECT_EQ(page->GetWindow(&window), S_OK);
    auto* form = static_cast<TPreferences*>(static_cast<TOptionsForm*>(window));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->DefaultRowHeight->Value(), 19);
    int32_t changed = 1;
    EXPECT_EQ(page->GetChanged(&changed), S_OK);
    EXPECT_EQ(changed, 0);

    form->DefaultRowHeight->SetValue(25);
    EXPECT_EQ(page->GetChanged(&changed), S_OK);
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(options->SavePreferences(), S_OK);
    EXPECT_EQ(Host.Options["Wave Preferences"]["SignalHeight"], "25");

    // The view keeps the module, whose preferences the page edits, alive.
    options = TComPtr<IModuleOptions>();
    module = TComPtr<IServerModule>();
    EXPECT_EQ(page->ShowValues(), S_OK);
    EXPECT_EQ(form->DefaultRowHeight->Value(), 25);
}
