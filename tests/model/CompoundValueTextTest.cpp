#include "SignalTestSupport.h"

#include "model/types/DisassemblerHook.h"
#include "model/types/VectorDisplay.h"

#include <gtest/gtest.h>

namespace {

TValue Cell(TSimpleValue cell) {
    return TValue(cell);
}

template <class... Values> TCompoundValue Elements(Values&&... elements) {
    TCompoundValue value;
    (value.Elements.push_back(TValue(std::forward<Values>(elements))), ...);
    return value;
}

// A vector of std_logic letters, first element first.
TCompoundValue Vector(std::string_view letters) {
    TCompoundValue value;
    for (char letter : letters)
        value.Elements.push_back(Cell(Logic(letter)));
    return value;
}

TRowFormat Format(TWaveRadix radix, TWaveFormat format = TWaveFormat::Default) {
    TRowFormat row;
    row.Radix = radix;
    row.Format = format;
    return row;
}

class CompoundValueText : public ::testing::Test {
protected:
    TWaveDataTypeStore Types;
    TWaveDataType& Type(std::string_view name) { return *Types.FindByName(name); }
    TWaveDataType& Define(std::string_view description, std::string_view name) {
        Types.AddFromDescription(description, name, -1);
        return Type(name);
    }
    std::string Show(std::string_view typeName, const TCompoundValue& value, TWaveRadix radix,
                     TWaveFormat format = TWaveFormat::Default) {
        return Type(typeName).FormatValue(value, Format(radix, format));
    }
};

} // namespace

