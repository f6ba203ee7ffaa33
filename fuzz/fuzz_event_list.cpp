// Random edit sequences on one std_logic signal, checked against a model of its value at every
// time: each input triple is an edit (kind, two arguments).
#include "tests/model/EventListModel.h"

#include "model/types/WaveTypeStore.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TWaveDataTypeStore types;
    TSignalSimple signal(nullptr);
    signal.SetDataType(types.FindByName("std_logic"));
    signal.AppendEvent(0, TSimpleValue::OfOrdinal(2), 0);
    TEventListModel model(signal);
    constexpr int Window = static_cast<int>(TEventListModel::Window);
    for (size_t pos = 0; pos + 3 <= size; pos += 3) {
        const int a = data[pos + 1];
        const int b = data[pos + 2];
        switch (data[pos] % 3) {
        case 0:
            model.SetValueAt(a % (Window + 3) - 3, b);
            break;
        case 1:
            model.DeleteEventAt(a % (model.ChangeCount() + 1));
            break;
        default:
            model.DeleteEventsIn(1 + a % (Window - 1), 1 + a % (Window - 1) + b % 12);
            break;
        }
        const std::string mismatch = model.Mismatch();
        if (!mismatch.empty()) {
            std::fprintf(stderr, "edit %zu: %s\n", pos / 3, mismatch.c_str());
            std::abort();
        }
    }
    return 0;
}
