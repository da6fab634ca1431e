#include "app/CLevelEditorApp.h"

wxIMPLEMENT_APP(CLevelEditorApp);
