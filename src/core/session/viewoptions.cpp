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

namespace {

// The check items: flipped, and the check marks told.
void toggle(EditorCore& core, bool& value)
{
    value = !value;
    core.notify(Change::Checks);
}

} // namespace

void togglePointersFollowDoors(EditorCore& core) { toggle(core, core.view().pointersFollowDoors); }

void togglePointersAsObjects(EditorCore& core) { toggle(core, core.view().showPointersAsObjects); }

void toggleGrid(EditorCore& core)
{
    toggle(core, core.view().grid);
    if (core.hasImage())
        core.redraw();
}

void toggleBackup(EditorCore& core)
{
    ImageWriteGuard& guard = core.document().writeGuard();
    guard.setBackupEnabled(!guard.backupEnabled());
    core.notify(Change::Checks);
}

void toggleAskBeforeDiscarding(EditorCore& core) { toggle(core, core.settings().askBeforeDiscarding); }

void toggleSaveBeforeTesting(EditorCore& core) { toggle(core, core.settings().saveBeforeTesting); }

void toggleSaveCheck(EditorCore& core, int index)
{
    if (index >= 0 && index <= 6)
        toggle(core, core.iniChecks()[static_cast<std::size_t>(index)]);
}

} // namespace quorled::ViewOptions
