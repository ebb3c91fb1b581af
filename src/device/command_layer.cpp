// The two command patterns every command row goes through, and the waits that serialise
// transfers.
#include "hid_thread.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent>

#include <algorithm>
#include <cstring>

namespace {

int dataLengthOf(int rowLength, int slotLength) {
    const int n = rowLength == kLengthFromSlot ? slotLength : rowLength;
    return std::clamp(n, 0, Hid_Thread::kDataBufferSize);
}

void storeFrame(uchar report[], const CommandFrame &frame) {
    report[0] = 0x00;
    std::memcpy(report + 1, frame.data(), frame.size());
}

} // namespace

bool Hid_Thread::waitIdle() {
    for (int tries = kIdleTries; tries > 0; --tries) {
        bool expected = true;
        if (m_idle.compare_exchange_strong(expected, false, std::memory_order_acquire))
            return true;
        // 8 ms, or less when the running transfer ends sooner: a command that follows
        // another then starts when the first one ends, not up to 8 ms later.
        {
            QMutexLocker lock(&m_idleMutex);
            if (!m_idle.load(std::memory_order_acquire))
                m_idleReleased.wait(&m_idleMutex, QDeadlineTimer(kPauseMs, Qt::PreciseTimer));
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return false;
}

void Hid_Thread::releaseIdle() {
    m_idle.store(true, std::memory_order_release);
    QMutexLocker lock(&m_idleMutex);
    m_idleReleased.wakeAll();
}

void Hid_Thread::armAck() {
    m_ack.store(false, std::memory_order_release);
}

void Hid_Thread::waitAck() {
    QThread::msleep(kAckPauseMs);
    if (m_ack.load(std::memory_order_acquire))
        return;
    m_ack.store(true, std::memory_order_release);
    m_fullAckPauses.fetch_add(1, std::memory_order_relaxed);
    QThread::msleep(kAckPauseMs);
}

void Hid_Thread::runSendTask(int dataLength, bool ackWait) {
    sendFrame(dataLength, ackWait);
    m_sendTasks.fetch_sub(1, std::memory_order_acq_rel);
}

void Hid_Thread::runSet(const SetCommand &row, std::initializer_list<uchar> args,
                        const uchar *block, int slotLength) {
    if (!waitIdle()) {
        qDebug("%s", row.message);
        return;
    }
    storeFrame(requestReport, frameFor(row.code, row.request, args));
    const int n = block ? dataLengthOf(row.dataLength, slotLength) : 0;
    if (n > 0)
        std::memcpy(dataBuffer, block, size_t(n));
    // Started and never awaited: the caller only pays for waitIdle (and the optional sleep).
    m_sendTasks.fetch_add(1, std::memory_order_acq_rel);
    QFuture<void> task = QtConcurrent::run(QThreadPool::globalInstance(), &Hid_Thread::runSendTask,
                                           this, n, row.ackWait);
    Q_UNUSED(task);
    if (row.sleepAfterStart)
        QThread::msleep(kPauseMs);
}

Hid_Thread::ReadOutcome Hid_Thread::runRead(const ReadCommand &row,
                                            std::initializer_list<uchar> args,
                                            std::initializer_list<uchar *> outs, uchar *block,
                                            int slotLength) {
    if (!waitIdle()) {
        qDebug("%s", row.message);
        return ReadOutcome::Busy;
    }
    const CommandFrame frame = frameFor(row.code, row.request, args);
    storeFrame(requestReport, frame);

    // Preset the reply so that a failed read yields the caller's values or zeros.
    replyReport[0] = 0x00;
    std::fill(replyReport + 1, replyReport + kFrameReportSize, uchar(0));
    if (row.preset == ReplyPreset::Echo) {
        std::memcpy(replyReport + 1, frame.data(), 7);
        int k = 0;
        for (uchar *out : outs) {
            if (k >= int(row.out.size()) || row.out[size_t(k)] == kNoOut)
                break;
            replyReport[1 + row.out[size_t(k)]] = *out;
            ++k;
        }
    }
    const int n = block ? dataLengthOf(row.dataLength, slotLength) : 0;
    if (n > 0)
        std::memcpy(dataBuffer, block, size_t(n));

    const bool ok = queryFrame(n);

    if (ok || !row.onlyOnSuccess) {
        int k = 0;
        for (uchar *out : outs) {
            if (k >= int(row.out.size()) || row.out[size_t(k)] == kNoOut)
                break;
            *out = replyReport[1 + row.out[size_t(k)]];
            ++k;
        }
        if (n > 0)
            std::memcpy(block, dataBuffer, size_t(n));
    }
    return ok ? ReadOutcome::Done : ReadOutcome::Failed;
}
