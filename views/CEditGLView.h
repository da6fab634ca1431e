#pragma once

#include "views/CGLView.h"

// The top-down edit pane.
class CEditGLView : public CGLView {
public:
    static constexpr short MODE_SELECT = 1;
    static constexpr short MODE_CREATE_WALL = 2;
    static constexpr short MODE_INSERT_ITEM = 3;

    // Interaction mode, set by the frame's mode commands.
    short m_mode = MODE_SELECT;
};
