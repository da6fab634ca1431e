#pragma once

#include <functional>
#include <string>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// Makes `folder` (inside `parent`) a folder its user may write and search but not read, so a
// file can be renamed into it but the folder cannot be opened to flush it, and runs `body` in
// a child process as that user. Root may read anything, so as root the folder is given to
// nobody and the child runs as nobody. True when `body` returned true in the child.
inline bool RunInUnreadableFolder(const std::string& parent, const std::string& folder,
                                  const std::function<bool()>& body)
{
    constexpr uid_t NOBODY = 65534;
    if (mkdir(folder.c_str(), 0300) != 0)
        return false;
    const bool asRoot = geteuid() == 0;
    if (asRoot && (chown(folder.c_str(), NOBODY, NOBODY) != 0 || chmod(parent.c_str(), 0711) != 0))
        return false;
    const pid_t child = fork();
    if (child == 0) {
        if (asRoot && (setgid(NOBODY) != 0 || setuid(NOBODY) != 0))
            _exit(2);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    const bool passed = child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                        WEXITSTATUS(status) == 0;
    chmod(folder.c_str(), 0700);
    return passed;
}
