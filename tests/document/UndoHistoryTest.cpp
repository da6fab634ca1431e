// The image library's header goes before the toolkit's, which switch its calls to wide strings.
#include "tests/image/ImageTestSupport.h"

#include <functional>

#include <GL/gl.h>

#include "document/EditStates.h"
#include "document/NodeListCommand.h"
#include "document/SkyBoxSwitchCommand.h"
#include "document/TextureChoiceCommand.h"
#include "document/ValueCommand.h"
#include "framework/CCommandProcessor.h"
#include "level/CICubeMapNode.h"
#include "tests/document/LevelDocumentFixture.h"
#include "tests/document/TableRecount.h"
#include "tests/support/OffscreenContext.h"

namespace {

class UndoHistoryTest : public LevelDocumentTest {
protected:
    CCommandProcessor& History() { return *document.GetHistory(); }

    template <class T>
    T* Nth(int n)
    {
        for (const auto& child : Group().Children())
            if (auto* node = dynamic_cast<T*>(child.get()); node && n-- == 0)
                return node;
        return nullptr;
    }

    bool AddWallStep(float x, float z)
    {
        std::vector<NodeListCommand::Addition> additions;
        additions.push_back({&Group(), Group().ChildCount(), std::make_unique<Wall>(x, z, 2.0f, 1.0f), {}});
        return document.Submit(NodeListCommand::Adding(document, "Create Wall", std::move(additions)));
    }

    void ExpectTableMatchesLevel() { EXPECT_EQ(TableMismatch(document), ""); }

