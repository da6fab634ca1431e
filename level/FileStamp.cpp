#include "level/FileStamp.h"

#include <cstdio>
#include <memory>

#include "level/RegularFile.h"

namespace {

// FNV-1a over the file's bytes: a change of any byte shows, and no second copy is kept.
bool HashOf(RegularFile& file, std::uint64_t& hash)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream(file.TakeStream(), std::fclose);
    if (!stream)
        return false;
    hash = 14695981039346656037ull;
    unsigned char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, stream.get())) > 0)
        for (std::size_t i = 0; i < count; ++i)
            hash = (hash ^ buffer[i]) * 1099511628211ull;
    return !std::ferror(stream.get());
}

} // namespace

FileStamp FileStamp::Of(const std::string& path)
{
    FileStamp stamp;
    RegularFile file(path);
    // The time is taken before the bytes: a write between the two shows as a change later.
    stamp.m_size = file.Size();
    stamp.m_modifiedNs = file.ModifiedNs();
    stamp.m_known = file.IsOpen() && HashOf(file, stamp.m_hash);
    return stamp;
}

bool FileStamp::Changed(const std::string& path)
{
    RegularFile file(path);
    if (!m_known || !file.IsOpen())
        return false;
    if (file.Size() == m_size && file.ModifiedNs() == m_modifiedNs)
        return false;
    const std::uint64_t size = file.Size();
    const std::int64_t modifiedNs = file.ModifiedNs();
    std::uint64_t hash = 0;
    if (!HashOf(file, hash))
        return false;
    if (size != m_size || hash != m_hash)
        return true;
    m_modifiedNs = modifiedNs;
    return false;
}
