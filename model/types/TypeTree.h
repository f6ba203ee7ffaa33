// The entries of the type tree as plain data; the tree views fill their items from it.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct TTypeTreeNode {
    std::string Text;
    bool Expanded = false;
    std::vector<std::unique_ptr<TTypeTreeNode>> Children;

    // Appends a child and returns it; the node stays where it is while more children are added.
    TTypeTreeNode& Add(std::string_view text, bool expanded = false) {
        auto node = std::make_unique<TTypeTreeNode>();
        node->Text = std::string(text);
        node->Expanded = expanded;
        Children.push_back(std::move(node));
        return *Children.back();
    }
};
