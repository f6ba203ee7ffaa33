// The state of one open compound file shared by its storage and stream handles: the file, the
// allocation tables, the directory and the mini stream. Stream bytes live in their sectors;
// only the tables and the directory are held in memory and written back by Commit.
#pragma once

#include "platform/cfb/CfbAllocationTable.h"
#include "platform/cfb/CfbDirectory.h"
#include "platform/cfb/CfbFileIO.h"

#include <memory>
#include <string>
#include <vector>

class TCfbFile {
public:
    static std::shared_ptr<TCfbFile> Create(const std::string& path);
    static std::shared_ptr<TCfbFile> Open(const std::string& path, bool writable);
    // An unpublished new file is discarded; a changed existing file is committed.
    ~TCfbFile();

    const std::string& Name() const { return IO->Path(); }
    bool Writable() const { return IsWritable; }
    TCfbDirectory& Directory() { return Dir; }
    void MarkChanged() { Changed = true; }

    // The sectors (or mini sectors) of a stream, checked against its size.
    std::vector<uint32_t> LoadChain(uint32_t id) const;
    void ReadData(const std::vector<uint32_t>& chain, uint64_t streamSize, uint64_t position,
                  void* buffer, uint64_t count);
    void WriteData(const std::vector<uint32_t>& chain, uint64_t streamSize, uint64_t position,
                   const void* buffer, uint64_t count);
    // Grows or shrinks a stream, moving it between the mini stream and sectors at the cutoff.
    void Resize(uint32_t id, std::vector<uint32_t>& chain, uint64_t size, bool zeroNewBytes);
    // Frees the sectors of an element and its children and removes their entries.
    void Destroy(uint32_t id);

    void Commit();

private:
    TCfbFile(std::unique_ptr<TCfbFileIO> io, bool writable, uint16_t majorVersion);
    void Load();
    void Damaged(const std::string& detail) const;
    uint64_t SectorPosition(uint32_t sector) const { return (uint64_t{sector} + 1) * SectorSize; }
    // The first count entries of a table stored in the given sectors.
    std::vector<uint32_t> ReadTable(const std::vector<uint32_t>& sectors, uint32_t count);
    std::vector<uint8_t> ReadSectors(const std::vector<uint32_t>& sectors);
    void WriteSectors(const std::vector<uint32_t>& sectors, const std::vector<uint8_t>& bytes);
    // Moves bytes between buffer and a range of a sector chain; writing when data is given.
    void TransferSectors(const std::vector<uint32_t>& chain, uint64_t position, uint8_t* buffer,
                         const uint8_t* data, uint64_t count);
    void TransferMini(const std::vector<uint32_t>& chain, uint64_t position, uint8_t* buffer,
                      const uint8_t* data, uint64_t count);
    void ExtendMini(std::vector<uint32_t>& chain, uint64_t count);
    void WriteZeros(const std::vector<uint32_t>& chain, uint64_t streamSize, uint64_t position,
                    uint64_t count);
    // Writes table entries into the given sectors, padding with free marks.
    void WriteTable(const std::vector<uint32_t>& entries, const std::vector<uint32_t>& sectors);
    // Allocates sectors for a table and writes it there.
    std::vector<uint32_t> StoreTable(const std::vector<uint32_t>& entries, uint32_t sectors);

    std::unique_ptr<TCfbFileIO> IO;
    bool IsWritable;
    uint16_t MajorVersion;
    uint32_t SectorSize;
    TCfbAllocationTable Fat;
    TCfbAllocationTable MiniFat;
    TCfbDirectory Dir;
    std::vector<uint32_t> MiniStreamChain;
    std::vector<uint32_t> MetadataSectors; // directory, MiniFAT, FAT and DIFAT of the last commit
    bool Changed = false;
};
