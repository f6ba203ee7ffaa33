// New rows take the module's preferences: default font, waveform height, "Default" style.
#include "rows/PreferencesRowDefaults.h"
#include "preferences/WavePreferences.h"
#include "rows/WaveRow.h"

#include <gtest/gtest.h>

TEST(PreferencesRowDefaults, ReadTheModulesPreferencesWhileThereAreAny) {
    SetRowDefaults(std::make_unique<TPreferencesRowDefaults>());
    const TWaveRowSimple withoutModule;
    EXPECT_EQ(FontToText(withoutModule.Options.Font), "8 0 0 0 0 0 Microsoft Sans Serif");
    EXPECT_EQ(withoutModule.WaveHeight, 14);
    EXPECT_FALSE(RowDefaults().DefaultStyleColor(false));

    TWavePreferences preferences;
    preferences.SignalFont = {"Arial", 10, 5, true, false, false, false};
    preferences.SignalHeight = 21;
    preferences.ClearStyles();
    preferences.AddStyle("other", 1, 2);
    preferences.AddStyle("DEFAULT", 3, 4);
    SetWavePreferences(&preferences);
    const TWaveRowSimple row;
    EXPECT_EQ(row.Options.Font, preferences.SignalFont);
    EXPECT_EQ(row.WaveHeight, 21);
    EXPECT_EQ(RowDefaults().DefaultStyleColor(false), 3u);
    EXPECT_EQ(RowDefaults().DefaultStyleColor(true), 4u);
    preferences.ClearStyles();
    EXPECT_FALSE(RowDefaults().DefaultStyleColor(true));

    SetWavePreferences(nullptr);
    SetRowDefaults(nullptr);
}
