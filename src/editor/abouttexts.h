#pragma once

#include <QStringList>

class QMenuBar;

namespace quorled {

// One line per menu item that has a shortcut, "Ctrl+A : Select area", in
// menu order, read from the menu bar as it is now: an item given another
// shortcut shows the new one, and no line can drift from the menus.
QStringList menuShortcutLines(const QMenuBar& bar);

} // namespace quorled
