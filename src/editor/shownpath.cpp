#include "shownpath.h"

#include "romdata/shownname.h"

#include <QFile>

namespace quorled {

QString shownPath(const QString& path)
{
    return QString::fromStdString(shownName(QFile::encodeName(path).toStdString()));
}

} // namespace quorled
