// The browser's tiles: folders become groups, sky boxes one tile each, the level's other images a
// group of their own; the shown tiles follow the filter, the "used" switch and the sort.
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"
#include "textures/TileCatalogue.h"
#include "textures/TileUsage.h"

namespace {

class TileCatalogueTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* file : {"Textures/Walls/brick.jpg", "Textures/Walls/wood.tga", "Textures/Floors/grass.jpg",
                                 "Textures/Floors/deep/moss.PNG", "Textures/readme.txt", "Textures/loose.png",
                                 "CubeMaps/Night/sky_negx.png", "CubeMaps/Night/sky_posx.png",
                                 "CubeMaps/Night/sky_negz.png", "CubeMaps/Night/other.png"})
            Touch(file);
        catalogue.Scan(folder.File("Textures"), folder.File("CubeMaps"));
    }

    void Touch(const std::string& name)
    {
        const std::string path = folder.File(name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path) << "x";
    }

    // "group/name" of the shown tiles, in order.
    std::vector<std::string> Shown(const TileQuery& query, const TileUsage& usage = {}) const
    {
        std::vector<std::string> names;
        for (std::size_t i : ShownTiles(catalogue.Tiles(), query, usage))
            names.push_back(catalogue.Tiles()[i].group + "/" + catalogue.Tiles()[i].name);
        return names;
    }

    TempFolder folder;
    TileCatalogue catalogue;
};

TEST_F(TileCatalogueTest, GroupsImagesByFolderAndShowsEachSkyBoxByItsFrontFace)
{
    EXPECT_EQ(Shown({}), (std::vector<std::string>{"Floors/grass.jpg", "Floors/moss.PNG", "Textures/loose.png",
                                                   "Walls/brick.jpg", "Walls/wood.tga", "Sky boxes/sky.png"}));
    const Tile* sky = catalogue.Find(folder.File("CubeMaps/Night/sky.png"));
    ASSERT_NE(sky, nullptr);
    EXPECT_EQ(sky->kind, TileKind::SkyBox);
    EXPECT_EQ(sky->image, folder.File("CubeMaps/Night/sky_negz.png"));
}

TEST_F(TileCatalogueTest, TheLevelsOtherImagesMakeTheLastGroupUntilTheLevelDropsThem)
{
    const std::string brick = folder.File("Textures/Walls/brick.jpg");
    EXPECT_TRUE(catalogue.SetLevelImages({brick, "/elsewhere/rock.jpg", "/elsewhere/rock.jpg"}, "/sky/blue.jpg"));
    EXPECT_FALSE(catalogue.SetLevelImages({"/elsewhere/rock.jpg", brick}, "/sky/blue.jpg"));
    std::vector<std::string> shown = Shown(TileQuery{WordFilter("elsewhere"), TileSort::Name, false});
    EXPECT_EQ(shown, (std::vector<std::string>{"Elsewhere/rock.jpg"}));
    EXPECT_EQ(catalogue.Find("/sky/blue.jpg")->image, "/sky/blue_negz.jpg");
    EXPECT_TRUE(catalogue.SetLevelImages({brick}, ""));
    EXPECT_EQ(catalogue.Find("/elsewhere/rock.jpg"), nullptr);
}

TEST_F(TileCatalogueTest, SortsEachGroupByUseAndShowsOnlyUsedImagesWhenAsked)
{
    TileUsage usage;
    usage.Count(folder.File("Textures/Walls/wood.tga"), 3);
    usage.Count(folder.File("Textures/Floors/moss.PNG"), 0);
    usage.Count(folder.File("Textures/Floors/deep/moss.PNG"), 1);
    usage.Count(folder.File("Textures/Floors/deep/moss.PNG"), 1);
    EXPECT_EQ(Shown({WordFilter(), TileSort::Use, false}, usage),
              (std::vector<std::string>{"Floors/moss.PNG", "Floors/grass.jpg", "Textures/loose.png", "Walls/wood.tga",
                                        "Walls/brick.jpg", "Sky boxes/sky.png"}));
    EXPECT_EQ(Shown({WordFilter(), TileSort::Name, true}, usage),
              (std::vector<std::string>{"Floors/moss.PNG", "Walls/wood.tga"}));
}

} // namespace
