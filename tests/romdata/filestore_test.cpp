#include "romdata/filestore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <thread>
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

// A pipe has no size up front: the buffer must grow until its end.
TEST_F(WholeFiles, APipeIsReadToItsEnd)
{
    const std::string path = (folder / "pipe").string();
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const std::vector<std::uint8_t> bytes = pattern(100000);
    std::thread writer([&] {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
    });
    const std::vector<std::uint8_t> read = readWholeFile(path);
    writer.join();
    EXPECT_EQ(read, bytes);
}

} // namespace
} // namespace quorled
