#include "level/LevelCheck.h"

#include <string>

#include "level/LevelFile.h"
#include "level/LevelScene.h"

int CheckLevelFiles(int count, char** paths, std::FILE* out)
{
    if (count <= 0) {
        std::fprintf(out, "usage: trelkan --check FILE...\n");
        return 1;
    }
    int result = 0;
    for (int i = 0; i < count; ++i) {
        std::string error;
        bool ok = ReadLevelFile(paths[i], error) != nullptr;
        std::fprintf(out, "%s: %s\n", paths[i], ok ? "OK" : error.c_str());
        if (!ok)
            result = 1;
    }
    return result;
}
