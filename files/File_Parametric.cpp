#include "files/File_Parametric.h"

#include <charconv>
#include <cmath>
#include <exception>
#include <limits>
#include <optional>

namespace {
const char* const TransferError = "Error Reading/Writing";
constexpr size_t TextBufferStart = 524288;
constexpr size_t ShortStringLimit = 255;
constexpr uint32_t ExclusiveRead = STGM_READ | STGM_SHARE_EXCLUSIVE;
constexpr uint32_t ExclusiveReadWrite = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
const std::string RecordKindName = "RECORD";
const std::string BinaryKindName = "BINARY";

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string Trim(std::string_view text) {
    size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return std::string(text.substr(first, last - first));
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::optional<int64_t> ParseInteger(const std::string& text) {
    const char* first = text.data() + (text.starts_with('+') ? 1 : 0);
    const char* last = text.data() + text.size();
    int64_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last)
        return std::nullopt;
    return value;
}

std::optional<double> ParseReal(const std::string& text) {
    const char* first = text.data() + (text.starts_with('+') ? 1 : 0);
    const char* last = text.data() + text.size();
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last)
        return std::nullopt;
    return value;
}

// A text that should be a 32-bit integer; the default when absent or not one.
int32_t IntegerOf(const std::string* text, int32_t defaultValue) {
    if (!text)
        return defaultValue;
    const auto value = ParseInteger(*text);
    if (!value || *value < INT32_MIN || *value > INT32_MAX)
        return defaultValue;
    return static_cast<int32_t>(*value);
}

double RealOf(const std::string* text) {
    const auto value = text ? ParseReal(*text) : std::nullopt;
    return value ? *value : 0.0;
}

std::string FixedText(double value) {
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 3);
    return std::string(text, result.ptr);
}

void PutHeader(uint8_t* bytes, uint32_t word) {
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(word >> (8 * i));
}
} // namespace

TFile_Parametric::TFile_Parametric(const std::string& fileName, uint16_t mode)
    : WriteMode(mode == CreateMode) {
    TextBuffer.reserve(TextBufferStart);
    Root = WriteMode ? TPTStgStorage::CreateFile(fileName)
                     : TPTStgStorage::OpenFile(fileName, STGM_READ | STGM_SHARE_DENY_WRITE);
    CurrentStorage = Root.get();
}

TFile_Parametric::~TFile_Parametric() {
    // While an exception unwinds a half-written file must not replace the old one.
    if (Root && std::uncaught_exceptions() == 0) {
        try {
            Close();
        } catch (const std::exception&) {
            // A destructor cannot report it; callers who need to know call Close.
        }
    }
}

void TFile_Parametric::Close() {
    if (!Root)
        return;
    CloseGroup();
    if (WriteMode)
        Root->Commit();
    Root.reset();
}

std::string TFile_Parametric::CleanName(const std::string& name) {
    std::string clean = name.substr(0, 31);
    for (char& c : clean)
        if (std::string_view("\"*/:<>?\\|").find(c) != std::string_view::npos)
            c = '_';
    return clean;
}

// ---- record text

void TFile_Parametric::SetTextChanged() {
    ++TextVersion;
}

void TFile_Parametric::IndexText() {
    Params.clear();
    for (size_t start = 0; start < TextBuffer.size();) {
        size_t end = TextBuffer.find('|', start);
        if (end == std::string::npos)
            end = TextBuffer.size();
        const std::string_view part(TextBuffer.data() + start, end - start);
        const size_t equals = part.find('=');
        if (equals != std::string_view::npos) {
            const std::string name = Trim(part.substr(0, equals));
            if (!name.empty())
                Params.emplace(Lower(name), TParam{start, Trim(part.substr(equals + 1))});
        }
        start = end + 1;
    }
    ParsedVersion = TextVersion;
}

const std::string* TFile_Parametric::FindParam(const std::string& name) {
    if (ParsedVersion != TextVersion)
        IndexText();
    const auto found = Params.find(Lower(name));
    return found == Params.end() ? nullptr : &found->second.Value;
}

void TFile_Parametric::SetParam(const std::string& name, const std::string& value) {
    std::string text = Trim(value);
    if (text.empty())
        text.assign(1, ' ');
    if (ParsedVersion != TextVersion)
        IndexText();
    const auto found = Params.find(Lower(Trim(name)));
    if (found != Params.end()) {
        const size_t valueStart = TextBuffer.find('=', found->second.Start) + 1;
        const size_t valueEnd = std::min(TextBuffer.find('|', valueStart), TextBuffer.size());
        TextBuffer.replace(valueStart, valueEnd - valueStart, text);
        SetTextChanged();
        return;
    }
    const size_t start = TextBuffer.empty() ? 0 : TextBuffer.size() + 1;
    if (!TextBuffer.empty())
        TextBuffer += '|';
    TextBuffer.append(name).append(1, '=').append(text);
    SetTextChanged();
    // Without separators in the new part the index stays valid; otherwise reparse later.
    if (name.find_first_of("|=") == std::string::npos && text.find('|') == std::string::npos &&
        !Trim(name).empty()) {
        Params.emplace(Lower(Trim(name)), TParam{start, Trim(text)});
        ParsedVersion = TextVersion;
    }
}

