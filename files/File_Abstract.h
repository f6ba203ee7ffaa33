// The typed record-file operations: writers and readers make the same calls (write an integer
// named X, read an integer named X), and the file decides how each call is encoded. This base
// encodes them as raw bytes over two byte primitives.
#pragma once

#include "files/Streams.h"
#include "platform/com/Exception.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

// A failing transfer or a damaged record of a record file.
class EFileException : public Exception {
public:
    using Exception::Exception;
};

// A failure of the compression library.
class EZlibError : public Exception {
public:
    using Exception::Exception;
};

class TFile_Abstract {
public:
    virtual ~TFile_Abstract() = default;

    // The byte primitives; name is ignored. They return the number of bytes transferred.
    virtual int WriteBuffer(const void* bytes, int count, const std::string& name) = 0;
    virtual int ReadBuffer(void* bytes, int count, const std::string& name) = 0;

    virtual void WriteByte(uint8_t value, const std::string& name);
    virtual void WriteByteAlways(uint8_t value, const std::string& name);
    virtual void WriteBoolean(bool value, const std::string& name);
    virtual void WriteBooleanAlways(bool value, const std::string& name);
    virtual void WriteChar(char value, const std::string& name);
    virtual void WriteInt64(int64_t value, const std::string& name);
    virtual void WriteSmallInt(int16_t value, const std::string& name);
    virtual void WriteInteger(int32_t value, const std::string& name);
    virtual void WriteSingle(float value, const std::string& name);
    virtual void WriteDouble(double value, const std::string& name);
    // A nil text is written as an empty one.
    virtual void WriteCString(const char* text, const std::string& name);
    virtual void WriteShortString(const std::string& text, const std::string& name);
    virtual void WriteString(const std::string& text, const std::string& name);
    // The whole content of stream, compressed with zlib at level 9.
    virtual void WriteStream(const std::string& name, TStream& stream);

    virtual uint8_t ReadByte(const std::string& name);
    virtual uint8_t ReadByte(const std::string& name, uint8_t defaultValue);
    virtual bool ReadBoolean(const std::string& name);
    virtual bool ReadBoolean(const std::string& name, bool defaultValue);
    virtual char ReadChar(const std::string& name);
    virtual int64_t ReadInt64(const std::string& name);
    virtual int16_t ReadSmallInt(const std::string& name);
    virtual int32_t ReadInteger(const std::string& name);
    virtual float ReadSingle(const std::string& name);
    virtual double ReadDouble(const std::string& name);
    virtual std::string ReadCString(const std::string& name);
    virtual std::string ReadShortString(const std::string& name);
    virtual std::string ReadString(const std::string& name);
    // Replaces the content of target with the decompressed field; target ends at position 0.
    virtual void ReadStream(const std::string& name, TStream& target);

    // Starts a record (here: just the number, as a byte).
    virtual void BeginRecord(uint8_t number, const std::string& kindName);
    virtual void ReadRecord(uint8_t& number, const std::string& kindName);

    // A group is one stream of records, optionally inside a named storage (empty: none).
    virtual void OpenGroup(const std::string& storageName, const std::string& streamName) = 0;
    virtual void CloseGroup() = 0;
    virtual bool HasStream(const std::string& storageName, const std::string& streamName) = 0;
    virtual bool FindFirstGroup(const std::string& streamName) = 0;
    virtual bool FindNextGroup() = 0;
    virtual void EndFind() = 0;

protected:
    // The primitives, failing with "Error Reading/Writing" on a short transfer.
    void WriteExactly(const void* bytes, size_t count, const std::string& name);
    void ReadExactly(void* bytes, size_t count, const std::string& name);
    // Fixed-size integers, little-endian.
    template <class T> void WriteFixed(T value, const std::string& name) {
        uint8_t bytes[sizeof(T)];
        const auto bits = static_cast<std::make_unsigned_t<T>>(value);
        for (size_t i = 0; i < sizeof(T); ++i)
            bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
        WriteExactly(bytes, sizeof bytes, name);
    }
    template <class T> T ReadFixed(const std::string& name) {
        uint8_t bytes[sizeof(T)];
        ReadExactly(bytes, sizeof bytes, name);
        std::make_unsigned_t<T> bits = 0;
        for (size_t i = 0; i < sizeof(T); ++i)
            bits |=
                static_cast<std::make_unsigned_t<T>>(std::make_unsigned_t<T>{bytes[i]} << (8 * i));
        return static_cast<T>(bits);
    }
    static std::vector<uint8_t> Compress(TStream& source);
    static void Decompress(const uint8_t* data, size_t size, TStream& target);
};
