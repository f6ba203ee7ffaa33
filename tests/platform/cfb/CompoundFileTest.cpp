#include "platform/cfb/CompoundFile.h"
#include "platform/cfb/CfbError.h"

#include "CfbTestSupport.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace {
constexpr uint32_t ReadWrite = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
constexpr uint32_t ReadOnly = STGM_READ | STGM_SHARE_EXCLUSIVE;

std::vector<uint8_t> ReadAll(TCfbStream& stream) {
    std::vector<uint8_t> bytes(stream.Size());
    stream.Seek(0, TCfbSeekOrigin::Begin);
    EXPECT_EQ(stream.Read(bytes.data(), bytes.size()), bytes.size());
    return bytes;
}

void WriteStream(TCfbStorage& storage, const std::string& name, const std::vector<uint8_t>& bytes) {
    auto stream = storage.CreateStream(name, ReadWrite | STGM_CREATE);
    stream->Write(bytes.data(), bytes.size());
}

std::vector<std::string> Names(const TCfbStorage& storage) {
    std::vector<std::string> names;
    for (const auto& element : storage.Elements())
        names.push_back(element.Name);
    return names;
}

HResult ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ECfbError& e) {
        return e.Code();
    }
    return S_OK;
}
} // namespace

TEST(CompoundFile, StreamsOfEverySizeReadBackAfterReopening) {
    TScratchDir dir;
    // Sizes around the mini sector, the mini stream cutoff and the sector size.
    const std::vector<size_t> sizes = {0, 1, 63, 64, 65, 511, 512, 4095, 4096, 4097, 70000};
    {
        auto root = TCfbStorage::CreateFile(dir / "sizes.cfb");
        auto sub = root->CreateStorage("Sub", ReadWrite);
        for (size_t i = 0; i < sizes.size(); ++i) {
            WriteStream(*root, "S" + std::to_string(i), PatternBytes(sizes[i], i));
            WriteStream(*sub, "N" + std::to_string(i), PatternBytes(sizes[i], 100 + i));
        }
        root->Commit();
    }
    auto root = TCfbStorage::OpenFile(dir / "sizes.cfb", ReadOnly);
    auto sub = root->OpenStorage("Sub", ReadOnly);
    for (size_t i = 0; i < sizes.size(); ++i) {
        SCOPED_TRACE(sizes[i]);
        EXPECT_EQ(ReadAll(*root->OpenStream("S" + std::to_string(i), ReadOnly)),
                  PatternBytes(sizes[i], i));
        EXPECT_EQ(ReadAll(*sub->OpenStream("N" + std::to_string(i), ReadOnly)),
                  PatternBytes(sizes[i], 100 + i));
    }
}

TEST(CompoundFile, NamesOrderLookupAndReplacement) {
    TScratchDir dir;
    auto root = TCfbStorage::CreateFile(dir / "names.cfb");
    for (const char* name : {"beta", "Alpha", "zz", "A", "Types0"})
        WriteStream(*root, name, PatternBytes(10, 1));
    // The format's order: shorter names first, then without regard to letter case.
    EXPECT_EQ(Names(*root), (std::vector<std::string>{"A", "zz", "beta", "Alpha", "Types0"}));
    EXPECT_TRUE(root->Find("TYPES0"));
    EXPECT_EQ(root->OpenStream("ALPHA", ReadOnly)->Stat().Name, "Alpha");

    EXPECT_EQ(ErrorOf([&] { root->CreateStream("BETA", ReadWrite); }), STG_E_FILEALREADYEXISTS);
    WriteStream(*root, "BETA", PatternBytes(3, 2)); // replaces "beta"
    EXPECT_EQ(Names(*root).size(), 5u);
    EXPECT_EQ(root->Find("beta")->Size, 3u);

    // A stream may replace a storage, and the storage's content goes with it.
    root->CreateStorage("zz2", ReadWrite)->CreateStream("inner", ReadWrite);
    WriteStream(*root, "ZZ2", PatternBytes(5, 3));
    EXPECT_EQ(root->Find("zz2")->Type, TCfbElementType::Stream);

    const std::string longest(31, 'x');
    WriteStream(*root, longest, {});
    EXPECT_TRUE(root->Find(longest));
    for (const std::string& bad : {std::string(32, 'x'), std::string(), std::string("a/b"),
                                   std::string("a\\b"), std::string("a:b"), std::string("a!b")})
        EXPECT_EQ(ErrorOf([&] { root->CreateStream(bad, ReadWrite); }), STG_E_INVALIDNAME) << bad;
    EXPECT_EQ(ErrorOf([&] { root->OpenStream("missing", ReadOnly); }), STG_E_FILENOTFOUND);
    EXPECT_EQ(ErrorOf([&] { root->OpenStorage("Alpha", ReadOnly); }), STG_E_FILENOTFOUND);
}

