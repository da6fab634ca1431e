#pragma once

// The first run's share of the window among the docked panels and the two views, by the room
// the window has: the inspector column (Level above Selection) on the right at its natural
// width, the views in the centre, and the Textures panel on the left in what the views leave
// over their minimum, hidden (one click away) where too little is left for it.
struct LayoutRoom {
    int clientWidth;    // the frame's client width, pixels
    int inspectorWidth; // the width at which the forms' columns show whole
    int sash;           // a docked panel's sash and borders
};

struct PanelWidths {
    int textures; // 0: hidden
    int inspector;
    int views; // the centre, both views and the bar between them
};

constexpr int VIEWS_MINIMUM_WIDTH = 930;  // the edit view's 600 and the preview's 300, and the bar
constexpr int TEXTURES_MINIMUM_WIDTH = 150;
constexpr int TEXTURES_BEST_WIDTH = 300;

PanelWidths DefaultPanelWidths(const LayoutRoom& room);
