// What r8ctl reports: every setting back in "profile show", a transfer that fails as exit 1
// naming the setting, and the pages' readings of stored entries agreeing with r8ctl's.
#include "page_scripts.h"
#include "r8ctl_rig.h"

#include <QJsonArray>
#include <QSettings>

namespace {

// The value at `key` of a JSON object, or at `key`[index] when index >= 0.
QJsonValue field(const QJsonObject &o, const QString &key, int index = -1) {
    return index < 0 ? o[key] : o[key].toArray()[index];
}

TEST(R8ctlResults, ProfileShowHoldsEverySettingCommandsValue) {
    R8ctlRig rig;
    rig.writeUserFile("jump.txt", "A down\n50 ms\nA up\n");
    ASSERT_EQ(rig.run({"macro", "create", "Jump"}).exitCode, 0);
    ASSERT_EQ(rig.run({"macro", "set", "Jump", "jump.txt"}).exitCode, 0);
    const struct {
        QStringList command;
        const char *key;
        int index;
        QJsonValue expected;
    } rows[] = {
        {{"rate", "250"}, "reportRate", -1, 250},
        {{"dpi", "set", "3", "1500"}, "dpi", 2, 1500},
        {{"dpi", "set", "3", "1500"}, "dpiOn", 2, true},
        {{"dpi", "stage", "3"}, "dpiStage", -1, 3},
        {{"dpi", "colors", "--stage", "3", "orange"}, "dpiFixedColors", 2, "orange"},
        {{"light", "wave", "--brightness", "3", "--speed", "7"}, "lightEffect", -1, "WAVE"},
        {{"light", "wave", "--brightness", "3", "--speed", "7"}, "lightBrightness", -1, 3},
        {{"light", "wave", "--brightness", "3", "--speed", "7"}, "lightSpeed", -1, 7},
        {{"light", "wave"}, "lightOn", -1, true},
        {{"light", "off"}, "lightOn", -1, false},
        {{"palette", "--index", "2", "0,0,255"}, "palette", 1, "0,0,255"},
        {{"button", "5", "mouse", "forward"}, "button5", -1, "mouse forward"},
        {{"button", "6", "macro", "Jump", "--mode", "repeat"},
         "button6",
         -1,
         "macro Jump (repeat)"},
        {{"scroll-swap", "on"}, "scrollSwap", -1, true},
        {{"pointer", "speed", "7"}, "pointerSpeed", -1, 7},
    };
    for (const auto &row : rows) {
        const std::string name = row.command.join(' ').toStdString();
        const R8ctlRun set = rig.run(QStringList{"--emulate"} + row.command);
        // The pointer has no system settings here: stored, with a warning.
        ASSERT_EQ(set.exitCode, 0) << name << ": " << set.err.toStdString();
        const R8ctlRun shown = rig.run({"--json", "profile", "show"});
        ASSERT_EQ(shown.exitCode, 0) << shown.err.toStdString();
        EXPECT_EQ(field(shown.json(), row.key, row.index), row.expected) << name;
    }
}

TEST(R8ctlResults, ShowOnAFreshProfileShowsWhatThePagesShow) {
    R8ctlRig rig;
    const QJsonObject o = rig.run({"--json", "profile", "show", "4"}).json();
    EXPECT_EQ(o["reportRate"].toInt(), 1000);
    EXPECT_EQ(o["dpi"].toArray(), (QJsonArray{0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(o["dpiStage"].toInt(), 1);
    // Buttons the profile does not hold show their factory function.
    EXPECT_EQ(o["button1"].toString(), "mouse left");
    EXPECT_EQ(o["scrollSwap"].toBool(), false);
    // The lighting page's controls as they start: STATIC, brightness 7, speed 4, LED on.
    EXPECT_EQ(o["lightEffect"].toString(), "STATIC");
    EXPECT_EQ(o["lightBrightness"].toInt(), 7);
    EXPECT_EQ(o["lightSpeed"].toInt(), 4);
    EXPECT_TRUE(o["lightOn"].toBool());
}

// The settings commands against a mouse that goes away after N reports: whenever the
// handshake passed and a report of the command was lost, r8ctl says which setting did not
// get through and exits 1; once N covers the whole command, it is done.
TEST(R8ctlResults, ARemovedMouseIsExitOneNamingTheSetting) {
    const struct {
        QStringList command;
        const char *names; // what the message may name
    } rows[] = {
        {{"rate", "500"}, "report rate"},
        {{"dpi", "set", "2", "2500"}, "sensor type|number of DPI stages|DPI values"},
        {{"light", "wave"}, "lighting effect"},
        {{"button", "5", "mouse", "forward"}, "function option|report rate|button assignments"},
        {{"profile", "apply"}, "rate|dpi|dpiColors|palette|light|buttons"},
    };
    for (const auto &row : rows) {
        R8ctlRig rig;
        const std::string name = row.command.join(' ').toStdString();
        ASSERT_EQ(rig.run(QStringList{"--emulate", "--wire-log", "w.log"} + row.command).exitCode,
                  0)
            << name;
        int reports = 0, handshake = 0;
        for (const WireLine &l : rig.wireLog()) {
            ++reports;
            if (l.direction == "IN" && l.kind == "FEATURE" && handshake == 0)
                handshake = reports; // the handshake ends with the first reply
        }
        ASSERT_GT(handshake, 0) << name;
        const QRegularExpression named(
            QString("^r8ctl: (.*(%1).* did not reach the mouse|the mouse did not report .*(%1))")
                .arg(row.names));
        // About ten points from right after the handshake to the command's last report.
        QList<int> points;
        const int step = qMax(1, (reports - handshake) / 10);
        for (int n = handshake; n < reports; n += step)
            points.append(n);
        points << reports - 1 << reports;
        for (int n : points) {
            SCOPED_TRACE(name + " after " + std::to_string(n));
            const R8ctlRun r =
                rig.run(QStringList{QString("--emulate=fault=removal,fault-after=%1").arg(n)} +
                        row.command);
            if (n == reports) {
                EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
                continue;
            }
            EXPECT_EQ(r.exitCode, 1);
            EXPECT_TRUE(r.err.contains(named) || r.err.trimmed() == "r8ctl: Can not detect R8 !")
                << r.err.toStdString();
            EXPECT_EQ(r.err.count('\n'), 1) << "one message";
        }
    }
}

// Button 10 (key 9) is not in the key selector: a left button there cannot be clicked, so
// button 1 is still the only one; a left button on button 15 (key 14) is.
TEST(R8ctlResults, TheLeftButtonGuardCountsTheSelectorsKeysOnly) {
    R8ctlRig rig;
    ASSERT_EQ(rig.run({"--emulate", "button", "10", "mouse", "left"}).exitCode, 0);
    const R8ctlRun refused = rig.run({"--emulate", "button", "1", "led"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains("only left button")) << refused.err.toStdString();
    ASSERT_EQ(rig.run({"--emulate", "button", "15", "mouse", "left"}).exitCode, 0);
    EXPECT_EQ(rig.run({"--emulate", "button", "1", "led"}).exitCode, 0);
}

TEST(R8ctlResults, AMouseThatNeverAnswersOrAnswersGarbageFailsTheHandshake) {
    R8ctlRig rig;
    for (const char *fault : {"no-answer", "garbage"}) {
        const R8ctlRun r = rig.run({QString("--emulate=fault=%1").arg(fault), "rate", "500"});
        EXPECT_EQ(r.exitCode, 1) << fault;
        EXPECT_EQ(r.err.trimmed(), "r8ctl: Can not detect R8 !") << fault;
    }
}

// A profile of 80,000 keys (about 1 MB, reachable through "profile import") is shown whole.
TEST(R8ctlResults, ShowsAProfileOfManyKeys) {
    R8ctlRig rig;
    QByteArray text = "[sensor]\nreportRate_R8=2\n[bulk]\n";
    constexpr int kKeys = 80000;
    for (int i = 0; i < kKeys; ++i)
        text += "entry" + QByteArray::number(i).rightJustified(5, '0') + "=" +
                QByteArray::number(i % 997) + "\n";
    ASSERT_GT(text.size(), 900 * 1000);
    rig.writeUserFile("big.pf", text);
    ASSERT_EQ(rig.run({"profile", "import", "5", "big.pf"}).exitCode, 0);
    const R8ctlRun r = rig.run({"--json", "profile", "show", "5"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = r.json();
    EXPECT_EQ(o["reportRate"].toInt(), 500);
    int bulk = 0;
    for (auto it = o.begin(); it != o.end(); ++it)
        bulk += it.key().startsWith("bulk/") ? 1 : 0;
    EXPECT_EQ(bulk, kKeys);
    EXPECT_EQ(o["bulk/entry79999"].toString(), QString::number(79999 % 997));
    const R8ctlRun lines = rig.run({"profile", "show", "5"});
    EXPECT_EQ(lines.out.count('\n'), r.json().size());
}

// Stored entries -> what the page shows and sends (its JavaScript, through the QML engine)
// -> what r8ctl shows and sends. The first rows are the drifts the two sides once had.
TEST(R8ctlResults, ThePageAndR8ctlReadStoredEntriesAlike) {
    PageScripts js;
    ASSERT_TRUE(js.error().isEmpty()) << js.error().toStdString();
    const struct {
        const char *name;
        const char *key;
        QString stored;
    } rows[] = {
        {"rate code with two bits", "sensor/reportRate_R8", "6"},
        {"rate code above 8", "sensor/reportRate_R8", "16"},
        {"lighting with four entries", "color_R8/ledEffect", "4, 3, 7, 1"},
        {"lighting switched off", "color_R8/ledEffect", "8, 2, 5, 0"},
        {"lighting with three entries", "color_R8/ledEffect", "2, 6, 1"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        R8ctlRig rig;
        {
            QSettings p1(rig.programFile("modules/setting/p1.bin"), QSettings::IniFormat);
            p1.setValue(row.key, row.stored.contains(',') ? QVariant(row.stored.split(", "))
                                                          : QVariant(row.stored));
        }
        const QJsonObject shown = rig.run({"--json", "profile", "show"}).json();
        ASSERT_EQ(rig.run({"--emulate", "--wire-log", "w.log", "profile", "apply"}).exitCode, 0);
        QByteArray sent;
        const uchar code = QString(row.key).startsWith("sensor") ? 0x01 : 0x0D;
        for (const WireLine &l : R8ctlRig::setCommands(rig.wireLog()))
            if (uchar(l.plain[0]) == code)
                sent = l.plain.mid(1, code == 0x01 ? 1 : 3);

        QString error;
        QVariantList pageSent;
        if (code == 0x01) {
            const int pos = js.call("Dpi", "pollingPosition", {row.stored}, &error).toInt();
            const int hz[] = {125, 250, 500, 1000};
            EXPECT_EQ(shown["reportRate"].toInt(), hz[pos]);
            pageSent = {js.call("Dpi", "reportRateCode", {pos}, &error).toInt()};
        } else {
            const QJsonObject page =
                js.call("Lighting", "readConfigs", {QVariant(row.stored.split(", "))}, &error)
                    .toObject();
            EXPECT_EQ(shown["lightOn"].toBool(), page["powerOn"].toBool());
            EXPECT_EQ(shown["lightBrightness"].toInt(), page["brightness"].toInt());
            EXPECT_EQ(shown["lightSpeed"].toInt(), page["speed"].toInt());
            const QJsonObject bytes = js.call("Lighting", "applyCommand",
                                              {page["powerOn"].toBool(), page["position"].toInt(),
                                               page["brightness"].toInt(), page["speed"].toInt()},
                                              &error)
                                          .toObject();
            pageSent = {bytes["effect"].toInt(), bytes["option1"].toInt(),
                        bytes["option2"].toInt()};
        }
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        QByteArray expected;
        for (const QVariant &b : pageSent)
            expected.append(char(b.toInt()));
        EXPECT_EQ(sent.toHex(' '), expected.toHex(' '));
    }
}

} // namespace
