#include "level/Item.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <GL/gl.h>
#include <GL/glu.h>

#include "batching/BallMesh.h"
#include "batching/FlatBatch.h"
#include "level/AttributeTable.h"
#include "level/BoxGeometry.h"
#include "level/DrawnBox.h"
#include "level/FlatStyle.h"
#include "level/SavedColour.h"

namespace {

const FloatAttribute<Item> kItemAttributes[] = {
    {"PosX", &Item::x},
    {"PosY", &Item::y},
    {"PosZ", &Item::z},
    {"RespawnTime", &Item::RespawnTime},
    {"TTLBeforePicked", &Item::TTLBeforePicked},
    {"Amount", &Item::Amount},
};

// Colour of each item type in the three-dimensional view, from ITEM_NORMAL on.
const float kTypeColours[][4] = {
    {0.4f, 1.0f, 1.0f, 0.5f}, // ITEM_NORMAL
    {1.0f, 0.0f, 0.0f, 0.5f}, // ITEM_LIFE_EXTRA
    {1.0f, 1.0f, 1.0f, 0.5f}, // ITEM_NO_GROWTH
    {0.2f, 0.8f, 0.8f, 0.5f}, // ITEM_DECREASE_LENGTH
    {1.0f, 1.0f, 0.0f, 0.5f}, // ITEM_INCREASE_SPEED
    {0.8f, 0.8f, 0.0f, 0.5f}, // ITEM_DECREASE_SPEED
};

// Colour of each item type in the edit view, from ITEM_NORMAL on: darker than the
// preview's, to stand out on white, and apart from the floor, the walls, the start marker and
// the selection.
const FlatColour kFlatTypeColours[] = {
    {0.0f, 0.6f, 0.6f},    // ITEM_NORMAL: teal
    {0.85f, 0.0f, 0.0f},   // ITEM_LIFE_EXTRA: red
    {0.25f, 0.25f, 0.25f}, // ITEM_NO_GROWTH: dark grey
    {0.1f, 0.6f, 0.1f},    // ITEM_DECREASE_LENGTH: green
    {1.0f, 0.55f, 0.0f},   // ITEM_INCREASE_SPEED: orange
    {0.6f, 0.6f, 0.0f},    // ITEM_DECREASE_SPEED: olive
};
// An item of a type the game does not know.
constexpr FlatColour kFlatUnknownColour = {0.5f, 0.4f, 0.2f};

// Half the length of a bar of the flat sign.
constexpr float kFlatSignHalf = 0.3f;

bool IsKnownItemType(int type)
{
    return type >= ITEM_NORMAL && type <= ITEM_DECREASE_SPEED;
}

// Items that take something away show a minus sign: no vertical bar.
bool ShowsMinusSign(int type)
{
    return type == ITEM_DECREASE_LENGTH || type == ITEM_DECREASE_SPEED;
}

FlatColour FlatTypeColour(int type)
{
    return IsKnownItemType(type) ? kFlatTypeColours[type - ITEM_NORMAL] : kFlatUnknownColour;
}

} // namespace

Item::Item() = default;

Item::Item(float posX, float posY, float posZ, int itemType)
    : RespawnTime(itemType == ITEM_NORMAL ? 0.0f : 20.0f), ItemTypeID(itemType)
{
    x = posX;
    y = posY;
    z = posZ;
}

int Item::GetType() const
{
    return IsKnownItemType(ItemTypeID) ? ItemTypeID : ITEM_OUT_OF_RANGE;
}

void Item::Prepare()
{
    m_sphereList = glGenLists(2);
    m_cubeList = m_sphereList + 1;
    GLUquadric* quadric = gluNewQuadric();
    // With texture coordinates the sphere is made of quad strips only. Mesa crashes when it
    // replays a list that mixes the poles' triangle fans with quad strips in selection mode
    // (a click in the preview); the sphere-map generation replaces these coordinates anyway.
    gluQuadricTexture(quadric, GL_TRUE);
    glNewList(m_sphereList, GL_COMPILE);
    gluSphere(quadric, m_size, 15, 8);
    glEndList();
    gluDeleteQuadric(quadric);
    glNewList(m_cubeList, GL_COMPILE);
    DrawUnitCube();
    glEndList();
    m_listsNeeded = false;
}

void Item::Draw(float t)
{
    const SavedColour colour;
    // Only the glass sphere touches texture state; saving it costs the edit view's flat drawing
    // more than the rest of an item.
    glPushAttrib(GL_CURRENT_BIT | GL_LINE_BIT | (IsFlatDraw(t) ? 0 : GL_TEXTURE_BIT));
    if (IsFlatDraw(t)) {
        SetFlatOutline(FlatTypeColour(ItemTypeID), selected);
    } else {
        GLfloat own[4];
        PreviewColour(own);
        glColor4fv(own);
    }
    if (IsFlatDraw(t)) {
        glPushMatrix();
        Place();
        DrawFlat();
        glPopMatrix();
    } else {
        // From arrays, as the preview's batch draws them, so that a clipped item rounds alike.
        glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        MeshVertex mesh[BOX_MESH_VERTICES];
        for (int bar = 0; bar < SignBars(); ++bar)
            DrawQuadArray(mesh, SignBarMesh(bar, t, mesh));
        DrawGlassSphere();
        glPopClientAttrib();
    }
    colour.Restore();
    glPopAttrib();
}

