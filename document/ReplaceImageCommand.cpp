#include "document/ReplaceImageCommand.h"

#include "document/CLevelMapDoc.h"
#include "level/LevelScene.h"
#include "level/TexturedObject.h"
#include "scenegraph/CSGGroup.h"

ReplaceImageCommand::ReplaceImageCommand(CLevelMapDoc& document, const std::string& from, std::string to)
    : TextureChoiceCommand(document, MappingsShowing(document, from), std::move(to))
{
    m_commandName = _("Replace Texture");
}

std::vector<TextureMapping*> ReplaceImageCommand::MappingsShowing(const CLevelMapDoc& document, const std::string& path)
{
    std::vector<TextureMapping*> mappings;
    if (!document.m_pScene)
        return mappings;
    ForEachNode(document.m_pScene->Root(), [&](CSGNode& node) {
        TextureMapping* mapping = MappingOf(node);
        if (mapping && ShowsAlready(document, *mapping, path))
            mappings.push_back(mapping);
    });
    return mappings;
}
