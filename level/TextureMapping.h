#pragma once

// How a floor's or wall's texture is laid on it, edited by the forms and the texture dialog
// through these accessors.
class TextureMapping {
public:
    virtual ~TextureMapping() = default;

    virtual unsigned GetGLTexture() const { return m_glTexture; }
    virtual void SetGLTexture(unsigned texture) { m_glTexture = texture; }
    virtual int GetTextureID() const { return TextureID; }
    virtual void SetTextureID(int id) { TextureID = id; }
    virtual float GetTexTX() const { return TexTX; }
    virtual void SetTexTX(float v) { TexTX = v; }
    virtual float GetTexTY() const { return TexTY; }
    virtual void SetTexTY(float v) { TexTY = v; }
    virtual float GetTexScaleX() const { return TexScaleX; }
    virtual void SetTexScaleX(float v) { TexScaleX = v; }
    virtual float GetTexScaleY() const { return TexScaleY; }
    virtual void SetTexScaleY(float v) { TexScaleY = v; }
    virtual float GetTexRotationAngleDeg() const { return TexRotationAngleDeg; }
    // Reduced by whole turns: 370.5 -> 10.5, -725 -> -5.
    virtual void SetTexRotationAngleDeg(float v);
    virtual bool NeedsTextureUpdate() const { return m_needsTextureUpdate; }
    virtual void SetNeedsTextureUpdate(bool v) { m_needsTextureUpdate = v; }

    // Where the mapping lays the texture coordinate (s, t): moved by TexTX and TexTY, turned
    // about the middle of the unit square, then scaled, as the texture matrix would.
    void MapTexCoord(float st[2]) const;

    int TextureID = 0;
    unsigned m_glTexture = 0;
    float TexTX = 0.0f;
    float TexTY = 0.0f;
    float TexScaleX = 1.0f;
    float TexScaleY = 1.0f;
    float TexRotationAngleDeg = 0.0f;
    bool m_needsTextureUpdate = true;
};

// Reduces an angle by whole turns, counted on its integer part: 725.5 -> 5.5, -400 -> -40.
float ReduceByWholeTurns(float degrees);
