#pragma once

#include <wx/string.h>

class CStaticSplitter;
class wxAuiManager;
class wxConfigBase;
class wxTopLevelWindow;

// Where a window stood and how its panes were divided, kept in the settings between runs, each
// window under a group of its own.

// Saves the window's position, size and maximised state.
void SaveWindowGeometry(const wxTopLevelWindow& window, wxConfigBase& settings, const wxString& group);
// Gives the window the saved geometry; a position that no screen shows any more is left out.
// False when nothing was saved.
bool RestoreWindowGeometry(wxTopLevelWindow& window, wxConfigBase& settings, const wxString& group);

// Saves the shares of the splitter's rows and columns.
void SaveSplitterShares(const CStaticSplitter& splitter, wxConfigBase& settings, const wxString& group);
// Gives the splitter the saved shares; false, leaving it alone, unless all of them were saved.
bool RestoreSplitterShares(CStaticSplitter& splitter, wxConfigBase& settings, const wxString& group);

// Saves the docking layout: which panels show, where and how large.
void SaveDockingLayout(const wxAuiManager& manager, wxConfigBase& settings, const wxString& group);
// Gives the manager the saved layout; false, leaving it alone, when none was saved. A panel the
// saved layout does not know (one newer than the layout) stays as it is.
bool RestoreDockingLayout(wxAuiManager& manager, wxConfigBase& settings, const wxString& group);
