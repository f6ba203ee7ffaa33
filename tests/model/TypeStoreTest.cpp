#include "model/types/Wavetype.h"

#include <gtest/gtest.h>

#include <typeinfo>

namespace {

// The message of the exception a description raises; empty when it raises none.
std::string ErrorOf(TWaveDataTypeStore& store, std::string_view description,
                    std::string_view name = "t") {
    try {
        store.AddFromDescription(description, name, -1);
    } catch (const Exception& e) {
        return e.Message();
    }
    return {};
}

std::vector<std::string> Names(const TWaveDataTypeStore& store) {
    std::vector<std::string> names;
    for (int32_t i = 0; i < store.Count(); ++i)
        names.push_back(store.Item(i)->Name());
    return names;
}

template <class T> T& As(TWaveDataType* type) {
    auto* t = dynamic_cast<T*>(type);
    if (t == nullptr)
        throw std::bad_cast();
    return *t;
}

} // namespace

TEST(TypeStore, HoldsTheSixteenPredefinedTypes) {
    TWaveDataTypeStore store;
    struct TExpected {
        const char* Name;
        int32_t Kind;
        const std::type_info& Class;
    };
    const TExpected expected[] = {
        {"integer", 8, typeid(TIntegerWaveType)},
        {"std_logic", 4, typeid(TStdLogicWaveType)},
        {"std_logic_vector", 10, typeid(TStdLogicVectorType)},
        {"std_ulogic", 4, typeid(TStdLogicWaveType)},
        {"CUPL", 9, typeid(TCUPLWaveType)},
        {"CUPL_vector", 12, typeid(TCUPLVectorType)},
        {"bit", 5, typeid(TBitWaveType)},
        {"bit_vector", 10, typeid(TStdLogicVectorType)},
        {"boolean", 3, typeid(TEnumWaveType)},
        {"character", 7, typeid(TCharacterWaveType)},
        {"string", 13, typeid(TStringWaveType)},
        {"severity_level", 3, typeid(TEnumWaveType)},
        {"file_open_status", 3, typeid(TEnumWaveType)},
        {"file_open_kind", 3, typeid(TEnumWaveType)},
        {"real", 6, typeid(TRealWaveType)},
        {"time", 14, typeid(TPhysicalWaveType)},
    };
    ASSERT_EQ(store.Count(), 16);
    for (int32_t i = 0; i < 16; ++i) {
        const TWaveDataType& type = *store.Item(i);
        EXPECT_EQ(type.Name(), expected[i].Name);
        EXPECT_EQ(type.UniqueID(), i + 1);
        EXPECT_EQ(type.KindCode(), expected[i].Kind) << type.Name();
        EXPECT_EQ(typeid(type), expected[i].Class) << type.Name();
        EXPECT_TRUE(type.Predefined());
        EXPECT_EQ(type.Store(), &store);
        EXPECT_EQ(store.FindByUID(i + 1), &type);
    }
    EXPECT_EQ(store.PredefinedCount(), 16);
    EXPECT_TRUE(store.Sorted());
    EXPECT_EQ(store.IdAllocator().Count(), 16);
    EXPECT_EQ(store.IdAllocator().AllocateLow(), 100);
}

TEST(TypeStore, PredefinedVectorsAndEnumerations) {
    TWaveDataTypeStore store;
    EXPECT_EQ(As<TStdLogicVectorType>(store.FindByName("std_logic_vector")).Element(),
              store.FindByName("std_logic"));
    EXPECT_EQ(As<TStdLogicVectorType>(store.FindByName("bit_vector")).Element(),
              store.FindByName("bit"));
    EXPECT_EQ(As<TCUPLVectorType>(store.FindByName("CUPL_vector")).Element(),
              store.FindByName("CUPL"));
    EXPECT_EQ(As<TStringWaveType>(store.FindByName("string")).Element(),
              store.FindByName("character"));
    EXPECT_EQ(As<TStringWaveType>(store.FindByName("string")).IndexType(), nullptr);
    EXPECT_EQ(store.FindByName("severity_level")->GetFullDescription(),
              "3$4$note$warning$error$failure$");
    EXPECT_EQ(store.FindByName("file_open_status")->GetFullDescription(),
              "3$4$open_ok$status_error$name_error$mode_error$");
    EXPECT_EQ(store.FindByName("file_open_kind")->GetFullDescription(),
              "3$3$read_mode$write_mode$append_mode$");
    EXPECT_EQ(store.FindByName("std_logic_vector")->GetFullDescription(), "10$std_logic$None$");
}

