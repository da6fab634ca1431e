#include "app/CProblemsPanel.h"

#include <wx/app.h>
#include <wx/time.h>

#include "checks/CheckedLevel.h"
#include "document/CLevelMapDoc.h"
#include "level/GameSettingsNode.h"
#include "level/LevelObject.h"
#include "level/LevelScene.h"
#include "level/StartPositionNode.h"

namespace {

enum Column { SEVERITY, MESSAGE, PLACE };

struct ColumnInfo {
    const char* title;
    int width;
};

const ColumnInfo COLUMNS[] = {{wxTRANSLATE("Severity"), 80}, {wxTRANSLATE("Message"), 520}, {wxTRANSLATE("Place"), 120}};

} // namespace

CProblemsPanel::CProblemsPanel(wxWindow* parent, CLevelMapDoc& document)
    : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxLC_REPORT | wxLC_SINGLE_SEL),
      m_document(document)
{
    for (const ColumnInfo& column : COLUMNS)
        AppendColumn(wxGetTranslation(column.title), wxLIST_FORMAT_LEFT, FromDIP(column.width));
    Bind(wxEVT_LIST_ITEM_SELECTED, &CProblemsPanel::OnRowSelected, this);
    Bind(wxEVT_TIMER, [](wxTimerEvent&) { wxWakeUpIdle(); });
    m_wake.SetOwner(this);
}

void CProblemsPanel::CheckWhenDue()
{
    if (m_document.m_changeCount == m_checkedChange || m_document.GestureRunning())
        return;
    const long wait = RECHECK_MILLISECONDS - (wxGetLocalTimeMillis() - m_lastCheck).ToLong();
    if (wait > 0) {
        if (!m_wake.IsRunning())
            m_wake.StartOnce(static_cast<int>(wait));
        return;
    }
    Check();
}

void CProblemsPanel::Check()
{
    m_checkedChange = m_document.m_changeCount;
    m_lastCheck = wxGetLocalTimeMillis();
    m_problems = m_document.CheckProblems();
    ShowProblems();
    if (m_onChecked)
        m_onChecked(m_problems);
}

void CProblemsPanel::ShowProblems()
{
    Freeze();
    DeleteAllItems();
    for (const Problem& problem : m_problems) {
        const long row = InsertItem(GetItemCount(), problem.severity == Severity::Error ? _("Error") : _("Warning"));
        SetItem(row, MESSAGE, wxString::FromUTF8(problem.message));
        const std::vector<CSGNode*> nodes = SelectableNodes(problem);
        if (const auto* object = nodes.empty() ? nullptr : dynamic_cast<const LevelObject*>(nodes.front()))
            SetItem(row, PLACE, CheckedLevel::Place(object->x, object->z));
    }
    Thaw();
}

std::vector<CSGNode*> CProblemsPanel::SelectableNodes(const Problem& problem) const
{
    std::vector<CSGNode*> nodes;
    if (!m_document.m_pScene)
        return nodes;
    const LevelScene& scene = *m_document.m_pScene;
    for (const CSGNode* node : problem.nodes) {
        if (node == scene.m_pGameSettings)
            nodes.push_back(m_document.m_pStartMarker);
        else if (dynamic_cast<const LevelObject*>(node))
            // The problem's nodes are the document's own; the check only had no need to change them.
            nodes.push_back(const_cast<CSGNode*>(node));
    }
    return nodes;
}

void CProblemsPanel::OnRowSelected(wxListEvent& event)
{
    const long row = event.GetIndex();
    if (row < 0 || static_cast<size_t>(row) >= m_problems.size())
        return;
    const std::vector<CSGNode*> nodes = SelectableNodes(m_problems[static_cast<size_t>(row)]);
    if (nodes.empty())
        return;
    m_document.m_selection.Set(nodes);
    m_document.UpdateAllViews();
    if (m_onSelected)
        m_onSelected(nodes);
}
