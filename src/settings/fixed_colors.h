#pragma once

#include <QList>
#include <QString>

// The eight colours a logo LED without free RGB can show, by colour id. Profiles store
// orange (id 7) as 8 in the stage id list; see storedId().
namespace FixedColors {

struct Colour {
    const char *name;
    unsigned char r, g, b;
};

const QList<Colour> &palette(); // index = colour id 0..7
// "red, green, ..." in id order.
QString names();

constexpr int kOrange = 7;
constexpr int kStoredOrange = 8;
inline int storedId(int id) {
    return id == kOrange ? kStoredOrange : id;
}

} // namespace FixedColors
