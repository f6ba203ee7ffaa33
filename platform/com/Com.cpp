#include "platform/com/Com.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

std::string TGUID::ToString() const {
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", D1, D2,
                  D3, D4[0], D4[1], D4[2], D4[3], D4[4], D4[5], D4[6], D4[7]);
    return text;
}

TComString::~TComString() {
    Clear();
}

void TComString::Assign(std::string_view text) {
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy == nullptr)
        throw std::bad_alloc();
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    Clear();
    Data = copy;
    Size = text.size();
}

void TComString::Clear() {
    std::free(Data);
    Data = nullptr;
    Size = 0;
}
