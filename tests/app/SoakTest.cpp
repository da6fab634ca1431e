// A random soak test with real input: weighted random clicks, drags, walls, items, pans, keys
// (some in the middle of a gesture), form edits with good and bad text (applied, abandoned with
// Escape or left typed for the next action), the texture dialog opened, clicked and ended each
// way, and mode switches,
// sent through the X test extension to the main window at its first-run size. After every
// action the texture table must agree with a recount and the selection must be in the level;
// at the end the level must survive saving and reloading byte for byte, and undoing every step
// must give the new level back. TRELKAN_SOAK_SEED replays a run, TRELKAN_SOAK_SECONDS sets its
// length and TRELKAN_SOAK_LOG=1 prints every event as it is sent.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <iterator>
#include <random>
#include <sstream>

#include "document/EditStates.h"
#include "forms/StepButton.h"
#include "framework/CCommandProcessor.h"
#include "level/LevelFloor.h"
#include "level/LevelObject.h"
#include "tests/forms/FormFixture.h"
#include "tests/views/ViewFixture.h"

namespace {

// A floor is also a level object: the mapping part of its values.
MappingValues MappingValuesOf(const TextureMapping& mapping)
{
    return Capture(mapping);
}

unsigned long EnvironmentNumber(const char* name, unsigned long otherwise)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoul(text, nullptr, 10) : otherwise;
}

struct KeyStroke {
    int code;
    int modifiers;
    const char* name;
};

// Keys that act on the level or the history, sent between gestures; the first
// GESTURE_KEY_COUNT are also sent in the middle of a gesture.
const KeyStroke LEVEL_KEYS[] = {
    {WXK_ESCAPE, 0, "Escape"},     {'Z', wxMOD_CONTROL, "Ctrl+Z"}, {'Y', wxMOD_CONTROL, "Ctrl+Y"},
    {WXK_DELETE, 0, "Delete"},     {'X', wxMOD_CONTROL, "Ctrl+X"}, {'V', wxMOD_CONTROL, "Ctrl+V"},
    {'C', wxMOD_CONTROL, "Ctrl+C"}, {WXK_LEFT, 0, "Left"},         {WXK_RIGHT, 0, "Right"},
    {WXK_UP, wxMOD_SHIFT, "Shift+Up"}, {WXK_DOWN, 0, "Down"},
};
const int GESTURE_KEY_COUNT = 6;

const int SELECTION_FIELDS[] = {IDC_POSITION_X, IDC_POSITION_Z,    IDC_ROTATION_ANGLE,    IDC_SELECTION_WIDTH,
                                IDC_SELECTION_DEPTH, IDC_RESPAWN_TIME, IDC_TTL_BEFORE_PICKED, IDC_AMOUNT};
const int LEVEL_FIELDS[] = {IDC_LEVEL_WIDTH,    IDC_LEVEL_HEIGHT,   IDC_NORMAL_ITEMS,
                            IDC_TURNING_ANGLE, IDC_INITIAL_LENGTH, IDC_INITIAL_VELOCITY};
// Good numbers and the text a hurried or Italian user types.
const char* const FIELD_TEXTS[] = {"3", "12", "7.5", "-45", "0", "-2", "abc", "1,5", "5x", ""};

