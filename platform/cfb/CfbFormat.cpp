#include "platform/cfb/CfbFormat.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr uint16_t ByteOrderMark = 0xFFFE;
constexpr uint16_t MinorVersion = 0x3E;
constexpr uint16_t MiniSectorShift = 6;
} // namespace

TCfbHeader TCfbHeader::Decode(const uint8_t* b, std::string& problem) {
    TCfbHeader h;
    h.MajorVersion = CfbGet16(b + 26);
    h.SectorShift = CfbGet16(b + 30);
    h.DirSectorCount = CfbGet32(b + 40);
    h.FatSectorCount = CfbGet32(b + 44);
    h.FirstDirSector = CfbGet32(b + 48);
    h.FirstMiniFatSector = CfbGet32(b + 60);
    h.MiniFatSectorCount = CfbGet32(b + 64);
    h.FirstDifatSector = CfbGet32(b + 68);
    h.DifatSectorCount = CfbGet32(b + 72);
    if (std::memcmp(b, CfbSignature, sizeof CfbSignature) != 0)
        problem = "The file signature is missing.";
    else if (h.MajorVersion != 3 && h.MajorVersion != 4)
        problem = "Version " + std::to_string(h.MajorVersion) + " is not supported.";
    else if (CfbGet16(b + 28) != ByteOrderMark)
        problem = "The byte order mark is wrong.";
    else if (h.SectorShift != (h.MajorVersion == 3 ? 9 : 12))
        problem = "The sector size does not match the version.";
    else if (CfbGet16(b + 32) != MiniSectorShift)
        problem = "The mini sector size is not 64 bytes.";
    return h;
}

void TCfbHeader::Encode(uint8_t* b) const {
    std::memset(b, 0, CfbHeaderSize);
    std::memcpy(b, CfbSignature, sizeof CfbSignature);
    CfbPut16(b + 24, MinorVersion);
    CfbPut16(b + 26, MajorVersion);
    CfbPut16(b + 28, ByteOrderMark);
    CfbPut16(b + 30, SectorShift);
    CfbPut16(b + 32, MiniSectorShift);
    CfbPut32(b + 40, DirSectorCount);
    CfbPut32(b + 44, FatSectorCount);
    CfbPut32(b + 48, FirstDirSector);
    CfbPut32(b + 56, CfbMiniStreamCutoff);
    CfbPut32(b + 60, FirstMiniFatSector);
    CfbPut32(b + 64, MiniFatSectorCount);
    CfbPut32(b + 68, FirstDifatSector);
    CfbPut32(b + 72, DifatSectorCount);
}

TCfbDirEntry TCfbDirEntry::Decode(const uint8_t* b, uint16_t majorVersion) {
    TCfbDirEntry e;
    const size_t units = std::min<size_t>(CfbGet16(b + 64) / 2, 32);
    for (size_t i = 0; i < units; ++i) {
        const char16_t unit = static_cast<char16_t>(CfbGet16(b + 2 * i));
        if (unit == 0)
            break;
        e.Name += unit;
    }
    e.Type = static_cast<TCfbEntryType>(b[66]);
    e.Color = b[67] == 0 ? TCfbColor::Red : TCfbColor::Black;
    e.Left = CfbGet32(b + 68);
    e.Right = CfbGet32(b + 72);
    e.Child = CfbGet32(b + 76);
    std::memcpy(e.Clsid, b + 80, sizeof e.Clsid);
    e.StateBits = CfbGet32(b + 96);
    e.CreationTime = CfbGet64(b + 100);
    e.ModifiedTime = CfbGet64(b + 108);
    e.Start = CfbGet32(b + 116);
    e.Size = majorVersion == 3 ? CfbGet32(b + 120) : CfbGet64(b + 120);
    return e;
}

void TCfbDirEntry::Encode(uint8_t* b) const {
    std::memset(b, 0, CfbDirEntrySize);
    CfbPut32(b + 68, Left);
    CfbPut32(b + 72, Right);
    CfbPut32(b + 76, Child);
    if (Type == TCfbEntryType::Unallocated)
        return;
    for (size_t i = 0; i < Name.size(); ++i)
        CfbPut16(b + 2 * i, Name[i]);
    CfbPut16(b + 64, static_cast<uint16_t>(2 * (Name.size() + 1)));
    b[66] = static_cast<uint8_t>(Type);
    b[67] = static_cast<uint8_t>(Color);
    std::memcpy(b + 80, Clsid, sizeof Clsid);
    CfbPut32(b + 96, StateBits);
    CfbPut64(b + 100, CreationTime);
    CfbPut64(b + 108, ModifiedTime);
    CfbPut32(b + 116, Start);
    CfbPut64(b + 120, Size);
}
