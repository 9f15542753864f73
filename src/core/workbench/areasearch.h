#pragma once

#include "core/workbench/gameareas.h"
#include "core/workbench/problemrules.h"

#include <optional>
#include <string>
#include <vector>

namespace quorled {

// What the user asked for: a type number ("enemy 01", "object 1A", both
// hexadecimal) or a piece of a name ("Cloud", any case).
struct SearchQuery {
    enum class Kind { Text, EnemyType, ObjectType };
    Kind kind = Kind::Text;
    int type = 0;
    std::string text; // lower case
};

// Reads a query; none for an empty one or a type number past FF.
std::optional<SearchQuery> parseSearchQuery(const std::string& query);

struct SearchHit {
    int area = 0;
    ProblemItem item = ProblemItem::Object;
    int index = 0; // 1-based object or enemy number
    int x = 0;
    int y = 0;
    std::string name;
    bool operator==(const SearchHit&) const = default;
};

// Every object and enemy that matches, area by area, objects before enemies.
// Normal objects are named by the area's object set, special objects by
// their kind.
std::vector<SearchHit> findItems(const GameAreas& game, const SearchQuery& query);
// The matches of one area, added to `hits` while it holds fewer than
// `keep`; returns how many items of the area match.
std::size_t findItemsInArea(const GameAreas& game, int area, const SearchQuery& query, std::vector<SearchHit>& hits,
                            std::size_t keep = static_cast<std::size_t>(-1));

} // namespace quorled
