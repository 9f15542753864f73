// Every message that names a file shows the name by one rule: on one line,
// control characters and bytes that are no UTF-8 escaped, so that a name can
// neither break a message nor drive the terminal, nor pass for another.

#include "core/corefixture.h"

#include "cli/commands.h"

#include "core/exchange/areajson.h"
#include "core/project/textproject.h"
#include "core/session/imagesaveas.h"
#include "core/session/outputtarget.h"
#include "core/settings/playtest.h"
#include "romdata/areadirectory.h"
#include "romdata/bytetables.h"
#include "romdata/demo/demoimage.h"
#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"
#include "romdata/shownname.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace quorled {
namespace {

using testing::CoreFolder;
using testing::syntheticCarriedPictures;

std::string thrown(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ImageError& error) {
        return error.what();
    }
    return "(nothing was thrown)";
}

void appendByte(const std::string& path)
{
    std::ofstream(path, std::ios::binary | std::ios::app).put('\0');
}

void setByte(const std::string& path, long offset, char value)
{
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(offset);
    file.put(value);
}

// The iNES demo image under an awkward name, open in an editor core.
struct OpenImage {
    explicit OpenImage(const std::string& name) : path(folder.path(name))
    {
        folder.writeImage(name, buildDemoImage(ImageKind::Ines));
        folder.writeFile("Quorled.ini", "[Options]\nStartArea= 0\nBackup= 0\n");
        core.readSettings(folder.settingsPath());
        EXPECT_EQ(core.openImage(path), std::nullopt);
    }
    bool setLives(int value)
    {
        const long offset = byteTable(ByteTableId::Nlives).rows[0].offset;
        return core.writeImage([&](RomImage& rom) { rom.write(offset, value); }, "Change lives");
    }
    CoreFolder folder;
    std::string path;
    EditorCore core{syntheticCarriedPictures()};
};

