#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "xml/XmlElement.h"

TEST(XmlElement, AttributesStayInNameOrderAndKeepTheLastValue)
{
    XmlElement wall;
    wall.SetAttribute("Width", "3");
    wall.SetAttribute("Depth", "1");
    wall.SetAttribute("Width", "4");
    wall.SetAttribute("TexTX", "");
    EXPECT_EQ(wall.GetAttribute("Width"), "4");
    EXPECT_EQ(wall.GetAttribute("TexTX"), "");
    EXPECT_EQ(wall.GetAttribute("Height"), "");
    EXPECT_EQ(wall.GetAttribute(""), "");
    const XmlAttributeList expected = {{"Depth", "1"}, {"TexTX", ""}, {"Width", "4"}};
    EXPECT_EQ(wall.GetAttributes(), expected);
}

// Texture lists name their attributes "1", "2", ...; level elements have names of one length
// and shared prefixes. Every name must be found, and no prefix or extension of one.
TEST(XmlElement, LookupsFindEveryNameAmongManyOfLikeShape)
{
    std::vector<std::string> names = {"Tex",       "TexTX",     "TexTY",      "TexScaleX",
                                      "TexScaleY", "TextureID", "\xe9t\xe9", "_"};
    for (int i = 1; i <= 300; ++i)
        names.push_back(std::to_string(i));
    XmlElement textures;
    for (const std::string& name : names)
        textures.SetAttribute(name, name + "=v");
    EXPECT_EQ(textures.GetAttributeCount(), names.size());
    for (const std::string& name : names)
        EXPECT_EQ(textures.GetAttribute(name), name + "=v");
    for (const char* missing : {"", "0", "301", "Te", "TexT", "TexTXY", "\xe9t"})
        EXPECT_EQ(textures.GetAttribute(missing), "") << missing;
    const XmlAttributeList attributes = textures.GetAttributes();
    ASSERT_EQ(attributes.size(), names.size());
    EXPECT_TRUE(std::is_sorted(attributes.begin(), attributes.end()));
    EXPECT_EQ(attributes.front().first, "1");
    EXPECT_EQ(attributes.back().first, "\xe9t\xe9");
}

TEST(XmlElement, AttributesMayBeSetFromTheElementsOwnValues)
{
    XmlElement element;
    element.SetAttribute("a", "value");
    element.SetAttribute("b", element.GetAttribute("a"));
    element.SetAttribute("a", element.GetAttribute("a").substr(2));
    EXPECT_EQ(element.GetAttribute("a"), "lue");
    EXPECT_EQ(element.GetAttribute("b"), "value");
    const XmlElement copy = element;
    element.SetAttribute("b", "changed");
    EXPECT_EQ(copy.GetAttribute("b"), "value");
}

// An element borrowing a list reads what the list holds; setting an attribute makes it own
// copies, and the list may then go.
TEST(XmlElement, BorrowedAttributesReadLikeOwnedOnes)
{
    XmlElement wall;
    wall.SetAttribute("Stale", "x");
    {
        const std::string text = "Depth1Width4";
        const XmlAttributeList borrowed = {{std::string_view(text).substr(0, 5), std::string_view(text).substr(5, 1)},
                                           {std::string_view(text).substr(6, 5), std::string_view(text).substr(11, 1)}};
        wall.BorrowAttributes(borrowed);
        EXPECT_EQ(wall.GetAttribute("Width"), "4");
        EXPECT_EQ(wall.GetAttribute("Stale"), "");
        EXPECT_EQ(wall.GetAttributeCount(), 2u);
        wall.SetAttribute("TexTX", "2");
    }
    const XmlAttributeList expected = {{"Depth", "1"}, {"TexTX", "2"}, {"Width", "4"}};
    EXPECT_EQ(wall.GetAttributes(), expected);
    wall.Clear();
    EXPECT_EQ(wall.GetAttributeCount(), 0u);
}
