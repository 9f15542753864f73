#include "shownname.h"

namespace quorled {

namespace {

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

} // namespace

std::string shownName(const std::string& path)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string shown;
    shown.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (c == '\r') {
            shown += "\\r";
        } else if (isControl(c)) {
            shown += "\\x";
            shown += digits[c >> 4];
            shown += digits[c & 15];
        } else if (c == '\\' && i + 1 < path.size() &&
                   (path[i + 1] == 'n' || path[i + 1] == 't' || path[i + 1] == 'r' || path[i + 1] == 'x' ||
                    path[i + 1] == '\\')) {
            // "a\nb" typed literally stays apart from a real newline.
            shown += "\\\\";
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}

} // namespace quorled
