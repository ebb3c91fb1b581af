#include "fixed_colors.h"

namespace FixedColors {

const QList<Colour> &palette() {
    static const QList<Colour> colours = {
        {"red", 255, 0, 0},       {"green", 0, 255, 0},    {"blue", 0, 0, 255},
        {"magenta", 255, 0, 255}, {"cyan", 0, 255, 255},   {"yellow", 255, 255, 0},
        {"white", 255, 255, 255}, {"orange", 255, 127, 0},
    };
    return colours;
}

} // namespace FixedColors
