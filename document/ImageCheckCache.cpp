#include "document/ImageCheckCache.h"

#include <sys/stat.h>

std::string ImageCheckCache::operator()(const std::string& path)
{
    struct stat status {};
    // A path that cannot be looked at is asked each time: the check says why.
    if (stat(path.c_str(), &status) != 0)
        return m_check(path);
    const auto found = m_answers.find(path);
    const std::timespec modified = status.st_mtim;
    if (found != m_answers.end() && found->second.size == status.st_size
        && found->second.modified.tv_sec == modified.tv_sec && found->second.modified.tv_nsec == modified.tv_nsec)
        return found->second.reason;
    Answer& answer = m_answers[path];
    answer = {status.st_size, modified, m_check(path)};
    return answer.reason;
}