TEST(ShownNames, EveryMessageNamingAFileShowsItEscaped)
{
    // Each builder makes its message for a file of the given name (without
    // its extension) and gives back the message and the full path it names.
    struct Builder {
        const char* what;
        std::function<std::pair<std::string, std::string>(const std::string&)> message;
    };
    const std::vector<Builder> builders = {
        {"refused overwrite of another program's change",
         [](const std::string& name) {
             OpenImage open(name + ".nes");
             const long offset = byteTable(ByteTableId::Nlives).rows[0].offset;
             setByte(open.path, offset, 9);
             std::string question;
             open.core.document().setOverwriteQuestion([&](const std::string& text) { return question = text, false; });
             EXPECT_FALSE(open.setLives(4));
             EXPECT_NE(question.find(shownName(open.path)), std::string::npos) << question;
             return std::pair{open.core.message(), open.path};
         }},
        {"image whose size another program changed",
         [](const std::string& name) {
             OpenImage open(name + ".nes");
             appendByte(open.path);
             EXPECT_FALSE(open.setLives(4));
             return std::pair{open.core.message(), open.path};
         }},
        {"disk image without a reference",
         [](const std::string& name) {
             CoreFolder folder;
             folder.writeImage(name + ".fds", std::vector<std::uint8_t>(65500, 0));
             EditorCore core{syntheticCarriedPictures()};
             const std::string path = folder.path(name + ".fds");
             return std::pair{core.openImage(path).value_or(""), path};
         }},
        {"reference image too short",
         [](const std::string& name) {
             CoreFolder folder;
             folder.writeImage(name + ".nes", std::vector<std::uint8_t>(100, 0));
             const std::string path = folder.path(name + ".nes");
             return std::pair{thrown([&] { diskOffsetsFromReference(RomImage::open(path)); }), path};
         }},
        {"modified reference image",
         [](const std::string& name) {
             CoreFolder folder;
             std::vector<std::uint8_t> bytes = buildDemoImage(ImageKind::Ines);
             std::fill(bytes.begin() + 0x10010, bytes.begin() + 0x10400, 0x12);
             folder.writeImage(name + ".nes", bytes);
             const std::string path = folder.path(name + ".nes");
             return std::pair{thrown([&] { diskOffsetsFromReference(RomImage::open(path)); }), path};
         }},
        {"save as under another kind's extension",
         [](const std::string& name) {
             OpenImage open("quorl.nes");
             const std::string target = open.folder.path(name + ".smc");
             EXPECT_FALSE(ImageSaveAs::run(open.core, target));
             return std::pair{open.core.message(), target};
         }},
        {"save as, done",
         [](const std::string& name) {
             OpenImage open("quorl.nes");
             const std::string target = open.folder.path(name + ".nes");
             EXPECT_TRUE(ImageSaveAs::run(open.core, target)) << open.core.message();
             return std::pair{open.core.status(), target};
         }},
        {"output that is the open image",
         [](const std::string& name) {
             CoreFolder folder;
             folder.writeImage(name + ".nes", {1, 2, 3});
             const std::string path = folder.path(name + ".nes");
             return std::pair{outputTargetRefusal(path, path).value_or(""), path};
         }},
        {"output that is no plain file",
         [](const std::string& name) {
             CoreFolder folder;
             const std::string path = folder.path(name + ".png");
             std::filesystem::create_directory(path);
             return std::pair{outputTargetRefusal(path, "").value_or(""), path};
         }},
        {"area JSON that is no area",
         [](const std::string& name) {
             AreaModel model;
             return std::pair{thrown([&] { applyAreaJson(parseJson("[]"), model, name + ".json"); }),
                              name + ".json"};
         }},
        {"project of another image",
         [](const std::string& name) {
             CoreFolder folder;
             const RomImage demo = RomImage::fromBytes(buildDemoImage(ImageKind::Ines));
             const AreaDirectory directory = buildAreaDirectory(demo, ImageKind::Ines);
             const ProjectFiles files = unpackImage({demo, ImageKind::Ines, directory});
             std::vector<std::uint8_t> other = demo.bytes();
             other.back() ^= 1;
             folder.writeImage(name + ".nes", other);
             const std::string path = folder.path(name + ".nes");
             const RomImage base = RomImage::open(path);
             return std::pair{thrown([&] { packProject(files, {base, ImageKind::Ines, directory}); }), path};
         }},
        {"emulator that did not start",
         [](const std::string& name) { return std::pair{PlayTest::notStartedMessage(name), name}; }},
    };
    for (const std::string name : {"new\nline", "\x1B[31mred", "bad\xFF", "tab\tand\x9B"}) {
        for (const Builder& builder : builders) {
            SCOPED_TRACE(std::string(builder.what) + " for " + shownName(name));
            const auto [message, path] = builder.message(name);
            EXPECT_NE(message.find(shownName(path)), std::string::npos) << message;
            EXPECT_EQ(message.find(name), std::string::npos) << message;
            EXPECT_TRUE(isWellFormedUtf8(message)) << shownName(message);
            EXPECT_EQ(message.find_first_of("\n\t\x1B"), std::string::npos) << shownName(message);
        }
    }
}

// Words of the command line that a usage error repeats are shown by the
// same rule: the error stays on its one line.
TEST(ShownNames, UsageErrorsRepeatTheWordsEscaped)
{
    const std::string word = "x\n\x1B[31m\xFF";
    const std::vector<std::vector<std::string>> calls = {
        {word}, {"help", word}, {"check", "image.nes", word}, {"check", "image.nes", "--" + word}};
    for (const auto& call : calls) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(cli::runCli(call, out, err), 2) << err.str();
        const std::string first = err.str().substr(0, err.str().find('\n'));
        EXPECT_NE(first.find(shownName(word)), std::string::npos) << shownName(err.str());
        EXPECT_EQ(first.find_first_of("\x1B\xFF"), std::string::npos) << shownName(err.str());
    }
}

} // namespace
} // namespace quorled
