#include "files/UPTStructuredStorage.h"
#include "platform/cfb/CfbError.h"

#include "CfbTestSupport.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
constexpr uint32_t ReadOnly = STGM_READ | STGM_SHARE_EXCLUSIVE;

EPTStgException ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EPTStgException& e) {
        return e;
    }
    return EPTStgException("no exception", S_OK);
}

std::vector<std::string> Listing(TPTStgStorage& storage, TPTStgFilter filter) {
    std::vector<std::string> names;
    storage.EnumElements(filter);
    while (auto info = storage.NextElement())
        names.push_back(info->Name + (info->Type == PTStgStorage ? "/" : ""));
    return names;
}

void MakeFile(const std::string& path) {
    auto root = TPTStgStorage::CreateFile(path);
    // Only the last part of a path is created; the create flag works whatever the access asked.
    EXPECT_EQ(ErrorOf([&] { root->OpenStorage("A\\B", PTStgCreate); }).Code(), STG_E_FILENOTFOUND);
    root->OpenStorage("A", ReadOnly | PTStgCreate);
    root->OpenStorage("A\\B", ReadOnly | PTStgCreate);
    auto nested = root->OpenStorage("a\\b", STGM_READWRITE | STGM_SHARE_EXCLUSIVE);
    nested->CreateStream("Data", false)->Write("nested", 6);
    root->CreateStream("Top", false)->Write("top", 3);
    root->CreateStream("x", false);
    root->Commit();
}
} // namespace

TEST(StructuredStorage, NamesAbove31CharactersAreRefusedBeforeTheService) {
    TScratchDir dir;
    auto root = TPTStgStorage::CreateFile(dir / "names.cfb");
    const std::string tooLong(32, 'N');
    const std::string expected = "STG: Name greater than 31 characters - \"" + tooLong + "\"";
    EXPECT_EQ(ErrorOf([&] { root->CreateStream(tooLong, true); }).Message(), expected);
    EXPECT_EQ(ErrorOf([&] { root->OpenStorage("A\\" + tooLong, PTStgCreate); }).Message(),
              expected);
    EXPECT_EQ(ErrorOf([&] { root->OpenStream(tooLong + "\\S"); }).Message(), expected);
    EXPECT_NO_THROW(root->CreateStream(std::string(31, 'N'), true));
}

TEST(StructuredStorage, ServiceFailuresCarryTheMessageAndCode) {
    TScratchDir dir;
    MakeFile(dir / "f.cfb");
    auto root = TPTStgStorage::OpenFile(dir / "f.cfb", ReadOnly);
    const auto missing = ErrorOf([&] { root->OpenStream("Missing"); });
    EXPECT_EQ(missing.Message(), "STG: Could not find \"Missing\".");
    EXPECT_EQ(missing.Code(), STG_E_FILENOTFOUND);
    EXPECT_EQ(ErrorOf([&] { root->OpenStorage("Top", ReadOnly); }).Code(), STG_E_FILENOTFOUND);

    WriteWholeFile(dir / "plain.txt", PatternBytes(600, 1));
    const auto notCompound = ErrorOf([&] { TPTStgStorage::OpenFile(dir / "plain.txt", ReadOnly); });
    EXPECT_EQ(notCompound.Code(), STG_E_INVALIDHEADER);
    EXPECT_EQ(notCompound.Message().rfind("STG: ", 0), 0u) << notCompound.Message();
    EXPECT_FALSE(TPTStgStorage::IsCompoundFile(dir / "plain.txt"));
    EXPECT_TRUE(TPTStgStorage::IsCompoundFile(dir / "f.cfb"));
}

TEST(StructuredStorage, PathsEnumerationAndLookup) {
    TScratchDir dir;
    MakeFile(dir / "f.cfb");
    auto root = TPTStgStorage::OpenFile(dir / "f.cfb", ReadOnly);
    EXPECT_EQ(Listing(*root, TPTStgFilter::Both), (std::vector<std::string>{"A/", "x", "Top"}));
    EXPECT_EQ(Listing(*root, TPTStgFilter::Storages), (std::vector<std::string>{"A/"}));
    EXPECT_EQ(Listing(*root, TPTStgFilter::Streams), (std::vector<std::string>{"x", "Top"}));
    EXPECT_TRUE(root->FindElement(PTStgStream, "TOP"));
    EXPECT_FALSE(root->FindElement(PTStgStorage, "Top"));

    // The file is open for reading only: opening a stream falls back to read access.
    auto stream = root->OpenStream("a\\B\\data");
    char text[6];
    ASSERT_EQ(stream->Read(text, 6), 6);
    EXPECT_EQ(std::string(text, 6), "nested");
    EXPECT_EQ(stream->Seek(-2, TSeekOrigin::End), 4);
    EXPECT_EQ(stream->Size(), 6);
    EXPECT_EQ(ErrorOf([&] { stream->Write("x", 1); }).Code(), STG_E_ACCESSDENIED);
}
