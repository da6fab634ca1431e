#include "level/GameSettingsNode.h"

#include "level/AttributeTable.h"

namespace {

const FloatAttribute<GameSettingsNode> kFloatSettings[] = {
    {"SnakeInitialPosX", &GameSettingsNode::SnakeInitialPosX},
    {"SnakeInitialPosY", &GameSettingsNode::SnakeInitialPosY},
    {"SnakeInitialPosZ", &GameSettingsNode::SnakeInitialPosZ},
    {"SnakeInitialOrientationAngle", &GameSettingsNode::SnakeInitialOrientationAngle},
    {"SnakeTurningAngle", &GameSettingsNode::SnakeTurningAngle},
    {"SnakeInitialLength", &GameSettingsNode::SnakeInitialLength},
    {"SnakeInitialVelocity", &GameSettingsNode::SnakeInitialVelocity},
};

} // namespace

void GameSettingsNode::WriteXml(std::FILE* file)
{
    std::fprintf(file, "<GameSettingsNode\n");
    std::fprintf(file,
                 "  NormalItemsNumber = \"%i\" SnakeInitialPosX = \"%f\" SnakeInitialPosY = \"%f\" "
                 "SnakeInitialPosZ = \"%f\" SnakeInitialOrientationAngle = \"%f\" SnakeTurningAngle = "
                 "\"%f\" SnakeInitialLength = \"%f\" SnakeInitialVelocity = \"%f\"\n",
                 NormalItemsNumber, SnakeInitialPosX, SnakeInitialPosY, SnakeInitialPosZ,
                 SnakeInitialOrientationAngle, SnakeTurningAngle, SnakeInitialLength,
                 SnakeInitialVelocity);
    std::fprintf(file, "/>\n");
}

void GameSettingsNode::ReadXml(const XmlElement& element, CSGScene&)
{
    NormalItemsNumber = ReadIntAttribute(element, "NormalItemsNumber");
    ReadFloatAttributes(element, *this, kFloatSettings);
}
