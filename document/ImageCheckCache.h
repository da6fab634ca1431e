#pragma once

#include <ctime>
#include <string>
#include <unordered_map>

#include "checks/LevelChecks.h"

// An image check's answers, asked again only when a file's size or modification time has
// changed: the Problems panel checks the level again after every change, and reading every
// image each time would cost far more than all the other checks.
class ImageCheckCache {
public:
    explicit ImageCheckCache(ImageCheck check) : m_check(std::move(check)) {}

    // Why the image at `path` cannot be read; empty when it can.
    std::string operator()(const std::string& path);

private:
    struct Answer {
        long long size;
        std::timespec modified;
        std::string reason;
    };

    ImageCheck m_check;
    std::unordered_map<std::string, Answer> m_answers;
};
