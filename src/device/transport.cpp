// The one choke point between the command layer and the bus: report ID, cipher and data
// phases are added here and nowhere else.
#include "cipher.h"
#include "device_flags.h"
#include "hid_thread.h"

#include <QThread>

#include <algorithm>
#include <cstring>

namespace {

// Runs `release` on every way out of a transfer (it gives the idle flag back).
template <typename Release> class IdleOnExit {
public:
    explicit IdleOnExit(Release release) : m_release(release) {}
    ~IdleOnExit() { m_release(); }

private:
    Release m_release;
};

bool encrypting() {
    return DeviceFlags::encryption.load(std::memory_order_acquire);
}

void encipher(uchar frame[]) {
    uchar code[8];
    copySecrecyCode(code);
    USBDataEncryption(frame, code);
}

void decipher(uchar frame[]) {
    uchar code[8];
    copySecrecyCode(code);
    USBDataDecipher(frame, code);
}

} // namespace

HidDevice *Hid_Thread::openInterface(int index, bool primary) {
    std::unique_ptr<HidDevice> &handle = primary ? m_primary : m_secondary;
    const std::shared_ptr<DeviceEntry> entry = entryAt(index);
    if (!entry)
        return nullptr;
    const QString path = pathOf(*entry, primary);
    if (path.isEmpty())
        return nullptr;
    handle.reset();
    if (m_backend)
        handle = m_backend->open(path);
    if (!handle)
        clearPath(*entry, primary); // unusable until the next device check
    return handle.get();
}

HidDevice *Hid_Thread::openPrimary(int index) {
    return openInterface(index, true);
}

HidDevice *Hid_Thread::openSecondary(int index) {
    return openInterface(index, false);
}

bool Hid_Thread::transferAllowed() const {
    return DeviceFlags::languageCheck.load(std::memory_order_acquire) &&
           !DeviceFlags::demo.load(std::memory_order_acquire);
}

HidDevice *Hid_Thread::sendRequest(int index) {
    if (!transferAllowed() || !openPrimary(index))
        return nullptr;
    if (encrypting())
        encipher(requestReport + 1);
    HidDevice *dev = openPrimary(index);
    if (!dev || dev->sendFeatureReport(requestReport, kFrameReportSize) < 0) {
        m_primary.reset();
        return nullptr;
    }
    return dev;
}

int Hid_Thread::dataReportLength(int index, int dataLength) const {
    const std::shared_ptr<DeviceEntry> entry = entryAt(index);
    const int length = entry ? int(entry->reportLength) : 0;
    return dataLength > kDataBufferSize ? 0 : length;
}

bool Hid_Thread::sendFrame(int dataLength, bool ackWait) {
    IdleOnExit idle([this] { releaseIdle(); });
    const int index = currentDeviceIndex();
    if (ackWait)
        armAck();
    HidDevice *dev = sendRequest(index);
    if (!dev)
        return false;
    if (ackWait)
        waitAck();
    if (dataLength <= 0) {
        m_primary.reset();
        return true;
    }

    const int length = dataReportLength(index, dataLength);
    if (length <= 0) {
        m_primary.reset();
        return false;
    }
    const int chunk = std::min(dataLength, length);
    std::vector<uchar> report(size_t(length) + 1, 0);
    for (int offset = 0; offset < dataLength; offset += chunk) {
        report[0] = 0x00;
        const int part = std::min(chunk, dataLength - offset);
        std::memcpy(report.data() + 1, dataBuffer + offset, size_t(part));
        std::fill(report.begin() + 1 + part, report.end(), uchar(0));
        // The device acknowledges the data once its last report is in.
        if (ackWait && offset + chunk >= dataLength)
            armAck();
        dev = openPrimary(index);
        if (!dev || dev->write(report.data(), report.size()) < 0) {
            m_primary.reset();
            return false;
        }
        QThread::msleep(kPauseMs);
    }
    if (ackWait)
        waitAck();
    m_primary.reset();
    return true;
}

bool Hid_Thread::queryFrame(int dataLength) {
    IdleOnExit idle([this] { releaseIdle(); });
    const int index = currentDeviceIndex();
    HidDevice *dev = sendRequest(index);
    if (!dev)
        return false;
    dev = openPrimary(index);
    if (!dev || dev->getFeatureReport(replyReport, kFrameReportSize) < 0) {
        m_primary.reset();
        return false;
    }
    if (dataLength <= 0) {
        m_primary.reset();
        if (encrypting())
            decipher(replyReport + 1);
        return true;
    }

    const int length = dataReportLength(index, dataLength);
    if (length <= 0) {
        m_primary.reset();
        return false;
    }
    const int chunk = std::min(dataLength, length);
    std::vector<uchar> report(size_t(length) + 1);
    for (int offset = 0; offset < dataLength; offset += chunk) {
        std::fill(report.begin(), report.end(), uchar(0));
        dev = openPrimary(index);
        // A report that never comes fails the transfer instead of blocking for good.
        if (!dev || dev->readTimeout(report.data(), report.size(), kDataReadTimeoutMs) <= 0) {
            m_primary.reset();
            return false;
        }
        std::memcpy(dataBuffer + offset, report.data(),
                    size_t(std::min(chunk, dataLength - offset)));
    }
    m_primary.reset();
    return true;
}
