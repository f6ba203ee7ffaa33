#include "rows/RT_Disassemblers.h"

#include <gtest/gtest.h>

#include <set>

namespace {
struct TDisassemblerCase {
    const char* Name;
    uint64_t Word;
    int32_t Width;
    const char* Text;
};
} // namespace

class Disassemblers : public ::testing::Test {
protected:
    void SetUp() override { SetDisassemblerFolder(WAVE_DISASM_FOLDER); }
};

TEST_F(Disassemblers, TableNamesAreUniqueAndAllServed) {
    std::set<std::string> names;
    for (const auto& e : DisassemblerTable) {
        EXPECT_TRUE(names.insert(e.Name).second) << e.Name;
        EXPECT_GT(DisassemblerWordWidth(e.Name), 0) << e.Name;
    }
}

TEST_F(Disassemblers, WordsDisassembleInTheirByteOrder) {
    const TDisassemblerCase cases[] = {
        {"ARM", 0xE1A00000, 32, "mov r0, r0"},
        {"ARM (big-endian)", 0xE1A00000, 32, "mov r0, r0"},
        {"Thumb", 0x46C0, 16, "mov r8, r8"},
        {"AArch64", 0xD503201F, 32, "nop"},
        {"MIPS32", 0x00000000, 32, "nop"},
        {"PowerPC", 0x60000000, 32, "nop"},
        {"x86 (32-bit)", 0x90909090, 32, "nop"},
        {"68000", 0x4E71, 16, "nop"},
        {"6800", 0x01, 8, "nop"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DisassemblerWordWidth(c.Name), c.Width) << c.Name;
        EXPECT_EQ(DisassembleWord(c.Name, c.Word), c.Text) << c.Name;
    }
    // A word that holds no whole instruction gives no text (shown as hexadecimal).
    EXPECT_EQ(DisassembleWord("x86 (32-bit)", 0x000000E8), "");
}

TEST_F(Disassemblers, UnknownNamesAndMissingLibrariesGiveNothing) {
    EXPECT_EQ(DisassemblerWordWidth("Z80"), 0);
    EXPECT_EQ(DisassembleWord("Z80", 0), "");
    SetDisassemblerFolder("/nonexistent");
    EXPECT_EQ(DisassemblerWordWidth("ARM"), 0);
    EXPECT_EQ(DisassembleWord("ARM", 0xE1A00000), "");
}
