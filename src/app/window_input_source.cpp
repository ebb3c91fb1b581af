#include "window_input_source.h"

#include "evdev_key_table.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QQuickRenderControl>
#include <QQuickWindow>
#include <QWheelEvent>

#include <linux/input-event-codes.h>

#include <utility>

namespace {

// X11 and Wayland number keys as the Linux key code plus this.
constexpr quint32 kNativeScanCodeOffset = 8;

struct ButtonMessages {
    quint32 down;
    quint32 up;
    quint32 doubleClick;
};

bool messagesFor(Qt::MouseButton button, ButtonMessages *messages) {
    switch (button) {
    case Qt::LeftButton:
        *messages = {HookMessage::LeftButtonDown, HookMessage::LeftButtonUp,
                     HookMessage::LeftButtonDoubleClick};
        return true;
    case Qt::RightButton:
        *messages = {HookMessage::RightButtonDown, HookMessage::RightButtonUp,
                     HookMessage::RightButtonDoubleClick};
        return true;
    case Qt::MiddleButton:
        *messages = {HookMessage::MiddleButtonDown, HookMessage::MiddleButtonUp,
                     HookMessage::MiddleButtonDoubleClick};
        return true;
    case Qt::NoButton:
        return false;
    default: // back, forward and the other extra buttons
        *messages = {HookMessage::SideButtonDown, HookMessage::SideButtonUp,
                     HookMessage::SideButtonDoubleClick};
        return true;
    }
}

// A Qt Quick scene shown inside a widget gets every event a second time, forwarded by the
// widget to its own off-screen window; only the real windows count.
bool isScreenWindow(QObject *object) {
    if (!object->isWindowType())
        return false;
    auto *quickWindow = qobject_cast<QQuickWindow *>(object);
    return !quickWindow || !QQuickRenderControl::renderWindowFor(quickWindow);
}

} // namespace

WindowInputSource::~WindowInputSource() {
    stop();
}

bool WindowInputSource::start() {
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    if (!m_started)
        app->installEventFilter(this);
    m_started = true;
    return true;
}

void WindowInputSource::stop() {
    if (m_started && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    m_started = false;
    // Whatever observes next reports the releases of these keys itself.
    m_held.clear();
}

void WindowInputSource::releaseHeldKeys() {
    HeldModifiers held;
    for (int key : {KEY_LEFTALT, KEY_RIGHTALT})
        held.alt = held.alt || m_held.contains(key);
    for (int key : {KEY_LEFTCTRL, KEY_RIGHTCTRL})
        held.ctrl = held.ctrl || m_held.contains(key);
    const QList<int> keys = std::exchange(m_held, {});
    for (int key : keys) {
        KeyboardHookEvent record;
        if (keyboardHookEventFor(key, false, held, &record))
            emit keyboardEvent(record);
    }
}

bool WindowInputSource::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (!isScreenWindow(watched))
            break;
        const auto *key = static_cast<QKeyEvent *>(event);
        // An auto-repeat comes as a release and a press; the hooks only ever saw the press.
        if (type == QEvent::KeyRelease && key->isAutoRepeat())
            break;
        if (key->nativeScanCode() < kNativeScanCodeOffset)
            break;
        HeldModifiers held;
        held.alt = key->modifiers().testFlag(Qt::AltModifier);
        held.ctrl = key->modifiers().testFlag(Qt::ControlModifier);
        const int linuxKey = int(key->nativeScanCode() - kNativeScanCodeOffset);
        const bool isDown = type == QEvent::KeyPress;
        KeyboardHookEvent record;
        if (!keyboardHookEventFor(linuxKey, isDown, held, &record))
            break;
        if (isDown && !m_held.contains(linuxKey))
            m_held.append(linuxKey);
        else if (!isDown)
            m_held.removeAll(linuxKey);
        emit keyboardEvent(record);
        break;
    }
    case QEvent::ApplicationStateChange:
        if (static_cast<QApplicationStateChangeEvent *>(event)->applicationState() !=
            Qt::ApplicationActive)
            releaseHeldKeys();
        break;
    case QEvent::ApplicationDeactivate:
        releaseHeldKeys();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        if (!isScreenWindow(watched))
            break;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        ButtonMessages messages;
        if (!messagesFor(mouse->button(), &messages))
            break;
        const quint32 message = type == QEvent::MouseButtonPress     ? messages.down
                                : type == QEvent::MouseButtonRelease ? messages.up
                                                                     : messages.doubleClick;
        const QPoint at = mouse->globalPosition().toPoint();
        emit mouseEvent({message, at.x(), at.y()});
        break;
    }
    case QEvent::Wheel: {
        if (!isScreenWindow(watched))
            break;
        const auto *wheel = static_cast<QWheelEvent *>(event);
        const QPoint at = wheel->globalPosition().toPoint();
        emit mouseEvent(
            {wheel->angleDelta().y() != 0 ? HookMessage::Wheel : HookMessage::HorizontalWheel,
             at.x(), at.y()});
        break;
    }
    default:
        break;
    }
    return false; // observed only: the window still gets every event
}
