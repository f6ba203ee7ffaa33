#include "files/File_Abstract.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>
#include <zlib.h>

namespace {
const char* const TransferError = "Error Reading/Writing";
constexpr size_t ShortStringLimit = 255;
constexpr size_t CStringLimit = INT16_MAX;
} // namespace

void TFile_Abstract::WriteExactly(const void* bytes, size_t count, const std::string& name) {
    if (count > INT_MAX ||
        WriteBuffer(bytes, static_cast<int>(count), name) != static_cast<int>(count))
        throw EFileException(TransferError);
}

void TFile_Abstract::ReadExactly(void* bytes, size_t count, const std::string& name) {
    if (count > INT_MAX ||
        ReadBuffer(bytes, static_cast<int>(count), name) != static_cast<int>(count))
        throw EFileException(TransferError);
}

void TFile_Abstract::WriteByte(uint8_t value, const std::string& name) {
    WriteFixed(value, name);
}
void TFile_Abstract::WriteByteAlways(uint8_t value, const std::string& name) {
    WriteFixed(value, name);
}
void TFile_Abstract::WriteBoolean(bool value, const std::string& name) {
    WriteFixed<uint8_t>(value ? 1 : 0, name);
}
void TFile_Abstract::WriteBooleanAlways(bool value, const std::string& name) {
    WriteFixed<uint8_t>(value ? 1 : 0, name);
}
void TFile_Abstract::WriteChar(char value, const std::string& name) {
    WriteFixed(static_cast<uint8_t>(value), name);
}
void TFile_Abstract::WriteInt64(int64_t value, const std::string& name) {
    WriteFixed(value, name);
}
void TFile_Abstract::WriteSmallInt(int16_t value, const std::string& name) {
    WriteFixed(value, name);
}
void TFile_Abstract::WriteInteger(int32_t value, const std::string& name) {
    WriteFixed(value, name);
}
void TFile_Abstract::WriteSingle(float value, const std::string& name) {
    WriteFixed(std::bit_cast<uint32_t>(value), name);
}
void TFile_Abstract::WriteDouble(double value, const std::string& name) {
    WriteFixed(std::bit_cast<uint64_t>(value), name);
}

void TFile_Abstract::WriteCString(const char* text, const std::string& name) {
    const size_t length = text ? std::strlen(text) : 0;
    // The length field is 16 bits wide; a longer text would come back cut and misaligned.
    if (length > CStringLimit)
        throw EFileException("Text of " + std::to_string(length) + " characters is too long for " +
                             name + " (at most 32767)");
    WriteSmallInt(static_cast<int16_t>(length), name + "_Len");
    WriteExactly(length ? text : "", length + 1, name);
}

void TFile_Abstract::WriteShortString(const std::string& text, const std::string& name) {
    const size_t length = std::min(text.size(), ShortStringLimit);
    WriteFixed(static_cast<uint8_t>(length), name);
    WriteExactly(text.data(), length, name);
}

void TFile_Abstract::WriteString(const std::string& text, const std::string& name) {
    WriteShortString(text, name);
}

void TFile_Abstract::WriteStream(const std::string& name, TStream& stream) {
    const std::vector<uint8_t> packed = Compress(stream);
    WriteInteger(static_cast<int32_t>(packed.size()), name + "_Len");
    WriteExactly(packed.data(), packed.size(), name);
}

uint8_t TFile_Abstract::ReadByte(const std::string& name) {
    return ReadFixed<uint8_t>(name);
}
uint8_t TFile_Abstract::ReadByte(const std::string& name, uint8_t) {
    return ReadFixed<uint8_t>(name);
}
bool TFile_Abstract::ReadBoolean(const std::string& name) {
    return ReadFixed<uint8_t>(name) != 0;
}
bool TFile_Abstract::ReadBoolean(const std::string& name, bool) {
    return ReadFixed<uint8_t>(name) != 0;
}
char TFile_Abstract::ReadChar(const std::string& name) {
    return static_cast<char>(ReadFixed<uint8_t>(name));
}
int64_t TFile_Abstract::ReadInt64(const std::string& name) {
    return ReadFixed<int64_t>(name);
}
int16_t TFile_Abstract::ReadSmallInt(const std::string& name) {
    return ReadFixed<int16_t>(name);
}
int32_t TFile_Abstract::ReadInteger(const std::string& name) {
    return ReadFixed<int32_t>(name);
}
float TFile_Abstract::ReadSingle(const std::string& name) {
    return std::bit_cast<float>(ReadFixed<uint32_t>(name));
}
double TFile_Abstract::ReadDouble(const std::string& name) {
    return std::bit_cast<double>(ReadFixed<uint64_t>(name));
}

