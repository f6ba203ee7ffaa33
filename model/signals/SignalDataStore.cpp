#include "model/signals/SignalDataStore.h"

#include "model/signals/WaveSignal.h"

#include <algorithm>

namespace {

// Child positions from the root down to the node: store order within one tree is the
// lexicographic order of these paths (a node precedes its descendants).
std::vector<int32_t> PositionPath(const TSignalNode& node) {
    std::vector<int32_t> path;
    for (const TSignalNode* n = &node; n->Parent() != nullptr; n = n->Parent()) {
        const TSignalNode& parent = *n->Parent();
        for (int32_t i = 0; i < parent.ChildCount(); ++i)
            if (parent.Child(i) == n) {
                path.push_back(i);
                break;
            }
    }
    std::reverse(path.begin(), path.end());
    return path;
}

} // namespace

std::string MatchKey(std::string_view name) {
    while (!name.empty() && static_cast<unsigned char>(name.front()) <= 32)
        name.remove_prefix(1);
    while (!name.empty() && static_cast<unsigned char>(name.back()) <= 32)
        name.remove_suffix(1);
    std::string key(name);
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return key;
}

TSignalDataStore::~TSignalDataStore() {
    Clear();
}

TSignalNode* TSignalDataStore::Add(std::unique_ptr<TSignalNode> node) {
    TSignalNode* added = node.get();
    FNodes.push_back(std::move(node));
    FOrder.emplace(added, FNextOrder++);
    Index(*added);
    return added;
}

std::unique_ptr<TSignalNode> TSignalDataStore::Extract(const TSignalNode* node) {
    auto it = std::find_if(FNodes.begin(), FNodes.end(),
                           [&](const auto& held) { return held.get() == node; });
    if (it == FNodes.end())
        return nullptr;
    Unindex(**it);
    FOrder.erase(node);
    std::unique_ptr<TSignalNode> extracted = std::move(*it);
    FNodes.erase(it);
    return extracted;
}

void TSignalDataStore::Clear() {
    FByUID.clear();
    FByPath.clear();
    FOrder.clear();
    FNodes.clear();
}

bool TSignalDataStore::Holds(const TSignalNode& node) const {
    if (!FOrder.contains(&node.Root()))
        return false;
    for (const TSignalNode* n = &node; n->Parent() != nullptr; n = n->Parent()) {
        const TSignalNode& parent = *n->Parent();
        bool listed = false;
        for (int32_t i = 0; i < parent.ChildCount() && !listed; ++i)
            listed = parent.Child(i) == n;
        if (!listed)
            return false;
    }
    return true;
}

TSignalNode* TSignalDataStore::FindByUID(int32_t uid) const {
    auto it = FByUID.find(uid);
    return it == FByUID.end() ? nullptr : FirstInOrder(it->second);
}

TSignalNode* TSignalDataStore::FindByPath(std::string_view name) const {
    auto it = FByPath.find(MatchKey(name));
    return it == FByPath.end() ? nullptr : FirstInOrder(it->second);
}

bool TSignalDataStore::PathTakenByOther(std::string_view name, const TSignalNode* self) const {
    auto it = FByPath.find(MatchKey(name));
    if (it == FByPath.end())
        return false;
    return std::any_of(it->second.begin(), it->second.end(),
                       [&](const TSignalNode* node) { return node != self; });
}

void TSignalDataStore::Unindex(TSignalNode& subtree) {
    IndexTree(subtree, subtree.FullName(), false);
}

void TSignalDataStore::Index(TSignalNode& subtree) {
    IndexTree(subtree, subtree.FullName(), true);
}

void TSignalDataStore::IndexTree(TSignalNode& node, const std::string& fullName, bool add) {
    auto update = [&](auto& map, const auto& key) {
        if (add) {
            map[key].push_back(&node);
            return;
        }
        auto it = map.find(key);
        if (it == map.end())
            return;
        auto& bucket = it->second;
        if (auto at = std::find(bucket.begin(), bucket.end(), &node); at != bucket.end())
            bucket.erase(at);
        if (bucket.empty())
            map.erase(it);
    };
    update(FByUID, node.UniqueID());
    update(FByPath, MatchKey(fullName));
    // Members of groups and comparisons are indexed where they are owned.
    for (int32_t i = 0; i < node.ChildCount(); ++i)
        if (TSignalNode* child = node.Child(i); child != nullptr && node.Owns(*child))
            IndexTree(*child, fullName + child->Name(), add);
}

TSignalNode* TSignalDataStore::FirstInOrder(const TBucket& bucket) const {
    TSignalNode* first = bucket.front();
    for (size_t i = 1; i < bucket.size(); ++i)
        if (Precedes(*bucket[i], *first))
            first = bucket[i];
    return first;
}

bool TSignalDataStore::Precedes(const TSignalNode& a, const TSignalNode& b) const {
    const TSignalNode& rootA = a.Root();
    const TSignalNode& rootB = b.Root();
    if (&rootA != &rootB)
        return FOrder.at(&rootA) < FOrder.at(&rootB);
    return PositionPath(a) < PositionPath(b);
}
