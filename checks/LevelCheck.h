#pragma once

#include <cstdio>

// Reads and loads each level map file without opening a window and prints one line per file to
// `out`: "<path>: OK" or "<path>: <reason>". Returns 0 only when every file is OK (and at least
// one was given), 1 otherwise.
int CheckLevelFiles(int count, char** paths, std::FILE* out);
