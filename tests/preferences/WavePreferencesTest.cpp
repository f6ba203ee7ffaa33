#include "preferences/WavePreferences.h"
#include "plugin/Main_Wave.h"
#include "tests/testhost/TestHost.h"

#include <gtest/gtest.h>

namespace {
std::string FontText(HResult (IWavePreferences::*getter)(TComString*), IWavePreferences& p) {
    TComString text;
    EXPECT_EQ((p.*getter)(&text), S_OK);
    return text.Str();
}

template <class T, class Getter> T Read(IWavePreferences& p, Getter getter) {
    T value{};
    EXPECT_EQ((p.*getter)(&value), S_OK);
    return value;
}

class Preferences : public ::testing::Test {
protected:
    std::map<std::string, std::string>& Section() { return Host.Options["Wave Preferences"]; }
    TTestHost Host;
    TWavePreferences Prefs;
};

// Every key the save writes, with the values of a fresh preferences object.
const std::map<std::string, std::string> kDefaultKeys = {
    {"SignalFont", "8 0 0 0 0 0 Microsoft Sans Serif"},
    {"SignalHeight", "14"},
    {"ValueColumn", "1"},
    {"BackGroundColor", "16777215"},
    {"SimBackgroundColor", "16317695"},
    {"DrawHGridLines", "0"},
    {"DrawVGridLines", "1"},
    {"GraphicalEdit", "0"},
    {"DrawStripes", "0"},
    {"SlopedWaveForms", "0"},
    {"ExpandBusSignals", "0"},
    {"UseColor", "0"},
    {"LeftMargin", "1"},
    {"BottomMargin", "1"},
    {"RightMargin", "0.7"},
    {"TopMargin", "0.7"},
    {"Header", ".Filename .Time .Date"},
    {"Footer", "Page .Page"},
    {"Range", "0"},
    {"Copies", "1"},
};
} // namespace

TEST_F(Preferences, DefaultsThroughTheInterface) {
    IWavePreferences& p = Prefs;
    EXPECT_EQ(FontText(&IWavePreferences::GetSignalFont, p), "8 0 0 0 0 0 Microsoft Sans Serif");
    EXPECT_EQ(FontText(&IWavePreferences::GetLabelFont, p), "8 0 0 0 0 0 Times New Roman");
    EXPECT_EQ(Read<uint8_t>(p, &IWavePreferences::GetSignalHeight), 14);
    EXPECT_EQ(Read<int32_t>(p, &IWavePreferences::GetValueColumn), 1);
    EXPECT_EQ(Read<uint32_t>(p, &IWavePreferences::GetBackGroundColor), 16777215u);
    EXPECT_EQ(Read<uint32_t>(p, &IWavePreferences::GetSimBackgroundColor), 16317695u);
    EXPECT_EQ(Read<uint8_t>(p, &IWavePreferences::GetDrawHGridLines), 0);
    EXPECT_EQ(Read<uint8_t>(p, &IWavePreferences::GetDrawVGridLines), 1);
    for (auto getter :
         {&IWavePreferences::GetGraphicalEdit, &IWavePreferences::GetDrawStripes,
          &IWavePreferences::GetSlopedWaveForms, &IWavePreferences::GetExpandBusSignals})
        EXPECT_EQ(Read<int32_t>(p, getter), 0);
    EXPECT_EQ(Read<int32_t>(p, &IWavePreferences::GetStyleCount), 14);
    TComString name;
    EXPECT_EQ(p.GetStyleName(1, &name), S_OK);
    EXPECT_EQ(name.Str(), "Clock");
    uint32_t color = 0;
    EXPECT_EQ(p.GetStyleGroupColour(2, &color), S_OK);
    EXPECT_EQ(color, 5260610u);
    EXPECT_EQ(p.GetStyleColour(99, &color), S_OK);
    EXPECT_EQ(color, cNewStyleColor);
    int32_t index = 0;
    EXPECT_EQ(p.GetStyleIndex("default", &index), S_OK);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(p.GetStyleIndex("nothing", &index), S_OK);
    EXPECT_EQ(index, -1);
    EXPECT_EQ(p.GetSignalHeight(nullptr), E_POINTER);
}

