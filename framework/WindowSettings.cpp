#include "framework/WindowSettings.h"

#include <vector>

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
    std::vector<double> rows(static_cast<size_t>(splitter.GetRowCount()));
    std::vector<double> columns(static_cast<size_t>(splitter.GetColumnCount()));
    bool complete = true;
    for (size_t i = 0; i < rows.size(); ++i)
        complete = complete && settings.Read(ShareKey(group, "Row", int(i)), &rows[i]) && rows[i] > 0.0;
    for (size_t i = 0; i < columns.size(); ++i)
        complete = complete && settings.Read(ShareKey(group, "Column", int(i)), &columns[i]) &&
                   columns[i] > 0.0;
    if (!complete)
        return false;
    for (size_t i = 0; i < rows.size(); ++i)
        splitter.SetRowInfo(int(i), rows[i], splitter.GetRowInfo(int(i)).minimum);
    for (size_t i = 0; i < columns.size(); ++i)
        splitter.SetColumnInfo(int(i), columns[i], splitter.GetColumnInfo(int(i)).minimum);
    splitter.RecalcLayout();
    return true;
}
