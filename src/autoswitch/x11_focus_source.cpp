#include "x11_focus_source.h"

#include <QSocketNotifier>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t internAtom(xcb_connection_t *c, const char *name) {
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

// A property's bytes; empty when the window or the property is gone.
QByteArray readProperty(xcb_connection_t *c, xcb_window_t window, xcb_atom_t property,
                        xcb_atom_t type) {
    // 1024 units of 32 bits: 4 KiB, more than any class or title a desktop shows.
    xcb_get_property_reply_t *reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1024), nullptr);
    QByteArray bytes;
    if (reply && reply->type != XCB_ATOM_NONE)
        bytes = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                           xcb_get_property_value_length(reply));
    free(reply);
    return bytes;
}

} // namespace

struct X11FocusSource::Private {
    X11FocusSource *q = nullptr;
    xcb_connection_t *c = nullptr;
    xcb_window_t root = XCB_WINDOW_NONE;
    xcb_atom_t activeWindow = XCB_ATOM_NONE;
    xcb_atom_t netWmName = XCB_ATOM_NONE;
    xcb_atom_t utf8String = XCB_ATOM_NONE;
    xcb_window_t active = XCB_WINDOW_NONE;
    FocusedWindow focus;
    QSocketNotifier *notifier = nullptr;

    ~Private() {
        if (c)
            xcb_disconnect(c);
    }

    void watchProperties(xcb_window_t window, bool on) {
        const uint32_t mask = on ? XCB_EVENT_MASK_PROPERTY_CHANGE : XCB_EVENT_MASK_NO_EVENT;
        // Unchecked: the window may be gone already, and the error is of no interest.
        xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &mask);
    }

    FocusedWindow describe(xcb_window_t window) const {
        FocusedWindow w;
        if (window == XCB_WINDOW_NONE)
            return w;
        w.known = true;
        // WM_CLASS: instance and class, each ending in a NUL.
        const QList<QByteArray> cls =
            readProperty(c, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING).split('\0');
        w.instance = QString::fromLocal8Bit(cls.value(0));
        w.windowClass = QString::fromLocal8Bit(cls.value(1));
        QByteArray title = readProperty(c, window, netWmName, utf8String);
        if (title.isEmpty())
            title = readProperty(c, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY);
        w.title = QString::fromUtf8(title);
        return w;
    }

    void refresh() {
        const QByteArray id = readProperty(c, root, activeWindow, XCB_ATOM_WINDOW);
        xcb_window_t now = XCB_WINDOW_NONE;
        if (id.size() >= 4)
            memcpy(&now, id.constData(), 4);
        if (now != active) {
            if (active != XCB_WINDOW_NONE)
                watchProperties(active, false);
            if (now != XCB_WINDOW_NONE)
                watchProperties(now, true);
            active = now;
        }
        xcb_flush(c);
        const FocusedWindow w = describe(active);
        if (w != focus) {
            focus = w;
            emit q->focusChanged();
        }
    }

    // Replies to our own requests may queue events that the socket no longer announces,
    // so the queue is drained again after every refresh.
    void readEvents() {
        for (;;) {
            bool changed = false;
            while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
                if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                    const auto *p = reinterpret_cast<xcb_property_notify_event_t *>(event);
                    if ((p->window == root && p->atom == activeWindow) ||
                        (p->window == active &&
                         (p->atom == XCB_ATOM_WM_CLASS || p->atom == XCB_ATOM_WM_NAME ||
                          p->atom == netWmName)))
                        changed = true;
                }
                free(event);
            }
            if (xcb_connection_has_error(c)) {
                // The display went away (the session ended): no focus from now on.
                notifier->setEnabled(false);
                if (focus.known) {
                    focus = FocusedWindow();
                    emit q->focusChanged();
                }
                return;
            }
            if (!changed)
                return;
            refresh();
        }
    }
};

X11FocusSource::X11FocusSource(const QByteArray &display, QObject *parent)
    : FocusSource(parent), d(new Private) {
    d->q = this;
    if (isWaylandSession())
        return;
    int screenNumber = 0;
    d->c = xcb_connect(display.isEmpty() ? nullptr : display.constData(), &screenNumber);
    if (xcb_connection_has_error(d->c)) {
        xcb_disconnect(d->c);
        d->c = nullptr;
        return;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(d->c));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    d->root = it.data->root;
    d->activeWindow = internAtom(d->c, "_NET_ACTIVE_WINDOW");
    d->netWmName = internAtom(d->c, "_NET_WM_NAME");
    d->utf8String = internAtom(d->c, "UTF8_STRING");
    d->watchProperties(d->root, true);
    d->notifier = new QSocketNotifier(xcb_get_file_descriptor(d->c), QSocketNotifier::Read, this);
    connect(d->notifier, &QSocketNotifier::activated, this, [this] { d->readEvents(); });
    d->refresh();
    d->readEvents();
}

X11FocusSource::~X11FocusSource() = default;

bool X11FocusSource::isAvailable() const {
    return d->c != nullptr && !xcb_connection_has_error(d->c);
}

FocusedWindow X11FocusSource::current() const {
    return d->focus;
}

bool X11FocusSource::isWaylandSession() {
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}
