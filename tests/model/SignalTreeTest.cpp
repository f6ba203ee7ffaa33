#include "SignalTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class SignalTree : public ::testing::Test {
protected:
    TSignalTestBench Bench;
    TSignalDataStore& Store() { return Bench.Document.SignalStore(); }
    TWaveDataType& Define(std::string_view description, std::string_view name) {
        Bench.Types.AddFromDescription(description, name, -1);
        return Bench.Type(name);
    }
};

std::vector<std::string> ChildNames(const TSignalNode& node) {
    std::vector<std::string> names;
    for (int32_t i = 0; i < node.ChildCount(); ++i)
        names.push_back(node.Child(i)->Name());
    return names;
}

} // namespace

TEST_F(SignalTree, ArraysGetOneChildPerElement) {
    Define("0$bit$7$0$None$", "down");
    Define("0$bit$0$3$None$", "up");
    auto down = Bench.Create("down", "d");
    EXPECT_EQ(ChildNames(*down),
              (std::vector<std::string>{"[7]", "[6]", "[5]", "[4]", "[3]", "[2]", "[1]", "[0]"}));
    EXPECT_EQ(down->LeftBound(), 7);
    auto up = Bench.Create("up", "u");
    EXPECT_EQ(ChildNames(*up), (std::vector<std::string>{"[0]", "[1]", "[2]", "[3]"}));
    for (int32_t i = 0; i < up->ChildCount(); ++i) {
        const auto& child = static_cast<const TSignalSimple&>(*up->Child(i));
        ASSERT_EQ(child.EventCount(), 1);
        EXPECT_EQ(child.Events()[0].Time(), 0);
        EXPECT_EQ(child.Events()[0].Value.Ordinal, 2); // bit 0
        EXPECT_EQ(child.Parent(), up.get());
    }
    // An open array takes the bounds given; a subtype its own.
    auto open = Bench.Create("std_logic_vector", "o", 1, 2);
    EXPECT_EQ(ChildNames(*open), (std::vector<std::string>{"[1]", "[2]"}));
    EXPECT_EQ(static_cast<TSignalSimple&>(*open->Child(0)).Events()[0].Value.Ordinal, 0); // U
}

TEST_F(SignalTree, FullNamesAndLookups) {
    Define("16$std_logic_vector$7$0$", "byte");
    Define("2$2$data$std_logic_vector$7$0$flag$boolean$", "frame");
    Store().Add(Bench.Create("std_logic", "clk"));
    TSignalNode* d = Store().Add(Bench.Create("byte", "d"));
    TSignalNode* bus = Store().Add(Bench.Create("frame", "bus"));

    EXPECT_EQ(d->Child(4)->FullName(), "d[3]");
    EXPECT_EQ(Store().FindByPath("  D[3] "), d->Child(4));
    EXPECT_EQ(Store().FindByPath("clk")->FullName(), "clk");
    ASSERT_EQ(bus->ChildCount(), 2);
    EXPECT_EQ(bus->Child(0)->ChildCount(), 8); // the field's anonymous constrained copy
    EXPECT_EQ(Store().FindByPath("BUS.DATA[3]")->FullName(), "bus.data[3]");
    EXPECT_EQ(bus->FindByPath("bus.flag"), bus->Child(1));
    EXPECT_EQ(Store().FindByPath("bus.data[8]"), nullptr);
    EXPECT_EQ(Store().FindByUID(d->Child(2)->UniqueID()), d->Child(2));
    EXPECT_EQ(Store().FindByUID(-5), nullptr);

    // Renaming and new identities keep the lookups current, for the whole subtree.
    d->SetName("q");
    EXPECT_EQ(Store().FindByPath("d[3]"), nullptr);
    EXPECT_EQ(Store().FindByPath("q[3]"), d->Child(4));
    const int32_t old = d->UniqueID();
    d->AssignNewIdentity(&Bench.Document);
    EXPECT_EQ(Store().FindByUID(old), nullptr);
    EXPECT_EQ(Store().FindByUID(d->UniqueID()), d);

    // The first in store order wins among equal names.
    TSignalNode* second = Store().Add(Bench.Create("std_logic", "CLK"));
    EXPECT_NE(Store().FindByPath("clk"), second);
    std::unique_ptr<TSignalNode> first = Store().Extract(Store().FindByPath("clk"));
    ASSERT_TRUE(first);
    EXPECT_EQ(Store().FindByPath("clk"), second);
    EXPECT_EQ(Store().Extract(first.get()), nullptr);
    Store().Clear();
    EXPECT_EQ(Store().Count(), 0);
    EXPECT_FALSE(Store().HasPath("q"));
}

