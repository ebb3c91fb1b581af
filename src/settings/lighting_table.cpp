#include "lighting_table.h"

#include <cmath>

namespace {

// nearest(x) with halves going up.
int nearest(double x) {
    return int(std::floor(x + 0.5));
}

struct SpeedRow {
    int code;
    int base;
    int span; // base + nearest((7 - s) * span / 7)
};

const SpeedRow kSpeedRows[] = {
    {3, 1, 9}, {4, 1, 9}, {5, 1, 9}, {8, 10, 10}, {9, 5, 10}, {10, 20, 10},
};

} // namespace

namespace LightingTable {

const QList<Effect> &effects() {
    static const QList<Effect> rows = {
        {1, "STATIC", false, true, true},         {2, "TWINKLING", false, true, false},
        {3, "BREATHING", true, false, true},      {4, "NEON", true, false, false},
        {5, "WAVE", true, true, false},           {6, "GLIDING", false, false, false},
        {7, "FINGER MOVING", false, true, false}, {8, "VERTICAL FLIPPING", true, true, false},
        {9, "YO-YO", true, true, true},           {10, "SPOTLIGHT", true, true, true},
    };
    return rows;
}

const Effect *effect(int code) {
    const QList<Effect> &rows = effects();
    return code >= 1 && code <= rows.size() ? &rows[code - 1] : nullptr;
}

unsigned char brightnessByte(int position) {
    return position <= 0 ? 0 : static_cast<unsigned char>(10 + 35 * position);
}

unsigned char speedByte(int effectCode, int position) {
    for (const SpeedRow &row : kSpeedRows) {
        if (row.code == effectCode)
            return static_cast<unsigned char>(row.base + nearest((7 - position) * row.span / 7.0));
    }
    return 0;
}

} // namespace LightingTable
