#include "files/File_Parametric.h"

#include "CfbTestSupport.h"

#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
constexpr uint16_t ReadMode = 0;

// The raw bytes of a stream of the root storage.
std::string StreamBytes(const std::string& file, const std::string& stream) {
    auto root = TPTStgStorage::OpenFile(file, STGM_READ | STGM_SHARE_EXCLUSIVE);
    auto s = root->OpenStream(stream);
    std::string bytes(static_cast<size_t>(s->Size()), '\0');
    s->Read(bytes.data(), static_cast<int64_t>(bytes.size()));
    return bytes;
}

// A file whose stream "G" holds the given bytes, for records no writer of ours produces.
void WriteRawGroup(const std::string& file, const std::string& bytes) {
    auto root = TPTStgStorage::CreateFile(file);
    root->CreateStream("G", true)->Write(bytes.data(), static_cast<int64_t>(bytes.size()));
    root->Commit();
}

std::string TextFrame(const std::string& text) {
    const uint32_t length = static_cast<uint32_t>(text.size() + 1);
    std::string frame(4, '\0');
    for (int i = 0; i < 3; ++i)
        frame[i] = static_cast<char>(length >> (8 * i));
    return frame + text + '\0';
}

TMemoryStream MemoryOf(const std::vector<uint8_t>& bytes) {
    TMemoryStream stream;
    stream.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
    return stream;
}

std::vector<uint8_t> ContentOf(TMemoryStream& stream) {
    return std::vector<uint8_t>(stream.Memory(), stream.Memory() + stream.Size());
}

// Writes every typed value in one record of the given kind; readBack checks them in order.
void WriteAllTypes(TFile_Parametric& f, const std::string& kind, const std::vector<uint8_t>& blob) {
    f.BeginRecord(7, kind);
    f.WriteByte(200, "Byte");
    f.WriteByteAlways(0, "ByteAlways");
    f.WriteBoolean(true, "Bool");
    f.WriteBooleanAlways(false, "BoolAlways");
    f.WriteChar('q', "Char");
    f.WriteInt64(9223372036854775807, "Max");
    f.WriteInt64(1234567890123456789, "Time");
    f.WriteInt64(-1, "Unset");
    f.WriteSmallInt(-12345, "Small");
    f.WriteInteger(-2000000000, "Int");
    f.WriteSingle(2.5f, "Single");
    f.WriteDouble(-1234.125, "Double");
    f.WriteCString("c text", "CText");
    f.WriteShortString(std::string(300, 's'), "Short");
    f.WriteString("long text", "Long");
    TMemoryStream content = MemoryOf(blob);
    f.WriteStream("Blob", content);
}

void ExpectAllTypes(TFile_Parametric& f, const std::string& kind,
                    const std::vector<uint8_t>& blob) {
    uint8_t number = 0;
    f.ReadRecord(number, kind);
    EXPECT_EQ(number, 7);
    EXPECT_EQ(f.ReadByte("Byte"), 200);
    EXPECT_EQ(f.ReadByte("ByteAlways", 9), 0);
    EXPECT_TRUE(f.ReadBoolean("Bool"));
    EXPECT_FALSE(f.ReadBoolean("BoolAlways", true));
    EXPECT_EQ(f.ReadChar("Char"), 'q');
    EXPECT_EQ(f.ReadInt64("Max"), 9223372036854775807);
    EXPECT_EQ(f.ReadInt64("Time"), 1234567890123456789);
    EXPECT_EQ(f.ReadInt64("Unset"), -1);
    EXPECT_EQ(f.ReadSmallInt("Small"), -12345);
    EXPECT_EQ(f.ReadInteger("Int"), -2000000000);
    EXPECT_EQ(f.ReadSingle("Single"), 2.5f);
    EXPECT_EQ(f.ReadDouble("Double"), -1234.125);
    EXPECT_EQ(f.ReadCString("CText"), "c text");
    EXPECT_EQ(f.ReadShortString("Short"), std::string(255, 's'));
    EXPECT_EQ(f.ReadString("Long"), "long text");
    TMemoryStream content;
    f.ReadStream("Blob", content);
    EXPECT_EQ(ContentOf(content), blob);
}

