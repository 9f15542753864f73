// The editor's whole-game source: what it tells its views after edits,
// moves between areas and saves, and that a visit sees the image with the
// unsaved edits.
#include "core/corefixture.h"
#include "core/session/areajump.h"
#include "core/session/editorgameareas.h"
#include "core/workbench/gameareapass.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

using testing::CoreFolder;
using testing::editorTestImage;
using testing::syntheticCarriedPictures;

class EditorGameAreasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeImage("quorl.nes", editorTestImage().bytes());
        core.setObserver([this](ChangeSet c) { source.follow(c); });
        source.addListener([this](int area) { told.push_back(area); });
        core.readSettings(folder.settingsPath());
        ASSERT_EQ(core.openImage(folder.path("quorl.nes")), std::nullopt);
    }
    // Every area as visited against a load of the file with `edits` in place.
    void expectVisitsMatchTheFile(const std::map<int, AreaModel>& edits)
    {
        const RomImage file = RomImage::open(folder.path("quorl.nes"));
        const GameAreas whole = loadGameAreas(file, core.directory(), core.imageKind());
        int visits = 0;
        source.visitAreas({}, [&](const GameAreas& game, int area) {
            ++visits;
            const auto edit = edits.find(area);
            EXPECT_EQ(game.areas[static_cast<std::size_t>(area)].edited, edit != edits.end()) << area;
            if (edit == edits.end())
                EXPECT_EQ(game.ownModel(area), whole.ownModel(area)) << area;
            else
                EXPECT_EQ(game.model(area).objects, edit->second.objects) << area;
        });
        EXPECT_EQ(visits, kAreaCount);
    }
    void moveFirstObject()
    {
        core.area().object(1).x += 1;
        core.redraw(Change::Picture | Change::Readouts | Change::Caption);
    }

    CoreFolder folder;
    EditorCore core{syntheticCarriedPictures()};
    EditorGameAreas source{core};
    std::vector<int> told;
};

TEST_F(EditorGameAreasTest, TellsOnlyTheAreasAnEditMoveOrSaveChanged)
{
    // Nothing is read until a view asks.
    EXPECT_FALSE(source.loaded());
    EXPECT_EQ(source.heads().areas.size(), static_cast<std::size_t>(kAreaCount));
    EXPECT_TRUE(source.loaded());
    told.clear();

    // Moving between areas with no edits tells nothing.
    ASSERT_EQ(jumpToArea(core, 10), std::nullopt);
    EXPECT_TRUE(told.empty());

    // An edit tells its area; a new selection alone tells nothing.
    moveFirstObject();
    EXPECT_EQ(told, std::vector<int>{10});
    EXPECT_TRUE(source.heads().areas[10].edited);
    core.area().selectedObject = 2;
    core.redraw(Change::Readouts);
    EXPECT_EQ(told, std::vector<int>{10});
    const AreaModel edited = core.area();

    // Leaving the area keeps its edits and tells nothing; the visit sees them.
    ASSERT_EQ(jumpToArea(core, 0), std::nullopt);
    EXPECT_EQ(told, std::vector<int>{10});
    expectVisitsMatchTheFile({{10, edited}});

    // The save tells the saved area and the few whose data or room it
    // reaches, never every area.
    ASSERT_EQ(jumpToArea(core, 10), std::nullopt);
    told.clear();
    core.saveArea();
    ASSERT_FALSE(core.document().differs()) << core.status();
    EXPECT_TRUE(std::find(told.begin(), told.end(), 10) != told.end());
    EXPECT_TRUE(std::find(told.begin(), told.end(), -1) == told.end());
    EXPECT_LE(told.size(), 4u);
    EXPECT_FALSE(source.heads().areas[10].edited);
    expectVisitsMatchTheFile({});
}

TEST_F(EditorGameAreasTest, AnotherImageIsReadAgainWhenAViewAsks)
{
    source.heads();
    folder.writeImage("other.nes", editorTestImage().bytes());
    told.clear();
    ASSERT_EQ(core.openImage(folder.path("other.nes")), std::nullopt);
    EXPECT_EQ(told, std::vector<int>{-1});
    EXPECT_FALSE(source.loaded());
    // An edit before a view asks is taken by the first read.
    moveFirstObject();
    EXPECT_EQ(told, std::vector<int>{-1});
    const AreaModel edited = core.area();
    std::filesystem::copy_file(folder.path("other.nes"), folder.path("quorl.nes"),
                               std::filesystem::copy_options::overwrite_existing);
    expectVisitsMatchTheFile({{core.currentArea(), edited}});
}

} // namespace
} // namespace quorled
