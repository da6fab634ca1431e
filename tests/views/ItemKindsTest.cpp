// Every item kind at hand, with real input: a digit key in the edit view or the kind's entry in
// the Insert menu make the next click insert that kind; I then inserts the kind chosen last.
#include <wx/toolbar.h>

#include "level/Item.h"
#include "tests/views/ViewFixture.h"

namespace {

class ItemKindsTest : public ViewTest {
protected:
    enum class Route { ViewKey, Menu };

    void Choose(int kind, Route route)
    {
        switch (route) {
        case Route::ViewKey:
            edit->GetCanvas()->SetFocus();
            PumpFor(30);
            PressKey('1' + kind);
            break;
        case Route::Menu:
            // Insert is the fourth menu; its kinds follow Item and a separator.
            PressKey('F', wxMOD_ALT);
            for (int i = 0; i < 3; ++i)
                PressKey(WXK_RIGHT);
            for (int i = 0; i <= kind; ++i)
                PressKey(WXK_DOWN);
            PressKey(WXK_RETURN);
            break;
        }
        PumpFor(60);
    }

    // A click in the edit view at (x, z); the item it inserted, or null.
    const Item* ClickInserts(double x, double z)
    {
        const std::size_t before = LevelGroup().ChildCount();
        MoveToLevel(x, z);
        Press();
        Release();
        if (LevelGroup().ChildCount() != before + 1)
            return nullptr;
        return dynamic_cast<const Item*>(LevelGroup().GetChild(static_cast<unsigned>(before)));
    }
};

TEST_F(ItemKindsTest, EachKindByKeyOrMenuIsInsertedAndIRepeatsIt)
{
    const Route routes[] = {Route::ViewKey, Route::Menu};
    const char* const names[] = {"edit view key", "menu"};
    for (int kind = 0; kind < 6; ++kind) {
        for (int r = 0; r < 2; ++r) {
            SCOPED_TRACE(std::string(names[r]) + ", kind " + std::to_string(kind + 1));
            Choose(kind, routes[r]);
            EXPECT_EQ(edit->m_mode, CEditGLView::MODE_INSERT_ITEM);
            const double x = -6.5 + 4 * r, z = -6.5 + 2 * kind;
            const Item* item = ClickInserts(x, z);
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->ItemTypeID, ITEM_NORMAL + kind);
            EXPECT_EQ(edit->m_mode, CEditGLView::MODE_SELECT) << "one click, one item";
            // I inserts the kind chosen last, once.
            edit->GetCanvas()->SetFocus();
            PumpFor(30);
            PressKey('I');
            const Item* again = ClickInserts(x + 1, z);
            ASSERT_NE(again, nullptr);
            EXPECT_EQ(again->ItemTypeID, ITEM_NORMAL + kind);
            EXPECT_EQ(ClickInserts(x + 1, z + 1), nullptr);
        }
    }
    // The tool bar's item button offers the kinds on its arrow, as commands of the same menu.
    wxMenu* kinds = frame->GetToolBar()->FindById(ID_INSERT_SPECIAL_ITEM)->GetDropdownMenu();
    ASSERT_NE(kinds, nullptr);
    ASSERT_EQ(kinds->GetMenuItemCount(), 6u);
    for (int kind = 0; kind < 6; ++kind)
        EXPECT_EQ(kinds->FindItemByPosition(kind)->GetId(), ID_INSERT_ITEM_FIRST + kind);
}

} // namespace
