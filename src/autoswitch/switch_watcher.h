#pragma once

#include "auto_switcher.h"
#include "process_scanner.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

class DeviceChangeSource;
class FocusSource;
class QFileSystemWatcher;
class WindowPresenceWatch;

// Where the watcher's news come from. Not owned; each may be null (no focus, no hot-plug
// notices, no window to mind).
struct WatcherSources {
    FocusSource *focus = nullptr;
    DeviceChangeSource *deviceChanges = nullptr;
    WindowPresenceWatch *window = nullptr;
    QByteArray procRoot = QByteArrayLiteral("/proc");
};

// `r8ctl auto run`: feeds the switcher from the rules file, the running programs, the
// focused window, the configurator's window and the device-change notices.
//
// Everything is event-driven except the process list, which Linux announces to no ordinary
// user: it is read once a second, and only while some rule names a program. The rules file
// is watched too, so rules added while the watcher runs take effect at once.
class SwitchWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kScanIntervalMs = 1000;
    // hidraw nodes come and go in bursts, and their permissions are set a moment after they
    // appear: the device is checked once things have settled.
    static constexpr int kSettleMs = 1000;

    SwitchWatcher(MouseLink &link, QString rulesPath, WatcherSources sources, AutoSwitcher::Log log,
                  QObject *parent = nullptr);
    ~SwitchWatcher() override;

    // Reads rules, programs, focus and window, checks the device, applies. Tells once when
    // no focused window can be read.
    void start();

    const AutoSwitcher &switcher() const { return m_switcher; }
    bool isScanning() const { return m_scanTimer.isActive(); }

private:
    void loadRules();
    void scanPrograms();
    void checkDevice();

    MouseLink &m_link;
    QString m_rulesPath;
    WatcherSources m_sources;
    AutoSwitcher::Log m_log;
    AutoSwitcher m_switcher;
    ProcessScanner m_scanner;
    QTimer m_scanTimer;
    QTimer m_settleTimer;
    QFileSystemWatcher *m_files = nullptr;
    QByteArray m_rulesBytes;
    bool m_rulesRead = false;
    bool m_checkPending = false;
};
