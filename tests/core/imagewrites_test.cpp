#include "core/corefixture.h"

#include "romdata/areawriter.h"
#include "romdata/filefaults.h"
#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/imagelock.h"
#include "romdata/romimage.h"

#include "core/session/viewoptions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace quorled {
namespace {

using testing::CoreFolder;
using testing::editorTestImage;
using testing::syntheticCarriedPictures;

bool sameModel(const AreaModel& a, const AreaModel& b)
{
    return a.area == b.area && a.header.bytes() == b.header.bytes() && a.objects == b.objects &&
           a.enemies == b.enemies && a.selectedObject == b.selectedObject && a.selectedEnemy == b.selectedEnemy;
}

// Writes of the image from the editor core: the backup option, read-only
// images and failed writes that leave the file and the editor as they were.
class CoreImageWrites : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeImage("quorl.nes", editorTestImage().bytes());
        image = folder.path("quorl.nes");
        original = readWholeFile(image);
        core.setObserver([this](ChangeSet c) { changes |= c; });
    }
    void TearDown() override { clearFileFaults(); }
    void start(const std::string& settings = "[Options]\nStartArea= 10\n")
    {
        folder.writeFile("Quorled.ini", settings);
        core.readSettings(folder.settingsPath());
        ASSERT_EQ(core.openImage(image), std::nullopt);
        changes = {};
    }
    // A save of the current area the way a writing command of the editor
    // does it: the work happens on copies, which replace the editor's model
    // only when the write went through.
    bool save()
    {
        AreaModel model = core.area();
        ViewPosition view{core.view().viewColumn, core.view().viewRow};
        ++saveAttempts;
        const bool saved = core.writeImage([&](RomImage& rom) {
            ++editsRun;
            const SaveResult result = saveArea(rom, core.directory(), core.imageKind(), model, view);
            if (result.refusal)
                throw ImageError(result.refusal->text);
        });
        if (saved)
            core.area() = model;
        return saved;
    }
    bool backupExists() const { return std::filesystem::exists(image + ".bak"); }

    CoreFolder folder;
    EditorCore core{syntheticCarriedPictures()};
    ChangeSet changes;
    std::string image;
    std::vector<std::uint8_t> original;
    int saveAttempts = 0;
    int editsRun = 0;
};

TEST_F(CoreImageWrites, ASaveWaitsForAnotherWriterThenRefusesAndChangesNothing)
{
    start();
    const ImageLock other(image);
    EXPECT_FALSE(save());
    EXPECT_EQ(core.message(), "The image " + image + " is being written by another program, so nothing was "
                              "written. Try again when it has finished.");
    EXPECT_EQ(editsRun, 0);
    EXPECT_FALSE(backupExists());
    EXPECT_EQ(readWholeFile(image), original);
}

TEST_F(CoreImageWrites, TheBackupItemIsCheckedByDefaultAndKeptInTheSettings)
{
    start();
    EXPECT_TRUE(core.commandEnabled(Command::backup));
    EXPECT_TRUE(core.commandChecked(Command::backup));
    ViewOptions::toggleBackup(core);
    EXPECT_FALSE(core.commandChecked(Command::backup));
    EXPECT_TRUE(changes.has(Change::Checks));
    ASSERT_EQ(core.shutDown(), std::nullopt);
    EXPECT_NE(folder.readFile("Quorled.ini").find("Backup= 0\n"), std::string::npos);

    start("[Options]\nStartArea= 10\nBackup= 0\n");
    EXPECT_FALSE(core.commandChecked(Command::backup));
    EXPECT_FALSE(core.document().writeGuard().backupEnabled());
    start("[Options]\nStartArea= 10\nBackup=-1\n");
    EXPECT_TRUE(core.commandChecked(Command::backup));
}

TEST_F(CoreImageWrites, TheFirstSaveOfTheRunCopiesTheImageFirst)
{
    start();
    core.area().enemy(1).x += 1;
    ASSERT_TRUE(save()) << core.message();
    EXPECT_EQ(readWholeFile(image + ".bak"), original);
    const auto afterFirst = readWholeFile(image);
    EXPECT_NE(afterFirst, original);

    core.area().enemy(1).x += 1;
    ASSERT_TRUE(save()) << core.message();
    EXPECT_EQ(readWholeFile(image + ".bak"), original) << "only the first write of the run is backed up";
    EXPECT_NE(readWholeFile(image), afterFirst);
}

