// One allocation table of a compound file, the FAT (sectors) or the MiniFAT (mini sectors):
// the next unit of every chain, following chains safely, and handing out free units.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TCfbAllocationTable {
public:
    // fileName and unitName word the messages about damaged chains; limit caps the unit count.
    TCfbAllocationTable(std::string fileName, std::string unitName, uint32_t limit);

    // Replaces the table, keeping count entries (missing ones are free).
    void Assign(std::vector<uint32_t> entries, uint32_t count);
    const std::vector<uint32_t>& Entries() const { return Next; }
    uint32_t Count() const { return static_cast<uint32_t>(Next.size()); }

    // The first count units of the chain from start. Fails on a chain that ends early, leaves
    // the table or visits a unit twice.
    std::vector<uint32_t> Follow(uint32_t start, uint64_t count, const std::string& owner) const;
    // The whole chain from start up to its end mark.
    std::vector<uint32_t> FollowToEnd(uint32_t start, const std::string& owner) const;

    // A free unit (the lowest freed one, else a new one at the end), marked as a chain's end.
    uint32_t Allocate();
    // Adds count units at the end holding value (the marks of table sectors).
    void Append(uint64_t count, uint32_t value) { Next.insert(Next.end(), count, value); }
    // Appends units to a chain and links them.
    void Extend(std::vector<uint32_t>& chain, uint64_t count);
    // Drops units from the end of a chain and frees them.
    void Truncate(std::vector<uint32_t>& chain, uint64_t count);
    // Frees single units (such as the sectors of old tables) and drops free units at the end.
    void Release(const std::vector<uint32_t>& units);

private:
    void Damaged(const std::string& detail) const;
    bool HasRepeats(const std::vector<uint32_t>& chain) const;

    std::string FileName;
    std::string UnitName;
    uint32_t Limit;
    std::vector<uint32_t> Next;
    std::vector<uint32_t> FreeUnits; // a min-heap, so files fill from the front
};
