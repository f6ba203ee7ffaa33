#include "platform/cfb/CfbFile.h"

#include "platform/cfb/CfbError.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace {
// Version 3 files stay below 2 GB; version 4 sector numbers run up to the special values.
uint32_t SectorLimit(uint16_t majorVersion, uint32_t sectorSize) {
    return majorVersion == 3 ? 0x80000000u / sectorSize - 1 : CfbMaxRegularSector;
}

uint64_t Units(uint64_t size, uint64_t unitSize) {
    return (size + unitSize - 1) / unitSize;
}

bool IsSmall(uint64_t size) {
    return size < CfbMiniStreamCutoff;
}

std::vector<uint32_t> Words(const std::vector<uint8_t>& bytes) {
    std::vector<uint32_t> words(bytes.size() / 4);
    for (size_t i = 0; i < words.size(); ++i)
        words[i] = CfbGet32(&bytes[4 * i]);
    return words;
}
} // namespace

TCfbFile::TCfbFile(std::unique_ptr<TCfbFileIO> io, bool writable, uint16_t majorVersion)
    : IO(std::move(io)), IsWritable(writable), MajorVersion(majorVersion),
      SectorSize(majorVersion == 3 ? 512 : 4096),
      Fat(IO->Path(), "sector", SectorLimit(MajorVersion, SectorSize)),
      MiniFat(IO->Path(), "mini sector", CfbMaxRegularSector) {}

std::shared_ptr<TCfbFile> TCfbFile::Create(const std::string& path) {
    std::shared_ptr<TCfbFile> file(new TCfbFile(TCfbFileIO::CreateBeside(path), true, 3));
    file->Changed = true;
    return file;
}

std::shared_ptr<TCfbFile> TCfbFile::Open(const std::string& path, bool writable) {
    auto io = TCfbFileIO::Open(path, writable);
    uint8_t header[CfbHeaderSize];
    if (io->ReadAt(0, header, sizeof header) < sizeof header)
        throw ECfbError(STG_E_INVALIDHEADER, path, "The file is shorter than a header.");
    std::string problem;
    const TCfbHeader h = TCfbHeader::Decode(header, problem);
    if (!problem.empty())
        throw ECfbError(STG_E_INVALIDHEADER, path, problem);
    std::shared_ptr<TCfbFile> file(new TCfbFile(std::move(io), writable, h.MajorVersion));
    file->Load();
    return file;
}

TCfbFile::~TCfbFile() {
    if (IsWritable && Changed && IO->Published()) {
        try {
            Commit();
        } catch (const ECfbError&) {
            // Nobody is left to tell; the sectors written so far stay as they are.
        }
    }
}

void TCfbFile::Damaged(const std::string& detail) const {
    throw ECfbError(STG_E_DOCFILECORRUPT, IO->Path(), detail);
}

std::vector<uint8_t> TCfbFile::ReadSectors(const std::vector<uint32_t>& sectors) {
    std::vector<uint8_t> bytes(sectors.size() * SectorSize);
    TransferSectors(sectors, 0, bytes.data(), nullptr, bytes.size());
    return bytes;
}

void TCfbFile::WriteSectors(const std::vector<uint32_t>& sectors,
                            const std::vector<uint8_t>& bytes) {
    TransferSectors(sectors, 0, nullptr, bytes.data(), bytes.size());
}

std::vector<uint32_t> TCfbFile::ReadTable(const std::vector<uint32_t>& sectors, uint32_t count) {
    // In pieces, so a large table is never held twice; entries past count describe nothing.
    constexpr size_t PieceSectors = 128;
    const size_t used = std::min<size_t>(sectors.size(), Units(count, SectorSize / 4));
    std::vector<uint32_t> entries;
    entries.reserve(used * (SectorSize / 4));
    for (size_t first = 0; first < used; first += PieceSectors) {
        const auto begin = sectors.begin() + static_cast<ptrdiff_t>(first);
        const auto end =
            sectors.begin() + static_cast<ptrdiff_t>(std::min(used, first + PieceSectors));
        const std::vector<uint32_t> words = Words(ReadSectors(std::vector<uint32_t>(begin, end)));
        entries.insert(entries.end(), words.begin(), words.end());
    }
    return entries;
}

