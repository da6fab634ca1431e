#include "textures/TileUsage.h"

#include <algorithm>
#include <tuple>

void TileUsage::Count(const std::string& path, int users)
{
    if (users > 0)
        m_users[path] += users;
}

int TileUsage::Users(const std::string& path) const
{
    const auto found = m_users.find(path);
    return found == m_users.end() ? 0 : found->second;
}

std::vector<std::size_t> ShownTiles(const std::vector<Tile>& tiles, const TileQuery& query, const TileUsage& usage)
{
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < tiles.size(); ++i)
        if (query.filter.Matches(tiles[i].path) && (!query.usedOnly || usage.Users(tiles[i].path) > 0))
            shown.push_back(i);
    // Groups keep their place: the catalogue lists each group's tiles together.
    std::vector<std::size_t> groupRank(tiles.size());
    for (std::size_t i = 1; i < tiles.size(); ++i)
        groupRank[i] = groupRank[i - 1] + (tiles[i].group != tiles[i - 1].group ? 1 : 0);
    const bool byUse = query.sort == TileSort::Use;
    std::stable_sort(shown.begin(), shown.end(), [&](std::size_t a, std::size_t b) {
        const int usersA = byUse ? usage.Users(tiles[a].path) : 0;
        const int usersB = byUse ? usage.Users(tiles[b].path) : 0;
        return std::tie(groupRank[a], usersB, tiles[a].name) < std::tie(groupRank[b], usersA, tiles[b].name);
    });
    return shown;
}
