#include "cli/commands.h"

#include "core/exchange/gametables.h"
#include "core/project/areatext.h"
#include "core/project/sha256.h"
#include "romdata/arealoader.h"
#include "romdata/filestore.h"
#include "romdata/relocatingsave.h"
#include "support/demoproject.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quorled {
namespace {

namespace fs = std::filesystem;

class TextProjectCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("quorled-text-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        ines = path("demo.nes");
        writeWholeFile(ines, buildDemoImage(ImageKind::Ines));
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    int run(const std::vector<std::string>& arguments)
    {
        out.str("");
        err.str("");
        return cli::runCli(arguments, out, err);
    }
    std::string read(const std::string& name) const
    {
        const auto bytes = readWholeFile(path(name));
        return {bytes.begin(), bytes.end()};
    }
    void write(const std::string& name, const std::string& text) const
    {
        writeWholeFile(path(name), std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    int shell(const std::string& command) const
    {
        return std::system(("cd '" + dir.string() + "' && " + command + " >/dev/null 2>&1").c_str());
    }

    fs::path dir;
    std::string ines;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(TextProjectCommands, UnpackThenPackGivesTheImageForEveryKind)
{
    writeWholeFile(path("demo.smc"), buildDemoImage(ImageKind::Snes));
    writeWholeFile(path("demo.fds"), buildDemoImage(ImageKind::Fds));
    for (const std::string name : {"demo.nes", "demo.smc", "demo.fds"}) {
        SCOPED_TRACE(name);
        const std::string project = path(name + ".text");
        ASSERT_EQ(run({"unpack", path(name), project, "--reference", ines}), 0) << err.str();
        EXPECT_EQ(out.str().find(": 0 of"), std::string::npos) << out.str();
        ASSERT_EQ(run({"unpack", path(name), project, "--reference", ines}), 0) << err.str();
        EXPECT_NE(out.str().find(": 0 of"), std::string::npos) << out.str();
        const std::string packed = path("packed-" + name);
        ASSERT_EQ(run({"pack", project, "--base", path(name), "-o", packed, "--reference", ines}), 0) << err.str();
        EXPECT_EQ(readWholeFile(packed), readWholeFile(path(name)));
        EXPECT_EQ(run({"diff", path(name), packed, "--reference", ines}), 0) << out.str() << err.str();
        EXPECT_EQ(run({"diff", project, packed, "--reference", ines}), 0) << out.str() << err.str();
    }
}

// Bad calls and bad text write nothing: no OUT, no folder in a stranger's
// place.
TEST_F(TextProjectCommands, RefusalsWriteNothing)
{
    ASSERT_EQ(run({"unpack", ines, path("p")}), 0) << err.str();
    const std::string area = "p/areas/0A.txt";
    const std::string text = read(area);
    write(area, text.substr(0, text.find("enemy ")) + "enemy 12 05\n" + text.substr(text.find("enemy ")));
    EXPECT_EQ(run({"pack", path("p"), "--base", ines, "-o", path("out.nes")}), 1);
    EXPECT_EQ(err.str().rfind("quorled-cli: areas/0A.txt:", 0), 0u) << err.str();
    EXPECT_FALSE(fs::exists(path("out.nes")));
    write(area, text);

    // Two areas that share level data, given different headers.
    bool sharing = false;
    for (const auto& entry : fs::directory_iterator(dir / "p" / "areas")) {
        const std::string name = "p/areas/" + entry.path().filename().string();
        const std::string shared = read(name);
        const std::size_t note = shared.find("# Shares its level data with area");
        if (note == std::string::npos)
            continue;
        const std::string partner = "p/areas/" + shared.substr(shared.find(' ', note + 33) + 1, 2) + ".txt";
        const std::string partnerText = read(partner);
        const bool taken = shared.substr(shared.find("header ") + 16, 2)[0] == 'F';
        const auto withLastHeaderByte = [&](std::string t, const char* byte) {
            return t.replace(t.find("header ") + 16, 2, (taken ? "E" : "F") + std::string(byte));
        };
        write(name, withLastHeaderByte(shared, "1"));
        write(partner, withLastHeaderByte(partnerText, "2"));
        EXPECT_EQ(run({"pack", path("p"), "--base", ines, "-o", path("out.nes")}), 1);
        EXPECT_NE(err.str().find(std::min(name, partner).substr(2) + " and " + std::max(name, partner).substr(2) +
                                 " describe the same level data"),
                  std::string::npos)
            << err.str();
        EXPECT_FALSE(fs::exists(path("out.nes")));
        write(name, shared);
        write(partner, partnerText);
        sharing = true;
        break;
    }
    EXPECT_TRUE(sharing) << "the demo image shares level data";

    EXPECT_EQ(run({"pack", path("p"), "--base", ines}), 2);
    EXPECT_EQ(run({"pack", path("p"), "--base", ines, "-o", ines}), 1);
    write("taken.nes", "x");
    EXPECT_EQ(run({"pack", path("p"), "--base", ines, "-o", path("taken.nes")}), 1);
    EXPECT_EQ(read("taken.nes"), "x");
    writeWholeFile(path("other.nes"), buildDemoImage(ImageKind::Ines));
    {
        RomImage other = RomImage::open(path("other.nes"));
        other.write(0x20, other.read(0x20) ^ 1);
        other.commit();
    }
    EXPECT_EQ(run({"pack", path("p"), "--base", path("other.nes"), "-o", path("out.nes")}), 1);
    EXPECT_NE(err.str().find("unpacked from another image"), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(path("out.nes")));

    fs::create_directories(dir / "busy");
    write("busy/notes.txt", "mine");
    EXPECT_EQ(run({"unpack", ines, path("busy")}), 1);
    EXPECT_FALSE(fs::exists(dir / "busy" / "areas"));
    fs::remove(dir / "p" / "areas" / "0B.txt");
    fs::create_symlink(dir / "busy" / "notes.txt", dir / "p" / "areas" / "0B.txt");
    EXPECT_EQ(run({"unpack", ines, path("p")}), 1);
    EXPECT_EQ(read("busy/notes.txt"), "mine");
}

TEST_F(TextProjectCommands, DiffReportsChangesAsTextAndJson)
{
    writeWholeFile(path("b.nes"), buildDemoImage(ImageKind::Ines));
    ASSERT_EQ(run({"set", path("b.nes"), "lives", "0", "7", "--no-backup"}), 0) << err.str();
    EXPECT_EQ(run({"diff", ines, path("b.nes")}), 1);
    EXPECT_NE(out.str().find("table lives row 0: "), std::string::npos) << out.str();
    EXPECT_EQ(out.str().find("area "), std::string::npos) << out.str();
    EXPECT_EQ(run({"diff", ines, path("b.nes"), "--json"}), 1);
    const nlohmann::json json = nlohmann::json::parse(out.str());
    EXPECT_FALSE(json["equal"].get<bool>());
    ASSERT_EQ(json["rows"].size(), 1u);
    EXPECT_EQ(json["rows"][0]["after"][0].get<int>(), 7);
    EXPECT_EQ(run({"diff", ines, ines, "--json"}), 0);
    EXPECT_TRUE(nlohmann::json::parse(out.str())["equal"].get<bool>());
}

// Two branches of one project, one editing area 0A and a table row, the
// other area 14, merge in git without a conflict; the merge packs to the
// image the editor's own saves of both edits give.
TEST_F(TextProjectCommands, BranchesMergeInGitAndPackAsTheEditorSaves)
{
    if (shell("git --version") != 0)
        GTEST_SKIP() << "git is not installed";
    ASSERT_EQ(run({"unpack", ines, path("p")}), 0) << err.str();
    const std::string git = "git -c user.name=t -c user.email=t@t -c init.defaultBranch=main ";
    ASSERT_EQ(shell("cd p && " + git + "init -q && git add -A && " + git + "commit -qm base && git branch other"), 0);

    const test::DemoSide demo(ImageKind::Ines);
    RomImage expected = RomImage::fromBytes(demo.image.bytes());
    AreaDirectory directory = demo.directory;
    const auto edit = [&](int area, int dx) {
        AreaModel model = loadArea(expected, directory, demo.kind, area);
        ASSERT_FALSE(model.enemies.empty()) << area;
        Enemy& enemy = model.enemies.back();
        enemy.x = enemy.x + dx < 0 ? enemy.x + 1 : enemy.x + dx;
        write("p/" + areaTextPath(area), writeAreaText(model, directory));
        ViewPosition view;
        RelocatingSave saved = saveWithRelocation(expected, directory, model, view);
        ASSERT_TRUE(saved.result.saved);
        directory = saved.directory;
    };
    edit(0x0A, -1);
    setGameTableRow(expected, demo.kind, "lives", 0, 9);
    std::string lives = read("p/tables/lives.txt");
    lives.replace(lives.find("0 = ") + 4, 2, "09");
    write("p/tables/lives.txt", lives);
    ASSERT_EQ(shell("cd p && " + git + "commit -qam one && git checkout -q other"), 0);
    edit(0x14, -1);
    ASSERT_EQ(shell("cd p && " + git + "commit -qam two && git checkout -q main && " + git +
                    "merge -q --no-edit other"),
              0);
    ASSERT_EQ(run({"pack", path("p"), "--base", ines, "-o", path("merged.nes")}), 0) << err.str();
    EXPECT_EQ(sha256Hex(readWholeFile(path("merged.nes"))), sha256Hex(expected.bytes()));
}

// Moving one enemy one column in an edited copy and unpacking it into the
// project again changes one line of one file: the project file is kept.
TEST_F(TextProjectCommands, UnpackingAnEditedCopyChangesOneLine)
{
    if (shell("git --version") != 0)
        GTEST_SKIP() << "git is not installed";
    ASSERT_EQ(run({"unpack", ines, path("p")}), 0) << err.str();
    const std::string git = "git -c user.name=t -c user.email=t@t ";
    ASSERT_EQ(shell("cd p && " + git + "init -q && git add -A && " + git + "commit -qm base"), 0);
    const test::DemoSide demo(ImageKind::Ines);
    RomImage edited = RomImage::fromBytes(demo.image.bytes());
    AreaModel model = loadArea(edited, demo.directory, demo.kind, 0x0A);
    ASSERT_GE(model.enemies.size(), 2u);
    model.enemies[0].x += model.enemies[0].x + 1 < model.enemies[1].x ? 1 : -1;
    ViewPosition view;
    ASSERT_TRUE(saveArea(edited, demo.directory, demo.kind, model, view).saved);
    writeWholeFile(path("work.nes"), edited.bytes());
    ASSERT_EQ(run({"unpack", path("work.nes"), path("p")}), 0) << err.str();
    EXPECT_NE(out.str().find("1 of "), std::string::npos) << out.str();
    ASSERT_EQ(shell("(cd p && git diff --numstat > ../numstat.txt)"), 0);
    EXPECT_EQ(read("numstat.txt"), "1\t1\tareas/0A.txt\n");
    ASSERT_EQ(run({"pack", path("p"), "--base", ines, "-o", path("packed.nes")}), 0) << err.str();
    EXPECT_EQ(readWholeFile(path("packed.nes")), edited.bytes());
}

} // namespace
} // namespace quorled
