#include <GL/gl.h>
#include <gtest/gtest.h>

#include "scenegraph/CSGGroup.h"
#include "scenegraph/CSGLight.h"
#include "scenegraph/CSGScene.h"
#include "scenegraph/CSGTranslation.h"
#include "tests/scenegraph/SceneTestSupport.h"
#include "tests/support/OffscreenContext.h"

using namespace scenegraph_test;

namespace {

CSGTranslation* NewTranslation(float x, float y, float z)
{
    auto* translation = new CSGTranslation;
    translation->VX = x;
    translation->VY = y;
    translation->VZ = z;
    return translation;
}

// The name paths of the hit records that drawing `group` in selection mode produces, below an
// outer name 99 that stands for the caller's own names.
std::vector<std::vector<GLuint>> HitPaths(CSGGroup& group, GLint& depthBefore, GLint& depthAfter)
{
    GLuint buffer[512];
    glSelectBuffer(512, buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(99);
    glGetIntegerv(GL_NAME_STACK_DEPTH, &depthBefore);
    group.Draw(0.0f);
    glGetIntegerv(GL_NAME_STACK_DEPTH, &depthAfter);
    const GLint hits = glRenderMode(GL_RENDER);
    std::vector<std::vector<GLuint>> paths;
    const GLuint* record = buffer;
    for (GLint i = 0; i < hits; ++i) {
        const GLuint count = record[0];
        paths.emplace_back(record + 3, record + 3 + count);
        record += 3 + count;
    }
    return paths;
}

float TranslationX(const GLMatrix& m) { return m[12]; }
float TranslationY(const GLMatrix& m) { return m[13]; }

} // namespace

TEST(CSGGroupDraw, PushesChildIndicesInOrderAndRestoresNameStack)
{
    OffscreenContext context;
    CSGGroup root;
    auto* first = new ProbeNode;
    auto* inner = new CSGGroup;
    auto* innerFirst = new ProbeNode;
    root.AppendChild(first);
    root.AppendChild(inner);
    inner->AppendChild(innerFirst);
    inner->AppendChild(new ProbeNode);
    root.AppendChild(new ProbeNode);

    GLint depthBefore = 0;
    GLint depthAfter = 0;
    const auto paths = HitPaths(root, depthBefore, depthAfter);

    const std::vector<std::vector<GLuint>> expected = {{99, 0}, {99, 1, 0}, {99, 1, 1}, {99, 2}};
    EXPECT_EQ(paths, expected);
    EXPECT_EQ(depthBefore, 1);
    EXPECT_EQ(depthAfter, depthBefore);
    EXPECT_EQ(first->nameStackDepths, std::vector<int>{2});
    EXPECT_EQ(innerFirst->nameStackDepths, std::vector<int>{3});
}

TEST(CSGGroupDraw, TranslationMovesLaterSiblingsOnlyInsideItsGroup)
{
    OffscreenContext context;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    CSGGroup root;
    ProbeNode* probes[5];
    for (auto*& probe : probes)
        probe = new ProbeNode;
    auto* nested = new CSGGroup;
    root.AppendChild(probes[0]);
    root.AppendChild(NewTranslation(0.0f, 2.0f, 0.0f));
    root.AppendChild(probes[1]);
    root.AppendChild(nested);
    nested->AppendChild(probes[2]);
    nested->AppendChild(NewTranslation(1.0f, 0.0f, 0.0f));
    nested->AppendChild(probes[3]);
    root.AppendChild(probes[4]);

    for (bool saveLights : {true, false}) {
        root.SaveLightState = saveLights;
        for (auto* probe : probes)
            probe->modelviews.clear();
        root.Draw(0.0f);

        const float expectedX[5] = {0, 0, 0, 1, 0};
        const float expectedY[5] = {0, 2, 2, 2, 2};
        for (int i = 0; i < 5; ++i) {
            ASSERT_EQ(probes[i]->modelviews.size(), 1u);
            EXPECT_FLOAT_EQ(TranslationX(probes[i]->modelviews[0]), expectedX[i]) << "probe " << i;
            EXPECT_FLOAT_EQ(TranslationY(probes[i]->modelviews[0]), expectedY[i]) << "probe " << i;
        }
        ExpectMatrixNear(CurrentModelview(), ModelviewAfter([] {}));
    }
}

TEST(CSGGroupDraw, SaveLightStateDecidesWhetherChildLightsOutliveTheGroup)
{
    OffscreenContext context;
    for (bool saveLights : {true, false}) {
        glDisable(GL_LIGHT0);
        CSGGroup group;
        group.SaveLightState = saveLights;
        group.AppendChild(new CSGLight(0));
        group.Draw(0.0f);
        EXPECT_EQ(glIsEnabled(GL_LIGHT0) == GL_TRUE, !saveLights) << "SaveLightState " << saveLights;
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(CSGGroupXml, EmptyGroupWritesOpeningAndClosingLine)
{
    CSGGroup group;
    EXPECT_EQ(WrittenText(group), "<CSGGroup SaveLightState = \"1\" >\n</CSGGroup>\n");
    group.SaveLightState = false;
    EXPECT_EQ(WrittenText(group), "<CSGGroup SaveLightState = \"0\" >\n</CSGGroup>\n");
}

TEST(CSGGroupXml, OnlyTheExactTextZeroTurnsSaveLightStateOff)
{
    struct Case {
        const char* value; // null: attribute missing
        bool expected;
    };
    const Case cases[] = {{"0", false}, {"1", true}, {"00", true}, {"", true}, {"false", true}, {nullptr, true}};
    for (const Case& c : cases) {
        CSGScene scene;
        XmlElement element;
        element.SetName("CSGGroup");
        if (c.value)
            element.SetAttribute("SaveLightState", c.value);
        CSGGroup group;
        group.SaveLightState = !c.expected;
        group.ReadXml(element, scene);
        EXPECT_EQ(group.SaveLightState, c.expected) << (c.value ? c.value : "(missing)");
    }
}

TEST(CSGGroupXml, ReadsNestedChildrenThroughTheFactoryAndReportsUnknownNames)
{
    const XmlElement element = ElementFromText(
        "<CSGGroup SaveLightState = \"0\" >\n"
        "<CSGLight\n/>\n"
        "<CSGGroup SaveLightState = \"1\" >\n"
        "<CSGTranslation\n  VX = \"1.500000\" VY = \"0.000000\" VZ = \"0.000000\" \n/>\n"
        "<Mystery\n/>\n"
        "<CSGLight\n/>\n"
        "</CSGGroup>\n"
        "<Unheard\n/>\n"
        "<CSGLight\n/>\n"
        "</CSGGroup>\n");
    CSGScene scene;
    scene.Root().ReadXml(element, scene);

    const CSGGroup& root = scene.Root();
    EXPECT_FALSE(root.SaveLightState);
    ASSERT_EQ(root.ChildCount(), 3u);
    auto* inner = dynamic_cast<CSGGroup*>(root.GetChild(1));
    ASSERT_NE(inner, nullptr);
    ASSERT_EQ(inner->ChildCount(), 2u);
    auto* translation = dynamic_cast<CSGTranslation*>(inner->GetChild(0));
    ASSERT_NE(translation, nullptr);
    EXPECT_FLOAT_EQ(translation->VX, 1.5f);
    // Lights are numbered in document order, nested ones included.
    EXPECT_EQ(dynamic_cast<CSGLight*>(root.GetChild(0))->LightIndex, 0);
    EXPECT_EQ(dynamic_cast<CSGLight*>(inner->GetChild(1))->LightIndex, 1);
    EXPECT_EQ(dynamic_cast<CSGLight*>(root.GetChild(2))->LightIndex, 2);
    // The first unknown name is kept for the refusal message.
    EXPECT_EQ(scene.GetUnknownElement(), "Mystery");
    EXPECT_EQ(scene.GetUnknownElementParent(), "CSGGroup");
}

TEST(CSGGroupXml, ChildElementsThatALeafDoesNotReadAreReported)
{
    const struct {
        const char* text;
        const char* unknown; // "" when every element is read
        const char* parent;
    } cases[] = {
        {"<CSGTranslation><CSGTranslation/></CSGTranslation>", "CSGTranslation", "CSGTranslation"},
        {"<CSGLight><Colour/></CSGLight>", "Colour", "CSGLight"},
        {"<CSGTransformation><Matrix Label=\"M\"/><Extra/></CSGTransformation>", "Extra", "CSGTransformation"},
        {"<CSGTransformation><Matrix Label=\"M\"><Row/></Matrix></CSGTransformation>", "Row", "Matrix"},
        {"<CSGTransformation><Matrix Label=\"M\"/><Matrix Label=\"M\"/></CSGTransformation>", "", ""},
        {"<CSGGroup><CSGGroup><CSGTranslation/></CSGGroup></CSGGroup>", "", ""},
    };
    for (const auto& c : cases) {
        CSGScene scene;
        scene.Root().ReadXml(ElementFromText(std::string("<CSGGroup>") + c.text + "</CSGGroup>"), scene);
        EXPECT_EQ(scene.GetUnknownElement(), c.unknown) << c.text;
        EXPECT_EQ(scene.GetUnknownElementParent(), c.parent) << c.text;
    }
}

TEST(CSGGroupFind, FindsTwoGroupsDeepAndNeverTheSearchingGroup)
{
    CSGGroup root;
    auto* outer = new CSGGroup;
    auto* inner = new CSGGroup;
    auto* deep = new CountingNode;
    root.AppendChild(new CountingNode);
    root.AppendChild(outer);
    outer->AppendChild(new CountingNode);
    outer->AppendChild(inner);
    inner->AppendChild(new CountingNode);
    inner->AppendChild(deep);

    auto found = root.FindChild(deep);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->parent, inner);
    EXPECT_EQ(found->position->get(), deep);
    EXPECT_FALSE(root.FindChild(&root).has_value());

    CountingNode elsewhere;
    const auto located = root.Locate({deep, outer, &elsewhere, deep});
    ASSERT_EQ(located.size(), 2u);
    EXPECT_EQ(located.at(deep).parent, inner);
    EXPECT_EQ(located.at(outer).position->get(), outer);

    EXPECT_TRUE(root.DeleteDescendant(deep));
    EXPECT_EQ(inner->ChildCount(), 1u);
    EXPECT_FALSE(root.FindChild(deep).has_value());
}
