#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

#include "scenegraph/SourceNotes.h"

class CSGGroup;
class LevelScene;

// Reads a level map file and loads it into a new scene. The result is complete or absent: on
// failure it is null and `error` says why (unreadable file, parse error with its line, unknown
// element, missing game settings / texture list / level group / floor, too many textures).
// Repairs that keep the level usable (a TextureID outside the file's table becomes 0) are made
// here. The texture table and the start marker are the document's steps.
//
// What a reader may ask for beyond the scene: `notes` (when not null) receives the line of each
// node's start tag and the attributes it could not read as numbers; the XML parser's own reports
// go to `reports` (none when null).
struct LevelReadOptions {
    SourceNotes* notes = nullptr;
    std::FILE* reports = stderr;
};
std::unique_ptr<LevelScene> ReadLevelFile(const std::string& path, std::string& error,
                                          const LevelReadOptions& options = {});
// The same on the bytes of a level map file already in memory.
std::unique_ptr<LevelScene> ReadLevelBuffer(const char* data, std::size_t size, std::string& error,
                                            const LevelReadOptions& options = {});

// Writes the tree below `root` as a level map file without ever destroying the old file: a
// temporary file in the same folder is written, checked, synced and renamed over the target.
// On failure the target is untouched and `error` says why. A saved file whose folder could not
// be flushed afterwards (the new name may not yet be on disk) is a success; `warning`, when
// given, then says why, and is empty otherwise.
bool WriteLevelFile(CSGGroup& root, const std::string& path, std::string& error, std::string* warning = nullptr);
