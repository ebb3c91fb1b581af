#include "evdev_input_source.h"

#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QTimer>

#include <bitset>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// udev sets a new node's owner and permissions a moment after it appears.
constexpr int kPermissionDelayMs = 1000;

bool hasKeysOrButtons(int fd) {
    unsigned long types = 0;
    if (ioctl(fd, EVIOCGBIT(0, sizeof(types)), &types) < 0)
        return false;
    return (types & (1ul << EV_KEY)) != 0;
}

// A keyboard has every letter key; power buttons, media remotes, mice and gamepads have none.
bool hasLetterKeys(int fd) {
    unsigned char keys[KEY_CNT / 8 + 1] = {};
    if (ioctl(fd, EVIOCGBIT(EV_KEY, sizeof(keys)), keys) < 0)
        return false; // not an event device
    const int letters[] = {KEY_A, KEY_B, KEY_C, KEY_D, KEY_E, KEY_F, KEY_G, KEY_H, KEY_I,
                           KEY_J, KEY_K, KEY_L, KEY_M, KEY_N, KEY_O, KEY_P, KEY_Q, KEY_R,
                           KEY_S, KEY_T, KEY_U, KEY_V, KEY_W, KEY_X, KEY_Y, KEY_Z};
    for (int key : letters)
        if (!(keys[key / 8] & (1u << (key % 8))))
            return false;
    return true;
}

} // namespace

struct EvdevInputSource::Device {
    int fd = -1;
    QString path;
    bool keyboard = false;
    QSocketNotifier *notifier = nullptr;
    QByteArray pending;        // the start of a record whose rest has not arrived yet
    std::bitset<KEY_CNT> held; // keys and buttons down as far as the records told
    bool dropping = false;     // the kernel lost records: skip to the next report
};

EvdevInputSource::EvdevInputSource(QObject *parent) : InputSource(parent) {}

EvdevInputSource::~EvdevInputSource() {
    stop();
}

bool EvdevInputSource::start() {
    scanFolder();
    if (!m_watcher && QDir(m_folder).exists()) {
        m_watcher = new QFileSystemWatcher(QStringList{m_folder}, this);
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
            scanFolder();
            QTimer::singleShot(kPermissionDelayMs, m_watcher, [this] {
                scanFolder();
                announce();
            });
            announce();
        });
    }
    if (!m_watcher && m_devices.empty()) {
        stop(); // nothing to read and nowhere a keyboard could appear
        return false;
    }
    m_started = true;
    m_told = hasKeyboard();
    return m_told;
}

void EvdevInputSource::stop() {
    m_started = false;
    delete m_watcher;
    m_watcher = nullptr;
    while (!m_devices.empty())
        removeDevice(m_devices.back().get());
    m_modifiers = HeldModifierKeys();
}

int EvdevInputSource::deviceCount() const {
    return int(m_devices.size());
}

bool EvdevInputSource::hasKeyboard() const {
    for (const auto &device : m_devices)
        if (device->keyboard)
            return true;
    return false;
}

void EvdevInputSource::announce() {
    if (!m_started || hasKeyboard() == m_told)
        return;
    m_told = !m_told;
    emit availabilityChanged(m_told);
}

void EvdevInputSource::scanFolder() {
    const QStringList names =
        QDir(m_folder).entryList({QStringLiteral("event*")}, QDir::System | QDir::Files);
    for (const QString &name : names) {
        const QString path = QDir(m_folder).filePath(name);
        bool known = false;
        for (const auto &device : m_devices)
            known = known || device->path == path;
        if (known)
            continue;
        const int fd =
            ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue; // no permission yet, or gone again
        if (!hasKeysOrButtons(fd)) {
            ::close(fd);
            continue;
        }
        openDevice(fd, path, Kind::AskTheDevice);
    }
}

void EvdevInputSource::addDevice(int fd, const QString &path, Kind kind) {
    openDevice(fd, path, kind);
    announce();
}

