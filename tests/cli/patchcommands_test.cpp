#include "cli/commands.h"

#include "romdata/demo/demoimage.h"
#include "romdata/filestore.h"
#include "patch/bps.h"
#include "patch/ips.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>

namespace quorled {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class PatchCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("quorled-patch-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    int run(const std::vector<std::string>& arguments)
    {
        out.str({});
        err.str({});
        return cli::runCli(arguments, out, err);
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    fs::path dir;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(PatchCommandsTest, PatchesOfEditedDemoImagesApplyBackByteIdentical)
{
    for (const char* kind : {"ines", "snes", "fds"}) {
        const std::string extension = std::string(kind) == "ines" ? ".nes" : std::string(kind) == "snes" ? ".smc" : ".fds";
        const std::string original = path(std::string("original") + extension);
        const std::string edited = path(std::string("edited") + extension);
        const Bytes before = buildDemoImage(imageKindFromName(kind));
        writeWholeFile(original, before);
        Bytes after = before;
        // A changed byte, a filled stretch, a copied block, and bytes at the very end.
        after[0x20] ^= 0xFF;
        std::fill_n(after.begin() + 0x10010, 300, 0xEA);
        std::copy_n(before.begin() + 0x8000, 0x400, after.begin() + 0x12000);
        after.back() ^= 0x01;
        writeWholeFile(edited, after);
        for (const char* format : {"ips", "bps"}) {
            const std::string what = std::string(kind) + " " + format;
            const std::string patch = path(std::string("hack.") + format);
            const std::string result = path(std::string("result") + extension);
            ASSERT_EQ(run({"patch", original, edited, patch}), 0) << what << ": " << err.str();
            EXPECT_NE(out.str().find("patch " + patch), std::string::npos) << out.str();
            EXPECT_LT(fs::file_size(patch), 4000u) << what;
            ASSERT_EQ(run({"apply", original, patch, result}), 0) << what << ": " << err.str();
            EXPECT_EQ(readWholeFile(result), after) << what;
            // Applied again over the result: replaced as a whole.
            ASSERT_EQ(run({"apply", original, patch, result}), 0) << what << ": " << err.str();
            EXPECT_EQ(readWholeFile(result), after) << what;
            EXPECT_EQ(readWholeFile(original), before) << what;
            EXPECT_FALSE(fs::exists(result + ".quorled-new")) << what;
            fs::remove(result);
        }
    }
}

TEST_F(PatchCommandsTest, RefusedCallsWriteNothing)
{
    const std::string original = path("original.nes");
    const std::string other = path("other.nes");
    Bytes image = buildDemoImage(ImageKind::Ines);
    writeWholeFile(original, image);
    image[0x100] ^= 0x42;
    writeWholeFile(other, image);
    ASSERT_EQ(run({"patch", original, other, path("hack.bps")}), 0) << err.str();
    ASSERT_EQ(run({"patch", original, other, path("hack.ips")}), 0) << err.str();
    fs::create_symlink(original, path("link.nes"));
    fs::create_symlink(original, path("orig.ips"));
    fs::create_hard_link(other, path("hard.nes"));
    fs::create_directories(path("folder.nes"));
    ASSERT_EQ(::mkfifo(path("fifo.nes").c_str(), 0600), 0);
    const Bytes patchBytes = readWholeFile(path("hack.bps"));
    // Patches whose results are no image: cut to nothing, grown past the
    // largest image.
    writeWholeFile(path("empty.ips"), makeIpsPatch(buildDemoImage(ImageKind::Ines), {}));
    writeWholeFile(path("empty.bps"), makeBpsPatch(buildDemoImage(ImageKind::Ines), {}));
    writeWholeFile(path("far.ips"), Bytes{'P', 'A', 'T', 'C', 'H', 0xFF, 0xFF, 0xFF, 0, 1, 0x42, 'E', 'O', 'F'});
    writeWholeFile(path("bad\nname.ips"), Bytes{'P', 'A', 'T', 'C', 'H', 0, 0});

    const struct {
        std::vector<std::string> arguments;
        int code;
        std::string message;
    } cases[] = {
        {{"patch", original, other, path("hack.txt")}, 2, "must end in .ips or .bps"},
        {{"patch", original, other}, 2, "usage: quorled-cli patch"},
        {{"patch", original, other, path("orig.ips")}, 1, "is the same file as " + original},
        {{"apply", original, path("hack.bps"), original}, 1, "is the same file as " + original},
        {{"apply", original, path("hack.bps"), path("link.nes")}, 1, "is the same file as " + original},
        {{"apply", original, path("hack.bps"), path("hack.bps")}, 1, "is the same file as"},
        {{"patch", original, other, path("hard.nes")}, 2, "must end in .ips or .bps"},
        {{"apply", other, path("hack.bps"), path("hard.nes")}, 1, "is the same file as " + other},
        {{"apply", original, path("hack.bps"), path("folder.nes")}, 1, "Can't write " + path("folder.nes")},
        {{"apply", original, path("hack.bps"), path("fifo.nes")}, 1, "Can't write " + path("fifo.nes")},
        // The BPS patch knows its original; the IPS patch does not.
        {{"apply", other, path("hack.bps"), path("new.nes")}, 1,
         "Can't apply " + path("hack.bps") + " to " + other + ": it was made for another image"},
        {{"apply", original, original, path("new.nes")}, 1, "neither an IPS patch nor a BPS patch"},
        {{"apply", original, path("missing.ips"), path("new.nes")}, 1, "missing.ips"},
        {{"apply", original, path("empty.ips"), path("new.nes")}, 1, "would have 0 bytes"},
        {{"apply", original, path("empty.bps"), path("new.nes")}, 1, "would have 0 bytes"},
        {{"apply", original, path("far.ips"), path("new.nes")}, 1, "would have 16777216 bytes"},
        // Names are shown escaped, so every message stays on one line.
        {{"apply", original, path("bad\nname.ips"), path("new.nes")}, 1, "Can't apply " + path("bad\\nname.ips")},
    };
    for (const auto& c : cases) {
        const std::string what = c.arguments[0] + " " + c.arguments.back();
        EXPECT_EQ(run(c.arguments), c.code) << what << ": " << err.str();
        EXPECT_NE(err.str().find(c.message), std::string::npos) << what << ": " << err.str();
        EXPECT_EQ(readWholeFile(original), buildDemoImage(ImageKind::Ines)) << what;
        EXPECT_EQ(readWholeFile(other), image) << what;
        EXPECT_EQ(readWholeFile(path("hack.bps")), patchBytes) << what;
        EXPECT_FALSE(fs::exists(path("new.nes"))) << what;
        EXPECT_TRUE(fs::is_fifo(path("fifo.nes"))) << what;
        const std::string message = err.str();
        if (c.code == 1) {
            EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << what;
        }
    }
    EXPECT_EQ(run({"apply", other, path("hack.ips"), path("new.nes")}), 0) << err.str();
}

} // namespace
} // namespace quorled
