#include <memory>

#include <gtest/gtest.h>

#include "scenegraph/CSGAnimRotation.h"
#include "scenegraph/CSGAnimZPrecession.h"
#include "scenegraph/CSGLight.h"
#include "scenegraph/CSGRotation.h"
#include "scenegraph/CSGScene.h"
#include "scenegraph/CSGTransformation.h"
#include "scenegraph/CSGTranslation.h"
#include "tests/scenegraph/SceneTestSupport.h"

using namespace scenegraph_test;

namespace {

template <class Node>
Node* Created(CSGScene& scene, const char* name, std::unique_ptr<CSGNode>& keep)
{
    keep.reset(scene.CreateNode(name));
    return dynamic_cast<Node*>(keep.get());
}

} // namespace

TEST(CSGSceneFactory, CreatesEveryKnownElementInItsInitialState)
{
    CSGScene scene;
    std::unique_ptr<CSGNode> node;

    ASSERT_NE(Created<CSGGroup>(scene, "CSGGroup", node), nullptr);
    EXPECT_TRUE(static_cast<CSGGroup*>(node.get())->SaveLightState);
    EXPECT_EQ(node->GetType(), GROUP);

    auto* translation = Created<CSGTranslation>(scene, "CSGTranslation", node);
    ASSERT_NE(translation, nullptr);
    EXPECT_EQ(translation->VX + translation->VY + translation->VZ, 0.0f);

    auto* precession = Created<CSGAnimZPrecession>(scene, "CSGAnimZPrecession", node);
    ASSERT_NE(precession, nullptr);
    EXPECT_EQ(precession->DeclinationDeg, 30.0f);
    EXPECT_EQ(precession->AngularSpeedDPS, 10.0f);
    EXPECT_EQ(precession->StartAngleDeg, 0.0f);

    auto* transformation = Created<CSGTransformation>(scene, "CSGTransformation", node);
    ASSERT_NE(transformation, nullptr);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(transformation->Matrix.m[i], Matrix4::Identity().m[i]);

    auto* rotation = Created<CSGRotation>(scene, "CSGRotation", node);
    ASSERT_NE(rotation, nullptr);
    EXPECT_EQ(rotation->GetType(), PLAIN_NODE);
    ASSERT_NE(Created<CSGAnimRotation>(scene, "CSGAnimRotation", node), nullptr);

    auto* light = Created<CSGLight>(scene, "CSGLight", node);
    ASSERT_NE(light, nullptr);
    const float pt[4] = {0, 0, 1, 0}, ac[4] = {0, 0, 0, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(light->PT[i], pt[i]);
        EXPECT_EQ(light->AC[i], ac[i]);
        EXPECT_EQ(light->DC[i], 1.0f);
        EXPECT_EQ(light->SC[i], 1.0f);
    }
}

TEST(CSGSceneFactory, UnknownOrMiscasedNamesGiveNoNode)
{
    CSGScene scene;
    for (const char* name : {"", "csglight", "CSGGroup ", "LevelFloor", "Matrix"})
        EXPECT_EQ(scene.CreateNode(name), nullptr) << name;
    EXPECT_EQ(scene.m_lightCounter, 0);
}

TEST(CSGSceneReset, DeletesEveryNodeAndRestartsLightNumbering)
{
    CSGScene scene;
    std::unique_ptr<CSGNode> first(scene.CreateNode("CSGLight"));
    std::unique_ptr<CSGNode> second(scene.CreateNode("CSGLight"));
    EXPECT_EQ(static_cast<CSGLight*>(first.get())->LightIndex, 0);
    EXPECT_EQ(static_cast<CSGLight*>(second.get())->LightIndex, 1);

    auto* outer = new CSGGroup;
    auto* inner = new CSGGroup;
    scene.Root().AppendChild(new CountingNode);
    scene.Root().AppendChild(outer);
    outer->AppendChild(new CountingNode);
    outer->AppendChild(inner);
    inner->AppendChild(new CountingNode);
    inner->AppendChild(new CountingNode);
    ASSERT_EQ(CountingNode::s_alive, 4);

    scene.Reset();
    EXPECT_EQ(CountingNode::s_alive, 0);
    EXPECT_EQ(scene.Root().ChildCount(), 0u);
    EXPECT_EQ(scene.m_lightCounter, 0);
    std::unique_ptr<CSGNode> again(scene.CreateNode("CSGLight"));
    EXPECT_EQ(static_cast<CSGLight*>(again.get())->LightIndex, 0);
}
