// Positioned reads and writes on the file behind a compound file, with one write-behind buffer
// so that sequential writes reach the disk in large pieces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TCfbFileIO {
public:
    TCfbFileIO(const TCfbFileIO&) = delete;
    TCfbFileIO& operator=(const TCfbFileIO&) = delete;
    // Opens an existing file; fails with STG_E_FILENOTFOUND or STG_E_ACCESSDENIED.
    static std::unique_ptr<TCfbFileIO> Open(const std::string& path, bool writable);
    // A new temporary file beside path, which Publish later renames over path.
    static std::unique_ptr<TCfbFileIO> CreateBeside(const std::string& path);
    // A temporary file that was never published is removed.
    ~TCfbFileIO();

    // Reads up to count bytes; fewer only at the end of the file.
    size_t ReadAt(uint64_t position, void* buffer, size_t count);
    void WriteAt(uint64_t position, const void* buffer, size_t count);
    void SetSize(uint64_t size);
    uint64_t Size() const { return FileSize; }
    void Flush();
    // Moves the temporary file over the target name.
    void Publish();
    bool Published() const { return TempPath.empty(); }
    const std::string& Path() const { return TargetPath; }

private:
    TCfbFileIO(int fd, std::string targetPath, std::string tempPath);
    void WriteThrough(uint64_t position, const uint8_t* data, size_t count);

    int Fd;
    std::string TargetPath;
    std::string TempPath;
    uint64_t FileSize = 0;
    std::vector<uint8_t> Pending;
    uint64_t PendingPosition = 0;
};
