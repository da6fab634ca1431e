#include "level/LevelFloor.h"

#include "level/BoxGeometry.h"
#include "scenegraph/XmlAttributes.h"
#include "xml/XmlElement.h"

void LevelFloor::Draw(float t)
{
    const SavedColour colour = BeginTexturedDraw(t, {0.1f, 0.8f, 0.8f});
    const bool textured = IsTexturedDraw(t);
    MeshVertex mesh[BOX_MESH_VERTICES];
    const int count = PreviewMesh(textured, mesh);
    if (IsFlatDraw(t))
        DrawQuadMesh(mesh, count, false);
    else
        DrawPreviewMesh(mesh, count, textured);
    EndTexturedDraw(t, colour);
}

int LevelFloor::PreviewMesh(bool textured, MeshVertex out[BOX_MESH_VERTICES]) const
{
    const int count = BoxMesh({Width * 0.5f, Heigth * 0.5f, -1.0f, 0.0f}, true, out);
    if (textured)
        MapTexCoords(out, count);
    return count;
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
