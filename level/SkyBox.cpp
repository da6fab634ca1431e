#include "level/SkyBox.h"

#include <cstdio>

#include <GL/gl.h>
#include <IL/il.h>
#include <IL/ilu.h>

#include "glext/GLExtensions.h"
#include "image/ImageFile.h"

namespace {

const char* const kFaceSuffixes[6] = {"_negx", "_posx", "_negy", "_posy", "_negz", "_posz"};

const GLenum kCubeFaceTargets[6] = {
    GL_TEXTURE_CUBE_MAP_NEGATIVE_X_ARB, GL_TEXTURE_CUBE_MAP_POSITIVE_X_ARB,
    GL_TEXTURE_CUBE_MAP_NEGATIVE_Y_ARB, GL_TEXTURE_CUBE_MAP_POSITIVE_Y_ARB,
    GL_TEXTURE_CUBE_MAP_NEGATIVE_Z_ARB, GL_TEXTURE_CUBE_MAP_POSITIVE_Z_ARB,
};

const float kCorners[8][3] = {
    {-1, 1, -1}, {-1, -1, -1}, {1, -1, -1}, {1, 1, -1},
    {-1, 1, 1},  {-1, -1, 1},  {1, -1, 1},  {1, 1, 1},
};

// Corner indices of each face, in the order of the face suffixes.
const int kFaces[6][4] = {
    {3, 2, 6, 7}, {4, 5, 1, 0}, {4, 0, 3, 7}, {1, 5, 6, 2}, {7, 6, 5, 4}, {0, 1, 2, 3},
};

const float kFaceTexCoords[4][2] = {{1, 1}, {1, 0}, {0, 0}, {0, 1}};

const char kNoCubeMapWarning[] =
    "Warning: Your graphics hw does not support ARB_texture_cube_map\nUsing just six textures...";

bool HasCubeMapExtension()
{
    return IsExtensionAvailable("GL_ARB_texture_cube_map");
}

void SetFilters(GLenum target)
{
    glTexParameterf(target, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameterf(target, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
}

// Multiplies the current matrix by a row-major matrix.
void MultMatrix(const Matrix4& matrix)
{
    Matrix4 columns = matrix;
    columns.Transpose();
    glMultMatrixf(columns.m);
}

// The box lies behind everything whatever its place in the scene: its fragments get the far
// depth and pass only where nothing has been drawn yet, and it writes no depth. Drawn first, it
// fills the whole background as before; drawn after the level, it no longer covers it. The
// enable, depth and depth-range state is restored by glPopAttrib.
void PushBackgroundState()
{
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_DEPTH_BUFFER_BIT | GL_VIEWPORT_BIT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthRange(1.0, 1.0);
    glDepthMask(GL_FALSE);
}

void DeleteTexture(unsigned name)
{
    if (name != 0 && glIsTexture(name))
        glDeleteTextures(1, &name);
}

} // namespace

// The six face images of one load, held by the image library until they are uploaded. A face
// that cannot be read gets the no-texture image like any missing image, scaled to the size of
// the faces that could be read so that a cube map stays complete; when that is missing too the
// face is left empty. A face never keeps what an earlier load put there.
class FaceImages {
public:
    FaceImages(const std::string names[6], const std::string& fallback, unsigned maxSide)
    {
        ilGenImages(6, m_images);
        ILint width = 0;
        ILint height = 0;
        bool own[6];
        for (int i = 0; i < 6; ++i) {
            own[i] = m_usable[i] = Load(i, names[i], maxSide);
            if (own[i] && width == 0) {
                width = ilGetInteger(IL_IMAGE_WIDTH);
                height = ilGetInteger(IL_IMAGE_HEIGHT);
            }
        }
        // The no-texture image is read and scaled once; the other missing faces copy it.
        int fallbackFace = -1;
        for (int i = 0; i < 6; ++i) {
            if (own[i])
                continue;
            if (fallbackFace < 0) {
                fallbackFace = i;
                m_usable[i] = Load(i, fallback, maxSide);
                if (m_usable[i] && width > 0)
                    iluScale(width, height, 1);
                continue;
            }
            ilBindImage(m_images[i]);
            m_usable[i] = m_usable[fallbackFace] && ilCopyImage(m_images[fallbackFace]);
        }
    }
    ~FaceImages() { ilDeleteImages(6, m_images); }
    FaceImages(const FaceImages&) = delete;
    FaceImages& operator=(const FaceImages&) = delete;

    // Gives face i's pixels to the texture target, tightly packed 8-bit RGB, so OpenGL reads
    // exactly the buffer it is given.
    void Upload(int i, GLenum target) const
    {
        ilBindImage(m_images[i]);
        const ILint width = m_usable[i] ? ilGetInteger(IL_IMAGE_WIDTH) : 0;
        const ILint height = m_usable[i] ? ilGetInteger(IL_IMAGE_HEIGHT) : 0;
        glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(target, 0, 3, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, m_usable[i] ? ilGetData() : nullptr);
        glPopClientAttrib();
    }

private:
    bool Load(int i, const std::string& path, unsigned maxSide)
    {
        ilBindImage(m_images[i]);
        return LoadImageFile(path, maxSide) && ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE);
    }

    ILuint m_images[6] = {};
    bool m_usable[6] = {};
};

bool SkyBoxFaceNames(const std::string& baseName, std::string names[6])
{
    const std::size_t dot = baseName.rfind('.');
    const std::size_t slash = baseName.find_last_of("/\\");
    // A '.' that only belongs to a folder ("../data/sky") leaves no extension to split off.
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return false;
    const std::string stem = baseName.substr(0, dot);
    const std::string extension = baseName.substr(dot);
    for (int i = 0; i < 6; ++i)
        names[i] = stem + kFaceSuffixes[i] + extension;
    return true;
}

SkyBox::~SkyBox()
{
    DeleteTexture(m_cubeTexture);
    for (unsigned name : m_faceTextures)
        DeleteTexture(name);
}

bool SkyBox::Load(const std::string& baseName)
{
    std::string names[6];
    m_loaded = SkyBoxFaceNames(baseName, names);
    if (!m_loaded) {
        std::printf("Sky box not loaded: no extension in the image name \"%s\"\n", baseName.c_str());
        return false;
    }
    InitImageLibrary();
    if (HasCubeMapExtension()) {
        LoadCube(FaceImages(names, m_fallbackPath, MaxTextureSide(GL_MAX_CUBE_MAP_TEXTURE_SIZE_ARB)));
    } else {
        std::printf("%s", kNoCubeMapWarning);
        LoadSixTextures(FaceImages(names, m_fallbackPath, MaxTextureSide(GL_MAX_TEXTURE_SIZE)));
    }
    return true;
}

void SkyBox::LoadCube(const FaceImages& faces)
{
    glPushAttrib(GL_ENABLE_BIT);
    glEnable(GL_TEXTURE_CUBE_MAP_ARB);
    glDisable(GL_TEXTURE_1D);
    glDisable(GL_TEXTURE_2D);
    if (m_cubeTexture == 0)
        glGenTextures(1, &m_cubeTexture);
    glBindTexture(GL_TEXTURE_CUBE_MAP_ARB, m_cubeTexture);
    SetFilters(GL_TEXTURE_CUBE_MAP_ARB);
    for (int i = 0; i < 6; ++i)
        faces.Upload(i, kCubeFaceTargets[i]);
    glPopAttrib();
}

void SkyBox::LoadSixTextures(const FaceImages& faces)
{
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_TEXTURE_1D);
    glEnable(GL_TEXTURE_2D);
    if (m_faceTextures[0] == 0)
        glGenTextures(6, m_faceTextures);
    for (int i = 0; i < 6; ++i) {
        glBindTexture(GL_TEXTURE_2D, m_faceTextures[i]);
        SetFilters(GL_TEXTURE_2D);
        faces.Upload(i, GL_TEXTURE_2D);
    }
    glPopAttrib();
}

