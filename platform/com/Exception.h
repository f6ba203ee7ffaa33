// The one exception base of the system, and the bridges between exceptions and result codes
// at interface boundaries.
#pragma once

#include "platform/com/Com.h"

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : Text(std::move(message)) {}
    const std::string& Message() const { return Text; }
    const char* what() const noexcept override { return Text.c_str(); }

private:
    std::string Text;
};

// A failure result returned by a call through an interface.
class EOleError : public Exception {
public:
    explicit EOleError(HResult code);
    HResult Code() const { return ErrorCode; }

private:
    HResult ErrorCode;
};

// Turns a failure result of an interface call back into an exception.
inline void OleCheck(HResult result) {
    if (Failed(result))
        throw EOleError(result);
}

// Runs the body of an interface method: no exception crosses the interface.
template <class F> HResult GuardCall(F&& body) noexcept {
    try {
        body();
        return S_OK;
    } catch (const EOleError& e) {
        return e.Code();
    } catch (...) {
        return E_FAIL;
    }
}
