#include "platform/cfb/CfbError.h"

#include <string>

namespace {
// The engine's message for a result code; %1 stands for the quoted subject.
std::string_view MessageFor(HResult code) {
    switch (code) {
    case STG_E_INVALIDFUNCTION:
        return "The operation is not possible on %1.";
    case STG_E_FILENOTFOUND:
        return "Could not find %1.";
    case STG_E_PATHNOTFOUND:
        return "Could not find the path %1.";
    case STG_E_ACCESSDENIED:
        return "Access to %1 was denied.";
    case STG_E_SEEKERROR:
        return "Could not move the position in %1.";
    case STG_E_WRITEFAULT:
        return "Could not write to %1.";
    case STG_E_READFAULT:
        return "Could not read from %1.";
    case STG_E_FILEALREADYEXISTS:
        return "An element named %1 already exists.";
    case STG_E_INVALIDPARAMETER:
        return "Invalid parameter for %1.";
    case STG_E_MEDIUMFULL:
        return "There is not enough room to write %1.";
    case STG_E_INVALIDHEADER:
        return "%1 is not a compound file.";
    case STG_E_INVALIDNAME:
        return "The name %1 is not valid.";
    case STG_E_INVALIDFLAG:
        return "Invalid access flags for %1.";
    case STG_E_DOCFILECORRUPT:
        return "The compound file %1 is damaged.";
    default:
        return "The operation on %1 failed.";
    }
}

std::string Compose(HResult code, std::string_view subject, std::string_view detail) {
    const std::string_view message = MessageFor(code);
    const size_t insert = message.find("%1");
    std::string text(message.substr(0, insert));
    text.append(1, '"').append(subject).append(1, '"').append(message.substr(insert + 2));
    if (!detail.empty())
        text.append(1, ' ').append(detail);
    return text;
}
} // namespace

ECfbError::ECfbError(HResult code, std::string_view subject, std::string_view detail)
    : Exception(Compose(code, subject, detail)), ErrorCode(code) {}
