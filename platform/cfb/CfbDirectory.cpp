#include "platform/cfb/CfbDirectory.h"

#include "platform/cfb/CfbError.h"

#include <bit>

namespace {
bool IsElement(TCfbEntryType type) {
    return type == TCfbEntryType::Storage || type == TCfbEntryType::Stream;
}
} // namespace

TCfbDirectory::TCfbDirectory() {
    Nodes.emplace_back();
    Nodes[RootId].Entry.Name = u"Root Entry";
    Nodes[RootId].Entry.Type = TCfbEntryType::Root;
}

TCfbDirectory::TCfbDirectory(const std::vector<uint8_t>& bytes, uint16_t majorVersion,
                             const std::string& fileName) {
    const auto damaged = [&](const std::string& detail) {
        throw ECfbError(STG_E_DOCFILECORRUPT, fileName, detail);
    };
    const size_t count = bytes.size() / CfbDirEntrySize;
    if (count == 0)
        damaged("The directory is empty.");
    Nodes.resize(count);
    for (size_t id = 0; id < count; ++id)
        Nodes[id].Entry = TCfbDirEntry::Decode(&bytes[id * CfbDirEntrySize], majorVersion);
    if (Nodes[RootId].Entry.Type != TCfbEntryType::Root)
        damaged("The first directory entry is not the root storage.");

    // Every storage's tree is walked with explicit stacks: deep or hostile trees cannot
    // exhaust the call stack, and each entry may be reached once only.
    std::vector<bool> reached(count, false);
    reached[RootId] = true;
    std::vector<uint32_t> storages{RootId};
    std::vector<uint32_t> pending;
    while (!storages.empty()) {
        const uint32_t storage = storages.back();
        storages.pop_back();
        if (Nodes[storage].Entry.Child != CfbNoStream)
            pending.push_back(Nodes[storage].Entry.Child);
        while (!pending.empty()) {
            const uint32_t id = pending.back();
            pending.pop_back();
            if (id >= count)
                damaged("A directory link points to entry " + std::to_string(id) +
                        ", beyond the directory.");
            if (reached[id])
                damaged("Directory entry " + std::to_string(id) + " is linked more than once.");
            reached[id] = true;
            TNode& node = Nodes[id];
            if (!IsElement(node.Entry.Type))
                damaged("Directory entry " + std::to_string(id) +
                        " is linked into a storage but is not an element.");
            node.Parent = storage;
            if (!Nodes[storage].Children.emplace(CfbNameKey(node.Entry.Name), id).second)
                damaged("The name \"" + CfbNameToUtf8(node.Entry.Name) +
                        "\" appears twice in one storage.");
            if (node.Entry.Type == TCfbEntryType::Storage)
                storages.push_back(id);
            for (uint32_t link : {node.Entry.Left, node.Entry.Right})
                if (link != CfbNoStream)
                    pending.push_back(link);
        }
    }
    for (uint32_t id = 0; id < count; ++id)
        if (Nodes[id].Entry.Type == TCfbEntryType::Unallocated)
            FreeIds.push_back(id);
}

std::optional<uint32_t> TCfbDirectory::Find(uint32_t storage, std::u16string_view name) const {
    const auto& children = Nodes[storage].Children;
    const auto found = children.find(CfbNameKey(name));
    if (found == children.end())
        return std::nullopt;
    return found->second;
}

uint32_t TCfbDirectory::Add(uint32_t storage, std::u16string name, TCfbEntryType type) {
    uint32_t id;
    if (!FreeIds.empty()) {
        id = FreeIds.back();
        FreeIds.pop_back();
        Nodes[id] = TNode();
    } else {
        id = static_cast<uint32_t>(Nodes.size());
        Nodes.emplace_back();
    }
    TNode& node = Nodes[id];
    node.Entry.Type = type;
    // Storages carry start sector 0 and streams an empty chain, as the format asks.
    node.Entry.Start = type == TCfbEntryType::Storage ? 0 : CfbEndOfChain;
    node.Parent = storage;
    Nodes[storage].Children.emplace(CfbNameKey(name), id);
    node.Entry.Name = std::move(name);
    return id;
}

void TCfbDirectory::Remove(uint32_t id) {
    TNode& node = Nodes[id];
    Nodes[node.Parent].Children.erase(CfbNameKey(node.Entry.Name));
    node = TNode();
    FreeIds.push_back(id);
}

uint32_t TCfbDirectory::BuildTree(const std::vector<uint32_t>& ids, size_t low, size_t high,
                                  int depth, int redDepth) {
    if (low >= high)
        return CfbNoStream;
    const size_t middle = low + (high - low) / 2;
    TCfbDirEntry& entry = Nodes[ids[middle]].Entry;
    entry.Left = BuildTree(ids, low, middle, depth + 1, redDepth);
    entry.Right = BuildTree(ids, middle + 1, high, depth + 1, redDepth);
    entry.Color = depth == redDepth ? TCfbColor::Red : TCfbColor::Black;
    return ids[middle];
}

std::vector<uint8_t> TCfbDirectory::Encode(uint32_t entriesPerSector) {
    for (TNode& node : Nodes) {
        if (node.Entry.Type == TCfbEntryType::Unallocated)
            continue;
        // A tree split at the middle has all its leaves on the last two levels; colouring only
        // a partly filled last level red keeps every path equally black.
        std::vector<uint32_t> ids;
        ids.reserve(node.Children.size());
        for (const auto& child : node.Children)
            ids.push_back(child.second);
        const int levels = static_cast<int>(std::bit_width(ids.size()));
        const bool full = ids.size() == (size_t{1} << levels) - 1;
        node.Entry.Child = BuildTree(ids, 0, ids.size(), 1, full ? 0 : levels);
    }
    Nodes[RootId].Entry.Left = Nodes[RootId].Entry.Right = CfbNoStream;
    Nodes[RootId].Entry.Color = TCfbColor::Black;
    const size_t padded =
        (Nodes.size() + entriesPerSector - 1) / entriesPerSector * entriesPerSector;
    std::vector<uint8_t> bytes(padded * CfbDirEntrySize);
    for (size_t id = 0; id < padded; ++id)
        (id < Nodes.size() ? Nodes[id].Entry : TCfbDirEntry()).Encode(&bytes[id * CfbDirEntrySize]);
    return bytes;
}
