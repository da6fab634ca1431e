#include "level/LevelGroupNode.h"

void LevelGroupNode::WriteXml(std::FILE* file)
{
    std::fprintf(file, "<LevelGroupNode SaveLightState = \"%i\" >\n", SaveLightState ? 1 : 0);
    WriteChildren(file);
    std::fprintf(file, "</LevelGroupNode>\n");
}