TEST(TypeStore, FindsByExactNameAndIdentifier) {
    TWaveDataTypeStore store;
    EXPECT_EQ(store.FindByName("Integer"), nullptr);
    EXPECT_EQ(store.FindByName("integer "), nullptr);
    EXPECT_EQ(store.FindByName(""), nullptr);
    EXPECT_EQ(store.FindByUID(17), nullptr);
    store.AddFromDescription("3$1$a$", "integer", 500); // a second "integer": the first wins
    EXPECT_EQ(store.FindByName("integer")->UniqueID(), 1);
    EXPECT_EQ(store.FindByUID(500)->KindCode(), 3);
}

TEST(TypeStore, NamesAreShortStrings) {
    TWaveDataTypeStore store;
    const std::string longName(300, 'n');
    store.AddFromDescription("4$", longName, -1);
    EXPECT_EQ(store.Item(16)->Name(), longName.substr(0, 255));
    EXPECT_EQ(store.FindByName(longName), store.Item(16));
}

TEST(TypeStore, EnumerationByKeywordOrCode) {
    TWaveDataTypeStore store;
    store.AddFromDescription("Enum$3$red$green$blue$", "colour", -1);
    store.AddFromDescription("3$3$red$green$blue$", "colour2", -1);
    for (const char* name : {"colour", "colour2"}) {
        auto& type = As<TEnumWaveType>(store.FindByName(name));
        EXPECT_EQ(type.Literals().Count(), 3);
        EXPECT_EQ(type.Literals()[2], "blue");
        EXPECT_EQ(type.MaxLiteralLength(), 5);
        EXPECT_EQ(type.GetFullDescription(), "3$3$red$green$blue$");
    }
    store.AddFromDescription("3$2000000000$x$y$", "short", -1);
    EXPECT_EQ(store.FindByName("short")->GetFullDescription(), "3$2$x$y$");
    EXPECT_EQ(store.FindByName("colour")->UniqueID(), 100);
    EXPECT_EQ(store.FindByName("colour2")->UniqueID(), 101);
    EXPECT_FALSE(store.Sorted());
}

TEST(TypeStore, GivenIdentifiersAreUsedAsTheyAre) {
    TWaveDataTypeStore store;
    store.AddFromDescription("6$", "r", 250);
    EXPECT_EQ(store.FindByName("r")->UniqueID(), 250);
    EXPECT_EQ(store.IdAllocator().AllocateLow(), 100);
}

TEST(TypeStore, SimpleKindsIgnoreTheirRest) {
    TWaveDataTypeStore store;
    const std::pair<const char*, const std::type_info&> cases[] = {
        {"4$junk$", typeid(TStdLogicWaveType)}, {"5$", typeid(TBitWaveType)},
        {"6$", typeid(TRealWaveType)},          {"8$1$2$", typeid(TIntegerWaveType)},
        {"9$$", typeid(TCUPLWaveType)},         {"7$whatever$", typeid(TCharacterWaveType)},
    };
    for (const auto& [description, cls] : cases) {
        ASSERT_EQ(ErrorOf(store, description), "") << description;
        TWaveDataType& type = *store.Item(store.Count() - 1);
        EXPECT_EQ(typeid(type), cls) << description;
        EXPECT_EQ(type.GetDescription(), "");
    }
    EXPECT_EQ(As<TCharacterWaveType>(store.Item(store.Count() - 1)).Literals().Count(), 256);
}

TEST(TypeStore, VectorKindElevenReadsAsTen) {
    TWaveDataTypeStore store;
    store.AddFromDescription("11$std_logic$None$", "v", -1);
    TWaveDataType* type = store.FindByName("v");
    EXPECT_EQ(typeid(*type), typeid(TStdLogicVectorType));
    EXPECT_EQ(type->KindCode(), 10);
    EXPECT_EQ(As<TStdLogicVectorType>(type).Element(), store.FindByName("std_logic"));
    EXPECT_EQ(type->GetFullDescription(), "10$std_logic$None$");
}

struct TErrorCase {
    const char* Description;
    const char* Message;
};

