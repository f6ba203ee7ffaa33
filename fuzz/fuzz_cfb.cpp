// Compound files come from disk as they are: opening any bytes and walking every storage and
// stream must end in data or in the engine's error, and so must changing and committing a file
// that opened.
#include "platform/cfb/CfbError.h"
#include "platform/cfb/CompoundFile.h"

#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr uint32_t ReadOnly = STGM_READ | STGM_SHARE_EXCLUSIVE;
constexpr uint32_t ReadWrite = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;

void Walk(TCfbStorage& storage) {
    for (const auto& element : storage.Elements()) {
        if (element.Type == TCfbElementType::Storage) {
            Walk(*storage.OpenStorage(element.Name, ReadOnly));
            continue;
        }
        auto stream = storage.OpenStream(element.Name, ReadOnly);
        std::vector<uint8_t> chunk(1000);
        uint64_t total = 0;
        while (const uint64_t n = stream->Read(chunk.data(), chunk.size()))
            total += n;
        if (total != stream->Size())
            __builtin_trap();
    }
}

void Change(TCfbStorage& root) {
    const std::vector<uint8_t> bytes(5000, 0x5A);
    root.CreateStream("Added", ReadWrite | STGM_CREATE)->Write(bytes.data(), bytes.size());
    for (const auto& element : root.Elements())
        if (element.Type == TCfbElementType::Stream && element.Name != "Added") {
            root.OpenStream(element.Name, ReadWrite)->SetSize(element.Size / 2);
            break;
        }
    root.Commit();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int fd = memfd_create("fuzz_cfb", 0);
    if (fd < 0 || write(fd, data, size) != static_cast<ssize_t>(size))
        __builtin_trap();
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    try {
        Walk(*TCfbStorage::OpenFile(path, ReadOnly));
        Change(*TCfbStorage::OpenFile(path, ReadWrite));
        // What we wrote into a readable file must read again.
        Walk(*TCfbStorage::OpenFile(path, ReadOnly));
    } catch (const ECfbError&) {
    }
    close(fd);
    return 0;
}
