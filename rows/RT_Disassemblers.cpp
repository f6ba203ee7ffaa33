#include "rows/RT_Disassemblers.h"

#include "disasm/DisassemblerApi.h"

#include <dlfcn.h>
#include <filesystem>
#include <map>
#include <memory>

const std::array<TDisassemblerEntry, 22> DisassemblerTable = {{
    {"ARM", "arm", "wave-disasm-capstone.so"},
    {"ARM (big-endian)", "arm-be", "wave-disasm-capstone.so"},
    {"Thumb", "thumb", "wave-disasm-capstone.so"},
    {"Thumb (big-endian)", "thumb-be", "wave-disasm-capstone.so"},
    {"AArch64", "aarch64", "wave-disasm-capstone.so"},
    {"AArch64 (big-endian)", "aarch64-be", "wave-disasm-capstone.so"},
    {"MIPS32", "mips32", "wave-disasm-capstone.so"},
    {"MIPS32 (big-endian)", "mips32-be", "wave-disasm-capstone.so"},
    {"MIPS64", "mips64", "wave-disasm-capstone.so"},
    {"MIPS64 (big-endian)", "mips64-be", "wave-disasm-capstone.so"},
    {"PowerPC", "ppc32", "wave-disasm-capstone.so"},
    {"PowerPC 64", "ppc64", "wave-disasm-capstone.so"},
    {"PowerPC 64 (little-endian)", "ppc64-le", "wave-disasm-capstone.so"},
    {"SPARC", "sparc", "wave-disasm-capstone.so"},
    {"SPARC V9", "sparcv9", "wave-disasm-capstone.so"},
    {"x86 (16-bit)", "x86-16", "wave-disasm-capstone.so"},
    {"x86 (32-bit)", "x86-32", "wave-disasm-capstone.so"},
    {"x86-64", "x86-64", "wave-disasm-capstone.so"},
    {"68000", "m68000", "wave-disasm-capstone.so"},
    {"68040", "m68040", "wave-disasm-capstone.so"},
    {"6800", "m6800", "wave-disasm-capstone.so"},
    {"6809", "m6809", "wave-disasm-capstone.so"},
}};

namespace {
struct TLibrary {
    void* Handle = nullptr;
    TWaveDisasmWordWidth WordWidth = nullptr;
    TWaveDisasmText Text = nullptr;
    ~TLibrary() {
        if (Handle)
            dlclose(Handle);
    }
};

struct TLibraries {
    std::string Folder;
    bool FolderSet = false;
    // Loaded on first use; a library that failed to load is remembered as missing.
    std::map<std::string, std::unique_ptr<TLibrary>> Loaded;
};

TLibraries& Libraries() {
    static TLibraries libraries;
    return libraries;
}

const TDisassemblerEntry* FindEntry(const std::string& name) {
    for (const auto& e : DisassemblerTable)
        if (name == e.Name)
            return &e;
    return nullptr;
}

const TLibrary* LibraryOf(const TDisassemblerEntry& entry) {
    auto& loaded = Libraries().Loaded;
    auto it = loaded.find(entry.Library);
    if (it == loaded.end()) {
        auto library = std::make_unique<TLibrary>();
        const std::string path =
            (std::filesystem::path(DisassemblerFolder()) / entry.Library).string();
        library->Handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (library->Handle) {
            library->WordWidth = reinterpret_cast<TWaveDisasmWordWidth>(
                dlsym(library->Handle, WAVE_DISASM_WORD_WIDTH));
            library->Text =
                reinterpret_cast<TWaveDisasmText>(dlsym(library->Handle, WAVE_DISASM_TEXT));
        }
        it = loaded.emplace(entry.Library, std::move(library)).first;
    }
    const TLibrary* library = it->second.get();
    return library->WordWidth && library->Text ? library : nullptr;
}
} // namespace

std::string DisassemblerFolder() {
    TLibraries& libraries = Libraries();
    if (!libraries.FolderSet) {
        Dl_info info{};
        std::filesystem::path folder = ".";
        if (dladdr(reinterpret_cast<void*>(&DisassemblerFolder), &info) != 0 && info.dli_fname) {
            // The module may be reached through a link; its folder is where the file lives.
            std::error_code error;
            const auto file = std::filesystem::canonical(info.dli_fname, error);
            folder = (error ? std::filesystem::path(info.dli_fname) : file).parent_path();
        }
        libraries.Folder = (folder / "disasm").string();
        libraries.FolderSet = true;
    }
    return libraries.Folder;
}

void SetDisassemblerFolder(const std::string& folder) {
    TLibraries& libraries = Libraries();
    libraries.Folder = folder;
    libraries.FolderSet = true;
    libraries.Loaded.clear();
}

int32_t DisassemblerWordWidth(const std::string& name) {
    const TDisassemblerEntry* entry = FindEntry(name);
    const TLibrary* library = entry ? LibraryOf(*entry) : nullptr;
    return library ? library->WordWidth(entry->Processor) : 0;
}

std::string DisassembleWord(const std::string& name, uint64_t word) {
    const TDisassemblerEntry* entry = FindEntry(name);
    const TLibrary* library = entry ? LibraryOf(*entry) : nullptr;
    if (library == nullptr)
        return {};
    char text[256];
    const int32_t length = library->Text(entry->Processor, word, text, sizeof text);
    return length > 0 ? std::string(text, static_cast<size_t>(length)) : std::string();
}