TEST_F(Preferences, SettersKeepTheLowByteAndNormaliseBooleans) {
    IWavePreferences& p = Prefs;
    EXPECT_EQ(p.SetSignalHeight(300), S_OK);
    EXPECT_EQ(Prefs.SignalHeight, 44);
    // The grid-line switches keep the argument's low byte; the other switches store true.
    const std::pair<int32_t, uint8_t> gridCases[] = {{2, 2}, {0x1FF, 0xFF}, {0, 0}, {256, 1}};
    for (auto [given, stored] : gridCases) {
        EXPECT_EQ(p.SetDrawHGridLines(given), S_OK);
        EXPECT_EQ(p.SetDrawVGridLines(given), S_OK);
        EXPECT_EQ(Read<uint8_t>(p, &IWavePreferences::GetDrawHGridLines), stored) << given;
        EXPECT_EQ(Read<uint8_t>(p, &IWavePreferences::GetDrawVGridLines), stored) << given;
    }
    for (auto [setter, getter] :
         {std::pair{&IWavePreferences::SetValueColumn, &IWavePreferences::GetValueColumn},
          std::pair{&IWavePreferences::SetGraphicalEdit, &IWavePreferences::GetGraphicalEdit},
          std::pair{&IWavePreferences::SetDrawStripes, &IWavePreferences::GetDrawStripes},
          std::pair{&IWavePreferences::SetSlopedWaveForms, &IWavePreferences::GetSlopedWaveForms},
          std::pair{&IWavePreferences::SetExpandBusSignals,
                    &IWavePreferences::GetExpandBusSignals}}) {
        EXPECT_EQ((p.*setter)(256), S_OK);
        EXPECT_EQ(Read<int32_t>(p, getter), 1);
        EXPECT_EQ((p.*setter)(0), S_OK);
        EXPECT_EQ(Read<int32_t>(p, getter), 0);
    }
    EXPECT_EQ(p.SetBackGroundColor(255), S_OK);
    EXPECT_EQ(p.SetSimBackgroundColor(65280), S_OK);
    EXPECT_EQ(Prefs.BackgroundColor, 255u);
    EXPECT_EQ(Prefs.SimBackgroundColor, 65280u);

    EXPECT_EQ(p.SetLabelFont("10 1 1 1 1 255 Courier New"), S_OK);
    EXPECT_EQ(Prefs.LabelFont, (TWaveFont{"Courier New", 10, 255, true, true, true, true}));
    // Only the first 255 characters of a font text count.
    const std::string longText = "9 0 0 0 0 0 " + std::string(300, 'n');
    EXPECT_EQ(p.SetSignalFont(longText.c_str()), S_OK);
    EXPECT_EQ(Prefs.SignalFont.Name, std::string(255 - 12, 'n'));
}

TEST_F(Preferences, LoadingAnEmptyStorageKeepsTheDefaults) {
    Prefs.Load(Host);
    TWavePreferences fresh;
    EXPECT_EQ(FontToText(Prefs.SignalFont), FontToText(fresh.SignalFont));
    EXPECT_EQ(Prefs.SignalHeight, fresh.SignalHeight);
    EXPECT_EQ(Prefs.BackgroundColor, fresh.BackgroundColor);
    EXPECT_EQ(Prefs.DrawVGridLines, fresh.DrawVGridLines);
    EXPECT_EQ(Prefs.Styles.Items(), DefaultWaveStyles());
    EXPECT_EQ(Prefs.PrinterOptions.Header, fresh.PrinterOptions.Header);
}

TEST_F(Preferences, LoadingAPartialStorageChangesOnlyWhatIsStored) {
    Section() = {{"SignalFont", ""},      {"SignalHeight", "20"},
                 {"DrawHGridLines", "1"}, {"BackGroundColor", "123"},
                 {"StyleName0", "Only"},  {"StyleColour0", "5"},
                 {"LeftMargin", "0.25"},  {"TopMargin", "wide"},
                 {"Range", "2"},          {"Copies", "3"}};
    Prefs.SignalFont.Name = "Kept";
    Prefs.Load(Host);
    EXPECT_EQ(Prefs.SignalFont.Name, "Kept"); // an empty stored font keeps the current one
    EXPECT_EQ(Prefs.SignalHeight, 20);
    EXPECT_NE(Prefs.DrawHGridLines, 0);
    EXPECT_EQ(Prefs.BackgroundColor, 123u);
    EXPECT_TRUE(Prefs.ValueColumn);
    EXPECT_EQ(Prefs.SimBackgroundColor, 16317695u);
    EXPECT_EQ(Prefs.Styles.Items(), (std::vector<TWaveStyle>{{"Only", 5, 0}}));
    EXPECT_EQ(Prefs.PrinterOptions.LeftMargin, 0.25);
    EXPECT_EQ(Prefs.PrinterOptions.TopMargin, 0.7); // not a number: kept
    EXPECT_EQ(Prefs.PrinterOptions.PrintRange, TPrintRange::PageNums);
    EXPECT_EQ(Prefs.PrinterOptions.Copies, 3);

    Section() = {{"SignalFont", "12 0 0 1 0 255 Arial"}, {"Range", "7"}};
    Prefs.Load(Host);
    EXPECT_EQ(Prefs.SignalFont, (TWaveFont{"Arial", 12, 255, true, false, false, false}));
    EXPECT_EQ(Prefs.PrinterOptions.PrintRange, TPrintRange::PageNums); // no such range: kept
}

