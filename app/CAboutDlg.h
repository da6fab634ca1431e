#pragma once

#include <wx/dialog.h>

// The About box (dialog 100): icon, program name and version, OK.
class CAboutDlg : public wxDialog {
public:
    explicit CAboutDlg(wxWindow* parent);
};
