#include "key_rules.h"

#include "mouse_tables.h"

namespace {
constexpr int kMouseKeys = 16;

const QList<int> &builtInSelector() {
    static const QList<int> ids = [] {
        QList<int> list;
        for (const QJsonValue &v : MouseTables::data()[QLatin1String("selectorKeys")].toArray())
            list.append(v.toInt());
        return list;
    }();
    return ids;
}
} // namespace

namespace KeyRules {

QList<int> selectorKeyIds(const QStringList &layoutStrings) {
    QList<int> ids;
    for (int id = 0; id < kMouseKeys && id < layoutStrings.size(); ++id) {
        if (!layoutStrings[id].isEmpty())
            ids.append(id);
    }
    return ids.isEmpty() ? builtInSelector() : ids;
}

bool leftButtonAtRisk(const QList<KeyFunctions::Record> &records, const QList<int> &listedIds,
                      int keyId) {
    if (keyId < 0 || keyId >= records.size() || !KeyFunctions::isLeftButton(records[keyId]))
        return false;
    int lefts = 0;
    for (int id : listedIds) {
        if (id >= 0 && id < records.size() && KeyFunctions::isLeftButton(records[id]))
            ++lefts;
    }
    return lefts <= 1;
}

QList<int> usedMacroSlots(const QList<KeyFunctions::Record> &records) {
    QList<int> used;
    for (const KeyFunctions::Record &r : records) {
        if (r[0] == KeyFunctions::kMacroType && r[3] == 0)
            used.append(r[2] - 1);
    }
    return used;
}

int lowestFreeSlot(const QList<int> &used) {
    for (int s = 0; s < kMacroSlots; ++s) {
        if (!used.contains(s))
            return s;
    }
    return -1;
}

} // namespace KeyRules
