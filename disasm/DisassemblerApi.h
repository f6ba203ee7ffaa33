// The C interface every disassembler library offers. The module loads such libraries by name
// from its disassembler folder and asks them about one processor at a time.
#pragma once

#include <stdint.h>

extern "C" {
// Bits of the instruction word the processor's disassembly reads; 0 when the library does not
// know the processor.
typedef int32_t (*TWaveDisasmWordWidth)(const char* processor);
// Writes the instruction the word holds as a zero-terminated text into text (at most size bytes
// with the terminator) and answers its length; 0 when the word holds no whole instruction.
typedef int32_t (*TWaveDisasmText)(const char* processor, uint64_t word, char* text, int32_t size);
}

#define WAVE_DISASM_WORD_WIDTH "WaveDisasm_WordWidth"
#define WAVE_DISASM_TEXT "WaveDisasm_Text"
