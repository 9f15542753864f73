#include "settingsfolder.h"

#include <QDir>

namespace quorled {

QString settingsFolder()
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.isEmpty() && QDir::isAbsolutePath(configHome))
        return QDir::cleanPath(configHome);
    return QDir::cleanPath(QDir::homePath() + QStringLiteral("/.config"));
}

QString settingsFileInFolder()
{
    return settingsFolder() + QStringLiteral("/Quorled.ini");
}

} // namespace quorled