std::string TFile_Abstract::ReadCString(const std::string& name) {
    const int16_t length = ReadSmallInt(name + "_Len");
    if (length < 0)
        throw EFileException(TransferError);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ReadExactly(text.data(), text.size(), name);
    text.resize(std::strlen(text.c_str()));
    return text;
}

std::string TFile_Abstract::ReadShortString(const std::string& name) {
    std::string text(ReadFixed<uint8_t>(name + "_Len"), '\0');
    ReadExactly(text.data(), text.size(), name);
    return text;
}

std::string TFile_Abstract::ReadString(const std::string& name) {
    return ReadShortString(name);
}

void TFile_Abstract::ReadStream(const std::string& name, TStream& target) {
    const int32_t length = ReadInteger(name + "_Len");
    if (length < 0)
        throw EFileException(TransferError);
    // Read in pieces: a damaged length must not allocate more than the record holds.
    std::vector<uint8_t> packed;
    for (size_t done = 0; done < static_cast<size_t>(length);) {
        const size_t piece = std::min<size_t>(static_cast<size_t>(length) - done, 64 * 1024);
        packed.resize(done + piece);
        ReadExactly(packed.data() + done, piece, name);
        done += piece;
    }
    Decompress(packed.data(), packed.size(), target);
}

void TFile_Abstract::BeginRecord(uint8_t number, const std::string& kindName) {
    WriteByte(number, kindName);
}

void TFile_Abstract::ReadRecord(uint8_t& number, const std::string& kindName) {
    number = ReadByte(kindName);
}

std::vector<uint8_t> TFile_Abstract::Compress(TStream& source) {
    std::vector<uint8_t> content(static_cast<size_t>(source.Size()));
    source.SetPosition(0);
    if (source.Read(content.data(), static_cast<int64_t>(content.size())) !=
        static_cast<int64_t>(content.size()))
        throw EFileException(TransferError);
    uLongf packedSize = compressBound(static_cast<uLong>(content.size()));
    std::vector<uint8_t> packed(packedSize);
    const int result = compress2(packed.data(), &packedSize, content.data(),
                                 static_cast<uLong>(content.size()), Z_BEST_COMPRESSION);
    if (result != Z_OK)
        throw EZlibError(std::string("Compression failed: ") + zError(result));
    packed.resize(packedSize);
    return packed;
}

void TFile_Abstract::Decompress(const uint8_t* data, size_t size, TStream& target) {
    target.SetSize(0);
    target.SetPosition(0);
    if (size == 0)
        return; // an absent field reads as an empty stream
    // Ends the inflater however the loop is left.
    struct TInflater {
        z_stream Stream{};
        ~TInflater() { inflateEnd(&Stream); }
    } inflater;
    z_stream& z = inflater.Stream;
    if (inflateInit(&z) != Z_OK)
        throw EZlibError("Decompression failed: out of memory");
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = static_cast<uInt>(size);
    std::vector<uint8_t> chunk(64 * 1024);
    int result;
    do {
        z.next_out = chunk.data();
        z.avail_out = static_cast<uInt>(chunk.size());
        result = inflate(&z, Z_NO_FLUSH);
        const size_t produced = chunk.size() - z.avail_out;
        if (result != Z_OK && result != Z_STREAM_END) {
            const std::string reason = z.msg                   ? z.msg
                                       : result == Z_BUF_ERROR ? "unexpected end of data"
                                                               : zError(result);
            throw EZlibError("Decompression failed: " + reason);
        }
        target.Write(chunk.data(), static_cast<int64_t>(produced));
    } while (result != Z_STREAM_END);
    target.SetPosition(0);
}
