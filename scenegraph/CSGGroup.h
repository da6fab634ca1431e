#pragma once

#include <list>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "scenegraph/CSGNode.h"

// A node with an ordered list of children that it owns. Drawing brackets the children with a
// matrix push/pop (and the lighting attributes while SaveLightState is set) and pushes each
// child's index on the OpenGL name stack for picking.
class CSGGroup : public CSGNode {
public:
    using ChildList = std::list<std::unique_ptr<CSGNode>>;
    using Position = ChildList::iterator;

    // Where a node sits: the group that directly holds it and its place in that group's list.
    struct Location {
        CSGGroup* parent;
        Position position;
    };

    CSGGroup() = default;
    ~CSGGroup() override;

    int GetType() const override { return GROUP; }
    void Prepare() override;
    void Draw(float t) override;
    void WriteXml(std::FILE* file) override;
    void ReadXml(const XmlElement& element, CSGScene& factory) override;
    // What ReadXml takes from the group's own element: it empties the group and reads its
    // attributes. The children are read into it one by one afterwards.
    void ReadOwnAttributes(const XmlElement& element);
    // Reads a node that is not a group from its element, reporting every child element the
    // node does not read.
    static void ReadLeaf(CSGNode& leaf, const XmlElement& element, CSGScene& factory);
    virtual void Clear();

    CSGNode* GetChild(unsigned index) const;
    // Depth-first pre-order search below this group; the group itself is never found.
    std::optional<Location> FindChild(const CSGNode* node);
    // Where each of `nodes` sits below this group, found in one walk over the group; nodes that
    // are not below it are left out.
    std::unordered_map<const CSGNode*, Location> Locate(const std::vector<CSGNode*>& nodes);
    void AppendChild(CSGNode* node);
    void PrependChild(CSGNode* node);
    // Unlinks the child; the caller owns it again.
    std::unique_ptr<CSGNode> RemoveChild(Position position);
    // Puts the node at `index` of the list (at the end when the list is shorter).
    void InsertChild(std::size_t index, std::unique_ptr<CSGNode> node);
    // The place of the child at `index` (the end when the list is shorter), counted from the
    // nearer end of the list.
    Position PositionAt(std::size_t index);
    // Moves the child at `position` to the end of `holder` and tells the place that followed
    // it; MoveIn moves it back before `next`. The node keeps its list element all the while,
    // so every position, its own and its neighbours', stays valid.
    Position MoveOut(Position position, ChildList& holder);
    void MoveIn(Position next, ChildList& holder, Position position);
    // Unlinks a direct child and tells where it stood; null when it is not a direct child.
    std::unique_ptr<CSGNode> TakeChild(const CSGNode* node, std::size_t& index);
    // Finds the node anywhere below this group and deletes it; false when it is not there.
    bool DeleteDescendant(const CSGNode* node);

    const ChildList& Children() const { return m_children; }
    std::size_t ChildCount() const { return m_children.size(); }

    bool SaveLightState = true;

protected:
    void WriteChildren(std::FILE* file);

private:
    // Calls `visit(group, position)` for every node below this group, depth first in list
    // order, until it returns true; whether it did.
    template <typename Visit> bool VisitPositions(Visit& visit);
    // Reports every child element of a leaf's element that the leaf does not read.
    static void ReportUnreadElements(const CSGNode& leaf, const XmlElement& element, CSGScene& factory);

    ChildList m_children;
};

// Calls `visit` with every node below `group`, depth first in list order.
template <typename Visit> void ForEachNode(const CSGGroup& group, Visit&& visit)
{
    for (const auto& child : group.Children()) {
        visit(*child);
        if (child->GetType() == GROUP)
            ForEachNode(static_cast<const CSGGroup&>(*child), visit);
    }
}
