// One table of cases through the pages' JavaScript (loaded by the QML engine) and through the
// C++ rules r8ctl and the profile apply use: stored profile entries -> what is shown and sent.
#include "dpi_table.h"
#include "fixed_colors.h"
#include "key_rules.h"
#include "lighting_table.h"
#include "page_scripts.h"
#include "stored_profile.h"

#include <QJsonArray>
#include <QJsonObject>

#include <functional>

#include <gtest/gtest.h>

namespace {

using Record = KeyFunctions::Record;

QJsonArray json(const QList<int> &values) {
    QJsonArray a;
    for (int v : values)
        a.append(v);
    return a;
}

QJsonArray json(const Record &r) {
    return QJsonArray{r[0], r[1], r[2], r[3]};
}

QVariantList texts(const QStringList &list) {
    QVariantList out;
    for (const QString &t : list)
        out.append(t);
    return out;
}

QVariantList records(const QList<Record> &matrix) {
    QVariantList out;
    for (const Record &r : matrix)
        out.append(QVariant(QVariantList{r[0], r[1], r[2], r[3]}));
    return out;
}

QList<Record> factoryMatrix() {
    QList<Record> m(16, Record{});
    m[0] = {0x01, 0, 0xF0, 0};
    m[1] = {0x01, 0, 0xF1, 0};
    m[2] = {0x01, 0, 0xF2, 0};
    return m;
}

QList<int> intsOf(const QJsonValue &v) {
    QList<int> out;
    for (const QJsonValue &e : v.toArray())
        out.append(e.toInt());
    return out;
}

// A case: the page's side (one or more calls into its libraries) and the C++ side.
struct Case {
    std::string name;
    std::function<QJsonValue(PageScripts &, QString *)> page;
    std::function<QJsonValue()> cpp;
};

QList<Case> cases() {
    QList<Case> all;

    // Report rate: the stored code -> the rate the sensor page shows (its position) and the
    // code it sends back. 6 was 1000 Hz in r8ctl's show; 16 was 1000 Hz in the apply.
    for (const char *stored : {"1", "2", "4", "8", "6", "3", "12", "16", "0", "255", "abc"}) {
        all.append({std::string("rate ") + stored,
                    [stored](PageScripts &js, QString *e) {
                        const QJsonValue pos = js.call("Dpi", "pollingPosition", {stored}, e);
                        const QJsonValue code = js.call("Dpi", "reportRateCode", {pos.toInt()}, e);
                        const int hz[] = {125, 250, 500, 1000};
                        return QJsonValue(QJsonArray{hz[qBound(0, pos.toInt(), 3)], code});
                    },
                    [stored] {
                        const unsigned char code =
                            StoredProfile::reportRateCode(QVariant(stored).toInt());
                        return QJsonValue(QJsonArray{StoredProfile::reportRateHz(code), int(code)});
                    }});
    }

    // DPI values: stages the profile does not hold, or holds no number for, are off.
    const QList<QStringList> dpiLists = {
        {"500", "1000", "1500", "2000", "0", "0", "0", "0"},
        {"500", "1000"},
        {"500", "abc", "", "4000", "1", "2", "3", "4", "9999"},
        {},
    };
    for (const QStringList &list : dpiLists) {
        all.append({"dpi values " + list.join(',').toStdString(),
                    [list](PageScripts &js, QString *e) {
                        return js.call("Dpi", "stageValues", {QVariant(texts(list))}, e);
                    },
                    [list] { return QJsonValue(json(StoredProfile::dpiValues(texts(list)))); }});
    }

    // DPI codes of every menu value of every sensor type, plus values no menu offers.
    for (int type = 0; type < DpiTable::kSensorTypes + 1; ++type) {
        QList<int> values = DpiTable::menu(type);
        values << 2600 << 0 << 10000;
        all.append({"dpi codes type " + std::to_string(type),
                    [type, values](PageScripts &js, QString *e) {
                        QJsonArray out;
                        for (int x : values)
                            out.append(js.call("Dpi", "code", {type, x}, e));
                        return QJsonValue(out);
                    },
                    [type, values] {
                        QJsonArray out;
                        for (int x : values)
                            out.append(int(DpiTable::codeFor(type, x)));
                        return QJsonValue(out);
                    }});
    }

    // The current stage the page selects for what the bridge reads (0..255).
    for (int stored : {0, 1, 5, 8, 9, 253}) {
        all.append({"stage " + std::to_string(stored),
                    [stored](PageScripts &js, QString *e) {
                        return QJsonValue(js.call("Dpi", "stagePosition", {stored}, e).toInt() + 1);
                    },
                    [stored] { return QJsonValue(StoredProfile::dpiStage(stored)); }});
    }

    // The stage-on rule: the last stage with a value among those in use stays on.
    const struct {
        QList<int> values;
        int stage, value, count;
    } stageOn[] = {
        {{500, 0, 0, 0, 0, 0, 0, 0}, 0, 0, 8},    {{500, 0, 0, 0, 0, 0, 0, 0}, 1, 0, 8},
        {{500, 1000, 0, 0, 0, 0, 0, 0}, 0, 0, 1}, {{500, 1000, 0, 0, 0, 0, 0, 0}, 0, 0, 2},
        {{0, 0, 0, 0, 0, 0, 0, 800}, 0, 0, 4},    {{0, 0, 0, 0, 0, 0, 0, 0}, 3, 1000, 8},
    };
    for (const auto &c : stageOn) {
        all.append(
            {"stage on " + std::to_string(c.stage) + " of " + std::to_string(c.count) + " value " +
                 std::to_string(c.value),
             [c](PageScripts &js, QString *e) {
                 QVariantList v;
                 for (int x : c.values)
                     v.append(x);
                 return js.call("Dpi", "acceptsValue", {QVariant(v), c.stage, c.value, c.count}, e);
             },
             [c] {
                 return QJsonValue(
                     StoredProfile::acceptsDpiValue(c.values, c.stage, c.value, c.count));
             }});
    }

    // Lighting as stored -> as shown; three entries (no on/off state) show the light on.
    const QList<QStringList> lightLists = {
        {"4", "3", "7", "1"},  {"4", "3", "7", "0"},   {"4", "3", "7"}, {"12", "9", "-1", "1"},
        {"abc", "", "x", "1"}, {"9", "7", "0", "abc"}, {"1", "2"},      {"2", "5", "5", "1", "0"},
    };
    for (const QStringList &list : lightLists) {
        all.append({"light " + list.join(',').toStdString(),
                    [list](PageScripts &js, QString *e) {
                        return js.call("Lighting", "readConfigs", {QVariant(texts(list))}, e);
                    },
                    [list] {
                        StoredProfile::Lighting l;
                        if (!StoredProfile::lighting(texts(list), &l))
                            return QJsonValue(QJsonValue::Null);
                        return QJsonValue(QJsonObject{{"powerOn", l.on},
                                                      {"position", l.position},
                                                      {"brightness", l.brightness},
                                                      {"speed", l.speed}});
                    }});
    }

    // Lighting as sent: every effect with its controls at both ends, and the light off.
    for (int position = 0; position < 10; ++position) {
        for (const auto &bs : {QPair<int, int>{0, 0}, {3, 7}, {7, 0}}) {
            for (bool on : {true, false}) {
                all.append(
                    {"light bytes " + std::to_string(position) + " " + std::to_string(bs.first) +
                         "/" + std::to_string(bs.second) + (on ? " on" : " off"),
                     [=](PageScripts &js, QString *e) {
                         const QJsonObject o = js.call("Lighting", "applyCommand",
                                                       {on, position, bs.first, bs.second}, e)
                                                   .toObject();
                         return QJsonValue(QJsonArray{o["effect"], o["option1"], o["option2"]});
                     },
                     [=] {
                         const LightingTable::Bytes b =
                             LightingTable::commandBytes(on, position, bs.first, bs.second);
                         return QJsonValue(QJsonArray{b.effect, b.brightness, b.speed});
                     }});
            }
        }
    }

    // Stage colour ids as sent: orange (7) goes out, and is stored, as 8.
    all.append({"colour ids",
                [](PageScripts &js, QString *e) {
                    return js.call("Dpi", "colourIdsToSend",
                                   {QVariant(QVariantList{0, 1, 2, 3, 4, 5, 6, 7})}, e);
                },
                [] {
                    QJsonArray out;
                    for (int id = 0; id < 8; ++id)
                        out.append(FixedColors::storedId(id));
                    return QJsonValue(out);
                }});

    // Key records as stored -> as shown: four entries or more are the record (the first
    // four), fewer give the factory record.
    const QList<QStringList> keyLists = {
        {"1", "0", "240", "0"}, {"1", "0", "240"},    {"1", "0", "241", "0", "9"},
        {"abc", "0", "4", "0"}, {"9", "1", "3", "0"}, {},
    };
    for (const QStringList &list : keyLists) {
        const QVariantList factory{1, 0, 242, 0};
        all.append({"key record " + list.join(',').toStdString(),
                    [list, factory](PageScripts &js, QString *e) {
                        if (list.size() < 4)
                            return QJsonValue(QJsonArray::fromVariantList(factory));
                        return js.call("KeyRecord", "storedRecord", {QVariant(texts(list))}, e);
                    },
                    [list, factory] {
                        return QJsonValue(json(StoredProfile::keyRecord(texts(list), factory)));
                    }});
    }

    // The left-button guard counts the selector's keys only: a left button on key 9 (not
    // listed) does not make the key 0 safe to reassign; one on key 14 does.
    const QList<int> selector = KeyRules::selectorKeyIds({});
    const struct {
        const char *name;
        QList<Record> matrix;
        int keyId;
    } guards[] = {
        {"factory, key 0", factoryMatrix(), 0},
        {"factory, key 1", factoryMatrix(), 1},
        {"second left on 9",
         [] {
             auto m = factoryMatrix();
             m[9] = {1, 0, 0xF0, 0};
             return m;
         }(),
         0},
        {"second left on 14",
         [] {
             auto m = factoryMatrix();
             m[14] = {1, 0, 0xF0, 0};
             return m;
         }(),
         0},
    };
    for (const auto &g : guards) {
        all.append({std::string("left guard ") + g.name,
                    [g](PageScripts &js, QString *e) {
                        const QJsonValue listed =
                            js.call("KeyRecord", "selectorKeyIds", {QVariant(QStringList())}, e);
                        return js.call("KeyRecord", "leftButtonAtRisk",
                                       {QVariant(records(g.matrix)),
                                        QVariant(listed.toArray().toVariantList()), g.keyId},
                                       e);
                    },
                    [g, selector] {
                        return QJsonValue(KeyRules::leftButtonAtRisk(g.matrix, selector, g.keyId));
                    }});
    }

    // The macro slot plan: a macro without a slot takes the lowest one no key uses.
    const struct {
        const char *name;
        QList<Record> matrix;
    } plans[] = {
        {"no macros", factoryMatrix()},
        {"slots 1 and 2",
         [] {
             auto m = factoryMatrix();
             m[3] = {9, 0, 1, 0};
             m[4] = {9, 2, 2, 0};
             return m;
         }()},
        {"keyboard form not counted",
         [] {
             auto m = factoryMatrix();
             m[3] = {9, 0, 1, 5};
             return m;
         }()},
        {"all twelve",
         [] {
             auto m = factoryMatrix();
             for (int k = 0; k < 12; ++k)
                 m[k + 3] = {9, 0, uchar(k + 1), 0};
             return m;
         }()},
    };
    for (const auto &p : plans) {
        all.append(
            {std::string("macro slot ") + p.name,
             [p](PageScripts &js, QString *e) {
                 const QJsonValue used =
                     js.call("KeyRecord", "usedMacroSlots", {QVariant(records(p.matrix))}, e);
                 QVariantList v;
                 for (int s : intsOf(used))
                     v.append(s);
                 return js.call("KeyRecord", "lowestFreeSlot", {QVariant(v)}, e);
             },
             [p] {
                 return QJsonValue(KeyRules::lowestFreeSlot(KeyRules::usedMacroSlots(p.matrix)));
             }});
    }

    // A fire record's speed byte -> the slider position the page shows (and r8ctl names).
    for (int speed : {0, 10, 27, 28, 45, 100, 255}) {
        all.append({"fire slider " + std::to_string(speed),
                    [speed](PageScripts &js, QString *e) {
                        return js.call("KeyRecord", "fireSlider", {speed}, e);
                    },
                    [speed] { return QJsonValue(KeyFunctions::fireSlider(uchar(speed))); }});
    }

    // The selector's keys: those the language file names, else the built-in ones.
    for (const QStringList &layout :
         {QStringList{}, QStringList{"LEFT", "", "MIDDLE"}, QStringList(16, QString())}) {
        all.append({"selector " + layout.join('|').toStdString(),
                    [layout](PageScripts &js, QString *e) {
                        return js.call("KeyRecord", "selectorKeyIds", {QVariant(layout)}, e);
                    },
                    [layout] { return QJsonValue(json(KeyRules::selectorKeyIds(layout))); }});
    }
    return all;
}

class SharedRules : public ::testing::Test {
protected:
    PageScripts js;
};

TEST_F(SharedRules, ThePagesLibrariesLoad) {
    EXPECT_TRUE(js.error().isEmpty()) << js.error().toStdString();
}

TEST_F(SharedRules, EveryCaseGivesTheSameOnBothSides) {
    for (const Case &c : cases()) {
        SCOPED_TRACE(c.name);
        QString error;
        const QJsonValue page = c.page(js, &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        EXPECT_EQ(PageScripts::text(page), PageScripts::text(c.cpp()));
    }
}

TEST_F(SharedRules, AMissingFunctionFailsTheCall) {
    QString error;
    js.call("Dpi", "noSuchFunction", {}, &error);
    EXPECT_EQ(error, "no function Dpi.noSuchFunction");
}

} // namespace
