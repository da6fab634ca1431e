#include "panels/CProblemsPanel.h"

#include <algorithm>
#include <array>
#include <cstring>

#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/imaglist.h>
#include <wx/menu.h>
#include <wx/time.h>

#include "checks/ShownNumber.h"
#include "document/CLevelMapDoc.h"
#include "document/QuickFixSteps.h"
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

// The severity column shows its icons alone, without a title to cut.
const ColumnInfo COLUMNS[] = {{"", 80}, {wxTRANSLATE("Message"), 520}, {wxTRANSLATE("Place"), 120}};

} // namespace

CProblemsPanel::CProblemsPanel(wxWindow* parent, CLevelMapDoc& document)
    : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_VIRTUAL),
      m_document(document)
{
    for (const ColumnInfo& column : COLUMNS)
        AppendColumn(*column.title ? wxGetTranslation(column.title) : wxString(), wxLIST_FORMAT_LEFT,
                     FromDIP(column.width));
    AddSeverityIcons();
    FitSeverityColumn();
    // The message takes the room the other columns leave.
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        event.Skip();
        const int rest = GetClientSize().x - GetColumnWidth(SEVERITY) - GetColumnWidth(PLACE);
        SetColumnWidth(MESSAGE, std::max(rest, FromDIP(COLUMNS[MESSAGE].width) / 2));
    });
    // The list hands the pointer's events in its rows to itself, in the rows' coordinates.
    Bind(wxEVT_MOTION, &CProblemsPanel::OnPointerMove, this);
    Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent& event) {
        event.Skip();
        ShowSeverityTip(wxString());
    });
    Bind(wxEVT_LIST_ITEM_SELECTED, &CProblemsPanel::OnRowSelected, this);
    Bind(wxEVT_LIST_ITEM_ACTIVATED, &CProblemsPanel::OnRowActivated, this);
    Bind(wxEVT_LIST_ITEM_RIGHT_CLICK, &CProblemsPanel::OnRowMenu, this);
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
    SetItemCount(static_cast<long>(m_problems.size()));
    Refresh();
}

wxString CProblemsPanel::OnGetItemText(long row, long column) const
{
    if (row < 0 || static_cast<size_t>(row) >= m_problems.size())
        return wxString();
    const Problem& problem = m_problems[static_cast<size_t>(row)];
    switch (column) {
    case SEVERITY:
        return SeverityWords()[static_cast<std::size_t>(problem.severity)];
    case MESSAGE:
        return wxString::FromUTF8(problem.message.Shown([](const char* english) {
            return std::string(wxGetTranslation(wxString::FromUTF8(english)).utf8_str());
        }));
    case PLACE: {
        const std::vector<CSGNode*> nodes = SelectableNodes(problem);
        const auto* object = nodes.empty() ? nullptr : dynamic_cast<const LevelObject*>(nodes.front());
        return object ? wxString(ShownPlace(object->x, object->z)) : wxString();
    }
    }
    return wxString();
}

int CProblemsPanel::OnGetItemColumnImage(long row, long column) const
{
    if (!m_icons || column != SEVERITY || row < 0 || static_cast<size_t>(row) >= m_problems.size())
        return -1;
    return static_cast<int>(m_problems[static_cast<size_t>(row)].severity);
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

const Problem* CProblemsPanel::CurrentProblem(long row)
{
    if (row < 0 || static_cast<size_t>(row) >= m_problems.size())
        return nullptr;
    if (m_document.m_changeCount == m_checkedChange)
        return &m_problems[static_cast<size_t>(row)];
    const Problem listed = m_problems[static_cast<size_t>(row)];
    Check();
    for (const Problem& problem : m_problems)
        if (std::strcmp(problem.id, listed.id) == 0 && problem.message.English() == listed.message.English())
            return &problem;
    return nullptr;
}

void CProblemsPanel::SelectRow(long row, bool zoom)
{
    const Problem* problem = CurrentProblem(row);
    const std::vector<CSGNode*> nodes = problem ? SelectableNodes(*problem) : std::vector<CSGNode*>();
    if (nodes.empty())
        return;
    m_document.m_selection.Set(nodes);
    m_document.UpdateAllViews();
    if (m_onSelected)
        m_onSelected(nodes, zoom);
}

void CProblemsPanel::OnRowMenu(wxListEvent& event)
{
    const Problem* problem = CurrentProblem(event.GetIndex());
    const std::optional<QuickFix> fix =
        problem && m_document.m_pScene ? QuickFixFor(*problem, *m_document.m_pScene) : std::nullopt;
    if (!fix)
        return;
    wxMenu menu;
    menu.Append(wxID_ANY, QuickFixLabel(*fix));
    menu.Bind(wxEVT_MENU, [this, fix](wxCommandEvent&) { ApplyQuickFix(m_document, *fix); });
    PopupMenu(&menu);
}

std::array<wxString, 3> CProblemsPanel::SeverityWords()
{
    return {_("Error"), _("Warning"), _("Info")};
}

void CProblemsPanel::FitSeverityColumn()
{
    if (m_icons) {
        int width = 0, height = 0;
        m_icons->GetSize(0, width, height);
        SetColumnWidth(SEVERITY, width + ICON_PADDING);
        return;
    }
    // Without icons the words show whole.
    int widest = 0;
    for (const wxString& word : SeverityWords())
        widest = std::max(widest, GetTextExtent(word).x);
    SetColumnWidth(SEVERITY, widest + FromDIP(16));
}

void CProblemsPanel::OnPointerMove(wxMouseEvent& event)
{
    event.Skip();
    ShowSeverityTip(SeverityWordAt(event.GetPosition()));
}

wxString CProblemsPanel::SeverityWordAt(const wxPoint& point) const
{
    int flags = 0;
    const long row = HitTest(point, flags);
    const wxPoint unscrolled = CalcUnscrolledPosition(point);
    if (row < 0 || static_cast<size_t>(row) >= m_problems.size() || unscrolled.x >= GetColumnWidth(SEVERITY))
        return wxString();
    return SeverityWords()[static_cast<std::size_t>(m_problems[static_cast<size_t>(row)].severity)];
}

void CProblemsPanel::ShowSeverityTip(const wxString& word)
{
    if (word == GetToolTipText())
        return;
    if (word.empty())
        UnsetToolTip();
    else
        SetToolTip(word);
}

void CProblemsPanel::AddSeverityIcons()
{
    // From the desktop's icon theme; without one the column's words still tell.
    const wxSize size = FromDIP(wxSize(16, 16));
    const wxBitmap error = wxArtProvider::GetBitmap(wxART_ERROR, wxART_LIST, size);
    const wxBitmap warning = wxArtProvider::GetBitmap(wxART_WARNING, wxART_LIST, size);
    const wxBitmap info = wxArtProvider::GetBitmap(wxART_INFORMATION, wxART_LIST, size);
    if (!error.IsOk() || !warning.IsOk() || !info.IsOk())
        return;
    // In the order of the severities.
    m_icons = new wxImageList(size.x, size.y);
    m_icons->Add(error);
    m_icons->Add(warning);
    m_icons->Add(info);
    AssignImageList(m_icons, wxIMAGE_LIST_SMALL);
}
