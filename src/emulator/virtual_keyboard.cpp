#include "virtual_keyboard.h"

#include <algorithm>

namespace {

template <size_t N> void store(std::array<uchar, N> &target, const std::vector<uchar> &data) {
    std::copy_n(data.begin(), std::min(N, data.size()), target.begin());
}

template <size_t N> void load(std::vector<uchar> &data, const std::array<uchar, N> &source) {
    std::copy_n(source.begin(), std::min(N, data.size()), data.begin());
}

} // namespace

VirtualDevice::Identity VirtualKeyboard::defaultIdentity() {
    return {QStringLiteral("keyboard"), 0x04d9, 0x8008, 0xff01, 0x0001, 0xff02, 0x0001, 64};
}

VirtualKeyboard::VirtualKeyboard(const QString &secrecyCode, bool cipher)
    : VirtualDevice(defaultIdentity(), secrecyCode, cipher) {
    addSharedCommands();
    using Q = const CommandFrame &;
    using D = const Block &;
    using R = CommandFrame &;

    // Sets, as the keyboard's command table lays them out.
    addSet(0x02, fixed(0), [this](Q q, D) { k.profile = q[1]; });
    addSet(0x03, fixed(0), [this](Q q, D) { std::copy_n(q.begin() + 1, 4, k.option.begin()); });
    addSet(0x04, fixed(0),
           [this](Q q, D) { std::copy_n(q.begin() + 1, 4, k.sensitivity.begin()); });
    addSet(0x07, fixed(0), [this](Q q, D) {
        k.indicatorEffect = q[1];
        k.indicatorFrequency = q[2];
    });
    addSet(0x08, fixed(0), [this](Q q, D) { std::copy_n(q.begin() + 1, 6, k.ledType.begin()); });
    addSet(0x09, fixed(0), [this](Q q, D) { k.mode = q[1]; });
    addSet(0x0D, fixed(512), [this](Q, D d) { store(k.keyMatrix, d); });
    addSet(0x0E, fixed(21), [this](Q, D d) { store(k.keyOnOff, d); });
    addSet(0x11, fixed(192), [this](Q q, D d) { store(k.macros[q[2]], d); });
    addSet(0x12, fixed(512), [this](Q q, D d) {
        store(k.pictures[q[2]], d);
        k.pictureOption = q[4];
    });
    addSet(0x13, fixed(0), [this](Q q, D) {
        if (q[1] != 0xFF)
            return;
        const KeyboardState factory;
        const int recoveries = k.recoveries + 1;
        const uchar major = k.fwMajor, minor = k.fwMinor;
        k = factory;
        k.recoveries = recoveries;
        k.fwMajor = major;
        k.fwMinor = minor;
    });
    addSet(0x14, fixed(0), [this](Q q, D) { k.colors[q[2]] = {q[3], q[4], q[5]}; });

    // Reads: each takes its values from the positions in which its set sends them.
    addRead(0x80, fixed(0), [this](Q, R r, Block &) {
        r[1] = k.fwMajor;
        r[2] = k.fwMinor;
    });
    addRead(0x82, fixed(0), [this](Q, R r, Block &) { r[1] = k.profile; });
    addRead(0x83, fixed(0),
            [this](Q, R r, Block &) { std::copy_n(k.option.begin(), 4, r.begin() + 1); });
    addRead(0x84, fixed(0),
            [this](Q, R r, Block &) { std::copy_n(k.sensitivity.begin(), 4, r.begin() + 1); });
    addRead(0x88, fixed(0), [this](Q, R r, Block &) {
        r[1] = 0;
        std::copy_n(k.ledType.begin() + 1, 5, r.begin() + 2);
    });
    addRead(0x89, fixed(0), [this](Q, R r, Block &) { r[1] = k.mode; });
    addRead(0x8D, fixed(512), [this](Q, R, Block &d) { load(d, k.keyMatrix); });
    addRead(0x8E, fixed(21), [this](Q, R, Block &d) { load(d, k.keyOnOff); });
    addRead(0x91, fixed(192), [this](Q q, R, Block &d) {
        const auto it = k.macros.find(q[2]);
        if (it != k.macros.end())
            load(d, it->second);
    });
    addRead(0x92, fixed(512), [this](Q q, R, Block &d) {
        const auto it = k.pictures.find(q[2]);
        if (it != k.pictures.end())
            load(d, it->second);
    });
    addRead(0x94, fixed(0), [this](Q q, R r, Block &) {
        r[2] = q[2];
        const auto it = k.colors.find(q[2]);
        if (it != k.colors.end())
            std::copy_n(it->second.begin(), 3, r.begin() + 3);
    });
}

KeyboardState VirtualKeyboard::state() const {
    KeyboardState s = k;
    s.reportRate = reportRate;
    return s;
}

void VirtualKeyboard::setFirmwareVersion(uchar major, uchar minor) {
    k.fwMajor = major;
    k.fwMinor = minor;
}
