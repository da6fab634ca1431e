#include "views/C3DGLView.h"
