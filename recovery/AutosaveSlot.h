#pragma once

#include <string>
#include <vector>

// One editor's place in the autosave folder. "autosave-<id>.source" holds the path of the level
// the editor has open (empty for a new level) and carries the editor's advisory lock (flock) for
// its whole life; "autosave-<id>.xml" is the copy of its unsaved changes, replaced by the level
// file's safe writer (a new file renamed over the old), which is why the lock is on the other
// file. The system drops the lock when the process ends, however it ends and whatever its
// number, so a slot whose lock can be taken belongs to no running editor.
class AutosaveSlot {
public:
    // A new slot in `folder` (which must exist), locked, under a name no other slot had: it is
    // made and locked under a temporary name first, so no scan ever sees it unlocked. Empty
    // (errno says why) when the folder cannot be written.
    static AutosaveSlot Create(const std::string& folder);
    // The slots of editors that run no more, each locked by this process while it holds them,
    // so that no other starting editor takes the same copy; the newest copy first.
    static std::vector<AutosaveSlot> ClaimAbandoned(const std::string& folder);
    // The levels that running editors other than the one holding `ownSource` have open.
    static std::vector<std::string> OpenLevels(const std::string& folder, const std::string& ownSource);

    AutosaveSlot() = default;
    ~AutosaveSlot();
    AutosaveSlot(AutosaveSlot&& other) noexcept;
    AutosaveSlot& operator=(AutosaveSlot&& other) noexcept;
    AutosaveSlot(const AutosaveSlot&) = delete;
    AutosaveSlot& operator=(const AutosaveSlot&) = delete;

    bool Held() const { return m_fd >= 0; }
    const std::string& SourceFile() const { return m_source; }
    std::string CopyFile() const;
    // The level path written in the slot; false when it cannot be written.
    bool SetLevelPath(const std::string& path);
    std::string LevelPath() const;
    // Ends the slot: its copy and its source go, and the lock with them.
    void Remove();
    // Moves the copy and its source into `place` (made when missing), which no scan looks in,
    // and ends the slot; returns the copy's new path, empty when it could not be moved.
    std::string SetAside(const std::string& place);

private:
    AutosaveSlot(int fd, std::string source) : m_fd(fd), m_source(std::move(source)) {}
    void Release();

    int m_fd = -1;
    std::string m_source;
};
