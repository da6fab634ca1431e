#pragma once

#include <string>

#include "image/ImageFile.h"
#include "scenegraph/Matrix4.h"

class FaceImages;

// Six images around the eye: one cube-map texture when the context offers the cube-map
// extension, six 2D textures otherwise. Owns its texture names.
class SkyBox {
public:
    SkyBox() = default;
    ~SkyBox();
    SkyBox(const SkyBox&) = delete;
    SkyBox& operator=(const SkyBox&) = delete;

    // Loads the six faces named after baseName; a reload reuses the texture names.
    // False (nothing loaded, nothing drawn, one message on standard output) when the face
    // names cannot be formed.
    bool Load(const std::string& baseName);
    // Draws the box turned by the view rotation r; nothing when the last load failed.
    void Draw(const Matrix4& r);

    unsigned m_cubeTexture = 0;
    unsigned m_faceTextures[6] = {0, 0, 0, 0, 0, 0};
    // Shown on a face whose image cannot be loaded; tests point it elsewhere.
    std::string m_fallbackPath = NO_TEXTURE_IMAGE;

private:
    void LoadCube(const FaceImages& faces);
    void LoadSixTextures(const FaceImages& faces);
    void DrawCube(const Matrix4& r) const;
    void DrawSixTextures(const Matrix4& r) const;

    bool m_loaded = false;
};

// The six face file names for a base name, in the order _negx, _posx, _negy, _posy, _negz,
// _posz: the suffix goes before the extension, which starts at the last '.'. False when the
// file name itself has no '.' to split at.
bool SkyBoxFaceNames(const std::string& baseName, std::string names[6]);
