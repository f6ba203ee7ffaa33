// How batch commands print the result of a call: "ok" or "failed 0xHHHHHHHH".
#pragma once

#include "platform/com/Com.h"

#include <cstdio>
#include <string>

inline std::string Outcome(HResult result) {
    if (Succeeded(result))
        return "ok";
    char text[24];
    std::snprintf(text, sizeof text, "failed 0x%08X", static_cast<uint32_t>(result));
    return text;
}
