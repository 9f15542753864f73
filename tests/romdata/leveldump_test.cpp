#include "romdata/leveldump.h"

#include "romdata/areadirectory.h"
#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"
#include "support/testimage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace quorled {
namespace {

namespace fs = std::filesystem;

TEST(LevelDumpName, ReplacesTheLastFourCharacters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"quorl.nes", "quorl.qlv"}, {"/a/b/quorl.fds", "/a/b/quorl.qlv"}, {"quorl", "q.qlv"},
        {"abc", "abc.qlv"},         {"", ".qlv"},                         {"game.NES", "game.qlv"},
    };
    for (const auto& [rom, dump] : cases)
        EXPECT_EQ(proposedDumpName(rom), dump) << rom;
}

class LevelDumpFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("quorled-dump-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        test::TestImage image;
        image.put(0x10400, {0x80, 0x00, 0x30, 0x00, 0x25, 0x0A, 0xFF});
        image.setLevelPointer(3, 0x10400);
        romPath = path("quorl.nes");
        writeWholeFile(romPath, image.bytes());
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    RomImage rom() const { return RomImage::open(romPath); }

    // The call is refused with `message` and every file stays as it was.
    template <class Call>
    void expectRefused(Call call, const std::string& message)
    {
        std::vector<std::pair<fs::path, std::vector<std::uint8_t>>> before;
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.is_regular_file())
                before.emplace_back(entry.path(), readWholeFile(entry.path().string()));
        try {
            call();
            ADD_FAILURE() << "not refused: " << message;
        } catch (const ImageError& error) {
            EXPECT_EQ(error.what(), message);
        }
        std::size_t files = 0;
        for (const auto& entry : fs::directory_iterator(dir))
            files += entry.is_regular_file() ? 1 : 0;
        EXPECT_EQ(files, before.size()) << "a file was created or removed";
        for (const auto& [file, bytes] : before)
            EXPECT_EQ(readWholeFile(file.string()), bytes) << file;
    }

    fs::path dir;
    std::string romPath;
};

TEST_F(LevelDumpFiles, DumpThenInsertLeavesTheImageUnchanged)
{
    const std::string dump = path("quorl.qlv");
    writeLevelDump(rom(), dump);
    const std::vector<std::uint8_t> block = readWholeFile(dump);
    ASSERT_EQ(block.size(), 16384U);
    EXPECT_EQ(block[0x10400 - 0x10010], 0x80);
    RomImage image = rom();
    insertLevelBlock(image, readLevelDump(romPath, dump));
    EXPECT_EQ(image.bytes(), rom().bytes());
    // An existing dump (or empty file) is replaced as a whole.
    writeWholeFile(dump, std::vector<std::uint8_t>(16384, 0x00));
    writeLevelDump(rom(), dump);
    EXPECT_EQ(readWholeFile(dump), block);
}

TEST_F(LevelDumpFiles, InsertedPointersTakeEffect)
{
    test::TestImage other;
    other.put(0x11000, {0x00, 0x00, 0x00, 0x00, 0x12, 0x34, 0xFF});
    other.setLevelPointer(3, 0x11000);
    other.setEnemyPointer(3, 0x13000);
    const std::string otherPath = path("other.nes");
    writeWholeFile(otherPath, other.bytes());
    writeLevelDump(RomImage::open(otherPath), path("other.qlv"));

    RomImage image = rom();
    insertLevelBlock(image, readLevelDump(romPath, path("other.qlv")));
    const AreaDirectory directory = buildAreaDirectory(image, ImageKind::Ines);
    EXPECT_EQ(directory.areaLevelOffset[3], 0x11000);
    EXPECT_EQ(directory.areaEnemyOffset[3], 0x13000);
    // Bytes outside the block stay the image's own.
    EXPECT_EQ(image.read(0x1E022 + 1), rom().read(0x1E022 + 1));
}

TEST_F(LevelDumpFiles, RefusalsTouchNoFile)
{
    const std::string same = "Dump file can't be the same as ROM file!";
    const std::string dotted = (dir / "." / "quorl.nes").string();
    expectRefused([&] { writeLevelDump(rom(), dotted); }, same);
    expectRefused([&] { readLevelDump(romPath, dotted); }, same);
    ASSERT_EQ(::link(romPath.c_str(), path("hard.qlv").c_str()), 0);
    expectRefused([&] { readLevelDump(romPath, path("hard.qlv")); }, same);
    expectRefused([&] { writeLevelDump(rom(), path("hard.qlv")); }, same);
    fs::remove(path("hard.qlv"));

    const std::string missing = path("missing.qlv");
    expectRefused([&] { readLevelDump(romPath, missing); },
                  "Dump file (" + missing + ") is either empty or doesn't exist.");
    EXPECT_FALSE(fs::exists(missing));
    writeWholeFile(path("empty.qlv"), {});
    expectRefused([&] { readLevelDump(romPath, path("empty.qlv")); },
                  "Dump file (" + path("empty.qlv") + ") is either empty or doesn't exist.");

    for (const std::size_t length : {1UL, 16383UL, 16385UL}) {
        const std::string odd = path("odd.qlv");
        writeWholeFile(odd, std::vector<std::uint8_t>(length, 0x11));
        expectRefused([&] { readLevelDump(romPath, odd); },
                      "Dump file (" + odd + ") has " + std::to_string(length) +
                          " bytes; a level dump has exactly 16384. Nothing was inserted.");
        expectRefused([&] { writeLevelDump(rom(), odd); },
                      "The file " + odd + " has " + std::to_string(length) +
                          " bytes and a level dump has 16384: it is no level dump, so it was left alone.");
    }
    fs::create_directory(dir / "folder.qlv");
    expectRefused([&] { readLevelDump(romPath, path("folder.qlv")); },
                  "Dump file (" + path("folder.qlv") + ") is not a plain file.");
    expectRefused([&] { writeLevelDump(rom(), path("folder.qlv")); },
                  "Can't write " + path("folder.qlv") + ": it is not a plain file.");
}

TEST_F(LevelDumpFiles, NamesAreasThatNoLongerLoadCleanly)
{
    const RomImage before = rom();
    RomImage after = before;
    // Area 3's level data now points into the enemy pointer block, area 4's
    // enemy data past the level-data region.
    test::TestImage changed;
    changed.bytes() = before.bytes();
    changed.setLevelPointer(3, 0x12600);
    changed.setEnemyPointer(4, 0x14100);
    after = changed.image();
    EXPECT_EQ(areasNoLongerClean(before, after), (std::vector<int>{3, 4}));
    EXPECT_TRUE(areasNoLongerClean(before, before).empty());
}

} // namespace
} // namespace quorled
