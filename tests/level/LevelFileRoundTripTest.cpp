#include <initializer_list>
#include <random>
#include <string>
#include <typeinfo>

#include <gtest/gtest.h>

#include "level/CICubeMapNode.h"
#include "level/GameSettingsNode.h"
#include "level/Item.h"
#include "level/LevelFile.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/TexturesNode.h"
#include "level/Wall.h"
#include "scenegraph/CSGAnimRotation.h"
#include "scenegraph/CSGAnimZPrecession.h"
#include "scenegraph/CSGLight.h"
#include "scenegraph/CSGRotation.h"
#include "scenegraph/CSGTransformation.h"
#include "scenegraph/CSGTranslation.h"
#include "tests/level/LevelTestSupport.h"
#include "LevelFileTestSupport.h"

namespace {

// Builds a level at random from a seed, in document order, numbering the lights as a load of
// the written file numbers them.
class RandomLevelBuilder {
public:
    explicit RandomLevelBuilder(unsigned seed) : m_random(seed) {}

    void Build(CSGGroup& root)
    {
        root.SaveLightState = Chance(80);
        if (Chance(50)) {
            auto* cubeMap = new CICubeMapNode;
            cubeMap->TextureBaseName = Name();
            root.AppendChild(cubeMap);
        }
        AppendSceneGraphNodes(root, 2);
        root.AppendChild(RandomSettings());
        root.AppendChild(RandomTextures());
        AppendSceneGraphNodes(root, 2);
        auto* levelGroup = new LevelGroupNode;
        levelGroup->SaveLightState = Chance(80);
        root.AppendChild(levelGroup);
        levelGroup->AppendChild(RandomFloor());
        AppendLevelObjects(*levelGroup, 2);
        AppendSceneGraphNodes(root, 1);
    }

private:
    bool Chance(int percent) { return Int(0, 99) < percent; }
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    // Values of every kind a level holds: decimals, whole numbers, signed zeros, values below
    // the six written decimals and values far beyond them.
    float Float()
    {
        switch (Int(0, 6)) {
        case 0: return std::uniform_real_distribution<float>(-1000.0f, 1000.0f)(m_random);
        case 1: return std::uniform_real_distribution<float>(-1.0f, 1.0f)(m_random);
        case 2: return static_cast<float>(Int(-360, 360));
        case 3: return Chance(50) ? 0.0f : -0.0f;
        case 4: return std::uniform_real_distribution<float>(-1e-6f, 1e-6f)(m_random);
        case 5: return std::uniform_real_distribution<float>(-1e12f, 1e12f)(m_random);
        default: return static_cast<float>(Int(-1000, 1000)) / 8.0f;
        }
    }

    void Randomise(float* values, int count)
    {
        for (int i = 0; i < count; ++i)
            values[i] = Float();
    }
    void Randomise(std::initializer_list<float*> fields)
    {
        for (float* field : fields)
            *field = Float();
    }

    // An image path: empty for a free texture row, otherwise any bytes a path can hold except
    // the double quote (refused by the writer) and line ends.
    std::string Name()
    {
        if (Chance(25))
            return {};
        static const std::string characters =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ._-/\\:;,'<>&=?!#()[]{}\t\xc3\xa9";
        std::string name = "../data/";
        for (int length = Int(1, 30); length > 0; --length)
            name += characters[static_cast<std::size_t>(Int(0, static_cast<int>(characters.size()) - 1))];
        return name;
    }

    GameSettingsNode* RandomSettings()
    {
        auto* settings = new GameSettingsNode;
        settings->NormalItemsNumber = Int(-5, 500);
        Randomise({&settings->SnakeInitialPosX, &settings->SnakeInitialPosY, &settings->SnakeInitialPosZ,
                   &settings->SnakeInitialOrientationAngle, &settings->SnakeTurningAngle,
                   &settings->SnakeInitialLength, &settings->SnakeInitialVelocity});
        return settings;
    }

    TexturesNode* RandomTextures()
    {
        auto* textures = new TexturesNode;
        for (int count = Int(0, 8); count > 0; --count)
            textures->m_names.push_back(Name());
        m_textureCount = static_cast<int>(textures->m_names.size());
        return textures;
    }

    void RandomMapping(TexturedObject& object)
    {
        object.TextureID = Int(0, m_textureCount);
        Randomise({&object.TexTX, &object.TexTY, &object.TexScaleX, &object.TexScaleY, &object.TexRotationAngleDeg});
    }

    LevelFloor* RandomFloor()
    {
        auto* floor = new LevelFloor;
        floor->Width = Int(1, 400);
        floor->Heigth = Int(1, 400);
        RandomMapping(*floor);
        return floor;
    }

    Wall* RandomWall()
    {
        auto* wall = new Wall(Float(), Float(), Float(), Float());
        wall->OrientationAngle = Float();
        RandomMapping(*wall);
        return wall;
    }

