#include "model/types/Wavetype.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace {

// The tree below a root as indented lines; "+" marks an expanded node.
std::string Dump(const TTypeTreeNode& node, int depth = 0) {
    std::string text;
    for (const auto& child : node.Children) {
        text += std::string(static_cast<size_t>(depth) * 2, ' ') + child->Text +
                (child->Expanded ? " +" : "") + "\n";
        text += Dump(*child, depth + 1);
    }
    return text;
}

std::string TreeOf(const TWaveDataType& type) {
    TTypeTreeNode root;
    type.AddToTypeTree(root);
    return Dump(root);
}

TRowFormat Radix(TWaveRadix radix, TWaveFormat format = TWaveFormat::Default) {
    TRowFormat f;
    f.Radix = radix;
    f.Format = format;
    return f;
}

TSimpleValue EmptyValue(TSimpleValue v) {
    v.Empty = true;
    return v;
}

class SimpleTypes : public ::testing::Test {
protected:
    template <class T> T& Type(const char* name) {
        auto* type = dynamic_cast<T*>(Store.FindByName(name));
        EXPECT_NE(type, nullptr) << name;
        return *type;
    }

    // The text read by the type, or "nil".
    static std::string Read(const TWaveSimpleType& type, std::string_view text) {
        const auto v = type.ValueFromText(text);
        return v ? type.ValueToText(*v) : "nil";
    }

    static std::vector<uint8_t> Bytes(const TWaveSimpleType& type, const TSimpleValue& v) {
        std::vector<uint8_t> bytes(static_cast<size_t>(type.ValueByteSize()));
        EXPECT_EQ(type.ValueToBytes(v, bytes.data()), type.ValueByteSize());
        return bytes;
    }

    TWaveDataTypeStore Store;
    const TRowFormat Default;
};

struct TTextCase {
    const char* Text;
    std::optional<int32_t> Code; // nil: not a value
};

} // namespace

TEST_F(SimpleTypes, StdLogicTextForm) {
    auto& type = Type<TStdLogicWaveType>("std_logic");
    const TTextCase cases[] = {{"U", 0},  {"X", 1},        {"0", 2},   {"1", 3},  {"Z", 4},
                               {"W", 5},  {"L", 6},        {"H", 7},   {"-", 8},  {"", 0},
                               {" 1", 3}, {"\t\r\n H", 7}, {"1 ", {}}, {"h", {}}, {"10", {}},
                               {"u", {}}, {"   ", 0},      {"?", {}}};
    for (const auto& c : cases) {
        const auto v = type.ValueFromText(c.Text);
        ASSERT_EQ(v.has_value(), c.Code.has_value()) << '"' << c.Text << '"';
        if (v) {
            EXPECT_EQ(v->Ordinal, *c.Code) << c.Text;
        }
    }
    for (int32_t code = 0; code <= 8; ++code) {
        const auto v = TSimpleValue::OfOrdinal(code);
        const std::string letter(1, "UX01ZWLH-"[code]);
        EXPECT_EQ(type.ValueToText(v), letter);
        EXPECT_EQ(type.ValueText(v), letter);
        EXPECT_EQ(type.FormatValue(v, Radix(TWaveRadix::Hex, TWaveFormat::Numeric)), letter);
        EXPECT_EQ(type.ValueFromText(letter)->Ordinal, code);
    }
    EXPECT_EQ(type.FormatValue(EmptyValue(TSimpleValue::OfOrdinal(3)), Default), "");
    EXPECT_EQ(type.MaxTextWidth(0, 0), 1);
    EXPECT_TRUE(type.IsSingleCharacter());
    EXPECT_TRUE(type.IsLogicLevel());
    EXPECT_FALSE(type.HasRadixChoice());
    EXPECT_FALSE(type.IsCompound());
    EXPECT_EQ(type.KindCode(), 4);
}

