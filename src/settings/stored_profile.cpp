#include "stored_profile.h"

#include "dpi_table.h"
#include "key_assignment.h"
#include "lighting_table.h"
#include "mouse_settings.h"
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
    for (unsigned char code : {1, 2, 4, 8}) {
        if (stored & code)
            return code;
    }
    return 1;
}

QList<int> dpiValues(const MouseSettings &mouse) {
    QList<int> values(DpiTable::kStages, 0);
    const QVariantList stored = mouse.dpiSet();
    for (int i = 0; i < DpiTable::kStages && i < stored.size(); ++i)
        values[i] = stored[i].toInt();
    return values;
}

QList<KeyFunctions::Record> keyMatrix(const KeyAssignment &keys, const ProfileStore &store) {
    const QVariantList defaults = store.defaultList(kKeyAssignmentPage);
    QList<KeyFunctions::Record> matrix;
    for (int n = 0; n < kMouseKeys; ++n) {
        QVariantList entries = keys.keyDefine(n);
        if (entries.size() != 4)
            entries = defaults.mid(4 * n, 4);
        KeyFunctions::Record r{};
        for (int k = 0; k < 4 && k < entries.size(); ++k)
            r[size_t(k)] = uchar(entries[k].toInt() & 0xFF);
        matrix.append(r);
    }
    return matrix;
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
