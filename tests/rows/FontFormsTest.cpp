#include "rows/Wavefontobj.h"

#include <gtest/gtest.h>

namespace {
struct TFontCase {
    const char* Text;
    TWaveFont Expected;
};

// Starts from a font with every style set, so a reading that keeps stale attributes shows.
TWaveFont ReadFromText(const char* text) {
    TWaveFont font{"Stale", 99, 77, true, true, true, true};
    FontFromText(text, font);
    return font;
}
} // namespace

TEST(FontText, ReadsSizeFlagsColourAndName) {
    const TFontCase cases[] = {
        {"10 1 1 1 1 255 Courier New", {"Courier New", 10, 255, true, true, true, true}},
        {"8 0 0 1 0 0 Arial", {"Arial", 8, 0, true, false, false, false}},
        // Only "1" sets a flag.
        {"9 2 T 1 0 0 Arial", {"Arial", 9, 0, true, false, false, false}},
        // Leading blanks of each token and of the name are skipped; inner blanks of the name stay.
        {"  12   0 1   0 0  16711680   Times  New Roman",
         {"Times  New Roman", 12, 16711680, false, true, false, false}},
        // Not a number reads as 0.
        {"big 0 0 0 0 red Arial", {"Arial", 0, 0, false, false, false, false}},
        {"12abc 0 0 0 0 5x Arial", {"Arial", 0, 0, false, false, false, false}},
        // The colour is a 64-bit number of which the low 32 bits count.
        {"8 0 0 0 0 4294967552 Arial", {"Arial", 8, 256, false, false, false, false}},
        {"8 0 0 0 0 -1 Arial", {"Arial", 8, 0xFFFFFFFFu, false, false, false, false}},
        // Missing tokens read as empty.
        {"14 1", {"", 14, 0, false, false, true, false}},
        {"", {"", 0, 0, false, false, false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ReadFromText(c.Text), c.Expected);
    }
}

TEST(FontText, WritesTheSameFormItReads) {
    const TWaveFont font{"Microsoft Sans Serif", 8, 11029258, true, false, true, false};
    EXPECT_EQ(FontToText(font), "8 1 0 1 0 11029258 Microsoft Sans Serif");
    EXPECT_EQ(ReadFromText(FontToText(font).c_str()), font);
    EXPECT_EQ(FontToText(TWaveFont{"Arial", -3, 0, false, false, false, false}),
              "-3 0 0 0 0 0 Arial");
}

TEST(FontBinary, WritesLittleEndianSizeStyleBitsAndColourBeforeTheName) {
    const TWaveFont font{"Arial", 10, 0x00123456, true, false, true, false};
    const std::string binary = FontToBinary(font);
    EXPECT_EQ(binary, std::string("\x0A\x00\x00\x00\x05\x56\x34\x12\x00"
                                  "Arial",
                                  14));
    TWaveFont read{"Stale", 99, 77, true, true, true, true};
    FontFromBinary(binary, read);
    EXPECT_EQ(read, font);
}

TEST(FontBinary, ReadsEveryStyleBitBlanksAndShortTexts) {
    const struct {
        std::string Binary;
        TWaveFont Expected;
    } cases[] = {
        {std::string("\x08\x00\x00\x00\x0F\xFF\x00\x00\x00  Courier New", 22),
         {"Courier New", 8, 255, true, true, true, true}},
        // Bits above the four styles mean nothing.
        {std::string("\x08\x00\x00\x00\xF2\x00\x00\x00\x00X", 10),
         {"X", 8, 0, false, true, false, false}},
        // A text too short for its header reads the missing bytes as 0.
        {std::string("\x0C\x00", 2), {"", 12, 0, false, false, false, false}},
        {"", {"", 0, 0, false, false, false, false}},
    };
    for (const auto& c : cases) {
        TWaveFont font{"Stale", 99, 77, true, true, true, true};
        FontFromBinary(c.Binary, font);
        EXPECT_EQ(font, c.Expected) << c.Expected.Name;
    }
}

TEST(FontBinary, LongNamesAreCutToAShortString) {
    const TWaveFont font{std::string(300, 'n'), 8, 0, false, false, false, false};
    EXPECT_EQ(FontToBinary(font).size(), 255u);
}
