#pragma once

#include "device_table.h"
#include "frame.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <deque>
#include <functional>
#include <vector>

// The device's side of the protocol, shared by the virtual mouse and keyboard: it deciphers
// requests with its own secrecy code, drops frames with a bad checksum, runs the command
// from its firmware table, answers reads, takes data phases and acknowledges every set
// command with an input report on its secondary interface.
//
// Not thread-safe; the bus serialises every call.
class VirtualDevice {
public:
    struct Identity {
        QString name; // path prefix on the bus
        quint16 vid = 0;
        quint16 pid = 0;
        quint16 usagePage = 0;
        quint16 usage = 0;
        quint16 usagePage2 = 0;
        quint16 usage2 = 0;
        int reportLength = 0; // payload bytes per data-phase report
    };

    VirtualDevice(const Identity &identity, const QString &secrecyCode, bool cipher);
    virtual ~VirtualDevice() = default;

    const Identity &identity() const { return m_identity; }

    // What the firmware does on faults of its own.
    void setNoAnswer(bool on) { m_noAnswer = on; }
    void setGarbage(bool on) { m_garbage = on; }
    void setNoData(bool on) { m_noData = on; }
    void setAckDelayMs(int ms) { m_ackDelayMs = ms; }
    void setAckReport(const QByteArray &report) { m_ackReport = report; }

    // ---- host side, `nowMs` the bus clock
    // A 9-byte feature report (report ID first). `plain` gets the deciphered frame.
    void setFeature(const uchar *report, size_t length, qint64 nowMs, QByteArray *plain);
    // The reply to the last read as a 9-byte feature report; false when there is none.
    bool getFeature(QByteArray *report, QByteArray *plain);
    // An output report (report ID first) of the data phase.
    void output(const uchar *report, size_t length, qint64 nowMs);
    // The next input report of an interface, when one is due by `nowMs`. Acknowledgements
    // are events: those that came before `listeningSince` (when the reader opened the
    // interface) reached nobody and are dropped, as hidraw drops reports no one reads.
    bool takeInput(int iface, qint64 nowMs, QByteArray *report, qint64 listeningSince = 0);
    // When the next input report of an interface becomes due; -1 when none is queued.
    qint64 nextInputDue(int iface) const;

    // Counters the tests read.
    int badChecksums() const { return m_badChecksums; }
    int unknownCommands() const { return m_unknownCommands; }

protected:
    using Block = std::vector<uchar>;
    using LengthFn = std::function<int(const CommandFrame &request)>;
    using SetFn = std::function<void(const CommandFrame &request, const Block &data)>;
    using ReadFn =
        std::function<void(const CommandFrame &request, CommandFrame &reply, Block &data)>;

    void addSet(uchar code, LengthFn length, SetFn run);
    void addRead(uchar code, LengthFn length, ReadFn run);
    static LengthFn fixed(int n) {
        return [n](const CommandFrame &) { return n; };
    }

    // The commands both devices understand: 00H secrecy code, 01H and 81H report rate.
    void addSharedCommands();
    uchar reportRate = 1;

private:
    struct Command {
        uchar code;
        bool read;
        LengthFn length;
        SetFn set;
        ReadFn answer;
    };
    struct PendingInput {
        qint64 dueMs;
        QByteArray report;
    };
    const Command *find(uchar code) const;
    void acknowledge(qint64 nowMs);
    void answerRead(const Command &command, const CommandFrame &request);
    uchar noise();

    Identity m_identity;
    uchar m_code[8] = {};
    bool m_cipher;
    bool m_noAnswer = false;
    bool m_garbage = false;
    bool m_noData = false;
    int m_ackDelayMs = 2;
    QByteArray m_ackReport = QByteArray::fromHex("04040000");
    std::vector<Command> m_commands;

    // The set command whose data phase is under way.
    const Command *m_pendingSet = nullptr;
    CommandFrame m_pendingRequest{};
    int m_pendingLength = 0;
    Block m_pendingData;

    bool m_hasReply = false;
    bool m_replyEnciphered = false;
    CommandFrame m_reply{};
    std::deque<PendingInput> m_inputs[2]; // [0] primary data, [1] secondary acknowledgements
    unsigned m_noise = 0x2545F491u;
    int m_badChecksums = 0;
    int m_unknownCommands = 0;
};

// The device-table record that finds `identity` on the bus, as the device check reads it
// from the program's table: for tests and tools that build their own table.
DeviceInfo tableRecordFor(const VirtualDevice::Identity &identity, int type,
                          const QString &name = QString());
