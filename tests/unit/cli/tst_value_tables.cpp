// The value tables the pages keep in JavaScript, as the command-line tool holds them.
#include "dpi_table.h"
#include "key_functions.h"
#include "lighting_table.h"

#include <QDir>

#include <QFile>
#include <QJSEngine>
#include <QRegularExpression>
#include <cmath>

#include <gtest/gtest.h>

namespace {

// The DPI a code stands for, decoded by the code layout alone: steps in bits 0..5, bit 6
// doubles, each sensor type with its own step.
int decodeDpi(int sensorType, unsigned char code) {
    const int n = code & 0x3F;
    const int base = sensorType == 3 ? (n + 1) * 100 : n * (sensorType == 2 ? 125 : 250);
    return (code & 0x40) ? 2 * base : base;
}

TEST(DpiTable, EveryCodeDecodesToItsValue) {
    for (int type = 0; type < DpiTable::kSensorTypes; ++type) {
        ASSERT_FALSE(DpiTable::codes(type).isEmpty());
        for (const DpiTable::Entry &e : DpiTable::codes(type)) {
            EXPECT_EQ(decodeDpi(type, e.code), e.dpi) << "type " << type << " dpi " << e.dpi;
            EXPECT_EQ(e.code & 0x80, 0);
        }
    }
}

TEST(DpiTable, EveryMenuValueHasACodeAndOnlyZeroIsOff) {
    for (int type = 0; type < DpiTable::kSensorTypes; ++type) {
        for (int dpi : DpiTable::menu(type)) {
            const unsigned char code = DpiTable::codeFor(type, dpi);
            EXPECT_EQ(code == DpiTable::kStageOff, dpi == 0) << "type " << type << " dpi " << dpi;
        }
        for (int dpi : DpiTable::startingValues(type))
            EXPECT_TRUE(dpi == 0 || DpiTable::offers(type, dpi)) << type << " " << dpi;
    }
    // Type 3 offers no 0: a stage cannot be switched off from its menu.
    EXPECT_FALSE(DpiTable::offers(3, 0));
    EXPECT_EQ(DpiTable::codeFor(0, 2600), DpiTable::kStageOff);
    EXPECT_EQ(DpiTable::codeFor(4, 1000), DpiTable::kStageOff);
    EXPECT_TRUE(DpiTable::menu(4).isEmpty());
}

TEST(DpiTable, TheSelectedStageMovesOffAStageWithoutAValueAsThePageMovesIt) {
    // The cases the sensor page's JavaScript test runs too.
    QFile file(qEnvironmentVariable("R8_SOURCE_DIR") + "/tests/data/dpi_stage_cases.js");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QJSEngine engine;
    const QJSValue result = engine.evaluate(QString::fromUtf8(file.readAll()));
    ASSERT_FALSE(result.isError()) << result.toString().toStdString();
    const QVariantList cases = engine.globalObject().property("cases").toVariant().toList();
    ASSERT_GE(cases.size(), 5);
    for (const QVariant &c : cases) {
        const QVariantMap m = c.toMap();
        QList<int> values;
        for (const QVariant &v : m["values"].toList())
            values.append(v.toInt());
        EXPECT_EQ(DpiTable::selectableStage(values, m["stage"].toInt(), m["stages"].toInt()),
                  m["expected"].toInt())
            << m["tag"].toString().toStdString();
    }
}

TEST(DpiTable, AgreesWithTheSensorPagesJavaScriptWhereThereIsOne) {
    // A js library of the sensor page ("dpi" or "sensor" in its name) that spells out the
    // code table as "value: code" pairs, one block per sensor type, must say what this
    // table says.
    const QDir js(qEnvironmentVariable("R8_SOURCE_DIR") + "/resources/modules/qml/js");
    static const QRegularExpression pair("\\b(\\d{3,5})\\s*:\\s*(0x[0-9A-Fa-f]{2}|\\d{1,3})\\b");
    int compared = 0;
    for (const QString &name :
         js.entryList({"*dpi*.js", "*sensor*.js", "*Dpi*.js", "*Sensor*.js"})) {
        QFile f(js.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        if (!text.contains("0x45") || !text.contains("0x71"))
            continue; // no code table in it
        // One block per sensor type, in order: split where a table starts again at its
        // lowest value.
        QList<QList<DpiTable::Entry>> blocks;
        auto it = pair.globalMatch(text);
        int last = 1 << 30;
        while (it.hasNext()) {
            const auto m = it.next();
            const int dpi = m.captured(1).toInt();
            const int code = m.captured(2).toInt(nullptr, 0);
            if (dpi < last)
                blocks.append(QList<DpiTable::Entry>());
            blocks.last().append(DpiTable::Entry{dpi, static_cast<unsigned char>(code)});
            last = dpi;
        }
        ASSERT_EQ(blocks.size(), DpiTable::kSensorTypes) << name.toStdString();
        for (int type = 0; type < DpiTable::kSensorTypes; ++type) {
            ASSERT_EQ(blocks[type].size(), DpiTable::codes(type).size()) << type;
            for (int i = 0; i < blocks[type].size(); ++i) {
                EXPECT_EQ(blocks[type][i].dpi, DpiTable::codes(type)[i].dpi);
                EXPECT_EQ(blocks[type][i].code, DpiTable::codes(type)[i].code);
                ++compared;
            }
        }
    }
    if (compared == 0)
        GTEST_SKIP() << "no DPI code table in the QML js libraries yet";
}

TEST(LightingTable, SpeedBytesPerEffectAndPosition) {
    // Rows: position 0..7; columns: effects 3 (and 4, 5), 8, 9, 10.
    const int expected[8][4] = {{10, 20, 15, 30}, {9, 19, 14, 29}, {7, 17, 12, 27}, {6, 16, 11, 26},
                                {5, 14, 9, 24},   {4, 13, 8, 23},  {2, 11, 6, 21},  {1, 10, 5, 20}};
    const int effects[4] = {3, 8, 9, 10};
    for (int s = 0; s < 8; ++s) {
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(LightingTable::speedByte(effects[c], s), expected[s][c]) << s << " " << c;
        EXPECT_EQ(LightingTable::speedByte(4, s), expected[s][0]);
        EXPECT_EQ(LightingTable::speedByte(5, s), expected[s][0]);
        // Effects without a speed control get 0.
        EXPECT_EQ(LightingTable::speedByte(1, s), 0);
    }
}

TEST(LightingTable, AgreesWithTheLightingPagesJavaScript) {
    QFile f(qEnvironmentVariable("R8_SOURCE_DIR") + "/resources/modules/qml/js/lighting.js");
    if (!f.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "no lighting.js";
    const QString text = QString::fromUtf8(f.readAll());
    // { text: "STATIC", string: 13, speed: false, brightness: true, palette: true }
    static const QRegularExpression row(
        "text:\\s*\"([^\"]+)\"[^}]*speed:\\s*(true|false),\\s*brightness:\\s*(true|false),"
        "\\s*palette:\\s*(true|false)");
    int position = 0;
    for (auto it = row.globalMatch(text); it.hasNext(); ++position) {
        const auto m = it.next();
        const LightingTable::Effect *e = LightingTable::effect(position + 1);
        ASSERT_NE(e, nullptr) << position;
        EXPECT_EQ(m.captured(1), QLatin1String(e->name));
        EXPECT_EQ(m.captured(2) == "true", e->speed) << e->name;
        EXPECT_EQ(m.captured(3) == "true", e->brightness) << e->name;
        EXPECT_EQ(m.captured(4) == "true", e->palette) << e->name;
    }
    EXPECT_EQ(position, 10);
    // var speedRange = { 3: [1, 9], ... }: byte = base + round((7 - s) * span / 7)
    static const QRegularExpression range("(\\d+):\\s*\\[(\\d+),\\s*(\\d+)\\]");
    int ranges = 0;
    for (auto it = range.globalMatch(text); it.hasNext(); ++ranges) {
        const auto m = it.next();
        const int code = m.captured(1).toInt(), base = m.captured(2).toInt(),
                  span = m.captured(3).toInt();
        for (int s = 0; s < 8; ++s)
            EXPECT_EQ(LightingTable::speedByte(code, s),
                      base + int(std::floor((7 - s) * span / 7.0 + 0.5)))
                << code << " " << s;
    }
    EXPECT_EQ(ranges, 6);
}

TEST(LightingTable, BrightnessBytesAndControls) {
    const int expected[8] = {0, 45, 80, 115, 150, 185, 220, 255};
    for (int b = 0; b < 8; ++b)
        EXPECT_EQ(LightingTable::brightnessByte(b), expected[b]);
    ASSERT_EQ(LightingTable::effects().size(), 10);
    for (int code = 1; code <= 10; ++code) {
        const LightingTable::Effect *e = LightingTable::effect(code);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->code, code);
        // An effect has a speed control exactly when the speed table has a column for it.
        EXPECT_EQ(e->speed, LightingTable::speedByte(code, 0) != 0) << e->name;
    }
    EXPECT_EQ(LightingTable::effect(0), nullptr);
    EXPECT_EQ(LightingTable::effect(11), nullptr);
}

TEST(KeyFunctions, RecordsInTheirStoredByteOrder) {
    using R = KeyFunctions::Record;
    // Media usage low byte first: MAIL 0x018A as the factory profile stores it.
    EXPECT_EQ(KeyFunctions::media(0x018A), (R{3, 0, 138, 1}));
    EXPECT_EQ(KeyFunctions::fire(0xF0, 0, 3), (R{0x0A, 0xF0, 255, 3}));
    EXPECT_EQ(KeyFunctions::fire(0xF0, 7, 3), (R{0x0A, 0xF0, 10, 3}));
    // TRIPLE CLICK is a fire record whose speed no slider position gives.
    EXPECT_EQ(KeyFunctions::mouseFunctions()[5].record, (R{0x0A, 0xF0, 0x21, 0x03}));
    EXPECT_TRUE(KeyFunctions::isLeftButton(KeyFunctions::mouseFunctions()[0].record));
    EXPECT_EQ(KeyFunctions::mediaKeys().size(), 18);
}

TEST(KeyFunctions, AgreeWithTheKeyAssignmentPagesJavaScript) {
    QFile f(qEnvironmentVariable("R8_SOURCE_DIR") + "/resources/modules/qml/js/keyrecord.js");
    if (!f.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "no keyrecord.js";
    const QString text = QString::fromUtf8(f.readAll());
    const auto number = [](const QString &t) { return t.trimmed().toInt(nullptr, 0); };

    // mouseItems: { text: 51, record: [0x01, 0, 0xF0, 0] }, ... in list order
    static const QRegularExpression record("record:\\s*\\[([^\\]]+)\\]");
    int i = 0;
    for (auto it = record.globalMatch(text); it.hasNext(); ++i) {
        const QStringList bytes = it.next().captured(1).split(',');
        ASSERT_LT(i, KeyFunctions::mouseFunctions().size());
        ASSERT_EQ(bytes.size(), 4);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(number(bytes[k]), KeyFunctions::mouseFunctions()[i].record[size_t(k)])
                << KeyFunctions::mouseFunctions()[i].name;
    }
    EXPECT_EQ(i, KeyFunctions::mouseFunctions().size());

    static const QRegularExpression media("mediaUsages\\s*=\\s*\\[([^\\]]+)\\]");
    const QStringList usages = media.match(text).captured(1).split(',');
    ASSERT_EQ(usages.size(), KeyFunctions::mediaKeys().size());
    for (int k = 0; k < usages.size(); ++k)
        EXPECT_EQ(number(usages[k]), KeyFunctions::mediaKeys()[k].usage) << k;
}

} // namespace
