#include "dpi_table.h"

namespace {

struct Sensor {
    const char *name;
    QList<int> menu;
    QList<DpiTable::Entry> codes;
    QList<int> starting;
};

const QList<Sensor> &sensors() {
    static const QList<Sensor> rows = {
        {"ANDS3050",
         {0, 250, 500, 750, 1000, 1250, 1500, 1750, 2000, 2500, 3000, 3500, 4000},
         {{250, 0x01},
          {500, 0x02},
          {750, 0x03},
          {1000, 0x04},
          {1250, 0x05},
          {1500, 0x06},
          {1750, 0x07},
          {2000, 0x08},
          {2500, 0x45},
          {3000, 0x46},
          {3500, 0x47},
          {4000, 0x48}},
         {500, 1000, 1500, 2000, 0, 0, 0, 0}},
        {"ANDS3320",
         {0, 500, 1000, 1750, 2000, 2500, 3000, 3500, 4000, 5000, 6000, 7000},
         {{500, 0x02},
          {1000, 0x04},
          {1750, 0x07},
          {2000, 0x08},
          {2500, 0x0A},
          {3000, 0x0C},
          {3500, 0x0E},
          {4000, 0x48},
          {5000, 0x4A},
          {6000, 0x4C},
          {7000, 0x4E}},
         {1000, 2500, 3500, 7000, 0, 0, 0, 0}},
        {"ANDS5050",
         {0, 250, 500, 750, 1000, 1250, 1500, 1750, 2000, 2500, 2750},
         {{250, 0x02},
          {500, 0x04},
          {750, 0x06},
          {1000, 0x08},
          {1250, 0x0A},
          {1500, 0x46},
          {1750, 0x47},
          {2000, 0x48},
          {2500, 0x4A},
          {2750, 0x4B}},
         {500, 1000, 1500, 2500, 0, 0, 0, 0}},
        {"ANDS3325",
         {200, 400, 600, 800, 1000, 1200, 1400, 1600, 1800, 2000, 2400, 2800, 3200, 4000, 4800,
          6000, 8000, 10000},
         {{200, 1},
          {400, 3},
          {600, 5},
          {800, 7},
          {1000, 9},
          {1200, 11},
          {1400, 13},
          {1600, 15},
          {1800, 17},
          {2000, 19},
          {2400, 23},
          {2800, 27},
          {3200, 31},
          {4000, 39},
          {4800, 47},
          {6000, 0x5D},
          {8000, 0x67},
          {10000, 0x71}},
         {1000, 2000, 4000, 8000, 0, 0, 0, 0}},
    };
    return rows;
}

const Sensor *sensor(int type) {
    return type >= 0 && type < sensors().size() ? &sensors()[type] : nullptr;
}

} // namespace

namespace DpiTable {

QList<int> menu(int sensorType) {
    const Sensor *s = sensor(sensorType);
    return s ? s->menu : QList<int>();
}

QList<Entry> codes(int sensorType) {
    const Sensor *s = sensor(sensorType);
    return s ? s->codes : QList<Entry>();
}

unsigned char codeFor(int sensorType, int dpi) {
    const Sensor *s = sensor(sensorType);
    if (!s)
        return kStageOff;
    for (const Entry &e : s->codes) {
        if (e.dpi == dpi)
            return e.code;
    }
    return kStageOff;
}

bool offers(int sensorType, int dpi) {
    return menu(sensorType).contains(dpi);
}

QList<int> startingValues(int sensorType) {
    const Sensor *s = sensor(sensorType);
    return s ? s->starting : QList<int>(kStages, 0);
}

const char *sensorName(int sensorType) {
    const Sensor *s = sensor(sensorType);
    return s ? s->name : "";
}

} // namespace DpiTable

int DpiTable::selectableStage(const QList<int> &values, int stage, int stageCount) {
    const int count = qBound(1, stageCount, kStages);
    const int start = qBound(0, stage, count - 1);
    auto on = [&](int i) { return i >= 0 && i < count && i < values.size() && values[i] > 0; };
    for (int d = 0; d < count; ++d) {
        if (on(start - d))
            return start - d;
        if (on(start + d))
            return start + d;
    }
    return start;
}
