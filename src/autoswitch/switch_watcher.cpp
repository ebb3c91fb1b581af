#include "switch_watcher.h"

#include "device_change_source.h"
#include "focus_source.h"
#include "rules_file.h"
#include "window_presence.h"
#include "x11_focus_source.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>

#include <algorithm>

SwitchWatcher::SwitchWatcher(MouseLink &link, QString rulesPath, WatcherSources sources,
                             AutoSwitcher::Log log, QObject *parent)
    : QObject(parent), m_link(link), m_rulesPath(std::move(rulesPath)), m_sources(sources),
      m_log(log), m_switcher(link, log), m_scanner(sources.procRoot) {
    m_scanTimer.setInterval(kScanIntervalMs);
    m_scanTimer.setTimerType(Qt::VeryCoarseTimer);
    connect(&m_scanTimer, &QTimer::timeout, this, &SwitchWatcher::scanPrograms);
    m_settleTimer.setSingleShot(true);
    m_settleTimer.setInterval(kSettleMs);
    connect(&m_settleTimer, &QTimer::timeout, this, &SwitchWatcher::checkDevice);
}

SwitchWatcher::~SwitchWatcher() = default;

void SwitchWatcher::start() {
    if (m_sources.focus && m_sources.focus->isAvailable()) {
        m_switcher.setFocus(m_sources.focus->current());
        connect(m_sources.focus, &FocusSource::focusChanged, this,
                [this] { m_switcher.setFocus(m_sources.focus->current()); });
    } else if (m_log) {
        m_log(QStringLiteral("no focused window can be read in this session (%1): only program "
                             "rules (exe:) switch profiles")
                  .arg(X11FocusSource::isWaylandSession() ? QStringLiteral("Wayland")
                                                          : QStringLiteral("no X display")));
    }
    if (m_sources.window) {
        m_switcher.setWindowOpen(m_sources.window->isWindowOpen());
        connect(m_sources.window, &WindowPresenceWatch::windowOpenChanged, this, [this](bool open) {
            if (!open && m_checkPending)
                checkDevice(); // a device change came while the window had the mouse
            m_switcher.setWindowOpen(open);
        });
    }
    if (m_sources.deviceChanges)
        connect(m_sources.deviceChanges, &DeviceChangeSource::devicesChanged, &m_settleTimer,
                qOverload<>(&QTimer::start));

    const QFileInfo rules(m_rulesPath);
    m_files = new QFileSystemWatcher(this);
    // The folder too: the file is replaced as a whole when it is saved, or made later.
    m_files->addPath(rules.absolutePath());
    if (rules.exists())
        m_files->addPath(rules.absoluteFilePath());
    connect(m_files, &QFileSystemWatcher::fileChanged, this, &SwitchWatcher::loadRules);
    connect(m_files, &QFileSystemWatcher::directoryChanged, this, &SwitchWatcher::loadRules);
    loadRules();

    if (m_switcher.isWindowOpen()) {
        m_checkPending = true;
    } else {
        const bool answers = m_link.connect();
        if (!answers && m_log)
            m_log(QStringLiteral("no mouse answers: waiting for it"));
        m_switcher.setMouseAnswers(answers);
    }
}

void SwitchWatcher::loadRules() {
    const QFileInfo info(m_rulesPath);
    if (info.exists() && !m_files->files().contains(info.absoluteFilePath()))
        m_files->addPath(info.absoluteFilePath());
    QFile file(m_rulesPath);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    // The folder also changes when profiles are saved: only a changed rules file counts.
    if (m_rulesRead && bytes == m_rulesBytes)
        return;
    m_rulesRead = true;
    m_rulesBytes = bytes;
    QStringList problems;
    const SwitchRules rules = RulesFile::load(m_rulesPath, &problems);
    for (const QString &p : problems) {
        if (m_log)
            m_log(m_rulesPath + QStringLiteral(": ") + p);
    }
    if (!rules.hasProgramRules()) {
        m_scanTimer.stop();
        m_switcher.setRules(rules);
        return;
    }
    // Only the end of a program some rule names has to be seen at once.
    QList<GlobPattern> patterns;
    for (const SwitchRule &r : rules.rules) {
        if (r.kind == SwitchRule::Kind::Program)
            patterns.append(r.pattern);
    }
    m_scanner.setInterest([patterns](const QString &name) {
        return std::any_of(patterns.begin(), patterns.end(),
                           [&name](const GlobPattern &p) { return p.matches(name); });
    });
    m_scanner.scan();
    m_scanTimer.start();
    m_switcher.setRules(rules, m_scanner.names());
}

void SwitchWatcher::scanPrograms() {
    if (m_scanner.scan())
        m_switcher.setPrograms(m_scanner.names());
}

void SwitchWatcher::checkDevice() {
    if (m_switcher.isWindowOpen()) {
        m_checkPending = true; // the window checks the device itself
        return;
    }
    m_checkPending = false;
    m_switcher.setMouseAnswers(m_link.connect());
}
