#pragma once

#include <string>
#include <unordered_map>

#include "scenegraph/SourceNotes.h"

class CSGGroup;

// The attributes of an opened level's file that were no numbers, kept for the checks while the
// level is edited. A note holds while its object writes the same text as when it was read: an
// object changed since then (or gone) speaks for itself, and undoing the change brings the note
// back.
class OpenedNotes {
public:
    // Keeps the notes of the level below `root`, which is in its file form.
    void Keep(const SourceNotes& notes, CSGGroup& root);
    void Clear() { m_kept.clear(); }
    // The notes that still hold for the level below `root`, which is in its file form.
    SourceNotes Current(CSGGroup& root) const;

private:
    struct Kept {
        NodeSource source;
        std::string text;
    };
    std::unordered_map<const CSGNode*, Kept> m_kept;
};
