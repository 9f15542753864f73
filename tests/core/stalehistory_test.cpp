// Undo, redo and table writes of the editor after another program changed
// the image: a step is written only where its bytes still belong, and bytes
// the other program changed are overwritten only when the user agrees.
#include "core/corefixture.h"

#include "core/editing/keyediting.h"
#include "romdata/bytetables.h"
#include "romdata/datamove.h"
#include "romdata/demo/demoimage.h"
#include "romdata/romimage.h"

#include <gtest/gtest.h>

#include <functional>

namespace quorled {
namespace {

using testing::CoreFolder;
using testing::syntheticCarriedPictures;

long livesOffset() { return byteTable(ByteTableId::Nlives).rows[0].offset; }

// Another program's copy of area 00's data to free space: the pointer
// changes, the old bytes stay where they were.
void copyAreaZero(RomImage& image, MoveData what)
{
    const MoveSource source = measureMoveSource(image, 0, what);
    const std::optional<long> free = findMoveTarget(image, what, source.size + 1);
    ASSERT_TRUE(free);
    ASSERT_FALSE(moveData(image, {0, what, *free, MoveOption::Copy}).refusal);
}

TEST(StaleHistory, StepsAreWrittenOnlyWhereTheirBytesStillBelong)
{
    enum class Made { Save, SaveUndone, Lives };
    enum class Other { CopyLevel, CopyEnemy, SetLives, MoveLevelAway };
    enum class Then { Undo, Redo, SetLives };
    enum class Expect { Refused, Asked, Written };
    struct Case {
        const char* name;
        Made made;
        Other other;
        Then then;
        Expect expect;
    };
    const Case cases[] = {
        {"undo of a moving save after its level data was copied", Made::Save, Other::CopyLevel, Then::Undo, Expect::Refused},
        {"undo of a moving save after its enemy data was copied", Made::Save, Other::CopyEnemy, Then::Undo, Expect::Refused},
        {"redo of a moving save after its level data was copied", Made::SaveUndone, Other::CopyLevel, Then::Redo,
         Expect::Refused},
        {"undo of a table write after the byte changed", Made::Lives, Other::SetLives, Then::Undo, Expect::Asked},
        {"table write after the byte changed", Made::Save, Other::SetLives, Then::SetLives, Expect::Asked},
        // A table lies at a fixed place: moved area data does not make it stale.
        {"table write after area data moved", Made::Save, Other::MoveLevelAway, Then::SetLives, Expect::Written},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CoreFolder folder;
        folder.writeImage("quorl.nes", buildDemoImage(ImageKind::Ines));
        folder.writeFile("Quorled.ini", "[Options]\nStartArea= 0\nBackup= 0\n");
        const std::string path = folder.path("quorl.nes");
        EditorCore core{syntheticCarriedPictures()};
        core.readSettings(folder.settingsPath());
        ASSERT_EQ(core.openImage(path), std::nullopt);
        bool asked = false;
        core.document().setOverwriteQuestion([&](const std::string&) { return asked = true, false; });
        const auto setLives = [&](int value) {
            return core.writeImage([&](RomImage& rom) { rom.write(livesOffset(), value); }, "Change lives");
        };

        if (c.made == Made::Lives) {
            ASSERT_TRUE(setLives(4));
        } else {
            // "Move and save" is a written step of the history.
            core.keyDown(vk::Add, 0);
            core.saveMovingData();
            ASSERT_FALSE(core.document().differs()) << core.message();
            ASSERT_TRUE(core.document().canUndo());
            if (c.made == Made::SaveUndone)
                core.undo();
        }

        RomImage other = RomImage::open(path);
        switch (c.other) {
        case Other::CopyLevel: copyAreaZero(other, MoveData::Level); break;
        case Other::CopyEnemy: copyAreaZero(other, MoveData::Enemy); break;
        case Other::SetLives: other.write(livesOffset(), 9); break;
        case Other::MoveLevelAway: {
            const std::optional<long> free = findMoveTarget(other, MoveData::Level, 64);
            ASSERT_TRUE(free);
            ASSERT_FALSE(moveData(other, {3, MoveData::Level, *free, MoveOption::CopyErase}).refusal);
            break;
        }
        }
        folder.writeImage("quorl.nes", other.bytes());

        switch (c.then) {
        case Then::Undo: core.undo(); break;
        case Then::Redo: core.redo(); break;
        case Then::SetLives: setLives(5); break;
        }
        const std::vector<std::uint8_t> now = RomImage::open(path).bytes();
        std::vector<std::uint8_t> expected = other.bytes();
        if (c.expect == Expect::Written)
            expected[static_cast<std::size_t>(livesOffset())] = 5;
        EXPECT_TRUE(now == expected);
        EXPECT_EQ(asked, c.expect == Expect::Asked);
        if (c.expect == Expect::Refused) {
            EXPECT_NE(core.message().find("The data of area 00 was moved"), std::string::npos) << core.message();
        }
    }
}

} // namespace
} // namespace quorled
