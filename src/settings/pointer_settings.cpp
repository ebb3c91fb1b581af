#include "pointer_settings.h"

#include "pointer_backend.h"
#include "profile_store.h"

#include <QDebug>

namespace {
const QString kCursorSpeed = QStringLiteral("sensor/cursorSpeed_R8");
const QString kScrollLines = QStringLiteral("sensor/verticalScrollLines_R8");
const QString kDoubleClick = QStringLiteral("sensor/doubleClickSpeed_R8");
} // namespace

void PointerSettings::setCursorSpeed(unsigned position) {
    m_store.write(kCursorSpeed, position);
    if (!m_backend || !m_backend->setPointerSpeed(pointerSpeed(position)))
        qDebug() << "setCursorSpeed Failed";
}

void PointerSettings::setVerticalScrollLines(unsigned position) {
    m_store.write(kScrollLines, position);
    if (!m_backend || !m_backend->setWheelScrollLines(scrollLines(position)))
        qDebug() << "setVerticalScrollLines Failed";
}

void PointerSettings::setDoubleClickSpeed(unsigned position) {
    m_store.write(kDoubleClick, position);
    if (!m_backend || !m_backend->setDoubleClickTime(doubleClickTime(position)))
        qDebug() << "setDoubleClickSpeed Failed";
}

unsigned PointerSettings::cursorSpeed() const {
    return m_store.read(kCursorSpeed, 0u).toUInt();
}

unsigned PointerSettings::verticalScrollLines() const {
    return m_store.read(kScrollLines, 0u).toUInt();
}

unsigned PointerSettings::doubleClickSpeed() const {
    return m_store.read(kDoubleClick, 0u).toUInt();
}

bool PointerSettings::acceleration() {
    bool enabled = false;
    if (!m_backend || !m_backend->acceleration(&enabled)) {
        qDebug() << "getAcceleration Failed";
        return false;
    }
    return enabled;
}

void PointerSettings::setAcceleration(bool enabled) {
    bool current = false;
    if (!m_backend || !m_backend->acceleration(&current)) {
        qDebug() << "setAcceleration Failed";
        return;
    }
    if (!m_backend->setAcceleration(enabled))
        qDebug() << "setAcceleration Failed";
}
