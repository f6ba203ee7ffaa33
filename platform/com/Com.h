// The COM-style binary interface layer shared by the module and its host: result codes,
// interface identifiers, the IUnknown-style base and the owned out-string.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

using HResult = int32_t;

constexpr HResult S_OK = 0;
constexpr HResult S_FALSE = 1;
constexpr HResult E_NOTIMPL = static_cast<HResult>(0x80004001);
constexpr HResult E_NOINTERFACE = static_cast<HResult>(0x80004002);
constexpr HResult E_POINTER = static_cast<HResult>(0x80004003);
constexpr HResult E_FAIL = static_cast<HResult>(0x80004005);
constexpr HResult E_UNEXPECTED = static_cast<HResult>(0x8000FFFF);
constexpr HResult E_INVALIDARG = static_cast<HResult>(0x80070057);

inline bool Succeeded(HResult r) {
    return r >= 0;
}
inline bool Failed(HResult r) {
    return r < 0;
}

struct TGUID {
    uint32_t D1 = 0;
    uint16_t D2 = 0;
    uint16_t D3 = 0;
    uint8_t D4[8] = {};

    // Parses "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" at compile time.
    static consteval TGUID Parse(std::string_view text) {
        TGUID g;
        size_t pos = 1;
        auto hex = [&](int digits) {
            uint32_t v = 0;
            for (int i = 0; i < digits; ++i) {
                if (text[pos] == '-')
                    ++pos;
                char c = text[pos++];
                v = v * 16 + static_cast<uint32_t>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
            }
            return v;
        };
        g.D1 = hex(8);
        g.D2 = static_cast<uint16_t>(hex(4));
        g.D3 = static_cast<uint16_t>(hex(4));
        for (auto& b : g.D4)
            b = static_cast<uint8_t>(hex(2));
        return g;
    }

    friend constexpr bool operator==(const TGUID& a, const TGUID& b) {
        if (a.D1 != b.D1 || a.D2 != b.D2 || a.D3 != b.D3)
            return false;
        for (int i = 0; i < 8; ++i)
            if (a.D4[i] != b.D4[i])
                return false;
        return true;
    }

    std::string ToString() const;
};

// The first three virtual methods of every interface.
struct IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{00000000-0000-0000-C000-000000000046}");
    virtual HResult QueryInterface(const TGUID& iid, void** object) = 0;
    virtual int32_t AddRef() = 0;
    virtual int32_t Release() = 0;

protected:
    ~IUnknown() = default;
};

// Asks an object for an interface; nil when the object is nil or lacks it. Takes a reference
// as QueryInterface does.
template <class I> I* QueryInterfaceOf(IUnknown* object) {
    void* result = nullptr;
    if (object == nullptr || Failed(object->QueryInterface(I::IID, &result)))
        return nullptr;
    return static_cast<I*>(result);
}

// Clears an out argument before work starts.
template <class I> HResult ClearOut(I** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    return S_OK;
}

// Hands an interface out through an out argument, with a reference for the receiver.
template <class I> HResult HandOut(I* object, I** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = object;
    if (object)
        object->AddRef();
    return S_OK;
}

// A counted reference to an interface: releases on destruction.
template <class I> class TComPtr {
public:
    TComPtr() = default;
    TComPtr(I* p) : P(p) {} // adopts one reference
    TComPtr(const TComPtr& o) : P(o.P) {
        if (P)
            P->AddRef();
    }
    TComPtr(TComPtr&& o) noexcept : P(o.P) { o.P = nullptr; }
    TComPtr& operator=(TComPtr o) noexcept {
        std::swap(P, o.P);
        return *this;
    }
    ~TComPtr() {
        if (P)
            P->Release();
    }
    static TComPtr Share(I* p) {
        if (p)
            p->AddRef();
        return TComPtr(p);
    }
    I* operator->() const { return P; }
    I* Get() const { return P; }
    explicit operator bool() const { return P != nullptr; }
    // For out arguments: drops the current reference and hands out the slot.
    I** Out() {
        *this = TComPtr();
        return &P;
    }

private:
    I* P = nullptr;
};

// An owned zero-terminated UTF-8 text handed out through an interface. The receiver owns it.
class TComString {
public:
    TComString() = default;
    TComString(const TComString&) = delete;
    TComString& operator=(const TComString&) = delete;
    ~TComString();
    void Assign(std::string_view text);
    void Clear();
    const char* CStr() const { return Data ? Data : ""; }
    std::string Str() const { return std::string(CStr(), Size); }
    size_t Length() const { return Size; }

private:
    char* Data = nullptr;
    size_t Size = 0;
};

// Declares the interfaces an object answers: QueryInterface returns the first match.
template <class Self, class... Interfaces> struct TInterfaceTable {
    static HResult Query(Self* self, const TGUID& iid, void** object) {
        if (object == nullptr)
            return E_POINTER;
        *object = nullptr;
        if (!(Match<Interfaces>(self, iid, object) || ...))
            return E_NOINTERFACE;
        static_cast<IUnknown*>(*object)->AddRef();
        return S_OK;
    }

private:
    // An interface also answers for the interfaces it derives from (declared as Inherited).
    template <class I> static bool Answers(const TGUID& iid) {
        if (iid == I::IID)
            return true;
        if constexpr (requires { typename I::Inherited; })
            return Answers<typename I::Inherited>(iid);
        return false;
    }
    template <class I> static bool Match(Self* self, const TGUID& iid, void** object) {
        using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;
        if (Answers<I>(iid) || (iid == IUnknown::IID && std::is_same_v<I, First>)) {
            *object = static_cast<I*>(self);
            return true;
        }
        return false;
    }
};
