#pragma once

#include "virtual_device.h"

#include <array>
#include <map>

// What the keyboard keeps.
struct KeyboardState {
    uchar reportRate = 1;
    uchar profile = 0;
    std::array<uchar, 4> option{};
    std::array<uchar, 4> sensitivity{};
    uchar indicatorEffect = 0;
    uchar indicatorFrequency = 0;
    std::array<uchar, 6> ledType{}; // option, effect, speed, light, color, direction
    uchar mode = 0;
    std::array<uchar, 512> keyMatrix{};
    std::array<uchar, 21> keyOnOff{};
    std::map<uchar, std::array<uchar, 192>> macros;
    std::map<uchar, std::array<uchar, 512>> pictures;
    std::map<uchar, std::array<uchar, 3>> colors;
    uchar pictureOption = 0;
    uchar fwMajor = 0x01;
    uchar fwMinor = 0x05;
    int recoveries = 0;
};

// The companion keyboard: 04d9:8008, primary ff01/0001, secondary ff02/0001, 64-byte reports.
class VirtualKeyboard : public VirtualDevice {
public:
    static Identity defaultIdentity();

    VirtualKeyboard(const QString &secrecyCode, bool cipher);
    KeyboardState state() const;
    void setFirmwareVersion(uchar major, uchar minor);

private:
    KeyboardState k;
};
