#pragma once

#include <QList>

// The DPI values each sensor type offers and the DPI code the mouse takes for each.
//
// A DPI code: bit 7 marks a stage that is off, bit 6 doubles the resolution, bits 0..5 are
// the step count (250 DPI steps for types 0 and 1, 125 for type 2, (n + 1) x 100 for type 3).
// Example: sensor type 0, 2500 DPI -> 0x45 (5 steps of 250, doubled).
namespace DpiTable {

constexpr unsigned char kStageOff = 0x80;
constexpr int kStages = 8;
constexpr int kSensorTypes = 4;

struct Entry {
    int dpi;
    unsigned char code;
};

// The values of the sensor page's value menu, in menu order (0 = stage off where offered);
// empty for an unknown sensor type.
QList<int> menu(int sensorType);
// The DPI value -> code rows of a sensor type; empty for an unknown type.
QList<Entry> codes(int sensorType);
// The code of one value; kStageOff for a value the sensor does not list, 0 included.
unsigned char codeFor(int sensorType, int dpi);
// Whether the value menu of the sensor offers `dpi`.
bool offers(int sensorType, int dpi);
// The values a page shows before any profile is read.
QList<int> startingValues(int sensorType);
// The sensor's name (ANDS3050 ...), empty for an unknown type.
const char *sensorName(int sensorType);

// The stage (0-based) the selection rests on: `stage` when it lies among the first
// `stageCount` and has a value (not 0); otherwise the nearest such stage, the lower one on a
// tie. `stage` itself, clamped to the stages in use, when no stage has a value. The sensor
// page's dpi.js keeps the same rule (selectableStage).
int selectableStage(const QList<int> &values, int stage, int stageCount);

} // namespace DpiTable
