#include "platform/cfb/CfbAllocationTable.h"

#include "platform/cfb/CfbError.h"
#include "platform/cfb/CfbFormat.h"

#include <algorithm>
#include <functional>

TCfbAllocationTable::TCfbAllocationTable(std::string fileName, std::string unitName, uint32_t limit)
    : FileName(std::move(fileName)), UnitName(std::move(unitName)), Limit(limit) {}

void TCfbAllocationTable::Assign(std::vector<uint32_t> entries, uint32_t count) {
    Next = std::move(entries);
    Next.resize(count, CfbFreeSector);
    FreeUnits.clear();
    for (uint32_t unit = 0; unit < count; ++unit)
        if (Next[unit] == CfbFreeSector)
            FreeUnits.push_back(unit);
    std::make_heap(FreeUnits.begin(), FreeUnits.end(), std::greater<>());
}

bool TCfbAllocationTable::HasRepeats(const std::vector<uint32_t>& chain) const {
    // A bitmap over the table is cheapest for long chains, sorting a copy for short ones.
    if (chain.size() * 32 >= Next.size()) {
        std::vector<bool> seen(Next.size(), false);
        for (uint32_t unit : chain) {
            if (seen[unit])
                return true;
            seen[unit] = true;
        }
        return false;
    }
    std::vector<uint32_t> sorted(chain);
    std::sort(sorted.begin(), sorted.end());
    return std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end();
}

void TCfbAllocationTable::Damaged(const std::string& detail) const {
    throw ECfbError(STG_E_DOCFILECORRUPT, FileName, detail);
}

std::vector<uint32_t> TCfbAllocationTable::Follow(uint32_t start, uint64_t count,
                                                  const std::string& owner) const {
    if (count > Next.size())
        Damaged("The size of " + owner + " exceeds the " + UnitName + "s of the file.");
    std::vector<uint32_t> chain;
    chain.reserve(count);
    for (uint32_t unit = start; chain.size() < count; unit = Next[unit]) {
        if (unit == CfbEndOfChain)
            Damaged("The " + UnitName + " chain of " + owner + " ends before its size.");
        if (unit >= Next.size())
            Damaged("The " + UnitName + " chain of " + owner + " leaves the file (" + UnitName +
                    " " + std::to_string(unit) + ").");
        chain.push_back(unit);
    }
    if (HasRepeats(chain))
        Damaged("The " + UnitName + " chain of " + owner + " runs in a cycle.");
    return chain;
}

std::vector<uint32_t> TCfbAllocationTable::FollowToEnd(uint32_t start,
                                                       const std::string& owner) const {
    uint64_t count = 0;
    for (uint32_t unit = start; unit != CfbEndOfChain; unit = Next[unit]) {
        if (unit >= Next.size())
            Damaged("The " + UnitName + " chain of " + owner + " leaves the file (" + UnitName +
                    " " + std::to_string(unit) + ").");
        if (++count > Next.size())
            Damaged("The " + UnitName + " chain of " + owner + " runs in a cycle.");
    }
    return Follow(start, count, owner);
}

uint32_t TCfbAllocationTable::Allocate() {
    uint32_t unit;
    if (!FreeUnits.empty()) {
        std::pop_heap(FreeUnits.begin(), FreeUnits.end(), std::greater<>());
        unit = FreeUnits.back();
        FreeUnits.pop_back();
    } else {
        if (Next.size() >= Limit)
            throw ECfbError(STG_E_MEDIUMFULL, FileName,
                            "The file would exceed the size limit of its format.");
        unit = static_cast<uint32_t>(Next.size());
        Next.push_back(CfbFreeSector);
    }
    Next[unit] = CfbEndOfChain;
    return unit;
}

void TCfbAllocationTable::Extend(std::vector<uint32_t>& chain, uint64_t count) {
    while (count-- > 0) {
        const uint32_t unit = Allocate();
        if (!chain.empty())
            Next[chain.back()] = unit;
        chain.push_back(unit);
    }
}

void TCfbAllocationTable::Truncate(std::vector<uint32_t>& chain, uint64_t count) {
    while (count-- > 0 && !chain.empty()) {
        Next[chain.back()] = CfbFreeSector;
        FreeUnits.push_back(chain.back());
        std::push_heap(FreeUnits.begin(), FreeUnits.end(), std::greater<>());
        chain.pop_back();
    }
    if (!chain.empty())
        Next[chain.back()] = CfbEndOfChain;
}

void TCfbAllocationTable::Release(const std::vector<uint32_t>& units) {
    for (uint32_t unit : units)
        Next[unit] = CfbFreeSector;
    size_t count = Next.size();
    while (count > 0 && Next[count - 1] == CfbFreeSector)
        --count;
    Assign(std::move(Next), static_cast<uint32_t>(count));
}
