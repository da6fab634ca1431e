#include <cstdio>
#include <cstring>

#include "app/CLevelEditorApp.h"
#include "level/LevelCheck.h"

wxIMPLEMENT_APP_NO_MAIN(CLevelEditorApp);

int main(int argc, char** argv)
{
    // Checking level files opens no window, so it needs no display.
    if (argc >= 2 && std::strcmp(argv[1], "--check") == 0)
        return CheckLevelFiles(argc - 2, argv + 2, stdout);
    return wxEntry(argc, argv);
}
