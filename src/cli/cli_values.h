#pragma once

#include "cli_status.h"

#include <QString>

#include <array>
#include <optional>

// Parsing of the values users type, each with the message that names what was wrong.
namespace CliValues {

// A whole decimal number within [low, high]; `what` names it in the message.
std::optional<int> integer(const QString &text, int low, int high, const QString &what,
                           Status *error);

// A profile: 1..10 or P01..P10. Returns the profile index 0..9.
std::optional<int> profile(const QString &text, Status *error);

// A colour: "R,G,B" (0..255 each), "#RRGGBB", or one of the eight fixed colour names.
struct Colour {
    std::array<int, 3> rgb{};
    int fixedId = -1; // the fixed colour id when given by name (or its id), else -1
};
std::optional<Colour> colour(const QString &text, Status *error);
// Every word as a colour; the first that is not one sets `error` and gives nothing.
std::optional<QList<Colour>> colours(const QStringList &words, Status *error);

// A key name as macros and key records name keys ("A", "Space", "KP Enter", "MS-L"),
// matched exactly first, then without regard to case and surrounding blanks. Returns the
// key code; the canonical name goes to `canonical`.
std::optional<unsigned char> keyName(const QString &text, Status *error,
                                     QString *canonical = nullptr);

// Lower case with blanks, '_' and '-' removed: "Finger moving" == "finger-moving".
QString squash(const QString &text);

// "on"/"off" (also true/false, yes/no, 1/0).
std::optional<bool> onOff(const QString &text, const QString &what, Status *error);

} // namespace CliValues
