// The directory of a compound file: its entries, and for every storage the children ordered by
// name. Loading checks the sibling-tree links; storing rebuilds balanced red-black trees.
#pragma once

#include "platform/cfb/CfbFormat.h"
#include "platform/cfb/CfbNames.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

class TCfbDirectory {
public:
    struct TNode {
        TCfbDirEntry Entry;
        uint32_t Parent = CfbNoStream;
        int OpenCount = 0;
        std::map<std::u16string, uint32_t, TCfbNameOrder> Children; // by CfbNameKey
    };

    // A new directory with the root storage only.
    TCfbDirectory();
    // Reads the entries and walks every sibling tree. Trees need not be balanced or
    // ordered; loops, links outside the directory, wrong entry types and duplicate names fail.
    TCfbDirectory(const std::vector<uint8_t>& bytes, uint16_t majorVersion,
                  const std::string& fileName);

    static constexpr uint32_t RootId = 0;
    TNode& operator[](uint32_t id) { return Nodes[id]; }
    const TNode& operator[](uint32_t id) const { return Nodes[id]; }
    std::optional<uint32_t> Find(uint32_t storage, std::u16string_view name) const;
    // A new entry under storage; the name must not be taken.
    uint32_t Add(uint32_t storage, std::u16string name, TCfbEntryType type);
    // Takes the entry out of its storage and frees it (children must be gone already).
    void Remove(uint32_t id);

    // The entries with fresh sibling trees, padded with free entries to a multiple of perSector.
    std::vector<uint8_t> Encode(uint32_t entriesPerSector);

private:
    uint32_t BuildTree(const std::vector<uint32_t>& ids, size_t low, size_t high, int depth,
                       int redDepth);

    std::vector<TNode> Nodes;
    std::vector<uint32_t> FreeIds;
};
