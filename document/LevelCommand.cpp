#include "document/LevelCommand.h"

#include "document/CLevelMapDoc.h"
#include "level/LevelScene.h"

LevelCommand::LevelCommand(CLevelMapDoc& document, const wxString& name)
    : wxCommand(true, name), m_document(document)
{
}

bool LevelCommand::Execute()
{
    Redo();
    return true;
}

bool LevelCommand::Do()
{
    if (m_executed) {
        Redo();
        if (m_rows)
            m_document.RestoreRows(m_rows->after, m_document.m_pScene->Root());
        return true;
    }
    std::vector<TextureEntry> before = m_document.m_textures;
    if (!Execute())
        return false;
    m_executed = true;
    if (before != m_document.m_textures)
        m_rows = RowsChange{std::move(before), m_document.m_textures};
    return true;
}

bool LevelCommand::Undo()
{
    Revert();
    if (m_rows)
        m_document.RestoreRows(m_rows->before, m_document.m_pScene->Root());
    return true;
}
