// Reading files we did not write: version 4, trees that are not red-black, and damaged files,
// which must fail with the engine's error and never crash or hang.
#include "platform/cfb/CfbError.h"
#include "platform/cfb/CfbFormat.h"
#include "platform/cfb/CompoundFile.h"

#include "CfbTestSupport.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
constexpr uint32_t ReadOnly = STGM_READ | STGM_SHARE_EXCLUSIVE;
constexpr uint32_t ReadWrite = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;

// Opens every storage and reads every stream; returns the number of streams.
size_t WalkAll(TCfbStorage& storage) {
    size_t streams = 0;
    for (const auto& element : storage.Elements()) {
        if (element.Type == TCfbElementType::Storage) {
            streams += WalkAll(*storage.OpenStorage(element.Name, ReadOnly));
        } else {
            auto stream = storage.OpenStream(element.Name, ReadOnly);
            std::vector<uint8_t> bytes(stream->Size());
            EXPECT_EQ(stream->Read(bytes.data(), bytes.size()), bytes.size());
            ++streams;
        }
    }
    return streams;
}

// A small file of ours and the positions of its structures, for damaging it.
struct TSample {
    std::vector<uint8_t> Bytes;
    static constexpr uint32_t SectorSize = 512;

    uint32_t Word(size_t at) const { return CfbGet32(&Bytes[at]); }
    void SetWord(size_t at, uint32_t value) { CfbPut32(&Bytes[at], value); }
    size_t FatEntry(uint32_t sector) const { return (Word(76) + 1) * SectorSize + 4 * sector; }
    // Position of the directory entry with the given name (the directory fits its first sector
    // and the FAT's chain for the rest).
    size_t Entry(const std::u16string& name) const {
        for (uint32_t sector = Word(48); sector != CfbEndOfChain; sector = Word(FatEntry(sector)))
            for (uint32_t i = 0; i < SectorSize / CfbDirEntrySize; ++i) {
                const size_t at = (sector + 1) * SectorSize + i * CfbDirEntrySize;
                if (TCfbDirEntry::Decode(&Bytes[at], 3).Name == name)
                    return at;
            }
        ADD_FAILURE() << "no such entry";
        return 0;
    }
};

TSample MakeSample(const TScratchDir& dir) {
    const std::string path = dir / "sample.cfb";
    {
        auto root = TCfbStorage::CreateFile(path);
        root->CreateStream("Big", ReadWrite)->Write(PatternBytes(5000, 1).data(), 5000);
        root->CreateStream("Small", ReadWrite)->Write(PatternBytes(100, 2).data(), 100);
        root->CreateStorage("Sub", ReadWrite)->CreateStream("X", ReadWrite)->Write("x", 1);
        root->Commit();
    }
    return TSample{ReadWholeFile(path)};
}
} // namespace

TEST(CompoundFileReading, Version4File) {
    // Changing a version 4 file keeps its version and everything in it.
    TScratchDir dir;
    WriteWholeFile(dir / "v4.cfb", ReadWholeFile(WAVE_SOURCE_DIR "/tests/fixtures/cfb/v4.cfb"));
    {
        auto root = TCfbStorage::OpenFile(dir / "v4.cfb", ReadWrite);
        root->CreateStream("Added", ReadWrite)->Write(PatternBytes(10000, 4).data(), 10000);
        root->Commit();
    }
    auto root = TCfbStorage::OpenFile(dir / "v4.cfb", ReadOnly);
    EXPECT_EQ(ReadWholeFile(dir / "v4.cfb")[26], 4);
    std::vector<uint8_t> added(10000);
    root->OpenStream("Added", ReadOnly)->Read(added.data(), added.size());
    EXPECT_EQ(added, PatternBytes(10000, 4));
    const auto expect = [](TCfbStorage& storage, const std::string& name, size_t size, int seed) {
        auto stream = storage.OpenStream(name, ReadOnly);
        std::vector<uint8_t> bytes(stream->Size());
        ASSERT_EQ(bytes.size(), size);
        stream->Read(bytes.data(), bytes.size());
        for (size_t i = 0; i < size; ++i)
            ASSERT_EQ(bytes[i], static_cast<uint8_t>(7 * i + seed)) << name << " byte " << i;
    };
    expect(*root, "Small", 100, 1);
    expect(*root, "Large", 5000, 2);
    expect(*root->OpenStorage("dir", ReadOnly), "Inner", 10, 3);
}