bool Item::AddPreviewParts(PreviewBatch& batch, float t)
{
    GLfloat colour[4];
    PreviewColour(colour);
    const DrawnBox box = BoxOf(*this);
    for (int bar = 0; bar < SignBars(); ++bar) {
        const MeshKey key = {x, y, z, m_size, t, static_cast<float>(bar), 0, 0, 0, 0, 0, 0};
        batch.AddMesh({}, colour, box, key, [this, bar, t](MeshVertex* out) { return SignBarMesh(bar, t, out); });
    }
    UpdateGlassMesh(batch.BallFacetsOf(GlassCentre().data(), m_size));
    batch.AddOwnMesh({m_sphereMapTexture, true}, colour, box, m_glass.data(), static_cast<int>(m_glass.size()));
    return true;
}

std::array<float, 3> Item::GlassCentre() const
{
    return {x, y + m_size, z};
}

void Item::UpdateGlassMesh(const BallFacets& facets)
{
    const std::array<float, 3> centre = GlassCentre();
    const float key[6] = {centre[0], centre[1], centre[2], m_size, static_cast<float>(facets.slices),
                          static_cast<float>(facets.stacks)};
    if (!m_glass.empty() && std::equal(key, key + 6, m_glassKey))
        return;
    BallMesh(centre.data(), m_size, facets, m_glass);
    std::copy(key, key + 6, m_glassKey);
}

void Item::PreviewColour(GLfloat colour[4]) const
{
    static const GLfloat kSelected[4] = {1.0f, 0.0f, 0.0f, 0.8f};
    if (selected)
        std::copy(kSelected, kSelected + 4, colour);
    else if (IsKnownItemType(ItemTypeID))
        std::copy(kTypeColours[ItemTypeID - ITEM_NORMAL], kTypeColours[ItemTypeID - ITEM_NORMAL] + 4, colour);
    else
        glGetFloatv(GL_CURRENT_COLOR, colour);
}

void Item::Place() const
{
    glTranslatef(0.0f, m_size, 0.0f);
    glTranslatef(x, y, z);
}

void Item::DrawFlat() const
{
    const PolygonFillScope filled;
    const FlatColour outline = FlatOutline(FlatTypeColour(ItemTypeID), selected);
    DrawFilledBox(UNIT_CUBE, outline, outline);
    // The preview's sign, flat on the top face, in white.
    const float top = UNIT_CUBE.topY;
    glColor3f(1.0f, 1.0f, 1.0f);
    FlatBegin(GL_LINES);
    FlatVertex(-kFlatSignHalf, top, 0.0f);
    FlatVertex(kFlatSignHalf, top, 0.0f);
    if (!ShowsMinusSign(ItemTypeID)) {
        FlatVertex(0.0f, top, -kFlatSignHalf);
        FlatVertex(0.0f, top, kFlatSignHalf);
    }
    FlatEnd();
}

int Item::SignBars() const
{
    return ShowsMinusSign(ItemTypeID) ? 1 : 2;
}

int Item::SignBarMesh(int bar, float t, MeshVertex out[BOX_MESH_VERTICES]) const
{
    const float thin = 0.4f * m_size;
    const float scale[3] = {bar == kBarAcross ? m_size : thin, bar == kBarAcross ? thin : m_size, thin};
    const int count = BoxMesh(UNIT_CUBE, true, out);
    // The sign spins at 90 degrees a second about the item's upright axis.
    const double angle = 90.0 * static_cast<double>(t) * M_PI / 180.0;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double centre[3] = {x, static_cast<double>(y) + m_size, z};
    for (int i = 0; i < count; ++i) {
        float* p = out[i].position;
        float* n = out[i].normal;
        const double px = static_cast<double>(p[0]) * scale[0];
        const double pz = static_cast<double>(p[2]) * scale[2];
        p[0] = static_cast<float>(centre[0] + (c * px + s * pz));
        p[1] = static_cast<float>(centre[1] + static_cast<double>(p[1]) * scale[1]);
        p[2] = static_cast<float>(centre[2] + (c * pz - s * px));
        // A scale along the axes leaves the cube's normals where they point.
        const double nx = n[0];
        const double nz = n[2];
        n[0] = static_cast<float>(c * nx + s * nz);
        n[2] = static_cast<float>(c * nz - s * nx);
    }
    return count;
}

void Item::DrawGlassSphere()
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    UpdateGlassMesh(BallFacetsFor(BallPixelRadius(CurrentClipMatrix(), viewport, GlassCentre().data(), m_size)));
    ApplyPreviewLook({m_sphereMapTexture, true});
    DrawQuadArray(m_glass.data(), static_cast<int>(m_glass.size()));
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

void Item::WriteXml(std::FILE* file)
{
    std::fprintf(file, "<Item\n");
    std::fprintf(file,
                 "  ItemTypeID = \"%i\" PosX = \"%f\" PosY = \"%f\" PosZ = \"%f\" RespawnTime = \"%f\" "
                 "TTLBeforePicked = \"%f\" Amount = \"%f\"\n",
                 ItemTypeID, x, y, z, RespawnTime, TTLBeforePicked, Amount);
    std::fprintf(file, "/>\n");
}

void Item::ReadXml(const XmlElement& element, CSGScene&)
{
    ItemTypeID = ReadIntAttribute(element, "ItemTypeID");
    ReadFloatAttributes(element, *this, kItemAttributes);
}
