#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

// Lets GoogleTest show Qt values in failure messages: text as text, bytes as spaced hex.
inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &list, std::ostream *os) {
    *os << '[' << list.join(QStringLiteral(" | ")).toStdString() << ']';
}
inline void PrintTo(const QByteArray &bytes, std::ostream *os) {
    *os << bytes.toHex(' ').toStdString();
}