template <class E> std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const E& e) {
        return e.what();
    }
    return "no exception";
}
} // namespace

TEST(ParametricFile, TextAndBinaryRecordsRoundTripEveryType) {
    TScratchDir dir;
    const std::string file = dir / "all.wvf";
    const std::vector<uint8_t> blob = PatternBytes(100000, 5);
    {
        TFile_Parametric f(file, TFile_Parametric::CreateMode);
        f.OpenGroup("", "Values");
        WriteAllTypes(f, "RECORD", blob);
        WriteAllTypes(f, "BINARY", blob);
        f.BeginRecord(0, "RECORD");
        f.Close();
    }
    TFile_Parametric f(file, ReadMode);
    f.OpenGroup("", "Values");
    {
        SCOPED_TRACE("text");
        ExpectAllTypes(f, "RECORD", blob);
    }
    {
        SCOPED_TRACE("binary");
        ExpectAllTypes(f, "BINARY", blob);
    }
}

TEST(ParametricFile, TextRecordLayout) {
    TScratchDir dir;
    const std::string file = dir / "layout.wvf";
    {
        TFile_Parametric f(file, TFile_Parametric::CreateMode);
        f.OpenGroup("", "G");
        f.BeginRecord(0, "RECORD"); // nothing differs from the defaults: no frame at all
        f.WriteBoolean(false, "F");
        f.WriteInt64(0, "Zero");
        f.WriteString("", "Empty");
        f.BeginRecord(3, "RECORD");
        f.WriteInt64(-1, "T");
        f.WriteString("  padded  ", "P");
        f.WriteInteger(1, "U");
        f.WriteByteAlways(0, "Y");
        f.WriteInteger(5, "u"); // replaces U in place
        f.BeginRecord(0, "BINARY");
        f.BeginRecord(0, "RECORD");
    }
    const std::string text = "RECORD=3|T=-1|P=padded|U=5|Y=0";
    const std::string binary("\x01\x00\x00\x01\x00", 5);
    EXPECT_EQ(StreamBytes(file, "G"), TextFrame(text) + binary);
}

TEST(ParametricFile, ReadingFollowsTheTextSyntax) {
    TScratchDir dir;
    const std::string file = dir / "syntax.wvf";
    WriteRawGroup(file,
                  TextFrame("ArraylowBound=4| Name = a b |C=x|B=2|D=1=2|C=second|noequals|=v") +
                      TextFrame("Time=1.23456789012346E18|Small=1.5E+15|Bad=12ab"));
    TFile_Parametric f(file, ReadMode);
    f.OpenGroup("", "G");
    uint8_t number = 9;
    f.ReadRecord(number, "RECORD");
    EXPECT_EQ(number, 0);
    EXPECT_EQ(f.ReadInteger("ArrayLowBound"), 4);
    EXPECT_EQ(f.ReadString("name"), "a b");
    EXPECT_EQ(f.ReadString("C"), "x"); // the first of a name wins
    EXPECT_EQ(f.ReadString("D"), "1=2");
    EXPECT_EQ(f.ReadString("noequals"), "");
    // Older files hold 64-bit values as reals; any real text reads.
    f.ReadRecord(number, "RECORD");
    EXPECT_EQ(f.ReadInt64("Time"), 1234567890123460096); // the nearest double
    EXPECT_EQ(f.ReadInt64("Small"), 1500000000000000);
    EXPECT_EQ(f.ReadInteger("Bad"), 0);
    EXPECT_EQ(f.ReadByte("Bad", 7), 7);
    // Past the last frame every name answers its default.
    f.ReadRecord(number, "RECORD");
    EXPECT_EQ(f.ReadInteger("ArrayLowBound"), 0);
    EXPECT_EQ(f.ReadInt64("Time"), 0);
    EXPECT_FALSE(f.ReadBoolean("X"));
    EXPECT_TRUE(f.ReadBoolean("X", true));
    EXPECT_EQ(f.ReadString("name"), "");
    EXPECT_EQ(f.ReadByte("B", 7), 7);
}

