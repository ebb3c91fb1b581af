#include "lighting_table.h"

#include "mouse_tables.h"

#include <cmath>

namespace {

// nearest(x) with halves going up.
int nearest(double x) {
    return int(std::floor(x + 0.5));
}

// byte = base + nearest((7 - s) * span / 7), per effect code.
QJsonArray speedRange(int effectCode) {
    return MouseTables::data()[QLatin1String("speedRanges")][QString::number(effectCode)].toArray();
}

} // namespace

namespace LightingTable {

const QList<Effect> &effects() {
    static const QList<Effect> rows = [] {
        QList<Effect> list;
        int code = 1;
        for (const QJsonValue &v : MouseTables::data()[QLatin1String("effects")].toArray()) {
            const QJsonObject o = v.toObject();
            list.append({code++, MouseTables::keep(o[QLatin1String("text")].toString()),
                         o[QLatin1String("speed")].toBool(),
                         o[QLatin1String("brightness")].toBool(),
                         o[QLatin1String("palette")].toBool()});
        }
        return list;
    }();
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
    const QJsonArray range = speedRange(effectCode);
    if (range.size() != 2)
        return 0;
    const int base = range[0].toInt(), span = range[1].toInt();
    return static_cast<unsigned char>(base + nearest((7 - position) * span / 7.0));
}

Bytes commandBytes(bool on, int position, int brightness, int speed) {
    if (!on)
        return {0, 0, 0};
    const Effect *e = effect(qBound(0, position, int(effects().size()) - 1) + 1);
    return {static_cast<unsigned char>(e->code),
            e->brightness ? brightnessByte(qMin(brightness, kPositions - 1)) : uchar(0),
            e->speed ? speedByte(e->code, qBound(0, speed, kPositions - 1)) : uchar(0)};
}

} // namespace LightingTable
