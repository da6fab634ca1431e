#pragma once

#include "views/CGLView.h"

// The three-dimensional preview pane.
class C3DGLView : public CGLView {
};
