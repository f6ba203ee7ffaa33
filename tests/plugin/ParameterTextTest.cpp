#include "plugin/Rt_Param.h"

#include <gtest/gtest.h>

#include <cstring>

struct TLookupCase {
    const char* Text;
    const char* Name;
    bool Found;
    const char* Value;
};

TEST(ParameterText, LookupFollowsThePairRules) {
    const TLookupCase cases[] = {
        {"Transition=H D", "Transition", true, "H D"},
        {"transition = H D ", "Transition", true, "H D"},
        {"Transition", "Transition", false, ""},
        {"Target=Next|Extra=1", "extra", true, "1"},
        {"Item=Transition|Item=Signal", "Item", true, "Transition"}, // the first pair wins
        {"Expr=a=b|", "Expr", true, "a=b"},      // later "=" belong to the value
        {" =x|Kind=TEXT", "Kind", true, "TEXT"}, // empty name ignored
        {"Mode=", "Mode", true, ""},
        {"Name\t=v", "\tName\x01", true, "v"}, // control characters trimmed from names
        {"Name=v", " Name", false, ""},        // blanks are part of the wanted name
        {"Naïve=1", "NAÏVE", false, ""},       // only a to z ignore letter case
        {"", "Anything", false, ""},
        {"|||", "", false, ""},
    };
    for (const auto& c : cases) {
        std::string value = "stale";
        EXPECT_EQ(GetParameter(c.Text, c.Name, value), c.Found) << c.Text << " / " << c.Name;
        EXPECT_EQ(value, c.Value) << c.Text << " / " << c.Name;
    }
}

TEST(ParameterText, CacheFollowsTheText) {
    char buffer[64] = "Id=first";
    std::string value;
    GetParameter(buffer, "Id", value);
    EXPECT_EQ(value, "first");
    std::strcpy(buffer, "Id=second");
    GetParameter(buffer, "Id", value);
    EXPECT_EQ(value, "second");
    EXPECT_FALSE(GetParameter(nullptr, "Id", value));
}

TEST(ParameterText, ShortParameterIsCutAt255) {
    const std::string text = "Id=" + std::string(300, 'x');
    EXPECT_EQ(GetShortParameter(text.c_str(), "Id"), std::string(255, 'x'));
}

TEST(ParameterText, SetRewritesTheBuffer) {
    struct TCase {
        const char* Before;
        const char* Name;
        const char* Value;
        const char* After;
    } cases[] = {
        {"Kind=TEXT", "Id", "U1", "Kind=TEXT|Id=U1"},
        {"Kind=TEXT", "Result", "", "Kind=TEXT|Result= "},
        {"", "Kind", "TEXT", "Kind=TEXT"},
        {"id=old|Other=1", "Id", "new", "id=new|Other=1"},
        {" Kind = TEXT |junk|Id=", "Result", "False", "Kind=TEXT|Id= |Result=False"},
    };
    for (const auto& c : cases) {
        char buffer[1024];
        std::strcpy(buffer, c.Before);
        SetParameter(buffer, sizeof buffer, c.Name, c.Value);
        EXPECT_STREQ(buffer, c.After) << c.Before;
    }
}

TEST(ParameterText, SetNeverWritesPastTheBuffer) {
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    std::strcpy(buffer, "Kind=TEXT");
    SetParameter(buffer, 12, "Id", "a long signal name");
    EXPECT_STREQ(buffer, "Kind=TEXT|I");
    EXPECT_EQ(buffer[12], '#');

    char one[2] = {'x', '#'};
    SetParameter(one, 1, "Id", "v");
    EXPECT_STREQ(one, "");
    EXPECT_EQ(one[1], '#');

    char untouched[4] = "abc";
    SetParameter(untouched, 0, "Id", "v");
    EXPECT_STREQ(untouched, "abc");
}

TEST(ParameterText, KeywordsCompareTrimmedInUpperCase) {
    EXPECT_TRUE(SameKeyword(" zoomin\t", "ZoomIn"));
    EXPECT_TRUE(SameKeyword("signal", "Signal"));
    EXPECT_FALSE(SameKeyword("Zoom In", "ZoomIn"));
    EXPECT_TRUE(SameUpperCase("linedown", "LINEDOWN"));
    EXPECT_FALSE(SameUpperCase(" LINEDOWN", "LINEDOWN"));
}