TEST_F(SimpleTypes, StdLogicByteForm) {
    auto& type = Type<TStdLogicWaveType>("std_ulogic");
    EXPECT_EQ(type.ValueByteSize(), 1);
    const auto bytes = Bytes(type, TSimpleValue::OfOrdinal(8));
    EXPECT_EQ(bytes, std::vector<uint8_t>{8});
    EXPECT_EQ(type.ValueToText(*type.ValueFromBytes(bytes)), "-");
    const uint8_t nine = 9;
    EXPECT_FALSE(type.ValueFromBytes({&nine, 1}));
    EXPECT_FALSE(type.ValueFromBytes({}));
}

TEST_F(SimpleTypes, StdLogicEqualityCloneTreeAndColour) {
    auto& type = Type<TStdLogicWaveType>("std_ulogic");
    const auto one = TSimpleValue::OfOrdinal(3);
    EXPECT_TRUE(type.ValuesEqual(one, TSimpleValue::OfOrdinal(3)));
    EXPECT_FALSE(type.ValuesEqual(one, TSimpleValue::OfOrdinal(2)));
    EXPECT_FALSE(type.ValuesEqual(one, EmptyValue(one)));
    const TValue clone = type.CloneValue(EmptyValue(one));
    ASSERT_TRUE(clone.IsSimple());
    EXPECT_EQ(clone.Simple().Ordinal, 3);
    EXPECT_TRUE(clone.Simple().Empty);
    EXPECT_EQ(TreeOf(type), "std_logic\n  pre-defined type\n");
    TRowFormat format = Radix(TWaveRadix::Hex, TWaveFormat::Literal);
    format.Disassembler = "z80";
    type.InitRowOptions(format);
    EXPECT_EQ(format.Radix, TWaveRadix::Default);
    EXPECT_EQ(format.Format, TWaveFormat::Default);
    EXPECT_EQ(format.Disassembler, "");
    EXPECT_EQ(format.FontColor, 0x00FF0000u);
}

TEST_F(SimpleTypes, BitForms) {
    auto& type = Type<TBitWaveType>("bit");
    const TTextCase cases[] = {{"", 2},   {"0", 2},  {"1", 3},   {" 1", 3},
                               {"X", {}}, {"U", {}}, {"1 ", {}}, {"H", {}}};
    for (const auto& c : cases) {
        const auto v = type.ValueFromText(c.Text);
        ASSERT_EQ(v.has_value(), c.Code.has_value()) << '"' << c.Text << '"';
        if (v) {
            EXPECT_EQ(v->Ordinal, *c.Code) << c.Text;
        }
    }
    EXPECT_EQ(type.ValueToText(TSimpleValue::OfOrdinal(0)), "0");
    EXPECT_EQ(type.ValueToText(TSimpleValue::OfOrdinal(2)), "0");
    EXPECT_EQ(type.ValueToText(TSimpleValue::OfOrdinal(3)), "1");
    EXPECT_EQ(Bytes(type, TSimpleValue::OfOrdinal(0)), std::vector<uint8_t>{2});
    EXPECT_EQ(Bytes(type, TSimpleValue::OfOrdinal(3)), std::vector<uint8_t>{3});
    EXPECT_EQ(type.FormatValue(TSimpleValue::OfOrdinal(3), Default), "1");
    EXPECT_EQ(TreeOf(type), "bit\n  pre-defined type\n");
    EXPECT_EQ(type.KindCode(), 5);
    TRowFormat format;
    type.InitRowOptions(format);
    EXPECT_EQ(format.FontColor, 0x00FF0000u);
}

struct TIntegerDisplayCase {
    int32_t Value;
    TWaveRadix Radix;
    const char* Text;
};

