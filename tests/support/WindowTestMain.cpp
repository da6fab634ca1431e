#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/init.h>

// The window tests run inside a toolkit application without a main loop of their own: each
// test creates its windows and pumps the events it needs (WindowTestSupport.h).
namespace {

class WindowTestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests (as the build does to register them) needs no display.
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    wxApp::SetInstance(new WindowTestApp);
    if (!wxEntryStart(argc, argv))
        return 2;
    wxTheApp->CallOnInit();
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
