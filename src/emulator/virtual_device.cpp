#include "virtual_device.h"

#include "cipher.h"

#include <algorithm>

namespace {
// The device buffers only this many unread acknowledgements, as a HID input queue does.
constexpr size_t kAckQueueLimit = 16;
} // namespace

VirtualDevice::VirtualDevice(const Identity &identity, const QString &secrecyCode, bool cipher)
    : m_identity(identity), m_cipher(cipher) {
    const QByteArray code = secrecyCode.toLatin1();
    for (int k = 0; k < 6 && k < code.size(); ++k)
        m_code[k + 1] = uchar(code[k]);
}

void VirtualDevice::addSet(uchar code, LengthFn length, SetFn run) {
    m_commands.push_back({code, false, std::move(length), std::move(run), nullptr});
}

void VirtualDevice::addRead(uchar code, LengthFn length, ReadFn run) {
    m_commands.push_back({code, true, std::move(length), nullptr, std::move(run)});
}

void VirtualDevice::addSharedCommands() {
    // The challenge comes back as it was; only a host with the same code reads it unchanged.
    addRead(0x00, fixed(0), [](const CommandFrame &q, CommandFrame &r, Block &) {
        std::copy(q.begin() + 1, q.begin() + 5, r.begin() + 1);
    });
    addSet(0x01, fixed(0), [this](const CommandFrame &q, const Block &) { reportRate = q[1]; });
    addRead(0x81, fixed(0),
            [this](const CommandFrame &, CommandFrame &r, Block &) { r[1] = reportRate; });
}

const VirtualDevice::Command *VirtualDevice::find(uchar code) const {
    for (const Command &c : m_commands)
        if (c.code == code)
            return &c;
    return nullptr;
}

uchar VirtualDevice::noise() {
    m_noise ^= m_noise << 13;
    m_noise ^= m_noise >> 17;
    m_noise ^= m_noise << 5;
    return uchar(m_noise >> 11);
}

void VirtualDevice::acknowledge(qint64 nowMs) {
    if (m_noAnswer)
        return;
    std::deque<PendingInput> &queue = m_inputs[1];
    if (queue.size() >= kAckQueueLimit)
        queue.pop_front();
    queue.push_back({nowMs + m_ackDelayMs, m_ackReport});
}

void VirtualDevice::setFeature(const uchar *report, size_t length, qint64 nowMs,
                               QByteArray *plain) {
    if (length < 9)
        return;
    CommandFrame frame;
    std::copy(report + 1, report + 9, frame.begin());
    if (m_cipher)
        USBDataDecipher(frame.data(), m_code);
    if (plain)
        *plain = QByteArray(reinterpret_cast<const char *>(frame.data()), 8);

    m_pendingSet = nullptr;
    m_hasReply = false;
    if (hidCS(frame.data()) != frame[7]) {
        ++m_badChecksums;
        return;
    }
    const Command *command = find(frame[0]);
    if (!command) {
        ++m_unknownCommands;
        return;
    }
    if (command->read) {
        answerRead(*command, frame);
        return;
    }
    const int n = std::clamp(command->length(frame), 0, 512);
    if (n == 0) {
        command->set(frame, {});
        acknowledge(nowMs);
        return;
    }
    m_pendingSet = command;
    m_pendingRequest = frame;
    m_pendingLength = n;
    m_pendingData.clear();
    acknowledge(nowMs);
}

void VirtualDevice::answerRead(const Command &command, const CommandFrame &request) {
    const int n = std::clamp(command.length(request), 0, 512);
    CommandFrame reply{};
    reply[0] = request[0];
    Block data(size_t(n), 0);
    command.answer(request, reply, data);
    reply[7] = hidCS(reply.data());
    if (m_garbage) {
        for (uchar &b : reply)
            b = noise();
        for (uchar &b : data)
            b = noise();
    }
    // The firmware enciphers the reply of a frame-only read; a read with a data phase answers
    // with a plain frame, which the host takes as it comes.
    m_replyEnciphered = m_cipher && n == 0;
    if (m_replyEnciphered)
        USBDataEncryption(reply.data(), m_code);
    m_reply = reply;
    m_hasReply = true;

    m_inputs[0].clear();
    if (m_noAnswer || m_noData)
        return;
    const int length = m_identity.reportLength;
    for (int offset = 0; offset < n && length > 0; offset += length) {
        QByteArray report(length, '\0');
        const int part = std::min(length, n - offset);
        std::copy(data.begin() + offset, data.begin() + offset + part, report.begin());
        m_inputs[0].push_back({0, report});
    }
}

bool VirtualDevice::getFeature(QByteArray *report, QByteArray *plain) {
    if (m_noAnswer)
        return false;
    CommandFrame frame = m_hasReply ? m_reply : CommandFrame{};
    *report = QByteArray(1, '\0') + QByteArray(reinterpret_cast<const char *>(frame.data()), 8);
    if (plain && m_replyEnciphered && m_hasReply) {
        USBDataDecipher(frame.data(), m_code);
        *plain = QByteArray(reinterpret_cast<const char *>(frame.data()), 8);
    }
    return true;
}

void VirtualDevice::output(const uchar *report, size_t length, qint64 nowMs) {
    if (!m_pendingSet || length < 2)
        return;
    const int room = m_pendingLength - int(m_pendingData.size());
    const int part = std::min({room, m_identity.reportLength, int(length) - 1});
    m_pendingData.insert(m_pendingData.end(), report + 1, report + 1 + part);
    if (int(m_pendingData.size()) < m_pendingLength)
        return;
    const Command *command = m_pendingSet;
    m_pendingSet = nullptr;
    command->set(m_pendingRequest, m_pendingData);
    acknowledge(nowMs);
}

qint64 VirtualDevice::nextInputDue(int iface) const {
    const std::deque<PendingInput> &queue = m_inputs[iface == 2 ? 1 : 0];
    return queue.empty() ? -1 : queue.front().dueMs;
}

bool VirtualDevice::takeInput(int iface, qint64 nowMs, QByteArray *report, qint64 listeningSince) {
    std::deque<PendingInput> &queue = m_inputs[iface == 2 ? 1 : 0];
    while (iface == 2 && !queue.empty() && queue.front().dueMs < listeningSince)
        queue.pop_front();
    if (queue.empty() || queue.front().dueMs > nowMs)
        return false;
    *report = queue.front().report;
    queue.pop_front();
    return true;
}

DeviceInfo tableRecordFor(const VirtualDevice::Identity &identity, int type, const QString &name) {
    DeviceInfo info;
    info.type = type;
    info.vid = identity.vid;
    info.pid = identity.pid;
    info.usagePage = identity.usagePage;
    info.usage = identity.usage;
    info.usagePage2 = identity.usagePage2;
    info.usage2 = identity.usage2;
    info.name = name;
    info.reportLength = quint32(identity.reportLength);
    return info;
}