TEST_F(SignalTree, NamesAreMadeUnique) {
    Store().Add(Bench.Create("std_logic", "a"));
    Store().Add(Bench.Create("std_logic", "a(1)"));
    auto added = Bench.Create("std_logic", "A");
    added->MakeNameUnique(Bench.Document);
    EXPECT_EQ(added->Name(), "A(2)");
    auto fresh = Bench.Create("std_logic", "b");
    fresh->MakeNameUnique(Bench.Document);
    EXPECT_EQ(fresh->Name(), "b");
}

TEST_F(SignalTree, NewIdentities) {
    auto compound = std::make_unique<TSignalCompound>(&Bench.Document);
    compound->AssignNewIdentity(&Bench.Document);
    EXPECT_EQ(compound->UniqueID(), 2147483647);
    EXPECT_EQ(compound->Name(), "New Signal 2147483647");
    auto simple = std::make_unique<TSignalSimple>(&Bench.Document);
    simple->AssignNewIdentity(&Bench.Document);
    EXPECT_EQ(simple->UniqueID(), 100);
    simple->AssignNewIdentity(&Bench.Document);
    EXPECT_EQ(simple->UniqueID(), 101);
    EXPECT_EQ(simple->Name(), "New Signal 100"); // a name stays
}

TEST_F(SignalTree, ClonesAreDeepCopiesWithNewIdentities) {
    Define("2$2$v$std_logic_vector$1$0$n$integer$", "pair");
    TSignalNode* source = Store().Add(Bench.Create("pair", "p"));
    auto& leaf = static_cast<TSignalSimple&>(*source->Child(0)->Child(1));
    leaf.SetValueAt(0, Logic('1'), 10);
    std::vector<int32_t> sourceIds;
    auto collect = [](auto& self, const TSignalNode& node, std::vector<int32_t>& ids) -> void {
        ids.push_back(node.UniqueID());
        for (int32_t i = 0; i < node.ChildCount(); ++i)
            self(self, *node.Child(i), ids);
    };
    collect(collect, *source, sourceIds);

    std::unique_ptr<TSignalNode> clone = source->Clone(&Bench.Document);
    std::vector<int32_t> cloneIds;
    collect(collect, *clone, cloneIds);
    ASSERT_EQ(cloneIds.size(), sourceIds.size());
    for (int32_t id : cloneIds)
        EXPECT_EQ(std::count(sourceIds.begin(), sourceIds.end(), id), 0) << id;
    std::vector<int32_t> after;
    collect(collect, *source, after);
    EXPECT_EQ(after, sourceIds);

    EXPECT_EQ(clone->Name(), "p");
    EXPECT_EQ(clone->Parent(), nullptr);
    EXPECT_EQ(clone->DataType(), source->DataType());
    EXPECT_EQ(clone->Child(0)->FullName(), "p.v");
    EXPECT_EQ(clone->Child(0)->LeftBound(), 1);
    auto& copiedLeaf = static_cast<TSignalSimple&>(*clone->Child(0)->Child(1));
    EXPECT_EQ(EventsText(copiedLeaf), "0:U 10:1");
    copiedLeaf.SetValueAt(0, Logic('0'), 5);
    EXPECT_EQ(EventsText(leaf), "0:U 10:1");
    EXPECT_EQ(Store().FindByUID(clone->UniqueID()), nullptr); // in no store
}

TEST_F(SignalTree, AccessSignals) {
    Define("2$1$n$integer$", "node");
    Define("15$node$", "link");
    Define("15$nowhere$", "dangling");
    auto link = Bench.Create("link", "l");
    EXPECT_EQ(ChildNames(*link), (std::vector<std::string>{".pointer", ".value"}));
    const TSignalNode& value = *link->Child(1);
    EXPECT_TRUE(value.IsEmptyAt(0));
    EXPECT_TRUE(static_cast<const TSignalSimple&>(*value.Child(0)).AllowEmpty());
    EXPECT_FALSE(link->IsEmptyAt(0)); // the pointer decides
    auto dangling = Bench.Create("dangling", "x");
    EXPECT_EQ(ChildNames(*dangling), (std::vector<std::string>{".pointer"}));

    Define("15$std_logic_vector$", "vectors");
    auto vectors = Bench.Create("vectors", "v");
    ASSERT_EQ(vectors->ChildCount(), 2);
    EXPECT_EQ(vectors->Child(1)->KindCode(), SignalKind::AccessArray);
    EXPECT_EQ(vectors->Child(1)->ChildCount(), 0);
}

