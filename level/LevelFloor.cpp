#include "level/LevelFloor.h"

#include "level/BoxGeometry.h"
#include "scenegraph/XmlAttributes.h"
#include "xml/XmlElement.h"

void LevelFloor::Draw(float t)
{
    const SavedColour colour = BeginTexturedDraw(t, {0.1f, 0.8f, 0.8f});
    DrawBox({Width * 0.5f, Heigth * 0.5f, -1.0f, 0.0f}, true, IsTexturedDraw(t));
    EndTexturedDraw(t, colour);
}

void LevelFloor::WriteXml(std::FILE* file)
{
    std::fprintf(file, "<LevelFloor\n");
    std::fprintf(file, "  Width = \"%i\" Heigth = \"%i\" ", Width, Heigth);
    WriteMappingAttributes(file);
    std::fprintf(file, "/>\n");
}

void LevelFloor::ReadXml(const XmlElement& element, CSGScene&)
{
    Width = ReadIntAttribute(element, "Width");
    Heigth = ReadIntAttribute(element, "Heigth");
    ReadMappingAttributes(element);
}
