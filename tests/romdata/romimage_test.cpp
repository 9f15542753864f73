#include "romdata/filefaults.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"

#include "romdata/filestore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace quorled {
namespace {

namespace fs = std::filesystem;

// Whether a temporary file of a write of `path` is left beside it.
bool hasTemporaryFile(const std::string& path)
{
    const std::string prefix = temporaryPrefix(path);
    for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
        if (entry.path().string().rfind(prefix, 0) == 0)
            return true;
    return false;
}

class RomImageFiles : public ::testing::Test {
protected:
    fs::path folder;
    void SetUp() override
    {
        folder = fs::temp_directory_path() /
                 ("quorled-romimage-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override
    {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }
    std::string file(const std::string& name, std::size_t size, std::uint8_t fill = 0x11)
    {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << std::string(size, static_cast<char>(fill));
        return path.string();
    }
    static std::string contents(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST_F(RomImageFiles, ReadsPastTheEndGiveFreeSpace)
{
    const RomImage image = RomImage::open(file("a.nes", 4));
    EXPECT_EQ(image.size(), 4);
    EXPECT_EQ(image.read(3), 0x11);
    EXPECT_EQ(image.read(4), 0xFF);
    EXPECT_EQ(image.read(-1), 0xFF);
}

TEST_F(RomImageFiles, WritesReachTheFileOnCommitAndKeepPermissions)
{
    const std::string path = file("a.nes", 8);
    ::chmod(path.c_str(), 0640);
    RomImage image = RomImage::open(path);
    image.write(2, 0x1AB);
    EXPECT_EQ(image.read(2), 0xAB);
    image.commit();
    EXPECT_EQ(contents(path), std::string("\x11\x11\xAB\x11\x11\x11\x11\x11", 8));
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_FALSE(hasTemporaryFile(path));
}

TEST_F(RomImageFiles, WritesOutsideTheFileAreRefused)
{
    RomImage image = RomImage::open(file("a.nes", 8));
    EXPECT_THROW(image.write(8, 0), ImageError);
    EXPECT_THROW(image.write(-1, 0), ImageError);
    // A block reaching past either end writes none of its bytes.
    const std::vector<std::uint8_t> before = image.bytes();
    EXPECT_THROW(image.writeBlock(6, {1, 2, 3}), ImageError);
    EXPECT_THROW(image.writeBlock(-1, {1, 2}), ImageError);
    EXPECT_EQ(image.bytes(), before);
    EXPECT_FALSE(image.modified());
    image.writeBlock(5, {0xA1, 0xA2, 0xA3});
    EXPECT_TRUE(image.modified());
    EXPECT_EQ(std::vector<std::uint8_t>(image.bytes().begin() + 4, image.bytes().end()),
              (std::vector<std::uint8_t>{before[4], 0xA1, 0xA2, 0xA3}));
}

TEST_F(RomImageFiles, BadFilesGiveMessagesNamingThem)
{
    const auto messageOf = [](const std::string& path, ImageKind kind) -> std::string {
        try {
            RomImage::openChecked(path, kind);
        } catch (const ImageError& error) {
            return error.what();
        }
        return "";
    };
    const std::string missing = (folder / "missing.nes").string();
    EXPECT_NE(messageOf(missing, ImageKind::Ines).find(missing), std::string::npos);
    EXPECT_FALSE(fs::exists(missing)) << "opening must never create a file";
    EXPECT_NE(messageOf(file("empty.nes", 0), ImageKind::Ines).find("is empty"), std::string::npos);
    EXPECT_NE(messageOf(folder.string(), ImageKind::Ines).find("folder"), std::string::npos);
    const std::string shortFile = file("short.nes", 0x14000);
    const std::string message = messageOf(shortFile, ImageKind::Ines);
    EXPECT_NE(message.find("81920 bytes"), std::string::npos) << message;
    EXPECT_NE(message.find("122922 bytes"), std::string::npos) << message;
}

TEST_F(RomImageFiles, ReadOnlyImagesAreNotWritten)
{
    const std::string path = file("ro.nes", 8);
    ::chmod(path.c_str(), 0444);
    RomImage image = RomImage::open(path);
    image.write(0, 0);
    try {
        image.commit();
        FAIL() << "a read-only image was written";
    } catch (const ImageError& error) {
        EXPECT_EQ(std::string(error.what()), "The image " + path + " is read-only.");
    }
    EXPECT_EQ(contents(path), std::string(8, '\x11'));
}

TEST_F(RomImageFiles, AFolderThatCannotBeWrittenLeavesTheFileAlone)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any folder";
    const std::string path = file("a.nes", 8);
    RomImage image = RomImage::open(path);
    image.write(0, 0);
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_THROW(image.commit(), ImageError);
    EXPECT_EQ(contents(path), std::string(8, '\x11'));
}

} // namespace
} // namespace quorled

namespace quorled {
namespace {

class FaultyWrites : public RomImageFiles {
protected:
    void TearDown() override
    {
        clearFileFaults();
        RomImageFiles::TearDown();
    }
    // Changes every byte of a 20000-byte image, commits under `faults` and
    // returns the message.
    std::string commitWith(const FileFaults& faults, const std::string& path)
    {
        RomImage image = RomImage::open(path);
        for (long o = 0; o < image.size(); ++o)
            image.write(o, 0x22);
        injectFileFaults(faults);
        try {
            image.commit();
        } catch (const ImageError& error) {
            EXPECT_TRUE(image.modified()) << "a failed commit must keep the changes pending";
            return error.what();
        }
        return "";
    }
};

TEST_F(FaultyWrites, EveryFaultLeavesTheOldFileWhole)
{
    struct Case {
        const char* name;
        FileFaults faults;
        const char* reason;
    };
    const Case cases[] = {
        {"first write", {1, false, false}, "Input/output error"},
        {"third write", {3, false, false}, "Input/output error"},
        {"rename", {0, true, false}, "Permission denied"},
        {"disk full", {0, false, true}, "No space left on device"},
    };
    for (const Case& c : cases) {
        const std::string path = file(std::string("image-") + c.name + ".nes", 20000);
        const std::string message = commitWith(c.faults, path);
        EXPECT_EQ(message, "Can't write " + path + ": " + c.reason + ".") << c.name;
        EXPECT_EQ(contents(path), std::string(20000, '\x11')) << c.name;
        EXPECT_FALSE(hasTemporaryFile(path)) << c.name;
    }
}

TEST_F(FaultyWrites, WritesAfterTheFaultIsGoneSucceed)
{
    const std::string path = file("image.nes", 20000);
    RomImage image = RomImage::open(path);
    image.write(5, 0x33);
    injectFileFaults({0, false, true});
    EXPECT_THROW(image.commit(), ImageError);
    clearFileFaults();
    image.commit();
    EXPECT_EQ(contents(path)[5], '\x33');
}

} // namespace
} // namespace quorled