TEST(CompoundFile, SeekWriteAndSetSizeAcrossTheCutoff) {
    TScratchDir dir;
    auto root = TCfbStorage::CreateFile(dir / "grow.cfb");
    auto stream = root->CreateStream("Data", ReadWrite);
    std::vector<uint8_t> expected = PatternBytes(3000, 7);
    stream->Write(expected.data(), expected.size());

    // Writing past the end leaves zeros in the gap and moves the stream out of the mini stream.
    const std::vector<uint8_t> tail = PatternBytes(2000, 8);
    EXPECT_EQ(stream->Seek(6000, TCfbSeekOrigin::Begin), 6000u);
    stream->Write(tail.data(), tail.size());
    expected.resize(6000, 0);
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(ReadAll(*stream), expected);

    // Shrinking below the cutoff moves it back; growing again reads zeros.
    stream->SetSize(100);
    stream->SetSize(200);
    expected.resize(100);
    expected.resize(200, 0);
    EXPECT_EQ(ReadAll(*stream), expected);

    EXPECT_EQ(stream->Seek(-50, TCfbSeekOrigin::End), 150u);
    uint8_t byte = 0;
    EXPECT_EQ(stream->Read(&byte, 1), 1u);
    EXPECT_EQ(byte, expected[150]);
    EXPECT_EQ(stream->Seek(0, TCfbSeekOrigin::Current), 151u);
    EXPECT_EQ(ErrorOf([&] { stream->Seek(-1, TCfbSeekOrigin::Begin); }), STG_E_INVALIDFUNCTION);
    stream->Seek(0, TCfbSeekOrigin::End);
    EXPECT_EQ(stream->Read(&byte, 1), 0u);
    stream->Write(&byte, 0);
    EXPECT_EQ(stream->Size(), 200u);
}

TEST(CompoundFile, AccessRulesOfOpenElements) {
    TScratchDir dir;
    {
        auto root = TCfbStorage::CreateFile(dir / "access.cfb");
        WriteStream(*root, "S", PatternBytes(10, 1));
        auto open = root->OpenStream("S", ReadWrite);
        EXPECT_EQ(ErrorOf([&] { root->OpenStream("S", ReadOnly); }), STG_E_ACCESSDENIED);
        EXPECT_EQ(ErrorOf([&] { root->DestroyElement("S"); }), STG_E_ACCESSDENIED);
        root->Commit();
    }
    auto root = TCfbStorage::OpenFile(dir / "access.cfb", ReadOnly);
    auto stream = root->OpenStream("S", ReadOnly);
    EXPECT_EQ(ErrorOf([&] { stream->Write("x", 1); }), STG_E_ACCESSDENIED);
    EXPECT_EQ(ErrorOf([&] { root->CreateStream("T", ReadWrite); }), STG_E_ACCESSDENIED);
    EXPECT_EQ(ErrorOf([&] { root->OpenStorage("S", ReadWrite); }), STG_E_ACCESSDENIED);
    EXPECT_EQ(ErrorOf([&] { TCfbStorage::OpenFile(dir / "missing.cfb", ReadOnly); }),
              STG_E_FILENOTFOUND);
}

TEST(CompoundFile, NewFileReplacesTheOldOneOnlyOnCommit) {
    TScratchDir dir;
    const std::string path = dir / "doc.cfb";
    WriteWholeFile(path, PatternBytes(100, 1));
    {
        auto root = TCfbStorage::CreateFile(path);
        WriteStream(*root, "S", PatternBytes(10, 2));
    } // released without commit
    EXPECT_EQ(ReadWholeFile(path), PatternBytes(100, 1));
    EXPECT_FALSE(TCfbStorage::IsCompoundFile(path));
    {
        auto root = TCfbStorage::CreateFile(path);
        WriteStream(*root, "S", PatternBytes(10, 2));
        root->Commit();
    }
    EXPECT_TRUE(TCfbStorage::IsCompoundFile(path));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1)
        << "no temporary file may stay behind";
}

TEST(CompoundFile, ExistingFileIsChangedInPlace) {
    TScratchDir dir;
    const std::string path = dir / "edit.cfb";
    {
        auto root = TCfbStorage::CreateFile(path);
        WriteStream(*root, "Keep", PatternBytes(9000, 1));
        WriteStream(*root, "Drop", PatternBytes(300, 2));
        root->Commit();
    }
    for (int round = 0; round < 3; ++round) {
        auto root = TCfbStorage::OpenFile(path, ReadWrite);
        root->DestroyElement("Drop");
        WriteStream(*root, "Drop", PatternBytes(300 + round, 3));
        root->Commit();
    }
    const auto size = std::filesystem::file_size(path);
    auto root = TCfbStorage::OpenFile(path, ReadOnly);
    EXPECT_EQ(ReadAll(*root->OpenStream("Keep", ReadOnly)), PatternBytes(9000, 1));
    EXPECT_EQ(ReadAll(*root->OpenStream("Drop", ReadOnly)), PatternBytes(302, 3));
    EXPECT_LT(size, 20000u) << "repeated commits must reuse freed sectors";
}

namespace {
// Resident memory of this process in KiB.
long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}
} // namespace

TEST(CompoundFile, LargeStreamsGoThroughTheFileNotMemory) {
    TScratchDir dir;
    constexpr size_t Chunk = 1 << 20, Chunks = 96;
    const std::vector<uint8_t> chunk = PatternBytes(Chunk, 9);
    const long before = ResidentKiB();
    long peak = before;
    {
        auto root = TCfbStorage::CreateFile(dir / "large.cfb");
        auto stream = root->CreateStream("Large", ReadWrite);
        for (size_t i = 0; i < Chunks; ++i)
            stream->Write(chunk.data(), chunk.size());
        peak = std::max(peak, ResidentKiB());
        root->Commit();
    }
    auto root = TCfbStorage::OpenFile(dir / "large.cfb", ReadOnly);
    auto stream = root->OpenStream("Large", ReadOnly);
    std::vector<uint8_t> buffer(Chunk);
    for (size_t i = 0; i < Chunks; ++i) {
        ASSERT_EQ(stream->Read(buffer.data(), buffer.size()), Chunk);
        ASSERT_EQ(buffer, chunk) << "chunk " << i;
    }
    peak = std::max(peak, ResidentKiB());
    // The 96 MB never sit in memory; the tables for them take about 1.5 MB.
    EXPECT_LT(peak - before, 24 * 1024);
}
