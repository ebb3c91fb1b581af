#pragma once

#include "key_functions.h"

#include <QList>
#include <QVariantList>

class KeyAssignment;
class MouseSettings;
class ProfileStore;

// How the pages read what a profile stores for the mouse. Profile entries come back as text
// and may be missing, short or odd; these readers turn them into what the pages show and send,
// so that the window, r8ctl and the profile apply agree.
namespace StoredProfile {

// The report-rate code the sensor page shows and sends for a stored code: the lowest set bit
// of the low byte decides (6 is 500 Hz, 16 is 125 Hz); no bit set is 1000 Hz (1).
unsigned char reportRateCode(int stored);
// The rate of a code 8, 4, 2, 1 in Hz (125 .. 1000); 1000 for anything else.
int reportRateHz(unsigned char code);
// The code of a rate in Hz; 0 for a rate the mouse does not have.
unsigned char reportRateCodeOf(int hz);

// The current stage 1..8 the sensor page selects for a stored stage: out-of-range and
// missing stages select stage 1 or 8, whichever is nearer.
int dpiStage(int stored);
// The stage-on rule: the mouse needs one usable resolution, so a value of 0 (stage off) is
// refused for `stage` (0-based) when no other of the first `stageCount` stages has a value.
bool acceptsDpiValue(const QList<int> &values, int stage, int value, int stageCount);

// Always eight values; stages the profile does not hold, and entries that are no number, are
// off (0).
QList<int> dpiValues(const QVariantList &stored);
QList<int> dpiValues(const MouseSettings &mouse);

// The 16 stored key records (the first four entries of each); a key whose record is missing
// or shorter takes the factory record, so that one assignment never wipes the others (the
// left button among them).
KeyFunctions::Record keyRecord(const QVariantList &stored, const QVariantList &factory);
QList<KeyFunctions::Record> keyMatrix(const KeyAssignment &keys, const ProfileStore &store);

// The 24 values (R, G, B per cell) an eight-cell colour group shows for a stored colour list
// (the palette, the indicator's RGB): the list when it holds all 24, else the cells as the
// group starts.
QList<int> cellColours(const QVariantList &stored);

// The lighting page's reading of color_R8/ledEffect: effect position 0..9, brightness and
// speed positions 0..7 and the LED on/off state. Three entries are the form without the
// on/off state (older files, the factory profile): the light is on.
struct Lighting {
    int position = 0;
    int brightness = 7;
    int speed = 4;
    bool on = true;
};
// False, and `out` untouched, for a list of another length.
bool lighting(const QVariantList &stored, Lighting *out);

} // namespace StoredProfile
