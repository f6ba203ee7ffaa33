#include "rows/RowFactory.h"

#include "rows/WaveRowGroup.h"

std::unique_ptr<TWaveRow> CreateRowOfKind(int32_t kind) {
    switch (kind) {
    case RowKind::Simple:
        return std::make_unique<TWaveRowSimple>();
    case RowKind::Compound:
        return std::make_unique<TWaveRowCompound>();
    case RowKind::Group:
        return std::make_unique<TWaveRowGroup>();
    case RowKind::Compare:
        return std::make_unique<TWaveRowCompare>();
    default:
        return nullptr;
    }
}

std::unique_ptr<TWaveRow> CreateRowOfLegacyKind(int32_t kind, bool child) {
    if (kind == RowKind::Compound)
        return std::make_unique<TWaveRowCompound>();
    if (child)
        return kind == RowKind::Simple ? CreateRowOfKind(RowKind::Simple)
                                       : std::make_unique<TWaveRowGroup>();
    if (kind == RowKind::Group || kind == RowKind::Compare)
        return CreateRowOfKind(kind);
    return std::make_unique<TWaveRowSimple>();
}
