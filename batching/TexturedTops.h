#pragma once

class CSGGroup;

// What the edit view's textured top view lays under its lines.
enum class TexturedTops { Floor, Walls };

// Draws the top faces of the level's textured floor or walls with their images as the preview
// lays them, unlit in the images' own colours. The floor writes no depth, so that the grid
// drawn after it still shows; a wall's top lies a hair below its outline and above its flat
// fill, so that the outlines and the selection stay in front.
void DrawTexturedTops(CSGGroup& levelGroup, TexturedTops which);