TEST_F(CompoundValueText, LogicVectorsUnderEveryRadix) {
    struct TCase {
        const char* Letters;
        TWaveRadix Radix;
        TWaveFormat Format;
        const char* Expected;
    };
    const std::string ones32(32, '1');
    const TCase cases[] = {
        {"1010", TWaveRadix::Hex, TWaveFormat::Default, "A"},
        {"1010", TWaveRadix::Default, TWaveFormat::Default, "A"},
        {"1010", TWaveRadix::Decimal, TWaveFormat::Default, "10"},
        {"1010", TWaveRadix::Decimal, TWaveFormat::SignedNumeric, "-6"},
        {"0110", TWaveRadix::Decimal, TWaveFormat::SignedNumeric, "6"},
        {"1010", TWaveRadix::Binary, TWaveFormat::Default, "1010"},
        {"1010", TWaveRadix::Hex, TWaveFormat::Literal, "1010"},
        {"10011", TWaveRadix::Hex, TWaveFormat::Default, "13"},
        {"1Z00", TWaveRadix::Hex, TWaveFormat::Default, "?"},
        {"1Z00", TWaveRadix::Decimal, TWaveFormat::Default, "???"},
        {"1HL0", TWaveRadix::Hex, TWaveFormat::Default, "C"},
        {"1XW-", TWaveRadix::Binary, TWaveFormat::Default, "1UUU"},
        {"1XW-", TWaveRadix::Hex, TWaveFormat::Literal, "1XW-"},
        {ones32.c_str(), TWaveRadix::Decimal, TWaveFormat::Default, "***"},
        {ones32.c_str(), TWaveRadix::Hex, TWaveFormat::Default, "FFFFFFFF"},
        {"", TWaveRadix::Hex, TWaveFormat::Default, ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(Show("std_logic_vector", Vector(c.Letters), c.Radix, c.Format), c.Expected)
            << c.Letters << " radix " << static_cast<int>(c.Radix);

    TCompoundValue empty = Vector("1010");
    empty.Empty = true;
    EXPECT_EQ(Show("std_logic_vector", empty, TWaveRadix::Hex), "");
    // bit_vector shares the display.
    EXPECT_EQ(Show("bit_vector", Vector("1111"), TWaveRadix::Hex), "F");
}

TEST_F(CompoundValueText, DisassemblyGoesThroughTheInstalledLookup) {
    SetDisassemblerLookup({[](const std::string& name) { return name == "toy" ? 4 : 0; },
                           [](const std::string&, uint64_t word) {
                               return word == 0 ? std::string() : "op " + std::to_string(word);
                           }});
    TRowFormat row = Format(TWaveRadix::Disassembly);
    row.Disassembler = "toy";
    const TWaveDataType& vector = Type("std_logic_vector");
    EXPECT_EQ(vector.FormatValue(Vector("1010"), row), "op 10");
    EXPECT_EQ(vector.FormatValue(Vector("0000"), row), "0");   // no text: hexadecimal
    EXPECT_EQ(vector.FormatValue(Vector("10101"), row), "15"); // other width: hexadecimal
    row.Disassembler = "other";
    EXPECT_EQ(vector.FormatValue(Vector("1010"), row), "A");
    SetDisassemblerLookup({});
    row.Disassembler = "toy";
    EXPECT_EQ(vector.FormatValue(Vector("1010"), row), "A");
}

TEST_F(CompoundValueText, CUPLVectorsStringsRecordsAndAccess) {
    const TCompoundValue cupl =
        Elements(Cell(TSimpleValue::OfPair(1, 1)), Cell(TSimpleValue::OfPair(0, 0)),
                 Cell(TSimpleValue::OfPair(2, 3)));
    EXPECT_EQ(Show("CUPL_vector", cupl, TWaveRadix::Default), "10Z");
    EXPECT_EQ(Show("CUPL_vector", cupl, TWaveRadix::Binary), "10Z");
    EXPECT_EQ(Show("CUPL_vector", cupl, TWaveRadix::Hex, TWaveFormat::Literal), "{HD, LS, UZ}");
    EXPECT_EQ(Show("CUPL_vector", cupl, TWaveRadix::Decimal), "???");
    EXPECT_EQ(Show("CUPL_vector", cupl, TWaveRadix::Hex), "?");

    const TCompoundValue text =
        Elements(Cell(TSimpleValue::OfOrdinal('a')), Cell(TSimpleValue::OfOrdinal('b')),
                 Cell(TSimpleValue::OfOrdinal(10)), Cell(TSimpleValue::OfOrdinal(130)));
    EXPECT_EQ(Show("string", text, TWaveRadix::Default), "\"ab/010/130\"");

    Define("2$2$n$integer$b$std_logic$", "rec");
    const TCompoundValue record = Elements(Cell(TSimpleValue::OfOrdinal(5)), Cell(Logic('1')));
    EXPECT_EQ(Show("rec", record, TWaveRadix::Default), "{5, 1}");
    EXPECT_EQ(Type("rec").ValueText(record), "{5 1}");
    EXPECT_EQ(Type("rec").MaxTextWidth(0, 0), 2 + 1 + 11 + 1);

    Define("15$rec$", "ptr");
    TCompoundValue pointerValue =
        Elements(Cell(TSimpleValue::OfOrdinal(0)),
                 std::make_unique<TCompoundValue>(
                     Elements(Cell(TSimpleValue::OfOrdinal(5)), Cell(Logic('1')))));
    EXPECT_EQ(Show("ptr", pointerValue, TWaveRadix::Default), "{NULL}");
    pointerValue.Elements[0].Simple().Ordinal = 7;
    EXPECT_EQ(Show("ptr", pointerValue, TWaveRadix::Default), "{7, {5, 1}}");
    pointerValue.Empty = true;
    EXPECT_EQ(Show("ptr", pointerValue, TWaveRadix::Default), "");
}

TEST_F(CompoundValueText, ArrayShortTextsAndWidths) {
    Define("0$integer$0$2$None$", "ints");
    const TCompoundValue ints =
        Elements(Cell(TSimpleValue::OfOrdinal(1)), Cell(TSimpleValue::OfOrdinal(-2)),
                 Cell(TSimpleValue::OfOrdinal(3)));
    EXPECT_EQ(Type("ints").ValueText(ints), "{1 -2 3}");
    EXPECT_EQ(Type("ints").MaxTextWidth(0, 0), (11 + 1) * 3 + 1);
    EXPECT_EQ(Type("ints").FormatValue(ints, Format(TWaveRadix::Hex)), "{1, FFFFFFFE, 3}");

    EXPECT_EQ(Type("std_logic_vector").ValueText(Vector("10ZX")), "10ZX");
    EXPECT_EQ(Type("std_logic_vector").MaxTextWidth(7, 0), 8); // an open type: the given bounds
    Define("16$std_logic_vector$15$0$", "word");
    EXPECT_EQ(Type("word").MaxTextWidth(0, 0), 16); // a subtype: its own bounds
}

TEST_F(CompoundValueText, GroupsAndComparisons) {
    TGroupWaveType logicGroup(&Types);
    logicGroup.MemberTypes() = {&Type("std_logic"), &Type("bit"), &Type("std_logic")};
    EXPECT_EQ(logicGroup.FormatValue(Vector("110"), Format(TWaveRadix::Hex)), "6");
    EXPECT_EQ(logicGroup.FormatValue(Vector("110"), Format(TWaveRadix::Binary)), "110");

    TGroupWaveType mixed(&Types);
    mixed.MemberTypes() = {&Type("integer"), &Type("std_logic")};
    const TCompoundValue pair = Elements(Cell(TSimpleValue::OfOrdinal(12)), Cell(Logic('Z')));
    EXPECT_EQ(mixed.FormatValue(pair, Format(TWaveRadix::Hex)), "{C, Z}");

    TCompareWaveType compare(&Types);
    compare.MemberTypes() = {&Type("std_logic"), &Type("std_logic")};
    EXPECT_EQ(compare.FormatValue(Vector("11"), Format(TWaveRadix::Default)), "match");
    EXPECT_EQ(compare.FormatValue(Vector("10"), Format(TWaveRadix::Default)), "diff");
}

TEST_F(CompoundValueText, EqualityAndCloning) {
    const TWaveDataType& vector = Type("std_logic_vector");
    TCompoundValue a = Vector("10Z");
    EXPECT_TRUE(vector.ValuesEqual(a, Vector("10Z")));
    EXPECT_FALSE(vector.ValuesEqual(a, Vector("10X")));
    EXPECT_FALSE(vector.ValuesEqual(a, Vector("10")));
    TCompoundValue emptied = Vector("10Z");
    emptied.Empty = true;
    EXPECT_FALSE(vector.ValuesEqual(a, emptied));

    TValue clone = vector.CloneValue(emptied);
    ASSERT_TRUE(clone.IsCompound());
    EXPECT_TRUE(vector.ValuesEqual(clone, emptied));
    clone.Compound().Elements[0].Simple().Ordinal = Logic('0').Ordinal;
    EXPECT_EQ(emptied.Elements[0].Simple().Ordinal, Logic('1').Ordinal); // a copy, not a share
}

TEST_F(CompoundValueText, TypeTreeEntries) {
    Define("0$bit$0$7$None$", "byte");
    Define("16$std_logic_vector$7$0$", "word");
    Define("2$2$n$integer$w$word$", "rec");
    Define("15$missing$", "dangling");
    TTypeTreeNode root;
    auto texts = [](const TTypeTreeNode& node) {
        std::string all;
        auto walk = [&](auto& self, const TTypeTreeNode& n, int depth) -> void {
            all += std::string(static_cast<size_t>(depth), ' ') + n.Text + "\n";
            for (const auto& child : n.Children)
                self(self, *child, depth + 1);
        };
        walk(walk, node, 0);
        return all;
    };
    EXPECT_EQ(texts(*Type("byte").AddToTypeTree(root)),
              "byte\n array (0 to 7) of\n  bit\n   pre-defined type\n");
    EXPECT_EQ(texts(*Type("word").AddToTypeTree(root)),
              "word\n  is subtype (7 downto 0) of\n  std_logic_vector\n   open array of\n"
              "    std_logic\n     pre-defined type\n");
    EXPECT_EQ(texts(*Type("std_logic_vector").AddToTypeTree(root)),
              "std_logic_vector\n open array of\n  std_logic\n   pre-defined type\n");
    EXPECT_EQ(texts(*Type("rec").AddToTypeTree(root)).substr(0, 27),
              "rec\n record\n  n\n   integer\n");
    EXPECT_EQ(texts(*Type("dangling").AddToTypeTree(root)),
              "dangling\n access\n  missing : self-referential type\n");
    EXPECT_TRUE(root.Children.front()->Expanded);
    EXPECT_FALSE(root.Children.front()->Children.front()->Children.front()->Expanded);
}

TEST_F(CompoundValueText, DamagedBoundsAreRefused) {
    Define("0$bit$0$2000000000$None$", "huge");
    try {
        Type("huge").ElementTypes();
        ADD_FAILURE();
    } catch (const EWaveTypeLoaderException& e) {
        EXPECT_EQ(e.Message(), "Array range 0 to 2000000000 has too many elements");
    }
}
