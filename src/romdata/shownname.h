#pragma once

#include <cstddef>
#include <string>

namespace quorled {

// A file name as messages show it: on one line, with every control
// character (newline, tab, escape, DEL, ...) and every byte that is not
// part of a well-formed UTF-8 letter written as \n, \t or \xNN, and a
// backslash doubled only where it would otherwise read as such an escape.
// Well-formed UTF-8 letters are kept as they are, so two different names
// never look alike.
std::string shownName(const std::string& path);

// The length of the well-formed UTF-8 sequence at `at` (1 to 4), or 0 when
// the bytes there are none (a stray continuation byte, an overlong form, a
// surrogate, a value past U+10FFFF, or a sequence cut short).
std::size_t utf8SequenceLength(const std::string& text, std::size_t at);

// Whether the whole text is well-formed UTF-8.
bool isWellFormedUtf8(const std::string& text);

} // namespace quorled