TEST(TypeStore, DescriptionErrorsCarryTheSystemMessages) {
    TWaveDataTypeStore store;
    const TErrorCase cases[] = {
        {"10$", "Type  not found"},
        {"Pointer$x$", "Type description Pointer does not exist"},
        {"17$", "Type description 17 does not exist"},
        {"-1$", "Type description -1 does not exist"},
        {"array$bit$0$3$None$", "Type description array does not exist"},
        {"", "Type description  does not exist"},
        {"0$nosuch$0$3$None$", "Type nosuch not found"},
        {"0$bit$0$3$integer$",
         "Type integer needs to be an enumerated type to act as an array index"},
        {"0$bit$0$3$nosuch$", "Type nosuch not found"},
        {"0$bit$0$3$", "Type  not found"},
        {"0$bit$x$3$None$", "'x' is not a valid integer value"},
        {"0$bit$0$", "'' is not a valid integer value"},
        {"1$std_logic$real$", "Type real needs to be an enumerated type to act as an array index"},
        {"6", "Type description  does not exist"},
        {"2$1$f$nosuch$", "Type nosuch not found"},
        {"2$two$", "'two' is not a valid integer value"},
        {"3$many$", "'many' is not a valid integer value"},
        {"14$1$u$one$ $", "'one' is not a valid integer value"},
        {"16$nosuch$7$0$", "Type nosuch not found"},
        {"SubType_ArrayConstraint$std_logic_vector$7$", "'' is not a valid integer value"},
        {"16$integer$7$0$", "Type integer is not an unconstrained array type"},
        {"0$std_logic_vector$7$None$", "'None' is not a valid integer value"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf(store, c.Description), c.Message) << c.Description;
    EXPECT_EQ(store.Count(), 16); // no failing type was added
}

TEST(TypeStore, ErrorsRaiseTheirClasses) {
    TWaveDataTypeStore store;
    EXPECT_THROW(store.AddFromDescription("Pointer$", "p", -1), EWaveTypeLoaderException);
    EXPECT_THROW(store.AddFromDescription("0$nosuch$", "p", -1), EWaveTypeLoaderException);
    EXPECT_THROW(store.AddFromDescription("3$x$", "p", -1), EConvertError);
}

TEST(TypeStore, TypesBeforeAFailingOneStay) {
    TWaveDataTypeStore store;
    store.AddFromDescription("3$2$a$b$", "e", -1);
    EXPECT_THROW(store.AddFromDescription("0$e$0$x$None$", "bad", -1), EConvertError);
    store.AddFromDescription("0$bit$0$3$e$", "good", -1);
    EXPECT_EQ(Names(store).back(), "good");
    EXPECT_EQ(store.Count(), 18);
    EXPECT_EQ(store.FindByName("bad"), nullptr);
    EXPECT_EQ(store.FindByName("good")->UniqueID(), 102); // the failed one used 101
}

TEST(TypeStore, ArrayDescription) {
    TWaveDataTypeStore store;
    store.AddFromDescription("3$2$lo$hi$", "idx", -1);
    store.AddFromDescription("Array$bit$0$3$None$", "nibble", -1);
    store.AddFromDescription("0$integer$7$0$idx$", "regs", -1);
    auto& nibble = As<TBasicArrayWaveType>(store.FindByName("nibble"));
    EXPECT_EQ(nibble.Element(), store.FindByName("bit"));
    EXPECT_EQ(nibble.LeftBound(), 0);
    EXPECT_EQ(nibble.RightBound(), 3);
    EXPECT_EQ(nibble.IndexType(), nullptr);
    EXPECT_EQ(nibble.ElementTypes().size(), 4u);
    EXPECT_EQ(nibble.GetFullDescription(), "0$bit$0$3$None$");
    auto& regs = As<TBasicArrayWaveType>(store.FindByName("regs"));
    EXPECT_EQ(regs.IndexType(), store.FindByName("idx"));
    EXPECT_EQ(regs.ElementTypes().size(), 8u);
    EXPECT_EQ(regs.GetFullDescription(), "0$integer$7$0$idx$");
    EXPECT_TRUE(regs.IsConstrainedArray());
    EXPECT_TRUE(regs.IsCompound());
    EXPECT_FALSE(regs.IsOpen());
}

TEST(TypeStore, OpenElementTypesGetConstrainedCopies) {
    TWaveDataTypeStore store;
    store.AddFromDescription("0$std_logic_vector$7$0$0$3$None$", "bytes", -1);
    auto& bytes = As<TBasicArrayWaveType>(store.FindByName("bytes"));
    auto& element = As<TStdLogicVectorType>(bytes.Element());
    EXPECT_NE(&element, store.FindByName("std_logic_vector"));
    EXPECT_TRUE(element.Constrained());
    EXPECT_FALSE(element.IsSubtype());
    EXPECT_EQ(element.Name(), "std_logic_vector");
    EXPECT_EQ(element.UniqueID(), 3);
    EXPECT_EQ(element.Element(), store.FindByName("std_logic"));
    EXPECT_EQ(element.ElementTypes().size(), 8u);
    EXPECT_EQ(store.AnonymousTypes().size(), 1u);
    EXPECT_EQ(store.FindByName("std_logic_vector")->ElementTypes().size(), 1u);
    EXPECT_EQ(bytes.GetFullDescription(), "0$std_logic_vector$7$0$0$3$None$");
}

TEST(TypeStore, UnconstrainedDescription) {
    TWaveDataTypeStore store;
    store.AddFromDescription("Unconstrained$integer$None$", "ints", -1);
    store.AddFromDescription("1$ints$3$0$None$", "table", -1);
    store.AddFromDescription("12$CUPL$None$", "cv", -1);
    store.AddFromDescription("13$character$None$", "text", -1);
    auto& ints = As<TBasicUnconstrainedWaveType>(store.FindByName("ints"));
    EXPECT_EQ(ints.KindCode(), 1);
    EXPECT_TRUE(ints.IsOpen());
    EXPECT_TRUE(ints.IsUnconstrainedArray());
    EXPECT_EQ(ints.ElementTypes().size(), 1u);
    EXPECT_EQ(store.FindByName("table")->GetFullDescription(), "1$ints$3$0$None$");
    EXPECT_EQ(typeid(*store.FindByName("cv")), typeid(TCUPLVectorType));
    EXPECT_EQ(typeid(*store.FindByName("text")), typeid(TStringWaveType));
    EXPECT_EQ(store.FindByName("text")->GetFullDescription(), "13$character$None$");
}

TEST(TypeStore, NamedSubtype) {
    TWaveDataTypeStore store;
    store.AddFromDescription("16$std_logic_vector$7$0$", "byte", -1);
    store.AddFromDescription("SubType_ArrayConstraint$bit_vector$0$3$", "nibble", 300);
    auto& byte = As<TStdLogicVectorType>(store.FindByName("byte"));
    EXPECT_EQ(byte.KindCode(), 16);
    EXPECT_EQ(byte.UniqueID(), 100);
    EXPECT_EQ(byte.BaseTypeName(), "std_logic_vector");
    EXPECT_EQ(byte.Element(), store.FindByName("std_logic"));
    EXPECT_TRUE(byte.Constrained());
    EXPECT_TRUE(byte.IsSubtype());
    EXPECT_FALSE(byte.IsOpen());
    EXPECT_EQ(byte.LeftBound(), 7);
    EXPECT_EQ(byte.RightBound(), 0);
    EXPECT_EQ(byte.ElementTypes().size(), 8u);
    EXPECT_EQ(byte.GetFullDescription(), "16$std_logic_vector$7$0$");
    EXPECT_EQ(byte.ReferencedTypes(),
              std::vector<TWaveDataType*>{store.FindByName("std_logic_vector")});
    auto& nibble = As<TStdLogicVectorType>(store.FindByName("nibble"));
    EXPECT_EQ(nibble.UniqueID(), 300);
    EXPECT_EQ(nibble.Element(), store.FindByName("bit"));
    // A subtype is not open: it is named without bounds as an element.
    store.AddFromDescription("0$byte$0$1$None$", "word", -1);
    EXPECT_EQ(As<TBasicArrayWaveType>(store.FindByName("word")).Element(), &byte);
}

TEST(TypeStore, RecordDescription) {
    TWaveDataTypeStore store;
    store.AddFromDescription("Record$3$a$integer$b$std_logic_vector$3$0$c$boolean$", "rec", -1);
    auto& rec = As<TBasicRecordWaveType>(store.FindByName("rec"));
    EXPECT_EQ(rec.FieldNames(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(rec.FieldTypes()[0], store.FindByName("integer"));
    EXPECT_EQ(As<TStdLogicVectorType>(rec.FieldTypes()[1]).LeftBound(), 3);
    EXPECT_EQ(rec.ElementType(2), store.FindByName("boolean"));
    EXPECT_EQ(rec.ElementType(3), nullptr);
    EXPECT_EQ(rec.ElementTypes().size(), 3u);
    EXPECT_TRUE(rec.IsRecord());
    EXPECT_EQ(rec.GetFullDescription(), "2$3$a$integer$b$std_logic_vector$3$0$c$boolean$");
    store.AddFromDescription("2$0$", "none", -1);
    store.AddFromDescription("2$-3$", "negative", -1);
    EXPECT_EQ(store.FindByName("negative")->GetFullDescription(), "2$0$");
}

TEST(TypeStore, PhysicalDescription) {
    TWaveDataTypeStore store;
    store.AddFromDescription("14$3$ohm$1$ $kohm$1000$ohm$Mohm$1000$kohm$", "resistance", -1);
    auto& type = As<TPhysicalWaveType>(store.FindByName("resistance"));
    ASSERT_EQ(type.Units().size(), 3u);
    EXPECT_EQ(type.Units()[2].Name, "Mohm");
    EXPECT_EQ(type.Units()[2].Multiplier, 1000);
    EXPECT_EQ(type.Units()[2].BaseUnit, 1);
    EXPECT_EQ(type.GetFullDescription(), "14$3$ohm$1$ $kohm$1000$ohm$Mohm$1000$kohm$");
    store.AddFromDescription("14$0$", "empty", -1);
    EXPECT_TRUE(As<TPhysicalWaveType>(store.FindByName("empty")).Units().empty());
}

TEST(TypeStore, AccessToAKnownType) {
    TWaveDataTypeStore store;
    store.AddFromDescription("15$integer$", "int_ptr", -1);
    auto& access = As<TAccessWaveType>(store.FindByName("int_ptr"));
    EXPECT_TRUE(access.IsAccess());
    EXPECT_TRUE(access.Resolved());
    EXPECT_EQ(access.FieldNames(), (std::vector<std::string>{"pointer", "value"}));
    EXPECT_EQ(access.FieldTypes()[1], store.FindByName("integer"));
    EXPECT_EQ(access.ReferencedTypes(), std::vector<TWaveDataType*>{store.FindByName("integer")});
    EXPECT_EQ(access.GetFullDescription(), "15$integer$");
    EXPECT_TRUE(store.PendingAccessTypes().empty());
}

TEST(TypeStore, AccessToAnOpenArrayGetsAHolder) {
    TWaveDataTypeStore store;
    store.AddFromDescription("15$string$", "line", -1);
    EXPECT_EQ(store.PredefinedCount(), 17);
    auto* holder = dynamic_cast<TUncAccessHolderType*>(store.FindByName("access to string"));
    ASSERT_NE(holder, nullptr);
    EXPECT_TRUE(holder->Predefined());
    EXPECT_TRUE(holder->IsAccessHolder());
    EXPECT_EQ(&holder->HeldType(), store.FindByName("string"));
    EXPECT_TRUE(holder->ElementTypes().empty());
    auto& line = As<TAccessWaveType>(store.FindByName("line"));
    EXPECT_EQ(line.FieldTypes()[1], holder);
    EXPECT_EQ(line.GetFullDescription(), "15$string$");
}

TEST(TypeStore, PendingAccessTypesResolveLater) {
    TWaveDataTypeStore store;
    store.AddFromDescription("15$later$", "later_ptr", -1);
    auto& access = As<TAccessWaveType>(store.FindByName("later_ptr"));
    EXPECT_FALSE(access.Resolved());
    EXPECT_EQ(access.FieldCount(), 1);
    EXPECT_EQ(access.GetFullDescription(), "15$later$");
    ASSERT_EQ(store.PendingAccessTypes().size(), 1u);
    store.AddFromDescription("3$2$x$y$", "later", -1);
    store.ResolveAccessTypes();
    EXPECT_TRUE(store.PendingAccessTypes().empty());
    EXPECT_TRUE(access.Resolved());
    EXPECT_EQ(access.FieldTypes()[1], store.FindByName("later"));
}

TEST(TypeStore, MissingDesignatedTypesStayUnresolved) {
    TWaveDataTypeStore store;
    store.AddFromDescription("15$nowhere$", "p", -1);
    store.ResolveAccessTypes();
    auto& access = As<TAccessWaveType>(store.FindByName("p"));
    EXPECT_FALSE(access.Resolved());
    EXPECT_EQ(access.FieldCount(), 1);
    EXPECT_TRUE(store.PendingAccessTypes().empty());
}

TEST(TypeStore, SelfReferentialRecordsStopAtAnUnresolvedCopy) {
    TWaveDataTypeStore store;
    store.AddFromDescription("15$node$", "node_ptr", -1);
    store.AddFromDescription("2$2$data$integer$next$node_ptr$", "node", -1);
    store.ResolveAccessTypes();
    auto& access = As<TAccessWaveType>(store.FindByName("node_ptr"));
    auto& node = As<TBasicRecordWaveType>(store.FindByName("node"));
    ASSERT_TRUE(access.Resolved());
    EXPECT_EQ(access.FieldTypes()[1], &node);
    auto& copy = As<TAccessWaveType>(node.FieldTypes()[1]);
    EXPECT_NE(&copy, &access);
    EXPECT_FALSE(copy.Resolved());
    EXPECT_EQ(copy.FieldNames(), std::vector<std::string>{"pointer"});
    EXPECT_EQ(copy.Name(), "node_ptr");
    EXPECT_EQ(copy.UniqueID(), access.UniqueID());
    EXPECT_EQ(copy.DesignatedName(), "node");
    EXPECT_EQ(store.FindByName("node_ptr"), &access);
}

TEST(TypeStore, SortByDependencyPutsReferencedTypesFirst) {
    TWaveDataTypeStore store;
    store.AddFromDescription("3$2$a$b$", "e", -1);
    store.AddFromDescription("0$e$0$1$None$", "arr", -1);
    store.AddFromDescription("2$2$f1$arr$f2$e$", "rec", -1);
    store.SortByDependency();
    auto pos = [&](const char* name) { return store.IndexOf(store.FindByName(name)); };
    EXPECT_LT(pos("e"), pos("arr"));
    EXPECT_LT(pos("arr"), pos("rec"));
    EXPECT_TRUE(store.Sorted());
    EXPECT_EQ(store.Count(), 19);
}

TEST(TypeStore, SortByDependencyReordersLateDefinitions) {
    // Types defined through the host may refer to types added after them.
    TWaveDataTypeStore store;
    IWaveDataType* rec = store.CreateForHost("rec", 2);
    IWaveDataType* arr = store.CreateForHost("arr", 0);
    IWaveDataType* e = store.CreateForHost("e", 3);
    ASSERT_TRUE(rec && arr && e);
    e->AddLiteral("a");
    e->AddLiteral("b");
    arr->SetElementType("e");
    arr->SetRightBound(3);
    rec->AddField("arr", "f1");
    rec->AddField("e", "f2");
    EXPECT_EQ(Names(store).back(), "e");
    store.SortByDependency();
    const auto names = Names(store);
    EXPECT_EQ(std::vector<std::string>(names.end() - 3, names.end()),
              (std::vector<std::string>{"e", "arr", "rec"}));
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 3),
              (std::vector<std::string>{"integer", "std_logic", "std_logic_vector"}));
}

TEST(TypeStore, SortByDependencyFollowsConstrainedCopiesToTheirSource) {
    TWaveDataTypeStore store;
    IWaveDataType* arr = store.CreateForHost("arr", 0);
    IWaveDataType* open = store.CreateForHost("open", 1);
    open->SetElementType("bit");
    arr->SetConstrainedElementType("open", 3, 0);
    store.SortByDependency();
    const auto names = Names(store);
    EXPECT_EQ(std::vector<std::string>(names.end() - 2, names.end()),
              (std::vector<std::string>{"open", "arr"}));
}

TEST(TypeStore, CreateOfKind) {
    TWaveDataTypeStore store;
    for (int32_t kind = 0; kind <= 15; ++kind) {
        auto type = store.CreateOfKind(kind, "");
        ASSERT_NE(type, nullptr) << kind;
        EXPECT_EQ(type->KindCode(), kind == 11 ? 10 : kind);
        EXPECT_EQ(type->Name(), "");
        EXPECT_EQ(type->Store(), &store);
    }
    EXPECT_EQ(store.CreateOfKind(17, ""), nullptr);
    EXPECT_EQ(store.CreateOfKind(-1, ""), nullptr);
    EXPECT_EQ(store.CreateOfKind(16, "nosuch"), nullptr);
    EXPECT_EQ(store.CreateOfKind(16, "integer"), nullptr);
    auto subtype = store.CreateOfKind(16, "bit_vector");
    ASSERT_NE(subtype, nullptr);
    auto& s = As<TStdLogicVectorType>(subtype.get());
    EXPECT_EQ(s.KindCode(), 16);
    EXPECT_EQ(s.BaseTypeName(), "bit_vector");
    EXPECT_EQ(s.Element(), store.FindByName("bit"));
    EXPECT_TRUE(s.Constrained());
    EXPECT_EQ(store.Count(), 16); // the caller adds it
    store.Add(std::move(subtype));
    EXPECT_EQ(store.Count(), 17);
    EXPECT_FALSE(store.Sorted());
}

TEST(TypeStore, CreateForHost) {
    TWaveDataTypeStore store;
    EXPECT_EQ(store.CreateForHost("", 3), nullptr);
    EXPECT_EQ(store.CreateForHost(nullptr, 3), nullptr);
    EXPECT_EQ(store.CreateForHost("x", 17), nullptr);
    EXPECT_EQ(store.CreateForHost("x", 16), nullptr);
    EXPECT_EQ(store.CreateForHost("x", -1), nullptr);
    EXPECT_EQ(store.Count(), 16);
    EXPECT_TRUE(store.Sorted());
    IWaveDataType* e = store.CreateForHost("colour", 3);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->AddRef(), -1);
    EXPECT_EQ(e->Release(), -1);
    IWaveDataType* same = QueryInterfaceOf<IWaveDataType>(e);
    EXPECT_EQ(same, e);
    EXPECT_EQ(e->AddLiteral("red"), S_OK);
    auto& type = As<TEnumWaveType>(store.FindByName("colour"));
    EXPECT_EQ(static_cast<IWaveDataType*>(&type), e);
    EXPECT_EQ(type.UniqueID(), 100);
    EXPECT_EQ(type.Literals().Count(), 1);
    EXPECT_FALSE(store.Sorted());
}

