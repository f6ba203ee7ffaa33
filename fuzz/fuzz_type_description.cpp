// Type descriptions come from ASCII waveform files: any bytes must end in a type or in one of the
// reader's exceptions, and the store must stay usable: access resolution, descriptions written
// back and read again, dependency ordering, values of the simple types.
#include "model/types/Wavetype.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One description a line; the name of each is "t" and its line number, so later lines can
    // refer to earlier ones by name.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    TWaveDataTypeStore store;
    size_t start = 0;
    int line = 0;
    while (start <= input.size() && line < 64) {
        size_t end = input.find('\n', start);
        if (end == std::string_view::npos)
            end = input.size();
        try {
            store.AddFromDescription(input.substr(start, end - start), "t" + std::to_string(line),
                                     -1);
        } catch (const Exception&) {
        }
        start = end + 1;
        ++line;
    }
    store.ResolveAccessTypes();
    // The description a type writes reads back to a type that writes the same description.
    const int32_t count = store.Count();
    for (int32_t i = 0; i < count; ++i) {
        const TWaveDataType& type = *store.Item(i);
        if (type.Predefined())
            continue;
        const std::string description = type.GetFullDescription();
        try {
            store.AddFromDescription(description, "r" + std::to_string(i), -1);
        } catch (const Exception&) {
            __builtin_trap();
        }
        if (store.Item(store.Count() - 1)->GetFullDescription() != description)
            __builtin_trap();
    }
    store.SortByDependency();
    for (int32_t i = 0; i < store.Count(); ++i) {
        const TWaveDataType& type = *store.Item(i);
        if (type.GetFullDescription().empty())
            __builtin_trap();
        if (type.IsCompound())
            continue;
        // A simple type reads its own file form of a new value back to an equal value (an
        // enumeration without literals has no value to read back).
        const auto& simple = static_cast<const TWaveSimpleType&>(type);
        try {
            const auto value = simple.ValueFromText("");
            const auto back = value ? simple.ValueFromText(simple.ValueToText(*value)) : value;
            if (back && !simple.ValuesEqual(*value, *back))
                __builtin_trap();
        } catch (const Exception&) {
            __builtin_trap();
        }
    }
    return 0;
}