void EvdevInputSource::openDevice(int fd, const QString &path, Kind kind) {
    const int flags = fcntl(fd, F_GETFL);
    if (flags >= 0)
        fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    auto device = std::make_unique<Device>();
    device->fd = fd;
    device->path = path;
    device->keyboard = kind == Kind::Keyboard || (kind == Kind::AskTheDevice && hasLetterKeys(fd));
    device->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    Device *raw = device.get();
    connect(device->notifier, &QSocketNotifier::activated, this, [this, raw] { readDevice(raw); });
    m_devices.push_back(std::move(device));
    ++m_generation;
}

void EvdevInputSource::removeDevice(Device *device) {
    for (auto it = m_devices.begin(); it != m_devices.end(); ++it) {
        if (it->get() != device)
            continue;
        // The notifier may be the one whose signal is running: let it go later.
        device->notifier->setEnabled(false);
        device->notifier->deleteLater();
        ::close(device->fd);
        m_devices.erase(it);
        ++m_generation;
        return;
    }
}

void EvdevInputSource::readDevice(Device *device) {
    char buffer[64 * sizeof(input_event)];
    for (;;) {
        const ssize_t n = ::read(device->fd, buffer, sizeof(buffer));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (n <= 0) {
            removeDevice(device); // end of file, or the device went away (ENODEV)
            announce();
            return;
        }
        device->pending.append(buffer, int(n));
        const int whole = int(device->pending.size() / int(sizeof(input_event)));
        const QByteArray records = device->pending.left(whole * int(sizeof(input_event)));
        device->pending.remove(0, records.size());
        const quint64 generation = m_generation;
        for (int i = 0; i < whole; ++i) {
            input_event record;
            memcpy(&record, records.constData() + i * int(sizeof(input_event)), sizeof(record));
            handleRecord(device, record.type, record.code, record.value);
            if (m_generation != generation)
                return; // a receiver stopped the source; `device` may be gone
        }
    }
}

void EvdevInputSource::handleRecord(Device *device, int type, int code, int value) {
    if (type == EV_SYN && code == SYN_DROPPED) {
        device->dropping = true;
        return;
    }
    if (device->dropping) {
        if (type == EV_SYN && code == SYN_REPORT) {
            device->dropping = false;
            resynchronise(device);
        }
        return;
    }
    if (type == EV_KEY) {
        handleKey(device, code, value != 0); // value 2 is an auto-repeat: another down
        return;
    }
    if (type == EV_REL && (code == REL_WHEEL || code == REL_HWHEEL)) {
        const QPoint at = m_pointerPosition ? m_pointerPosition() : QPoint();
        emit mouseEvent({code == REL_WHEEL ? HookMessage::Wheel : HookMessage::HorizontalWheel,
                         at.x(), at.y()});
    }
}

void EvdevInputSource::handleKey(Device *device, int code, bool isDown) {
    if (code < 0 || code >= KEY_CNT)
        return;
    device->held[std::size_t(code)] = isDown;
    if (const quint32 message = mouseHookMessageFor(code, isDown)) {
        const QPoint at = m_pointerPosition ? m_pointerPosition() : QPoint();
        emit mouseEvent({message, at.x(), at.y()});
        return;
    }
    m_modifiers.note(code, isDown);
    KeyboardHookEvent event;
    if (keyboardHookEventFor(code, isDown, m_modifiers.held(), &event))
        emit keyboardEvent(event);
}

// Records were lost while the program was busy; a lost release would leave the key down
// for good, and its next press unreported. Report what changed meanwhile, releases first,
// from the device's own key state, or release everything where it cannot be asked.
void EvdevInputSource::resynchronise(Device *device) {
    unsigned char bits[KEY_CNT / 8 + 1] = {};
    const bool known = ioctl(device->fd, EVIOCGKEY(sizeof(bits)), bits) >= 0;
    const auto isDownNow = [&](int code) {
        return known && (bits[code / 8] & (1u << (code % 8))) != 0;
    };
    const quint64 generation = m_generation;
    for (bool releases : {true, false}) {
        for (int code = 0; code < KEY_CNT; ++code) {
            const bool wasDown = device->held[std::size_t(code)];
            if (wasDown == isDownNow(code) || wasDown != releases)
                continue;
            handleKey(device, code, !wasDown);
            if (m_generation != generation)
                return;
        }
    }
}
