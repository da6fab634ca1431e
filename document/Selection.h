#pragma once

#include <cstddef>
#include <unordered_set>
#include <vector>

class CSGNode;

// The document's selection: an ordered set of nodes below the level group, in the order they
// were selected. Each selected wall, item, floor or start marker carries the selected flag that
// its drawing reads. The floor is never part of a set with others: selecting it alone replaces
// the set, and adding any other node lets it go.
class Selection {
public:
    const std::vector<CSGNode*>& Nodes() const { return m_nodes; }
    bool Empty() const { return m_nodes.empty(); }
    std::size_t Size() const { return m_nodes.size(); }
    bool Contains(const CSGNode* node) const { return m_members.count(node) != 0; }
    // The node when exactly one is selected, else null.
    CSGNode* Single() const { return m_nodes.size() == 1 ? m_nodes.front() : nullptr; }

    void Clear();
    // Only `node` (none for null).
    void Set(CSGNode* node);
    void Set(const std::vector<CSGNode*>& nodes);
    void Add(CSGNode* node);
    void Remove(CSGNode* node);
    // Adds the node when it is out, takes it out when it is in.
    void Toggle(CSGNode* node);
    // A click on `hit` (null: outside the floor): it becomes the selection alone; with `toggle`
    // (Shift or Ctrl) a wall, item or start marker is added or taken out and a click on the
    // floor or outside it changes nothing.
    void Click(CSGNode* hit, bool toggle);
    // Takes out every selected node that is one of `leaving` or lies below one of them (they
    // leave the level), in one pass over the selection.
    void Drop(const std::vector<CSGNode*>& leaving);

private:
    static void Flag(CSGNode* node, bool selected);

    std::vector<CSGNode*> m_nodes;
    std::unordered_set<const CSGNode*> m_members;
};
