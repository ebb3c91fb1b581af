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
    return m_settings && g_settings_set_double(m_settings, kSpeed, schemaSpeed(speed));
}

bool GSettingsPointer::setWheelScrollLines(int) {
    return false;
}

bool GSettingsPointer::setDoubleClickTime(int milliseconds) {
    return m_settings && g_settings_set_int(m_settings, kDoubleClick, milliseconds);
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
    return m_settings &&
           g_settings_set_string(m_settings, kAccelProfile, enabled ? "adaptive" : "flat");
}
