// New rows for the kind codes the file formats store.
#pragma once

#include "rows/WaveRow.h"

#include <memory>

// Binary version-2 records: 0 simple, 1 compound, 2 group, 3 compare; nil for other codes.
std::unique_ptr<TWaveRow> CreateRowOfKind(int32_t kind);
// Text and binary version-1 rows. At the top level: 1 compound, 2 group, 3 compare, anything
// else simple. Inside a compound row: 0 simple, 1 compound, anything else group (a comparison
// cannot be a child).
std::unique_ptr<TWaveRow> CreateRowOfLegacyKind(int32_t kind, bool child);
