#pragma once

#include <array>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "document/TextureTable.h"
#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/Wall.h"
#include "scenegraph/CSGGroup.h"
#include "tests/image/ImageTestSupport.h"
#include "tests/support/OffscreenContext.h"

using Rgb = std::array<unsigned char, 3>;

const Rgb kMagenta{{255, 0, 255}};
const Rgb kRed{{255, 0, 0}};
const Rgb kGreen{{0, 255, 0}};
const Rgb kBlue{{0, 0, 255}};
const Rgb kYellow{{255, 255, 0}};

// A texture table in an offscreen context whose two fixed images are small solid pictures in a
// temporary folder: the no-texture image magenta, the sphere map blue.
class TextureTableFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_context.IsValid());
        table.m_noTexturePath = Image("notex.tga", IL_TGA, kMagenta);
        table.m_sphereMapPath = Image("sphere.jpg", IL_JPG, kBlue);
    }

    // A 4 x 4 image of one colour, written in the format `type`; its path.
    std::string Image(const std::string& name, ILenum type, const Rgb& colour)
    {
        const std::string path = m_dir.File(name);
        EXPECT_TRUE(SaveSolidImage(path, type, IL_RGB, 4, 4, {colour[0], colour[1], colour[2]}));
        return path;
    }

    std::string TextFile(const std::string& name, const std::string& content)
    {
        const std::string path = m_dir.File(name);
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    std::string Missing(const std::string& name) const { return m_dir.File(name); }

    // What the open step leaves: row 0 and one row per path, all queued for loading.
    void Open(const std::vector<std::string>& paths)
    {
        table.m_textures.push_back({table.m_noTexturePath, 0});
        table.m_texturesToLoad.push_back(0);
        for (const std::string& path : paths) {
            table.m_texturesToLoad.push_back(static_cast<int>(table.m_textures.size()));
            table.m_textures.push_back({path, 0});
        }
        table.m_bTexturesDirty = true;
    }

    // Appends a node to the level group and counts it as the open step does.
    template <typename Node>
    Node& Add(Node* node)
    {
        level->AppendChild(node);
        return *node;
    }
    Wall& AddWall(int textureId)
    {
        Wall& wall = Add(new Wall(0.0f, 0.0f, 1.0f, 1.0f));
        wall.SetTextureID(textureId);
        return wall;
    }

    void Work() { table.RunTextureWork(root); }

    TextureTable table;
    CSGGroup root;
    LevelGroupNode* level = Level(root);

private:
    static LevelGroupNode* Level(CSGGroup& root)
    {
        auto* group = new LevelGroupNode;
        root.AppendChild(group);
        return group;
    }

    OffscreenContext m_context;

protected:
    TempDir m_dir;
};

// The colour of the first texel of a texture's full-size image.
inline Rgb TexelOf(unsigned name)
{
    glBindTexture(GL_TEXTURE_2D, name);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<unsigned char> texels(static_cast<std::size_t>(width) * height * 4 + 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    return {{texels[0], texels[1], texels[2]}};
}

// Within the few steps that JPEG coding moves a solid colour.
inline bool ShowsColour(unsigned name, const Rgb& colour)
{
    const Rgb texel = TexelOf(name);
    for (int i = 0; i < 3; ++i)
        if (std::abs(texel[i] - colour[i]) > 8)
            return false;
    return true;
}
