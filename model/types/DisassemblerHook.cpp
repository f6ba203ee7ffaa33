#include "model/types/DisassemblerHook.h"

namespace {
TDisassemblerLookup Installed;
} // namespace

void SetDisassemblerLookup(const TDisassemblerLookup& lookup) {
    Installed = lookup;
}

const TDisassemblerLookup& DisassemblerLookup() {
    return Installed;
}
