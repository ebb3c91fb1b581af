#pragma once

#include <QJsonArray>
#include <QJsonObject>

#include <array>

// The mouse's value tables (DPI codes per sensor type, report rates, lighting effects and
// speeds, fixed colours, mouse functions, media keys, modifiers). They exist once, as the
// pages' JavaScript library modules/qml/js/mouse_tables.js, whose object is plain JSON; this
// side reads that same file, compiled into the library.
namespace MouseTables {

// The parsed tables. A file that does not parse is a broken build: the program stops with
// a message rather than run on tables of its own.
const QJsonObject &data();

// Parses the text of mouse_tables.js: the JSON object after "var tables =". Empty, and
// `error` set, when there is none.
QJsonObject parse(const QByteArray &script, QString *error);

// A text of the tables as a C string that lives for the whole run.
const char *keep(const QString &text);

// [a, b, c, d] as four bytes.
std::array<unsigned char, 4> bytes4(const QJsonValue &list);

} // namespace MouseTables
