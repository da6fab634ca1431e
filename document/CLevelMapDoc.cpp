#include "document/CLevelMapDoc.h"

#include <algorithm>
#include <string>

#include "checks/LevelCheck.h"
#include "checks/LevelChecks.h"
#include "document/MappingEditors.h"
#include "document/NodeListCommand.h"
#include "document/ObjectNames.h"
#include "document/SelectionSteps.h"
#include "framework/CCommandProcessor.h"
#include "framework/CView.h"
#include "framework/MessageBox.h"
#include "level/GameSettingsNode.h"
#include "level/LevelFile.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/LevelObject.h"
#include "level/LevelScene.h"
#include "level/StartPositionNode.h"
#include "level/TexturesNode.h"
#include "level/Wall.h"
#include "scenegraph/NodeType.h"

namespace {

std::string FileSystemPath(const wxString& path)
{
    return std::string(path.fn_str());
}

// The start position as the game settings carry it; saving copies the marker in.
struct StartSettings {
    float x, y, z, angle;

    static StartSettings Of(const GameSettingsNode& settings)
    {
        return {settings.SnakeInitialPosX, settings.SnakeInitialPosY, settings.SnakeInitialPosZ,
                settings.SnakeInitialOrientationAngle};
    }
    void StoreIn(GameSettingsNode& settings) const
    {
        settings.SnakeInitialPosX = x;
        settings.SnakeInitialPosY = y;
        settings.SnakeInitialPosZ = z;
        settings.SnakeInitialOrientationAngle = angle;
    }
};

} // namespace

CLevelMapDoc::CLevelMapDoc() = default;

CLevelMapDoc::~CLevelMapDoc() = default;

bool CLevelMapDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    auto scene = std::make_unique<LevelScene>();
    scene->m_pLevelGroup = new LevelGroupNode;
    scene->Root().AppendChild(scene->m_pLevelGroup);
    scene->m_pFloor = new LevelFloor;
    scene->m_pLevelGroup->AppendChild(scene->m_pFloor);
    m_textures.push_back({NO_TEXTURE_PATH, 1}); // the floor's reference to row 0
    m_texturesToLoad.push_back(0);
    scene->m_pTextures = new TexturesNode;
    scene->Root().PrependChild(scene->m_pTextures);
    scene->m_pGameSettings = new GameSettingsNode;
    scene->Root().PrependChild(scene->m_pGameSettings);
    m_pStartMarker = new StartPositionNode(0.0f, 0.0f, 0.0f, 0.0f);
    scene->m_pLevelGroup->PrependChild(m_pStartMarker);
    m_pScene = std::move(scene);
    m_bTexturesDirty = true;
    return true;
}

bool CLevelMapDoc::DeleteContents()
{
    CancelGesture();
    if (m_onClean)
        m_onClean();
    m_selection.Clear();
    m_pStartMarker = nullptr;
    if (m_pScene) {
        CloseAllMappingEditors();
        // A sky box deletes its textures, which live in the preview's context.
        MakePreviewContextCurrent();
        m_pScene->Reset();
        m_pScene.reset();
    }
    // The sphere-map texture is not deleted here: the document has no OpenGL context of its
    // own, and whichever context is current may not be the preview's. It stays with the
    // preview, which reuses it for the next level and deletes it when it goes away.
    ClearTable();
    m_openedNotes.Clear();
    return CDocument::DeleteContents();
}

bool CLevelMapDoc::OnOpenDocument(const wxString& path)
{
    std::string error;
    // Stamped before it is read: a change in between shows as a change at the next Save.
    const FileStamp stamp = FileStamp::Of(FileSystemPath(path));
    SourceNotes notes;
    std::unique_ptr<LevelScene> scene = ReadLevelFile(FileSystemPath(path), error, {&notes});
    if (!scene) {
        ShowFileErrorBox(path, _("could not be opened"), wxString::FromUTF8(error));
        return false;
    }
    // Only now, with the new level complete, does the current one go.
    if (!CDocument::OnOpenDocument(path))
        return false;
    InstallScene(std::move(scene));
    WithFileForm([&] {
        m_openedNotes.Keep(notes, m_pScene->Root());
        return true;
    });
    RememberFile(stamp);
    return true;
}

void CLevelMapDoc::InstallScene(std::unique_ptr<LevelScene> scene)
{
    AdoptImageList(*scene->m_pTextures, scene->Root());
    StartSettings start = StartSettings::Of(*scene->m_pGameSettings);
    m_pStartMarker = new StartPositionNode(start.x, start.y, start.z, start.angle);
    scene->m_pLevelGroup->PrependChild(m_pStartMarker);
    m_pScene = std::move(scene);
}

