#include "files/WaveFileProbes.h"

#include "files/File_Parametric.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {
struct TFileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using TFileHandle = std::unique_ptr<FILE, TFileCloser>;

TFileHandle OpenForReading(const std::string& fileName) {
    return TFileHandle(std::fopen(fileName.c_str(), "rb"));
}

// The next line without its line end, cut to a short string of 255 characters; the rest of a
// longer line is skipped. False at the end of the file.
bool ReadShortLine(FILE* file, std::string& line) {
    line.clear();
    int c = std::fgetc(file);
    if (c == EOF)
        return false;
    size_t length = 0;
    for (; c != EOF && c != '\n'; c = std::fgetc(file), ++length)
        if (line.size() <= 255)
            line += static_cast<char>(c);
    if (length == line.size() && !line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() > 255)
        line.resize(255);
    return true;
}

std::string UpperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return s;
}

bool FirstLineIs(const std::string& fileName, const std::string& signature, bool ignoreCase) {
    TFileHandle file = OpenForReading(fileName);
    std::string line;
    if (!file || !ReadShortLine(file.get(), line))
        return false;
    return ignoreCase ? UpperAscii(line) == UpperAscii(signature) : line == signature;
}
} // namespace

bool IsBinaryV2File(const std::string& fileName) {
    if (!TPTStgStorage::IsCompoundFile(fileName))
        return false;
    // A damaged compound file is not a waveform file of this format; the text probes follow.
    try {
        TFile_Parametric file(fileName, 0);
        file.OpenGroup("", "FileHeader");
        uint8_t number = 0;
        file.ReadRecord(number, "RECORD");
        const std::string header = file.ReadShortString("HEADER");
        file.CloseGroup();
        return header == WaveSignatures::BinaryV2;
    } catch (const std::exception&) {
        return false;
    }
}

bool IsAsciiV2File(const std::string& fileName) {
    return FirstLineIs(fileName, WaveSignatures::AsciiV2, true);
}

bool IsBinaryV1File(const std::string& fileName) {
    TFileHandle file = OpenForReading(fileName);
    unsigned char lengthBytes[2];
    if (!file || std::fread(lengthBytes, 1, 2, file.get()) != 2)
        return false;
    const size_t length = lengthBytes[0] | (lengthBytes[1] << 8);
    if (length != std::strlen(WaveSignatures::BinaryV1))
        return false;
    std::string text(length, '\0');
    if (std::fread(text.data(), 1, length, file.get()) != length)
        return false;
    return UpperAscii(text) == UpperAscii(WaveSignatures::BinaryV1);
}

bool IsCuplSimulationFile(const std::string& fileName) {
    return FirstLineIs(fileName, WaveSignatures::CuplSimulation, false);
}

bool IsForeignSimulatorFile(const std::string& fileName) {
    TFileHandle file = OpenForReading(fileName);
    std::string line;
    if (!file || !ReadShortLine(file.get(), line) || !ReadShortLine(file.get(), line))
        return false;
    line = UpperAscii(line);
    return line.find("SIMULATOR") != std::string::npos && line.find("MAXIM") != std::string::npos;
}
