#pragma once

#include "romdata/imagekind.h"

namespace quorled {

// Every item of the main window's menu bar that carries a command, named
// after the item. The window maps its actions to these one to one.
enum class Command {
    // "&Levels"
    sel1, LI, Ehdr, lreload, lrefresh, lsave, lsaveall, LvlDump, LvlInsert, exportPatch, testEmu, lQuit,
    lopen, lsaveas, lmap, lexport, compareImage,
    // "&Edit"
    editUndo, editRedo, editCut, editCopy, editPaste, editSelectAll, editDuplicate,
    // "&Options"
    GV0, GV1, GV2, PSV1, PSV0, om1, om0, pnt, spno, backup,
    sv0, sv1, sv2, sv3, sv4, sv5, sv6,
    askDiscard, saveBeforeTest, emuCmd, optGrid, optShortcuts,
    // "O&bjects"
    delobj, DelAll, addO, addE, movL, movZ, seeF, TFSpace,
    // "O&ther"
    ChLvlWrl, Chcolor, ChChp, ChWpn, ChEnm2, ChEnm3, ChPwrUp, nlive, ChTcdt,
    // "&About"
    SSplash, AboutE,
};

// Whether a command can work on images of a kind at all: the items that
// rely on iNES file offsets are off for SNES compilation and disk images.
bool commandAllowedForKind(Command command, ImageKind kind);

} // namespace quorled
