#include "platform/com/Exception.h"

#include <cstdio>

namespace {
std::string ResultText(HResult code) {
    char text[48];
    std::snprintf(text, sizeof text, "Interface call failed (0x%08X)", static_cast<uint32_t>(code));
    return text;
}
} // namespace

EOleError::EOleError(HResult code) : Exception(ResultText(code)), ErrorCode(code) {}
