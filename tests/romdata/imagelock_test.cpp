#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/imagelock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quorled {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

class ImageLockTest : public ::testing::Test {
protected:
    fs::path folder = fs::temp_directory_path() / ("quorled-lock-" + std::to_string(::getpid()));
    std::string image = (folder / "quorl.nes").string();
    void SetUp() override
    {
        fs::create_directories(folder);
        writeWholeFile(image, std::vector<std::uint8_t>(100, 1));
    }
    void TearDown() override { fs::remove_all(folder); }

    // The message of a lock that could not be had within `wait` ms, or "".
    std::string tryLock(int wait) const
    {
        try {
            ImageLock lock(image, wait);
        } catch (const ImageError& error) {
            return error.what();
        }
        return "";
    }
};

// flock locks belong to an open file, so two locks in one process stand
// for two programs.
TEST_F(ImageLockTest, ASecondWriterWaitsAMomentThenRefuses)
{
    std::optional<ImageLock> first(std::in_place, image);
    const auto start = Clock::now();
    EXPECT_EQ(tryLock(150), "The image " + image + " is being written by another program, so nothing was written. "
                                                   "Try again when it has finished.");
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(150));

    // Released while the second waits: it goes on.
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        first.reset();
    });
    EXPECT_EQ(tryLock(2000), "");
    release.join();
}

// The first writer renames a new file over the name and then lets go: the
// waiting writer locks the new file, not the old one nobody reads again.
TEST_F(ImageLockTest, AWaitingWriterFollowsTheFileThatReplacedTheImage)
{
    std::optional<ImageLock> first(std::in_place, image);
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        writeWholeFile(image, std::vector<std::uint8_t>(100, 2));
        first.reset();
    });
    const ImageLock second(image);
    writer.join();
    EXPECT_NE(tryLock(50), "") << "the second lock is on the file the name now leads to";
}

TEST_F(ImageLockTest, AMissingFileOrAFifoIsRefusedAtOnce)
{
    const std::string fifo = (folder / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {(folder / "missing.nes").string(), fifo}) {
        const auto start = Clock::now();
        EXPECT_THROW(ImageLock lock(path), ImageError) << path;
        EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(500)) << path;
    }
}

} // namespace
} // namespace quorled
