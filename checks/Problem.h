#pragma once

#include <string>
#include <vector>

class CSGNode;

enum class Severity { Error, Warning };

// One problem a check found: the check's id and severity, a message that names the object and
// its place, the objects it is about (the first is where it is reported) and the line of that
// object's start tag in its file (0 when unknown).
struct Problem {
    const char* id;
    Severity severity;
    std::string message;
    std::vector<const CSGNode*> nodes;
    int line = 0;
};
