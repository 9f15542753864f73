#include "romdata/filefaults.h"
#include "romdata/filestore.h"
#include "romdata/imageerror.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorled {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> pattern(std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 131 + i / 251) & 0xFF);
    return bytes;
}

class WholeFiles : public ::testing::Test {
protected:
    fs::path folder = fs::temp_directory_path() / ("quorled-filestore-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }
};

// The buffer is sized from the file, so sizes around its edges matter.
TEST_F(WholeFiles, EverySizeReadsBackExactly)
{
    for (std::size_t size : {std::size_t{1}, std::size_t{4095}, std::size_t{4096}, std::size_t{4097},
                             std::size_t{65536}, std::size_t{65537}, std::size_t{262160}}) {
        const std::string path = (folder / ("f" + std::to_string(size))).string();
        const std::vector<std::uint8_t> bytes = pattern(size);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(size));
        EXPECT_EQ(readWholeFile(path), bytes) << size << " bytes";
    }
    const std::string empty = (folder / "empty").string();
    std::ofstream(empty, std::ios::binary).close();
    EXPECT_TRUE(readWholeFile(empty).empty());
}

// Files that are no plain files are refused at once, as sources and as
// targets, and stay what they were.
TEST_F(WholeFiles, OnlyPlainFilesAreReadOrReplaced)
{
    const std::string fifo = (folder / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string dir = (folder / "dir").string();
    fs::create_directories(dir);
    const struct {
        std::string path;
        std::string reason;
        mode_t type;
    } cases[] = {
        {fifo, "it is a FIFO (a pipe), not a plain file", S_IFIFO},
        {dir, "it is a folder, not a file", S_IFDIR},
        {"/dev/null", "it is a device, not a plain file", S_IFCHR},
        {"/dev/zero", "it is a device, not a plain file", S_IFCHR},
    };
    for (const auto& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        try {
            readWholeFile(c.path);
            ADD_FAILURE() << c.path << " was read";
        } catch (const ImageError& error) {
            EXPECT_EQ(std::string(error.what()), "Can't open " + c.path + ": " + c.reason + ".");
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << c.path;
        try {
            writeWholeFile(c.path, pattern(10));
            ADD_FAILURE() << c.path << " was replaced";
        } catch (const ImageError& error) {
            EXPECT_EQ(std::string(error.what()), "Can't write " + c.path + ": " + c.reason + ".");
        }
        struct stat info {};
        ASSERT_EQ(::lstat(c.path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & S_IFMT, c.type) << c.path;
    }
    EXPECT_FALSE(fs::exists(fs::path("/dev/null.quorled-new")));
}

TEST_F(WholeFiles, AFileLongerThanTheLimitIsRefusedWithItsKind)
{
    const std::string path = (folder / "big").string();
    writeWholeFile(path, pattern(1001));
    EXPECT_EQ(readWholeFile(path, {1001, "a test file"}).size(), 1001u);
    try {
        readWholeFile(path, {1000, "a test file"});
        ADD_FAILURE() << "read past the limit";
    } catch (const ImageError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The file " + path + " has more than 1000 bytes, more than a test file can have, so it was not read.");
    }
}

// A link as the target: its target is replaced and the link stays; a link
// that leads nowhere creates nothing.
TEST_F(WholeFiles, ALinkKeepsPointingAtItsReplacedTarget)
{
    const fs::path real = folder / "real.nes";
    const fs::path link = folder / "link.nes";
    writeWholeFile(real.string(), pattern(100));
    fs::create_symlink("real.nes", link);
    writeWholeFile(link.string(), pattern(200));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), fs::path("real.nes"));
    EXPECT_EQ(readWholeFile(real.string()), pattern(200));

    const fs::path dangling = folder / "dangling.nes";
    fs::create_symlink("nowhere.nes", dangling);
    EXPECT_THROW(writeWholeFile(dangling.string(), pattern(10)), ImageError);
    EXPECT_FALSE(fs::exists(folder / "nowhere.nes"));
}

// The temporary file is created exclusively under an unguessable name, so
// links planted at the names an attacker can predict change nothing.
TEST_F(WholeFiles, LinksPlantedAtTemporaryNamesRedirectNothing)
{
    const fs::path victim = folder / "victim";
    const std::string target = (folder / "quorl.nes").string();
    writeWholeFile(victim.string(), pattern(50));
    writeWholeFile(target, pattern(60));
    const std::string planted[] = {target + ".quorled-new", temporaryPrefix(target),
                                   temporaryPrefix(target) + std::to_string(::getpid()) + "-"};
    for (const std::string& name : planted)
        fs::create_symlink(victim, name);
    writeWholeFile(target, pattern(70));
    EXPECT_EQ(readWholeFile(victim.string()), pattern(50));
    EXPECT_EQ(readWholeFile(target), pattern(70));
    EXPECT_FALSE(fs::is_symlink(target));
}

// Temporary files of writers that died go with the next write of the same
// file; those of a living writer and of other files stay.
TEST_F(WholeFiles, TemporaryFilesOfKilledWritersGoWithTheNextWrite)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0); // a process number nobody runs under now
    const std::string target = (folder / "quorl.nes").string();
    const std::string prefix = temporaryPrefix(target);
    const std::string gone[] = {prefix + std::to_string(child) + "-k1ll3dr4n1", target + ".quorled-new"};
    const std::string kept[] = {prefix + std::to_string(::getppid()) + "-st1llrunn1",
                                temporaryPrefix((folder / "other.nes").string()) + std::to_string(child) + "-x",
                                target + ".bak"};
    for (const auto& name : gone)
        writeWholeFile(name, pattern(5));
    for (const auto& name : kept)
        writeWholeFile(name, pattern(5));
    writeWholeFile(target, pattern(80));
    for (const auto& name : gone)
        EXPECT_FALSE(fs::exists(name)) << name;
    for (const auto& name : kept)
        EXPECT_TRUE(fs::exists(name)) << name;

    // A write that fails leaves no temporary file of its own.
    injectFileFaults({0, true, false});
    EXPECT_THROW(writeWholeFile(target, pattern(90)), ImageError);
    clearFileFaults();
    int temporaries = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        temporaries += entry.path().string().rfind(prefix + std::to_string(::getpid()), 0) == 0;
    EXPECT_EQ(temporaries, 0);
    EXPECT_EQ(readWholeFile(target), pattern(80));
}

