#include "core/workbench/areasearch.h"

#include "view/catalogue.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace quorled {

namespace {

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "enemy 01" -> 0x01 when `words` starts with `keyword` and a hexadecimal
// number follows; -1 for a number past FF; none when it is not that form.
std::optional<int> typeAfter(const std::string& words, const std::string& keyword)
{
    if (words.rfind(keyword + " ", 0) != 0)
        return std::nullopt;
    const std::string number = trimmed(words.substr(keyword.size() + 1));
    if (number.empty() || number.size() > 4 ||
        !std::all_of(number.begin(), number.end(), [](unsigned char c) { return std::isxdigit(c); }))
        return std::nullopt;
    const int value = std::stoi(number, nullptr, 16);
    return value > 0xFF ? -1 : value;
}

std::string objectName(const AreaModel& m, const LevelObject& o)
{
    const Catalogue& catalogue = Catalogue::instance();
    if (o.special)
        return catalogue.specialObjectName(o.kind());
    return catalogue.objectTypeName(m.header.objectSet(), std::min(o.type, kSpecialObjectType));
}

} // namespace

std::optional<SearchQuery> parseSearchQuery(const std::string& query)
{
    const std::string words = lower(trimmed(query));
    if (words.empty())
        return std::nullopt;
    for (const auto& [keyword, kind] : {std::pair{std::string("enemy"), SearchQuery::Kind::EnemyType},
                                        std::pair{std::string("object"), SearchQuery::Kind::ObjectType}}) {
        if (const auto type = typeAfter(words, keyword)) {
            if (*type < 0)
                return std::nullopt;
            return SearchQuery{kind, *type, {}};
        }
    }
    return SearchQuery{SearchQuery::Kind::Text, 0, words};
}

std::size_t findItemsInArea(const GameAreas& game, int area, const SearchQuery& query, std::vector<SearchHit>& hits,
                            std::size_t keep)
{
    const Catalogue& catalogue = Catalogue::instance();
    std::size_t matches = 0;
    const auto found = [&](ProblemItem item, int index, int x, int y, const std::string& name) {
        ++matches;
        if (hits.size() < keep)
            hits.push_back(SearchHit{area, item, index, x, y, name});
    };
    // Items of a kind share their name: each name is looked at once.
    std::map<int, std::pair<std::string, bool>> names;
    const auto named = [&](int key, const auto& name) -> const std::pair<std::string, bool>& {
        auto known = names.find(key);
        if (known == names.end()) {
            std::string text = name();
            const bool matches =
                query.kind == SearchQuery::Kind::Text && lower(text).find(query.text) != std::string::npos;
            known = names.emplace(key, std::pair{std::move(text), matches}).first;
        }
        return known->second;
    };
    const AreaModel& m = game.model(area);
    if (query.kind != SearchQuery::Kind::EnemyType) {
        for (int i = 1; i <= m.objCount(); ++i) {
            const LevelObject& o = m.object(i);
            const auto& [name, nameMatches] =
                named(o.special ? 0x100 + o.kind() : o.type, [&] { return objectName(m, o); });
            const bool typeMatches = query.kind == SearchQuery::Kind::ObjectType && !o.special && o.type == query.type;
            if (typeMatches || nameMatches)
                found(ProblemItem::Object, i, o.x, o.y, name);
        }
    }
    if (query.kind != SearchQuery::Kind::ObjectType) {
        names.clear();
        for (int i = 1; i <= m.enemyCount(); ++i) {
            const Enemy& e = m.enemy(i);
            const auto& [name, nameMatches] = named(e.type, [&] { return catalogue.enemyTypeName(e.type); });
            const bool typeMatches = query.kind == SearchQuery::Kind::EnemyType && e.type == query.type;
            if (typeMatches || nameMatches)
                found(ProblemItem::Enemy, i, e.x, e.y, name);
        }
    }
    return matches;
}

std::vector<SearchHit> findItems(const GameAreas& game, const SearchQuery& query)
{
    std::vector<SearchHit> hits;
    for (int area = 0; area < static_cast<int>(game.areas.size()); ++area)
        findItemsInArea(game, area, query, hits);
    return hits;
}

} // namespace quorled
