// Parameter texts come from host menus, scripts and other modules: parsing, lookup and the
// rewrite into a caller's buffer must hold for any bytes and any buffer size.
#include "plugin/Rt_Param.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const int32_t bufferSize = data[0] % 64;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t cut = text.find('\n');
    const std::string name = cut == std::string::npos ? "Id" : text.substr(cut + 1);
    const std::string parameters = text.substr(0, cut);

    std::string value;
    GetParameter(parameters.c_str(), name, value);
    SameKeyword(value, name);

    // The buffer holds exactly bufferSize bytes, so any write past it is caught.
    std::vector<char> buffer(static_cast<size_t>(bufferSize));
    if (bufferSize > 0) {
        const size_t n = std::min(parameters.size(), buffer.size() - 1);
        std::memcpy(buffer.data(), parameters.data(), n);
        buffer[n] = '\0';
        SetParameter(buffer.data(), bufferSize, name, value);
        if (std::memchr(buffer.data(), '\0', buffer.size()) == nullptr)
            __builtin_trap();
    }
    return 0;
}
