#include "app/DefaultLayout.h"

#include <algorithm>

PanelWidths DefaultPanelWidths(const LayoutRoom& room)
{
    PanelWidths widths{0, room.inspectorWidth, 0};
    const int beside = room.clientWidth - room.inspectorWidth - room.sash - VIEWS_MINIMUM_WIDTH;
    const int textures = std::min(beside - room.sash, TEXTURES_BEST_WIDTH);
    if (textures >= TEXTURES_MINIMUM_WIDTH)
        widths.textures = textures;
    widths.views = room.clientWidth - widths.inspector - room.sash - (widths.textures ? widths.textures + room.sash : 0);
    return widths;
}
