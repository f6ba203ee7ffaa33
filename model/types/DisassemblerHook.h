// The disassemblers of the Disassembly radix belong to the display rows, which build on the
// types. The module installs them here at start-up, so that vector display reaches them without
// the types depending on the rows.
#pragma once

#include <cstdint>
#include <string>

struct TDisassemblerLookup {
    // Bits of the instruction word of the named disassembler; 0 when it is unknown.
    int32_t (*WordWidth)(const std::string& name) = nullptr;
    // The instruction text of a word; empty when there is none.
    std::string (*Disassemble)(const std::string& name, uint64_t word) = nullptr;
};

// Installs the lookup; an empty one (the default) shows every value in hexadecimal.
void SetDisassemblerLookup(const TDisassemblerLookup& lookup);
const TDisassemblerLookup& DisassemblerLookup();
