// Commands reach the active view, then the document, the frame and the application; views are
// told of changes; the idle hook asks for more idle time.
#include <wx/app.h>

#include "tests/framework/FrameworkFixture.h"
#include "tests/support/WindowTestApp.h"

namespace {

constexpr int ID_PROBE = 7001;

class CommandRoutingTest : public FrameworkTest {
protected:
    void SetUp() override
    {
        FrameworkTest::SetUp();
        document = NewDocument();
        ASSERT_NE(document, nullptr);
        ASSERT_TRUE(WaitUntilShown(*frame));
    }

    // Makes `handler` answer ID_PROBE by recording `name`.
    void Listen(wxEvtHandler& handler, const std::string& name)
    {
        handler.Bind(wxEVT_MENU, [this, name](wxCommandEvent&) { reached.push_back(name); }, ID_PROBE);
    }

public:
    void OnAppProbe(wxCommandEvent&) { reached.push_back("app"); }

protected:
    StepDocument* document = nullptr;
    std::vector<std::string> reached;
};

TEST_F(CommandRoutingTest, ActiveViewFirstThenDocumentFrameAndApplication)
{
    wxTheApp->Bind(wxEVT_MENU, &CommandRoutingTest::OnAppProbe, this, ID_PROBE);
    Command(ID_PROBE);
    Listen(*frame, "frame");
    Command(ID_PROBE);
    Listen(*document, "document");
    Command(ID_PROBE);
    Listen(*frame->left, "left");
    Listen(*frame->right, "right");
    manager->SetActiveView(frame->right);
    Command(ID_PROBE);
    manager->SetActiveView(frame->left);
    Command(ID_PROBE);
    wxTheApp->Unbind(wxEVT_MENU, &CommandRoutingTest::OnAppProbe, this, ID_PROBE);
    EXPECT_EQ(reached, (std::vector<std::string>{"app", "frame", "document", "right", "left"}));
}

TEST_F(CommandRoutingTest, ClickAndNextPaneKeyChooseTheActiveView)
{
    wxWindow* right = frame->right->GetWindow();
    ClickAt(*right, wxPoint(20, 20));
    EXPECT_TRUE(PumpUntil([&] { return frame->right->IsActive(); }, 2000));

    PressKey(WXK_F6);
    EXPECT_TRUE(PumpUntil([&] { return frame->left->IsActive(); }, 2000));
    PressKey(WXK_F6, wxMOD_SHIFT);
    EXPECT_TRUE(PumpUntil([&] { return frame->right->IsActive(); }, 2000));
}

TEST_F(CommandRoutingTest, UpdateAllViewsReachesEveryViewButTheSender)
{
    document->UpdateAllViews(nullptr);
    EXPECT_EQ(frame->left->updates, 2); // the initial update, then this one
    EXPECT_EQ(frame->right->updates, 2);

    document->UpdateAllViews(frame->left);
    EXPECT_EQ(frame->left->updates, 2);
    EXPECT_EQ(frame->right->updates, 3);
    EXPECT_EQ(frame->right->lastSender, frame->left);
    EXPECT_EQ(document->GetViewList(), (std::vector<CView*>{frame->left, frame->right}));
}

TEST_F(CommandRoutingTest, StatusTextOfAViewGoesToTheFramesMessagePane)
{
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0), "Ready");
    frame->right->SetStatusText("Dragging...");
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0), "Dragging...");
}

TEST(IdleHookTest, ATrueResultBringsFurtherIdleCallsWithoutInput)
{
    std::vector<long> counts;
    TestApp().idleHook = [&counts](long count) {
        counts.push_back(count);
        return true;
    };
    RunEventLoopFor(300);
    TestApp().idleHook = nullptr;
    ASSERT_GE(counts.size(), 5u);
    for (size_t i = 1; i < counts.size(); ++i)
        EXPECT_EQ(counts[i], counts[i - 1] + 1);
}

} // namespace
