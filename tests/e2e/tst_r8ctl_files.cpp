// r8ctl's file commands: profiles, macros, languages, help and output forms.
#include "r8ctl_rig.h"

#include <QJsonArray>
#include <QSettings>

namespace {

TEST(R8ctlProfiles, SwitchIsRememberedAndLaterSettingsGoThere) {
    R8ctlRig rig;
    ASSERT_EQ(rig.run({"profile", "switch", "P03"}).exitCode, 0);
    ASSERT_EQ(rig.run({"--emulate", "rate", "125"}).exitCode, 0);
    QSettings p3(rig.programFile("modules/setting/p3.bin"), QSettings::IniFormat);
    EXPECT_EQ(p3.value("sensor/reportRate_R8").toInt(), 8);
    EXPECT_FALSE(QFile::exists(rig.programFile("modules/setting/p1.bin")));

    // --profile is for one run only.
    ASSERT_EQ(rig.run({"--profile", "5", "--emulate", "rate", "250"}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(rig.programFile("modules/setting/p5.bin")));
    const QJsonArray list = rig.run({"--json", "profile", "list"}).json()["profiles"].toArray();
    ASSERT_EQ(list.size(), 10);
    EXPECT_TRUE(list[2].toObject()["current"].toBool());
    EXPECT_FALSE(list[4].toObject()["current"].toBool());
}

TEST(R8ctlProfiles, ExportImportAndResetCopyWholeFiles) {
    R8ctlRig rig;
    ASSERT_EQ(rig.run({"--emulate", "rate", "500"}).exitCode, 0);
    const QByteArray p1 = R8ctlRig::read(rig.programFile("modules/setting/p1.bin"));
    ASSERT_FALSE(p1.isEmpty());

    rig.writeUserFile("old.pf", "to be replaced");
    ASSERT_EQ(rig.run({"profile", "export", "1", "old.pf"}).exitCode, 0);
    EXPECT_EQ(R8ctlRig::read(rig.userFile("old.pf")), p1);

    ASSERT_EQ(rig.run({"profile", "import", "4", "old.pf"}).exitCode, 0);
    EXPECT_EQ(R8ctlRig::read(rig.programFile("modules/setting/p4.bin")), p1);

    ASSERT_EQ(rig.run({"profile", "reset", "1"}).exitCode, 0);
    EXPECT_EQ(R8ctlRig::read(rig.programFile("modules/setting/p1.bin")),
              R8ctlRig::read(rig.programFile("modules/setting/pD.bin")));
}

TEST(R8ctlProfiles, ResetWithoutTheFactoryProfileKeepsTheProfile) {
    R8ctlRig rig;
    ASSERT_EQ(rig.run({"--emulate", "rate", "500"}).exitCode, 0);
    const QByteArray p1 = R8ctlRig::read(rig.programFile("modules/setting/p1.bin"));
    QFile::remove(rig.programFile("modules/setting/pD.bin"));
    const R8ctlRun r = rig.run({"profile", "reset", "1"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(R8ctlRig::read(rig.programFile("modules/setting/p1.bin")), p1);
}

TEST(R8ctlProfiles, ShowPrintsEveryStoredSetting) {
    R8ctlRig rig;
    ASSERT_EQ(rig.run({"profile", "reset", "2"}).exitCode, 0);
    QSettings p2(rig.programFile("modules/setting/p2.bin"), QSettings::IniFormat);
    p2.setValue("other/thing", "kept");
    p2.sync();
    const R8ctlRun r = rig.run({"--json", "profile", "show", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = r.json();
    EXPECT_EQ(o["reportRate"].toInt(), 1000);
    EXPECT_EQ(o["dpi"].toArray().size(), 8);
    EXPECT_EQ(o["dpiStage"].toInt(), 2);
    EXPECT_EQ(o["dpiFixedColors"].toArray().last().toString(), "orange");
    EXPECT_EQ(o["lightEffect"].toString(), "STATIC");
    EXPECT_EQ(o["button1"].toString(), "mouse left");
    EXPECT_EQ(o["button10"].toString(), "media mail");
    EXPECT_EQ(o["pointerSpeed"].toInt(), 5);
    EXPECT_EQ(o["other/thing"].toString(), "kept");

    const R8ctlRun text = rig.run({"profile", "show", "2"});
    EXPECT_TRUE(text.out.contains("button1: mouse left\n")) << text.out.toStdString();
}

TEST(R8ctlMacros, CreateSetShowEncodeAndBind) {
    R8ctlRig rig;
    EXPECT_EQ(rig.run({"--json", "macro", "create"}).json()["created"].toString(), "Macro. 001");
    ASSERT_EQ(rig.run({"macro", "create", "Jump"}).exitCode, 0);
    EXPECT_EQ(rig.run({"macro", "create", "Jump"}).exitCode, 2);
    // A hidden file would never be listed again.
    const R8ctlRun hidden = rig.run({"macro", "create", ".Jump"});
    EXPECT_EQ(hidden.exitCode, 2);
    EXPECT_TRUE(hidden.err.contains("'.Jump' cannot be a macro name")) << hidden.err.toStdString();
    EXPECT_FALSE(QFile::exists(rig.programFile("modules/macro/.Jump.bin")));

    rig.writeUserFile("jump.txt", "# jump\nA down\n50 ms\nA up\n\n   [Delay]\n");
    // A stored-form line with no number is not an action.
    EXPECT_EQ(rig.run({"macro", "set", "Jump", "jump.txt"}).exitCode, 2);
    rig.writeUserFile("jump.txt", "# jump\r\nA down\r\n50 ms\r\nA      [Up]\r\n");
    const R8ctlRun set = rig.run({"macro", "set", "Jump", "jump.txt"});
    ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();

    const QJsonObject shown = rig.run({"--json", "macro", "show", "Jump"}).json();
    EXPECT_EQ(shown["actions"].toArray(), (QJsonArray{"A down", "50 ms", "A up"}));
    EXPECT_EQ(shown["storedLines"].toArray()[0].toString(), "A    [Down]");

    // Repeat count 1 in bytes 0-1; the 50 ms folds into the key press.
    const QJsonArray slot =
        rig.run({"--json", "macro", "encode", "Jump"}).json()["slotBytes"].toArray();
    ASSERT_EQ(slot.size(), 128);
    const int expected[] = {0x00, 0x01, 0x05, 0x04, 0x81, 0x04, 0x00, 0x00, 0x00};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(slot[i].toInt(), expected[i]) << i;

    const R8ctlRun bind = rig.run({"--emulate", "--wire-log", "w.log", "macro", "bind", "5", "Jump",
                                   "--mode", "normal", "--times", "3"});
    ASSERT_EQ(bind.exitCode, 0) << bind.err.toStdString();
    QList<WireLine> sets = R8ctlRig::setCommands(rig.wireLog());
    ASSERT_GE(sets.size(), 1);
    //                                     13 |slot| 80
    EXPECT_EQ(sets[0].plain.left(3).toHex(' '), QByteArray("13 01 80"));
    QByteArray slotData;
    for (const WireLine &l : rig.wireLog())
        if (l.kind == "OUTPUT" && slotData.isEmpty())
            slotData = l.bytes.mid(1, 6);
    EXPECT_EQ(slotData.toHex(' '), QByteArray("00 03 05 04 81 04"));
    QSettings p1(rig.programFile("modules/setting/p1.bin"), QSettings::IniFormat);
    EXPECT_EQ(p1.value("keydefine_R8/4").toStringList().join(","), "9,0,1,0");

    // A macro in a slot goes to the mouse again when its lines change.
    rig.writeUserFile("jump.txt", "B down\nB up\n");
    ASSERT_EQ(
        rig.run({"--emulate", "--wire-log", "w2.log", "macro", "set", "Jump", "jump.txt"}).exitCode,
        0);
    sets = R8ctlRig::setCommands(rig.wireLog("w2.log"));
    ASSERT_EQ(sets.size(), 1);
    EXPECT_EQ(sets[0].plain.left(2).toHex(' '), QByteArray("13 01"));
    // ... and without a mouse the file stays as it was.
    const QByteArray before = R8ctlRig::read(rig.programFile("modules/macro/Jump.bin"));
    rig.writeUserFile("jump.txt", "C down\n");
    EXPECT_EQ(rig.run({"--emulate=code=ZZZZZZ", "macro", "set", "Jump", "jump.txt"}).exitCode, 1);
    EXPECT_EQ(R8ctlRig::read(rig.programFile("modules/macro/Jump.bin")), before);
}

TEST(R8ctlMacros, ReassigningAMacroButtonFreesItsSlot) {
    R8ctlRig rig;
    ASSERT_EQ(rig.run({"macro", "create", "A1"}).exitCode, 0);
    ASSERT_EQ(rig.run({"macro", "create", "B2"}).exitCode, 0);
    ASSERT_EQ(rig.run({"--emulate", "macro", "bind", "5", "A1"}).exitCode, 0);
    ASSERT_EQ(rig.run({"--emulate", "macro", "bind", "6", "B2"}).exitCode, 0);
    QJsonArray list = rig.run({"--json", "macro", "list"}).json()["macros"].toArray();
    EXPECT_EQ(list[0].toObject()["slot"].toInt(), 1);
    EXPECT_EQ(list[1].toObject()["slot"].toInt(), 2);

    ASSERT_EQ(rig.run({"--emulate", "button", "5", "mouse", "forward"}).exitCode, 0);
    list = rig.run({"--json", "macro", "list"}).json()["macros"].toArray();
    EXPECT_TRUE(list[0].toObject()["slot"].isNull());
    EXPECT_EQ(list[1].toObject()["slot"].toInt(), 2);
}

TEST(R8ctlMacros, AThirteenthMacroFindsNoSlotAndChangesNothing) {
    R8ctlRig rig;
    for (int n = 1; n <= 13; ++n)
        ASSERT_EQ(rig.run({"macro", "create", QString("M%1").arg(n)}).exitCode, 0);
    for (int n = 1; n <= 12; ++n) {
        const R8ctlRun r =
            rig.run({"--emulate", "macro", "bind", QString::number(n + 1), QString("M%1").arg(n)});
        ASSERT_EQ(r.exitCode, 0) << n << r.err.toStdString();
    }
    const QMap<QString, QByteArray> before = rig.snapshot();
    const R8ctlRun r = rig.run({"--emulate", "--wire-log", "w.log", "macro", "bind", "14", "M13"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("all 12 macro slots are in use")) << r.err.toStdString();
    EXPECT_EQ(rig.snapshot(), before);
    EXPECT_TRUE(R8ctlRig::setCommands(rig.wireLog()).isEmpty());
    // Rebinding a button that holds a macro reuses that button's slot.
    EXPECT_EQ(rig.run({"--emulate", "macro", "bind", "13", "M13"}).exitCode, 0);
}

TEST(R8ctlMacros, ImportAndExportCopyTheMacroFile) {
    R8ctlRig rig;
    ASSERT_EQ(rig.run({"macro", "create", "M"}).exitCode, 0);
    ASSERT_EQ(rig.run({"macro", "export", "M", "m.mc"}).exitCode, 0);
    EXPECT_EQ(R8ctlRig::read(rig.userFile("m.mc")),
              R8ctlRig::read(rig.programFile("modules/macro/M.bin")));
    rig.writeUserFile("n.mc",
                      "[config]\nindex=-1\ntotal=1\nrepeat=1\ndid=-1\n\n[macro]\n0=A    [Down]\n");
    ASSERT_EQ(rig.run({"macro", "import", "M", "n.mc"}).exitCode, 0);
    EXPECT_EQ(rig.run({"--json", "macro", "show", "M"}).json()["actions"].toArray(),
              QJsonArray{"A down"});
    EXPECT_EQ(rig.run({"macro", "import", "Missing", "n.mc"}).exitCode, 2);
    EXPECT_FALSE(QFile::exists(rig.programFile("modules/macro/Missing.bin")));
}

TEST(R8ctlLanguages, ListCheckAndStamp) {
    R8ctlRig rig;
    const QJsonArray langs = rig.run({"--json", "lang", "list"}).json()["languages"].toArray();
    ASSERT_FALSE(langs.isEmpty());
    for (const QJsonValue &l : langs)
        EXPECT_TRUE(l.toObject()["checksumOk"].toBool())
            << l.toObject()["code"].toString().toStdString();

    rig.writeUserFile("lang_031000.ini",
                      "[font]\nfamily=Arial\ntotal=2\ncs=0\n\n[strings]\n1=abc\n2=defg\n");
    const R8ctlRun bad = rig.run({"lang", "check", "lang_031000.ini"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains("811942340")) << bad.err.toStdString();
    EXPECT_EQ(rig.run({"lang", "check", "lang_042000.ini"}).exitCode, 2) << "a missing file";
    ASSERT_EQ(rig.run({"lang", "stamp", "lang_031000.ini"}).exitCode, 0);
    EXPECT_EQ(rig.run({"lang", "check", "lang_031000.ini"}).exitCode, 0);
}

TEST(R8ctlUsage, HelpForTheToolAndEveryCommand) {
    R8ctlRig rig;
    const R8ctlRun general = rig.run({"--help"});
    EXPECT_EQ(general.exitCode, 0);
    for (const char *command : {"info", "profile", "rate", "dpi", "light", "palette", "button",
                                "scroll-swap", "pointer", "macro", "lang"}) {
        EXPECT_TRUE(general.out.contains(QString("  ") + command)) << command;
        const R8ctlRun help = rig.run({command, "--help"});
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_TRUE(help.out.startsWith(QString("usage: r8ctl ") + command)) << command;
    }
    EXPECT_EQ(rig.run({}).exitCode, 2);
}

TEST(R8ctlUsage, ToolOptionsMayFollowTheCommand) {
    R8ctlRig rig;
    const R8ctlRun r = rig.run({"rate", "250", "--emulate", "--json", "--profile", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.json()["rate"].toInt(), 250);
    EXPECT_EQ(r.json()["profile"].toInt(), 2);
}

TEST(R8ctlUsage, PointerStoresThePositionAndTellsWhatTheSystemDid) {
    R8ctlRig rig;
    const R8ctlRun r = rig.run({"--json", "pointer", "double-click", "3"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.json()["systemValue"].toInt(), 690);
    QSettings p1(rig.programFile("modules/setting/p1.bin"), QSettings::IniFormat);
    EXPECT_EQ(p1.value("sensor/doubleClickSpeed_R8").toInt(), 3);
    // No wheel-lines setting exists in the desktop's schema: stored, with a warning.
    const R8ctlRun lines = rig.run({"--json", "pointer", "lines", "4"});
    EXPECT_EQ(lines.exitCode, 0);
    EXPECT_FALSE(lines.json()["systemAccepted"].toBool());
    EXPECT_FALSE(lines.json()["warnings"].toArray().isEmpty());
}

} // namespace