TEST(TypeStore, HostDefinedArraysRecordsAndAccess) {
    TWaveDataTypeStore store;
    IWaveDataType* vec = store.CreateForHost("vec", 1);
    vec->SetElementType("std_logic");
    IWaveDataType* word = store.CreateForHost("word", 1);
    word->SetElementType("bit");
    word->SetLeftBound(15);
    word->SetRightBound(0);
    IWaveDataType* rec = store.CreateForHost("rec", 2);
    EXPECT_EQ(rec->AddField("nosuch", "x"), S_OK);
    rec->AddConstrainedField("vec", "v", 3, 0);
    rec->AddField("word", "w");
    IWaveDataType* ptr = store.CreateForHost("ptr", 15);
    ptr->SetDesignatedType("rec");
    EXPECT_EQ(store.FindByName("vec")->GetFullDescription(), "1$std_logic$None$");
    EXPECT_EQ(store.FindByName("word")->GetFullDescription(), "16$word$15$0$");
    EXPECT_EQ(store.FindByName("rec")->GetFullDescription(), "2$2$v$vec$3$0$w$word$");
    EXPECT_EQ(store.FindByName("ptr")->GetFullDescription(), "15$rec$");
    EXPECT_TRUE(As<TAccessWaveType>(store.FindByName("ptr")).Resolved());
}

