// Test helpers that read a keyword tree: the nodes ForAll hands over, and names along a chain.
#pragma once

#include <vxcheck/kw_tree.h>

#include <map>
#include <string>
#include <vector>

// ForAll takes a plain function, so the nodes it hands over are collected through a static.
struct TreeWalk {
    static std::vector<Cvx_KwTreeNode*> Visited(Cvx_KwTree& tree) {
        std::vector<Cvx_KwTreeNode*> nodes;
        collected = &nodes;
        tree.ForAll([](Cvx_KwTreeNode* node) { collected->push_back(node); });
        collected = nullptr;
        return nodes;
    }
    static std::vector<std::string> VisitedNames(Cvx_KwTree& tree) {
        std::vector<std::string> names;
        for (const Cvx_KwTreeNode* node : Visited(tree)) {
            names.emplace_back(node->m_name.GetString());
        }
        return names;
    }
    // How many nodes of each kind ForAll hands over.
    static std::map<int, int> Kinds(Cvx_KwTree& tree) {
        std::map<int, int> kinds;
        for (const Cvx_KwTreeNode* node : Visited(tree)) {
            ++kinds[node->m_kind];
        }
        return kinds;
    }
    // The names of first and its later siblings.
    static std::vector<std::string> Names(const Cvx_KwTreeNode* first) {
        std::vector<std::string> names;
        for (; first != nullptr; first = first->m_next) {
            names.emplace_back(first->m_name.GetString());
        }
        return names;
    }

    static inline std::vector<Cvx_KwTreeNode*>* collected = nullptr;
};
