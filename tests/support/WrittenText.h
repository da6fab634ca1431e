#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "scenegraph/CSGNode.h"
#include "scenegraph/NumberText.h"

// The element a node writes, as a level file receives it (in the C numeric locale).
inline std::string WrittenText(CSGNode& node)
{
    char* data = nullptr;
    std::size_t size = 0;
    std::FILE* file = open_memstream(&data, &size);
    {
        ScopedCLocale cLocale;
        node.WriteXml(file);
    }
    std::fclose(file);
    std::string text(data, size);
    std::free(data);
    return text;
}
