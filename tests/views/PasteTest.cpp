// Paste with real keys: objects whose values are no finite numbers, or walls without a size, are
// left out with one status line, and the others are placed from the first one kept.
#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include "level/Item.h"
#include "level/Wall.h"
#include "tests/views/ViewFixture.h"

namespace {

class PasteTest : public ViewTest {
protected:
    // Puts `text` on the clipboard and presses Ctrl+V in the edit view, the pointer at (-2.2, -1.1).
    void Paste(const std::string& text)
    {
        ASSERT_TRUE(wxTheClipboard->Open());
        wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(text)));
        wxTheClipboard->Close();
        MoveToLevel(-2.2, -1.1);
        Press();
        Release();
        PressKey('V', wxMOD_CONTROL);
        PumpFor(80);
    }
};

std::string WallText(const char* x, const char* width)
{
    return std::string("<Wall CenterX = \"") + x + "\" CenterZ = \"3\" Width = \"" + width + "\" Depth = \"1\" />\n";
}

std::string ItemText(const char* x)
{
    return std::string("<Item ItemTypeID = \"20\" PosX = \"") + x + "\" PosY = \"0\" PosZ = \"6\" />\n";
}

TEST_F(PasteTest, ObjectsThatAreNoNumbersOrHaveNoSizeAreLeftOutAndCounted)
{
    const std::size_t before = LevelGroup().ChildCount();
    Paste(WallText("nan", "4") + WallText("2", "4") + WallText("1", "-5") + ItemText("abc") + WallText("1", "5x") +
          ItemText("5"));
    ASSERT_EQ(LevelGroup().ChildCount(), before + 2);
    // The first wall kept goes to the pointer in whole steps, the item with it.
    const auto* wall = dynamic_cast<Wall*>(LevelGroup().GetChild(static_cast<unsigned>(before)));
    const auto* item = dynamic_cast<Item*>(LevelGroup().GetChild(static_cast<unsigned>(before + 1)));
    ASSERT_TRUE(wall && item);
    EXPECT_FLOAT_EQ(wall->x, -2.0f);
    EXPECT_FLOAT_EQ(wall->z, -1.0f);
    EXPECT_FLOAT_EQ(wall->Width, 4.0f);
    EXPECT_FLOAT_EQ(item->x, 1.0f);
    EXPECT_FLOAT_EQ(item->z, 2.0f);
    EXPECT_EQ(Status(), "4 pasted objects were left out: each holds a value that is no finite number or a wall size "
                        "that is not positive.");

    Paste(WallText("inf", "4") + WallText("1", "0"));
    EXPECT_EQ(LevelGroup().ChildCount(), before + 2);
    EXPECT_EQ(Status(), "Nothing was pasted: the walls and items on the clipboard hold values that are no finite "
                        "numbers or wall sizes that are not positive.");
}

} // namespace
