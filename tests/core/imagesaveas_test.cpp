#include "core/corefixture.h"
#include "core/session/imagesaveas.h"
#include "core/editing/keyediting.h"
#include "core/session/outputtarget.h"

#include "romdata/filestore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace quorled {
namespace {

using testing::CoreFolder;
using testing::editorTestImage;
using testing::syntheticCarriedPictures;

class ImageSaveAsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeImage("quorl.nes", editorTestImage().bytes());
        folder.writeFile("Quorled.ini", "[Options]\nStartArea= 10\n");
        image = folder.path("quorl.nes");
        original = readWholeFile(image);
        core.setObserver([this](ChangeSet c) { changes |= c; });
        core.readSettings(folder.settingsPath());
        ASSERT_EQ(core.openImage(image), std::nullopt);
    }
    CoreFolder folder;
    EditorCore core{syntheticCarriedPictures()};
    ChangeSet changes;
    std::string image;
    std::vector<std::uint8_t> original;
};

TEST_F(ImageSaveAsTest, AReadOnlyImageSaysSoAndIsSavedAsANewFileThatTheEditorGoesOnWith)
{
    ::chmod(image.c_str(), 0444);
    ASSERT_EQ(core.openImage(image), std::nullopt);
    EXPECT_EQ(core.caption(), "Quorl editor -- Area 0A -- 1-2, main part [read-only]");
    EXPECT_FALSE(core.commandEnabled(Command::lsave));
    EXPECT_TRUE(core.commandEnabled(Command::lsaveas));

    core.keyDown(vk::Space, 0);
    core.area().selectedEnemy = 1;
    core.keyDown(vk::Numpad6, 0);
    const int edited = core.area().enemy(1).x;
    const std::string copy = folder.path("copy.nes");
    ASSERT_TRUE(ImageSaveAs::run(core, copy)) << core.message();
    EXPECT_EQ(readWholeFile(image), original) << "the read-only image is untouched";
    EXPECT_NE(readWholeFile(copy), original);
    EXPECT_FALSE(std::filesystem::exists(copy + ".bak")) << "a new file has nothing to back up";
    EXPECT_EQ(core.romFileName(), copy);
    EXPECT_EQ(core.caption(), "Quorl editor -- Area 0A -- 1-2, main part");
    EXPECT_TRUE(core.commandEnabled(Command::lsave));
    EXPECT_FALSE(core.document().differs());
    EXPECT_TRUE(core.document().canUndo()) << "the history stays";
    EXPECT_EQ(core.area().enemy(1).x, edited);

    // The editor goes on with the copy: the next save writes it alone.
    core.area().enemy(1).x += 1;
    core.saveArea();
    EXPECT_FALSE(core.document().differs()) << core.message();
    EXPECT_EQ(readWholeFile(image), original);
    core.cancelAreaChoice(); // reloads the area from the file
    EXPECT_EQ(core.area().enemy(1).x, edited + 1);
}

TEST_F(ImageSaveAsTest, RefusesTheImageItselfOtherKindsAndFilesThatAreNotRegular)
{
    const std::string link = folder.path("link.nes");
    const std::string hard = folder.path("hard.nes");
    std::filesystem::create_symlink(image, link);
    std::filesystem::create_hard_link(image, hard);
    std::filesystem::create_directory(folder.path("folder.nes"));
    const struct {
        std::string target;
        const char* says;
    } cases[] = {
        {image, "is the open image itself"},
        {folder.path("./quorl.nes"), "is the open image itself"},
        {link, "is the open image itself"},
        {hard, "is the open image itself"},
        {folder.path("folder.nes"), "is not a regular file"},
        {folder.path("copy.fds"), "would open as a fds image, not as the ines image it copies"},
        {folder.path("missing/copy.nes"), "copy.nes"},
    };
    core.area().enemy(1).x += 1;
    for (const auto& c : cases) {
        changes = {};
        EXPECT_FALSE(ImageSaveAs::run(core, c.target)) << c.target;
        EXPECT_TRUE(changes.has(Change::Message)) << c.target;
        EXPECT_NE(core.message().find(c.says), std::string::npos) << core.message();
        EXPECT_EQ(core.romFileName(), image);
        EXPECT_TRUE(core.document().differs());
    }
    EXPECT_EQ(readWholeFile(image), original);
    EXPECT_EQ(outputTargetRefusal(folder.path("new.png"), image), std::nullopt);
    EXPECT_TRUE(outputTargetRefusal("/dev/null", image));
}

TEST_F(ImageSaveAsTest, AnExistingTargetIsBackedUpBeforeItIsReplaced)
{
    folder.writeFile("other.nes", "old bytes");
    const std::string other = folder.path("other.nes");
    ASSERT_TRUE(ImageSaveAs::run(core, other)) << core.message();
    EXPECT_EQ(readWholeFile(other), original) << "an unchanged area copies the image as it is";
    const auto backup = readWholeFile(other + ".bak");
    EXPECT_EQ(std::string(backup.begin(), backup.end()), "old bytes");
}

} // namespace
} // namespace quorled