TEST(CompoundFileReading, TreesThatAreNotRedBlackAreReadWhenTheirLinksWork) {
    TScratchDir dir;
    TSample sample = MakeSample(dir);
    // Every entry red and the root's children re-linked as a chain to the right.
    for (const char16_t* name : {u"Big", u"Small", u"Sub", u"X"})
        sample.Bytes[sample.Entry(name) + 67] = 0;
    const uint32_t big = static_cast<uint32_t>((sample.Entry(u"Big") % 512) / 128),
                   small = static_cast<uint32_t>((sample.Entry(u"Small") % 512) / 128),
                   sub = static_cast<uint32_t>((sample.Entry(u"Sub") % 512) / 128);
    sample.SetWord(sample.Entry(u"Root Entry") + 76, small);
    sample.SetWord(sample.Entry(u"Small") + 68, CfbNoStream);
    sample.SetWord(sample.Entry(u"Small") + 72, sub);
    sample.SetWord(sample.Entry(u"Sub") + 68, CfbNoStream);
    sample.SetWord(sample.Entry(u"Sub") + 72, big);
    sample.SetWord(sample.Entry(u"Big") + 68, CfbNoStream);
    sample.SetWord(sample.Entry(u"Big") + 72, CfbNoStream);
    WriteWholeFile(dir / "chain.cfb", sample.Bytes);
    auto root = TCfbStorage::OpenFile(dir / "chain.cfb", ReadOnly);
    EXPECT_EQ(WalkAll(*root), 3u);
}

TEST(CompoundFileReading, DamagedFilesFailWithAMessage) {
    TScratchDir dir;
    const TSample original = MakeSample(dir);
    const auto startOf = [](const TSample& s, const char16_t* name) {
        return s.Word(s.Entry(name) + 116);
    };
    struct TDamage {
        const char* What;
        HResult Code;
        std::function<void(TSample&)> Apply;
    };
    const std::vector<TDamage> damages = {
        {"truncated to the header", STG_E_DOCFILECORRUPT, [](TSample& s) { s.Bytes.resize(600); }},
        {"shorter than a header", STG_E_INVALIDHEADER, [](TSample& s) { s.Bytes.resize(100); }},
        {"bad signature", STG_E_INVALIDHEADER, [](TSample& s) { s.Bytes[0] ^= 0xFF; }},
        {"FAT chain cycle", STG_E_DOCFILECORRUPT,
         [&](TSample& s) { s.SetWord(s.FatEntry(startOf(s, u"Big")), startOf(s, u"Big")); }},
        {"FAT chain leaves the file", STG_E_DOCFILECORRUPT,
         [&](TSample& s) { s.SetWord(s.FatEntry(startOf(s, u"Big")), 0x00100000); }},
        {"FAT chain ends early", STG_E_DOCFILECORRUPT,
         [&](TSample& s) { s.SetWord(s.FatEntry(startOf(s, u"Big")), CfbEndOfChain); }},
        {"stream size beyond the file", STG_E_DOCFILECORRUPT,
         [](TSample& s) { s.SetWord(s.Entry(u"Big") + 120, 0x7FFFFF00); }},
        {"mini stream size beyond its chain", STG_E_DOCFILECORRUPT,
         [](TSample& s) { s.SetWord(s.Entry(u"Small") + 120, 4000); }},
        {"mini chain start outside", STG_E_DOCFILECORRUPT,
         [](TSample& s) { s.SetWord(s.Entry(u"Small") + 116, 0xFFFFFF00); }},
        {"directory link outside", STG_E_DOCFILECORRUPT,
         [](TSample& s) { s.SetWord(s.Entry(u"Root Entry") + 76, 5000); }},
        {"directory loop", STG_E_DOCFILECORRUPT,
         [](TSample& s) {
             s.SetWord(s.Entry(u"Sub") + 76, static_cast<uint32_t>((s.Entry(u"Sub") % 512) / 128));
         }},
        {"free entry in a tree", STG_E_DOCFILECORRUPT,
         [](TSample& s) { s.Bytes[s.Entry(u"Small") + 66] = 0; }},
        {"directory chain cycle", STG_E_DOCFILECORRUPT,
         [](TSample& s) { s.SetWord(s.FatEntry(s.Word(48)), s.Word(48)); }},
        {"too many FAT sectors", STG_E_DOCFILECORRUPT, [](TSample& s) { s.SetWord(44, 100000); }},
        {"FAT sector outside", STG_E_DOCFILECORRUPT, [](TSample& s) { s.SetWord(76, 90000); }},
        {"wrong version", STG_E_INVALIDHEADER, [](TSample& s) { s.Bytes[26] = 5; }},
    };
    for (const auto& damage : damages) {
        SCOPED_TRACE(damage.What);
        TSample sample = original;
        damage.Apply(sample);
        WriteWholeFile(dir / "damaged.cfb", sample.Bytes);
        try {
            auto root = TCfbStorage::OpenFile(dir / "damaged.cfb", ReadOnly);
            WalkAll(*root);
            ADD_FAILURE() << "damage went unnoticed";
        } catch (const ECfbError& e) {
            EXPECT_EQ(e.Code(), damage.Code) << e.Message();
            EXPECT_NE(e.Message().find("damaged.cfb"), std::string::npos) << e.Message();
        }
    }
}
