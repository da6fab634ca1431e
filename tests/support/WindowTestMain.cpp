// main() of the window tests: starts the toolkit on the X display with an application object
// of the framework, runs every test and shuts the toolkit down again.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/init.h>
#include <wx/log.h>

#include "tests/support/WindowTestApp.h"

namespace {

// A failed toolkit assertion fails the running test instead of showing a dialog.
void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg)
{
    ADD_FAILURE() << "wxWidgets assertion " << cond << " failed in " << func << " (" << file << ":"
                  << line << "): " << msg;
}

} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests (at build time, perhaps without a display) needs no toolkit.
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();

    // The settings and data of the program under test go to a folder of their own, never the user's.
    std::string configHome = (wxFileName::GetTempDir() + "/trelkan-config-XXXXXX").ToStdString();
    if (!mkdtemp(configHome.data()))
        return 1;
    setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
    setenv("XDG_DATA_HOME", configHome.c_str(), 1);
    setenv("XDG_CACHE_HOME", configHome.c_str(), 1);

    wxApp::SetInstance(new WindowTestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "The toolkit cannot start: is there an X display?\n");
        return 1;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxSetAssertHandler(FailOnAssert);

    int result = RUN_ALL_TESTS();

    wxTheApp->OnExit();
    wxEntryCleanup();
    wxFileName::Rmdir(configHome, wxPATH_RMDIR_RECURSIVE);
    return result;
}