TEST_F(SignalTree, DamagedTypesAreRefusedBeforeBuilding) {
    Define("0$bit$0$2000000000$None$", "huge");
    Define("0$bit$0$1999$None$", "wide");
    Define("0$wide$0$1999$None$", "square");
    for (const char* name : {"huge", "square"}) {
        const int32_t before = Bench.Document.SignalIDs().Count();
        try {
            CreateSignalForType(Bench.Type(name), &Bench.Document, nullptr, 0, 0);
            ADD_FAILURE() << name;
        } catch (const ESignalLoaderException& e) {
            EXPECT_EQ(e.Message(),
                      "Type " + std::string(name) + " makes more than 2097152 signals");
        }
        EXPECT_EQ(Bench.Document.SignalIDs().Count(), before);
    }
}

TEST_F(SignalTree, NodesByKindCode) {
    EXPECT_EQ(CreateSignalOfKind(0, nullptr)->KindCode(), SignalKind::Simple);
    EXPECT_EQ(CreateSignalOfKind(1, nullptr)->KindCode(), SignalKind::Compound);
    EXPECT_EQ(CreateSignalOfKind(2, nullptr)->KindCode(), SignalKind::AccessArray);
    EXPECT_EQ(CreateSignalOfKind(3, nullptr), nullptr);
}

TEST_F(SignalTree, SignalInterface) {
    Define("2$2$n$integer$b$std_logic$", "rec");
    TSignalNode* record = Store().Add(Bench.Create("rec", "r"));
    TComPtr<IWaveSignal> signal(QueryInterfaceOf<IWaveSignal>(record));
    ASSERT_TRUE(signal);
    EXPECT_EQ(signal->AddRef(), -1);

    TComString name;
    ASSERT_EQ(signal->GetName(&name), S_OK);
    EXPECT_EQ(name.Str(), "r");
    ASSERT_EQ(signal->SetName(std::string(300, 'x').c_str()), S_OK);
    EXPECT_EQ(record->Name().size(), 255u);
    EXPECT_EQ(Store().FindByPath(std::string(255, 'x')), record);
    int32_t uid = 0, count = 0;
    signal->GetUID(&uid);
    signal->GetChildCount(&count);
    EXPECT_EQ(uid, record->UniqueID());
    EXPECT_EQ(count, 2);
    IWaveSignal* child = reinterpret_cast<IWaveSignal*>(1);
    EXPECT_EQ(signal->GetChild(-1, &child), S_OK);
    EXPECT_EQ(child, nullptr);
    signal->GetChild(2, &child);
    EXPECT_EQ(child, nullptr);
    signal->GetChild(1, &child);
    EXPECT_EQ(child, static_cast<IWaveSignal*>(record->Child(1)));
    TComPtr<ICompoundSignal> compound(QueryInterfaceOf<ICompoundSignal>(record));
    ASSERT_TRUE(compound);
    EXPECT_EQ(compound->SignalObject(), record);
    EXPECT_EQ(QueryInterfaceOf<ICompoundSignal>(record->Child(0)), nullptr);

    // A transition holds a fresh value that the host fills and applies.
    TComPtr<IWaveTransition> transition;
    ASSERT_EQ(signal->GetTransition(50, transition.Out()), S_OK);
    TComPtr<IWaveValue> value;
    transition->GetValue(value.Out());
    int32_t isCompound = 0, elements = 0;
    value->IsCompound(&isCompound);
    value->GetChildCount(&elements);
    EXPECT_EQ(isCompound, 1);
    EXPECT_EQ(elements, 2);
    TComPtr<IWaveValue> first, second, none;
    value->GetChild(0, first.Out());
    value->GetChild(1, second.Out());
    value->GetChild(2, none.Out());
    EXPECT_FALSE(none);
    first->SetOrdinal(42);
    second->SetLogic(1);
    value->SetOrdinal(9); // nothing on a compound value
    ASSERT_EQ(transition->Apply(), S_OK);
    EXPECT_EQ(record->ValueAt(49).Compound().Elements[0].Simple().Ordinal, 0);
    const TValue applied = record->ValueAt(50);
    EXPECT_EQ(applied.Compound().Elements[0].Simple().Ordinal, 42);
    EXPECT_EQ(applied.Compound().Elements[1].Simple().Ordinal, Logic('1').Ordinal);

    // Simple nodes: Reset and SetLogicAt.
    auto& bit = static_cast<TSignalSimple&>(*record->Child(1));
    bit.SetLogicAt(70, 0);
    EXPECT_EQ(EventsText(bit), "0:U 50:1 70:0");
    bit.Reset();
    EXPECT_EQ(EventsText(bit), "0:U");
}

