#pragma once

#include <cstddef>
#include <vector>

#include <GL/gl.h>

#include "level/DrawnBox.h"

class CSGNode;
class PreviewBatch;

// What a part of a wall or an item needs in the preview besides its colour and matrices.
struct PreviewLook {
    // 0: untextured.
    GLuint texture = 0;
    // The glass: texture coordinates from the sphere map, blended.
    bool sphereMap = false;

    bool operator==(const PreviewLook& other) const { return texture == other.texture && sphereMap == other.sphereMap; }
};

// Switches the texture, sphere-map generation and blending of `look` on or off.
void ApplyPreviewLook(const PreviewLook& look);

// A node whose preview drawing is a series of parts, each drawable on its own.
class PreviewParts {
public:
    // Hands the node's parts to the batch in the order in which the node draws them.
    virtual void AddPreviewParts(PreviewBatch& batch, float t) = 0;
    // Draws one part with its own matrix steps from the modelview the node starts from; the
    // batch has set the part's look and colour.
    virtual void DrawPreviewPart(int part, float t) const = 0;

protected:
    ~PreviewParts() = default;
};

// The preview's walls and items, drawn with as few changes of look as the picture allows.
// Each change of texture, sphere map or blending costs Mesa's software renderer a copy of its
// whole fragment state, and node by node every wall and item changes the look two or three
// times. A part
// may be drawn before an earlier one of another look only when the two cannot touch a common
// pixel (their boxes lie apart on the screen): then the order between them shows nowhere, and
// the picture stays the one of the nodes drawing themselves one by one. Parts of one look keep
// their order; so does everything drawn outside the batch (see DrawGroupThrough).
//
// Every node puts the colour back as it found it, so with colour material on the material
// follows each part's colour; lights, groups and other nodes end a batch.
class PreviewBatch {
public:
    explicit PreviewBatch(float t) : m_time(t) {}
    ~PreviewBatch() { Flush(); }
    PreviewBatch(const PreviewBatch&) = delete;
    PreviewBatch& operator=(const PreviewBatch&) = delete;

    // Takes a wall's or an item's parts; false for any other node.
    bool Take(CSGNode& node, float t);
    // A part of `node` in `colour` that draws within `box` (in the current modelview).
    void Add(const PreviewParts& node, int part, const PreviewLook& look, const GLfloat colour[4], const DrawnBox& box);
    // Draws what has been taken, under the modelview current when it was taken.
    void Flush();

private:
    struct Part {
        const PreviewParts* node;
        int part;
        int look; // index in m_looks
        GLfloat colour[4];
        DrawnBox box;
    };

    // The parts that may show, in the order to draw them.
    std::vector<std::size_t> DrawingOrder() const;
    void Draw(const std::vector<std::size_t>& order) const;

    float m_time;
    std::vector<Part> m_parts;
    std::vector<PreviewLook> m_looks;
};