void TFile_Parametric::ClearRecord() {
    TextBuffer.clear();
    SetTextChanged();
    BinaryBuffer.Clear();
}

// ---- records and frames

void TFile_Parametric::FlushRecord() {
    if (Stream) {
        const bool binary = RecordKind == TRecordKind::Binary;
        const size_t length =
            binary ? static_cast<size_t>(BinaryBuffer.Size()) : TextBuffer.size() + 1;
        if (binary || !TextBuffer.empty()) {
            // The frame header keeps 24 bits of length; a longer record would be cut.
            if (length > MaxFrameLength)
                throw EFileException("Record of " + std::to_string(length) +
                                     " bytes is too long for a frame (at most 16777215 bytes)");
            uint8_t header[4];
            PutHeader(header,
                      static_cast<uint32_t>(RecordKind) << 24 | static_cast<uint32_t>(length));
            const int64_t payload = static_cast<int64_t>(length);
            if (Stream->Write(header, 4) != 4 ||
                Stream->Write(binary ? static_cast<const void*>(BinaryBuffer.Memory())
                                     : static_cast<const void*>(TextBuffer.c_str()),
                              payload) != payload)
                throw EFileException(TransferError);
        }
    }
    ClearRecord();
}

void TFile_Parametric::LoadRecord() {
    if (!Stream)
        return;
    ClearRecord();
    RecordKind = TRecordKind::Text;
    const int64_t position = Stream->Position();
    const int64_t size = Stream->Size();
    if (position >= size)
        return;
    uint8_t header[4];
    if (Stream->Read(header, 4) != 4)
        throw EFileException(TransferError);
    const uint32_t word = static_cast<uint32_t>(header[0]) | static_cast<uint32_t>(header[1]) << 8 |
                          static_cast<uint32_t>(header[2]) << 16 |
                          static_cast<uint32_t>(header[3]) << 24;
    const uint32_t kind = word >> 24;
    const int64_t length = word & MaxFrameLength;
    if (kind > static_cast<uint32_t>(TRecordKind::Binary) || length > size - position - 4)
        throw EFileException(TransferError);
    std::string payload(static_cast<size_t>(length), '\0');
    if (Stream->Read(payload.data(), length) != length)
        throw EFileException(TransferError);
    if (kind == static_cast<uint32_t>(TRecordKind::Binary)) {
        RecordKind = TRecordKind::Binary;
        BinaryBuffer.Write(payload.data(), length);
        BinaryBuffer.SetPosition(0);
    } else {
        TextBuffer.assign(payload.c_str());
        SetTextChanged();
    }
}

void TFile_Parametric::BeginRecord(uint8_t number, const std::string& kindName) {
    if (kindName == RecordKindName || kindName == BinaryKindName) {
        FlushRecord();
        RecordKind = kindName == BinaryKindName ? TRecordKind::Binary : TRecordKind::Text;
    }
    WriteByte(number, kindName);
}

void TFile_Parametric::ReadRecord(uint8_t& number, const std::string& kindName) {
    if (kindName == RecordKindName || kindName == BinaryKindName)
        LoadRecord();
    number = ReadByte(kindName);
}

// ---- byte primitives

int TFile_Parametric::WriteBuffer(const void* bytes, int count, const std::string&) {
    if (InText())
        throw EFileException(TransferError);
    return static_cast<int>(BinaryBuffer.Write(bytes, count));
}

int TFile_Parametric::ReadBuffer(void* bytes, int count, const std::string&) {
    if (InText())
        throw EFileException(TransferError);
    return static_cast<int>(BinaryBuffer.Read(bytes, count));
}

// ---- typed writes: text records keep only what differs from the default

void TFile_Parametric::WriteByte(uint8_t value, const std::string& name) {
    if (!InText())
        return TFile_Abstract::WriteByte(value, name);
    if (value != 0)
        SetParam(name, std::to_string(value));
}

void TFile_Parametric::WriteByteAlways(uint8_t value, const std::string& name) {
    if (!InText())
        return TFile_Abstract::WriteByteAlways(value, name);
    SetParam(name, std::to_string(value));
}

