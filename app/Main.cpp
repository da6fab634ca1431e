#include <wx/wx.h>

// Start-up shell; the application object with its document template replaces this frame.
class TrelkanApp : public wxApp {
public:
    bool OnInit() override
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "Trelkan");
        frame->Show();
        return true;
    }
};

wxIMPLEMENT_APP(TrelkanApp);
