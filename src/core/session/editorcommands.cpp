#include "core/session/editorcore.h"

#include "romdata/filestore.h"

namespace quorled {

namespace {

int iniIndex(Command command)
{
    switch (command) {
    case Command::sv0: return 0;
    case Command::sv1: return 1;
    case Command::sv2: return 2;
    case Command::sv3: return 3;
    case Command::sv4: return 4;
    case Command::sv5: return 5;
    case Command::sv6: return 6;
    default: return -1;
    }
}

} // namespace

bool commandAllowedForKind(Command command, ImageKind kind)
{
    switch (command) {
    case Command::movL:
    case Command::movZ:
    case Command::ChTcdt:
    case Command::Chcolor:
    case Command::TFSpace:
    // The enemy, power-up and lives bytes lie at iNES offsets; the other
    // kinds keep other code there.
    case Command::ChWpn:
    case Command::ChEnm2:
    case Command::ChEnm3:
    case Command::ChPwrUp:
    case Command::nlive:
    // The level block of a dump lies at iNES offsets too.
    case Command::LvlDump:
    case Command::LvlInsert:
        return kind == ImageKind::Ines;
    default:
        return true;
    }
}

bool EditorCore::commandEnabled(Command command) const
{
    if (command == Command::editUndo || command == Command::editRedo)
        return command == Command::editUndo ? document_.canUndo() : document_.canRedo();
    // Cut and Copy need a selected object or enemy.
    if (command == Command::editCut || command == Command::editCopy || command == Command::editDuplicate) {
        const AreaModel& model = area();
        const int selected = view_.editMode == 0 ? model.selectedObject : model.selectedEnemy;
        return hasImage() && selected >= 1 && selected <= (view_.editMode == 0 ? model.objCount() : model.enemyCount());
    }
    // A read-only image is saved through "Save image as..." only.
    if (command == Command::lsave && hasImage() && isReadOnlyFile(romFileName()))
        return false;
    return commandAllowedForKind(command, imageKind());
}

bool EditorCore::commandChecked(Command command) const
{
    if (command == Command::pnt)
        return view_.pointersFollowDoors;
    if (command == Command::optGrid)
        return view_.grid;
    if (command == Command::spno)
        return view_.showPointersAsObjects;
    if (command == Command::backup)
        return document_.writeGuard().backupEnabled();
    if (command == Command::askDiscard)
        return settings_.askBeforeDiscarding;
    if (command == Command::saveBeforeTest)
        return settings_.saveBeforeTesting;
    const int i = iniIndex(command);
    return i >= 0 && iniChecks_[static_cast<std::size_t>(i)];
}

std::vector<std::string> EditorCore::chooseWorld(int world) { return chooser_.chooseWorld(world, directory()); }

void EditorCore::chooseArea(int index) { chooser_.chooseArea(index, directory()); }

void EditorCore::acceptAreaChoice() { changeArea(chooser_.chosenArea()); }

void EditorCore::cancelAreaChoice() { changeArea(currentArea()); }

void EditorCore::clickHeaderBit(int box)
{
    if (!hasImage() || box < 0 || box > 31)
        return;
    const int k = box + 1;
    // Boxes 2..4 hold the level palette number: the colours are rebuilt
    // with the bit as it will be after the click.
    beginEdit("Header bit " + std::to_string(k));
    if (box >= 2 && box <= 4) {
        area().header.setBit(k, 1 - area().header.bit(k));
        applyLevelPalette(graphics_, area(), directory().worldFirstArea, palettes());
        area().header.setBit(k, 1 - area().header.bit(k));
    }
    area().header.setBit(k, 1 - area().header.bit(k));
    endEdit();
    redraw();
}

} // namespace quorled