class SoakTest : public FormTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp(); // the window keeps its first-run size, unlike the other form tests
        ASSERT_FALSE(HasFatalFailure());
        edit = frame->m_pEditView;
        ASSERT_TRUE(WaitUntilShown(*edit->GetCanvas()) && WaitUntilShown(*frame->m_p3DView->GetCanvas()));
    }

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(random); }
    template <class T, std::size_t N> const T& AnyOf(const T (&table)[N]) { return table[Uniform(0, static_cast<int>(N) - 1)]; }

    // --- real input; every event is counted and kept for the failure message ---
    void Log(const std::string& line)
    {
        recent.push_back(line);
        if (recent.size() > 40)
            recent.pop_front();
        if (printEvents) {
            std::printf("soak: %s\n", line.c_str());
            std::fflush(stdout);
        }
    }
    void Note(const std::string& event)
    {
        ++events;
        Log(event);
    }
    void MoveTo(wxWindow& canvas, const wxPoint& client)
    {
        const wxSize size = canvas.GetClientSize();
        at = wxPoint(std::clamp(client.x, 3, size.x - 4), std::clamp(client.y, 3, size.y - 4));
        Note("move " + std::string(&canvas == edit->GetCanvas() ? "edit" : "preview") + " (" +
             std::to_string(at.x) + ", " + std::to_string(at.y) + ")");
        m_input.MouseMove(canvas.ClientToScreen(at));
        PumpFor(15);
    }
    void Button(int button, bool down)
    {
        Note(std::string(down ? "press " : "release ") + std::to_string(button));
        down ? m_input.MouseDown(button) : m_input.MouseUp(button);
        PumpFor(25);
    }
    void Key(const KeyStroke& key)
    {
        Note(std::string("key ") + key.name);
        m_input.KeyDown(key.code, key.modifiers);
        m_input.KeyUp(key.code, key.modifiers);
        PumpFor(20);
    }
    // Opens the menu `menu` places right of File (left when negative) with the keyboard and
    // chooses its item `item`.
    void ChooseMenu(int menu, int item)
    {
        Key({'F', wxMOD_ALT, "Alt+F"});
        for (int i = 0; i < std::abs(menu); ++i)
            Key(menu > 0 ? KeyStroke{WXK_RIGHT, 0, "Right"} : KeyStroke{WXK_LEFT, 0, "Left"});
        for (int i = 0; i < item; ++i)
            Key({WXK_DOWN, 0, "Down"});
        Key({WXK_RETURN, 0, "Return"});
        Settle();
    }

    // A pixel of the edit view: half the time on a level object, to hit something.
    wxPoint EditTarget()
    {
        const auto& children = document->m_pScene->m_pLevelGroup->Children();
        if (Chance(0.5) && !children.empty())
            if (auto* object = dynamic_cast<LevelObject*>(
                    std::next(children.begin(), Uniform(0, static_cast<int>(children.size()) - 1))->get()))
                return EditViewPixel(*edit, object->x, object->z);
        const wxSize size = edit->GetCanvas()->GetClientSize();
        return wxPoint(Uniform(0, size.x), Uniform(0, size.y));
    }

    // Press, a few moves, release; now and then a key between two moves.
    void Gesture(int button)
    {
        wxWindow& canvas = *edit->GetCanvas();
        MoveTo(canvas, EditTarget());
        Button(button, true);
        const int moves = Uniform(1, 5);
        const int keyAt = Chance(0.4) ? Uniform(0, moves) : -1;
        for (int i = 0; i <= moves; ++i) {
            if (i == keyAt)
                Key(LEVEL_KEYS[Uniform(0, GESTURE_KEY_COUNT - 1)]);
            if (i < moves)
                MoveTo(canvas, at + wxPoint(Uniform(-90, 90), Uniform(-90, 90)));
        }
        Button(button, false);
    }

    void ClickEdit()
    {
        MoveTo(*edit->GetCanvas(), EditTarget());
        Button(wxMOUSE_BTN_LEFT, true);
        Button(wxMOUSE_BTN_LEFT, false);
    }
    void ClickPreview()
    {
        wxWindow& canvas = *frame->m_p3DView->GetCanvas();
        MoveTo(canvas, wxPoint(Uniform(0, canvas.GetClientSize().x), Uniform(0, canvas.GetClientSize().y)));
        Button(wxMOUSE_BTN_LEFT, true);
        Button(wxMOUSE_BTN_LEFT, false);
    }
    // A left-button gesture in `mode`, chosen first from the Options menu when needed.
    void GestureIn(short mode)
    {
        if (edit->m_mode != mode)
            ChooseMenu(-2, mode == CEditGLView::MODE_SELECT ? 0 : 1);
        Gesture(wxMOUSE_BTN_LEFT);
    }
    void Drag() { GestureIn(CEditGLView::MODE_SELECT); }
    void DrawWall() { GestureIn(CEditGLView::MODE_CREATE_WALL); }
    void Pan() { Gesture(wxMOUSE_BTN_MIDDLE); }
    void InsertItem()
    {
        ChooseMenu(3, 0); // Insert > Special item
        ClickEdit();
    }
    void SwitchMode() { ChooseMenu(-2, Uniform(0, 1)); } // Options > Select or Create Wall
    void PressLevelKey()
    {
        MoveTo(*edit->GetCanvas(), EditTarget()); // the keys go where the pointer is
        Key(AnyOf(LEVEL_KEYS));
    }
    // Types into a field of one of the forms, then applies with the button or Enter, abandons
    // it with Escape, or leaves it typed for whatever comes next.
    void EditForm()
    {
        const bool selection = Chance(0.5);
        wxWindow& form = selection ? SelectionForm() : LevelForm();
        wxWindow* field = form.FindWindow(selection ? AnyOf(SELECTION_FIELDS) : AnyOf(LEVEL_FIELDS));
        if (!field || !field->IsShownOnScreen() || !field->IsEnabled())
            return;
        const char* text = AnyOf(FIELD_TEXTS);
        Note("type \"" + std::string(text) + "\" into field " + std::to_string(field->GetId()));
        Type(form, field->GetId(), text);
        switch (Uniform(0, 3)) {
        case 0:
            Note("click Apply");
            Click(form, IDC_APPLY);
            break;
        case 1:
            Key({WXK_RETURN, 0, "Return"});
            break;
        case 2:
            Key({WXK_ESCAPE, 0, "Escape"});
            break;
        default:
            Note("leave the text typed");
        }
    }

    // Opens the floor's texture dialog, clicks its arrows and ends it with Cancel, Escape or OK:
    // all but OK put the mapping back.
    void TextureDialog()
    {
        Note("click Texture properties...");
        Click(LevelForm(), IDC_TEXTURE_PROPERTIES);
        const std::vector<CTexturePropertiesDgl*> dialogs = TextureDialogs();
        if (dialogs.empty())
            return;
        CTexturePropertiesDgl& dialog = *dialogs.back();
        const LevelFloor& floor = *document->m_pScene->m_pFloor;
        const MappingValues before = MappingValuesOf(floor);
        const int spins[] = {IDC_TEX_TX_SPIN, IDC_TEX_TY_SPIN, IDC_TEX_SCALE_X_SPIN, IDC_TEX_SCALE_Y_SPIN,
                             IDC_TEX_ROTATION_SPIN};
        for (int click = Uniform(1, 5); click > 0; --click) {
            const wxRect arrows = FindControl<StepButton>(dialog, AnyOf(spins))->GetScreenRect();
            const bool up = Chance(0.5);
            Note(std::string("click a spin ") + (up ? "up" : "down"));
            m_input.MouseMove(arrows.x + arrows.width / 2, arrows.y + arrows.height * (up ? 1 : 3) / 4);
            PumpFor(15);
            m_input.MouseClick();
            PumpFor(60); // apart from the next click, which would be a double click
        }
        const int ending = Uniform(0, 2);
        if (ending == 0) {
            Key({WXK_ESCAPE, 0, "Escape"});
        } else {
            const wxRect button = FindControl<wxButton>(dialog, ending == 1 ? IDC_CANCEL : IDC_OK)->GetScreenRect();
            Note(ending == 1 ? "click Cancel" : "click OK");
            m_input.MouseMove(button.GetPosition() + wxPoint(5, 5));
            PumpFor(15);
            m_input.MouseClick();
        }
        Settle();
        if (ending != 2)
            dialogCancelled = dialogCancelled && SameState(MappingValuesOf(floor), before);
    }

    // The table's counts as a recount of the level's floors and walls finds them.
    std::vector<int> RecountedTextureUsers() const
    {
        TextureTable recount;
        for (const TextureEntry& row : document->m_textures)
            recount.m_textures.push_back({row.path, 0});
        recount.CountTextureReferences(document->m_pScene->Root());
        std::vector<int> users;
        for (const TextureEntry& row : recount.m_textures)
            users.push_back(row.refCount);
        return users;
    }
    std::vector<int> TextureUsers() const
    {
        std::vector<int> users;
        for (const TextureEntry& row : document->m_textures)
            users.push_back(row.refCount);
        return users;
    }
    bool SelectionInLevel() const
    {
        std::size_t found = 0;
        ForEachNode(document->m_pScene->Root(), [&](CSGNode& node) { found += document->m_selection.Contains(&node); });
        return found == document->m_selection.Size();
    }

    // The level as the document writes it now.
    std::string Written(CLevelMapDoc& level, const std::string& name)
    {
        std::string error;
        EXPECT_TRUE(level.WriteCopy(folder.File(name), error)) << error;
        return ReadWholeFile(folder.File(name));
    }

    // What went on lately, for the failure messages.
    std::string Replay() const
    {
        std::ostringstream text;
        text << "replay with TRELKAN_SOAK_SEED=" << seed << "; the last events:";
        for (const std::string& event : recent)
            text << "\n  " << event;
        return text.str();
    }

    struct Action {
        const char* name;
        int weight;
        void (SoakTest::*run)();
    };
    static const Action ACTIONS[];

    const unsigned long seed = EnvironmentNumber("TRELKAN_SOAK_SEED", static_cast<unsigned long>(std::time(nullptr)));
    const bool printEvents = EnvironmentNumber("TRELKAN_SOAK_LOG", 0) != 0;
    std::mt19937 random{static_cast<std::mt19937::result_type>(seed)};
    CEditGLView* edit = nullptr;
    TempFolder folder;
    wxPoint at;
    long events = 0;
    std::deque<std::string> recent;
    bool dialogCancelled = true; // every cancelled texture dialog put the mapping back
};

