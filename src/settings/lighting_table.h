#pragma once

#include <QList>
#include <QString>

// The lighting effects of the mouse and the bytes its brightness and speed positions become.
//
// Effect code 0 switches the light off; codes 1..10 are the effects below, listed at
// position code - 1. Brightness and speed are slider positions 0..7; an effect that has no
// such control gets the byte 0.
namespace LightingTable {

constexpr int kPositions = 8; // slider positions 0..7

struct Effect {
    int code;         // 1..10
    const char *name; // as the lighting page shows it
    bool speed;       // has a speed control
    bool brightness;  // has a brightness control
    bool palette;     // uses the colour palette
};

const QList<Effect> &effects();
// The effect of a code 1..10, or nullptr.
const Effect *effect(int code);

// 0 for position 0, else 10 + 35 x position (45 .. 255).
unsigned char brightnessByte(int position);
// Position 7 is the fastest (smallest) value; effects 3..5: 1..10, 8: 10..20, 9: 5..15,
// 10: 20..30; 0 for effects without a speed control.
unsigned char speedByte(int effectCode, int position);

// What 0DH sends for the lighting page's choice: the light off sends 0 0 0; an effect its
// code (position + 1, positions outside 0..9 clamped) with the bytes of the controls it has.
struct Bytes {
    unsigned char effect;
    unsigned char brightness;
    unsigned char speed;
};
Bytes commandBytes(bool on, int position, int brightness, int speed);

} // namespace LightingTable