TEST_F(Preferences, SaveWritesEveryKeyButTheLabelFont) {
    Prefs.Save(Host);
    std::map<std::string, std::string> expected = kDefaultKeys;
    const auto& styles = DefaultWaveStyles();
    for (size_t i = 0; i < styles.size(); ++i) {
        expected["StyleName" + std::to_string(i)] = styles[i].Name;
        expected["StyleColour" + std::to_string(i)] = std::to_string(styles[i].Color);
        expected["StyleGroupColour" + std::to_string(i)] = std::to_string(styles[i].GroupColor);
    }
    EXPECT_EQ(Section(), expected);
    EXPECT_EQ(Host.Options.size(), 1u);
}

TEST_F(Preferences, SaveThenLoadRestoresEveryStoredValue) {
    Prefs.SignalFont = {"Arial", 11, 255, true, false, false, true};
    Prefs.SignalHeight = 30;
    Prefs.ValueColumn = false;
    Prefs.SimBackgroundColor = 1;
    Prefs.DrawHGridLines = 1;
    Prefs.ExpandBusSignals = true;
    Prefs.ClearStyles();
    Prefs.AddStyle("One", 1, 2);
    Prefs.PrinterOptions.RightMargin = 0.123456789;
    Prefs.PrinterOptions.Footer = "  Page .Page of many  ";
    Prefs.PrinterOptions.PrintRange = TPrintRange::Selection;
    Prefs.Save(Host);

    TWavePreferences loaded;
    loaded.Load(Host);
    EXPECT_EQ(loaded.SignalFont, Prefs.SignalFont);
    EXPECT_EQ(loaded.SignalHeight, 30);
    EXPECT_FALSE(loaded.ValueColumn);
    EXPECT_EQ(loaded.SimBackgroundColor, 1u);
    EXPECT_EQ(loaded.DrawHGridLines, 1);
    EXPECT_TRUE(loaded.ExpandBusSignals);
    EXPECT_EQ(loaded.Styles.Items(), Prefs.Styles.Items());
    EXPECT_EQ(loaded.PrinterOptions.RightMargin, 0.123456789);
    EXPECT_EQ(loaded.PrinterOptions.Footer, "  Page .Page of many  ");
    EXPECT_EQ(loaded.PrinterOptions.PrintRange, TPrintRange::Selection);
}

TEST(ModulePreferences, CreatedLoadedSavedAndReachedThroughTheExports) {
    IWavePreferences* none = reinterpret_cast<IWavePreferences*>(1);
    EXPECT_EQ(GetWavePreferencesOfModule(&none), S_OK);
    EXPECT_EQ(none, nullptr);
    IWavePrinterOptions* noOptions = reinterpret_cast<IWavePrinterOptions*>(1);
    EXPECT_LT(GetWavePrinterOptionsOfModule(&noOptions), 0);
    EXPECT_EQ(noOptions, nullptr);

    TTestHost host;
    host.Options["Wave Preferences"] = {{"SignalHeight", "22"}};
    {
        TComPtr<IServerModule> module;
        ASSERT_EQ(CreateWaveServerModule(&host, module.Out()), S_OK);
        IWavePreferences* preferences = nullptr;
        ASSERT_EQ(GetWavePreferencesOfModule(&preferences), S_OK);
        ASSERT_NE(preferences, nullptr);
        EXPECT_EQ(Read<uint8_t>(*preferences, &IWavePreferences::GetSignalHeight), 22);
        IWavePrinterOptions* options = nullptr;
        ASSERT_EQ(GetWavePrinterOptionsOfModule(&options), S_OK);
        ASSERT_NE(options, nullptr);

        auto moduleOptions =
            TComPtr<IModuleOptions>(QueryInterfaceOf<IModuleOptions>(module.Get()));
        ASSERT_TRUE(moduleOptions);
        EXPECT_EQ(preferences->SetSignalHeight(40), S_OK);
        EXPECT_EQ(moduleOptions->SavePreferences(), S_OK);
        EXPECT_EQ(host.Options["Wave Preferences"]["SignalHeight"], "40");
        host.Options["Wave Preferences"]["SignalHeight"] = "17";
        EXPECT_EQ(moduleOptions->LoadPreferences(), S_OK);
        EXPECT_EQ(Read<uint8_t>(*preferences, &IWavePreferences::GetSignalHeight), 17);
    }
    EXPECT_EQ(GetWavePreferencesOfModule(&none), S_OK);
    EXPECT_EQ(none, nullptr);
}
