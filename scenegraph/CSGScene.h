#pragma once

#include <string>

#include "scenegraph/CSGGroup.h"

// Owns a whole tree through its root group and creates nodes by element name while a file
// is read. Not deleted through a base pointer.
class CSGScene {
public:
    CSGScene() = default;
    CSGScene(const CSGScene&) = delete;
    CSGScene& operator=(const CSGScene&) = delete;
    virtual ~CSGScene() = default;

    // The scene-graph factory: transformations, lights, animations and groups; none otherwise.
    virtual CSGNode* CreateNode(const std::string& name);
    // Deletes every node below the root and restarts light numbering at 0.
    virtual void Reset();

    // An element that no factory knows in a group, or one that a leaf element does not read,
    // inside the element named `parent`. The first such name is kept so that the load can be
    // refused with it instead of silently dropping the element.
    void ReportUnknownElement(const std::string& name, const std::string& parent);
    const std::string& GetUnknownElement() const { return m_unknownElement; }
    const std::string& GetUnknownElementParent() const { return m_unknownElementParent; }

    CSGGroup& Root() { return m_root; }
    const CSGGroup& Root() const { return m_root; }

    int m_lightCounter = 0;

private:
    CSGGroup m_root;
    std::string m_unknownElement;
    std::string m_unknownElementParent;
};
