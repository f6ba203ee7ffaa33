// The disassembler table: the processors whose instructions a bus can be shown as (radix
// Disassembly), each served by an external disassembler library loaded by name.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct TDisassemblerEntry {
    const char* Name;      // shown in the dialogs and stored with a row
    const char* Processor; // handed to the library
    const char* Library;   // file in the disassembler folder
};

extern const std::array<TDisassemblerEntry, 22> DisassemblerTable;

// The folder the libraries are loaded from: "disasm" beside the module unless set.
std::string DisassemblerFolder();
void SetDisassemblerFolder(const std::string& folder);

// Bits of the instruction word of the named entry; 0 when the name is not in the table or its
// library cannot be loaded (the value is then shown in hexadecimal).
int32_t DisassemblerWordWidth(const std::string& name);
// The instruction text of a word; empty when there is none.
std::string DisassembleWord(const std::string& name, uint64_t word);
