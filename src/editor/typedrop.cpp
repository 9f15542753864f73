#include "typedrop.h"

#include <QList>

namespace quorled {

const char* typeDropMimeType() { return "application/x-quorled-type"; }

QByteArray encodeTypeDrop(bool enemy, int type)
{
    return (enemy ? QByteArray("enemy ") : QByteArray("object ")) + QByteArray::number(type & 255, 16);
}

std::optional<TypeDrop> decodeTypeDrop(const QByteArray& data)
{
    const QList<QByteArray> parts = data.split(' ');
    if (parts.size() != 2 || (parts[0] != "enemy" && parts[0] != "object"))
        return std::nullopt;
    bool ok = false;
    const int type = parts[1].toInt(&ok, 16);
    if (!ok || type < 0 || type > 255)
        return std::nullopt;
    return TypeDrop{parts[0] == "enemy", type};
}

} // namespace quorled
