#include "core/forms/bytetableform.h"
#include "core/forms/characterform.h"
#include "core/exchange/gametables.h"
#include "core/forms/pickuppreview.h"
#include "core/forms/tabletexts.h"
#include "romdata/demo/demoimage.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"
#include "view/catalogue.h"

#include <gtest/gtest.h>

#include <map>

namespace quorled {
namespace {

RomImage demo(ImageKind kind = ImageKind::Ines) { return RomImage::fromBytes(buildDemoImage(kind)); }

// The offsets at which two images differ.
std::vector<long> differences(const RomImage& a, const RomImage& b)
{
    std::vector<long> offsets;
    EXPECT_EQ(a.size(), b.size());
    for (long o = 0; o < std::min(a.size(), b.size()); ++o)
        if (a.read(o) != b.read(o))
            offsets.push_back(o);
    return offsets;
}

TEST(TableTexts, ValueAndNameLabels)
{
    using D = ByteDisplay;
    EXPECT_EQ(shownValue(D::HexTypeName, 0x0A), "0A");
    EXPECT_EQ(nameLabel(D::HexTypeName, 0x0A), Catalogue::instance().enemyTypeName(10));
    EXPECT_EQ(shownValue(D::HexTypeName, 0xFF), "FF");
    EXPECT_EQ(shownValue(D::HexTypeName, 0x3F), "3F");
    EXPECT_EQ(nameLabel(D::HexTypeName, 0x3F), Catalogue::instance().enemyTypeName(63));
    EXPECT_EQ(shownValue(D::PlusOne, 0), "1");
    EXPECT_EQ(shownValue(D::PlusOne, 255), "256");
    EXPECT_EQ(shownValue(D::Decimal, 0), "0");
    EXPECT_EQ(shownValue(D::Signed, 0xF8), "-8");
    EXPECT_EQ(shownValue(D::Signed, 128), "-128");
    EXPECT_EQ(shownValue(D::Signed, 127), "127");
    EXPECT_EQ(shownValue(D::Decimal3, 12), "012");
    EXPECT_EQ(shownValue(D::Decimal3, 200), "200");
    EXPECT_EQ(shownValue(D::Decimal, 0x40), "64");
    EXPECT_EQ(nameLabel(D::DecimalSound, 0), "No sound");
    EXPECT_EQ(nameLabel(D::DecimalLives, 0), "(Extra life : P5)");
    EXPECT_EQ(nameLabel(D::Decimal3, 5), "");
    EXPECT_FALSE(hasNameLabel(D::Signed));
    EXPECT_EQ(barText(0, 200), "200");
    EXPECT_EQ(barText(7, 0xF0), "-16");
    EXPECT_EQ(barText(7, 128), "-128");
}

TEST(TableTexts, PickupEntryCorrectsTheBoxAndStoresTheClampedRoundedValue)
{
    struct Case {
        const char* typed;
        int value;
        const char* text;
        bool outOfRange;
    };
    const Case cases[] = {
        {"300", 255, "255", true}, {"-5", 0, "0", true},     {"255.5", 255, "255", true}, {"", 0, "", false},
        {"12x", 12, "12", false},  {" 7", 7, "7", false},    {"x3", 0, "0", false},       {"16.5", 16, "16.5", false},
        {"60", 60, "60", false},   {"-0.5", 0, "0", true},
    };
    for (const Case& c : cases) {
        const PickupEntry entry = pickupEntry(c.typed);
        EXPECT_EQ(entry.value, c.value) << c.typed;
        EXPECT_EQ(entry.text, c.text) << c.typed;
        EXPECT_EQ(entry.outOfRange, c.outOfRange) << c.typed;
    }
}

TEST(ByteTableForm, ConfirmingUnchangedRewritesTheSameBytesAndAChangeOnlyItsOwn)
{
    for (ByteTableId id : byteTableIds()) {
        const RomImage original = demo();
        RomImage image = original;
        ByteTableForm form(image, id);
        SCOPED_TRACE(std::string(form.table().form));
        form.write(image);
        EXPECT_TRUE(differences(original, image).empty());
        const int last = form.rowCount() - 1;
        form.setValue(last, form.value(last) + 1);
        form.write(image);
        EXPECT_EQ(differences(original, image), std::vector<long>{form.table().rows.back().offset});
    }
}

TEST(ByteTableForm, ShowsTheStoredBytesByTheirRules)
{
    RomImage image = demo();
    image.write(0x4F7B, 0);    // Hits for Eggspout
    image.write(0x71E1, 0);    // Hits for Gorlump
    image.write(0x4FEA, 0);    // Eggspout's spitting sound
    image.write(0x1E425, 0);   // lives
    const ByteTableForm hits(image, ByteTableId::ChrEnemy2);
    EXPECT_EQ(hits.shown(0), "1");
    EXPECT_EQ(hits.shown(6), "0");
    EXPECT_EQ(hits.shown(8), "-8"); // the demo's 0xF8
    const ByteTableForm various(image, ByteTableId::ChrEnemy3);
    EXPECT_EQ(various.name(4), "No sound");
    const ByteTableForm lives(image, ByteTableId::Nlives);
    EXPECT_EQ(lives.shown(0), "0");
    EXPECT_EQ(lives.name(0), "(Extra life : P5)");
}

TEST(ByteTableForm, RefusesAnImageThatEndsBeforeItsBytes)
{
    std::vector<std::uint8_t> bytes = buildDemoImage(ImageKind::Ines);
    bytes.resize(0x1E425); // one byte short of the lives byte
    const RomImage image = RomImage::fromBytes(bytes, "short.nes");
    EXPECT_NO_THROW(ByteTableForm(image, ByteTableId::TitleC));
    try {
        ByteTableForm form(image, ByteTableId::Nlives);
        FAIL() << "opened";
    } catch (const ImageError& error) {
        EXPECT_NE(std::string(error.what()).find("short.nes"), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("$1E425"), std::string::npos) << error.what();
    }
    bytes.resize(0x10126 + 91);
    EXPECT_THROW(CharacterForm(RomImage::fromBytes(bytes), ImageKind::Fds), ImageError);
}

TEST(CharacterForm, ReadsEachKindsRecordsInButtonOrderAndWritesThemBack)
{
    for (ImageKind kind : {ImageKind::Ines, ImageKind::Snes, ImageKind::Fds}) {
        SCOPED_TRACE(imageKindName(kind));
        const RomImage original = demo(kind);
        RomImage image = original;
        const long base = characters::recordBase(kind);
        image.write(base + 23 * 2 + 17, 0xF0); // Vesk (record 2): running speed right
        image.write(base + 23 * 1 + 13, 200);  // Dribb (record 1): floating time
        image.write(base + 16, 0x5A);          // never read or written
        const RomImage edited = image;
        CharacterForm form(image, kind);
        form.select(1);
        EXPECT_EQ(form.bar(7), 0xF0);
        EXPECT_EQ(barText(7, form.bar(7)), "-16");
        form.select(2);
        EXPECT_EQ(form.bar(0), 200);

        // Unchanged: the same bytes; byte 16 untouched even when it differs.
        form.write(image);
        EXPECT_TRUE(differences(edited, image).empty());
        // Edits of one character survive switching to another.
        form.select(3);
        form.setBar(15, 0x80);
        form.select(0);
        form.setProperty(0, 9);
        form.write(image);
        EXPECT_EQ(differences(edited, image), (std::vector<long>{base, base + 23 * 3 + 22}));
        EXPECT_EQ(image.read(base + 23 * 3 + 22), 0x80);
    }
}

TEST(PickupPreview, FramesFollowTheClockAndThePickupTimes)
{
    const std::array<int, 6> times{60, 1, 2, 3, 4, 0};
    EXPECT_EQ(PickupPreview::frameDuration(1, times), 1000);
    EXPECT_EQ(PickupPreview::frameDuration(2, times), 83);
    EXPECT_EQ(PickupPreview::frameDuration(3, times), 17); // time 0 counts as one step
    EXPECT_EQ(PickupPreview::frameDuration(4, times), 67);
    EXPECT_EQ(PickupPreview::frameDuration(8, times), 1000); // time 60
    EXPECT_EQ(PickupPreview::frameDuration(9, times), 500);

    PickupPreview preview(5000);
    EXPECT_FALSE(preview.tick(6000, times)); // exactly 1000 ms: not yet
    EXPECT_TRUE(preview.tick(6001, times));
    EXPECT_EQ(preview.frame(), 2);
    // A late tick moves on one frame only; the next frame starts on time.
    EXPECT_TRUE(preview.tick(9000, times));
    EXPECT_EQ(preview.frame(), 3);
    EXPECT_TRUE(preview.tick(9001, times));
    EXPECT_EQ(preview.frame(), 4);
    std::int64_t now = 9001;
    while (preview.frame() != 1)
        preview.tick(++now, times);
    EXPECT_EQ(preview.sourceX(), 48);
    EXPECT_EQ(PickupPreview::sourceY(3), 120);
}

TEST(GameTables, ListsTheTablesOfTheKind)
{
    const auto names = [](const std::vector<GameTable>& tables) {
        std::vector<std::string> list;
        for (const GameTable& t : tables)
            list.push_back(t.name);
        return list;
    };
    const std::vector<GameTable> ines = listGameTables(demo(), ImageKind::Ines);
    EXPECT_EQ(names(ines), gameTableNames());
    for (ImageKind kind : {ImageKind::Snes, ImageKind::Fds})
        EXPECT_EQ(names(listGameTables(demo(kind), kind)),
                  (std::vector<std::string>{"characters", "levels-per-world"}));
    const std::map<std::string, std::size_t> sizes{{"characters", 88}, {"enemies", 17}, {"enemies2", 10},
                                                   {"enemies3", 20},   {"powerups", 15}, {"levels-per-world", 8},
                                                   {"title-card", 1},  {"lives", 1}};
    for (const GameTable& table : ines) {
        EXPECT_EQ(table.rows.size(), sizes.at(table.name)) << table.name;
        for (std::size_t r = 0; r < table.rows.size(); ++r)
            EXPECT_EQ(table.rows[r].row, static_cast<int>(r));
    }
    EXPECT_EQ(ines[0].rows[22].caption, "Vesk: Pick-up time : 1");
    EXPECT_EQ(ines[0].rows[22].offset, 0x143DD + 46);
    EXPECT_EQ(ines[5].rows[7].offset, 0x1E022 + 7);
    EXPECT_EQ(ines[5].rows[7].value, 20);
    EXPECT_EQ(ines[7].rows[0].shown, "3 (Extra life : 02)");
}

TEST(GameTables, SetChangesExactlyTheNamedByte)
{
    const RomImage original = demo();
    const struct {
        const char* table;
        int row;
        long value;
        long offset;
    } cases[] = {
        {"lives", 0, 5, 0x1E425},       {"title-card", 0, 0x40, 0x1E276}, {"enemies", 16, 0, 0x6CC3},
        {"characters", 87, 1, 0x143DD + 69 + 22}, {"levels-per-world", 7, 21, 0x1E029},
        {"levels-per-world", 0, 1, 0x1E022}, {"levels-per-world", 1, 4, 0x1E023},
    };
    for (const auto& c : cases) {
        RomImage image = original;
        EXPECT_EQ(setGameTableRow(image, ImageKind::Ines, c.table, c.row, c.value), c.offset) << c.table;
        EXPECT_EQ(differences(original, image), std::vector<long>{c.offset}) << c.table;
        EXPECT_EQ(image.read(c.offset), c.value);
    }
    // The SNES table of levels per world is written at its own place.
    RomImage snes = demo(ImageKind::Snes);
    EXPECT_EQ(setGameTableRow(snes, ImageKind::Snes, "levels-per-world", 7, 19), 0x8CBB4 + 7);
}

TEST(GameTables, SetRefusesWhatTheDialogsCannotDo)
{
    const struct {
        ImageKind kind;
        const char* table;
        int row;
        long value;
    } refused[] = {
        {ImageKind::Ines, "weapons", 0, 1},          {ImageKind::Snes, "lives", 0, 1},
        {ImageKind::Fds, "enemies", 0, 1},           {ImageKind::Ines, "lives", 1, 1},
        {ImageKind::Ines, "characters", 88, 1},      {ImageKind::Ines, "enemies", -1, 1},
        {ImageKind::Ines, "powerups", 0, 256},       {ImageKind::Ines, "powerups", 0, -1},
        {ImageKind::Ines, "levels-per-world", 7, 22}, // past slot 21
        {ImageKind::Ines, "levels-per-world", 7, 18}, // world 7 would be empty
        {ImageKind::Ines, "levels-per-world", 3, 4},  // world 3 would end before it starts
        {ImageKind::Ines, "levels-per-world", 1, 5},  // world 1 would get five levels
        {ImageKind::Ines, "levels-per-world", 0, 255},
    };
    for (const auto& r : refused) {
        RomImage image = demo(r.kind);
        const RomImage before = image;
        EXPECT_THROW(setGameTableRow(image, r.kind, r.table, r.row, r.value), ImageError)
            << r.table << " " << r.row << " " << r.value;
        EXPECT_TRUE(differences(before, image).empty());
    }
}

} // namespace
} // namespace quorled
