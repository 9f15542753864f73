#include "commands.h"

#include "imagesession.h"
#include "core/exchange/areajson.h"
#include "romdata/arealoader.h"
#include "romdata/bytes.h"
#include "romdata/levelformat.h"
#include "view/catalogue.h"

namespace quorled::cli {

namespace {

void writeText(const AreaModel& model, const AreaDirectory& directory, std::ostream& out)
{
    const Catalogue& catalogue = Catalogue::instance();
    const int set = model.header.objectSet();
    const auto header = model.header.bytes();
    out << areaCaption(model.area, directory) << "\n";
    out << "Level data at " << hexAddress(model.levelDataOffset) << ", enemy data at "
        << hexAddress(model.enemyDataOffset) << " (ends before " << hexAddress(model.enemyDataEnd) << ")\n";
    out << "Header " << hex2(header[0]) << " " << hex2(header[1]) << " " << hex2(header[2]) << " "
        << hex2(header[3]) << ": " << (model.isVertical ? "vertical" : "horizontal") << ", "
        << model.header.levelLength() + 1 << " pages, object type " << hex2(set) << ", level colors "
        << model.header.levelPalette() << ", enemy colors " << model.header.enemyPalette() << ", ground setting "
        << model.header.groundSetting() << ", ground type " << model.header.groundType() << "\n";
    out << "Spare bytes: level " << model.levelSpareFF << ", enemy " << model.enemySpareBytes
        << "; last enemy page " << model.enemyLastPage << "\n";
    for (const std::string& problem : model.damage)
        out << "Damaged: " << problem << "\n";

    out << "\nObjects (" << model.objCount() << "):\n";
    for (int i = 1; i <= model.objCount(); ++i) {
        const LevelObject& o = model.object(i);
        out << "  #" << i << "  X " << hex2(o.x) << "  Y " << hex2(o.y) << "  layer " << hex2(o.layer) << "  ";
        if (o.special) {
            out << "kind " << hex2(o.kind()) << " (" << hex2(o.param[0]);
            if (specialObjExtraBytes[static_cast<std::size_t>(o.kind())] == 2)
                out << " " << hex2(o.param[1]);
            out << ")  " << catalogue.specialObjectName(o.kind()) << "\n";
        } else {
            out << "type " << hex2(o.type) << "  " << catalogue.objectTypeName(set, o.type) << "\n";
        }
    }
    out << "\nEnemies (" << model.enemyCount() << "):\n";
    for (int i = 1; i <= model.enemyCount(); ++i) {
        const Enemy& e = model.enemy(i);
        out << "  #" << i << "  X " << hex2(e.x) << "  Y " << hex2(e.y) << "  type " << hex2(e.type) << "  "
            << catalogue.enemyTypeName(e.type & 0xFF) << "\n";
    }
}

int showArea(const CliArgs& args, bool json, std::ostream& out)
{
    args.expectPositionals(2);
    const int area = parseAreaNumber(args.positional(1));
    const ImageSession session = ImageSession::open(args.positional(0), args);
    const AreaModel model = loadArea(session.image, session.directory, session.kind, area);
    if (json)
        writeAreaJson(model, session.kind, session.directory, out);
    else
        writeText(model, session.directory, out);
    return 0;
}

int runArea(const CliArgs& args, std::ostream& out) { return showArea(args, args.flag("--json"), out); }

// The area's model as JSON: the same document as `area --json`, which
// `import` reads back.
int runExport(const CliArgs& args, std::ostream& out) { return showArea(args, true, out); }

const CommandRegistration kAreaCommand({.name = "area", .usage = "area IMAGE AREA [--json] [--reference FILE]",
                                        .valued = {"--reference"}, .flags = {"--json"}, .run = runArea});
const CommandRegistration kExportCommand({.name = "export", .usage = "export IMAGE AREA [--reference FILE]",
                                          .valued = {"--reference"}, .flags = {}, .run = runExport});

} // namespace

} // namespace quorled::cli