void SkyBox::Draw(const Matrix4& r)
{
    if (!m_loaded)
        return;
    if (HasCubeMapExtension()) {
        DrawCube(r);
    } else {
        std::printf("%s", kNoCubeMapWarning);
        DrawSixTextures(r);
    }
}

void SkyBox::DrawCube(const Matrix4& r) const
{
    // Normal-map coordinates are eye-space directions; the inverse view rotation turns them
    // back into the fixed directions of the sky.
    Matrix4 inverse = r;
    inverse.Invert();
    PushBackgroundState();
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_1D);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_TEXTURE_CUBE_MAP_ARB);
    glBindTexture(GL_TEXTURE_CUBE_MAP_ARB, m_cubeTexture);
    for (GLenum coord : {GL_S, GL_T, GL_R})
        glTexGeni(coord, GL_TEXTURE_GEN_MODE, GL_NORMAL_MAP_ARB);
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    glEnable(GL_TEXTURE_GEN_R);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glLoadIdentity();
    MultMatrix(inverse);
    for (const auto& face : kFaces) {
        glBegin(GL_QUADS);
        for (int corner : face) {
            glNormal3fv(kCorners[corner]);
            glVertex3fv(kCorners[corner]);
        }
        glEnd();
    }
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}

void SkyBox::DrawSixTextures(const Matrix4& r) const
{
    PushBackgroundState();
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_1D);
    glEnable(GL_TEXTURE_2D);
    // The faces got their filters when they were loaded; the bound texture may be a wall's.
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glPushMatrix();
    glLoadIdentity();
    MultMatrix(r);
    glScalef(-1.0f, -1.0f, 1.0f);
    for (int i = 0; i < 6; ++i) {
        glBindTexture(GL_TEXTURE_2D, m_faceTextures[i]);
        glBegin(GL_QUADS);
        for (int k = 0; k < 4; ++k) {
            glTexCoord2fv(kFaceTexCoords[k]);
            glVertex3fv(kCorners[kFaces[i][k]]);
        }
        glEnd();
    }
    glPopMatrix();
    glPopMatrix();
    glPopAttrib();
}
