#include "mainwindow.h"

#include "desktopcommands.h"
#include "filecommands.h"
#include "gametabledialogs.h"
#include "mainmenu.h"
#include "playtestcommands.h"
#include "shortcutcommands.h"
#include "spacecommands.h"
#include "workbenchcommands.h"

#include "core/editing/groupcommands.h"
#include "core/session/editorcore.h"
#include "core/session/viewoptions.h"

#include <functional>
#include <utility>

namespace quorled {

void MainWindow::bindMenu()
{
    EditorCore& core = core_;
    FileCommands& files = workbenchCommands_->files();
    WorkbenchCommands& workbench = *workbenchCommands_;
    const auto table = [this, &core](ByteTableId id) { return [this, &core, id] { editByteTable(core, id, this); }; };
    const std::pair<Command, std::function<void()>> handlers[] = {
        // "&Levels"
        {Command::sel1, [this] { selectArea(); }},
        {Command::lmap, [&workbench] { workbench.showMap(); }},
        {Command::LI, [this] { showLevelInfo(); }},
        {Command::Ehdr, [this] { editHeader(); }},
        {Command::lreload, [this] { if (confirmUnsavedAreas()) reload(); }},
        {Command::lrefresh, [&core] { core.refreshArea(); }},
        {Command::lsave, [&core] { core.saveArea(); }},
        {Command::lsaveall, [&core] { core.saveAllAreas(); }},
        {Command::lopen, [&files] { files.chooseAndOpenImage(); }},
        {Command::lsaveas, [&files] { files.saveImageAs(); }},
        {Command::lexport, [&files] { files.exportView(); }},
        {Command::LvlDump, [this, &core] { dumpLevelData(this, core); }},
        {Command::LvlInsert, [this, &core] { insertLevelData(this, core, failureTitle_); }},
        {Command::exportPatch, [this, &core] { exportPatch(*this, core, settingsPath_); }},
        {Command::compareImage, [this, &core] { compareWithImage(*this, core); }},
        {Command::testEmu, [this, &core] { if (core.hasImage()) testInEmulator(*this, core, settingsPath_); }},
        {Command::lQuit, [this] { close(); }},
        // "&Edit"
        {Command::editUndo, [&core] { core.undo(); }},
        {Command::editRedo, [&core] { core.redo(); }},
        {Command::editCut, [&workbench] { workbench.cut(); }},
        {Command::editCopy, [&workbench] { workbench.copy(); }},
        {Command::editPaste, [&workbench] { workbench.paste(); }},
        {Command::editDuplicate, [&core] { GroupCommands::duplicate(core); }},
        {Command::editSelectAll, [&core] { if (core.hasImage()) GroupCommands::selectAll(core); }},
        // "&Options"
        {Command::GV0, [&core] { ViewOptions::setGroundView(core, 0); }},
        {Command::GV1, [&core] { ViewOptions::setGroundView(core, 2); }},
        {Command::GV2, [&core] { ViewOptions::setGroundView(core, 1); }},
        {Command::PSV1, [&core] { ViewOptions::setPageView(core, 1); }},
        {Command::PSV0, [&core] { ViewOptions::setPageView(core, 0); }},
        {Command::om1, [&core] { ViewOptions::setObjectMarks(core, 1); }},
        {Command::om0, [&core] { ViewOptions::setObjectMarks(core, 0); }},
        {Command::pnt, [&core] { ViewOptions::togglePointersFollowDoors(core); }},
        {Command::spno, [&core] { ViewOptions::togglePointersAsObjects(core); }},
        {Command::optGrid, [&core] { ViewOptions::toggleGrid(core); }},
        {Command::backup, [&core] { ViewOptions::toggleBackup(core); }},
        {Command::askDiscard, [&core] { ViewOptions::toggleAskBeforeDiscarding(core); }},
        {Command::saveBeforeTest, [&core] { ViewOptions::toggleSaveBeforeTesting(core); }},
        {Command::emuCmd, [this] { chooseEmulator(*this, settingsPath_); }},
        {Command::optShortcuts, [this, &workbench] { workbench.shortcuts().runDialog(this); }},
        {Command::sv0, [&core] { ViewOptions::toggleSaveCheck(core, 0); }},
        {Command::sv1, [&core] { ViewOptions::toggleSaveCheck(core, 1); }},
        {Command::sv2, [&core] { ViewOptions::toggleSaveCheck(core, 2); }},
        {Command::sv3, [&core] { ViewOptions::toggleSaveCheck(core, 3); }},
        {Command::sv4, [&core] { ViewOptions::toggleSaveCheck(core, 4); }},
        {Command::sv5, [&core] { ViewOptions::toggleSaveCheck(core, 5); }},
        {Command::sv6, [&core] { ViewOptions::toggleSaveCheck(core, 6); }},
        // "O&bjects"
        {Command::delobj, [&core] { core.deleteSelected(); }},
        {Command::DelAll, [&core] { core.deleteAll(); }},
        {Command::addO, [this] { addObjects(); }},
        {Command::addE, [&core] { core.addEnemy(); }},
        {Command::movL, [this, &core] { moveLevelData(this, core); }},
        {Command::movZ, [this, &core] { moveEnemyData(this, core); }},
        {Command::seeF, [&core] { core.showFreeSpace(); }},
        {Command::TFSpace, [this, &core] { showTotalFreeSpace(this, core); }},
        // "O&ther"
        {Command::ChLvlWrl, [this, &core] { editLevelsPerWorld(core, this); }},
        {Command::Chcolor, [this, &core] { editPalettes(core, this); }},
        {Command::ChChp, [this, &core] { editCharacters(core, this); }},
        {Command::ChWpn, table(ByteTableId::ChrEnemy)},
        {Command::ChEnm2, table(ByteTableId::ChrEnemy2)},
        {Command::ChEnm3, table(ByteTableId::ChrEnemy3)},
        {Command::ChPwrUp, table(ByteTableId::ChrPwrUp)},
        {Command::nlive, table(ByteTableId::Nlives)},
        {Command::ChTcdt, table(ByteTableId::TitleC)},
        // "&About"
        {Command::SSplash, [this] { showSplash(); }},
        {Command::AboutE, [this] { showAbout(); }},
    };
    for (const auto& [command, handler] : handlers)
        menu_->bind(command, [this, command, handler] {
            // An item the image or the moment does not allow does nothing.
            if (!core_.commandEnabled(command))
                return;
            handler();
            // Check marks of checkable items follow the core, not Qt's own toggle.
            showChanges(Change::Checks);
        });
}

} // namespace quorled