const SoakTest::Action SoakTest::ACTIONS[] = {
    {"click in the edit view", 8, &SoakTest::ClickEdit},  {"drag", 8, &SoakTest::Drag},
    {"draw a wall", 6, &SoakTest::DrawWall},              {"insert an item", 3, &SoakTest::InsertItem},
    {"pan", 3, &SoakTest::Pan},                           {"click in the preview", 3, &SoakTest::ClickPreview},
    {"key", 10, &SoakTest::PressLevelKey},                {"form edit", 4, &SoakTest::EditForm},
    {"mode switch", 2, &SoakTest::SwitchMode},          {"texture dialog", 2, &SoakTest::TextureDialog},
};

TEST_F(SoakTest, RandomRealInputKeepsTheLevelWhole)
{
    const unsigned long seconds = EnvironmentNumber("TRELKAN_SOAK_SECONDS", 10);
    std::printf("soak: seed %lu, %lu s (TRELKAN_SOAK_SEED, TRELKAN_SOAK_SECONDS)\n", seed, seconds);
    std::fflush(stdout);
    SCOPED_TRACE("TRELKAN_SOAK_SEED=" + std::to_string(seed));
    MessageBoxRecorder boxes;
    FileDialogAnswerer dialogs;
    const std::string newLevel = Written(*document, "new.xml");
    std::vector<int> weights;
    for (const Action& action : ACTIONS)
        weights.push_back(action.weight);
    std::discrete_distribution<int> pick(weights.begin(), weights.end());

    const auto start = std::chrono::steady_clock::now();
    const auto end = start + std::chrono::seconds(seconds);
    int actions = 0;
    for (; std::chrono::steady_clock::now() < end; ++actions) {
        const Action& action = ACTIONS[pick(random)];
        Log(std::string("-- ") + action.name);
        (this->*action.run)();
        ASSERT_FALSE(edit->GestureRunning()) << "after action " << actions << "; " << Replay();
        ASSERT_TRUE(SelectionInLevel()) << "after action " << actions << "; " << Replay();
        ASSERT_EQ(TextureUsers(), RecountedTextureUsers()) << "after action " << actions << "; " << Replay();
        ASSERT_TRUE(dialogCancelled) << "after action " << actions << "; " << Replay();
    }
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("soak: %d actions, %ld events in %.1f s: %.1f events/s\n", actions, events, elapsed, events / elapsed);

    // Saved and reloaded into a fresh document, the level writes the same bytes.
    const std::string edited = Written(*document, "edited.xml");
    CLevelMapDoc reloaded;
    ASSERT_TRUE(reloaded.OnOpenDocument(folder.File("edited.xml"))) << Replay();
    EXPECT_EQ(Written(reloaded, "reloaded.xml"), edited) << Replay();

    // Every change was one step: undone to the start, the level is new again; redone, edited.
    CCommandProcessor& history = *document->GetHistory();
    int undone = 0;
    for (; history.CanUndo(); ++undone)
        history.Undo();
    if (undone < CCommandProcessor::MAX_STEPS) {
        EXPECT_EQ(Written(*document, "undone.xml"), newLevel) << undone << " steps undone; " << Replay();
    }
    // As many steps again as were undone here: an undo among the last actions leaves steps
    // beyond the edited level to redo.
    for (int step = 0; step < undone; ++step)
        history.Redo();
    EXPECT_EQ(Written(*document, "redone.xml"), edited) << Replay();
}

} // namespace