TEST_F(CoreImageWrites, WithTheItemUncheckedNoBackupIsMade)
{
    start("[Options]\nStartArea= 10\nBackup= 0\n");
    core.area().enemy(1).x += 1;
    ASSERT_TRUE(save()) << core.message();
    EXPECT_FALSE(backupExists());
    EXPECT_NE(readWholeFile(image), original);
}

TEST_F(CoreImageWrites, AReadOnlyImageOpensForViewingAndRefusesEveryWrite)
{
    ::chmod(image.c_str(), 0444);
    start();
    EXPECT_EQ(core.currentArea(), 10);
    EXPECT_EQ(core.area().enemyCount(), 3);
    core.area().enemy(1).x += 1;
    const AreaModel edited = core.area();
    EXPECT_FALSE(save());
    EXPECT_EQ(core.message(), "The image " + image + " is read-only.");
    EXPECT_TRUE(changes.has(Change::Message));
    EXPECT_EQ(editsRun, 0) << "nothing is worked out for a read-only image";
    EXPECT_TRUE(sameModel(core.area(), edited));
    EXPECT_EQ(readWholeFile(image), original);
    EXPECT_FALSE(backupExists());
    // Viewing goes on, the edit kept in the document.
    core.cancelAreaChoice();
    EXPECT_EQ(core.currentArea(), 10);
    EXPECT_EQ(core.area().enemy(1).x, edited.enemy(1).x);
}

TEST_F(CoreImageWrites, FailedWritesKeepTheFileAndTheEditedModel)
{
    start();
    core.area().enemy(1).x += 1;
    const AreaModel edited = core.area();
    const int column = core.view().viewColumn;
    const std::string noBackup = "Nothing was written to the image " + image + ", because its backup " + image +
                                 ".bak could not be made: Can't write " + image + ".bak: ";
    const struct {
        FileFaults faults;
        const char* reason;
    } cases[] = {
        {{1, false, false}, "Input/output error."},
        {{3, false, false}, "Input/output error."},
        {{0, true, false}, "Permission denied."},
        {{0, false, true}, "No space left on device."},
    };
    // The first write of the run fails while making the backup ...
    for (const auto& c : cases) {
        injectFileFaults(c.faults);
        changes = {};
        EXPECT_FALSE(save());
        clearFileFaults();
        EXPECT_EQ(core.message(), noBackup + c.reason);
        EXPECT_TRUE(changes.has(Change::Message));
        EXPECT_TRUE(sameModel(core.area(), edited));
        EXPECT_EQ(core.view().viewColumn, column);
        EXPECT_EQ(readWholeFile(image), original);
        EXPECT_FALSE(backupExists());
    }
    // ... and once the backup exists, while replacing the image.
    ASSERT_TRUE(save()) << core.message();
    const auto saved = readWholeFile(image);
    core.area().enemy(1).x += 1;
    const AreaModel editedAgain = core.area();
    for (const auto& c : cases) {
        injectFileFaults(c.faults);
        EXPECT_FALSE(save());
        clearFileFaults();
        EXPECT_EQ(core.message(), "Can't write " + image + ": " + c.reason);
        EXPECT_TRUE(sameModel(core.area(), editedAgain));
        EXPECT_EQ(readWholeFile(image), saved);
        EXPECT_EQ(readWholeFile(image + ".bak"), original);
    }
}

TEST_F(CoreImageWrites, AnImageThatVanishedIsNotRecreated)
{
    start();
    std::filesystem::remove(image);
    core.area().enemy(1).x += 1;
    EXPECT_FALSE(save());
    EXPECT_NE(core.message().find(image), std::string::npos) << core.message();
    EXPECT_FALSE(std::filesystem::exists(image));
    EXPECT_FALSE(backupExists());
}

} // namespace
} // namespace quorled
