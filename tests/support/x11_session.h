#pragma once

// A private X display for tests: Xvfb on a display it picks itself (tests run in parallel),
// with a small EWMH window manager (evilwm) that keeps _NET_ACTIVE_WINDOW, so that
// "xdotool windowactivate" works as on a desktop. Test windows are plain xcb windows with a
// class and a title of the test's choosing.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <string>

class X11Session {
public:
    X11Session() {
        // A display number of our own: other sessions on the machine may hold low numbers,
        // and a server that does not get its number ends at once; then the next is tried.
        QDeadlineTimer deadline(20000);
        // A number is not used twice in one process: a window manager started on a number
        // whose server just ended was seen to hang.
        static int next = 300 + int(QCoreApplication::applicationPid() % 500);
        for (int n = next; n < 1000 && m_display.isEmpty(); n = ++next) {
            if (QFile::exists(QString("/tmp/.X%1-lock").arg(n)) ||
                QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n)))
                continue;
            m_server.start(
                "Xvfb", {QString(":%1").arg(n), "-screen", "0", "800x600x24", "-nolisten", "tcp"});
            while (!deadline.hasExpired() && m_server.state() != QProcess::NotRunning &&
                   !QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n)))
                QThread::msleep(20);
            if (m_server.state() != QProcess::NotRunning && serves(n))
                m_display = QByteArray(":") + QByteArray::number(n);
            else if (m_server.state() != QProcess::NotRunning) {
                m_server.kill();
                m_server.waitForFinished();
            }
        }
        if (m_display.isEmpty())
            return;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", QString::fromLatin1(m_display));
        m_wm.setProcessEnvironment(env);
        int starts = 0;
        // Ready once the manager announces itself on the root window. A manager that
        // ended before that (seen now and then on a server just started) is started again.
        while (!deadline.hasExpired() && !rootHas("_NET_SUPPORTING_WM_CHECK")) {
            if (m_wm.state() == QProcess::NotRunning) {
                if (starts++ > 0)
                    m_wmErrors += m_wm.readAllStandardError();
                m_wm.start("evilwm", {"-fn", "fixed"}); // its default font is not always there
            }
            m_wm.waitForFinished(20);
        }
    }
    ~X11Session() {
        m_wm.kill();
        m_wm.waitForFinished();
        // Asked, not killed: the server then removes its lock file and socket.
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished();
        }
    }

    bool isReady() const { return !m_display.isEmpty() && rootHas("_NET_SUPPORTING_WM_CHECK"); }
    // What went wrong, for a failure message.
    std::string problem() {
        auto state = [](QProcess &p) {
            return QByteArray(p.state() == QProcess::NotRunning ? "ended " : "running ") +
                   QByteArray::number(p.exitCode()) + " " + p.readAllStandardError().right(300);
        };
        return ("display '" + m_display + "'; X server: " + state(m_server) +
                "; window manager: " + state(m_wm) + " earlier: " + m_wmErrors.right(300))
            .toStdString();
    }
    const QByteArray &display() const { return m_display; }

    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", QString::fromLatin1(m_display));
        env.remove("WAYLAND_DISPLAY");
        env.remove("XDG_SESSION_TYPE");
        return env;
    }

    // "xdotool windowactivate --sync": asks the window manager to focus the window.
    bool activate(xcb_window_t window) const {
        QProcess p;
        p.setProcessEnvironment(environment());
        p.start("xdotool", {"windowactivate", "--sync", QString::number(window)});
        return p.waitForFinished(10000) && p.exitCode() == 0;
    }

private:
    static bool serves(int n) {
        xcb_connection_t *c =
            xcb_connect(QByteArray(":" + QByteArray::number(n)).constData(), nullptr);
        const bool ok = !xcb_connection_has_error(c);
        xcb_disconnect(c);
        return ok;
    }

    bool rootHas(const char *atomName) const {
        xcb_connection_t *c = xcb_connect(m_display.constData(), nullptr);
        bool found = false;
        if (!xcb_connection_has_error(c)) {
            xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
                c, xcb_intern_atom(c, 1, uint16_t(strlen(atomName)), atomName), nullptr);
            if (atom && atom->atom != XCB_ATOM_NONE) {
                const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
                xcb_get_property_reply_t *p = xcb_get_property_reply(
                    c, xcb_get_property(c, 0, root, atom->atom, XCB_ATOM_ANY, 0, 1), nullptr);
                found = p && p->type != XCB_ATOM_NONE;
                free(p);
            }
            free(atom);
        }
        xcb_disconnect(c);
        return found;
    }

    QProcess m_server;
    QProcess m_wm;
    QByteArray m_wmErrors;
    QByteArray m_display;
};

// A top-level window on the session's display, alive as long as the object.
class TestWindow {
public:
    TestWindow(const QByteArray &display, const QByteArray &instance, const QByteArray &cls,
               const QByteArray &title) {
        m_c = xcb_connect(display.constData(), nullptr);
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        m_window = xcb_generate_id(m_c);
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, m_window, screen->root, 10, 10, 200, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        const QByteArray wmClass = instance + '\0' + cls + '\0';
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_window, XCB_ATOM_WM_CLASS,
                            XCB_ATOM_STRING, 8, uint32_t(wmClass.size()), wmClass.constData());
        setTitle(title);
        xcb_map_window(m_c, m_window);
        xcb_flush(m_c);
    }
    ~TestWindow() { xcb_disconnect(m_c); }

    // The plain WM_NAME, as simple X clients have it.
    void setTitle(const QByteArray &title) {
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING,
                            8, uint32_t(title.size()), title.constData());
        xcb_flush(m_c);
    }
    xcb_window_t id() const { return m_window; }

private:
    xcb_connection_t *m_c = nullptr;
    xcb_window_t m_window = 0;
};
