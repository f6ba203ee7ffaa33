// Failures of the compound-file engine: a structured-storage result code and a message that names
// the element or file concerned.
#pragma once

#include "platform/com/Exception.h"

#include <string_view>

constexpr HResult STG_E_INVALIDFUNCTION = static_cast<HResult>(0x80030001);
constexpr HResult STG_E_FILENOTFOUND = static_cast<HResult>(0x80030002);
constexpr HResult STG_E_PATHNOTFOUND = static_cast<HResult>(0x80030003);
constexpr HResult STG_E_ACCESSDENIED = static_cast<HResult>(0x80030005);
constexpr HResult STG_E_SEEKERROR = static_cast<HResult>(0x80030019);
constexpr HResult STG_E_WRITEFAULT = static_cast<HResult>(0x8003001D);
constexpr HResult STG_E_READFAULT = static_cast<HResult>(0x8003001E);
constexpr HResult STG_E_FILEALREADYEXISTS = static_cast<HResult>(0x80030050);
constexpr HResult STG_E_INVALIDPARAMETER = static_cast<HResult>(0x80030057);
constexpr HResult STG_E_MEDIUMFULL = static_cast<HResult>(0x80030070);
constexpr HResult STG_E_INVALIDHEADER = static_cast<HResult>(0x800300FB);
constexpr HResult STG_E_INVALIDNAME = static_cast<HResult>(0x800300FC);
constexpr HResult STG_E_INVALIDFLAG = static_cast<HResult>(0x800300FF);
constexpr HResult STG_E_DOCFILECORRUPT = static_cast<HResult>(0x80030109);

class ECfbError : public Exception {
public:
    // subject: the element or file the failing call concerned, quoted into the message;
    // detail: what exactly went wrong, appended when known.
    ECfbError(HResult code, std::string_view subject, std::string_view detail = {});
    HResult Code() const { return ErrorCode; }

private:
    HResult ErrorCode;
};
