#include "core/corefixture.h"
#include "core/editing/keyediting.h"

#include "romdata/arealoader.h"
#include "romdata/areawriter.h"
#include "romdata/demo/demoimage.h"
#include "romdata/romimage.h"
#include "romdata/roomuse.h"

#include "core/document/imagehistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace quorled {
namespace {

using testing::CoreFolder;
using testing::editorTestImage;
using testing::syntheticCarriedPictures;

class AreaDocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeImage("quorl.nes", editorTestImage().bytes());
        folder.writeFile("Quorled.ini", "[Options]\nStartArea= 10\n");
        core.readSettings(folder.settingsPath());
        ASSERT_EQ(core.openImage(folder.path("quorl.nes")), std::nullopt);
    }
    CoreFolder folder;
    EditorCore core{syntheticCarriedPictures()};
};

struct EditCase {
    const char* name; // the step name the Edit menu shows
    std::function<void(EditorCore&)> edit;
};

// Each kind of edit is one step: undo gives back the model before it, redo
// the model after it, and the area is marked changed only in between.
TEST_F(AreaDocumentTest, EveryKindOfEditUndoesAndRedoesToEqualModels)
{
    const std::vector<EditCase> cases{
        {"Move object", [](EditorCore& c) { c.keyDown(vk::Numpad6, 0); }},
        {"Change object", [](EditorCore& c) { c.keyDown(vk::Add, 0); }},
        {"Drag",
         [](EditorCore& c) {
             c.mouseDown(1, 0, 84, 36);
             c.mouseMove(1, 0, 120, 100);
             c.mouseUp();
         }},
        {"Add object",
         [](EditorCore& c) {
             AddObjectRequest request;
             request.x = "3";
             request.y = "4";
             request.z = "49";
             c.addObject(request);
         }},
        {"Add enemy", [](EditorCore& c) { c.addEnemy(); }},
        {"Delete object", [](EditorCore& c) { c.deleteSelected(); }},
        {"Delete all", [](EditorCore& c) { c.deleteAll(); }},
        {"Edit header",
         [](EditorCore& c) {
             HeaderBits header = c.area().header;
             header.setBit(1, 1 - header.bit(1)); // the other scrolling direction
             c.applyHeader(header);
         }},
        {"Header bit 8", [](EditorCore& c) { c.clickHeaderBit(7); }},
    };
    for (const EditCase& step : cases) {
        SCOPED_TRACE(step.name);
        ASSERT_EQ(core.reopenCurrentImage(), std::nullopt);
        const AreaModel before = core.area();
        step.edit(core);
        const AreaModel after = core.area();
        ASSERT_FALSE(AreaDocument::sameContent(before, after));
        EXPECT_EQ(core.document().undoName(), step.name);
        EXPECT_TRUE(core.document().differs());
        EXPECT_TRUE(core.caption().ends_with(" *"));

        core.undo();
        EXPECT_EQ(core.area(), before);
        EXPECT_FALSE(core.document().differs());
        EXPECT_FALSE(core.caption().ends_with(" *"));
        EXPECT_FALSE(core.commandEnabled(Command::editUndo));
        EXPECT_EQ(core.document().redoName(), step.name);

        core.redo();
        EXPECT_EQ(core.area(), after);
        EXPECT_FALSE(core.commandEnabled(Command::editRedo));
    }
}

TEST_F(AreaDocumentTest, SelectionAloneMakesNoStep)
{
    core.keyDown(vk::Right, 0); // the next object, nothing else
    EXPECT_FALSE(core.document().canUndo());
}

TEST(SharedAreaSave, TheStatusNamesTheAreasThatChangedWithIt)
{
    // Areas 5 to 9 of the demo image's first world share their data.
    CoreFolder folder;
    folder.writeImage("quorl.nes", buildDemoImage(ImageKind::Ines));
    folder.writeFile("Quorled.ini", "[Options]\nStartArea= 5\n");
    EditorCore core{syntheticCarriedPictures()};
    core.readSettings(folder.settingsPath());
    ASSERT_EQ(core.openImage(folder.path("quorl.nes")), std::nullopt);
    core.area().object(1).type ^= 1;
    core.redraw();
    core.saveArea();
    EXPECT_NE(core.status().find("; areas 06, 07, 08 and 09 use the same data and changed with it"),
              std::string::npos)
        << core.status();
}

