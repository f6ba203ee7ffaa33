// On-disk layout of compound files: the special sector numbers, the header and directory
// entries, and little-endian field access.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr uint32_t CfbMaxRegularSector = 0xFFFFFFFA;
constexpr uint32_t CfbDifatSector = 0xFFFFFFFC;
constexpr uint32_t CfbFatSector = 0xFFFFFFFD;
constexpr uint32_t CfbEndOfChain = 0xFFFFFFFE;
constexpr uint32_t CfbFreeSector = 0xFFFFFFFF;
constexpr uint32_t CfbNoStream = 0xFFFFFFFF;

constexpr uint32_t CfbHeaderSize = 512;
constexpr uint32_t CfbHeaderDifatEntries = 109;
constexpr uint32_t CfbMiniSectorSize = 64;
constexpr uint32_t CfbMiniStreamCutoff = 4096;
constexpr uint32_t CfbDirEntrySize = 128;
constexpr uint8_t CfbSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

enum class TCfbEntryType : uint8_t { Unallocated = 0, Storage = 1, Stream = 2, Root = 5 };
enum class TCfbColor : uint8_t { Red = 0, Black = 1 };

inline uint16_t CfbGet16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
inline uint32_t CfbGet32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
inline uint64_t CfbGet64(const uint8_t* p) {
    return CfbGet32(p) | static_cast<uint64_t>(CfbGet32(p + 4)) << 32;
}
inline void CfbPut16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void CfbPut32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}
inline void CfbPut64(uint8_t* p, uint64_t v) {
    CfbPut32(p, static_cast<uint32_t>(v));
    CfbPut32(p + 4, static_cast<uint32_t>(v >> 32));
}

// The fixed fields of the file header (the first 76 bytes; the header's DIFAT follows them).
struct TCfbHeader {
    uint16_t MajorVersion = 3;
    uint16_t SectorShift = 9;
    uint32_t DirSectorCount = 0;
    uint32_t FatSectorCount = 0;
    uint32_t FirstDirSector = CfbEndOfChain;
    uint32_t FirstMiniFatSector = CfbEndOfChain;
    uint32_t MiniFatSectorCount = 0;
    uint32_t FirstDifatSector = CfbEndOfChain;
    uint32_t DifatSectorCount = 0;

    // Fails with a description of the first field that is not acceptable.
    static TCfbHeader Decode(const uint8_t* bytes, std::string& problem);
    void Encode(uint8_t* bytes) const;
};

struct TCfbDirEntry {
    std::u16string Name;
    TCfbEntryType Type = TCfbEntryType::Unallocated;
    TCfbColor Color = TCfbColor::Black;
    uint32_t Left = CfbNoStream;
    uint32_t Right = CfbNoStream;
    uint32_t Child = CfbNoStream;
    uint8_t Clsid[16] = {};
    uint32_t StateBits = 0;
    uint64_t CreationTime = 0;
    uint64_t ModifiedTime = 0;
    uint32_t Start = CfbEndOfChain;
    uint64_t Size = 0;

    // Version 3 files keep only the low 32 bits of a stream size.
    static TCfbDirEntry Decode(const uint8_t* bytes, uint16_t majorVersion);
    void Encode(uint8_t* bytes) const;
};
