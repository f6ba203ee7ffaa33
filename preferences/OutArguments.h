// Filling the out arguments of interface getters: a nil pointer is refused.
#pragma once

#include "platform/com/Exception.h"

#include <string>

template <class T, class V> HResult Answer(T* out, const V& value) {
    if (out == nullptr)
        return E_POINTER;
    *out = value;
    return S_OK;
}

inline HResult AnswerText(TComString* out, const std::string& text) {
    if (out == nullptr)
        return E_POINTER;
    return GuardCall([&] { out->Assign(text); });
}