TEST(ParametricFile, ValueWithSeparatorIsSplit) {
    TScratchDir dir;
    const std::string file = dir / "split.wvf";
    {
        TFile_Parametric f(file, TFile_Parametric::CreateMode);
        f.OpenGroup("", "G");
        f.BeginRecord(0, "RECORD");
        f.WriteString("x|B=2", "C");
        f.WriteString("3", "E");
    }
    TFile_Parametric f(file, ReadMode);
    f.OpenGroup("", "G");
    uint8_t number;
    f.ReadRecord(number, "RECORD");
    EXPECT_EQ(f.ReadString("C"), "x");
    EXPECT_EQ(f.ReadString("B"), "2");
    EXPECT_EQ(f.ReadString("E"), "3");
}

TEST(ParametricFile, LongRecordsGrowTheBufferUpToTheFrameLimit) {
    TScratchDir dir;
    const std::string file = dir / "long.wvf";
    const std::string big(1 << 20, 'v');
    {
        TFile_Parametric f(file, TFile_Parametric::CreateMode);
        f.OpenGroup("", "G");
        f.BeginRecord(1, "RECORD");
        f.WriteString(big, "Big");
        f.Close();
    }
    TFile_Parametric f(file, ReadMode);
    f.OpenGroup("", "G");
    uint8_t number;
    f.ReadRecord(number, "RECORD");
    EXPECT_EQ(f.ReadString("Big"), big);

    const std::string tooLong = dir / "toolong.wvf";
    {
        TFile_Parametric f(tooLong, TFile_Parametric::CreateMode);
        f.OpenGroup("", "G");
        f.BeginRecord(2, "RECORD");
        f.WriteString(std::string(TFile_Parametric::MaxFrameLength, 'w'), "Huge");
        EXPECT_EQ(MessageOf<EFileException>([&] { f.Close(); }),
                  "Record of 16777230 bytes is too long for a frame (at most 16777215 bytes)");
    }
    EXPECT_FALSE(std::filesystem::exists(tooLong)) << "a failed save must leave no file";
}

TEST(ParametricFile, GroupNamesAndSearch) {
    TScratchDir dir;
    const std::string file = dir / "groups.wvf";
    const std::string longName = "Very/long:stream name of forty chars!!!";
    {
        TFile_Parametric f(file, TFile_Parametric::CreateMode);
        for (const char* storage : {"S3", "S1", "S2"}) {
            f.OpenGroup(storage, std::string(storage) == "S2" ? "Other" : "Data");
            f.BeginRecord(0, "RECORD");
            f.WriteString(storage, "Name");
        }
        f.OpenGroup("", longName);
        f.BeginRecord(1, "RECORD");
        f.Close();
    }
    const std::string stored = "Very_long_stream name of forty ";
    EXPECT_EQ(TFile_Parametric::CleanName(longName), stored);
    EXPECT_EQ(StreamBytes(file, stored), TextFrame("RECORD=1"));

    TFile_Parametric f(file, ReadMode);
    EXPECT_TRUE(f.HasStream("", longName));
    EXPECT_TRUE(f.HasStream("s1", "DATA"));
    EXPECT_FALSE(f.HasStream("S2", "Data"));
    EXPECT_FALSE(f.HasStream("Missing", "Data"));
    std::vector<std::string> found;
    uint8_t number;
    for (bool more = f.FindFirstGroup("Data"); more; more = f.FindNextGroup()) {
        f.ReadRecord(number, "RECORD");
        found.push_back(f.ReadString("Name"));
    }
    EXPECT_EQ(found, (std::vector<std::string>{"S1", "S3"}));
    f.EndFind();
    EXPECT_FALSE(f.FindNextGroup());
}