    Item* RandomItem()
    {
        // Now and then a type outside the table: it is kept as read.
        static const int outside[] = {0, 1, 2, 3, 256, -7, 1000};
        int type = Chance(90) ? Int(ITEM_NORMAL, ITEM_DECREASE_SPEED) : outside[Int(0, 6)];
        auto* item = new Item(Float(), Float(), Float(), ITEM_NORMAL);
        item->ItemTypeID = type;
        item->RespawnTime = Float();
        item->TTLBeforePicked = Float();
        item->Amount = Float();
        return item;
    }

    CSGNode* RandomLeaf()
    {
        switch (Int(0, 5)) {
        case 0: {
            auto* node = new CSGTranslation;
            Randomise({&node->VX, &node->VY, &node->VZ});
            return node;
        }
        case 1: {
            auto* node = new CSGRotation;
            Randomise({&node->AxisX, &node->AxisY, &node->AxisZ, &node->AngleDeg});
            return node;
        }
        case 2: {
            auto* node = new CSGTransformation;
            Randomise(node->Matrix.m, 16);
            return node;
        }
        case 3: {
            auto* node = new CSGAnimRotation;
            Randomise({&node->AxisX, &node->AxisY, &node->AxisZ, &node->AngularSpeedDPS, &node->StartAngleDeg});
            return node;
        }
        case 4: {
            auto* node = new CSGAnimZPrecession;
            Randomise({&node->DeclinationDeg, &node->AngularSpeedDPS, &node->StartAngleDeg});
            return node;
        }
        default: {
            auto* node = new CSGLight(m_lightCount++);
            for (float* vector : {node->PT, node->AC, node->DC, node->SC})
                Randomise(vector, 4);
            return node;
        }
        }
    }

    // Each nested group is filled completely before its next sibling, as in the file.
    void AppendSceneGraphNodes(CSGGroup& group, int depth)
    {
        for (int count = Int(0, 3); count > 0; --count) {
            if (depth > 0 && Chance(30)) {
                auto* nested = new CSGGroup;
                nested->SaveLightState = Chance(50);
                group.AppendChild(nested);
                AppendSceneGraphNodes(*nested, depth - 1);
            } else {
                group.AppendChild(RandomLeaf());
            }
        }
    }

    void AppendLevelObjects(CSGGroup& group, int depth)
    {
        for (int count = Int(0, 25); count > 0; --count) {
            int kind = Int(0, 9);
            if (kind < 4) {
                group.AppendChild(RandomWall());
            } else if (kind < 8) {
                group.AppendChild(RandomItem());
            } else if (kind == 8 || depth == 0) {
                group.AppendChild(RandomLeaf());
            } else {
                auto* nested = new CSGGroup;
                nested->SaveLightState = Chance(50);
                group.AppendChild(nested);
                AppendLevelObjects(*nested, depth - 1);
            }
        }
    }

    std::mt19937 m_random;
    int m_textureCount = 0;
    int m_lightCount = 0;
};

// What the written bytes do not show: the class and kind of every node, group flags and sizes,
// and the light numbers.
void DumpTree(const CSGNode& node, int depth, std::string& out)
{
    out += std::string(static_cast<std::size_t>(depth), ' ') + typeid(node).name() + " kind " +
           std::to_string(node.GetType());
    if (const auto* light = dynamic_cast<const CSGLight*>(&node))
        out += " light " + std::to_string(light->LightIndex);
    if (const auto* group = dynamic_cast<const CSGGroup*>(&node)) {
        out += " save " + std::to_string(group->SaveLightState) + " children " +
               std::to_string(group->ChildCount()) + "\n";
        for (const auto& child : group->Children())
            DumpTree(*child, depth + 1, out);
        return;
    }
    out += "\n";
}

std::string Dump(const CSGGroup& root)
{
    std::string out;
    DumpTree(root, 0, out);
    return out;
}

} // namespace

TEST(LevelFileRoundTrip, RandomLevelsReadBackToTheSameTreeAndBytes)
{
    TempFolder folder;
    const std::string path = folder.File("level.xml");
    for (unsigned seed = 1; seed <= 60; ++seed) {
        CSGGroup built;
        RandomLevelBuilder(seed).Build(built);
        std::string error;
        ASSERT_TRUE(WriteLevelFile(built, path, error)) << "seed " << seed << ": " << error;
        std::string written = ReadBytes(path);

        auto scene = ReadLevelFile(path, error);
        ASSERT_TRUE(scene) << "seed " << seed << ": " << error;
        EXPECT_EQ(WrittenText(scene->Root()), written) << "seed " << seed;
        EXPECT_EQ(Dump(scene->Root()), Dump(built)) << "seed " << seed;
    }
}
