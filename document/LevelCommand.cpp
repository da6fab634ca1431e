#include "document/LevelCommand.h"

#include "document/CLevelMapDoc.h"
#include "level/LevelScene.h"

LevelCommand::LevelCommand(CLevelMapDoc& document, const wxString& name)
    : HistoryStep(name), m_document(document)
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
        RestoreRows(true);
        return true;
    }
    const std::vector<TextureEntry> before = m_document.m_textures;
    if (!Execute())
        return false;
    m_executed = true;
    m_rows = RowChanges::Between(before, m_document.m_textures);
    return true;
}

bool LevelCommand::Undo()
{
    Revert();
    RestoreRows(false);
    return true;
}

void LevelCommand::RestoreRows(bool after)
{
    if (!m_rows.rows.empty())
        m_document.RestoreRows(m_rows, after, m_document.m_pScene->Root());
}
