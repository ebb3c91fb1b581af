#include "hid_thread.h"

#include <QThread>
#include <QThreadPool>

Hid_Thread::Hid_Thread(HidBackend *backend, QObject *parent) : QObject(parent), m_backend(backend) {
    // The watch holds one pool thread for as long as it runs; a write task must never
    // queue behind it.
    QThreadPool *pool = QThreadPool::globalInstance();
    if (pool->maxThreadCount() < 2)
        pool->setMaxThreadCount(2);
}

Hid_Thread::~Hid_Thread() {
    stopWatch();
    // Write tasks are never awaited by the commands that start them; they still use this
    // object, so it must not go away under them.
    waitForTransfers();
}

void Hid_Thread::updateDeviceList(const QList<DeviceInfo> &records) {
    QList<std::shared_ptr<DeviceEntry>> list;
    for (int i = 0; i < records.size(); ++i) {
        const DeviceInfo &r = records[i];
        auto entry = std::make_shared<DeviceEntry>();
        *entry = {i, r.name, r.type, QString(), QString(), r.reportLength};
        list.append(entry);
    }
    // Only the mouse's record is looked for on the bus; the last match of each kind wins.
    if (records.size() > 1 && m_backend) {
        const DeviceInfo &r = records[1];
        QString p1, p2;
        for (const HidInterfaceInfo &it : m_backend->enumerate(r.vid, r.pid)) {
            if (it.usagePage == r.usagePage && it.usage == r.usage)
                p1 = it.path;
            if (it.usagePage == r.usagePage2 && it.usage == r.usage2)
                p2 = it.path;
            if (!p1.isEmpty() && !p2.isEmpty()) {
                list[1]->primaryPath = p1;
                list[1]->secondaryPath = p2;
            }
        }
    }
    QMutexLocker lock(&m_listMutex);
    // Entries a transfer or the watch still holds live on until they let go.
    m_devices = list;
}

QList<DeviceEntry> Hid_Thread::deviceList() const {
    QMutexLocker lock(&m_listMutex);
    QList<DeviceEntry> copy;
    for (const auto &entry : m_devices)
        copy.append(*entry);
    return copy;
}

std::shared_ptr<DeviceEntry> Hid_Thread::entryAt(int index) const {
    QMutexLocker lock(&m_listMutex);
    if (index < 0 || index >= m_devices.size())
        return nullptr;
    return m_devices[index];
}

QString Hid_Thread::pathOf(const DeviceEntry &entry, bool primary) const {
    QMutexLocker lock(&m_listMutex);
    return primary ? entry.primaryPath : entry.secondaryPath;
}

void Hid_Thread::clearPath(DeviceEntry &entry, bool primary) {
    QMutexLocker lock(&m_listMutex);
    (primary ? entry.primaryPath : entry.secondaryPath).clear();
}

void Hid_Thread::waitForTransfers() const {
    while (m_sendTasks.load(std::memory_order_acquire) > 0)
        QThread::msleep(1);
}