void TCfbFile::Load() {
    uint8_t header[CfbHeaderSize];
    IO->ReadAt(0, header, sizeof header);
    std::string problem;
    const TCfbHeader h = TCfbHeader::Decode(header, problem);
    const uint64_t fileSize = IO->Size();
    const uint32_t fileSectors = static_cast<uint32_t>(std::min<uint64_t>(
        fileSize > SectorSize ? Units(fileSize - SectorSize, SectorSize) : 0, CfbMaxRegularSector));
    if (h.FatSectorCount > fileSectors)
        Damaged("The header lists more FAT sectors than the file holds.");

    // The FAT sectors: the first 109 in the header, the rest in the chain of DIFAT sectors.
    std::vector<uint32_t> fatSectors;
    for (uint32_t i = 0; i < std::min(h.FatSectorCount, CfbHeaderDifatEntries); ++i)
        fatSectors.push_back(CfbGet32(header + 76 + 4 * i));
    const uint32_t perDifat = SectorSize / 4 - 1;
    std::vector<uint32_t> difatSectors;
    for (uint32_t next = h.FirstDifatSector; fatSectors.size() < h.FatSectorCount;) {
        if (next >= fileSectors)
            Damaged("The DIFAT chain leaves the file before listing all FAT sectors.");
        if (std::find(difatSectors.begin(), difatSectors.end(), next) != difatSectors.end())
            Damaged("The DIFAT chain runs in a cycle.");
        difatSectors.push_back(next);
        const std::vector<uint32_t> words = Words(ReadSectors({next}));
        const size_t take = std::min<size_t>(perDifat, h.FatSectorCount - fatSectors.size());
        fatSectors.insert(fatSectors.end(), words.begin(), words.begin() + take);
        next = words[perDifat];
    }
    for (uint32_t sector : fatSectors)
        if (sector >= fileSectors)
            Damaged("A FAT sector lies beyond the end of the file.");
    Fat.Assign(ReadTable(fatSectors, fileSectors), fileSectors);

    if (h.FirstDirSector == CfbEndOfChain)
        Damaged("The file has no directory.");
    const std::vector<uint32_t> dirChain = Fat.FollowToEnd(h.FirstDirSector, "the directory");
    Dir = TCfbDirectory(ReadSectors(dirChain), MajorVersion, IO->Path());

    std::vector<uint32_t> miniFatChain;
    if (h.FirstMiniFatSector != CfbEndOfChain && h.FirstMiniFatSector != CfbFreeSector)
        miniFatChain = Fat.FollowToEnd(h.FirstMiniFatSector, "the MiniFAT");
    const TCfbDirEntry& root = Dir[TCfbDirectory::RootId].Entry;
    if (root.Size > 0)
        MiniStreamChain = Fat.Follow(root.Start, Units(root.Size, SectorSize), "the mini stream");
    const auto miniSectors = static_cast<uint32_t>(Units(root.Size, CfbMiniSectorSize));
    MiniFat.Assign(ReadTable(miniFatChain, miniSectors), miniSectors);

    MetadataSectors = fatSectors;
    for (const std::vector<uint32_t>* chain : std::initializer_list<const std::vector<uint32_t>*>{
             &difatSectors, &dirChain, &miniFatChain})
        MetadataSectors.insert(MetadataSectors.end(), chain->begin(), chain->end());
}

std::vector<uint32_t> TCfbFile::LoadChain(uint32_t id) const {
    const TCfbDirEntry& entry = Dir[id].Entry;
    const std::string owner = "stream \"" + CfbNameToUtf8(entry.Name) + "\"";
    if (entry.Size == 0)
        return {};
    if (IsSmall(entry.Size))
        return MiniFat.Follow(entry.Start, Units(entry.Size, CfbMiniSectorSize), owner);
    return Fat.Follow(entry.Start, Units(entry.Size, SectorSize), owner);
}

