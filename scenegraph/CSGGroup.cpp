#include "scenegraph/CSGGroup.h"

#include <algorithm>
#include <iterator>

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

std::optional<CSGGroup::Location> CSGGroup::FindChild(const CSGNode* node)
{
    for (auto it = m_children.begin(); it != m_children.end(); ++it) {
        if (it->get() == node)
            return Location{this, it};
        if ((*it)->GetType() == GROUP) {
            if (auto found = static_cast<CSGGroup*>(it->get())->FindChild(node))
                return found;
        }
    }
    return std::nullopt;
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
    auto position = m_children.begin();
    std::advance(position, std::min(index, m_children.size()));
    m_children.insert(position, std::move(node));
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
