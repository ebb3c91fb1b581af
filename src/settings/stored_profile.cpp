#include "stored_profile.h"

#include "dpi_table.h"
#include "key_assignment.h"
#include "lighting_table.h"
#include "mouse_settings.h"
#include "mouse_tables.h"
#include "profile_store.h"

#include <cmath>
#include <optional>

namespace {

constexpr int kMouseKeys = 16;
constexpr int kKeyAssignmentPage = 0;

// A stored entry read as the pages' JavaScript reads it with Number(): blank text is 0, text
// that is no number has no value.
std::optional<double> number(const QVariant &value) {
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return 0.0;
    bool ok = false;
    const double n = text.toDouble(&ok);
    if (!ok || !std::isfinite(n))
        return std::nullopt;
    return n;
}

// A whole number clamped to lo..hi; `fallback` for an entry without a value.
int wholeNumber(const QVariant &value, int lo, int hi, int fallback) {
    const std::optional<double> n = number(value);
    return n ? int(qBound(double(lo), std::floor(*n), double(hi))) : fallback;
}

} // namespace

namespace StoredProfile {

unsigned char reportRateCode(int stored) {
    // The page places the lowest set bit of the low byte; bits above 3 are the slowest rate.
    for (int bit = 0; bit < 8; ++bit) {
        if (stored & (1 << bit))
            return uchar(1 << qMin(bit, 3));
    }
    return 1;
}

int reportRateHz(unsigned char code) {
    for (const QJsonValue &row : MouseTables::data()[QLatin1String("reportRates")].toArray()) {
        if (row[1].toInt() == code)
            return row[0].toInt();
    }
    return 1000;
}

unsigned char reportRateCodeOf(int hz) {
    for (const QJsonValue &row : MouseTables::data()[QLatin1String("reportRates")].toArray()) {
        if (row[0].toInt() == hz)
            return uchar(row[1].toInt());
    }
    return 0;
}

int dpiStage(int stored) {
    return qBound(1, stored, DpiTable::kStages);
}

bool acceptsDpiValue(const QList<int> &values, int stage, int value, int stageCount) {
    if (value > 0)
        return true;
    const int count = qBound(1, stageCount, DpiTable::kStages);
    for (int i = 0; i < count && i < values.size(); ++i) {
        if (i != stage && values[i] > 0)
            return true;
    }
    return false;
}

QList<int> dpiValues(const QVariantList &stored) {
    QList<int> values(DpiTable::kStages, 0);
    for (int i = 0; i < DpiTable::kStages && i < stored.size(); ++i)
        values[i] = stored[i].toInt();
    return values;
}

QList<int> dpiValues(const MouseSettings &mouse) {
    return dpiValues(mouse.dpiSet());
}

KeyFunctions::Record keyRecord(const QVariantList &stored, const QVariantList &factory) {
    const QVariantList &entries = stored.size() >= 4 ? stored : factory;
    KeyFunctions::Record r{};
    for (int k = 0; k < 4 && k < entries.size(); ++k)
        r[size_t(k)] = uchar(entries[k].toInt() & 0xFF);
    return r;
}

QList<KeyFunctions::Record> keyMatrix(const KeyAssignment &keys, const ProfileStore &store) {
    const QVariantList defaults = store.defaultList(kKeyAssignmentPage);
    QList<KeyFunctions::Record> matrix;
    for (int n = 0; n < kMouseKeys; ++n)
        matrix.append(keyRecord(keys.keyDefine(n), defaults.mid(4 * n, 4)));
    return matrix;
}

QList<int> cellColours(const QVariantList &stored) {
    QList<int> rgb;
    if (stored.size() == 3 * DpiTable::kStages) {
        for (const QVariant &v : stored)
            rgb.append(v.toInt());
        return rgb;
    }
    for (const QJsonValue &cell : MouseTables::data()[QLatin1String("startCells")].toArray())
        for (const QJsonValue &v : cell.toArray())
            rgb.append(v.toInt());
    return rgb;
}

bool lighting(const QVariantList &stored, Lighting *out) {
    if (stored.size() != 3 && stored.size() != 4)
        return false;
    Lighting l;
    const int lastSlider = LightingTable::kPositions - 1;
    l.position = wholeNumber(stored[0], 0, int(LightingTable::effects().size()) - 1, 0);
    // The sliders keep their defaults for a blank entry, too.
    auto slider = [&](const QVariant &v, int fallback) {
        return v.toString().isEmpty() ? fallback : wholeNumber(v, 0, lastSlider, fallback);
    };
    l.brightness = slider(stored[1], 7);
    l.speed = slider(stored[2], 4);
    const std::optional<double> on = stored.size() == 4 ? number(stored[3]) : std::nullopt;
    l.on = !on || *on != 0;
    *out = l;
    return true;
}

} // namespace StoredProfile
