#pragma once

#include "virtual_device.h"

#include <array>

// What the mouse keeps.
struct MouseState {
    uchar reportRate = 1;
    uchar sensorType = 0; // hardware: 03H cannot change it
    uchar functionRate = 1;
    uchar option1 = 0; // bit 6: scroll swap
    uchar option2 = 0;
    std::array<std::array<uchar, 3>, 4> ledInstruct{}; // per LED type, options 1..3
    uchar dpiStage = 1;
    uchar effect = 1;
    uchar brightness = 3;
    uchar speed = 2;
    std::array<uchar, 24> lightingColors{};   // type 0
    std::array<uchar, 24> stageColors{};      // type 1
    std::array<uchar, 4> stageColorIndices{}; // type 2
    uchar dpiStageCount = 8;
    std::array<uchar, 8> dpiCodes{};
    std::array<uchar, 64> keyMatrix{};
    std::array<std::array<uchar, 128>, 12> macros{}; // slots 1..12
};

// The R8 mouse: 04d9:a09f, primary ff00/ff00, secondary ff01/ff01, 32-byte reports.
class VirtualMouse : public VirtualDevice {
public:
    static Identity defaultIdentity();

    VirtualMouse(const QString &secrecyCode, bool cipher, int sensorType, bool logoLed,
                 int dpiStages);
    MouseState state() const;

private:
    MouseState m;
};
