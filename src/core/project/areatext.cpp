#include "core/project/areatext.h"

#include "core/project/textlines.h"

#include "romdata/bytes.h"
#include "romdata/levelformat.h"
#include "view/catalogue.h"


namespace quorled {

namespace {

constexpr int kMaxPosition = 0x7FFF;

std::string headerSummary(const HeaderBits& h)
{
    return std::string(h.scrollsHorizontally() ? "horizontal" : "vertical") + ", level palette " +
           std::to_string(h.levelPalette()) + ", enemy palette " + std::to_string(h.enemyPalette()) +
           ", ground setting " + std::to_string(h.groundSetting()) + ", level length " +
           std::to_string(h.levelLength()) + ", object set " + std::to_string(h.objectSet()) + ", ground type " +
           std::to_string(h.groundType()) + ", music " + std::to_string(h.music());
}

void setLayers(std::vector<LevelObject>& objects)
{
    int layer = 0;
    for (LevelObject& object : objects) {
        object.layer = layer;
        if (object.special && object.kind() == kKindNextLayer)
            ++layer;
    }
}

} // namespace

AreaItems areaItems(const AreaModel& model) { return {model.header, model.objects, model.enemies}; }

std::string areaTextPath(int area) { return "areas/" + hex2(area) + ".txt"; }

std::string writeAreaText(const AreaModel& model, const AreaDirectory& directory)
{
    const Catalogue& catalogue = Catalogue::instance();
    const auto bytes = model.header.bytes();
    std::string text = "# Area " + hex2(model.area) + ": " + directory.areaName(model.area) + "\n";
    text += "header " + hex2(bytes[0]) + " " + hex2(bytes[1]) + " " + hex2(bytes[2]) + " " + hex2(bytes[3]) +
            "  # " + headerSummary(model.header) + "\n";
    const int objectSet = model.header.objectSet();
    for (const LevelObject& o : model.objects) {
        if (o.special)
            text += "special " + hex2(o.x) + " " + hex2(o.y) + " " + hex2(o.param[0]) + " " +
                    hex2(o.param[1]) + "  # " + catalogue.specialObjectName(o.kind()) + "\n";
        else
            text += "object " + hex2(o.type) + " " + hex2(o.x) + " " + hex2(o.y) + "  # " +
                    catalogue.objectTypeName(objectSet, o.type) + "\n";
    }
    for (const Enemy& e : model.enemies)
        text += "enemy " + hex2(e.type) + " " + hex2(e.x) + " " + hex2(e.y) + "  # " +
                catalogue.enemyTypeName(e.type) + "\n";
    text += "end\n";
    return text;
}

AreaItems readAreaText(const std::string& path, const std::string& text)
{
    TextLines lines(path, text);
    AreaItems items;
    if (!lines.next())
        lines.failLine("expected the header line \"header B1 B2 B3 B4\" before \"end\"");
    lines.expectKeyword("header");
    std::array<int, 4> header{};
    for (std::size_t b = 0; b < 4; ++b)
        header[b] = lines.hexWord(b + 1, 0, 255, "header byte " + std::to_string(b + 1));
    lines.expectNoMoreWords(5, "the four header bytes");
    items.header = HeaderBits::fromBytes(header);
    const bool vertical = !items.header.scrollsHorizontally();
    const int columns = vertical ? 15 : kMaxPosition;
    while (lines.next()) {
        const std::string& keyword = lines.word(0);
        if (keyword == "object" || keyword == "special") {
            if (!items.enemies.empty())
                lines.fail(0, "objects come before the enemies");
            LevelObject o;
            o.special = keyword == "special";
            std::size_t i = 1;
            if (o.special)
                o.type = kSpecialObjectType;
            else
                o.type = lines.hexWord(i++, 0, 255, "an object type");
            o.x = lines.hexWord(i++, 0, columns,
                                o.special ? (vertical ? "a kind" : "a column and kind") : "a column");
            o.y = lines.hexWord(i++, 0, kMaxPosition, "a row");
            if (o.special) {
                o.param[0] = lines.hexWord(i++, 0, 255, "parameter byte 1");
                o.param[1] = lines.hexWord(i++, 0, 255, "parameter byte 2");
            }
            lines.expectNoMoreWords(i, o.special ? "the special object's four fields" : "the object's three fields");
            items.objects.push_back(o);
        } else if (keyword == "enemy") {
            Enemy e;
            e.type = lines.hexWord(1, 0, 255, "an enemy type");
            e.x = lines.hexWord(2, 0, columns, "a column");
            e.y = lines.hexWord(3, 0, vertical ? kMaxPosition : 15, "a row");
            lines.expectNoMoreWords(4, "the enemy's three fields");
            items.enemies.push_back(e);
        } else {
            lines.fail(0, "expected \"object\", \"special\", \"enemy\" or \"end\", found \"" + keyword + "\"");
        }
    }
    setLayers(items.objects);
    return items;
}

void applyAreaItems(const AreaItems& items, AreaModel& model)
{
    model.header = items.header;
    model.isVertical = 1 - items.header.bit(1);
    model.objects = items.objects;
    model.enemies = items.enemies;
    setLayers(model.objects);
}

} // namespace quorled
