#pragma once

#include <string>

namespace quorled {

// A file name as messages show it: on one line, with every control
// character (newline, tab, escape, DEL, ...) written as \n, \t or \xNN and
// a backslash doubled only where it would otherwise read as such an escape.
// Other bytes, UTF-8 letters included, are kept as they are.
std::string shownName(const std::string& path);

} // namespace quorled
