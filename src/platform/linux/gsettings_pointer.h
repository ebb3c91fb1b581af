#pragma once

#include "pointer_backend.h"

#include <QByteArray>

typedef struct _GSettings GSettings;

// Pointer settings through GSettings. The schema (normally the desktop's mouse schema) is
// looked up once; where it is not installed every call fails. Speed 1..20 maps linearly onto
// the schema's -1..1, acceleration on/off onto the "adaptive"/"flat" profiles. There is no
// key for wheel lines, so that call always fails. A setter succeeds only when the store holds
// the new value once its writes are done: a store that took the value but failed to commit
// it (dconf without a session bus) is a failure.
class GSettingsPointer : public PointerBackend {
public:
    static constexpr const char *kMouseSchema = "org.gnome.desktop.peripherals.mouse";

    explicit GSettingsPointer(const QByteArray &schemaId = kMouseSchema);
    ~GSettingsPointer() override;
    GSettingsPointer(const GSettingsPointer &) = delete;
    GSettingsPointer &operator=(const GSettingsPointer &) = delete;

    bool isAvailable() const { return m_settings != nullptr; }

    bool setPointerSpeed(int speed) override;
    bool setWheelScrollLines(int lines) override;
    bool setDoubleClickTime(int milliseconds) override;
    bool acceleration(bool *enabled) override;
    bool setAcceleration(bool enabled) override;

    // The schema's speed for a speed of 1..20 (values outside are clamped).
    static double schemaSpeed(int speed);

private:
    GSettings *m_settings = nullptr;
};
