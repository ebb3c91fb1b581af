#include "dpi_table.h"

#include "mouse_tables.h"

namespace {

struct Sensor {
    const char *name;
    QList<int> menu;
    QList<DpiTable::Entry> codes;
    QList<int> starting;
};

QList<int> ints(const QJsonValue &list) {
    QList<int> out;
    for (const QJsonValue &v : list.toArray())
        out.append(v.toInt());
    return out;
}

const QList<Sensor> &sensors() {
    static const QList<Sensor> rows = [] {
        QList<Sensor> list;
        for (const QJsonValue &v : MouseTables::data()[QLatin1String("sensors")].toArray()) {
            const QJsonObject o = v.toObject();
            Sensor s{MouseTables::keep(o[QLatin1String("name")].toString()),
                     ints(o[QLatin1String("menu")]),
                     {},
                     ints(o[QLatin1String("start")])};
            for (const QJsonValue &pair : o[QLatin1String("codes")].toArray())
                s.codes.append({pair[0].toInt(), static_cast<unsigned char>(pair[1].toInt())});
            list.append(s);
        }
        return list;
    }();
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
