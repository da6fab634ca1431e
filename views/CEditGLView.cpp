#include "views/CEditGLView.h"
