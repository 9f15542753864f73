#include "cli/commands.h"

#include "romdata/filefaults.h"
#include "romdata/filestore.h"
#include "romdata/romlayout.h"
#include "support/testimage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <cstdlib>
#include <functional>
#include <optional>
#include <sstream>
#include <unistd.h>

namespace quorled {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A small but valid PNG file: a 1 x 1 picture.
const Bytes kPng = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
                    0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0x1F,
                    0x15, 0xC4, 0x89, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8,
                    0xCF, 0xC0, 0xF0, 0x1F, 0x00, 0x05, 0x00, 0x01, 0xFF, 0x89, 0x99, 0x3D, 0x1D, 0x00, 0x00,
                    0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

constexpr int kArea = 10;

// A full-size image whose area 10 is sound: two objects, one enemy.
test::TestImage soundImage(ImageKind kind = ImageKind::Ines, long size = 0x40010)
{
    test::TestImage rom(kind, size);
    const long base = romLayout(kind).pointerBase;
    const long level = 0x10400 - 0x8010 + base;
    const long enemy = 0x12800 - 0x8010 + base;
    rom.put(level, {0x80, 0x00, 0x30, 0x00, 0x25, 0x0A, 0x31, 0x33, 0xFF, 0xFF});
    rom.put(enemy, {0x03, 0x3C, 0x45, 0xFF, 0xFF});
    rom.setLevelPointer(kArea, level);
    rom.setEnemyPointer(kArea, enemy);
    return rom;
}

struct BadFile {
    std::string name;      // what the case is
    std::string fileName;  // the image's name in the test folder ("" for the folder itself)
    std::function<Bytes()> bytes;
    bool exists = true;
    bool folder = false;
    // A full-size image whose area data is damaged: the commands that only
    // read show what they can (exit 0), the writing ones refuse.
    bool damagedData = false;
};

std::vector<BadFile> badFiles()
{
    const Bytes full = soundImage().bytes();
    auto cut = [full](long size) { return Bytes(full.begin(), full.begin() + size); };
    std::vector<BadFile> files;
    files.push_back({"empty file", "empty.nes", [] { return Bytes{}; }});
    files.push_back({"one byte", "one.nes", [] { return Bytes{0x4E}; }});
    files.push_back({"16 bytes", "header.nes", [cut] { return cut(16); }});
    files.push_back({"cut at 0x10000", "cut10000.nes", [cut] { return cut(0x10000); }});
    files.push_back({"cut at 0x14000", "cut14000.nes", [cut] { return cut(0x14000); }});
    files.push_back({"picture renamed", "picture.nes", [] { return kPng; }});
    files.push_back({"a full-size image without the iNES mark", "nomark.nes", [full] {
                         Bytes bytes = full;
                         bytes[3] = 0x00;
                         return bytes;
                     }});
    files.push_back({"pointers past the end", "pointers.smc", [] {
                         // A compilation image ends soon after its tables; the
                         // area's pointers lead past its end.
                         const long size = minimumImageLength(ImageKind::Snes);
                         test::TestImage rom = soundImage(ImageKind::Snes, 0x90200);
                         rom.setLevelPointer(kArea, 0x8FFF0 + 0x200);
                         rom.setEnemyPointer(kArea, 0x8FFF8 + 0x200);
                         return Bytes(rom.bytes().begin(), rom.bytes().begin() + size);
                     }, true, false, true});
    files.push_back({"level data without an end marker", "noend.nes", [] {
                         test::TestImage rom = soundImage();
                         // Objects (type 0x31 at column 1) up to the last byte of the file.
                         for (long o = 0x10404; o + 1 < 0x40010; o += 2)
                             rom.put(o, {0x01, 0x31});
                         return rom.bytes();
                     }, true, false, true});
    files.push_back({"enemy pages that never end", "pages.nes", [] {
                         test::TestImage rom = soundImage();
                         for (long o = 0x12800; o < 0x40010; ++o)
                             rom.put(o, {0x01});
                         return rom.bytes();
                     }, true, false, true});
    files.push_back({"a folder", "", [] { return Bytes{}; }, true, true});
    files.push_back({"a missing file", "missing.nes", [] { return Bytes{}; }, false});
    files.push_back({"a missing file with a non-ASCII name", "k\xC3\xA9p-\xC3\xB6v\xC3\xA9.nes",
                     [] { return Bytes{}; }, false});
    return files;
}

// How each command of quorled-cli is called on an image.
struct CommandCall {
    std::string command;
    std::function<std::vector<std::string>(const std::string& image, const fs::path& folder)> arguments;
};

std::vector<CommandCall> commandCalls()
{
    const std::string area = std::to_string(kArea);
    return {
        {"demo", [](const std::string& image, const fs::path&) { return std::vector<std::string>{"demo", image}; }},
        {"directory", [](const std::string& image, const fs::path&) { return std::vector<std::string>{"directory", image}; }},
        {"area", [area](const std::string& image, const fs::path&) { return std::vector<std::string>{"area", image, area}; }},
        {"palettes", [](const std::string& image, const fs::path&) { return std::vector<std::string>{"palettes", image}; }},
        {"render", [area](const std::string& image, const fs::path& folder) {
             return std::vector<std::string>{"render", image, area, (folder / "out.png").string()};
         }},
        {"readouts", [area](const std::string& image, const fs::path&) { return std::vector<std::string>{"readouts", image, area}; }},
        {"save", [area](const std::string& image, const fs::path&) { return std::vector<std::string>{"save", image, area}; }},
        {"export", [area](const std::string& image, const fs::path&) { return std::vector<std::string>{"export", image, area}; }},
        {"import", [area](const std::string& image, const fs::path& folder) {
             return std::vector<std::string>{"import", image, area, (folder / "area.json").string()};
         }},
        {"verify", [](const std::string& image, const fs::path&) { return std::vector<std::string>{"verify", image}; }},
        {"tables", [](const std::string& image, const fs::path&) { return std::vector<std::string>{"tables", image}; }},
        {"set", [](const std::string& image, const fs::path&) {
             return std::vector<std::string>{"set", image, "lives", "0", "7"};
         }},
        {"free", [](const std::string& image, const fs::path&) { return std::vector<std::string>{"free", image}; }},
        {"move", [area](const std::string& image, const fs::path&) {
             return std::vector<std::string>{"move", image, area, "level", "13000"};
         }},
        {"dump", [](const std::string& image, const fs::path& folder) {
             return std::vector<std::string>{"dump", image, (folder / "out.qlv").string()};
         }},
        // The JSON file is no level dump: every insertion is refused.
        {"insert", [](const std::string& image, const fs::path& folder) {
             return std::vector<std::string>{"insert", image, (folder / "area.json").string()};
         }},
        {"set-colour", [](const std::string& image, const fs::path&) {
             return std::vector<std::string>{"set-colour", image, "1", "level", "0", "0", "0x21"};
         }},
        // The bad file is the original of a patch, and the image a patch is applied to.
        {"patch", [](const std::string& image, const fs::path& folder) {
             return std::vector<std::string>{"patch", image, (folder / "good.nes").string(), (folder / "out.ips").string()};
         }},
        {"apply", [](const std::string& image, const fs::path& folder) {
             return std::vector<std::string>{"apply", image, (folder / "good.ips").string(), (folder / "out.nes").string()};
         }},
        {"find", [](const std::string& image, const fs::path&) {
             return std::vector<std::string>{"find", image, "Cloud"};
         }},
        {"stats", [](const std::string& image, const fs::path&) {
             return std::vector<std::string>{"stats", image};
         }},
        {"check", [](const std::string& image, const fs::path&) {
             return std::vector<std::string>{"check", image};
         }},
        {"unpack", [](const std::string& image, const fs::path& folder) {
             return std::vector<std::string>{"unpack", image, (folder / "project").string()};
         }},
        // The project was unpacked from good.nes.
        {"pack", [](const std::string& image, const fs::path& folder) {
             return std::vector<std::string>{"pack", (folder / "good-project").string(), "--base", image, "-o",
                                             (folder / "packed.nes").string()};
         }},
        {"diff", [](const std::string& image, const fs::path& folder) {
             return std::vector<std::string>{"diff", image, (folder / "good.nes").string()};
         }},
    };
}

class BadFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("quorled-badfiles-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder / "images");
        // Backups are off here (filesafety_test checks them), so that each
        // command's own writes are all that changes the folder.
        fs::create_directories(folder / "config");
        const std::string settings = "[Options]\nBackup=0\n";
        writeWholeFile((folder / "config" / "Quorled.ini").string(), Bytes(settings.begin(), settings.end()));
        if (const char* old = std::getenv("XDG_CONFIG_HOME"))
            oldConfig = old;
        ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
        const std::string json = "{\"header\": [128, 0, 48, 0], \"objects\": [], \"enemies\": []}";
        writeWholeFile((folder / "area.json").string(), Bytes(json.begin(), json.end()));
        writeWholeFile((folder / "good.nes").string(), soundImage().bytes());
        const std::string patch = std::string("PATCH") + '\0' + '\0' + '\x20' + '\0' + '\x01' + 'Q' + "EOF";
        writeWholeFile((folder / "good.ips").string(), Bytes(patch.begin(), patch.end()));
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(cli::runCli({"unpack", (folder / "good.nes").string(), (folder / "good-project").string()}, out, err),
                  0)
            << err.str();
    }
    void TearDown() override
    {
        if (oldConfig)
            ::setenv("XDG_CONFIG_HOME", oldConfig->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(folder);
    }

    // Every file of the image folder with its bytes.
    std::map<std::string, Bytes> snapshot() const
    {
        std::map<std::string, Bytes> files;
        for (const auto& entry : fs::directory_iterator(folder / "images"))
            files[entry.path().filename().string()] = entry.is_directory() ? Bytes{} : readWholeFile(entry.path().string());
        return files;
    }

    fs::path folder;
    std::optional<std::string> oldConfig;
};

TEST_F(BadFilesTest, EveryCommandRefusesEveryBadFileWithOneLineAndWritesNothing)
{
    const auto calls = commandCalls();
    // Every command of the table is tried.
    ASSERT_EQ(calls.size(), cli::commands().size());
    for (std::size_t i = 0; i < calls.size(); ++i)
        EXPECT_EQ(calls[i].command, cli::commands()[i].name);

    int tried = 0;
    for (const BadFile& file : badFiles()) {
        const fs::path images = folder / "images";
        fs::remove_all(images);
        fs::create_directories(images);
        const std::string path = file.folder ? images.string() : (images / file.fileName).string();
        if (file.exists && !file.folder)
            writeWholeFile(path, file.bytes());
        for (const CommandCall& call : calls) {
            // demo writes a new image: it is given the bad file as its output.
            const auto before = snapshot();
            std::ostringstream out;
            std::ostringstream err;
            const int code = cli::runCli(call.arguments(path, folder), out, err);
            const std::string what = file.name + " / " + call.command;
            ++tried;
            if (call.command == "demo" && !file.exists) {
                // A missing file is where demo may write.
                EXPECT_EQ(code, 0) << what << ": " << err.str();
                fs::remove(path);
                continue;
            }
            if (file.damagedData && call.command == "set") {
                // The lives byte lies outside any area's data: it is written
                // in an iNES image and refused in the other kinds.
                if (imageKindFromFileName(path) == ImageKind::Ines) {
                    EXPECT_EQ(code, 0) << what << ": " << err.str();
                } else {
                    EXPECT_EQ(code, 1) << what;
                    EXPECT_NE(err.str().find(file.fileName), std::string::npos) << what << ": " << err.str();
                    EXPECT_EQ(snapshot(), before) << what;
                }
                continue;
            }
            if (file.damagedData && (call.command == "unpack" || call.command == "diff")) {
                // They read what they can; diff finds the image differs,
                // or refuses an image of another kind in one line.
                const std::string message = err.str();
                EXPECT_LE(code, 1) << what << ": " << message;
                EXPECT_LE(std::count(message.begin(), message.end(), '\n'), 1) << what << ": " << message;
                EXPECT_EQ(snapshot(), before) << what;
                fs::remove_all(folder / "project");
                continue;
            }
            if (file.damagedData && call.command == "pack") {
                // The damaged image is not the one the project came from.
                EXPECT_EQ(code, 1) << what;
                EXPECT_NE(err.str().find(file.fileName), std::string::npos) << what << ": " << err.str();
                EXPECT_EQ(snapshot(), before) << what;
                EXPECT_FALSE(fs::exists(folder / "packed.nes")) << what;
                continue;
            }
            const bool spaceTool = call.command == "free" || call.command == "move" || call.command == "dump" ||
                                   call.command == "insert";
            if (file.damagedData && spaceTool) {
                // They read what they can or refuse in one line; the move
                // finds no room and the insertion no dump.
                const std::string message = err.str();
                if (code != 0) {
                    EXPECT_EQ(code, 1) << what;
                    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << what << ": " << message;
                }
                EXPECT_EQ(snapshot(), before) << what;
                fs::remove(folder / "out.qlv");
                continue;
            }
            if (file.damagedData && call.command == "set-colour") {
                // The palette table lies apart from the area data: an iNES
                // image gets its entry, and the table is rewritten with
                // values above 0x3F as 0x3F; the other kinds are refused.
                const bool ines = fs::path(path).extension() == ".nes";
                EXPECT_EQ(code, ines ? 0 : 1) << what << ": " << err.str();
                auto expected = before;
                if (ines) {
                    Bytes& bytes = expected[fs::path(path).filename().string()];
                    for (long offset = 0xC02C; offset <= 0xC437; ++offset)
                        bytes[static_cast<std::size_t>(offset)] = std::min<std::uint8_t>(bytes[static_cast<std::size_t>(offset)], 0x3F);
                    bytes[0xC02C] = 0x21;
                }
                EXPECT_EQ(snapshot(), expected) << what;
                continue;
            }
            if (file.damagedData && call.command == "check") {
                // Damaged data is what check looks for: it lists it and exits with 1.
                EXPECT_EQ(code, 1) << what << ": " << err.str();
                EXPECT_NE(out.str().find("area 0A"), std::string::npos) << what << ": " << out.str();
                EXPECT_EQ(snapshot(), before) << what;
                continue;
            }
            const bool writes = call.command == "demo" || call.command == "save" || call.command == "import";
            if (file.damagedData && !writes) {
                EXPECT_EQ(code, 0) << what << ": " << err.str();
                // The enemy decoder stops by itself after its last page; the others run off the file.
                if (call.command == "area" && file.fileName != "pages.nes") {
                    EXPECT_NE(out.str().find("Damaged: area 0A: "), std::string::npos) << what << ": " << out.str();
                }
                EXPECT_EQ(snapshot(), before) << what;
                for (const char* output : {"out.png", "out.ips", "out.nes"})
                    fs::remove(folder / output);
                continue;
            }
            EXPECT_EQ(code, 1) << what << ": " << out.str();
            const std::string message = err.str();
            EXPECT_EQ(message.rfind("quorled-cli: ", 0), 0u) << what << ": " << message;
            EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << what << ": " << message;
            // A refused save names the area, every other message the file.
            const std::string named = file.damagedData && call.command != "demo" ? "area 0A" : file.fileName;
            if (!file.folder) {
                EXPECT_NE(message.find(named), std::string::npos) << what << ": " << message;
            }
            EXPECT_EQ(snapshot(), before) << what;
            EXPECT_FALSE(fs::exists(folder / "out.png")) << what;
            EXPECT_FALSE(fs::exists(folder / "out.qlv")) << what;
            EXPECT_FALSE(fs::exists(folder / "out.ips")) << what;
            EXPECT_FALSE(fs::exists(folder / "out.nes")) << what;
            EXPECT_FALSE(fs::exists(folder / "packed.nes")) << what;
            EXPECT_FALSE(fs::exists(folder / "project")) << what;
        }
    }
    EXPECT_EQ(tried, 13 * 25);
}

TEST_F(BadFilesTest, ASoundImageWithANonAsciiNameWorksForEveryCommand)
{
    const std::string path = (folder / "images" / "k\xC3\xA9p-\xC3\xB6v\xC3\xA9.nes").string();
    for (const CommandCall& call : commandCalls()) {
        if (call.command == "demo" || call.command == "insert")
            continue;
        writeWholeFile(path, soundImage().bytes());
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(cli::runCli(call.arguments(path, folder), out, err), 0) << call.command << ": " << err.str();
    }
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::runCli({"directory", path}, out, err), 0);
    EXPECT_NE(out.str().find("k\xC3\xA9p-\xC3\xB6v\xC3\xA9.nes"), std::string::npos);
}

