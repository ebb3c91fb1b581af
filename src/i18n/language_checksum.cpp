#include "language_checksum.h"

QString languageChecksum(qint64 totalLength) {
    // Unsigned arithmetic keeps the modulo-256 wrap-around well defined for any L.
    const quint64 l = static_cast<quint64>(totalLength);
    const quint8 bytes[4] = {static_cast<quint8>(l + 74), static_cast<quint8>(l - 69),
                             static_cast<quint8>(l * 70), static_cast<quint8>(l / 70)};
    QString text;
    for (quint8 b : bytes)
        text += QString::number(b);
    return text;
}
