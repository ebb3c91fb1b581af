// r8ctl's settings commands against the virtual mouse: bytes on the wire and the profile.
#include "r8ctl_rig.h"

#include <QJsonArray>
#include <QSettings>

namespace {

QVariant storedValue(const R8ctlRig &rig, int profile, const QString &key) {
    QSettings p(rig.programFile(QString("modules/setting/p%1.bin").arg(profile)),
                QSettings::IniFormat);
    return p.value(key);
}

TEST(R8ctlDevice, DpiSetSendsTheCodedStageListAndStoresTheValue) {
    R8ctlRig rig;
    const R8ctlRun r = rig.run({"--emulate", "--wire-log", "w.log", "dpi", "set", "2", "2500"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    const QList<WireLine> sets = R8ctlRig::setCommands(rig.wireLog());
    ASSERT_EQ(sets.size(), 1);
    //                                    11 |stg| 08| 00| 00| 00| 00| cs   (stage count from 91H)
    QByteArray frame = hexBytes("11 08 08 00 00 00 00");
    frame.append(char(frameChecksum(frame + '\0')));
    EXPECT_EQ(sets[0].plain.toHex(' '), frame.toHex(' '));
    // The request itself travels enciphered.
    EXPECT_NE(sets[0].bytes.mid(1), sets[0].plain);

    QList<WireLine> outputs;
    for (const WireLine &l : rig.wireLog())
        if (l.kind == "OUTPUT")
            outputs.append(l);
    ASSERT_EQ(outputs.size(), 1);
    ASSERT_EQ(outputs[0].bytes.size(), 33);
    // report ID, then one code per stage: a fresh tree's profile is the factory profile, so
    // the other stages keep their factory values (500, 1500 ... 4000)
    //                                     00 | 500|2500|1500|2000|2500|3000|3500|4000
    EXPECT_EQ(outputs[0].bytes.left(9).toHex(' '), QByteArray("00 02 45 06 08 45 46 47 48"));

    EXPECT_EQ(storedValue(rig, 1, "sensor/dpi_R8").toStringList().value(1), "2500");
}

TEST(R8ctlDevice, DpiStageCountComesFromTheMouse) {
    R8ctlRig rig;
    ASSERT_EQ(rig.run({"--emulate", "profile", "reset", "1"}).exitCode, 0);
    const R8ctlRun r =
        rig.run({"--emulate=stages=4", "--wire-log=w.log", "dpi", "set", "3", "750"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QList<WireLine> sets = R8ctlRig::setCommands(rig.wireLog());
    ASSERT_EQ(sets.size(), 1);
    EXPECT_EQ(uchar(sets[0].plain[1]), 4);

    for (const QStringList &beyond :
         {QStringList{"dpi", "set", "5", "750"}, QStringList{"dpi", "stage", "5"},
          QStringList{"dpi", "colors", "--stage", "5", "red"}}) {
        const R8ctlRun refused = rig.run(QStringList{"--emulate=stages=4"} + beyond);
        EXPECT_EQ(refused.exitCode, 2) << beyond.join(' ').toStdString();
        EXPECT_TRUE(refused.err.contains("4 DPI stages")) << refused.err.toStdString();
    }
    // The last stage in use that has a value is not switched off.
    QSettings p1(rig.programFile("modules/setting/p1.bin"), QSettings::IniFormat);
    p1.setValue("sensor/dpi_R8", QVariantList{0, 0, 750, 0, 2500, 3000, 3500, 4000});
    p1.sync();
    EXPECT_EQ(rig.run({"--emulate=stages=4", "dpi", "set", "3", "0"}).exitCode, 2);
    EXPECT_EQ(rig.run({"--emulate=stages=8", "dpi", "set", "3", "0"}).exitCode, 0);
}

struct WireCase {
    const char *name;
    QStringList args;
    const char *plain;  // the set frame's first bytes
    const char *output; // the first data-phase report after the report ID, or nullptr
    const char *key;    // profile key that now holds the value, or nullptr
    const char *stored;
    QStringList setup = {}; // a command run first, without the wire log
};

class R8ctlWire : public ::testing::TestWithParam<WireCase> {};

TEST_P(R8ctlWire, SendsTheBridgeFrameAndStoresFirst) {
    const WireCase &c = GetParam();
    R8ctlRig rig;
    if (!c.setup.isEmpty()) {
        ASSERT_EQ(rig.run(c.setup).exitCode, 0);
    }
    R8ctlRun r = rig.run(QStringList{"--emulate=logo=off", "--wire-log", "w.log"} + c.args);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QList<WireLine> log = rig.wireLog();
    const QList<WireLine> sets = R8ctlRig::setCommands(log);
    ASSERT_FALSE(sets.isEmpty());
    const QByteArray want = hexBytes(c.plain);
    EXPECT_EQ(sets.last().plain.left(want.size()).toHex(' '), want.toHex(' '));
    if (c.output) {
        QByteArray first;
        for (const WireLine &l : log)
            if (l.kind == "OUTPUT" && first.isEmpty())
                first = l.bytes.mid(1);
        const QByteArray data = hexBytes(c.output);
        EXPECT_EQ(first.left(data.size()).toHex(' '), data.toHex(' '));
    }
    if (c.key) {
        EXPECT_EQ(storedValue(rig, 1, c.key).toStringList().join(", "), QString(c.stored));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, R8ctlWire,
    ::testing::Values(
        //                                                  01 |rate
        WireCase{"rate", {"rate", "250"}, "01 04", nullptr, "sensor/reportRate_R8", "4"},
        WireCase{"rateHz", {"rate", "125Hz"}, "01 08", nullptr, "sensor/reportRate_R8", "8"},
        //                                                  0B |stg
        WireCase{"stage",
                 {"dpi", "stage", "5"},
                 "0b 05",
                 nullptr,
                 "sensor/stage_R8",
                 "5",
                 {"--emulate", "profile", "reset", "1"}},
        //                  0D |eff|bri|spd      WAVE, brightness position 3, speed position 7
        WireCase{"wave",
                 {"light", "wave", "--brightness", "3", "--speed", "7"},
                 "0d 05 73 01",
                 nullptr,
                 "color_R8/ledEffect",
                 "4, 3, 7, 1"},
        WireCase{"spotlight",
                 {"light", "spotlight", "--speed", "0"},
                 "0d 0a ff 1e",
                 nullptr,
                 "color_R8/ledEffect",
                 "9, 7, 0, 1"},
        WireCase{"static", {"light", "static"}, "0d 01 ff 00", nullptr, nullptr, nullptr},
        WireCase{
            "off", {"light", "off"}, "0d 00 00 00", nullptr, "color_R8/ledEffect", "0, 7, 4, 0"},
        //                  10 |typ| len                    one cell changed, the rest as the
        //                  profile (here the factory profile) holds them
        WireCase{"palette",
                 {"palette", "--index", "2", "#102030"},
                 "10 00 18",
                 "ff 00 00 10 20 30 ff ff 00",
                 "color_R8/type0",
                 "255, 0, 0, 16, 32, 48, 255, 255, 0, 0, 255, 0, 0, 255, 255, 0, 0, 255, "
                 "160, 0, 255, 255, 255, 255"},
        WireCase{"stageRgb",
                 {"dpi", "colors", "red", "1,2,3", "blue", "green", "cyan", "magenta", "white",
                  "orange"},
                 "10 01 18",
                 "ff 00 00 01 02 03 00 00 ff",
                 nullptr,
                 nullptr},
        //                  03 |typ|rate|opt1|opt2    the virtual mouse reports rate 1, options 0
        WireCase{"scrollSwap",
                 {"scroll-swap", "on"},
                 "03 00 01 40 00",
                 nullptr,
                 "keydefine_R8/scrollswap",
                 "true"},
        //                  12 |01 |40 |08          button 2 becomes the middle button
        WireCase{"button",
                 {"button", "2", "mouse", "middle"},
                 "12 01 40 08",
                 "01 00 f0 00 01 00 f2 00 01 00 f2 00",
                 "keydefine_R8/1",
                 "1, 0, 242, 0"}),
    [](const ::testing::TestParamInfo<WireCase> &info) { return std::string(info.param.name); });

TEST(R8ctlDevice, ProfileApplySendsEverySettingTheProfileHolds) {
    R8ctlRig rig;
    ASSERT_EQ(rig.run({"profile", "reset", "3"}).exitCode, 0);
    ASSERT_EQ(rig.run({"--emulate", "profile", "switch", "3"}).exitCode, 0);
    const QByteArray p1 = R8ctlRig::read(rig.programFile("modules/setting/p1.bin"));
    const R8ctlRun r = rig.run({"--emulate", "--wire-log", "w.log", "profile", "apply"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QStringList frames;
    for (const WireLine &l : R8ctlRig::setCommands(rig.wireLog()))
        frames.append(QString::fromLatin1(l.plain.left(4).toHex(' ')));
    // rate 1000 Hz, the eight DPI values, stage 2, the stage colour ids (the virtual mouse
    // has the logo LED), the palette, STATIC at full brightness, scroll swap off, the buttons
    EXPECT_EQ(frames, (QStringList{"01 01 00 00", "11 08 08 00", "0b 02 00 00", "10 02 04 00",
                                   "10 00 18 00", "0d 01 ff 00", "03 00 01 00", "12 01 40 08"}));
    QByteArray dpi;
    for (const WireLine &l : rig.wireLog())
        if (l.kind == "OUTPUT" && dpi.isEmpty())
            dpi = l.bytes.mid(1, 8);
    //  500 1000 1500 2000 2500 3000 3500 4000 on sensor type 0
    EXPECT_EQ(dpi.toHex(' '), QByteArray("02 04 06 08 45 46 47 48"));
    // Nothing stored in P01.
    EXPECT_EQ(R8ctlRig::read(rig.programFile("modules/setting/p1.bin")), p1);
}

// A switch (and an import or reset of the current profile) puts the profile on the mouse, so
// a desktop shortcut on `profile switch 2` switches the mouse.
TEST(R8ctlDevice, SwitchImportAndResetOfTheCurrentProfileApplyIt) {
    R8ctlRig rig;
    ASSERT_EQ(rig.run({"profile", "list"}).exitCode, 0);
    QSettings p2(rig.programFile("modules/setting/p2.bin"), QSettings::IniFormat);
    p2.setValue("sensor/reportRate_R8", 8);
    p2.setValue("sensor/dpi_R8", QStringList{"250", "750", "0", "0", "0", "0", "0", "0"});
    p2.sync();
    const auto sentCodes = [&rig](const QStringList &arguments) {
        QFile::remove(rig.userFile("w.log")); // a run that opens no device writes none
        const R8ctlRun r = rig.run(QStringList{"--emulate", "--wire-log", "w.log"} + arguments);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        QStringList frames;
        for (const WireLine &l : R8ctlRig::setCommands(rig.wireLog()))
            frames.append(QString::fromLatin1(l.plain.left(2).toHex(' ')));
        return frames;
    };
    const QStringList switched = sentCodes({"profile", "switch", "2"});
    EXPECT_TRUE(switched.contains("01 08")) << switched.join(" | ").toStdString(); // 125 Hz
    QByteArray dpi;
    for (const WireLine &l : rig.wireLog())
        if (l.kind == "OUTPUT" && dpi.isEmpty())
            dpi = l.bytes.mid(1, 8);
    EXPECT_EQ(dpi.toHex(' '), QByteArray("01 03 80 80 80 80 80 80"));

    EXPECT_TRUE(sentCodes({"profile", "reset", "2"}).contains("01 01")) << "the factory 1000 Hz";
    EXPECT_TRUE(sentCodes({"profile", "reset", "5"}).isEmpty()) << "not the current profile";
    rig.writeUserFile("slow.pf", "[sensor]\nreportRate_R8=4\n");
    EXPECT_TRUE(sentCodes({"profile", "import", "2", "slow.pf"}).contains("01 04"));

    // Without the mouse the choice is still remembered, and the failure told.
    const R8ctlRun missing = rig.run({"--emulate=keyboard-only", "profile", "switch", "3"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(rig.run({"--json", "profile", "list"})
                    .json()["profiles"]
                    .toArray()[2]
                    .toObject()["current"]
                    .toBool());
}

// A macro a button of the profile plays goes back into its slot when the profile is applied:
// the slots are shared by every profile.
TEST(R8ctlDevice, ApplyWritesTheMacrosTheButtonsPlayIntoTheirSlots) {
    R8ctlRig rig;
    rig.writeUserFile("jump.txt", "A down\n50 ms\nA up\n");
    ASSERT_EQ(rig.run({"macro", "create", "Jump"}).exitCode, 0);
    ASSERT_EQ(rig.run({"macro", "set", "Jump", "jump.txt"}).exitCode, 0);
    const R8ctlRun bind = rig.run({"--emulate", "--json", "button", "5", "macro", "Jump"});
    ASSERT_EQ(bind.exitCode, 0) << bind.err.toStdString();
    const int slot = bind.json()["macroSlot"].toInt();
    ASSERT_GE(slot, 1);
    EXPECT_EQ(storedValue(rig, 1, QString("macro_R8/slot%1").arg(slot)).toString(), "Jump");

    const R8ctlRun r = rig.run({"--emulate", "--json", "--wire-log", "w.log", "profile", "apply"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.json()["sent"].toArray().contains(QJsonValue("macros")));
    QStringList frames;
    for (const WireLine &l : R8ctlRig::setCommands(rig.wireLog()))
        frames.append(QString::fromLatin1(l.plain.left(2).toHex(' ')));
    EXPECT_TRUE(frames.contains(QString("13 %1").arg(slot, 2, 16, QChar('0'))))
        << frames.join(" | ").toStdString();
}

TEST(R8ctlDevice, FixedColourMouseTakesColourIdsPackedTwoToAByte) {
    R8ctlRig rig;
    const R8ctlRun r = rig.run({"--emulate", "--wire-log", "w.log", "dpi", "colors", "red", "green",
                                "orange", "magenta", "cyan", "yellow", "white", "blue"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QList<WireLine> sets = R8ctlRig::setCommands(rig.wireLog());
    ASSERT_EQ(sets.size(), 1);
    EXPECT_EQ(sets[0].plain.left(3).toHex(' '), QByteArray("10 02 04"));
    QByteArray data;
    for (const WireLine &l : rig.wireLog())
        if (l.kind == "OUTPUT")
            data = l.bytes.mid(1, 4);
    // orange is stored and sent as 8: 0 | 1<<4, 8 | 3<<4, 4 | 5<<4, 6 | 2<<4
    EXPECT_EQ(data.toHex(' '), QByteArray("10 38 54 26"));
    EXPECT_EQ(storedValue(rig, 1, "color_R8/type2").toStringList().join(","), "0,1,8,3,4,5,6,2");

    const R8ctlRun rgb = rig.run({"--emulate", "dpi", "colors", "--stage", "1", "1,2,3"});
    EXPECT_EQ(rgb.exitCode, 2);
    EXPECT_TRUE(rgb.err.contains("eight fixed colours")) << rgb.err.toStdString();
}

TEST(R8ctlDevice, SensorTypeDecidesTheDpiCodes) {
    R8ctlRig rig;
    const R8ctlRun r =
        rig.run({"--emulate=sensor=3", "--wire-log", "w.log", "dpi", "set", "1", "10000"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QByteArray data;
    for (const WireLine &l : rig.wireLog())
        if (l.kind == "OUTPUT")
            data = l.bytes.mid(1, 8);
    // 10000 -> 71; of the factory values only 1000, 2000 and 4000 are in this sensor's table,
    // the others go out as off
    EXPECT_EQ(data.toHex(' '), QByteArray("71 09 80 13 80 80 80 27"));

    // 2500 is a value of sensor type 0, not of type 3.
    const R8ctlRun bad = rig.run({"--emulate=sensor=3", "dpi", "set", "1", "2500"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains("ANDS3325")) << bad.err.toStdString();
}

TEST(R8ctlDevice, FailedHandshakeIsExitOneWithTheProgramsText) {
    R8ctlRig rig;
    ASSERT_EQ(rig.run({"profile", "list"}).exitCode, 0); // the first start creates the profiles
    for (const QString &emulate :
         {QString("--emulate=code=ZZZZZZ"), QString("--emulate=fault=no-answer")}) {
        const QMap<QString, QByteArray> before = rig.snapshot();
        const R8ctlRun r = rig.run({emulate, "rate", "500"});
        EXPECT_EQ(r.exitCode, 1) << emulate.toStdString();
        EXPECT_EQ(r.err.trimmed(), "r8ctl: Can not detect R8 !") << emulate.toStdString();
        EXPECT_EQ(rig.snapshot(), before);
    }
}

TEST(R8ctlDevice, InfoReportsTheMouseAndTheKeyboardFirmware) {
    R8ctlRig rig;
    const R8ctlRun r = rig.run({"--emulate=sensor=2,logo=off,stages=5,keyboard", "--json", "info"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = r.json();
    EXPECT_EQ(o["product"].toString(), "R8");
    EXPECT_EQ(o["handshake"].toString(), "passed");
    EXPECT_EQ(o["sensorType"].toInt(), 2);
    EXPECT_EQ(o["dpiStages"].toInt(), 5);
    EXPECT_FALSE(o["logoLed"].toBool());
    EXPECT_EQ(o["interfaces"].toArray().size(), 2);
    EXPECT_EQ(o["keyboard"].toObject()["handshake"].toString(), "passed");
    EXPECT_FALSE(o["keyboard"].toObject()["firmware"].toString().isEmpty());

    const R8ctlRun alone = rig.run({"--emulate", "--json", "info"});
    EXPECT_EQ(alone.json()["keyboard"].toString(), "not found");
}

TEST(R8ctlDevice, DemoCodeRunsWithoutADeviceAndSaysSo) {
    R8ctlRig rig;
    QSettings config(rig.programFile("modules/setting/apConfig.bin"), QSettings::IniFormat);
    config.setValue("common/sCode1", "k-wodrum");
    config.sync();
    const R8ctlRun r = rig.run({"--emulate=fault=no-answer", "--wire-log", "w.log", "rate", "500"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("demo mode")) << r.err.toStdString();
    // Only the handshake's one frame (enciphered with no code, so the mouse cannot read it).
    int outgoing = 0;
    for (const WireLine &l : rig.wireLog())
        outgoing += l.direction == "OUT" ? 1 : 0;
    EXPECT_EQ(outgoing, 1);
    EXPECT_EQ(storedValue(rig, 1, "sensor/reportRate_R8").toString(), "2");
}

} // namespace
