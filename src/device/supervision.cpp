// Handshake, device switch and the device watch.
#include "cipher.h"
#include "device_flags.h"
#include "device_owner.h"
#include "dialogs.h"
#include "hid_thread.h"
#include "mouse_commands.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QSettings>
#include <QThreadPool>
#include <QtConcurrent>

namespace {

const QString kDemoCode = QStringLiteral("k-wodrum");
const QString kDefaultCode = QStringLiteral("482915");
constexpr uchar kAckReport[4] = {0x04, 0x04, 0x00, 0x00};

} // namespace

void Hid_Thread::swichCurDevice(uint did) {
    if (int(did) != currentDeviceIndex()) {
        m_currentIndex.store(int(did), std::memory_order_release);
        startWatch(int(did));
    }
    chkDeviceIsEnCode();
}

void Hid_Thread::startWatch(int index) {
    stopWatch();
    m_watchRunning.store(true, std::memory_order_release);
    m_watchFuture =
        QtConcurrent::run(QThreadPool::globalInstance(), &Hid_Thread::deviceWatch, this, index);
}

void Hid_Thread::keepWatching(int index) {
    // Only the watch reads the acknowledgements that end a pause after 64 ms instead of 128,
    // so it runs from the first accepted device on; after a removal ended it, the next
    // accepted device starts it again.
    if (m_watchFuture.isFinished())
        startWatch(index);
}

void Hid_Thread::stopWatch() {
    m_watchRunning.store(false, std::memory_order_release);
    m_watchFuture.waitForFinished();
}

void Hid_Thread::deviceWatch(int index) {
    const std::shared_ptr<DeviceEntry> entry = entryAt(index);
    if (!entry || pathOf(*entry, false).isEmpty())
        return;
    while (m_watchRunning.load(std::memory_order_acquire)) {
        HidDevice *dev = openSecondary(index);
        if (!dev) {
            qDebug("Device removed");
            if (const std::shared_ptr<DeviceEntry> current = entryAt(index))
                clearPath(*current, false);
            m_watchRunning.store(false, std::memory_order_release);
            return;
        }
        uchar report[4] = {};
        int got = 0;
        for (int waited = 0; got == 0 && waited < kWatchReadMs &&
                             m_watchRunning.load(std::memory_order_acquire);
             waited += kWatchSliceMs)
            got = dev->readTimeout(report, sizeof report, kWatchSliceMs);
        if (got == 4 && std::equal(report, report + 4, kAckReport))
            m_ack.store(true, std::memory_order_release);
        m_secondary.reset();
    }
}

void Hid_Thread::refuseUnknownDevice() {
    if (!m_owner)
        return;
    const std::shared_ptr<DeviceEntry> entry = entryAt(currentDeviceIndex());
    const QString name = entry ? entry->name : QString();
    if (Dialogs *dialogs = m_owner->ownerDialogs())
        dialogs->warning(m_owner->ownerTitle(), QStringLiteral("Can not detect %1 !").arg(name));
    m_owner->postCloseRequest();
}

void Hid_Thread::chkDeviceIsEnCode() {
    const int index = currentDeviceIndex();
    if (!DeviceFlags::encryption.load(std::memory_order_acquire)) {
        // Without the cipher there is nothing to prove; a device is usable when both of its
        // interfaces were found. Start-up then shows the window or tells the user.
        const std::shared_ptr<DeviceEntry> entry = entryAt(index);
        const bool found =
            entry && !pathOf(*entry, true).isEmpty() && !pathOf(*entry, false).isEmpty();
        DeviceFlags::connected.store(found, std::memory_order_release);
        if (found)
            keepWatching(index);
        else
            refuseUnknownDevice();
        return;
    }

    QString code;
    if (index == 0 || index == 1) {
        code = m_appConfig
                   ? m_appConfig->value(QStringLiteral("common/sCode%1").arg(index), kDefaultCode)
                         .toString()
                   : kDefaultCode;
    }
    if (code.size() == 6)
        loadSecrecyCode(code.toLatin1().constData());

    // Seeded with whole seconds: two handshakes in the same second send the same challenge.
    QRandomGenerator generator(quint32(QDateTime::currentDateTime().toSecsSinceEpoch()));
    uchar challenge[4];
    for (uchar &c : challenge)
        c = uchar(generator.generate() & 0xFF);

    uchar answer[4] = {challenge[0], challenge[1], challenge[2], challenge[3]};
    // The same as hid_00H_GetSecrecyCode, but it must know whether the read worked: a failed
    // read yields zeros, which would pass against an all-zero challenge.
    const bool answered =
        runRead(rowFor(MouseCommands::kRead, 0x00), {answer[0], answer[1], answer[2], answer[3]},
                {&answer[0], &answer[1], &answer[2], &answer[3]}) == ReadOutcome::Done;
    if (answered && std::equal(answer, answer + 4, challenge)) {
        qDebug("Device Connect");
        DeviceFlags::connected.store(true, std::memory_order_release);
        keepWatching(index);
        return;
    }
    qDebug("Device Error");
    DeviceFlags::connected.store(false, std::memory_order_release);
    if (code == kDemoCode) {
        DeviceFlags::demo.store(true, std::memory_order_release);
        DeviceFlags::connected.store(true, std::memory_order_release);
        DeviceFlags::encryption.store(false, std::memory_order_release);
        return;
    }
    refuseUnknownDevice();
}
