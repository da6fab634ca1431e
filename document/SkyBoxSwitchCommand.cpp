#include "document/SkyBoxSwitchCommand.h"

#include <memory>

#include "document/CLevelMapDoc.h"
#include "level/LevelScene.h"
#include "level/CICubeMapNode.h"
#include "level/LevelScene.h"

SkyBoxSwitchCommand::SkyBoxSwitchCommand(CLevelMapDoc& document, bool on, std::string baseName)
    : LevelCommand(document, on ? _("Use Sky Box") : _("Remove Sky Box")), m_on(on), m_baseName(std::move(baseName)),
      m_parent(&document.m_pScene->Root())
{
}

bool SkyBoxSwitchCommand::Execute()
{
    if ((m_document.m_pScene->m_pCubeMap != nullptr) == m_on)
        return false;
    Redo();
    return true;
}

void SkyBoxSwitchCommand::Redo()
{
    if (m_on)
        SwitchOn();
    else
        SwitchOff();
}

void SkyBoxSwitchCommand::Revert()
{
    if (m_on)
        SwitchOff();
    else
        SwitchOn();
}

void SkyBoxSwitchCommand::SwitchOn()
{
    LevelScene& scene = *m_document.m_pScene;
    auto cubeMap = std::make_unique<CICubeMapNode>();
    cubeMap->TextureBaseName = m_baseName;
    scene.m_pCubeMap = cubeMap.get();
    m_parent->InsertChild(m_index, std::move(cubeMap));
    m_document.m_bTexturesDirty = true;
}

void SkyBoxSwitchCommand::SwitchOff()
{
    LevelScene& scene = *m_document.m_pScene;
    if (!scene.m_pCubeMap)
        return;
    auto location = scene.Root().FindChild(scene.m_pCubeMap);
    if (!location)
        return;
    m_parent = location->parent;
    m_baseName = scene.m_pCubeMap->TextureBaseName;
    // The sky box deletes its textures, which live in the preview's context.
    m_document.MakePreviewContextCurrent();
    m_parent->TakeChild(scene.m_pCubeMap, m_index);
    scene.m_pCubeMap = nullptr;
}
