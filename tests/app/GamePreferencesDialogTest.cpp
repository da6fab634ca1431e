// Edit > Preferences, Game page, with real clicks: each Browse button beside its field starts its
// chooser from what the field holds; a chosen path replaces the field's text, Cancel keeps it.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/textctrl.h>

#include "app/CGamePreferencesDialog.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WindowTestSupport.h"

namespace {

template <class Control>
std::vector<Control*> Controls(wxWindow& window)
{
    std::vector<Control*> found;
    for (wxWindow* child : window.GetChildren()) {
        if (auto* control = dynamic_cast<Control*>(child))
            found.push_back(control);
        const std::vector<Control*> below = Controls<Control>(*child);
        found.insert(found.end(), below.begin(), below.end());
    }
    std::sort(found.begin(), found.end(),
              [](const wxWindow* a, const wxWindow* b) { return a->GetScreenPosition().y < b->GetScreenPosition().y; });
    return found;
}

// Whether the button sits on the field's line, right of it.
bool Beside(const wxWindow& button, const wxWindow& field)
{
    const wxRect b = button.GetScreenRect(), f = field.GetScreenRect();
    const int middle = b.y + b.height / 2;
    return b.x >= f.GetRight() && f.y <= middle && middle <= f.GetBottom();
}

TEST(GamePreferencesDialog, BrowseStartsFromTheFieldAndTheChoiceReplacesItsText)
{
    TempFolder game;
    std::filesystem::create_directories(game.File("bin"));
    std::filesystem::create_directories(game.File("run"));
    WriteWholeFile(game.File("bin/snake"), "#!/bin/sh\n");
    enum Field { PROGRAM, FOLDER };
    const struct {
        Field button;
        wxString program, folder;        // as typed
        std::optional<wxString> answer; // nothing: Cancel
        wxString startFolder, defaultName;
    } cases[] = {
        {PROGRAM, game.File("bin/snake"), "", game.File("run/other"), game.File("bin"), "snake"},
        {PROGRAM, "snake", game.File("run"), std::nullopt, "", "snake"},
        {FOLDER, game.File("bin/snake"), game.File("run"), game.File("bin"), game.File("run"), ""},
        // Nothing typed, or a folder that is not there: the program's folder.
        {FOLDER, game.File("bin/snake"), "", game.File("run"), game.File("bin"), ""},
        {FOLDER, game.File("bin/snake"), game.File("gone"), std::nullopt, game.File("bin"), ""},
    };
    for (const auto& c : cases) {
        const wxString row = (c.button == PROGRAM ? "program " : "folder ") + c.program + " | " + c.folder;
        CGamePreferencesDialog dialog(nullptr, GameCommand{c.program, "--level %f", c.folder});
        dialog.Show();
        ASSERT_TRUE(WaitUntilShown(dialog)) << row;
        const std::vector<wxButton*> browse = [&] {
            std::vector<wxButton*> buttons = Controls<wxButton>(dialog);
            buttons.erase(std::remove_if(buttons.begin(), buttons.end(),
                                         [](const wxButton* b) { return b->GetLabel() != _("Browse..."); }),
                          buttons.end());
            return buttons;
        }();
        const std::vector<wxTextCtrl*> fields = Controls<wxTextCtrl>(dialog);
        ASSERT_EQ(browse.size(), 2u) << row;
        ASSERT_EQ(fields.size(), 3u) << row;
        EXPECT_TRUE(Beside(*browse[0], *fields[0])) << row;
        EXPECT_TRUE(Beside(*browse[1], *fields[2])) << row;

        FileDialogAnswerer dialogs;
        dialogs.answers = {c.answer};
        wxButton& button = *browse[c.button == PROGRAM ? 0 : 1];
        ClickAt(button, wxPoint(button.GetClientSize().x / 2, button.GetClientSize().y / 2));
        ASSERT_TRUE(PumpUntil([&] { return !dialogs.requests.empty(); })) << row;
        const FileDialogRequest& request = dialogs.requests.front();
        EXPECT_EQ(request.folder, c.button == FOLDER) << row;
        EXPECT_FALSE(request.save) << row;
        EXPECT_EQ(request.startFolder, c.startFolder) << row;
        EXPECT_EQ(request.defaultName, c.defaultName) << row;

        GameCommand expected{c.program, "--level %f", c.folder};
        if (c.answer)
            (c.button == PROGRAM ? expected.program : expected.folder) = *c.answer;
        const GameCommand now = dialog.Command();
        EXPECT_EQ(now.program, expected.program) << row;
        EXPECT_EQ(now.arguments, expected.arguments) << row;
        EXPECT_EQ(now.folder, expected.folder) << row;
    }
}

} // namespace