TEST(TypeStore, ClearFreesEverything) {
    TWaveDataTypeStore store;
    store.AddFromDescription("0$std_logic_vector$7$0$0$3$None$", "bytes", -1);
    store.AddFromDescription("15$nowhere$", "p", -1);
    store.Clear();
    EXPECT_EQ(store.Count(), 0);
    EXPECT_TRUE(store.AnonymousTypes().empty());
    EXPECT_TRUE(store.PendingAccessTypes().empty());
    EXPECT_EQ(store.IdAllocator().Count(), 0);
    EXPECT_EQ(store.FindByName("integer"), nullptr);
    store.ResolveAccessTypes(); // nothing left to resolve
}

TEST(TypeStore, RowColoursOfTheCompoundTypes) {
    TWaveDataTypeStore store;
    auto colour = [](const TWaveDataType& type) {
        TRowFormat format;
        format.FontColor = 0x010203;
        format.Radix = TWaveRadix::Hex;
        type.InitRowOptions(format);
        EXPECT_EQ(format.Radix, TWaveRadix::Default);
        return format.FontColor;
    };
    EXPECT_EQ(colour(*store.FindByName("std_logic_vector")), 0x00800000u);
    EXPECT_EQ(colour(*store.FindByName("bit_vector")), 0x00800000u);
    EXPECT_EQ(colour(*store.FindByName("CUPL_vector")), 0x00008000u);
    EXPECT_EQ(colour(*store.FindByName("string")), 0x010203u);
    EXPECT_EQ(colour(TGroupWaveType(&store)), 0x00FF00FFu);
    EXPECT_EQ(colour(TCompareWaveType(&store)), 0x000000FFu);
    EXPECT_EQ(TGroupWaveType(&store).Name(), "group");
    EXPECT_TRUE(TCompareWaveType(&store).IsCompare());
}

