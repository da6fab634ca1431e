#include "scenegraph/CSGScene.h"

#include "scenegraph/CSGAnimRotation.h"
#include "scenegraph/CSGAnimZPrecession.h"
#include "scenegraph/CSGLight.h"
#include "scenegraph/CSGRotation.h"
#include "scenegraph/CSGTransformation.h"
#include "scenegraph/CSGTranslation.h"

void CSGScene::Reset()
{
    m_root.Clear();
    m_lightCounter = 0;
    m_unknownElement.clear();
    m_unknownElementParent.clear();
}

void CSGScene::ReportUnknownElement(const std::string& name, const std::string& parent)
{
    if (!m_unknownElement.empty())
        return;
    m_unknownElement = name;
    m_unknownElementParent = parent;
}

namespace {

// The scene-graph elements, in the order their names are compared.
struct FactoryEntry {
    const char* name;
    CSGNode* (*create)(CSGScene& scene);
};

const FactoryEntry kSceneGraphFactory[] = {
    {"CSGLight", [](CSGScene& scene) -> CSGNode* { return new CSGLight(scene.m_lightCounter++); }},
    {"CSGGroup", [](CSGScene&) -> CSGNode* { return new CSGGroup; }},
    {"CSGRotation", [](CSGScene&) -> CSGNode* { return new CSGRotation; }},
    {"CSGTranslation", [](CSGScene&) -> CSGNode* { return new CSGTranslation; }},
    {"CSGTransformation", [](CSGScene&) -> CSGNode* { return new CSGTransformation; }},
    {"CSGAnimRotation", [](CSGScene&) -> CSGNode* { return new CSGAnimRotation; }},
    {"CSGAnimZPrecession", [](CSGScene&) -> CSGNode* { return new CSGAnimZPrecession; }},
};

} // namespace

CSGNode* CSGScene::CreateNode(const std::string& name)
{
    for (const FactoryEntry& entry : kSceneGraphFactory)
        if (name == entry.name)
            return entry.create(*this);
    return nullptr;
}