void TCfbFile::TransferSectors(const std::vector<uint32_t>& chain, uint64_t position,
                               uint8_t* buffer, const uint8_t* data, uint64_t count) {
    while (count > 0) {
        const uint64_t index = position / SectorSize;
        if (index >= chain.size())
            Damaged("A stream reaches beyond its sectors.");
        // Neighbouring sectors make one transfer.
        uint64_t last = index;
        while (last + 1 < chain.size() && chain[last + 1] == chain[last] + 1 &&
               (last + 1) * SectorSize < position + count)
            ++last;
        const uint64_t length = std::min(count, (last + 1) * SectorSize - position);
        const uint64_t filePosition = SectorPosition(chain[index]) + position % SectorSize;
        if (data) {
            IO->WriteAt(filePosition, data, length);
            data += length;
        } else {
            // The last sector of a file may be cut short, and sectors allocated but not yet
            // written lie beyond the end: both read as zeros.
            const size_t got = IO->ReadAt(filePosition, buffer, length);
            std::memset(buffer + got, 0, length - got);
            buffer += length;
        }
        position += length;
        count -= length;
    }
}

void TCfbFile::TransferMini(const std::vector<uint32_t>& chain, uint64_t position, uint8_t* buffer,
                            const uint8_t* data, uint64_t count) {
    while (count > 0) {
        const uint64_t index = position / CfbMiniSectorSize;
        uint64_t last = index;
        while (last + 1 < chain.size() && chain[last + 1] == chain[last] + 1 &&
               (last + 1) * CfbMiniSectorSize < position + count)
            ++last;
        const uint64_t length = std::min(count, (last + 1) * CfbMiniSectorSize - position);
        const uint64_t miniPosition =
            uint64_t{chain[index]} * CfbMiniSectorSize + position % CfbMiniSectorSize;
        TransferSectors(MiniStreamChain, miniPosition, buffer, data, length);
        if (data)
            data += length;
        else
            buffer += length;
        position += length;
        count -= length;
    }
}

void TCfbFile::ReadData(const std::vector<uint32_t>& chain, uint64_t streamSize, uint64_t position,
                        void* buffer, uint64_t count) {
    auto* out = static_cast<uint8_t*>(buffer);
    if (IsSmall(streamSize))
        TransferMini(chain, position, out, nullptr, count);
    else
        TransferSectors(chain, position, out, nullptr, count);
}

void TCfbFile::WriteData(const std::vector<uint32_t>& chain, uint64_t streamSize, uint64_t position,
                         const void* buffer, uint64_t count) {
    const auto* in = static_cast<const uint8_t*>(buffer);
    if (IsSmall(streamSize))
        TransferMini(chain, position, nullptr, in, count);
    else
        TransferSectors(chain, position, nullptr, in, count);
    Changed = true;
}

void TCfbFile::WriteZeros(const std::vector<uint32_t>& chain, uint64_t streamSize,
                          uint64_t position, uint64_t count) {
    static const std::vector<uint8_t> zeros(64 * 1024, 0);
    while (count > 0) {
        const uint64_t length = std::min<uint64_t>(count, zeros.size());
        WriteData(chain, streamSize, position, zeros.data(), length);
        position += length;
        count -= length;
    }
}

void TCfbFile::ExtendMini(std::vector<uint32_t>& chain, uint64_t count) {
    MiniFat.Extend(chain, count);
    const uint64_t sectors = Units(uint64_t{MiniFat.Count()} * CfbMiniSectorSize, SectorSize);
    if (sectors > MiniStreamChain.size())
        Fat.Extend(MiniStreamChain, sectors - MiniStreamChain.size());
}

