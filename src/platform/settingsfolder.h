#pragma once

#include <QString>

namespace quorled {

// The user's configuration folder: $XDG_CONFIG_HOME when it is set to an
// absolute path, else ~/.config. Not created here.
QString settingsFolder();

// The full path of the settings file "Quorled.ini" in that folder.
QString settingsFileInFolder();

} // namespace quorled
