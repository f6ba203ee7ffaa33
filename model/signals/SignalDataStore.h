// The store of a document's top-level signals, with hash indexes over every signal of their
// trees by identifier and by full name.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TSignalNode;

// A full name as lookups compare it: upper case (ASCII), without leading and trailing
// characters up to code 32.
std::string MatchKey(std::string_view name);

class TSignalDataStore {
public:
    TSignalDataStore() = default;
    TSignalDataStore(const TSignalDataStore&) = delete;
    TSignalDataStore& operator=(const TSignalDataStore&) = delete;
    ~TSignalDataStore();

    int32_t Count() const { return static_cast<int32_t>(FNodes.size()); }
    TSignalNode* Item(int32_t index) const { return FNodes[static_cast<size_t>(index)].get(); }

    // Appends a top-level node and indexes its tree.
    TSignalNode* Add(std::unique_ptr<TSignalNode> node);
    // Takes a top-level node out of the store; nil when it is not one of its nodes.
    std::unique_ptr<TSignalNode> Extract(const TSignalNode* node);
    // Frees every node.
    void Clear();

    // The first signal in store order (top-level nodes in order, each tree depth first) with
    // this identifier, or whose full name matches; nil when none.
    TSignalNode* FindByUID(int32_t uid) const;
    TSignalNode* FindByPath(std::string_view name) const;
    bool HasPath(std::string_view name) const { return FindByPath(name) != nullptr; }
    // Whether a signal other than `self` has this full name.
    bool PathTakenByOther(std::string_view name, const TSignalNode* self) const;

    // True when the node belongs to a tree the store holds: its top is one of the store's nodes
    // and each node on the way is among its parent's children (a node being built may already
    // name its future parent).
    bool Holds(const TSignalNode& node) const;
    // Drop and re-add the index entries of a subtree whose names or identifiers change.
    void Unindex(TSignalNode& subtree);
    void Index(TSignalNode& subtree);

private:
    using TBucket = std::vector<TSignalNode*>;
    void IndexTree(TSignalNode& node, const std::string& fullName, bool add);
    // The first of several nodes in store order.
    TSignalNode* FirstInOrder(const TBucket& bucket) const;
    bool Precedes(const TSignalNode& a, const TSignalNode& b) const;

    std::vector<std::unique_ptr<TSignalNode>> FNodes;
    std::unordered_map<const TSignalNode*, uint64_t> FOrder; // top-level node -> addition number
    uint64_t FNextOrder = 0;
    std::unordered_map<int32_t, TBucket> FByUID;
    std::unordered_map<std::string, TBucket> FByPath;
};
