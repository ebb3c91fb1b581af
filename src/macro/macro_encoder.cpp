#include "macro_encoder.h"

#include "key_names.h"

#include <algorithm>

namespace {
constexpr uchar kPress = 0x01;
constexpr uchar kRelease = 0x81;
constexpr uchar kReleaseBit = 0x80;
constexpr uchar kPauseBits = 0x7F;
constexpr uchar kKeyboardDelay = 0x7F;
constexpr qint64 kFoldLimitMs = 1270; // 127 units of 10 ms in an event's pause bits
constexpr qint64 kMediumLimitMs = 5100;

class Builder {
public:
    Builder() { append({0x00, 0x01}); }

    void append(std::initializer_list<uchar> item) {
        for (uchar b : item)
            m_result.bytes.append(b);
        m_result.itemEnds.append(int(m_result.bytes.size()));
        m_lastIsKeyEvent = false;
    }
    void appendKeyEvent(uchar first, uchar code) {
        append({first, code});
        m_lastIsKeyEvent = true;
    }
    void appendWord(uchar first, uchar second, qint64 value) {
        append({first, second, uchar(value >> 8), uchar(value)});
    }
    bool lastIsKeyEvent() const { return m_lastIsKeyEvent; }
    // The pause bits of the last key event; its release bit stays.
    void setLastPause(uchar units) {
        uchar &first = m_result.bytes[m_result.bytes.size() - 2];
        first = uchar((first & kReleaseBit) | (units & kPauseBits));
    }
    MacroEncoding finish() {
        m_result.bytes.append(0x00);
        m_result.bytes.append(0x00);
        return m_result;
    }

private:
    MacroEncoding m_result;
    bool m_lastIsKeyEvent = false;
};

// A whole, positive number of milliseconds; 0 for anything else.
qint64 delayMs(const QString &value) {
    bool ok = false;
    const qint64 ms = value.toLongLong(&ok);
    return ok && ms > 0 ? ms : 0;
}

void appendMouseDelay(Builder &out, qint64 ms, bool afterDelayLine, bool firstLine) {
    // A short pause rides on the event before it. Only a key event has pause bits: where the
    // lines before were left out and the last item is the header or a delay, folding would
    // overwrite their bytes, so the pause gets an item of its own instead.
    if (ms <= kFoldLimitMs && !firstLine && !afterDelayLine && out.lastIsKeyEvent()) {
        out.setLastPause(uchar((std::max<qint64>(ms, 10) + 5) / 10));
    } else if (ms > kFoldLimitMs && ms <= kMediumLimitMs) {
        out.append({uchar((ms + 10) / 20), 0x01});
    } else {
        // Unsigned, so that even an absurd count cannot overflow; the device keeps 16 bits.
        out.appendWord(0x00, 0x01, qint64((quint64(std::max<qint64>(ms, 20)) + 10) / 20));
    }
}
} // namespace

MacroEncoding encodeMacro(const QStringList &lines, int deviceType) {
    Builder out;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const QString tag = line.right(MacroTag::length);
        const QString value = line.left(line.size() - MacroTag::length);
        if (tag == MacroTag::down || tag == MacroTag::up) {
            if (const uchar code = keyCodeForName(value))
                out.appendKeyEvent(tag == MacroTag::down ? kPress : kRelease, code);
        } else if (tag == MacroTag::delay) {
            const qint64 ms = delayMs(value);
            if (ms == 0)
                continue;
            if (deviceType == MacroDevice::keyboard) {
                out.appendWord(kKeyboardDelay, 0x00, ms / 10);
            } else if (deviceType == MacroDevice::mouse) {
                const bool afterDelayLine = i > 0 && lines[i - 1].endsWith(MacroTag::delay);
                appendMouseDelay(out, ms, afterDelayLine, i == 0);
            }
        }
    }
    return out.finish();
}

QList<uchar> macroIncode(const QStringList &lines, int deviceType) {
    return encodeMacro(lines, deviceType).bytes;
}