TEST_F(SignalTree, ValueInterfaceSetters) {
    TValue real(TSimpleValue{});
    TSignalValue access(real);
    access.SetPhysical(1.5, 2);
    EXPECT_EQ(real.Simple().Real(), 1.5);
    EXPECT_EQ(real.Simple().Unit, 2);
    access.SetPair(1, 3);
    EXPECT_EQ(real.Simple().Ordinal, 1);
    EXPECT_EQ(real.Simple().Drive, 3);
    int32_t count = -1;
    access.GetChildCount(&count);
    EXPECT_EQ(count, 0);
    IWaveValue* child = reinterpret_cast<IWaveValue*>(1);
    access.GetChild(0, &child);
    EXPECT_EQ(child, nullptr);
}

// The store's indexes must answer as a walk over the trees does, whatever changed names,
// identifiers or children since the trees were added.
TEST_F(SignalTree, StoreLookupsFollowEveryChange) {
    Define("16$std_logic_vector$3$0$", "nibble");
    Define("2$2$lo$nibble$hi$nibble$", "byte");
    Define("15$std_logic_vector$", "vectors");
    for (const char* name : {"a", "b", "A", "c"})
        Store().Add(Bench.Create("byte", name));
    auto addVectors = [&] {
        TSignalNode* top = Store().Add(Bench.Create("vectors", "v"));
        return static_cast<TSignalAccessArray*>(top->Child(1));
    };
    TSignalAccessArray* array = addVectors();

    std::vector<TSignalNode*> nodes;
    auto collect = [&] {
        nodes.clear();
        auto walk = [&](auto& self, TSignalNode& node) -> void {
            nodes.push_back(&node);
            for (int32_t i = 0; i < node.ChildCount(); ++i)
                self(self, *node.Child(i));
        };
        for (int32_t i = 0; i < Store().Count(); ++i)
            walk(walk, *Store().Item(i));
    };
    auto walkByPath = [&](const std::string& name) -> TSignalNode* {
        for (int32_t i = 0; i < Store().Count(); ++i)
            if (TSignalNode* found = Store().Item(i)->FindByPath(name))
                return found;
        return nullptr;
    };
    auto walkByUID = [&](int32_t uid) -> TSignalNode* {
        for (int32_t i = 0; i < Store().Count(); ++i)
            if (TSignalNode* found = Store().Item(i)->FindByUID(uid))
                return found;
        return nullptr;
    };
    std::mt19937 random(7);
    auto pick = [&](size_t below) { return static_cast<size_t>(random() % below); };
    const char* names[] = {"a", "b", "[0]", ".lo", "x", "A"};
    for (int step = 0; step < 300; ++step) {
        collect();
        TSignalNode& node = *nodes[pick(nodes.size())];
        switch (pick(4)) {
        case 0:
            node.SetName(names[pick(std::size(names))]);
            break;
        case 1:
            node.AssignNewIdentity(&Bench.Document);
            break;
        case 2: {
            // Out of the store and back, or freed and replaced.
            TSignalNode* top = Store().Item(static_cast<int32_t>(pick(Store().Count())));
            const bool vectors = top == array->Parent();
            std::unique_ptr<TSignalNode> extracted = Store().Extract(top);
            if (pick(2) == 0)
                Store().Add(std::move(extracted));
            else if (vectors) {
                extracted.reset();
                array = addVectors();
            } else
                Store().Add(Bench.Create("byte", names[pick(std::size(names))]));
            break;
        }
        default:
            array->SetArrayBounds(step, static_cast<int32_t>(pick(3)), 0);
            break;
        }
        collect();
        for (TSignalNode* n : nodes) {
            ASSERT_EQ(Store().FindByPath(n->FullName()), walkByPath(n->FullName())) << step;
            ASSERT_EQ(Store().FindByUID(n->UniqueID()), walkByUID(n->UniqueID())) << step;
        }
    }
}
