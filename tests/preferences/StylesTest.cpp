#include "preferences/PreferencesStorage.h"
#include "preferences/WaveStyleData.h"
#include "tests/testhost/TestHost.h"

#include <gtest/gtest.h>

namespace {
class Styles : public ::testing::Test {
protected:
    std::map<std::string, std::string>& Section() { return Host.Options["Wave Preferences"]; }
    TStylesList ReadStyles() {
        TStylesList styles;
        styles.Add("Stale", 1, 2);
        styles.Read(TPreferencesReader(Host));
        return styles;
    }
    TTestHost Host;
};
} // namespace

TEST_F(Styles, DefaultTableHasFourteenStylesInOrder) {
    const auto& styles = DefaultWaveStyles();
    ASSERT_EQ(styles.size(), 14u);
    const char* names[] = {"Default",   "Clock",      "Dark Grey",  "Dark Pink", "Orange",
                           "Green",     "Light Blue", "Light Pink", "Grey",      "Yellow",
                           "Dark Blue", "Purple",     "Maroon",     "Dark Green"};
    for (size_t i = 0; i < styles.size(); ++i)
        EXPECT_EQ(styles[i].Name, names[i]);
    EXPECT_EQ(styles[0], (TWaveStyle{"Default", 11029258, 11029258}));
    EXPECT_EQ(styles[1], (TWaveStyle{"Clock", 16711680, 16711680}));
    EXPECT_EQ(styles[2], (TWaveStyle{"Dark Grey", 4340022, 5260610}));
    EXPECT_EQ(styles[9], (TWaveStyle{"Yellow", 50888, 45234}));
    EXPECT_EQ(styles[12], (TWaveStyle{"Maroon", 128, 108}));
    EXPECT_EQ(styles[13], (TWaveStyle{"Dark Green", 26163, 22571}));
}

TEST_F(Styles, ReadingAnEmptyStorageGivesTheDefaults) {
    EXPECT_EQ(ReadStyles().Items(), DefaultWaveStyles());
}

TEST_F(Styles, ReadingStopsAtTheFirstMissingName) {
    Section() = {{"StyleName0", "Bus"},          {"StyleColour0", "255"},
                 {"StyleGroupColour0", "65280"}, {"StyleName2", "Unreached"},
                 {"StyleColour2", "1"},          {"StyleGroupColour1", "7"}};
    EXPECT_EQ(ReadStyles().Items(), (std::vector<TWaveStyle>{{"Bus", 255, 65280}}));

    // Missing colours read as 0.
    Section() = {{"StyleName0", "Plain"}};
    EXPECT_EQ(ReadStyles().Items(), (std::vector<TWaveStyle>{{"Plain", 0, 0}}));
}

TEST_F(Styles, WriteThenReadKeepsTheList) {
    TStylesList styles;
    styles.Add("A", 1, 2);
    styles.Add("b c", 16777215, 0);
    {
        TPreferencesWriter writer(Host);
        styles.Write(writer);
        writer.Commit();
    }
    EXPECT_EQ(Section().at("StyleName1"), "b c");
    EXPECT_EQ(Section().at("StyleColour1"), "16777215");
    EXPECT_EQ(Section().at("StyleGroupColour0"), "2");
    EXPECT_EQ(ReadStyles().Items(), styles.Items());
}

TEST_F(Styles, LookupIgnoresCaseAndOutOfRangeAnswersANewStyle) {
    TStylesList styles;
    styles.InstallDefaults();
    EXPECT_EQ(styles.IndexOf("default"), 0);
    EXPECT_EQ(styles.IndexOf("DARK green"), 13);
    EXPECT_EQ(styles.IndexOf("Dark"), -1);
    for (int32_t index : {-1, 14}) {
        EXPECT_EQ(styles.Name(index), "");
        EXPECT_EQ(styles.Color(index), cNewStyleColor);
        EXPECT_EQ(styles.GroupColor(index), cNewStyleColor);
    }
    styles.Add(std::string(300, 'x'), 0, 0);
    EXPECT_EQ(styles.Name(14).size(), 255u);
}

TEST(StyleColouring, NewRowTakesItsStyleOrDefault) {
    TStylesList styles;
    styles.Add("Bus", 1, 2);
    styles.Add("Default", 3, 4);
    struct TCase {
        const char* Style;
        bool Group;
        std::optional<TColor> Expected;
    };
    const TCase cases[] = {
        {"bus", false, 1}, {"BUS", true, 2}, {"Missing", false, 3}, {"", true, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(StyleColorForNewRow(styles, c.Style, c.Group), c.Expected) << c.Style;

    TStylesList withoutDefault;
    withoutDefault.Add("Bus", 1, 2);
    EXPECT_EQ(StyleColorForNewRow(withoutDefault, "Missing", true), std::nullopt);
}

TEST(StyleNames, OnlyDefaultAndClockAreProtected) {
    EXPECT_TRUE(IsProtectedStyleName("Default"));
    EXPECT_TRUE(IsProtectedStyleName("Clock"));
    EXPECT_FALSE(IsProtectedStyleName("clock"));
    EXPECT_FALSE(IsProtectedStyleName("Green"));
}
