#include "scenegraph/CSGScene.h"

void CSGScene::Reset()
{
    m_root.Clear();
    m_lightCounter = 0;
    m_unknownElement.clear();
}

void CSGScene::ReportUnknownElement(const std::string& name)
{
    if (m_unknownElement.empty())
        m_unknownElement = name;
}
