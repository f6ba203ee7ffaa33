// Files we write must satisfy independent readers, and files another writer produced must read
// back byte for byte.
#include "platform/cfb/CompoundFile.h"

#include "CfbTestSupport.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {
constexpr uint32_t ReadWrite = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
constexpr uint32_t ReadOnly = STGM_READ | STGM_SHARE_EXCLUSIVE;

// A folder tree with many siblings, nesting, odd names and a stream large enough to need
// DIFAT sectors (above 109 FAT sectors, about 7 MB).
void MakeTree(const fs::path& root) {
    fs::create_directories(root / "Storage A" / "Inner" / "Deep");
    fs::create_directories(root / "Empty");
    for (int i = 0; i < 300; ++i)
        WriteWholeFile(root / ("Stream" + std::to_string(i)), PatternBytes(i * 37 % 5000, i));
    WriteWholeFile(root / "Big", PatternBytes(8 << 20, 1));
    WriteWholeFile(root / "Storage A" / "MixedCase", PatternBytes(4096, 2));
    WriteWholeFile(root / "Storage A" / "Inner" /
                       "\xC3\x9Cn\xC3\xAF"
                       "code \xE5\x90\x8D",
                   PatternBytes(70, 3));
    WriteWholeFile(root / "Storage A" / "Inner" / "Deep" / std::string(31, 'L'),
                   PatternBytes(5000, 4));
    WriteWholeFile(root / "Storage A" / "Inner" / "Deep" / "empty", {});
}

void WriteTree(TCfbStorage& storage, const fs::path& folder) {
    for (const auto& item : fs::directory_iterator(folder)) {
        const std::string name = item.path().filename().string();
        if (item.is_directory()) {
            WriteTree(*storage.CreateStorage(name, ReadWrite), item.path());
        } else {
            const auto bytes = ReadWholeFile(item.path());
            storage.CreateStream(name, ReadWrite)->Write(bytes.data(), bytes.size());
        }
    }
}

void ExpectSameTree(TCfbStorage& storage, const fs::path& folder) {
    size_t count = 0;
    for (const auto& element : storage.Elements()) {
        SCOPED_TRACE(element.Name);
        const fs::path path = folder / element.Name;
        ++count;
        if (element.Type == TCfbElementType::Storage) {
            ASSERT_TRUE(fs::is_directory(path));
            ExpectSameTree(*storage.OpenStorage(element.Name, ReadOnly), path);
        } else {
            auto stream = storage.OpenStream(element.Name, ReadOnly);
            std::vector<uint8_t> bytes(stream->Size());
            ASSERT_EQ(stream->Read(bytes.data(), bytes.size()), bytes.size());
            EXPECT_EQ(bytes, ReadWholeFile(path));
        }
    }
    EXPECT_EQ(count, static_cast<size_t>(std::distance(fs::directory_iterator(folder), {})));
}

class CompoundFileInterop : public ::testing::Test {
protected:
    void SetUp() override {
        std::string why;
        Tools = CfbToolsDir(why);
        if (Tools.empty())
            GTEST_SKIP() << "compound-file tools unavailable: " << why;
        MakeTree(Scratch.Path() / "tree");
    }
    TScratchDir Scratch;
    std::string Tools;
};
} // namespace

TEST_F(CompoundFileInterop, OurFilesPassTheCheckerAndHoldTheTree) {
    const std::string file = Scratch / "ours.cfb";
    {
        auto root = TCfbStorage::CreateFile(file);
        WriteTree(*root, Scratch.Path() / "tree");
        root->Commit();
    }
    std::string output;
    EXPECT_EQ(RunCommand("/usr/bin/python3 " WAVE_SOURCE_DIR "/tests/platform/cfb/same_tree.py '" +
                             Tools + "' '" + file + "' '" + (Scratch / "tree") + "'",
                         &output),
              0)
        << output;
}

TEST_F(CompoundFileInterop, FilesOfAnotherWriterReadBackExactly) {
    const std::string file = Scratch / "theirs.cfb";
    std::string output;
    const int status = RunCommand("/usr/bin/python3 '" + Tools + "/cfb_make.py' '" +
                                      (Scratch / "tree") + "' '" + file + "'",
                                  &output);
    if (status != 0 && output.find("gsf tool is missing") != std::string::npos)
        GTEST_SKIP() << "libgsf-bin is not installed";
    ASSERT_EQ(status, 0) << output;
    auto root = TCfbStorage::OpenFile(file, ReadOnly);
    ExpectSameTree(*root, Scratch.Path() / "tree");
}
