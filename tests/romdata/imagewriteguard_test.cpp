#include "romdata/filefaults.h"
#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/imagewriteguard.h"
#include "romdata/romimage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace quorled {
namespace {

namespace fs = std::filesystem;

class ImageWriteGuardTest : public ::testing::Test {
protected:
    fs::path folder;
    std::string image;
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("quorled-guard-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        image = put("quorl.nes", std::string(5000, '\x11'));
    }
    void TearDown() override
    {
        clearFileFaults();
        fs::remove_all(folder);
    }
    std::string put(const std::string& name, const std::string& bytes)
    {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    static std::string contents(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Opens the image, sets byte 0 to `value` and commits it through the guard.
    static std::string commitByte(ImageWriteGuard& guard, const std::string& path, int value)
    {
        RomImage rom = RomImage::open(path);
        rom.write(0, value);
        try {
            guard.commit(rom);
        } catch (const ImageError& error) {
            return error.what();
        }
        return "";
    }
};

TEST_F(ImageWriteGuardTest, TheFirstWriteOfTheRunKeepsTheOriginalInTheBackup)
{
    ::chmod(image.c_str(), 0600);
    ImageWriteGuard guard;
    EXPECT_TRUE(guard.backupEnabled());
    EXPECT_FALSE(guard.writtenInThisRun(image));
    EXPECT_EQ(commitByte(guard, image, 0x22), "");
    EXPECT_EQ(contents(image + ".bak"), std::string(5000, '\x11'));
    EXPECT_EQ(contents(image)[0], '\x22');
    struct stat info {};
    ASSERT_EQ(::stat((image + ".bak").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "the backup is as private as the image";

    // Later writes of the run, under any name of the file, leave the backup alone.
    EXPECT_EQ(commitByte(guard, (folder / "." / "quorl.nes").string(), 0x33), "");
    EXPECT_EQ(contents(image + ".bak"), std::string(5000, '\x11'));
    EXPECT_EQ(contents(image)[0], '\x33');
    EXPECT_TRUE(guard.writtenInThisRun(image));

    // A new run backs up the image as that run found it.
    ImageWriteGuard nextRun;
    EXPECT_EQ(commitByte(nextRun, image, 0x44), "");
    EXPECT_EQ(contents(image + ".bak")[0], '\x33');
}

// "./NAME", then the absolute name, then a link and a hard link: one file,
// so its backup keeps the original even though every write replaced it.
TEST_F(ImageWriteGuardTest, EveryNameOfTheFileSharesTheFirstWrite)
{
    const fs::path home = fs::current_path();
    fs::current_path(folder);
    ImageWriteGuard guard;
    EXPECT_EQ(commitByte(guard, "./quorl.nes", 0x22), "");
    fs::current_path(home);
    EXPECT_EQ(commitByte(guard, image, 0x33), "");
    fs::create_symlink("quorl.nes", folder / "link.nes");
    EXPECT_EQ(commitByte(guard, (folder / "link.nes").string(), 0x44), "");
    fs::create_hard_link(image, folder / "hard.nes");
    EXPECT_EQ(commitByte(guard, (folder / "hard.nes").string(), 0x55), "");
    EXPECT_EQ(contents(image + ".bak"), std::string(5000, '\x11'));
    EXPECT_FALSE(fs::exists(folder / "link.nes.bak"));
    EXPECT_FALSE(fs::exists(folder / "hard.nes.bak"));
    EXPECT_EQ(contents(image)[0], '\x44') << "the hard link was replaced by a file of its own";
    EXPECT_TRUE(fs::is_symlink(folder / "link.nes"));
}

TEST_F(ImageWriteGuardTest, WithBackupsOffNoCopyIsMadeInThatRun)
{
    ImageWriteGuard guard;
    guard.setBackupEnabled(false);
    EXPECT_EQ(commitByte(guard, image, 0x22), "");
    EXPECT_FALSE(fs::exists(image + ".bak"));
    // Switching backups on after the first write would only copy an edited image.
    guard.setBackupEnabled(true);
    EXPECT_EQ(commitByte(guard, image, 0x33), "");
    EXPECT_FALSE(fs::exists(image + ".bak"));
}

TEST_F(ImageWriteGuardTest, AnImageWithoutChangesIsNeitherBackedUpNorWritten)
{
    ImageWriteGuard guard;
    RomImage rom = RomImage::open(image);
    guard.commit(rom);
    EXPECT_FALSE(fs::exists(image + ".bak"));
    EXPECT_FALSE(guard.writtenInThisRun(image));

    // Writes that leave every byte as it was count as no change: the file
    // is not replaced and an older backup (the user's copy) is kept.
    const std::string backup = put("quorl.nes.bak", "older copy");
    struct stat before {};
    ::stat(image.c_str(), &before);
    EXPECT_EQ(commitByte(guard, image, 0x11), "");
    guard.commit(image, [&] {
        RomImage copy = RomImage::inMemoryCopy(RomImage::open(image));
        copy.writeBlock(10, std::vector<std::uint8_t>(20, 0x11));
        return copy;
    }());
    struct stat after {};
    ::stat(image.c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(contents(backup), "older copy");
    EXPECT_FALSE(guard.writtenInThisRun(image));
}

// The backup's name is not one the user chose: a link planted there is
// replaced by the backup itself, and the file it led to keeps its bytes
// and permissions.
TEST_F(ImageWriteGuardTest, ABackupLinkIsReplacedNeverFollowed)
{
    for (const bool targetExists : {true, false}) {
        const std::string victim = (folder / "victim").string();
        fs::remove(victim);
        if (targetExists) {
            put("victim", "not yours");
            ::chmod(victim.c_str(), 0666);
        }
        fs::remove(image + ".bak");
        fs::create_symlink(victim, image + ".bak");
        put("quorl.nes", std::string(5000, '\x11'));
        ImageWriteGuard guard;
        EXPECT_EQ(commitByte(guard, image, 0x22), "") << targetExists;
        EXPECT_FALSE(fs::is_symlink(image + ".bak"));
        EXPECT_EQ(contents(image + ".bak"), std::string(5000, '\x11'));
        EXPECT_EQ(fs::exists(victim), targetExists);
        if (targetExists) {
            EXPECT_EQ(contents(victim), "not yours");
            struct stat info {};
            ::stat(victim.c_str(), &info);
            EXPECT_EQ(info.st_mode & 0777, 0666u);
        }
    }
}

TEST_F(ImageWriteGuardTest, AReadOnlyImageIsRefusedBeforeAnyBackup)
{
    ::chmod(image.c_str(), 0444);
    ImageWriteGuard guard;
    EXPECT_EQ(commitByte(guard, image, 0x22), "The image " + image + " is read-only.");
    EXPECT_EQ(contents(image), std::string(5000, '\x11'));
    EXPECT_FALSE(fs::exists(image + ".bak"));
    EXPECT_FALSE(guard.writtenInThisRun(image));
    EXPECT_THROW(ImageWriteGuard::checkWritable(image), ImageError);
    EXPECT_NO_THROW(ImageWriteGuard::checkWritable((folder / "missing.nes").string()));
}

TEST_F(ImageWriteGuardTest, AFailedBackupWritesNothing)
{
    const std::string oldBackup = put("quorl.nes.bak", "older backup");
    const std::string backupMessage = "Nothing was written to the image " + image + ", because its backup " +
                                      oldBackup + " could not be made: Can't write " + oldBackup + ": ";
    const struct {
        FileFaults faults;
        const char* reason;
    } cases[] = {
        {{1, false, false}, "Input/output error."},
        {{0, true, false}, "Permission denied."},
        {{0, false, true}, "No space left on device."},
    };
    ImageWriteGuard guard;
    for (const auto& c : cases) {
        injectFileFaults(c.faults);
        EXPECT_EQ(commitByte(guard, image, 0x22), backupMessage + c.reason);
        clearFileFaults();
        EXPECT_EQ(contents(image), std::string(5000, '\x11'));
        EXPECT_EQ(contents(oldBackup), "older backup");
        EXPECT_FALSE(guard.writtenInThisRun(image)) << "the next write must try the backup again";
    }
    fs::remove(oldBackup);
    fs::create_directory(oldBackup);
    EXPECT_EQ(commitByte(guard, image, 0x22),
              "Nothing was written to the image " + image + ", because its backup " + oldBackup +
                  " could not be made: Can't write " + oldBackup + ": it is a folder, not a file.");
    EXPECT_EQ(contents(image), std::string(5000, '\x11'));
}

TEST_F(ImageWriteGuardTest, AFailedImageWriteAfterTheBackupLeavesBothFilesWhole)
{
    ImageWriteGuard guard;
    EXPECT_EQ(commitByte(guard, image, 0x22), "");
    const std::string before = contents(image);
    for (const FileFaults& faults : {FileFaults{1, false, false}, FileFaults{0, true, false},
                                     FileFaults{0, false, true}}) {
        injectFileFaults(faults);
        const std::string message = commitByte(guard, image, 0x33);
        clearFileFaults();
        EXPECT_EQ(message.rfind("Can't write " + image + ": ", 0), 0u) << message;
        EXPECT_EQ(contents(image), before);
        EXPECT_EQ(contents(image + ".bak"), std::string(5000, '\x11'));
    }
}

} // namespace
} // namespace quorled
