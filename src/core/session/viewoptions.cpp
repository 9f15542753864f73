#include "core/session/viewoptions.h"

#include "core/session/editorcore.h"

namespace quorled::ViewOptions {

void setGroundView(EditorCore& core, int value)
{
    core.view().groundView = value;
    if (core.hasImage())
        core.redraw();
}

void setPageView(EditorCore& core, int value) { core.view().pageView = value; }

void setObjectMarks(EditorCore& core, int value) { core.view().objectMarks = value; }

void togglePointersFollowDoors(EditorCore& core) { core.view().pointersFollowDoors = !core.view().pointersFollowDoors; }

void togglePointersAsObjects(EditorCore& core)
{
    core.view().showPointersAsObjects = !core.view().showPointersAsObjects;
}

void toggleGrid(EditorCore& core)
{
    core.view().grid = !core.view().grid;
    if (core.hasImage())
        core.redraw();
}

void toggleBackup(EditorCore& core)
{
    ImageWriteGuard& guard = core.document().writeGuard();
    guard.setBackupEnabled(!guard.backupEnabled());
}

void toggleAskBeforeDiscarding(EditorCore& core)
{
    core.settings().askBeforeDiscarding = !core.settings().askBeforeDiscarding;
}

void toggleSaveBeforeTesting(EditorCore& core)
{
    core.settings().saveBeforeTesting = !core.settings().saveBeforeTesting;
}

void toggleSaveCheck(EditorCore& core, int index)
{
    if (index < 0 || index > 6)
        return;
    bool& check = core.iniChecks()[static_cast<std::size_t>(index)];
    check = !check;
}

} // namespace quorled::ViewOptions
