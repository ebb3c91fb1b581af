#pragma once

#include <QByteArray>

#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

// A pipe that carries `struct input_event` records as an event device does: its read end
// goes to the evdev source, the test writes records into the other end.
class EvdevPipe {
public:
    EvdevPipe() {
        if (pipe2(m_fds, O_CLOEXEC) != 0)
            m_fds[0] = m_fds[1] = -1;
    }
    ~EvdevPipe() {
        closeWriteEnd();
        if (!m_readEndTaken && m_fds[0] >= 0)
            ::close(m_fds[0]);
    }
    EvdevPipe(const EvdevPipe &) = delete;
    EvdevPipe &operator=(const EvdevPipe &) = delete;

    bool isOpen() const { return m_fds[0] >= 0; }

    // The read end, to hand over to the source, which then owns it.
    int takeReadEnd() {
        m_readEndTaken = true;
        return m_fds[0];
    }

    static QByteArray record(int type, int code, int value) {
        input_event event{};
        event.type = quint16(type);
        event.code = quint16(code);
        event.value = value;
        return QByteArray(reinterpret_cast<const char *>(&event), sizeof(event));
    }

    // One event followed by the report separator, as the kernel sends them.
    static QByteArray report(int type, int code, int value) {
        return record(type, code, value) + record(EV_SYN, SYN_REPORT, 0);
    }

    bool write(const QByteArray &bytes) {
        return ::write(m_fds[1], bytes.constData(), size_t(bytes.size())) == bytes.size();
    }
    bool send(int type, int code, int value) { return write(report(type, code, value)); }
    bool key(int code, int value) { return send(EV_KEY, code, value); }

    void closeWriteEnd() {
        if (m_fds[1] >= 0)
            ::close(m_fds[1]);
        m_fds[1] = -1;
    }

private:
    int m_fds[2] = {-1, -1};
    bool m_readEndTaken = false;
};
