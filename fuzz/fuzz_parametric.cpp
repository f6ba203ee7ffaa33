// Record streams come from files as they are: any frames, read with any sequence of typed
// calls, must end in values or in the record file's errors.
#include "files/File_Parametric.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {
// Memory-backed when the system offers it: a file is written per input.
std::string MakePath() {
    return std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/fuzz_parametric." +
           std::to_string(getpid()) + ".wvf";
}

const std::string& FilePath() {
    static const std::string path = [] {
        std::atexit([] { std::remove(MakePath().c_str()); });
        return MakePath();
    }();
    return path;
}

void ReadOne(TFile_Parametric& file, uint8_t op) {
    static const char* const names[] = {"A", "B", "S", "RECORD"};
    const std::string name = names[(op >> 4) & 3];
    uint8_t number = 0;
    TMemoryStream target;
    switch (op & 15) {
    case 0:
        file.ReadRecord(number, "RECORD");
        break;
    case 1:
        file.ReadRecord(number, "BINARY");
        break;
    case 2:
        file.ReadInteger(name);
        break;
    case 3:
        file.ReadInt64(name);
        break;
    case 4:
        file.ReadString(name);
        break;
    case 5:
        file.ReadCString(name);
        break;
    case 6:
        file.ReadShortString(name);
        break;
    case 7:
        file.ReadStream(name, target);
        break;
    case 8:
        file.ReadDouble(name);
        break;
    case 9:
        file.ReadSingle(name);
        break;
    case 10:
        file.ReadBoolean(name);
        break;
    case 11:
        file.ReadChar(name);
        break;
    case 12:
        file.ReadSmallInt(name);
        break;
    default:
        file.ReadByte(name, 3);
        break;
    }
}
} // namespace

// Input: one byte n, then n operation bytes, then the bytes of the record stream.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const size_t ops = std::min<size_t>(data[0], size - 1);
    const uint8_t* stream = data + 1 + ops;
    const size_t streamSize = size - 1 - ops;
    {
        auto root = TPTStgStorage::CreateFile(FilePath());
        root->CreateStream("G", true)->Write(stream, static_cast<int64_t>(streamSize));
        root->Commit();
    }
    try {
        TFile_Parametric file(FilePath(), 0);
        file.OpenGroup("", "G");
        for (size_t i = 0; i < ops; ++i)
            ReadOne(file, data[1 + i]);
    } catch (const EFileException&) {
    } catch (const EZlibError&) {
    }
    return 0;
}