TEST(ParametricFile, ExistingFileIsReplacedOnlyByACompleteSave) {
    TScratchDir dir;
    const std::string file = dir / "doc.wvf";
    WriteWholeFile(file, PatternBytes(64, 1));
    try {
        TFile_Parametric f(file, TFile_Parametric::CreateMode);
        f.OpenGroup("", "G");
        f.BeginRecord(1, "RECORD");
        throw std::runtime_error("saver failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(ReadWholeFile(file), PatternBytes(64, 1));
    {
        TFile_Parametric f(file, TFile_Parametric::CreateMode);
        f.OpenGroup("", "G");
        f.BeginRecord(1, "RECORD");
    } // freeing the file commits it
    EXPECT_EQ(StreamBytes(file, "G"), TextFrame("RECORD=1"));
}

TEST(ParametricFile, DamagedRecordsFail) {
    TScratchDir dir;
    const std::string file = dir / "bad.wvf";
    struct TCase {
        const char* What;
        std::string Bytes;
        std::string Message;
        std::function<void(TFile_Parametric&)> Read;
    };
    const auto readRecord = [](TFile_Parametric& f) {
        uint8_t number;
        f.ReadRecord(number, "RECORD");
    };
    const std::string transfer = "Error Reading/Writing";
    const std::vector<TCase> cases = {
        {"frame longer than the stream",
         std::string("\x10\x00\x00\x00"
                     "ab",
                     6),
         transfer, readRecord},
        {"cut header", std::string("\x10\x00", 2), transfer, readRecord},
        {"unknown kind",
         std::string("\x01\x00\x00\x07"
                     "a",
                     5),
         transfer, readRecord},
        {"read past a binary record",
         std::string("\x01\x00\x00\x01"
                     "a",
                     5),
         transfer,
         [](TFile_Parametric& f) {
             uint8_t number;
             f.ReadRecord(number, "BINARY");
             f.ReadInteger("X");
         }},
        {"binary read in a text record", TextFrame("A=1"), transfer,
         [&](TFile_Parametric& f) {
             readRecord(f);
             char byte;
             f.ReadBuffer(&byte, 1, "A");
         }},
        {"stream field not hex", TextFrame("S_Len=2|S=ZZ"), transfer,
         [&](TFile_Parametric& f) {
             readRecord(f);
             TMemoryStream target;
             f.ReadStream("S", target);
         }},
        {"stream field not zlib", TextFrame("S_Len=2|S=0102"),
         "Decompression failed: incorrect header check",
         [&](TFile_Parametric& f) {
             readRecord(f);
             TMemoryStream target;
             f.ReadStream("S", target);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        WriteRawGroup(file, c.Bytes);
        TFile_Parametric f(file, ReadMode);
        f.OpenGroup("", "G");
        EXPECT_EQ(MessageOf<Exception>([&] { c.Read(f); }), c.Message);
    }
}

TEST(ParametricFile, ManyParametersStayLinear) {
    // Every write looks its name up and every read queries the record: both must use the index
    // and the parse cache, not rescan the text (20,000 rescans of 300 KB take minutes).
    TScratchDir dir;
    const std::string file = dir / "many.wvf";
    constexpr int Count = 20000;
    const auto start = std::chrono::steady_clock::now();
    {
        TFile_Parametric f(file, TFile_Parametric::CreateMode);
        f.OpenGroup("", "G");
        f.BeginRecord(0, "RECORD");
        for (int i = 0; i < Count; ++i)
            f.WriteInteger(i + 1, "Key" + std::to_string(i));
    }
    TFile_Parametric f(file, ReadMode);
    f.OpenGroup("", "G");
    uint8_t number;
    f.ReadRecord(number, "RECORD");
    for (int i = 0; i < Count; ++i)
        ASSERT_EQ(f.ReadInteger("KEY" + std::to_string(i)), i + 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}
