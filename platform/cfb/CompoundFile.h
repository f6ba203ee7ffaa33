// Our structured-storage service: compound files in the published binary format, with storages
// and streams reached through handles. Files are written in version 3 (512-byte sectors);
// versions 3 and 4 are read. Sectors are read and written on demand, so memory follows the
// directory and allocation tables, never the size of the data.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TCfbFile;

// Access modes of the service. Sharing modes are accepted and not enforced between processes.
constexpr uint32_t STGM_READ = 0x0;
constexpr uint32_t STGM_WRITE = 0x1;
constexpr uint32_t STGM_READWRITE = 0x2;
constexpr uint32_t STGM_SHARE_EXCLUSIVE = 0x10;
constexpr uint32_t STGM_SHARE_DENY_WRITE = 0x20;
constexpr uint32_t STGM_SHARE_DENY_NONE = 0x40;
constexpr uint32_t STGM_CREATE = 0x1000;

enum class TCfbElementType : uint32_t { Storage = 1, Stream = 2 };

struct TCfbElementInfo {
    std::string Name;
    TCfbElementType Type = TCfbElementType::Stream;
    uint64_t Size = 0;
};

enum class TCfbSeekOrigin { Begin, Current, End };

class TCfbStream {
public:
    TCfbStream(const TCfbStream&) = delete;
    TCfbStream& operator=(const TCfbStream&) = delete;
    ~TCfbStream();

    // Reads up to count bytes from the position; fewer only at the end of the stream.
    uint64_t Read(void* buffer, uint64_t count);
    // Writes at the position, growing the stream as needed.
    void Write(const void* buffer, uint64_t count);
    uint64_t Seek(int64_t offset, TCfbSeekOrigin origin);
    // New bytes read as zero.
    void SetSize(uint64_t size);
    uint64_t Size() const;
    TCfbElementInfo Stat() const;

private:
    friend class TCfbStorage;
    TCfbStream(std::shared_ptr<TCfbFile> file, uint32_t id, bool writable);
    void CheckWritable() const;

    std::shared_ptr<TCfbFile> File;
    uint32_t Id;
    bool Writable;
    uint64_t Position = 0;
    std::vector<uint32_t> Chain; // sectors, or mini sectors while the stream is small
};

class TCfbStorage {
public:
    TCfbStorage(const TCfbStorage&) = delete;
    TCfbStorage& operator=(const TCfbStorage&) = delete;
    ~TCfbStorage();

    // The content goes to a temporary file beside path; the first Commit moves it over path.
    // Released uncommitted, it leaves path as it was.
    static std::unique_ptr<TCfbStorage> CreateFile(const std::string& path);
    static std::unique_ptr<TCfbStorage> OpenFile(const std::string& path, uint32_t mode);
    static bool IsCompoundFile(const std::string& path);

    // STGM_CREATE replaces an existing element of that name; without it the name must be free.
    std::unique_ptr<TCfbStorage> CreateStorage(const std::string& name, uint32_t mode);
    std::unique_ptr<TCfbStorage> OpenStorage(const std::string& name, uint32_t mode);
    std::unique_ptr<TCfbStream> CreateStream(const std::string& name, uint32_t mode);
    std::unique_ptr<TCfbStream> OpenStream(const std::string& name, uint32_t mode);
    void DestroyElement(const std::string& name);

    // The children in the format's name order.
    std::vector<TCfbElementInfo> Elements() const;
    // Letter case does not matter.
    std::optional<TCfbElementInfo> Find(const std::string& name) const;
    TCfbElementInfo Stat() const;
    // Writes the directory and tables of the whole file (on the root; a no-op elsewhere).
    void Commit();

private:
    TCfbStorage(std::shared_ptr<TCfbFile> file, uint32_t id, bool writable);
    uint32_t CreateEntry(const std::string& name, uint32_t mode, bool storage);
    uint32_t OpenEntry(const std::string& name, uint32_t mode, bool storage, bool& writable);

    std::shared_ptr<TCfbFile> File;
    uint32_t Id;
    bool Writable;
};