TEST_F(SimpleTypes, IntegerDisplayByRadix) {
    auto& type = Type<TIntegerWaveType>("integer");
    const TIntegerDisplayCase cases[] = {
        {-1, TWaveRadix::Decimal, "-1"},
        {-1, TWaveRadix::Default, "-1"},
        {-1, TWaveRadix::Hex, "FFFFFFFF"},
        {-1, TWaveRadix::Binary, "11111111111111111111111111111111"},
        {0, TWaveRadix::Binary, "0"},
        {0, TWaveRadix::Hex, "0"},
        {10, TWaveRadix::Binary, "1010"},
        {10, TWaveRadix::Hex, "A"},
        {10, TWaveRadix::Disassembly, "A"},
        {255, TWaveRadix::Hex, "FF"},
        {INT32_MIN, TWaveRadix::Decimal, "-2147483648"},
        {INT32_MIN, TWaveRadix::Hex, "80000000"},
    };
    for (const auto& c : cases) {
        for (auto format : {TWaveFormat::Default, TWaveFormat::Literal, TWaveFormat::SignedNumeric})
            EXPECT_EQ(type.FormatValue(TSimpleValue::OfOrdinal(c.Value), Radix(c.Radix, format)),
                      c.Text);
    }
    EXPECT_EQ(type.FormatValue(EmptyValue(TSimpleValue::OfOrdinal(5)), Default), "");
    EXPECT_TRUE(type.HasRadixChoice());
    EXPECT_TRUE(type.HasNumericFormat());
}

