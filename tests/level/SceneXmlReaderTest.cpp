#include <string>

#include <gtest/gtest.h>

#include "level/LevelFloor.h"
#include "level/LevelScene.h"
#include "scenegraph/SceneXmlReader.h"
#include "tests/support/WrittenText.h"
#include "xml/XmlReader.h"

namespace {

// What a load left in a scene: the tree as written, the element it refused, the floor it
// remembers and how many lights it numbered.
std::string Describe(LevelScene& scene)
{
    std::string out = WrittenText(scene.Root());
    out += "unknown <" + scene.GetUnknownElement() + "> in <" + scene.GetUnknownElementParent() + ">\n";
    out += scene.m_pFloor ? WrittenText(*scene.m_pFloor) : "no floor\n";
    return out + "lights " + std::to_string(scene.m_lightCounter);
}

std::string LoadedWhileParsed(const std::string& text)
{
    LevelScene scene;
    SceneXmlReader loader(scene.Root(), scene);
    XmlReader reader;
    EXPECT_TRUE(reader.ReadBuffer(text.data(), text.size(), loader)) << reader.GetError();
    EXPECT_EQ(reader.GetRoot(), nullptr);
    return Describe(scene);
}

std::string LoadedFromTree(const std::string& text)
{
    XmlReader reader;
    EXPECT_TRUE(reader.ReadBuffer(text.data(), text.size())) << reader.GetError();
    LevelScene scene;
    scene.Root().ReadXml(*reader.GetRoot(), scene);
    return Describe(scene);
}

} // namespace

// Loading while the file is parsed gives the scene that reading the whole element tree gives,
// down to the element refused first and the nodes the factory remembers.
TEST(SceneXmlReader, LoadsWhatTheElementTreeLoads)
{
    struct Case {
        const char* what;
        std::string text;
        const char* unknown; // the element refused, "" for none
    };
    const Case cases[] = {
        {"groups, leaves and text at every depth",
         "<Level SaveLightState=\"0\">x<LevelGroupNode><Wall CenterX=\"1\" Width=\"2\"/>y<CSGGroup "
         "SaveLightState=\"1\"><Item PosX=\"2\" ItemTypeID=\"3\"/></CSGGroup><LevelFloor Width=\"7\"/>"
         "</LevelGroupNode></Level>",
         ""},
        {"an unknown element is passed over with its subtree", "<r><Bonus><Wall/><Bonus2/></Bonus><Wall CenterX=\"3\"/><Other/></r>",
         "Bonus"},
        {"an element inside a leaf", "<r><Item PosX=\"1\"/><Wall CenterZ=\"2\"><Bonus/></Wall><Other/></r>", "Bonus"},
        {"an element inside what a leaf reads",
         "<r><CSGTransformation><Matrix Label=\"M\" a00=\"2\"><Deep/></Matrix></CSGTransformation></r>", "Deep"},
        {"a leaf after a leaf with children starts empty",
         "<r><CSGTransformation><Matrix Label=\"M\" a11=\"3\"/></CSGTransformation><Wall Depth=\"4\"/>"
         "<CSGTransformation/></r>",
         ""},
        {"empty and closed spellings of groups and leaves",
         "<r/>", ""},
        {"groups and leaves with and without end tags",
         "<r><CSGGroup SaveLightState=\"0\"/><Wall CenterX=\"1\"></Wall><CSGGroup></CSGGroup><Item PosZ=\"2\"/></r>", ""},
        {"the last floor and every light",
         "<r><LevelFloor Width=\"1\"/><CSGGroup><CSGLight/><LevelFloor Width=\"2\"/></CSGGroup><CSGLight/></r>", ""},
    };
    for (const Case& c : cases) {
        const std::string streamed = LoadedWhileParsed(c.text);
        EXPECT_EQ(streamed, LoadedFromTree(c.text)) << c.what;
        EXPECT_NE(streamed.find("unknown <" + std::string(c.unknown) + ">"), std::string::npos) << c.what;
    }
}