    // One of every kind of step, each followed by a check of the table.
    std::vector<std::function<bool()>> EveryKindOfStep()
    {
        return {
            [this] { return document.OnDelete(), true; },
            [this] { return AddWallStep(4.0f, 4.0f); },
            [this] { return document.Submit(new TextureChoiceCommand(document, *Nth<Wall>(0), "../data/new.jpg")); },
            [this] { return document.Submit(new TextureChoiceCommand(document, *Nth<Wall>(1), "../data/new.jpg")); },
            [this] {
                LevelObject& item = *Nth<Item>(0);
                ObjectPosition to{item.x + 3.0f, item.z - 1.0f};
                return document.Submit(new ValueCommand<LevelObject, ObjectPosition>(document, "Move Item", item, Capture(item), to));
            },
            [this] {
                Item& item = *Nth<Item>(0);
                ItemValues to = Capture(item);
                to.type = ITEM_DECREASE_SPEED;
                to.amount = 0.5f;
                return document.Submit(new ValueCommand<Item, ItemValues>(document, "Change Item Type", item, Capture(item), to));
            },
            [this] {
                LevelScene& scene = *document.m_pScene;
                LevelProperties to = Capture(scene);
                to.width = 40;
                to.initialVelocity = 4.5f;
                return document.Submit(new ValueCommand<LevelScene, LevelProperties>(document, "Apply Level Properties", scene, Capture(scene), to));
            },
            [this] {
                TextureMapping& wall = *Nth<Wall>(2);
                MappingValues to = Capture(wall);
                to.rotation = 30.0f;
                return document.Submit(new ValueCommand<TextureMapping, MappingValues>(document, "Edit Texture Mapping", wall, Capture(wall), to));
            },
            [this] { return document.Submit(new SkyBoxSwitchCommand(document, false)); },
            [this] { return document.Submit(new SkyBoxSwitchCommand(document, true)); },
            [this] {
                LevelScene& scene = *document.m_pScene;
                return document.Submit(new ValueCommand<LevelScene, SkyBoxImage>(
                    document, "Choose Sky Box", scene, {scene.m_pCubeMap->TextureBaseName}, {"../sky/dusk.png"}));
            },
            [this] {
                document.SetSelection(Nth<Wall>(3));
                return document.OnDelete(), true;
            },
        };
    }
};

TEST_F(UndoHistoryTest, UndoingEveryStepGivesBackTheFileAndRedoingGivesTheEditedOne)
{
    ASSERT_TRUE(document.OnOpenDocument(TRELKAN_SOURCE_DIR "/data/Levels/sample.xml"));
    ASSERT_TRUE(document.OnSaveDocument(File("original.xml")));
    document.SetSelection(Nth<Wall>(4)); // a wall whose image two other walls share
    int steps = 0;
    for (auto& step : EveryKindOfStep()) {
        ASSERT_TRUE(step()) << "step " << steps;
        ++steps;
        ExpectTableMatchesLevel();
    }
    EXPECT_TRUE(document.IsModified());
    ASSERT_TRUE(document.OnSaveDocument(File("edited.xml")));

    for (int i = 0; i < steps; ++i) {
        ASSERT_TRUE(History().Undo());
        ExpectTableMatchesLevel();
    }
    EXPECT_FALSE(History().CanUndo());
    ASSERT_TRUE(document.OnSaveDocument(File("undone.xml")));
    EXPECT_EQ(ReadFile(File("undone.xml")), ReadFile(File("original.xml")));

    while (History().CanRedo()) {
        ASSERT_TRUE(History().Redo());
        ExpectTableMatchesLevel();
    }
    ASSERT_TRUE(document.OnSaveDocument(File("redone.xml")));
    EXPECT_EQ(ReadFile(File("redone.xml")), ReadFile(File("edited.xml")));
    EXPECT_TRUE(messages.empty());
}

TEST_F(UndoHistoryTest, ModifiedFlagFollowsTheSavedPointAndNewLevelsStartAnEmptyHistory)
{
    ASSERT_TRUE(AddWallStep(1.0f, 1.0f));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(History().GetUndoMenuLabel(), "&Undo Create Wall\tCtrl+Z");
    History().Undo();
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(History().GetRedoMenuLabel(), "&Redo Create Wall\tCtrl+Y");
    History().Redo();
    ASSERT_TRUE(document.OnSaveDocument(File("saved.xml")));
    EXPECT_FALSE(document.IsModified());
    History().Undo();
    EXPECT_TRUE(document.IsModified());
    History().Redo();
    EXPECT_FALSE(document.IsModified());

    // A step that changes nothing is not kept.
    Wall& wall = *Nth<Wall>(0);
    EXPECT_FALSE(document.Submit(new ValueCommand<Wall, WallShape>(document, "Apply", wall, Capture(wall), Capture(wall))));
    EXPECT_FALSE(document.IsModified());

    ASSERT_TRUE(document.OnNewDocument());
    EXPECT_FALSE(History().CanUndo());
    EXPECT_FALSE(History().CanRedo());
}

// Undo and redo in an offscreen context: a node back in the level shows a live texture of its
// own row, and a row nobody uses any more loses its texture.
TEST_F(UndoHistoryTest, TexturesFollowUndoAndRedoWithoutDeletingOneInUse)
{
    OffscreenContext context;
    ASSERT_TRUE(context.IsValid());
    document.m_noTexturePath = File("notex.tga");
    ASSERT_TRUE(SaveSolidImage(document.m_noTexturePath, IL_TGA, IL_RGB, 4, 4, {255, 0, 255}));
    const std::string brick = File("brick.tga");
    ASSERT_TRUE(SaveSolidImage(brick, IL_TGA, IL_RGB, 4, 4, {200, 10, 10}));
    auto work = [&] { document.m_bTexturesDirty = true; document.RunTextureWork(document.m_pScene->Root()); };
    auto expectLiveTextures = [&] {
        for (const auto& child : Group().Children())
            if (auto* wall = dynamic_cast<Wall*>(child.get())) {
                EXPECT_TRUE(glIsTexture(wall->GetGLTexture()));
                EXPECT_EQ(wall->GetGLTexture(), document.m_glTextures[wall->GetTextureID()]);
            }
    };

    ASSERT_TRUE(AddWallStep(0.0f, 0.0f));
    Wall* wall = Nth<Wall>(0);
    ASSERT_TRUE(document.Submit(new TextureChoiceCommand(document, *wall, brick)));
    work();
    const unsigned brickName = wall->GetGLTexture();
    ASSERT_TRUE(glIsTexture(brickName));
    document.SetSelection(wall);
    document.OnDelete();
    work();
    EXPECT_FALSE(glIsTexture(brickName));
    EXPECT_EQ(document.m_textures[1].refCount, 0);

    History().Undo(); // the wall and its row come back
    work();
    EXPECT_EQ(document.m_textures[1].path, brick);
    expectLiveTextures();
    History().Undo(); // back to the no-texture image: the brick row is free again
    work();
    EXPECT_EQ(wall->GetTextureID(), 0);
    EXPECT_FALSE(glIsTexture(document.m_glTextures[1]));
    expectLiveTextures();
    History().Redo();
    work();
    expectLiveTextures();
}

} // namespace