TEST_F(AreaDocumentTest, SaveKeepsHistoryFollowsSelectionAndSaysWhatItWrote)
{
    // Moving object 1 below object 2 makes the save's sort exchange them.
    core.area().object(1).y += 3;
    core.area().selectedObject = 1;
    core.redraw();
    const LevelObject moved = core.area().object(1);
    core.saveArea();
    EXPECT_FALSE(core.document().differs());
    EXPECT_EQ(core.area().object(core.area().selectedObject).type, moved.type);
    EXPECT_EQ(core.status(), "Saved area 0A: level data 12 bytes, enemy data 10 bytes");

    core.keyDown(vk::Numpad6, 0);
    core.saveArea();
    EXPECT_FALSE(core.document().differs());
    core.undo(); // past the save
    EXPECT_TRUE(core.document().differs());
    core.redo();
    EXPECT_FALSE(core.document().differs());

    core.deleteAll();
    EXPECT_EQ(core.status(), "Deleted 3 objects and 3 enemies; Ctrl+Z brings them back.");
    ASSERT_EQ(core.reopenCurrentImage(), std::nullopt); // Reload: a new history
    EXPECT_FALSE(core.document().canUndo());
}

// The meter is what a save then writes, for every area of the demo images.
TEST(RoomMeter, EqualsTheSaveOwnFiguresForEveryDemoArea)
{
    for (ImageKind kind : {ImageKind::Ines, ImageKind::Snes}) {
        const RomImage image = RomImage::fromBytes(buildDemoImage(kind));
        const AreaDirectory directory = buildAreaDirectory(image, kind, nullptr);
        for (int area = 0; area < kAreaCount; ++area) {
            SCOPED_TRACE(area);
            AreaModel model = loadArea(image, directory, kind, area);
            const auto room = findSaveRoom(image, directory, kind, model);
            ASSERT_TRUE(room);
            // A grown area: the figures must follow the edit.
            if (model.objCount() > 0)
                model.objects.push_back(model.objects.front());
            const RoomUse use = measureRoomUse(model, *room);
            const SavePlan plan = planSave(image, directory, kind, model);
            EXPECT_EQ(plan.refusal.has_value(), !use.fits());
            if (plan.refusal)
                continue;
            RomImage saved = RomImage::fromBytes(image.bytes());
            for (const ByteWrite& write : plan.writes)
                saved.write(write.offset, write.value);
            const AreaModel back = loadArea(saved, directory, kind, area);
            EXPECT_EQ(back.levelEndMarkerOffset + 1 - back.levelDataOffset, use.levelBytes);
            EXPECT_EQ(room->levelBytes(), use.levelRoom);
        }
    }
}

// A large area fills the history's memory before its step count: the oldest
// steps go, the history stays within its bytes and the newest steps still
// hold the models they were made from.
TEST(AreaHistory, MemoryIsBoundedAndTheNewestStepsRemain)
{
    AreaModel model;
    model.objects.assign(5000, LevelObject{0x31, 0, 2});
    ImageHistory history;
    const int edits = 600;
    std::size_t most = 0;
    for (int i = 1; i <= edits; ++i) {
        model.object(1).x = i - 1; // the model before step i
        history.push(HistoryStep{"Move object", 0, model, {}, 1, 0, false}, false);
        most = std::max(most, history.memory());
    }
    EXPECT_LE(most, ImageHistory::kMaxBytes);
    EXPECT_GT(most, ImageHistory::kMaxBytes / 2);
    const std::size_t kept = history.undoSteps();
    ASSERT_GT(kept, 100u);
    ASSERT_LT(kept, static_cast<std::size_t>(edits));
    for (int i = edits - 1; i > edits - 50; --i) {
        HistoryStep step = history.takeUndo();
        EXPECT_EQ(step.model->object(1).x, i);
        history.undone(std::move(step));
    }
    EXPECT_LE(history.memory(), ImageHistory::kMaxBytes);
    while (history.canUndo())
        history.undone(history.takeUndo());
    EXPECT_LE(history.memory(), ImageHistory::kMaxBytes);
    // The oldest step left starts where the dropped ones ended.
    EXPECT_EQ(history.nextRedo()->model->object(1).x, edits - static_cast<int>(kept));
}

} // namespace
} // namespace quorled
