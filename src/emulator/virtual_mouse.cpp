#include "virtual_mouse.h"

#include <algorithm>

namespace {

template <size_t N> void store(std::array<uchar, N> &target, const std::vector<uchar> &data) {
    std::copy_n(data.begin(), std::min(N, data.size()), target.begin());
}

template <size_t N> void load(std::vector<uchar> &data, const std::array<uchar, N> &source) {
    std::copy_n(source.begin(), std::min(N, data.size()), data.begin());
}

int stageColorLength(const CommandFrame &q) {
    return q[1] == 2 ? 4 : 24;
}

} // namespace

VirtualDevice::Identity VirtualMouse::defaultIdentity() {
    return {QStringLiteral("mouse"), 0x04d9, 0xa09f, 0xff00, 0xff00, 0xff01, 0xff01, 32};
}

VirtualMouse::VirtualMouse(const QString &secrecyCode, bool cipher, int sensorType, bool logoLed,
                           int dpiStages)
    : VirtualDevice(defaultIdentity(), secrecyCode, cipher) {
    m.sensorType = uchar(sensorType);
    m.dpiStageCount = uchar(dpiStages);
    // The indicator read of type 0 answers option1 = 0 only where a logo LED is fitted.
    m.ledInstruct[0] = {uchar(logoLed ? 0 : 1), 0, 0};
    for (int i = 0; i < 8; ++i)
        m.dpiCodes[size_t(i)] = uchar(i < dpiStages ? 0x08 * (i + 1) : 0x80);

    addSharedCommands();
    using Q = const CommandFrame &;
    using D = const Block &;
    using R = CommandFrame &;

    // Sets, as the mouse's command table lays them out.
    addSet(0x03, fixed(0), [this](Q q, D) {
        m.functionRate = q[2];
        m.option1 = q[3];
        m.option2 = q[4];
    });
    addSet(0x07, fixed(0), [this](Q q, D) {
        if (q[1] < m.ledInstruct.size())
            m.ledInstruct[q[1]] = {q[2], q[3], q[4]};
    });
    addSet(0x0B, fixed(0), [this](Q q, D) { m.dpiStage = q[1]; });
    addSet(0x0D, fixed(0), [this](Q q, D) {
        m.effect = q[1];
        m.brightness = q[2];
        m.speed = q[3];
    });
    addSet(0x10, stageColorLength, [this](Q q, D d) {
        if (q[1] == 2)
            store(m.stageColorIndices, d);
        else
            store(q[1] == 1 ? m.stageColors : m.lightingColors, d);
    });
    addSet(0x11, fixed(8), [this](Q q, D d) {
        m.dpiStageCount = q[1];
        store(m.dpiCodes, d);
    });
    addSet(0x12, fixed(64), [this](Q, D d) { store(m.keyMatrix, d); });
    addSet(0x13, fixed(128), [this](Q q, D d) {
        if (q[1] >= 1 && q[1] <= 12)
            store(m.macros[q[1] - 1u], d);
    });

    // Reads.
    addRead(0x83, fixed(0), [this](Q, R r, Block &) {
        r[1] = m.sensorType;
        r[2] = m.functionRate;
        r[3] = m.option1;
        r[4] = m.option2;
    });
    addRead(0x87, fixed(0), [this](Q q, R r, Block &) {
        r[1] = q[1];
        if (q[1] < m.ledInstruct.size())
            std::copy_n(m.ledInstruct[q[1]].begin(), 3, r.begin() + 2);
    });
    addRead(0x8B, fixed(0), [this](Q, R r, Block &) { r[1] = m.dpiStage; });
    addRead(0x8D, fixed(0), [this](Q, R r, Block &) {
        r[1] = m.effect;
        r[2] = m.brightness;
        r[3] = m.speed;
    });
    addRead(0x90, stageColorLength, [this](Q q, R, Block &d) {
        if (q[1] == 2)
            load(d, m.stageColorIndices);
        else
            load(d, q[1] == 1 ? m.stageColors : m.lightingColors);
    });
    addRead(0x91, fixed(8), [this](Q, R r, Block &d) {
        r[1] = m.dpiStageCount;
        load(d, m.dpiCodes);
    });
    addRead(0x92, fixed(64), [this](Q, R, Block &d) { load(d, m.keyMatrix); });
    addRead(0x93, fixed(128), [this](Q q, R, Block &d) {
        if (q[1] >= 1 && q[1] <= 12)
            load(d, m.macros[q[1] - 1u]);
    });
}

MouseState VirtualMouse::state() const {
    MouseState s = m;
    s.reportRate = reportRate;
    return s;
}
