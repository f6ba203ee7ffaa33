#include "files/File_Parametric.h"
#include "files/WaveFileProbes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {
std::string Scratch(const std::string& name) {
    return (std::filesystem::path(testing::TempDir()) / ("probe_" + name)).string();
}

std::string WriteBytes(const std::string& name, const std::string& bytes) {
    const std::string path = Scratch(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string WriteBinaryV2Header(const std::string& name, const std::string& header) {
    const std::string path = Scratch(name);
    TFile_Parametric file(path, TFile_Parametric::CreateMode);
    file.OpenGroup("", "FileHeader");
    file.BeginRecord(0, "RECORD");
    file.WriteShortString(header, "HEADER");
    file.WriteInteger(1, "ChartCount");
    file.BeginRecord(0, "RECORD");
    file.Close();
    return path;
}

std::string LengthPrefixed(const std::string& text) {
    return std::string{static_cast<char>(text.size() & 0xFF), static_cast<char>(text.size() >> 8)} +
           text;
}

struct TProbeAnswers {
    bool BinaryV2, AsciiV2, BinaryV1, Cupl, Foreign;
    friend bool operator==(const TProbeAnswers&, const TProbeAnswers&) = default;
};

TProbeAnswers ProbeAll(const std::string& path) {
    return {IsBinaryV2File(path), IsAsciiV2File(path), IsBinaryV1File(path),
            IsCuplSimulationFile(path), IsForeignSimulatorFile(path)};
}

std::ostream& operator<<(std::ostream& os, const TProbeAnswers& a) {
    return os << a.BinaryV2 << a.AsciiV2 << a.BinaryV1 << a.Cupl << a.Foreign;
}
} // namespace

TEST(Probes, SignaturesAndTheirLetterCase) {
    const std::string ascii = WaveSignatures::AsciiV2;
    std::string asciiLower = ascii;
    for (char& c : asciiLower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string v1Lower = WaveSignatures::BinaryV1;
    for (char& c : v1Lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string oneOff = WaveSignatures::BinaryV2;
    oneOff.back() = '1';

    struct TCase {
        const char* Name;
        std::string Path;
        TProbeAnswers Expected;
    } cases[] = {
        {"v2", WriteBinaryV2Header("v2.wvf", WaveSignatures::BinaryV2), {1, 0, 0, 0, 0}},
        {"v2 one character off", WriteBinaryV2Header("v2off.wvf", oneOff), {0, 0, 0, 0, 0}},
        {"ascii", WriteBytes("a.txt", ascii + "\r\nTYPES\r\n"), {0, 1, 0, 0, 0}},
        {"ascii lower case, LF", WriteBytes("al.txt", asciiLower + "\n"), {0, 1, 0, 0, 0}},
        {"ascii no line end", WriteBytes("an.txt", ascii), {0, 1, 0, 0, 0}},
        {"ascii trailing blank", WriteBytes("ab.txt", ascii + " \r\n"), {0, 0, 0, 0, 0}},
        {"v1",
         WriteBytes("v1.wvf", LengthPrefixed(WaveSignatures::BinaryV1) + "rest"),
         {0, 0, 1, 0, 0}},
        {"v1 lower case", WriteBytes("v1l.wvf", LengthPrefixed(v1Lower)), {0, 0, 1, 0, 0}},
        {"v1 truncated",
         WriteBytes("v1t.wvf", LengthPrefixed(WaveSignatures::BinaryV1).substr(0, 30)),
         {0, 0, 0, 0, 0}},
        {"cupl",
         WriteBytes("c.so", std::string(WaveSignatures::CuplSimulation) + "\r\n\r\n"),
         {0, 0, 0, 1, 0}},
        {"cupl other case",
         WriteBytes("cc.so", "CSIM(WM): CUPL SIMULATION PROGRAM\r\n"),
         {0, 0, 0, 0, 0}},
        {"foreign",
         WriteBytes("f.lst", "header\r\n  maxim  Simulator listing\r\n"),
         {0, 0, 0, 0, 1}},
        {"foreign one word", WriteBytes("f1.lst", "header\nSIMULATOR\nMAXIM\n"), {0, 0, 0, 0, 0}},
        {"empty", WriteBytes("e.txt", ""), {0, 0, 0, 0, 0}},
        {"missing", Scratch("does-not-exist"), {0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProbeAll(c.Path), c.Expected) << c.Name;
}

TEST(Probes, LongFirstLinesAreCutNotMatched) {
    // A first line that starts with the signature but runs on past 255 characters.
    const std::string longLine = std::string(WaveSignatures::AsciiV2) + std::string(300, 'x');
    EXPECT_FALSE(IsAsciiV2File(WriteBytes("long.txt", longLine + "\r\n")));
    // The second line is still found after a first line of megabytes.
    EXPECT_TRUE(IsForeignSimulatorFile(
        WriteBytes("longfirst.lst", std::string(3'000'000, 'a') + "\nMAXIM SIMULATOR\n")));
}

TEST(Probes, DamagedCompoundFileIsNotBinaryV2) {
    std::string bytes;
    {
        const std::string good = WriteBinaryV2Header("good.wvf", WaveSignatures::BinaryV2);
        std::ifstream in(good, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    bytes.resize(bytes.size() / 2); // cut in the middle: the header still says compound file
    EXPECT_FALSE(IsBinaryV2File(WriteBytes("cut.wvf", bytes)));
}