void TFile_Parametric::WriteBoolean(bool value, const std::string& name) {
    if (!InText())
        return TFile_Abstract::WriteBoolean(value, name);
    if (value)
        SetParam(name, "T");
}

void TFile_Parametric::WriteBooleanAlways(bool value, const std::string& name) {
    if (!InText())
        return TFile_Abstract::WriteBooleanAlways(value, name);
    SetParam(name, value ? "T" : "F");
}

void TFile_Parametric::WriteChar(char value, const std::string& name) {
    if (!InText())
        return TFile_Abstract::WriteChar(value, name);
    if (value != 0)
        SetParam(name, std::string(1, value));
}

void TFile_Parametric::WriteInt64(int64_t value, const std::string& name) {
    if (!InText())
        return TFile_Abstract::WriteInt64(value, name);
    // The exact integer: a real with 15 digits would lose times above about one second.
    if (value != 0)
        SetParam(name, std::to_string(value));
}

void TFile_Parametric::WriteSmallInt(int16_t value, const std::string& name) {
    if (!InText())
        return TFile_Abstract::WriteSmallInt(value, name);
    if (value != 0)
        SetParam(name, std::to_string(value));
}

void TFile_Parametric::WriteInteger(int32_t value, const std::string& name) {
    if (!InText())
        return TFile_Abstract::WriteInteger(value, name);
    if (value != 0)
        SetParam(name, std::to_string(value));
}

void TFile_Parametric::WriteSingle(float value, const std::string& name) {
    if (!InText())
        return TFile_Abstract::WriteSingle(value, name);
    if (value != 0)
        SetParam(name, FixedText(value));
}

void TFile_Parametric::WriteDouble(double value, const std::string& name) {
    if (!InText())
        return TFile_Abstract::WriteDouble(value, name);
    if (value != 0)
        SetParam(name, FixedText(value));
}

void TFile_Parametric::WriteCString(const char* text, const std::string& name) {
    if (!InText())
        return TFile_Abstract::WriteCString(text, name);
    if (text && *text)
        SetParam(name, text);
}

void TFile_Parametric::WriteShortString(const std::string& text, const std::string& name) {
    if (!InText())
        return TFile_Abstract::WriteShortString(text, name);
    if (!text.empty())
        SetParam(name, text.substr(0, ShortStringLimit));
}

void TFile_Parametric::WriteString(const std::string& text, const std::string& name) {
    if (!InText())
        return TFile_Abstract::WriteString(text, name);
    if (!text.empty())
        SetParam(name, text);
}

void TFile_Parametric::WriteStream(const std::string& name, TStream& stream) {
    if (!InText())
        return TFile_Abstract::WriteStream(name, stream);
    const std::vector<uint8_t> packed = Compress(stream);
    WriteInteger(static_cast<int32_t>(packed.size()), name + "_Len");
    static const char digits[] = "0123456789ABCDEF";
    TextBuffer.reserve(TextBuffer.size() + name.size() + 2 + 2 * packed.size());
    TextBuffer.append(1, '|').append(name).append(1, '=');
    for (uint8_t byte : packed) {
        TextBuffer += digits[byte >> 4];
        TextBuffer += digits[byte & 15];
    }
    SetTextChanged();
}

// ---- typed reads: absent names answer the default

uint8_t TFile_Parametric::ReadByte(const std::string& name) {
    if (!InText())
        return TFile_Abstract::ReadByte(name);
    return static_cast<uint8_t>(IntegerOf(FindParam(name), 0));
}

uint8_t TFile_Parametric::ReadByte(const std::string& name, uint8_t defaultValue) {
    if (!InText())
        return TFile_Abstract::ReadByte(name, defaultValue);
    return static_cast<uint8_t>(IntegerOf(FindParam(name), defaultValue));
}

bool TFile_Parametric::ReadBoolean(const std::string& name) {
    return ReadBoolean(name, false);
}

bool TFile_Parametric::ReadBoolean(const std::string& name, bool defaultValue) {
    if (!InText())
        return TFile_Abstract::ReadBoolean(name, defaultValue);
    const std::string* value = FindParam(name);
    return value ? Lower(*value) == "t" : defaultValue;
}

char TFile_Parametric::ReadChar(const std::string& name) {
    if (!InText())
        return TFile_Abstract::ReadChar(name);
    const std::string* value = FindParam(name);
    return value && !value->empty() ? value->front() : '\0';
}

