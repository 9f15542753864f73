#pragma once

#include <QByteArray>

#include <optional>

namespace quorled {

// A type dragged from the Types gallery: "object NN" or "enemy NN" (NN the
// type in hexadecimal) under a MIME type of the editor's own.
const char* typeDropMimeType();
QByteArray encodeTypeDrop(bool enemy, int type);

struct TypeDrop {
    bool enemy = false;
    int type = 0;
};
// The drop a text holds; none for anything else.
std::optional<TypeDrop> decodeTypeDrop(const QByteArray& data);

} // namespace quorled
