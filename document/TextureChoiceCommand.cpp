#include "document/TextureChoiceCommand.h"

#include "document/CLevelMapDoc.h"
#include "level/TextureMapping.h"
#include "scenegraph/CSGNode.h"

TextureChoiceCommand::TextureChoiceCommand(CLevelMapDoc& document, std::vector<TextureMapping*> mappings,
                                           std::string path)
    : LevelCommand(document, _("Choose Texture")), m_mappings(std::move(mappings)), m_path(std::move(path))
{
}

TextureChoiceCommand::TextureChoiceCommand(CLevelMapDoc& document, TextureMapping& mapping, std::string path)
    : TextureChoiceCommand(document, std::vector<TextureMapping*>{&mapping}, std::move(path))
{
}

bool TextureChoiceCommand::ShowsAlready(const CLevelMapDoc& document, const TextureMapping& mapping,
                                        const std::string& path)
{
    return document.PathOfRow(mapping.GetTextureID()) == path;
}

bool TextureChoiceCommand::Execute()
{
    for (TextureMapping* mapping : m_mappings) {
        if (ShowsAlready(m_document, *mapping, m_path))
            continue;
        const TextureRow before = CaptureRow(*mapping);
        // Only the first assignment can find the table full: the later ones share its row.
        if (!m_document.AssignTextureFile(*mapping, m_path))
            return false;
        m_changes.push_back({mapping, before, CaptureRow(*mapping)});
    }
    m_mappings.clear();
    return !m_changes.empty();
}

void TextureChoiceCommand::Apply(bool after)
{
    std::vector<CSGNode*> nodes;
    for (const Change& change : m_changes) {
        Restore(m_document, *change.mapping, after ? change.after : change.before);
        if (auto* node = dynamic_cast<CSGNode*>(change.mapping))
            nodes.push_back(node);
    }
    m_document.m_selection.Set(nodes);
}
