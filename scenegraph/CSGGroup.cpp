#include "scenegraph/CSGGroup.h"

#include <iterator>
#include <unordered_set>

#include <GL/gl.h>

#include "scenegraph/CSGScene.h"
#include "xml/XmlElement.h"

CSGGroup::~CSGGroup()
{
    Clear();
}

void CSGGroup::Prepare()
{
    glPushMatrix();
    for (auto& child : m_children)
        child->Prepare();
    glPopMatrix();
}

void CSGGroup::Draw(float t)
{
    glPushMatrix();
    if (SaveLightState)
        glPushAttrib(GL_LIGHTING_BIT);
    GLuint index = 0;
    for (auto& child : m_children) {
        glPushName(index++);
        child->Draw(t);
        glPopName();
    }
    if (SaveLightState)
        glPopAttrib();
    glPopMatrix();
}

void CSGGroup::WriteXml(std::FILE* file)
{
    std::fprintf(file, "<CSGGroup SaveLightState = \"%i\" >\n", SaveLightState ? 1 : 0);
    WriteChildren(file);
    std::fprintf(file, "</CSGGroup>\n");
}

void CSGGroup::WriteChildren(std::FILE* file)
{
    for (auto& child : m_children)
        child->WriteXml(file);
}

void CSGGroup::ReadXml(const XmlElement& element, CSGScene& factory)
{
    ReadOwnAttributes(element);
    for (const XmlElement& childElement : element.GetChildren()) {
        CSGNode* child = factory.CreateNode(childElement.GetName());
        if (!child) {
            // Dropping it would lose it at the next save: the factory records it and the
            // load is refused.
            factory.ReportUnknownElement(childElement.GetName(), element.GetName());
            continue;
        }
        if (dynamic_cast<CSGGroup*>(child))
            child->ReadXml(childElement, factory);
        else
            ReadLeaf(*child, childElement, factory);
        AppendChild(child);
    }
}

void CSGGroup::ReadOwnAttributes(const XmlElement& element)
{
    Clear();
    SaveLightState = element.GetAttribute("SaveLightState") != "0";
}

void CSGGroup::ReadLeaf(CSGNode& leaf, const XmlElement& element, CSGScene& factory)
{
    leaf.ReadXml(element, factory);
    ReportUnreadElements(leaf, element, factory);
}

void CSGGroup::ReportUnreadElements(const CSGNode& leaf, const XmlElement& element, CSGScene& factory)
{
    for (const XmlElement& child : element.GetChildren()) {
        if (!leaf.ReadsChildElement(child.GetName())) {
            factory.ReportUnknownElement(child.GetName(), element.GetName());
            continue;
        }
        // What a leaf reads below itself is a leaf element too.
        for (const XmlElement& grandchild : child.GetChildren())
            factory.ReportUnknownElement(grandchild.GetName(), child.GetName());
    }
}

void CSGGroup::Clear()
{
    // Children are deleted one at a time from the back so that a node's destructor never
    // sees a half-destroyed list.
    while (!m_children.empty())
        m_children.pop_back();
}

CSGNode* CSGGroup::GetChild(unsigned index) const
{
    if (index >= m_children.size())
        return nullptr;
    auto it = m_children.begin();
    std::advance(it, index);
    return it->get();
}

template <typename Visit> bool CSGGroup::VisitPositions(Visit& visit)
{
    for (auto it = m_children.begin(); it != m_children.end(); ++it) {
        if (visit(*this, it))
            return true;
        if ((*it)->GetType() == GROUP && static_cast<CSGGroup*>(it->get())->VisitPositions(visit))
            return true;
    }
    return false;
}

std::optional<CSGGroup::Location> CSGGroup::FindChild(const CSGNode* node)
{
    std::optional<Location> found;
    auto visit = [&](CSGGroup& parent, Position position) {
        if (position->get() == node)
            found = Location{&parent, position};
        return found.has_value();
    };
    VisitPositions(visit);
    return found;
}

std::unordered_map<const CSGNode*, CSGGroup::Location> CSGGroup::Locate(const std::vector<CSGNode*>& nodes)
{
    const std::unordered_set<const CSGNode*> wanted(nodes.begin(), nodes.end());
    std::unordered_map<const CSGNode*, Location> found;
    auto visit = [&](CSGGroup& parent, Position position) {
        if (wanted.count(position->get()))
            found.emplace(position->get(), Location{&parent, position});
        return found.size() == wanted.size();
    };
    if (!wanted.empty())
        VisitPositions(visit);
    return found;
}

void CSGGroup::AppendChild(CSGNode* node)
{
    m_children.emplace_back(node);
}

void CSGGroup::PrependChild(CSGNode* node)
{
    m_children.emplace_front(node);
}

std::unique_ptr<CSGNode> CSGGroup::RemoveChild(Position position)
{
    std::unique_ptr<CSGNode> node = std::move(*position);
    m_children.erase(position);
    return node;
}

void CSGGroup::InsertChild(std::size_t index, std::unique_ptr<CSGNode> node)
{
    m_children.insert(PositionAt(index), std::move(node));
}

CSGGroup::Position CSGGroup::PositionAt(std::size_t index)
{
    const std::size_t size = m_children.size();
    if (index >= size)
        return m_children.end();
    if (index <= size / 2)
        return std::next(m_children.begin(), static_cast<std::ptrdiff_t>(index));
    return std::prev(m_children.end(), static_cast<std::ptrdiff_t>(size - index));
}

CSGGroup::Position CSGGroup::MoveOut(Position position, ChildList& holder)
{
    const Position next = std::next(position);
    holder.splice(holder.end(), m_children, position);
    return next;
}

void CSGGroup::MoveIn(Position next, ChildList& holder, Position position)
{
    m_children.splice(next, holder, position);
}

std::unique_ptr<CSGNode> CSGGroup::TakeChild(const CSGNode* node, std::size_t& index)
{
    index = 0;
    for (auto it = m_children.begin(); it != m_children.end(); ++it, ++index)
        if (it->get() == node)
            return RemoveChild(it);
    return nullptr;
}

bool CSGGroup::DeleteDescendant(const CSGNode* node)
{
    auto location = FindChild(node);
    if (!location)
        return false;
    location->parent->RemoveChild(location->position);
    return true;
}
