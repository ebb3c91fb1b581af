// GIO's headers use the word `signals`, which Qt defines as a macro: include GIO first.
#include <gio/gio.h>

#include "gsettings_pointer.h"

#include <algorithm>

namespace {
const char *const kSpeed = "speed";
const char *const kDoubleClick = "double-click";
const char *const kAccelProfile = "accel-profile";

bool hasKey(GSettingsSchema *schema, const char *key) {
    return g_settings_schema_has_key(schema, key);
}

// A store may take a value and fail to commit it later (dconf without its bus drops the
// change after the call returned): wait for the writes, then see what the store now holds.
bool committed(GSettings *settings, const char *key, GVariant *wanted) {
    g_variant_ref_sink(wanted);
    g_settings_sync();
    GVariant *now = g_settings_get_value(settings, key);
    const bool same = g_variant_equal(now, wanted);
    g_variant_unref(now);
    g_variant_unref(wanted);
    return same;
}
} // namespace

GSettingsPointer::GSettingsPointer(const QByteArray &schemaId) {
    GSettingsSchemaSource *source = g_settings_schema_source_get_default();
    if (!source)
        return;
    GSettingsSchema *schema = g_settings_schema_source_lookup(source, schemaId.constData(), TRUE);
    if (!schema)
        return;
    // A schema of another version may lack a key; g_settings_set_* would abort on it.
    if (hasKey(schema, kSpeed) && hasKey(schema, kDoubleClick) && hasKey(schema, kAccelProfile))
        m_settings = g_settings_new_full(schema, nullptr, nullptr);
    g_settings_schema_unref(schema);
}

GSettingsPointer::~GSettingsPointer() {
    if (m_settings) {
        g_settings_sync();
        g_object_unref(m_settings);
    }
}

double GSettingsPointer::schemaSpeed(int speed) {
    const int clamped = std::clamp(speed, 1, 20);
    return -1.0 + 2.0 * (clamped - 1) / 19.0;
}

bool GSettingsPointer::setPointerSpeed(int speed) {
    const double value = schemaSpeed(speed);
    return m_settings && g_settings_set_double(m_settings, kSpeed, value) &&
           committed(m_settings, kSpeed, g_variant_new_double(value));
}

bool GSettingsPointer::setWheelScrollLines(int) {
    return false;
}

bool GSettingsPointer::setDoubleClickTime(int milliseconds) {
    return m_settings && g_settings_set_int(m_settings, kDoubleClick, milliseconds) &&
           committed(m_settings, kDoubleClick, g_variant_new_int32(milliseconds));
}

bool GSettingsPointer::acceleration(bool *enabled) {
    if (!m_settings)
        return false;
    gchar *profile = g_settings_get_string(m_settings, kAccelProfile);
    // "default" leaves it to the device, which accelerates mice unless told otherwise.
    *enabled = g_strcmp0(profile, "flat") != 0;
    g_free(profile);
    return true;
}

bool GSettingsPointer::setAcceleration(bool enabled) {
    const char *profile = enabled ? "adaptive" : "flat";
    return m_settings && g_settings_set_string(m_settings, kAccelProfile, profile) &&
           committed(m_settings, kAccelProfile, g_variant_new_string(profile));
}
