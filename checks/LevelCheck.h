#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "checks/ProblemText.h"

// What `trelkan --check` is asked for: the level files and whether warnings fail the check too.
// `error` is not empty when the arguments are not understood.
struct CheckCommand {
    std::vector<std::string> paths;
    bool warningsAreErrors = false;
    std::string error;
};

// Reads the arguments that follow --check: --werror, "--" before names that begin with '-', and
// one or more level files.
CheckCommand ParseCheckArguments(int count, char** arguments);

// Reads and checks each level file without opening a window and prints, as compilers do, one
// line per problem to `out` ("FILE:LINE: error: MESSAGE [id]", LINE being the line of the
// element's start tag; "info" for a check that could not run), then one line per file ("FILE:
// OK" or "FILE: 2 errors, 1 warning"); a file that cannot be read gets the one line "FILE:
// error: REASON". The messages are shown through `translate`. Image paths are taken from the
// current folder, as the editor takes them from app/. Returns 0 when no file has an error (nor,
// with warningsAreErrors, a warning), 1 otherwise.
int CheckLevelFiles(const CheckCommand& command, std::FILE* out, const ProblemText::Translate& translate = nullptr);

// Why the editor could not take the image at `path`; empty when it can.
std::string WhyImageUnreadable(const std::string& path);
