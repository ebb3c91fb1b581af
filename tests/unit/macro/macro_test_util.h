#pragma once

#include "macro_encoder.h"
#include "qt_print.h"

#include <QByteArray>
#include <QStringList>

#include <ostream>

// Macro lines written the way the editor stores them: value + tag.
inline QString down(const QString &key) {
    return key + MacroTag::down;
}
inline QString up(const QString &key) {
    return key + MacroTag::up;
}
inline QString delay(int ms) {
    return QString::number(ms) + MacroTag::delay;
}

// "00 01 05 04" style text, upper-case hex.
inline QString hex(const QList<uchar> &bytes) {
    QStringList parts;
    for (uchar b : bytes)
        parts << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    return parts.join(QLatin1Char(' '));
}
inline QString hex(const QByteArray &bytes) {
    QList<uchar> list;
    for (char b : bytes)
        list << uchar(b);
    return hex(list);
}
