#include "gameareasoutput.h"

#include "romdata/bytes.h"

namespace quorled::cli {

std::string itemLabel(ProblemItem item, int index)
{
    switch (item) {
    case ProblemItem::Object: return "object " + std::to_string(index);
    case ProblemItem::Enemy: return "enemy " + std::to_string(index);
    case ProblemItem::None: break;
    }
    return {};
}

std::string placeLabel(int area) { return area < 0 ? "tables" : "area " + hex2(area); }

nlohmann::json itemJson(ProblemItem item)
{
    switch (item) {
    case ProblemItem::Object: return "object";
    case ProblemItem::Enemy: return "enemy";
    case ProblemItem::None: break;
    }
    return nullptr;
}

} // namespace quorled::cli
