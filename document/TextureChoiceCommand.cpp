#include "document/TextureChoiceCommand.h"

#include "document/CLevelMapDoc.h"

TextureChoiceCommand::TextureChoiceCommand(CLevelMapDoc& document, TextureMapping& mapping, std::string path)
    : ValueCommand(document, _("Choose Texture"), mapping, CaptureRow(mapping), CaptureRow(mapping)),
      m_path(std::move(path))
{
}

bool TextureChoiceCommand::Execute()
{
    if (!m_document.AssignTextureFile(m_target, m_path))
        return false;
    m_after = CaptureRow(m_target);
    return true;
}