bool CLevelMapDoc::OnSaveDocument(const wxString& path)
{
    std::string error, warning;
    if (!WriteCopy(path, error, &warning)) {
        ShowFileErrorBox(path, _("could not be saved"), wxString::FromUTF8(error));
        return false;
    }
    if (!warning.empty())
        ShowMessageBox(wxString::Format(_("\"%s\" was saved, but %s."), path, wxString::FromUTF8(warning)), wxString(),
                       wxOK | wxICON_WARNING);
    RememberFile(FileStamp::Of(FileSystemPath(path)));
    SetModifiedFlag(false);
    SayErrorsSaved();
    return true;
}

void CLevelMapDoc::SayErrorsSaved() const
{
    // Saving a level with errors is allowed; the game may still load it, but the designer hears of them.
    const std::vector<Problem> problems = CheckProblems();
    const auto errors = std::count_if(problems.begin(), problems.end(),
                                      [](const Problem& problem) { return problem.severity == Severity::Error; });
    const std::vector<CView*> views = GetViewList();
    if (errors > 0 && !views.empty())
        views.front()->SetStatusText(
            wxString::Format(wxPLURAL("Saved with %ld error", "Saved with %ld errors", errors), long(errors)));
}

bool CLevelMapDoc::WriteCopy(const wxString& path, std::string& error, std::string* warning)
{
    if (!m_pScene) {
        error = "there is no level";
        return false;
    }
    return WithFileForm([&] { return WriteLevelFile(m_pScene->Root(), FileSystemPath(path), error, warning); });
}

std::vector<Problem> CLevelMapDoc::CheckProblems() const
{
    std::vector<Problem> problems;
    if (m_pScene)
        WithFileForm([&] {
            const SourceNotes notes = m_openedNotes.Current(m_pScene->Root());
            // A free row keeps its number with an empty path: no image is missing there.
            problems = CheckLevel(*m_pScene, &notes, [this](const std::string& path) {
                return path.empty() ? std::string() : m_imageChecks(path);
            });
            return true;
        });
    return problems;
}

bool CLevelMapDoc::WithFileForm(const std::function<bool()>& use) const
{
    GameSettingsNode& settings = *m_pScene->m_pGameSettings;
    const StartSettings before = StartSettings::Of(settings);
    StartSettings{m_pStartMarker->x, m_pStartMarker->y, m_pStartMarker->z, m_pStartMarker->angle}.StoreIn(settings);
    // Rows 1..N in order, free rows as empty paths, so that later rows keep their numbers.
    std::vector<std::string>& names = m_pScene->m_pTextures->m_names;
    for (size_t row = 1; row < m_textures.size(); ++row)
        names.push_back(m_textures[row].path);
    const bool done = use();
    names.clear();
    if (!done)
        before.StoreIn(settings);
    return done;
}

void CLevelMapDoc::Modify(bool modified)
{
    CDocument::Modify(modified);
    // Saved, or undone back to the saved level: a copy kept now would only bring undone
    // changes back after a crash.
    if (!modified && m_onClean)
        m_onClean();
}

void CLevelMapDoc::OnChangeFilename(bool notifyViews)
{
    CDocument::OnChangeFilename(notifyViews);
    if (m_onFileName)
        m_onFileName();
}

void CLevelMapDoc::OnHistoryChanged()
{
    ++m_changeCount;
    RefreshMappingEditors();
    CDocument::OnHistoryChanged();
}

bool CLevelMapDoc::CommitPendingEdits()
{
    if (!CDocument::CommitPendingEdits())
        return false;
    CommitMappingEditors();
    return true;
}

bool CLevelMapDoc::Submit(wxCommand* command)
{
    if (GetHistory()->Submit(command))
        return true;
    UpdateAllViews();
    return false;
}

std::vector<CSGNode*> CLevelMapDoc::DeletableSelection() const
{
    std::vector<CSGNode*> nodes;
    for (CSGNode* node : m_selection.Nodes()) {
        const int type = node->GetType();
        if (type != LEVEL_FLOOR_NODE && type != START_POSITION_NODE)
            nodes.push_back(node);
    }
    return nodes;
}

bool CLevelMapDoc::CanDeleteSelection() const
{
    return m_pScene && !DeletableSelection().empty();
}

void CLevelMapDoc::OnDelete()
{
    CancelGesture();
    const std::vector<CSGNode*> nodes = DeletableSelection();
    if (m_pScene && !nodes.empty())
        Submit(NodeListCommand::Removing(*this, wxString::Format(_("Delete %s"), ObjectsName(nodes)), nodes));
}

void CLevelMapDoc::SelectAllObjects()
{
    std::vector<CSGNode*> nodes;
    if (m_pScene)
        ForEachNode(*m_pScene->m_pLevelGroup, [&nodes](CSGNode& node) {
            if (node.GetType() == WALL_NODE || IsItemType(node.GetType()))
                nodes.push_back(&node);
        });
    m_selection.Set(nodes);
}