TEST(TypeStore, ArrayInterfaceMethods) {
    TWaveDataTypeStore store;
    IWaveDataType* arr = store.CreateForHost("arr", 0);
    auto& array = As<TBasicArrayWaveType>(store.FindByName("arr"));
    EXPECT_EQ(arr->SetElementType("bit"), S_OK);
    EXPECT_EQ(array.Element(), store.FindByName("bit"));
    EXPECT_EQ(arr->SetConstrainedElementType("nosuch", 1, 0), S_OK);
    EXPECT_EQ(array.Element(), store.FindByName("bit")); // unknown: unchanged
    EXPECT_EQ(arr->SetConstrainedElementType("integer", 1, 0), S_OK);
    EXPECT_EQ(array.Element(), store.FindByName("integer")); // not an array: itself
    EXPECT_EQ(arr->SetConstrainedElementType("bit_vector", 1, 0), S_OK);
    auto& copy = As<TStdLogicVectorType>(array.Element());
    EXPECT_EQ(copy.LeftBound(), 1);
    EXPECT_TRUE(copy.Constrained());
    EXPECT_EQ(arr->SetElementType("nosuch"), S_OK);
    EXPECT_EQ(array.Element(), nullptr); // SetElementType takes what the lookup gives
    arr->SetLeftBound(-2);
    arr->SetRightBound(2);
    EXPECT_EQ(array.ElementTypes().size(), 5u);
    EXPECT_EQ(array.GetFullDescription(), "0$$-2$2$None$");
}

