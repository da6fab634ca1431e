#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "textures/TileCatalogue.h"
#include "textures/WordFilter.h"

// How the open level uses the tiles' paths: how many floors and walls show each image (the
// texture table's reference counts), whether it has that sky box, and which images the
// selected objects show (their tiles are framed).
class TileUsage {
public:
    void Count(const std::string& path, int users);
    void Frame(const std::string& path) { m_framed.insert(path); }

    int Users(const std::string& path) const;
    bool Framed(const std::string& path) const { return m_framed.count(path) != 0; }

    bool operator==(const TileUsage& other) const { return m_users == other.m_users && m_framed == other.m_framed; }
    bool operator!=(const TileUsage& other) const { return !(*this == other); }

private:
    std::map<std::string, int> m_users;
    std::set<std::string> m_framed;
};

enum class TileSort { Name, Use };

// What the browser shows: the tiles whose path has every word of the filter, only those the
// level uses when usedOnly is set.
struct TileQuery {
    WordFilter filter;
    TileSort sort = TileSort::Name;
    bool usedOnly = false;
};

// The indices of the tiles the query keeps, group by group in the catalogue's order, each
// group by file name, or by use (most users first, then by name).
std::vector<std::size_t> ShownTiles(const std::vector<Tile>& tiles, const TileQuery& query, const TileUsage& usage);
