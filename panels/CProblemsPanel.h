#pragma once

#include <array>

#include <functional>
#include <vector>

#include <wx/listctrl.h>
#include <wx/timer.h>

#include "checks/Problem.h"

class CLevelMapDoc;
class CSGNode;

// The Problems panel: the open level's problems (severity, message, place), checked again on
// idle after a change, never while a gesture runs and at most twice a second, so that typing
// and dragging stay smooth. A click on a row selects its objects, a double-click also zooms to
// them; a row's context menu offers its plain fix, if it has one. The list is virtual: it asks
// for the rows it shows, so a hundred thousand problems cost what thirty do.
class CProblemsPanel : public wxListCtrl {
public:
    static constexpr int RECHECK_MILLISECONDS = 500;
    // Pixels beside the severity icon: fewer than the list needs after an icon to begin a text,
    // so that the row's word, kept as its text for whatever reads the list, is not drawn.
    static constexpr int ICON_PADDING = 12;

    CProblemsPanel(wxWindow* parent, CLevelMapDoc& document);

    // Checks again at the next chance: the level was replaced (New, Open).
    void LevelReplaced() { m_checkedChange = ~0ul; }
    // Checks now when the level changed since the last check and the time has come; the frame
    // calls it on idle, also while the panel is hidden, since the status bar shows the count.
    void CheckWhenDue();
    const std::vector<Problem>& Problems() const { return m_problems; }

    // After each check: the problems found.
    std::function<void(const std::vector<Problem>&)> m_onChecked;
    // After a click on a row: the objects it selected, and whether to zoom to them.
    std::function<void(const std::vector<CSGNode*>&, bool zoom)> m_onSelected;

private:
    void Check();
    void ShowProblems();
    wxString OnGetItemText(long row, long column) const override;
    int OnGetItemColumnImage(long row, long column) const override;
    void OnRowSelected(wxListEvent& event) { SelectRow(event.GetIndex(), false); }
    void OnRowActivated(wxListEvent& event) { SelectRow(event.GetIndex(), true); }
    void OnRowMenu(wxListEvent& event);
    void SelectRow(long row, bool zoom);
    // The problem of a row, checked again first when the level changed since the list was made
    // (the list's objects may be gone): then the same problem in the new list, if it is still there.
    const Problem* CurrentProblem(long row);
    // The row's objects as the document's selection holds them: the game settings stand for
    // the start, which the marker shows; nodes outside the level (textures) are left out.
    std::vector<CSGNode*> SelectableNodes(const Problem& problem) const;

    void AddSeverityIcons();
    void FitSeverityColumn();
    // Over a row's icon the tooltip names its severity.
    void OnPointerMove(wxMouseEvent& event);
    // The severity word of the row whose icon lies under the point (in the rows' window), or
    // nothing.
    wxString SeverityWordAt(const wxPoint& point) const;
    void ShowSeverityTip(const wxString& word);
    static std::array<wxString, 3> SeverityWords();

    CLevelMapDoc& m_document;
    // The severities' icons (error, warning, info), owned by the list; null without them.
    wxImageList* m_icons = nullptr;
    std::vector<Problem> m_problems;
    unsigned long m_checkedChange = ~0ul;
    wxLongLong m_lastCheck = 0;
    // Wakes the idle time when a change came too soon after the last check.
    wxTimer m_wake;
};
