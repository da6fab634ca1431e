#pragma once

#include <vector>

#include "checks/ProblemText.h"

class CSGNode;

// Info: a check that could not run says why, without counting as a warning.
enum class Severity { Error, Warning, Info };

// One problem a check found: the check's id and severity, a message that names the object and
// its place, the objects it is about (the first is where it is reported) and the line of that
// object's start tag in its file (0 when unknown).
struct Problem {
    const char* id;
    Severity severity;
    ProblemText message;
    std::vector<const CSGNode*> nodes;
    int line = 0;
};
