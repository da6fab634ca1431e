#include "tools/render/LevelPicture.h"

#include <algorithm>
#include <memory>

#include <GL/gl.h>
#include <GL/osmesa.h>

#include "document/TextureTable.h"
#include "glext/GLExtensions.h"
#include "image/ImageFile.h"
#include "level/GameSettingsNode.h"
#include "level/LevelFile.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/StartPositionNode.h"
#include "tools/render/RenderRequest.h"
#include "views/EditProjection.h"
#include "views/PreviewScene.h"

namespace {

// The edit view's grid spacing when the editor starts.
constexpr int kStartGrid = 1;
const float kNoTurn[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// An OSMesa context drawing into memory, current while it lives. The memory is never shown, so
// no window system is involved.
class MemoryContext {
public:
    explicit MemoryContext(int side)
        : m_side(side), m_buffer(static_cast<std::size_t>(side) * side * 4),
          m_context(OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr))
    {
        if (m_context && !OSMesaMakeCurrent(m_context, m_buffer.data(), GL_UNSIGNED_BYTE, side, side)) {
            OSMesaDestroyContext(m_context);
            m_context = nullptr;
        }
    }
    ~MemoryContext()
    {
        if (m_context)
            OSMesaDestroyContext(m_context);
    }
    MemoryContext(const MemoryContext&) = delete;
    MemoryContext& operator=(const MemoryContext&) = delete;

    bool IsCurrent() const { return m_context != nullptr; }

    // What was drawn, top row first, opaque: the views show no background through it.
    RgbaPicture ReadPicture() const
    {
        const auto side = static_cast<unsigned>(m_side);
        RgbaPicture picture{side, side, std::vector<unsigned char>(std::size_t(side) * side * 4)};
        glFinish();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        const std::size_t stride = std::size_t(side) * 4;
        for (int y = 0; y < m_side; ++y)
            glReadPixels(0, m_side - 1 - y, m_side, 1, GL_RGBA, GL_UNSIGNED_BYTE, &picture.pixels[std::size_t(y) * stride]);
        for (std::size_t alpha = 3; alpha < picture.pixels.size(); alpha += 4)
            picture.pixels[alpha] = 0xff;
        return picture;
    }

private:
    int m_side;
    std::vector<unsigned char> m_buffer;
    OSMesaContext m_context;
};

// The level as the editor's document holds it once opened: the start marker drawn from the
// game settings, every image of the file's list a row of the texture table.
void PrepareLevel(LevelScene& scene, TextureTable& table)
{
    table.AdoptImageList(*scene.m_pTextures, scene.Root());
    const GameSettingsNode& settings = *scene.m_pGameSettings;
    scene.m_pLevelGroup->PrependChild(new StartPositionNode(settings.SnakeInitialPosX, settings.SnakeInitialPosY,
                                                            settings.SnakeInitialPosZ,
                                                            settings.SnakeInitialOrientationAngle));
}

void DrawTopView(LevelScene& scene, TextureTable&)
{
    EditCamera camera;
    FitFloor(camera, static_cast<float>(scene.m_pFloor->Width), static_cast<float>(scene.m_pFloor->Heigth));
    DrawEditFrame(camera, kStartGrid, scene.m_pLevelGroup);
}

void DrawPreview(LevelScene& scene, TextureTable& table)
{
    table.RunTextureWork(scene.Root());
    PreviewCamera camera;
    camera.distance = static_cast<float>(std::max(scene.m_pFloor->Width, scene.m_pFloor->Heigth));
    camera.rotation = kNoTurn;
    DrawPreviewFrame(camera, &scene.Root(), 0.0f);
}

struct RenderView {
    const char* name;
    void (*draw)(LevelScene&, TextureTable&);
};

const RenderView kViews[] = {
    {"top", DrawTopView},
    {"preview", DrawPreview},
};

const RenderView* FindView(const std::string& name)
{
    const auto found = std::find_if(std::begin(kViews), std::end(kViews),
                                    [&name](const RenderView& view) { return name == view.name; });
    return found == std::end(kViews) ? nullptr : found;
}

} // namespace

bool IsRenderView(const std::string& name)
{
    return FindView(name) != nullptr;
}

bool DrawLevelPicture(const RenderRequest& request, RgbaPicture& picture, std::string& error)
{
    LevelReadOptions quiet;
    quiet.reports = nullptr;
    std::unique_ptr<LevelScene> scene = ReadLevelFile(request.level, error, quiet);
    if (!scene) {
        error = request.level + ": " + error;
        return false;
    }
    MemoryContext context(request.size);
    if (!context.IsCurrent()) {
        error = request.output + ": no offscreen OpenGL context of " + std::to_string(request.size) + " pixels";
        return false;
    }
    InitExtensions();
    InitImageLibrary();
    glViewport(0, 0, request.size, request.size);
    TextureTable table;
    PrepareLevel(*scene, table);
    FindView(request.view)->draw(*scene, table);
    picture = context.ReadPicture();
    // The textures and the sky box's images belong to the context: they go while it is current.
    table.ReleaseGLResources();
    scene->Reset();
    return true;
}