TEST(TypeStore, SubtypesOfThePredefinedVectorsKeepTheirClass) {
    TWaveDataTypeStore store;
    store.AddFromDescription("16$CUPL_vector$0$7$", "cbyte", -1);
    store.AddFromDescription("16$string$1$10$", "name10", -1);
    EXPECT_EQ(typeid(*store.FindByName("cbyte")), typeid(TCUPLVectorType));
    EXPECT_EQ(store.FindByName("cbyte")->GetFullDescription(), "16$CUPL_vector$0$7$");
    EXPECT_EQ(typeid(*store.FindByName("name10")), typeid(TStringWaveType));
    EXPECT_EQ(store.FindByName("name10")->ElementTypes().size(), 10u);
}

TEST(TypeStore, AccessCyclesThroughSeveralTypes) {
    TWaveDataTypeStore store;
    store.AddFromDescription("15$outer$", "outer_ptr", -1);
    store.AddFromDescription("2$1$back$outer_ptr$", "inner", -1);
    store.AddFromDescription("2$2$in$inner$n$integer$", "outer", -1);
    store.ResolveAccessTypes();
    auto& access = As<TAccessWaveType>(store.FindByName("outer_ptr"));
    auto& inner = As<TBasicRecordWaveType>(store.FindByName("inner"));
    EXPECT_EQ(access.FieldTypes()[1], store.FindByName("outer"));
    auto& copy = As<TAccessWaveType>(inner.FieldTypes()[0]);
    EXPECT_NE(&copy, &access);
    EXPECT_FALSE(copy.Resolved());
    store.SortByDependency();
    EXPECT_LT(store.IndexOf(&inner), store.IndexOf(store.FindByName("outer")));
}
