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
// of 8, 4, 2, 1 decides (6 is 500 Hz); a code with none of them is 1000 Hz (1).
unsigned char reportRateCode(int stored);

// Always eight values; stages the profile does not hold, and entries that are no number, are
// off (0).
QList<int> dpiValues(const MouseSettings &mouse);

// The 16 stored key records; a key whose record is missing or not four entries long takes
// the factory record, so that one assignment never wipes the others (the left button among
// them).
QList<KeyFunctions::Record> keyMatrix(const KeyAssignment &keys, const ProfileStore &store);

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
