#pragma once

// Position and selection state shared by floor, walls, items and the start position.
struct LevelObject {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    // True for the one node that is the document's selection; drawn highlighted.
    bool selected = false;
};
