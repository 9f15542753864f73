#include "core/exchange/areajson.h"

#include "romdata/imageerror.h"
#include "romdata/levelformat.h"


#include <algorithm>
#include <array>

namespace quorled {

namespace {

constexpr long long kMaxPosition = 32767;

const std::array<const char*, 13> kAreaKeys{"area",       "name",          "kind",          "levelDataOffset",
                                            "enemyDataOffset", "enemyDataEnd", "header",     "isVertical",
                                            "objects",    "enemies",       "enemyLastPage", "levelSpareFF",
                                            "enemySpareBytes"};
const std::array<const char*, 6> kObjectKeys{"type", "x", "y", "special", "layer", "param"};
const std::array<const char*, 3> kEnemyKeys{"type", "x", "y"};

// Checks one entry at a time and reports the first fault with its path.
class Reader {
public:
    explicit Reader(const JsonSource& source) : source_(source) {}

    [[noreturn]] void fail(const std::string& path, const std::string& what) const
    {
        throw ImageError(source_.subject + " is not an area in the form of \"area --json\": " + path + " " + what +
                         ". " + source_.outcome);
    }

    const JsonValue& member(const JsonValue& object, const std::string& path, const char* key) const
    {
        const auto value = object.find(key);
        if (value == object.end())
            fail(path, std::string("has no \"") + key + "\"");
        return *value;
    }

    template <std::size_t N>
    void onlyKeys(const JsonValue& object, const std::string& path, const std::array<const char*, N>& keys) const
    {
        for (const auto& member : object.items()) {
            const std::string& name = member.key();
            if (std::none_of(keys.begin(), keys.end(), [&](const char* k) { return name == k; }))
                fail(path, "has an unknown key \"" + name + "\"");
        }
    }

    void expectType(const JsonValue& value, const std::string& path, JsonValue::value_t type) const
    {
        if (value.type() != type)
            fail(path, std::string("is ") + jsonTypeName(value) + ", not " + jsonTypeName(JsonValue(type)));
    }

    int number(const JsonValue& value, const std::string& path, long long min, long long max,
               const std::string& rule) const
    {
        expectType(value, path, JsonValue::value_t::number_integer);
        const auto number = value.get<long long>();
        if (number < min || number > max)
            fail(path, "is " + std::to_string(number) + "; " + rule);
        return static_cast<int>(number);
    }