void TCfbFile::Resize(uint32_t id, std::vector<uint32_t>& chain, uint64_t size, bool zeroNewBytes) {
    TCfbDirEntry& entry = Dir[id].Entry;
    const uint64_t oldSize = entry.Size;
    if (size == oldSize)
        return;
    if (size > uint64_t{SectorLimit(MajorVersion, SectorSize)} * SectorSize)
        throw ECfbError(STG_E_MEDIUMFULL, CfbNameToUtf8(entry.Name),
                        "The stream would exceed the size limit of the format.");
    Changed = true;
    // Crossing the cutoff moves the bytes (fewer than 4096) between the mini stream and sectors.
    std::vector<uint8_t> moved;
    if (oldSize > 0 && IsSmall(oldSize) != IsSmall(size)) {
        moved.resize(std::min(oldSize, size));
        ReadData(chain, oldSize, 0, moved.data(), moved.size());
        (IsSmall(oldSize) ? MiniFat : Fat).Truncate(chain, chain.size());
    }
    const bool small = IsSmall(size);
    const uint64_t needed = Units(size, small ? CfbMiniSectorSize : SectorSize);
    if (needed > chain.size()) {
        if (small)
            ExtendMini(chain, needed - chain.size());
        else
            Fat.Extend(chain, needed - chain.size());
    } else {
        (small ? MiniFat : Fat).Truncate(chain, chain.size() - needed);
    }
    entry.Size = size;
    entry.Start = chain.empty() ? CfbEndOfChain : chain.front();
    WriteData(chain, size, 0, moved.data(), moved.size());
    if (zeroNewBytes && size > oldSize)
        WriteZeros(chain, size, oldSize, size - oldSize);
}

void TCfbFile::Destroy(uint32_t id) {
    std::vector<uint32_t> order{id};
    for (size_t i = 0; i < order.size(); ++i)
        for (const auto& child : Dir[order[i]].Children)
            order.push_back(child.second);
    // Children go before their storage, so each leaves a storage that still exists.
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (Dir[*it].Entry.Type == TCfbEntryType::Stream) {
            std::vector<uint32_t> chain = LoadChain(*it);
            (IsSmall(Dir[*it].Entry.Size) ? MiniFat : Fat).Truncate(chain, chain.size());
        }
        Dir.Remove(*it);
    }
    Changed = true;
}

void TCfbFile::WriteTable(const std::vector<uint32_t>& entries,
                          const std::vector<uint32_t>& sectors) {
    // One sector at a time: the write-behind buffer joins neighbouring sectors, and a large
    // FAT is never copied whole.
    const size_t perSector = SectorSize / 4;
    std::vector<uint8_t> bytes(SectorSize);
    for (size_t k = 0; k < sectors.size(); ++k) {
        std::fill(bytes.begin(), bytes.end(), 0xFF);
        const size_t first = k * perSector;
        const size_t last = std::min(entries.size(), first + perSector);
        for (size_t i = first; i < last; ++i)
            CfbPut32(&bytes[4 * (i - first)], entries[i]);
        TransferSectors({sectors[k]}, 0, nullptr, bytes.data(), SectorSize);
    }
}

std::vector<uint32_t> TCfbFile::StoreTable(const std::vector<uint32_t>& entries, uint32_t sectors) {
    std::vector<uint32_t> chain;
    Fat.Extend(chain, sectors);
    WriteTable(entries, chain);
    return chain;
}