int64_t TFile_Parametric::ReadInt64(const std::string& name) {
    if (!InText())
        return TFile_Abstract::ReadInt64(name);
    const std::string* value = FindParam(name);
    if (!value)
        return 0;
    if (const auto exact = ParseInteger(*value))
        return *exact;
    // Older files hold the value as a real number.
    const double real = RealOf(value);
    if (std::isnan(real))
        return 0;
    if (real >= 0x1p63)
        return std::numeric_limits<int64_t>::max();
    if (real <= -0x1p63)
        return std::numeric_limits<int64_t>::min();
    return std::llround(real);
}

int16_t TFile_Parametric::ReadSmallInt(const std::string& name) {
    if (!InText())
        return TFile_Abstract::ReadSmallInt(name);
    return static_cast<int16_t>(IntegerOf(FindParam(name), 0));
}

int32_t TFile_Parametric::ReadInteger(const std::string& name) {
    if (!InText())
        return TFile_Abstract::ReadInteger(name);
    return IntegerOf(FindParam(name), 0);
}

float TFile_Parametric::ReadSingle(const std::string& name) {
    if (!InText())
        return TFile_Abstract::ReadSingle(name);
    return static_cast<float>(RealOf(FindParam(name)));
}

double TFile_Parametric::ReadDouble(const std::string& name) {
    if (!InText())
        return TFile_Abstract::ReadDouble(name);
    return RealOf(FindParam(name));
}

std::string TFile_Parametric::ReadCString(const std::string& name) {
    if (!InText())
        return TFile_Abstract::ReadCString(name);
    return ReadString(name);
}

std::string TFile_Parametric::ReadShortString(const std::string& name) {
    if (!InText())
        return TFile_Abstract::ReadShortString(name);
    return ReadString(name).substr(0, ShortStringLimit);
}

std::string TFile_Parametric::ReadString(const std::string& name) {
    if (!InText())
        return TFile_Abstract::ReadString(name);
    const std::string* value = FindParam(name);
    return value ? *value : std::string();
}

void TFile_Parametric::ReadStream(const std::string& name, TStream& target) {
    if (!InText())
        return TFile_Abstract::ReadStream(name, target);
    const int32_t length = ReadInteger(name + "_Len");
    const std::string* hex = FindParam(name);
    if (length < 0 || (length > 0 && (!hex || hex->size() < 2 * static_cast<size_t>(length))))
        throw EFileException(TransferError);
    std::vector<uint8_t> packed(static_cast<size_t>(length));
    const auto digit = [](char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        throw EFileException(TransferError);
    };
    for (size_t i = 0; i < packed.size(); ++i)
        packed[i] = static_cast<uint8_t>(digit((*hex)[2 * i]) << 4 | digit((*hex)[2 * i + 1]));
    Decompress(packed.data(), packed.size(), target);
}

// ---- groups

void TFile_Parametric::OpenGroup(const std::string& storageName, const std::string& streamName) {
    CloseGroup();
    ClearRecord();
    RecordKind = TRecordKind::Text;
    if (!storageName.empty()) {
        // Reading asks for read access only: the file itself is open for reading.
        SubStorage = Root->OpenStorage(
            CleanName(storageName), WriteMode ? ExclusiveReadWrite | PTStgCreate : ExclusiveRead);
        CurrentStorage = SubStorage.get();
    }
    Stream = WriteMode ? CurrentStorage->CreateStream(CleanName(streamName), true)
                       : CurrentStorage->OpenStream(CleanName(streamName));
}

void TFile_Parametric::CloseGroup() {
    if (WriteMode)
        FlushRecord();
    Stream.reset();
    SubStorage.reset();
    CurrentStorage = Root.get();
}

bool TFile_Parametric::HasStream(const std::string& storageName, const std::string& streamName) {
    if (WriteMode)
        return false;
    std::unique_ptr<TPTStgStorage> storage;
    if (!storageName.empty()) {
        try {
            storage = Root->OpenStorage(CleanName(storageName), ExclusiveRead);
        } catch (const EPTStgException&) {
            return false;
        }
    }
    return (storage ? storage.get() : Root.get())->FindElement(PTStgStream, CleanName(streamName));
}

bool TFile_Parametric::FindFirstGroup(const std::string& streamName) {
    if (WriteMode)
        return false;
    FindStreamName = streamName;
    Root->EnumElements(TPTStgFilter::Storages);
    return FindNextGroup();
}

bool TFile_Parametric::FindNextGroup() {
    if (WriteMode || FindStreamName.empty())
        return false;
    while (const auto info = Root->NextElement()) {
        if (HasStream(info->Name, FindStreamName)) {
            OpenGroup(info->Name, FindStreamName);
            return true;
        }
    }
    return false;
}

void TFile_Parametric::EndFind() {
    FindStreamName.clear();
    CloseGroup();
}
