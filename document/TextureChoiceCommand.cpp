#include "document/TextureChoiceCommand.h"

#include "document/CLevelMapDoc.h"
#include "level/TextureMapping.h"

TextureChoiceCommand::TextureChoiceCommand(CLevelMapDoc& document, TextureMapping& mapping, std::string path)
    : ValueCommand(document, _("Choose Texture"), mapping, CaptureRow(mapping), CaptureRow(mapping)),
      m_path(std::move(path))
{
}

bool TextureChoiceCommand::ShowsAlready(const CLevelMapDoc& document, const TextureMapping& mapping,
                                        const std::string& path)
{
    return document.PathOfRow(mapping.GetTextureID()) == path;
}

bool TextureChoiceCommand::Execute()
{
    if (ShowsAlready(m_document, m_target, m_path) || !m_document.AssignTextureFile(m_target, m_path))
        return false;
    m_after = CaptureRow(m_target);
    return true;
}