void TCfbFile::Commit() {
    if (!IsWritable || !Changed)
        return;
    Fat.Release(MetadataSectors);
    MetadataSectors.clear();

    const uint32_t perSector = SectorSize / 4;
    TCfbDirEntry& root = Dir[TCfbDirectory::RootId].Entry;
    root.Size = uint64_t{MiniFat.Count()} * CfbMiniSectorSize;
    root.Start = MiniStreamChain.empty() ? CfbEndOfChain : MiniStreamChain.front();
    const std::vector<uint8_t> dirBytes = Dir.Encode(SectorSize / CfbDirEntrySize);
    std::vector<uint32_t> dirChain;
    Fat.Extend(dirChain, dirBytes.size() / SectorSize);
    WriteSectors(dirChain, dirBytes);
    const uint32_t miniFatSectors = static_cast<uint32_t>(Units(MiniFat.Count(), perSector));
    const std::vector<uint32_t> miniFatChain = StoreTable(MiniFat.Entries(), miniFatSectors);

    // The FAT must also describe its own sectors and those of the DIFAT: grow both counts
    // until they cover everything.
    const uint64_t dataSectors = Fat.Count();
    uint64_t fatCount = 0, difatCount = 0;
    for (;;) {
        const uint64_t fat = Units(dataSectors + fatCount + difatCount, perSector);
        const uint64_t difat =
            fat > CfbHeaderDifatEntries ? Units(fat - CfbHeaderDifatEntries, perSector - 1) : 0;
        if (fat == fatCount && difat == difatCount)
            break;
        fatCount = fat;
        difatCount = difat;
    }
    if (dataSectors + fatCount + difatCount > SectorLimit(MajorVersion, SectorSize))
        throw ECfbError(STG_E_MEDIUMFULL, IO->Path(),
                        "The file would exceed the size limit of its format.");
    std::vector<uint32_t> fatSectors, difatSectors;
    for (uint64_t i = 0; i < fatCount; ++i)
        fatSectors.push_back(static_cast<uint32_t>(dataSectors + i));
    for (uint64_t i = 0; i < difatCount; ++i)
        difatSectors.push_back(static_cast<uint32_t>(dataSectors + fatCount + i));
    Fat.Append(fatCount, CfbFatSector);
    Fat.Append(difatCount, CfbDifatSector);
    WriteTable(Fat.Entries(), fatSectors);

    std::vector<uint32_t> difatList(difatCount * perSector, CfbFreeSector);
    for (uint64_t i = CfbHeaderDifatEntries; i < fatCount; ++i) {
        const uint64_t slot = i - CfbHeaderDifatEntries;
        difatList[slot / (perSector - 1) * perSector + slot % (perSector - 1)] = fatSectors[i];
    }
    for (uint64_t i = 0; i < difatCount; ++i)
        difatList[i * perSector + perSector - 1] =
            i + 1 < difatCount ? difatSectors[i + 1] : CfbEndOfChain;
    WriteTable(difatList, difatSectors);

    TCfbHeader h;
    h.MajorVersion = MajorVersion;
    h.SectorShift = MajorVersion == 3 ? 9 : 12;
    h.DirSectorCount = MajorVersion == 3 ? 0 : static_cast<uint32_t>(dirChain.size());
    h.FatSectorCount = static_cast<uint32_t>(fatCount);
    h.FirstDirSector = dirChain.front();
    h.FirstMiniFatSector = miniFatChain.empty() ? CfbEndOfChain : miniFatChain.front();
    h.MiniFatSectorCount = miniFatSectors;
    h.FirstDifatSector = difatSectors.empty() ? CfbEndOfChain : difatSectors.front();
    h.DifatSectorCount = static_cast<uint32_t>(difatCount);
    std::vector<uint8_t> header(SectorSize, 0);
    h.Encode(header.data());
    for (uint32_t i = 0; i < CfbHeaderDifatEntries; ++i)
        CfbPut32(&header[76 + 4 * i], i < fatCount ? fatSectors[i] : CfbFreeSector);
    IO->SetSize(SectorPosition(Fat.Count()));
    IO->WriteAt(0, header.data(), header.size());
    IO->Flush();
    IO->Publish();

    MetadataSectors = dirChain;
    for (const std::vector<uint32_t>* chain : std::initializer_list<const std::vector<uint32_t>*>{
             &miniFatChain, &fatSectors, &difatSectors})
        MetadataSectors.insert(MetadataSectors.end(), chain->begin(), chain->end());
    Changed = false;
}
