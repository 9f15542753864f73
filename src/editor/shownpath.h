#pragma once

#include <QString>

namespace quorled {

// A file name as the windows show it: the bytes the file system knows it by,
// on one line, with control characters and bytes that are no UTF-8 escaped
// by the same rule as every message of the program.
QString shownPath(const QString& path);

} // namespace quorled
