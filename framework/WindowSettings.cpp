#include "framework/WindowSettings.h"

#include <vector>

#include <wx/aui/framemanager.h>
#include <wx/confbase.h>
#include <wx/toplevel.h>

#include "framework/CStaticSplitter.h"

namespace {

// The toolkit's own geometry fields (position, size, maximised and minimised state), each an
// entry of the group.
class GeometryEntries : public wxTopLevelWindow::GeometrySerializer {
public:
    GeometryEntries(wxConfigBase& settings, const wxString& group) : m_settings(settings), m_group(group) {}

    bool SaveField(const wxString& name, int value) const override
    {
        return m_settings.Write(m_group + "/" + name, value);
    }

    bool RestoreField(const wxString& name, int* value) override
    {
        return m_settings.Read(m_group + "/" + name, value);
    }

private:
    wxConfigBase& m_settings;
    wxString m_group;
};

wxString ShareKey(const wxString& group, const char* kind, int index)
{
    return wxString::Format("%s/%s%d", group, kind, index);
}

} // namespace

void SaveWindowGeometry(const wxTopLevelWindow& window, wxConfigBase& settings, const wxString& group)
{
    window.SaveGeometry(GeometryEntries(settings, group));
}

bool RestoreWindowGeometry(wxTopLevelWindow& window, wxConfigBase& settings, const wxString& group)
{
    GeometryEntries entries(settings, group);
    return window.RestoreToGeometry(entries);
}

void SaveSplitterShares(const CStaticSplitter& splitter, wxConfigBase& settings, const wxString& group)
{
    for (int row = 0; row < splitter.GetRowCount(); ++row)
        settings.Write(ShareKey(group, "Row", row), splitter.GetRowInfo(row).share);
    for (int column = 0; column < splitter.GetColumnCount(); ++column)
        settings.Write(ShareKey(group, "Column", column), splitter.GetColumnInfo(column).share);
}

bool RestoreSplitterShares(CStaticSplitter& splitter, wxConfigBase& settings, const wxString& group)
{
    // Each share saved for `count` tracks of one kind, or nothing when one is missing or not
    // positive.
    auto readShares = [&](const char* kind, int count) {
        std::vector<double> shares(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            double& share = shares[static_cast<size_t>(i)];
            if (!settings.Read(ShareKey(group, kind, i), &share) || !(share > 0.0))
                return std::vector<double>();
        }
        return shares;
    };
    const std::vector<double> rows = readShares("Row", splitter.GetRowCount());
    const std::vector<double> columns = readShares("Column", splitter.GetColumnCount());
    if (rows.empty() || columns.empty())
        return false;
    for (int row = 0; row < splitter.GetRowCount(); ++row)
        splitter.SetRowInfo(row, rows[static_cast<size_t>(row)], splitter.GetRowInfo(row).minimum);
    for (int column = 0; column < splitter.GetColumnCount(); ++column)
        splitter.SetColumnInfo(column, columns[static_cast<size_t>(column)],
                               splitter.GetColumnInfo(column).minimum);
    splitter.RecalcLayout();
    return true;
}

void SaveDockingLayout(const wxAuiManager& manager, wxConfigBase& settings, const wxString& group)
{
    // The toolkit's SavePerspective is not const, though it changes nothing.
    settings.Write(group + "/Perspective", const_cast<wxAuiManager&>(manager).SavePerspective());
}

bool RestoreDockingLayout(wxAuiManager& manager, wxConfigBase& settings, const wxString& group)
{
    wxString perspective;
    if (!settings.Read(group + "/Perspective", &perspective))
        return false;
    // The toolkit hides a panel that the saved layout does not name; a panel newer than the
    // layout keeps the place and state it has without one, as on a first run.
    const wxAuiPaneInfoArray before = manager.GetAllPanes();
    if (!manager.LoadPerspective(perspective, false))
        return false;
    for (std::size_t i = 0; i < before.GetCount(); ++i)
        if (!perspective.Contains("name=" + before[i].name + ";"))
            manager.GetPane(before[i].name) = before[i];
    manager.Update();
    return true;
}
