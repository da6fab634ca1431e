#pragma once

#include <functional>
#include <string>
#include <vector>

#include "checks/Problem.h"
#include "scenegraph/SourceNotes.h"

class LevelScene;

// Why the image at a path cannot be read where the editor looks for it; empty when it can.
using ImageCheck = std::function<std::string(const std::string& path)>;

// One kind of problem the checker finds.
struct CheckInfo {
    const char* id;
    Severity severity;
};

// Every check, in the order its problems are listed.
std::vector<CheckInfo> LevelCheckList();

// Runs every check on a level. `notes`, when the level was read with them, give the problems
// their lines and the attributes that were no numbers.
std::vector<Problem> CheckLevel(const LevelScene& scene, const SourceNotes* notes, const ImageCheck& imageCheck);