// Two processes replacing one file at once: a reader only ever sees one
// whole version, never a short or mixed file.
TEST_F(WholeFiles, TwoWritersAtOnceNeverLeaveAPartialFile)
{
    const std::string target = (folder / "quorl.nes").string();
    constexpr std::size_t kSize = 262160;
    writeWholeFile(target, std::vector<std::uint8_t>(kSize, 0));
    pid_t writers[2];
    for (int k = 0; k < 2; ++k) {
        writers[k] = ::fork();
        if (writers[k] == 0) {
            try {
                for (int i = 0; i < 60; ++i)
                    writeWholeFile(target, std::vector<std::uint8_t>(kSize, static_cast<std::uint8_t>(k + 1)));
            } catch (...) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        ASSERT_GT(writers[k], 0);
    }
    int reads = 0;
    int running = 2;
    while (running > 0) {
        const std::vector<std::uint8_t> now = readWholeFile(target, {kSize + 1, "a test file"});
        ++reads;
        ASSERT_EQ(now.size(), kSize) << "after " << reads << " reads";
        ASSERT_EQ(std::count(now.begin(), now.end(), now.front()), static_cast<long>(kSize)) << "a mixed file";
        running = 0;
        for (pid_t writer : writers)
            running += ::waitpid(writer, nullptr, WNOHANG) == 0;
    }
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_EQ(entry.path().filename(), "quorl.nes") << "left behind";
}

} // namespace
} // namespace quorled
