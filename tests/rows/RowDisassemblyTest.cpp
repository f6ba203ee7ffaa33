// Bus values shown with the Disassembly radix: the row's disassembler through the types' hook,
// with hexadecimal when the width does not match or the library is missing.
#include "RowTestSupport.h"

#include "model/types/DisassemblerHook.h"
#include "rows/RT_Disassemblers.h"

#include <gtest/gtest.h>

namespace {
class RowDisassembly : public ::testing::Test, protected TRowTestBench {
protected:
    void SetUp() override {
        SetDisassemblerFolder(WAVE_DISASM_FOLDER);
        SetDisassemblerLookup({&DisassemblerWordWidth, &DisassembleWord});
    }
    void TearDown() override { SetDisassemblerLookup({}); }

    // A row of a vector of `bits` elements holding the word from time 0, shown with the radix
    // Disassembly and the named disassembler.
    std::unique_ptr<TWaveRowCompound> WordRow(int32_t bits, uint64_t word,
                                              const std::string& disassembler) {
        TSignalNode& signal = Vector("word", bits - 1);
        TCompoundValue value;
        for (int32_t i = bits - 1; i >= 0; --i)
            value.Elements.emplace_back(TSimpleValue::OfOrdinal(((word >> i) & 1) ? 3 : 2));
        signal.SetValueAt(0, value, 0);
        auto row = Row<TWaveRowCompound>(signal);
        row->Options.Radix = RowRadix::Disassembly;
        row->Options.SetDisassemblerName(disassembler);
        return row;
    }
};
} // namespace

TEST_F(RowDisassembly, KnownWordsOfTwoFamilies) {
    const struct {
        const char* Disassembler;
        int32_t Bits;
        uint64_t Word;
        const char* Text;
    } cases[] = {
        {"ARM", 32, 0xE1A00000, "mov r0, r0"}, {"ARM (big-endian)", 32, 0xE3A00001, "mov r0, #1"},
        {"Thumb", 16, 0x46C0, "mov r8, r8"},   {"68000", 16, 0x4E71, "nop"},
        {"68000", 16, 0x4E75, "rts"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WordRow(c.Bits, c.Word, c.Disassembler)->ValueText(5), c.Text) << c.Disassembler;
}

TEST_F(RowDisassembly, FallsBackToHexadecimal) {
    // A width the disassembler does not take, an unknown name, no text for the word.
    EXPECT_EQ(WordRow(16, 0x4E71, "ARM")->ValueText(0), "4E71");
    EXPECT_EQ(WordRow(32, 0xE1A00000, "Z80")->ValueText(0), "E1A00000");
    EXPECT_EQ(WordRow(32, 0x000000E8, "x86 (32-bit)")->ValueText(0), "000000E8");
    // A missing library.
    SetDisassemblerFolder("/nonexistent");
    EXPECT_EQ(WordRow(32, 0xE1A00000, "ARM")->ValueText(0), "E1A00000");
    // Another radix ignores the disassembler.
    auto row = WordRow(16, 0x4E71, "68000");
    row->Options.Radix = RowRadix::Binary;
    EXPECT_EQ(row->ValueText(0), "0100111001110001");
}