    int numberAt(const JsonValue& object, const std::string& path, const char* key, long long min, long long max,
                 const std::string& rule) const
    {
        return number(member(object, path, key), path + "." + key, min, max, rule);
    }

private:
    const JsonSource& source_;
};

std::string range(long long min, long long max)
{
    return "it must be " + std::to_string(min) + ".." + std::to_string(max);
}

// `layer` is the layer the objects before it make, or -1 when the layer is
// taken as written.
LevelObject readObject(const Reader& r, const JsonValue& value, const std::string& path, int isVertical, int layer)
{
    r.expectType(value, path, JsonValue::value_t::object);
    r.onlyKeys(value, path, kObjectKeys);
    LevelObject object;
    const JsonValue& special = r.member(value, path, "special");
    r.expectType(special, path + ".special", JsonValue::value_t::boolean);
    object.special = special.get<bool>();
    if (object.special)
        object.type = r.numberAt(value, path, "type", kSpecialObjectType, kSpecialObjectType,
                                 "a special object's type is 256");
    else
        object.type = r.numberAt(value, path, "type", 0, 255, "a normal object's type must be 0..255");
    const long long maxX = isVertical ? 15 : kMaxPosition;
    object.x = r.numberAt(value, path, "x", 0, maxX,
                          isVertical ? (object.special ? "a special object's kind must be 0..15"
                                                       : "a column in a vertical area must be 0..15")
                                     : range(0, maxX));
    object.y = r.numberAt(value, path, "y", 0, kMaxPosition, range(0, kMaxPosition));
    if (layer >= 0)
        object.layer = r.numberAt(value, path, "layer", layer, layer,
                                  "the layer-switch objects before it make it layer " + std::to_string(layer));
    else
        object.layer = r.numberAt(value, path, "layer", 0, kMaxPosition, range(0, kMaxPosition));
    if (const auto param = value.find("param"); param != value.end()) {
        r.expectType(*param, path + ".param", JsonValue::value_t::array);
        if (param->size() != 2)
            r.fail(path + ".param", "has " + std::to_string(param->size()) + " entries, not 2");
        for (std::size_t i = 0; i < 2; ++i)
            object.param[i] =
                r.number((*param)[i], path + ".param[" + std::to_string(i) + "]", 0, 255, range(0, 255));
    }
    return object;
}

Enemy readEnemy(const Reader& r, const JsonValue& value, const std::string& path, int isVertical)
{
    r.expectType(value, path, JsonValue::value_t::object);
    r.onlyKeys(value, path, kEnemyKeys);
    Enemy enemy;
    enemy.type = r.numberAt(value, path, "type", 0, 255, range(0, 255));
    enemy.x = r.numberAt(value, path, "x", 0, isVertical ? 15 : kMaxPosition,
                         isVertical ? "a column in a vertical area must be 0..15" : range(0, kMaxPosition));
    enemy.y = r.numberAt(value, path, "y", 0, isVertical ? kMaxPosition : 15,
                         isVertical ? range(0, kMaxPosition) : "a row in a horizontal area must be 0..15");
    return enemy;
}

} // namespace

void writeAreaJson(const AreaModel& model, ImageKind kind, const AreaDirectory& directory, std::ostream& out)
{
    using Json = nlohmann::ordered_json;
    const auto header = model.header.bytes();
    Json objects = Json::array();
    for (const LevelObject& o : model.objects)
        objects.push_back({{"type", o.type},
                           {"x", o.x},
                           {"y", o.y},
                           {"special", o.special},
                           {"layer", o.layer},
                           {"param", {o.special ? o.param[0] : 0, o.special ? o.param[1] : 0}}});
    Json enemies = Json::array();
    for (const Enemy& e : model.enemies)
        enemies.push_back({{"type", e.type}, {"x", e.x}, {"y", e.y}});
    const Json document = {{"area", model.area},
                           {"name", directory.areaName(model.area)},
                           {"kind", imageKindName(kind)},
                           {"levelDataOffset", model.levelDataOffset},
                           {"enemyDataOffset", model.enemyDataOffset},
                           {"enemyDataEnd", model.enemyDataEnd},
                           {"header", {header[0], header[1], header[2], header[3]}},
                           {"isVertical", model.isVertical},
                           {"objects", objects},
                           {"enemies", enemies},
                           {"enemyLastPage", model.enemyLastPage},
                           {"levelSpareFF", model.levelSpareFF},
                           {"enemySpareBytes", model.enemySpareBytes}};
    out << jsonText(document) << "\n";
}

AreaJsonContent readAreaJson(const JsonValue& document, const JsonSource& source, LayerRule layers)
{
    const Reader r(source);
    r.expectType(document, "the document", JsonValue::value_t::object);
    r.onlyKeys(document, "the document", kAreaKeys);

    const JsonValue& headerValue = r.member(document, "the document", "header");
    r.expectType(headerValue, "header", JsonValue::value_t::array);
    if (headerValue.size() != 4)
        r.fail("header", "has " + std::to_string(headerValue.size()) + " bytes, not 4");
    std::array<int, 4> headerBytes{};
    for (std::size_t i = 0; i < 4; ++i)
        headerBytes[i] = r.number(headerValue[i], "header[" + std::to_string(i) + "]", 0, 255, range(0, 255));
    AreaJsonContent content;
    content.header = HeaderBits::fromBytes(headerBytes);

    // The coordinates are in the form of the document's direction.
    content.isVertical = 1 - content.header.bit(1);
    if (document.contains("isVertical"))
        content.isVertical = r.numberAt(document, "the document", "isVertical", 0, 1, range(0, 1));

    const JsonValue& objectList = r.member(document, "the document", "objects");
    r.expectType(objectList, "objects", JsonValue::value_t::array);
    int layer = 0;
    for (std::size_t i = 0; i < objectList.size(); ++i) {
        content.objects.push_back(readObject(r, objectList[i], "objects[" + std::to_string(i) + "]",
                                             content.isVertical, layers == LayerRule::AsWritten ? -1 : layer));
        if (content.objects.back().special && content.objects.back().kind() == kKindNextLayer)
            ++layer;
    }

    const JsonValue& enemyList = r.member(document, "the document", "enemies");
    r.expectType(enemyList, "enemies", JsonValue::value_t::array);
    for (std::size_t i = 0; i < enemyList.size(); ++i)
        content.enemies.push_back(
            readEnemy(r, enemyList[i], "enemies[" + std::to_string(i) + "]", content.isVertical));
    return content;
}

void applyAreaJson(const JsonValue& document, AreaModel& model, const std::string& fileName)
{
    AreaJsonContent content = readAreaJson(document, JsonSource::file(fileName), LayerRule::FromLayerSwitches);
    model.header = content.header;
    model.isVertical = content.isVertical;
    model.objects = std::move(content.objects);
    model.enemies = std::move(content.enemies);
}

} // namespace quorled