TEST_F(SimpleTypes, IntegerTextAndByteForms) {
    auto& type = Type<TIntegerWaveType>("integer");
    EXPECT_EQ(type.ValueFromText("")->Ordinal, 0);
    EXPECT_EQ(type.ValueFromText("-5")->Ordinal, -5);
    EXPECT_EQ(type.ValueFromText("2147483647")->Ordinal, 2147483647);
    EXPECT_THROW(type.ValueFromText("abc"), EConvertError);
    EXPECT_THROW(type.ValueFromText("5 "), EConvertError);
    EXPECT_EQ(type.ValueToText(TSimpleValue::OfOrdinal(-2147483647 - 1)), "-2147483648");
    EXPECT_EQ(type.ValueText(TSimpleValue::OfOrdinal(-2147483647 - 1)).size(),
              static_cast<size_t>(type.MaxTextWidth(0, 0)));
    EXPECT_EQ(Bytes(type, TSimpleValue::OfOrdinal(-2)),
              (std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(type, TSimpleValue::OfOrdinal(0x01020304)), (std::vector<uint8_t>{4, 3, 2, 1}));
    const std::array<uint8_t, 4> bytes = {0x78, 0x56, 0x34, 0x12};
    EXPECT_EQ(type.ValueFromBytes(bytes)->Ordinal, 0x12345678);
    EXPECT_FALSE(type.ValueFromBytes(std::span(bytes).first(3)));
    EXPECT_EQ(TreeOf(type), "integer\n  pre-defined type\n");
    TRowFormat format;
    type.InitRowOptions(format);
    EXPECT_EQ(format.FontColor, 0x00800080u);
}

TEST_F(SimpleTypes, RealTextForms) {
    auto& type = Type<TRealWaveType>("real");
    EXPECT_EQ(type.ValueFromText("")->Real(), 0.0);
    EXPECT_EQ(type.ValueFromText("0.1")->Real(), 0.1);
    EXPECT_EQ(type.ValueFromText("-1.5E3")->Real(), -1500.0);
    EXPECT_THROW(type.ValueFromText("abc"), EConvertError);
    struct TCase {
        double Value;
        const char* File;
        const char* Display;
        const char* Short;
    };
    const TCase cases[] = {
        {0.1, "0.1", "0.1", "0.1"},
        {1.0 / 3.0, "0.3333333333333333", "0.333333333333333", "0.333333"},
        {1234567.0, "1234567", "1234567", "1.23457E6"},
        {-2.5e-7, "-2.5E-7", "-2.5E-7", "-2.5E-7"},
        {1e16, "1E16", "1E16", "1E16"},
        {0.1 + 0.2, "0.30000000000000004", "0.3", "0.3"},
        {123456789012345678.0, "1.2345678901234568E17", "1.23456789012346E17", "1.23457E17"},
        {123456789012345.67, "123456789012345.67", "123456789012346", "1.23457E14"},
    };
    for (const auto& c : cases) {
        const auto v = TSimpleValue::OfReal(c.Value);
        EXPECT_EQ(type.ValueToText(v), c.File);
        EXPECT_EQ(type.FormatValue(v, Default), c.Display);
        EXPECT_EQ(type.ValueText(v), c.Short);
        EXPECT_EQ(type.ValueFromText(type.ValueToText(v))->Real(), c.Value);
    }
}

TEST_F(SimpleTypes, RealShortTextFitsItsWidth) {
    auto& type = Type<TRealWaveType>("real");
    EXPECT_EQ(type.MaxTextWidth(0, 0), 12);
    for (double value : {-1.234567e-100, -1.234567e-5, -0.0000123456, 1.7976931348623157e308,
                         -4.9e-324, -123456.7}) {
        const std::string text = type.ValueText(TSimpleValue::OfReal(value));
        EXPECT_LE(text.size(), 12u) << text;
    }
}

TEST_F(SimpleTypes, RealBytesEqualityAndColour) {
    auto& type = Type<TRealWaveType>("real");
    const auto v = TSimpleValue::OfReal(-0.1);
    const auto bytes = Bytes(type, v);
    EXPECT_EQ(bytes.size(), 8u);
    EXPECT_EQ(bytes[7], 0xBF); // little-endian: the sign and exponent come last
    EXPECT_EQ(type.ValueFromBytes(bytes)->Real(), -0.1);
    EXPECT_TRUE(type.ValuesEqual(TSimpleValue::OfReal(0.1), TSimpleValue::OfReal(0.1)));
    EXPECT_FALSE(
        type.ValuesEqual(TSimpleValue::OfReal(0.1), EmptyValue(TSimpleValue::OfReal(0.1))));
    EXPECT_FALSE(type.ValuesEqual(TSimpleValue::OfReal(0.1), TSimpleValue::OfReal(0.2)));
    EXPECT_TRUE(type.HasNumericFormat());
    EXPECT_FALSE(type.HasRadixChoice());
    EXPECT_EQ(type.FormatValue(EmptyValue(v), Default), "");
    EXPECT_EQ(TreeOf(type), "real\n  pre-defined type\n");
    TRowFormat format;
    type.InitRowOptions(format);
    EXPECT_EQ(format.FontColor, 0x00000080u);
}

TEST_F(SimpleTypes, BooleanEnumeration) {
    auto& type = Type<TEnumWaveType>("boolean");
    const auto one = type.ValueFromText("1");
    ASSERT_TRUE(one);
    EXPECT_EQ(one->Ordinal, 1);
    EXPECT_EQ(type.FormatValue(*one, Default), "true");
    EXPECT_EQ(type.ValueText(*one), "true");
    EXPECT_EQ(type.ValueToText(*one), "1");
    EXPECT_FALSE(type.ValueFromText("2"));
    EXPECT_FALSE(type.ValueFromText("-1"));
    EXPECT_EQ(type.ValueFromText("")->Ordinal, 0);
    EXPECT_THROW(type.ValueFromText("true"), EConvertError);
    EXPECT_EQ(type.MaxTextWidth(0, 0), 5);
    EXPECT_EQ(type.ValueByteSize(), 1);
    EXPECT_EQ(Bytes(type, *one), std::vector<uint8_t>{1});
    const uint8_t two = 2;
    EXPECT_FALSE(type.ValueFromBytes({&two, 1}));
    EXPECT_EQ(type.FormatValue(TSimpleValue::OfOrdinal(7), Default), "");
    EXPECT_EQ(type.GetFullDescription(), "3$2$false$true$");
    EXPECT_EQ(TreeOf(type), "boolean +\n  enum\n    false\n    true\n");
    EXPECT_TRUE(type.IsEnumeration());
    TRowFormat format;
    format.FontColor = 0x123456;
    type.InitRowOptions(format);
    EXPECT_EQ(format.FontColor, 0x123456u); // enumerations keep the row's colour
}

TEST_F(SimpleTypes, EnumerationByteWidthFollowsTheLiteralCount) {
    TEnumWaveType type(&Store);
    for (int i = 0; i < 255; ++i)
        type.AppendLiteral("l" + std::to_string(i));
    EXPECT_EQ(type.ValueByteSize(), 1);
    type.AppendLiteral("l255");
    EXPECT_EQ(type.ValueByteSize(), 2);
    EXPECT_EQ(Bytes(type, TSimpleValue::OfOrdinal(255)), (std::vector<uint8_t>{255, 0}));
    const std::array<uint8_t, 2> last = {255, 0};
    EXPECT_EQ(type.ValueFromBytes(last)->Ordinal, 255);
    const std::array<uint8_t, 2> beyond = {0, 1};
    EXPECT_FALSE(type.ValueFromBytes(beyond));
    for (int i = 256; i < 65536; ++i)
        type.AppendLiteral("m");
    EXPECT_EQ(type.ValueByteSize(), 4);
}

TEST_F(SimpleTypes, EnumerationLiteralsThroughTheInterface) {
    TEnumWaveType type(&Store);
    IWaveDataType& face = type;
    EXPECT_EQ(face.AddLiteral("red"), S_OK);
    EXPECT_EQ(face.AddLiteral("yellow"), S_OK);
    EXPECT_EQ(face.AddLiteral(nullptr), S_OK);
    EXPECT_EQ(type.Literals().Count(), 3);
    EXPECT_EQ(type.MaxLiteralLength(), 6);
    EXPECT_EQ(type.GetDescription(), "3$red$yellow$$");
    EXPECT_EQ(face.AddRef(), -1);
    EXPECT_EQ(face.Release(), -1);
}

TEST_F(SimpleTypes, CharacterLiterals) {
    auto& type = Type<TCharacterWaveType>("character");
    EXPECT_EQ(type.Literals().Count(), 256);
    EXPECT_EQ(type.MaxLiteralLength(), 4);
    EXPECT_EQ(type.MaxTextWidth(0, 0), 4);
    EXPECT_EQ(type.FormatValue(TSimpleValue::OfOrdinal(65), Default), "A");
    EXPECT_EQ(type.FormatValue(TSimpleValue::OfOrdinal(10), Default), "lf");
    EXPECT_EQ(type.FormatValue(TSimpleValue::OfOrdinal(200), Default), "\xC8");
    EXPECT_EQ(type.FormatValue(TSimpleValue::OfOrdinal(0), Default), "nul");
    EXPECT_EQ(type.FormatValue(TSimpleValue::OfOrdinal(31), Default), "usp");
    EXPECT_EQ(type.FormatValue(TSimpleValue::OfOrdinal(32), Default), " ");
    EXPECT_EQ(type.FormatValue(TSimpleValue::OfOrdinal(127), Default), "del");
    EXPECT_EQ(type.FormatValue(TSimpleValue::OfOrdinal(128), Default), "c128");
    EXPECT_EQ(type.FormatValue(TSimpleValue::OfOrdinal(159), Default), "c159");
    EXPECT_EQ(type.FormatValue(TSimpleValue::OfOrdinal(160), Default), "\xA0");
    EXPECT_EQ(type.ValueByteSize(), 2);
    EXPECT_EQ(Bytes(type, TSimpleValue::OfOrdinal(200)), (std::vector<uint8_t>{200, 0}));
    EXPECT_EQ(type.ValueToText(TSimpleValue::OfOrdinal(65)), "65");
    EXPECT_EQ(type.GetFullDescription(), "7$");
    EXPECT_EQ(TreeOf(type), "character\n  pre-defined type\n");
}

TEST_F(SimpleTypes, CUPLTextForm) {
    auto& type = Type<TCUPLWaveType>("CUPL");
    const std::pair<const char*, const char*> cases[] = {
        {"", "U D"},    {"L", "L Z"},   {"H D", "H D"},   {"HxD", "H D"},
        {"H-D", "H D"}, {"HD", "H Z"},  {"  L S", "L S"}, {"U R", "U R"},
        {"X Q", "U Z"}, {"   ", "U Z"}, {"h d", "U Z"},   {"L S trailing", "L S"}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Read(type, text), expected) << '"' << text << '"';
    const auto ls = *type.ValueFromText("L S");
    EXPECT_EQ(type.FormatValue(ls, Radix(TWaveRadix::Binary)), "LS");
    EXPECT_EQ(type.ValueToText(ls), "L S");
    EXPECT_EQ(type.ValueText(ls), "");
    EXPECT_EQ(type.MaxTextWidth(0, 0), 0);
    EXPECT_EQ(type.FormatValue(EmptyValue(ls), Default), "");
}

TEST_F(SimpleTypes, CUPLBytesEqualityTreeAndColour) {
    auto& type = Type<TCUPLWaveType>("CUPL");
    const auto hd = TSimpleValue::OfPair(1, 1);
    EXPECT_EQ(Bytes(type, hd), (std::vector<uint8_t>{1, 0, 0, 0, 1, 0, 0, 0}));
    const auto back = type.ValueFromBytes(Bytes(type, TSimpleValue::OfPair(2, 3)));
    EXPECT_EQ(type.ValueToText(*back), "U Z");
    EXPECT_TRUE(type.ValuesEqual(hd, TSimpleValue::OfPair(1, 1)));
    EXPECT_FALSE(type.ValuesEqual(hd, TSimpleValue::OfPair(1, 0)));
    EXPECT_FALSE(type.ValuesEqual(hd, EmptyValue(hd)));
    EXPECT_TRUE(type.IsLogicLevel());
    EXPECT_FALSE(type.IsSingleCharacter());
    EXPECT_EQ(TreeOf(type), "CUPL\n  pre-defined type\n");
    TRowFormat format;
    type.InitRowOptions(format);
    EXPECT_EQ(format.FontColor, 0x00808000u);
}

TEST_F(SimpleTypes, TimeTextForms) {
    auto& type = Type<TPhysicalWaveType>("time");
    const auto v = type.ValueFromText("1000 1");
    ASSERT_TRUE(v);
    EXPECT_EQ(type.FormatValue(*v, Default), "1000 ps");
    EXPECT_EQ(type.ValueToText(*v), "1000 1");
    EXPECT_FALSE(type.ValueFromText("5"));
    EXPECT_EQ(type.ValueToText(*type.ValueFromText("")), "0 0");
    EXPECT_EQ(type.ValueToText(*type.ValueFromText(" \t1.5 2")), "1.5 2");
    EXPECT_EQ(type.FormatValue(*type.ValueFromText("1.5 2"), Default), "1.5 ns");
    EXPECT_EQ(type.FormatValue(*type.ValueFromText("2 7"), Default), "2 hr");
    EXPECT_EQ(type.FormatValue(*type.ValueFromText("2 9"), Default), "2 ");
    EXPECT_THROW(type.ValueFromText("x 1"), EConvertError);
    EXPECT_THROW(type.ValueFromText("1 x"), EConvertError);
    EXPECT_EQ(type.ValueText(*v), "");
    EXPECT_EQ(type.MaxTextWidth(0, 0), 0);
    const auto third = TSimpleValue::OfPhysical(1.0 / 3.0, 3);
    EXPECT_EQ(type.ValueFromText(type.ValueToText(third))->Real(), 1.0 / 3.0);
}

TEST_F(SimpleTypes, TimeBytesEqualityAndUnits) {
    auto& type = Type<TPhysicalWaveType>("time");
    const auto ps = TSimpleValue::OfPhysical(1000, 1);
    const auto ns = TSimpleValue::OfPhysical(1, 2);
    EXPECT_FALSE(type.ValuesEqual(ps, ns));
    EXPECT_TRUE(type.ValuesEqual(ns, TSimpleValue::OfPhysical(1, 2)));
    const auto bytes = Bytes(type, ns);
    ASSERT_EQ(bytes.size(), 16u);
    EXPECT_EQ((std::vector<uint8_t>(bytes.begin() + 8, bytes.end())),
              (std::vector<uint8_t>{2, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(type.ValuesEqual(*type.ValueFromBytes(bytes), ns));
    EXPECT_EQ(type.GetFullDescription(),
              "14$8$fs$1$ $ps$1000$fs$ns$1000$ps$us$1000$ns$ms$1000$us$sec$1000$ms$min$60$sec$hr$"
              "60$min$");
    ASSERT_EQ(type.Units().size(), 8u);
    EXPECT_EQ(type.Units()[0].BaseUnit, -1);
    EXPECT_EQ(type.Units()[7].BaseUnit, 6);
    EXPECT_EQ(TreeOf(type), "time +\n  physical\n    fs\n    ps = 1000 fs\n    ns = 1000 ps\n"
                            "    us = 1000 ns\n    ms = 1000 us\n    sec = 1000 ms\n"
                            "    min = 60 sec\n    hr = 60 min\n");
}

TEST_F(SimpleTypes, PhysicalUnitsThroughTheInterface) {
    TPhysicalWaveType type(&Store);
    type.SetName("length");
    IWaveDataType& face = type;
    EXPECT_EQ(face.AddUnit("um", 1, nullptr), S_OK);
    EXPECT_EQ(face.AddUnit("mm", 1000, "um"), S_OK);
    EXPECT_EQ(face.AddUnit("m", 1000, "km"), S_OK);
    EXPECT_EQ(type.GetDescription(), "3$um$1$ $mm$1000$um$m$1000$ $");
    // Interface methods of other classes answer success and change nothing.
    EXPECT_EQ(face.AddLiteral("x"), S_OK);
    EXPECT_EQ(face.SetLeftBound(3), S_OK);
    IUnknown* nil = reinterpret_cast<IUnknown*>(&type);
    EXPECT_EQ(face.QueryNil(&nil), S_OK);
    EXPECT_EQ(nil, nullptr);
    EXPECT_EQ(type.GetDescription(), "3$um$1$ $mm$1000$um$m$1000$ $");
}

TEST_F(SimpleTypes, PlaceHolder) {
    TWavePlaceHolderType type(&Store);
    const auto v = type.ValueFromText("anything");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->Ordinal, 0);
    EXPECT_EQ(type.ValueToText(*v), " ");
    EXPECT_EQ(type.FormatValue(*v, Default), " ");
    EXPECT_FALSE(type.ValueFromBytes({}));
    EXPECT_EQ(type.ValueToBytes(*v, nullptr), 0);
    EXPECT_TRUE(type.CloneValue(*v).IsNil());
    EXPECT_TRUE(type.ValuesEqual(TSimpleValue::OfOrdinal(1), EmptyValue(TSimpleValue())));
    EXPECT_EQ(TreeOf(type), "");
    EXPECT_TRUE(type.IsPlaceHolder());
    EXPECT_EQ(type.KindCode(), 17);
}

TEST(SimpleValue, IsASmallZeroCell) {
    const TSimpleValue v;
    EXPECT_EQ(v.Ordinal, 0);
    EXPECT_EQ(v.Drive, 0);
    EXPECT_EQ(v.Unit, 0);
    EXPECT_EQ(v.Real(), 0.0);
    EXPECT_FALSE(v.Empty);
    const auto p = TSimpleValue::OfPhysical(-2.5, 4);
    EXPECT_EQ(p.Real(), -2.5);
    EXPECT_EQ(p.Unit, 4);
    static_assert(sizeof(TSimpleValue) == 16);
}
