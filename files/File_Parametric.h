// The parametric record file: named values in records, records in streams, streams in a
// compound file. A text record holds "name=value|name=value" pairs read and written by name; a
// binary record holds raw bytes in call order. Each stream is a sequence of frames, a 32-bit
// header (kind in the top byte, payload length below) and the payload.
#pragma once

#include "files/File_Abstract.h"
#include "files/UPTStructuredStorage.h"

#include <memory>
#include <string>
#include <unordered_map>

enum class TRecordKind : uint8_t { Text = 0, Binary = 1 };

class TFile_Parametric : public TFile_Abstract {
public:
    // The mode that creates a new file for writing; any other opens one for reading.
    static constexpr uint16_t CreateMode = 65535;
    static constexpr uint32_t MaxFrameLength = 0xFFFFFF;

    TFile_Parametric(const std::string& fileName, uint16_t mode);
    // Closes the file unless an exception is under way; Close reports what goes wrong.
    ~TFile_Parametric() override;
    // Flushes the current group and, in write mode, commits: only then does the new file replace
    // an existing one.
    void Close();

    int WriteBuffer(const void* bytes, int count, const std::string& name) override;
    int ReadBuffer(void* bytes, int count, const std::string& name) override;

    void WriteByte(uint8_t value, const std::string& name) override;
    void WriteByteAlways(uint8_t value, const std::string& name) override;
    void WriteBoolean(bool value, const std::string& name) override;
    void WriteBooleanAlways(bool value, const std::string& name) override;
    void WriteChar(char value, const std::string& name) override;
    void WriteInt64(int64_t value, const std::string& name) override;
    void WriteSmallInt(int16_t value, const std::string& name) override;
    void WriteInteger(int32_t value, const std::string& name) override;
    void WriteSingle(float value, const std::string& name) override;
    void WriteDouble(double value, const std::string& name) override;
    void WriteCString(const char* text, const std::string& name) override;
    void WriteShortString(const std::string& text, const std::string& name) override;
    void WriteString(const std::string& text, const std::string& name) override;
    void WriteStream(const std::string& name, TStream& stream) override;

    uint8_t ReadByte(const std::string& name) override;
    uint8_t ReadByte(const std::string& name, uint8_t defaultValue) override;
    bool ReadBoolean(const std::string& name) override;
    bool ReadBoolean(const std::string& name, bool defaultValue) override;
    char ReadChar(const std::string& name) override;
    int64_t ReadInt64(const std::string& name) override;
    int16_t ReadSmallInt(const std::string& name) override;
    int32_t ReadInteger(const std::string& name) override;
    float ReadSingle(const std::string& name) override;
    double ReadDouble(const std::string& name) override;
    std::string ReadCString(const std::string& name) override;
    std::string ReadShortString(const std::string& name) override;
    std::string ReadString(const std::string& name) override;
    void ReadStream(const std::string& name, TStream& target) override;

    // "RECORD" and "BINARY" end the current record and start a text or binary one.
    void BeginRecord(uint8_t number, const std::string& kindName) override;
    // "RECORD" and "BINARY" load the next frame of the stream first.
    void ReadRecord(uint8_t& number, const std::string& kindName) override;
    void FlushRecord();
    // Past the last frame every read answers its default.
    void LoadRecord();

    void OpenGroup(const std::string& storageName, const std::string& streamName) override;
    void CloseGroup() override;
    bool HasStream(const std::string& storageName, const std::string& streamName) override;
    bool FindFirstGroup(const std::string& streamName) override;
    bool FindNextGroup() override;
    void EndFind() override;

    // Replaces " * / : < > ? \ | by underscores and keeps the first 31 characters.
    static std::string CleanName(const std::string& name);

private:
    bool InText() const { return RecordKind == TRecordKind::Text; }
    void SetTextChanged();
    // Sets a parameter: replaces the value of the first one of that name, else appends one.
    void SetParam(const std::string& name, const std::string& value);
    // The value of the first parameter of that name; nil when there is none.
    const std::string* FindParam(const std::string& name);
    void IndexText();
    void ClearRecord();

    bool WriteMode;
    TRecordKind RecordKind = TRecordKind::Text;
    TMemoryStream BinaryBuffer;
    std::string TextBuffer;
    std::unique_ptr<TPTStgStorage> Root;
    std::unique_ptr<TPTStgStorage> SubStorage;
    TPTStgStorage* CurrentStorage = nullptr;
    std::unique_ptr<TPTStgStream> Stream;
    std::string FindStreamName;

    // Where each parameter of the record text starts, by lower-case name (first one wins), and
    // the parse cache: the values of the text as it was when last parsed.
    struct TParam {
        size_t Start;
        std::string Value;
    };
    std::unordered_map<std::string, TParam> Params;
    uint64_t TextVersion = 0;
    uint64_t ParsedVersion = 0;
};