TEST_F(BadFilesTest, WritingCommandsUnderFileFaultsLeaveTheImageByteIdentical)
{
    const std::string path = (folder / "images" / "quorl.nes").string();
    const std::string area = std::to_string(kArea);
    const struct {
        FileFaults faults;
        const char* reason;
    } faults[] = {
        {{1, false, false}, "Input/output error"},
        {{2, false, false}, "Input/output error"},
        {{0, true, false}, "Permission denied"},
        {{0, false, true}, "No space left on device"},
    };
    const std::vector<std::vector<std::string>> calls = {
        {"save", path, area}, {"import", path, area, (folder / "area.json").string()}, {"set", path, "lives", "0", "7"}};
    int tried = 0;
    for (const auto& arguments : calls) {
        for (const auto& fault : faults) {
            writeWholeFile(path, soundImage().bytes());
            const Bytes before = readWholeFile(path);
            std::ostringstream out;
            std::ostringstream err;
            injectFileFaults(fault.faults);
            const int code = cli::runCli(arguments, out, err);
            clearFileFaults();
            ++tried;
            EXPECT_EQ(code, 1) << arguments[0] << " " << fault.reason;
            EXPECT_EQ(err.str(), "quorled-cli: Can't write " + path + ": " + fault.reason + ".\n");
            EXPECT_EQ(readWholeFile(path), before) << arguments[0] << " " << fault.reason;
            for (const auto& entry : fs::directory_iterator(folder / "images"))
                EXPECT_EQ(entry.path().filename(), "quorl.nes") << "left behind";
        }
        // Without faults the same call writes.
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(cli::runCli(arguments, out, err), 0) << err.str();
    }
    EXPECT_EQ(tried, 12);
    EXPECT_NE(readWholeFile(path), soundImage().bytes()) << "the import went through in the end";
}

} // namespace
} // namespace quorled
