#include "key_functions.h"

#include "mouse_tables.h"

#include <cmath>

namespace KeyFunctions {

const QList<Named> &mouseFunctions() {
    static const QList<Named> rows = [] {
        QList<Named> list;
        for (const QJsonValue &v : MouseTables::data()[QLatin1String("mouseFunctions")].toArray())
            list.append({MouseTables::keep(v[QLatin1String("text")].toString()),
                         MouseTables::bytes4(v[QLatin1String("record")])});
        return list;
    }();
    return rows;
}

const QList<Media> &mediaKeys() {
    static const QList<Media> rows = [] {
        QList<Media> list;
        for (const QJsonValue &v : MouseTables::data()[QLatin1String("mediaKeys")].toArray())
            list.append({MouseTables::keep(v[QLatin1String("text")].toString()),
                         static_cast<unsigned short>(v[QLatin1String("usage")].toInt())});
        return list;
    }();
    return rows;
}

const QList<const char *> &modifierNames() {
    static const QList<const char *> names = [] {
        QList<const char *> list;
        for (const QJsonValue &v : MouseTables::data()[QLatin1String("modifiers")].toArray())
            list.append(MouseTables::keep(v.toString()));
        return list;
    }();
    return names;
}

Record keyboardKey(unsigned char keyCode) {
    return {0x00, 0x00, keyCode, 0x00};
}

Record combo(unsigned char modifiers, unsigned char key1, unsigned char key2) {
    return {0x00, modifiers, key1, key2};
}

Record media(unsigned short usage) {
    return {0x03, 0x00, static_cast<unsigned char>(usage & 0xFF),
            static_cast<unsigned char>(usage >> 8)};
}

Record macro(unsigned char playMode, unsigned char slotId) {
    return {kMacroType, playMode, slotId, 0x00};
}

Record fire(unsigned char code, int speedPosition, unsigned char shots) {
    return {0x0A, code, static_cast<unsigned char>((7 - speedPosition) * 35 + 10), shots};
}

int fireSlider(unsigned char speed) {
    return 7 - int(std::floor((qMax(int(speed), 10) - 10) / 35.0 + 0.5));
}

Record lightingControl() {
    return {0x0B, 0x00, 0x00, 0x00};
}

bool isLeftButton(const Record &record) {
    return record == Record{0x01, 0x00, 0xF0, 0x00};
}

} // namespace KeyFunctions
