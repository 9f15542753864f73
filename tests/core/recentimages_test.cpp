#include "core/settings/recentimages.h"
#include "core/settings/settingsfile.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentImages, NewestFirstWithoutRepeatsAndAtMostEight)
{
    RecentImages recent;
    for (const char* path : {"/a.nes", "/b.nes", "/a.nes", "", "/c.fds"})
        recent.add(path);
    EXPECT_EQ(recent.paths(), (Paths{"/c.fds", "/a.nes", "/b.nes"}));
    for (int i = 1; i <= 10; ++i)
        recent.add("/" + std::to_string(i) + ".nes");
    EXPECT_EQ(recent.paths().size(), RecentImages::kMax);
    EXPECT_EQ(recent.paths().front(), "/10.nes");
    EXPECT_EQ(recent.paths().back(), "/3.nes");
    recent.add("/5.nes");
    EXPECT_EQ(recent.paths()[0], "/5.nes");
    EXPECT_EQ(recent.paths()[1], "/10.nes");
    EXPECT_EQ(recent.paths().size(), RecentImages::kMax);
}

TEST(RecentImages, KeptInTheSettingsFileBesideItsOtherKeys)
{
    SettingsFile file = SettingsFile::fromText("[Options]\nZoom= 3\n[Recent]\nFile1=/old.nes\nFile2=/gone.nes\n");
    RecentImages recent = RecentImages::read(file);
    EXPECT_EQ(recent.paths(), (Paths{"/old.nes", "/gone.nes"}));
    recent.add("/new image.nes");
    // Names the file could not give back whole are left out of it.
    recent.add("/line\nbreak.nes");
    recent.add("/" + std::string(300, 'x') + ".nes");
    recent.write(file);
    EXPECT_EQ(file.read("Options", "Zoom"), "3");
    EXPECT_EQ(RecentImages::read(file).paths(), (Paths{"/new image.nes", "/old.nes", "/gone.nes"}));
    EXPECT_EQ(file.value("Recent", "File4"), std::nullopt) << "no empty keys are added";
    RecentImages::read(SettingsFile::fromText("[Recent]\nFile1=/a.nes\n")).write(file);
    EXPECT_EQ(file.value("Recent", "File2"), "") << "a key past the list is emptied";

    // Gaps and repeats of a hand-edited file are dropped.
    const SettingsFile edited = SettingsFile::fromText("[recent]\nfile2=/x.nes\nFile3=/x.nes\nFile9=/y.nes\n");
    EXPECT_EQ(RecentImages::read(edited).paths(), (Paths{"/x.nes"}));
}

} // namespace
} // namespace quorled
