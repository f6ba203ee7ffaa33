#include "platform/com/Exception.h"
#include "platform/com/Interfaced.h"

#include <gtest/gtest.h>

namespace {
struct IFirst : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{9CAE6A21-064E-44F6-A7CF-0881157EB8DB}");
    virtual int32_t One() = 0;
};
struct ISecond : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{F0C4F1F3-7AC3-49F9-A620-9142D6CB227E}");
    virtual int32_t Two() = 0;
};
struct IOther : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{835B3A76-FC95-4AE5-B5D3-C65CE20D2BEF}");
};

int gAlive = 0;
struct TBoth : TInterfacedObject<IFirst, ISecond> {
    TBoth() { ++gAlive; }
    ~TBoth() override { --gAlive; }
    int32_t One() override { return 1; }
    int32_t Two() override { return 2; }
};
struct TUncounted : TUncountedObject<IFirst> {
    int32_t One() override { return 1; }
};
} // namespace

TEST(Guid, ParsesAndPrintsTheRegistryForm) {
    constexpr TGUID g = TGUID::Parse("{9CAE6A21-064E-44F6-A7CF-0881157EB8DB}");
    static_assert(g.D1 == 0x9CAE6A21 && g.D2 == 0x064E && g.D3 == 0x44F6 && g.D4[0] == 0xA7 &&
                  g.D4[7] == 0xDB);
    EXPECT_EQ(g.ToString(), "{9CAE6A21-064E-44F6-A7CF-0881157EB8DB}");
    EXPECT_FALSE(g == IOther::IID);
}

TEST(Interfaced, QueryCountsAndFreesAtLastRelease) {
    {
        TComPtr<IFirst> first(new TBoth);
        first->AddRef();
        EXPECT_EQ(gAlive, 1);
        TComPtr<ISecond> second(QueryInterfaceOf<ISecond>(first.Get()));
        ASSERT_TRUE(second);
        EXPECT_EQ(second->Two(), 2);
        EXPECT_EQ(QueryInterfaceOf<IOther>(first.Get()), nullptr);
        TComPtr<IUnknown> unknown(QueryInterfaceOf<IUnknown>(second.Get()));
        EXPECT_EQ(static_cast<void*>(unknown.Get()), static_cast<void*>(first.Get()));
    }
    EXPECT_EQ(gAlive, 0);
}

TEST(Interfaced, UncountedObjectsAnswerMinusOne) {
    TUncounted object;
    EXPECT_EQ(object.AddRef(), -1);
    EXPECT_EQ(object.Release(), -1);
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(object.QueryInterface(ISecond::IID, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
}

TEST(Exceptions, CrossInterfacesAsResultCodes) {
    EXPECT_EQ(GuardCall([] {}), S_OK);
    EXPECT_EQ(GuardCall([] { throw Exception("boom"); }), E_FAIL);
    EXPECT_EQ(GuardCall([] { OleCheck(E_NOINTERFACE); }), E_NOINTERFACE);
    EXPECT_NO_THROW(OleCheck(S_FALSE));
    try {
        OleCheck(E_INVALIDARG);
        FAIL();
    } catch (const EOleError& e) {
        EXPECT_EQ(e.Message(), "Interface call failed (0x80070057)");
    }
}

TEST(ComString, OwnsACopy) {
    TComString s;
    EXPECT_STREQ(s.CStr(), "");
    std::string source("ab\0c", 4);
    s.Assign(source);
    EXPECT_EQ(s.Str(), source);
    s.Clear();
    EXPECT_EQ(s.Length(), 0u);
}
