#include "core/session/editortexts.h"

namespace quorled {

std::string editorVersionText()
{
    return "Version " + std::to_string(QUORLED_VERSION_MAJOR) + "." + std::to_string(QUORLED_VERSION_MINOR);
}

std::vector<std::string> verticalKeyHelp()
{
    return {"up/down : scroll in the level", "left/right : select previous/next object/enemy"};
}

std::vector<std::string> horizontalKeyHelp()
{
    return {"left/right : scroll in the level", "up/down : select previous/next object/enemy"};
}

std::vector<std::string> keyHelp()
{
    return {
        "press Shift key while scrolling to scroll faster (scroll by page instead of scrolling by unit)",
        "space : switch between object and enemy editing",
        "2, 4, 6, 8 (numpad) : move object/enemy (works differently with special objects)",
        "/, * : change object/enemy (or special object parameter) by 16",
        "-, + : change object/enemy (or special object parameter) by 1",
        "M : switch \"object marks viewing",
        "O : switch \"pointers show up as objects\"",
        "P : switch page separator viewing",
        "0 : switch ground viewing",
        "S : switch screen line viewing",
        "F : switch \"pointers follow doors\"",
        "Page Up, Page Down : go to the previous/next area; the edits of the area left stay, unsaved, until "
        "\"Save all changed areas\" (Ctrl+Alt+S); nothing happens before the first or past the last area",
        "F1 : show this help",
        "click : select one object/enemy; Shift+click : add it to the selection or take it out",
        "drag from empty space : select with a box (Shift+drag : add to the selection)",
        "drag a selected item : move the whole selection",
        "Escape : back to the last clicked item alone",
        "Delete : delete the selected objects and enemies",
        "Alt+arrows : move the selection by a cell (Alt+Shift+arrows : by a page)",
        "Alt+[, Alt+] : change the type by 1 (Alt+Shift : by 16)",
        "Alt+0 : switch ground viewing",
        "G : switch the cell grid; Ctrl+wheel : zoom",
    };
}

} // namespace quorled
