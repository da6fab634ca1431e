#include <gtest/gtest.h>

#include "level/Item.h"
#include "level/ObjectText.h"
#include "level/Wall.h"
#include "tests/level/LevelFileTestSupport.h"

namespace {

std::string PathOfRow(int row)
{
    return row == 0 ? "../data/Textures/Special/notex.tga" : "../data/Textures/row" + std::to_string(row) + ".jpg";
}

TEST(ObjectText, WallsAndItemsComeBackWithTheirImagesAndValues)
{
    Wall brick(1.5f, -2.0f, 4.0f, 1.0f);
    brick.SetTextureID(7);
    brick.OrientationAngle = 45.0f;
    Wall plain(3.0f, 3.0f, 1.0f, 2.0f); // row 0: the no-texture image, named by no path
    Item item(-4.5f, 0.0f, 2.5f, ITEM_INCREASE_SPEED);
    item.Amount = 0.75f;

    const std::string text = WriteObjectsText({&brick, &plain, &item}, PathOfRow);
    EXPECT_EQ(brick.GetTextureID(), 7) << "the copied wall keeps its own row";
    EXPECT_NE(text.find("<Wall\n"), std::string::npos);
    EXPECT_NE(text.find("1 = \"../data/Textures/row7.jpg\""), std::string::npos);

    std::optional<ObjectsText> read = ReadObjectsText(text);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->objects.size(), 3u);
    EXPECT_EQ(read->texturePaths, (std::vector<std::string>{"../data/Textures/row7.jpg", "", ""}));
    const auto& wall = dynamic_cast<const Wall&>(*read->objects[0]);
    EXPECT_EQ(wall.x, 1.5f);
    EXPECT_EQ(wall.Width, 4.0f);
    EXPECT_EQ(wall.OrientationAngle, 45.0f);
    EXPECT_EQ(wall.GetTextureID(), 0) << "the row is the pasting document's to find";
    const auto& pastedItem = dynamic_cast<const Item&>(*read->objects[2]);
    EXPECT_EQ(pastedItem.ItemTypeID, ITEM_INCREASE_SPEED);
    EXPECT_EQ(pastedItem.Amount, 0.75f);
    // Written again, the objects give the same text: nothing was lost on the way.
    EXPECT_EQ(WriteObjectsText({read->objects[0].get(), read->objects[1].get(), read->objects[2].get()},
                               [&](int) { return std::string(); }),
              WriteObjectsText({&brick, &plain, &item}, [](int) { return std::string(); }));
}

// The desktop's locale may write a decimal comma; a copied wall must still paste where it was.
TEST(ObjectText, DecimalCommaLocaleStillCopiesPoints)
{
    TempFolder folder;
    DecimalCommaLocale locale(folder);
    if (!locale.Active())
        GTEST_SKIP() << "no German locale could be installed or built";
    Wall wall(1.5f, -2.25f, 4.0f, 1.0f);
    std::optional<ObjectsText> read = ReadObjectsText(WriteObjectsText({&wall}, PathOfRow));
    ASSERT_TRUE(read);
    ASSERT_EQ(read->objects.size(), 1u);
    EXPECT_EQ(dynamic_cast<const Wall&>(*read->objects[0]).x, 1.5f);
    EXPECT_EQ(dynamic_cast<const Wall&>(*read->objects[0]).z, -2.25f);
}

TEST(ObjectText, AnythingButWallsAndItemsIsRefused)
{
    const char* const junk[] = {
        "",
        "just some words",
        "<Wall CenterX = \"1.0\"",
        "<LevelFloor Width = \"20\" Heigth = \"16\" />",
        "<Item ItemTypeID = \"17\" /><GameSettingsNode />",
        "<TexturesNode NumTextures = \"0\" />",
        "<Wall /></CSGGroup><CSGGroup>",
        "<Bonus />",
    };
    for (const char* text : junk)
        EXPECT_FALSE(ReadObjectsText(text)) << text;
    EXPECT_FALSE(ReadObjectsText(std::string(17u << 20, ' ') + "<Item />")) << "far larger than any copied object";
}

} // namespace
