#include <gtest/gtest.h>

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
