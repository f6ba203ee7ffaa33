// wave-disasm-capstone.so: the processor families of the disassembler table, disassembled with
// the Capstone library.
#include "disasm/DisassemblerApi.h"

#include <capstone/capstone.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace {
struct TProcessor {
    const char* Id;
    cs_arch Arch;
    int Mode;
    int32_t WordWidth;
    bool BigEndian;
};

constexpr TProcessor kProcessors[] = {
    {"arm", CS_ARCH_ARM, CS_MODE_ARM, 32, false},
    {"arm-be", CS_ARCH_ARM, CS_MODE_ARM | CS_MODE_BIG_ENDIAN, 32, true},
    {"thumb", CS_ARCH_ARM, CS_MODE_THUMB, 16, false},
    {"thumb-be", CS_ARCH_ARM, CS_MODE_THUMB | CS_MODE_BIG_ENDIAN, 16, true},
    {"aarch64", CS_ARCH_ARM64, CS_MODE_ARM, 32, false},
    {"aarch64-be", CS_ARCH_ARM64, CS_MODE_ARM | CS_MODE_BIG_ENDIAN, 32, true},
    {"mips32", CS_ARCH_MIPS, CS_MODE_MIPS32, 32, false},
    {"mips32-be", CS_ARCH_MIPS, CS_MODE_MIPS32 | CS_MODE_BIG_ENDIAN, 32, true},
    {"mips64", CS_ARCH_MIPS, CS_MODE_MIPS64, 32, false},
    {"mips64-be", CS_ARCH_MIPS, CS_MODE_MIPS64 | CS_MODE_BIG_ENDIAN, 32, true},
    {"ppc32", CS_ARCH_PPC, CS_MODE_32 | CS_MODE_BIG_ENDIAN, 32, true},
    {"ppc64-le", CS_ARCH_PPC, CS_MODE_64, 32, false},
    {"ppc64", CS_ARCH_PPC, CS_MODE_64 | CS_MODE_BIG_ENDIAN, 32, true},
    {"sparc", CS_ARCH_SPARC, CS_MODE_BIG_ENDIAN, 32, true},
    {"sparcv9", CS_ARCH_SPARC, CS_MODE_BIG_ENDIAN | CS_MODE_V9, 32, true},
    {"x86-16", CS_ARCH_X86, CS_MODE_16, 16, false},
    {"x86-32", CS_ARCH_X86, CS_MODE_32, 32, false},
    {"x86-64", CS_ARCH_X86, CS_MODE_64, 32, false},
    {"m68000", CS_ARCH_M68K, CS_MODE_M68K_000 | CS_MODE_BIG_ENDIAN, 16, true},
    {"m68040", CS_ARCH_M68K, CS_MODE_M68K_040 | CS_MODE_BIG_ENDIAN, 16, true},
    {"m6800", CS_ARCH_M680X, CS_MODE_M680X_6800, 8, true},
    {"m6809", CS_ARCH_M680X, CS_MODE_M680X_6809, 8, true},
};

const TProcessor* Find(const char* id) {
    if (id == nullptr)
        return nullptr;
    for (const auto& p : kProcessors)
        if (std::string_view(p.Id) == id)
            return &p;
    return nullptr;
}
} // namespace

extern "C" {

__attribute__((visibility("default"))) int32_t WaveDisasm_WordWidth(const char* processor) {
    const TProcessor* p = Find(processor);
    return p ? p->WordWidth : 0;
}

__attribute__((visibility("default"))) int32_t WaveDisasm_Text(const char* processor, uint64_t word,
                                                               char* text, int32_t size) {
    const TProcessor* p = Find(processor);
    if (p == nullptr || text == nullptr || size <= 0)
        return 0;
    text[0] = '\0';
    const int count = p->WordWidth / 8;
    uint8_t bytes[8];
    for (int i = 0; i < count; ++i) {
        const int shift = 8 * (p->BigEndian ? count - 1 - i : i);
        bytes[i] = static_cast<uint8_t>(word >> shift);
    }
    csh handle;
    if (cs_open(p->Arch, static_cast<cs_mode>(p->Mode), &handle) != CS_ERR_OK)
        return 0;
    cs_insn* insn = nullptr;
    int32_t length = 0;
    if (cs_disasm(handle, bytes, static_cast<size_t>(count), 0, 1, &insn) == 1) {
        std::string line = insn->mnemonic;
        if (insn->op_str[0] != '\0')
            line += std::string(" ") + insn->op_str;
        length = static_cast<int32_t>(std::min<size_t>(line.size(), static_cast<size_t>(size - 1)));
        std::memcpy(text, line.data(), static_cast<size_t>(length));
        text[length] = '\0';
        cs_free(insn, 1);
    }
    cs_close(&handle);
    return length;
}
}
