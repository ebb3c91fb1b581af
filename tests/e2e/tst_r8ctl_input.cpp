// Bad input: exit code 2, one message naming what was wrong, no file changed, nothing sent.
#include "r8ctl_rig.h"

#include <QSettings>

namespace {

struct BadCase {
    const char *name;
    QStringList args;
    const char *message; // a part of the one line on stderr
};

class R8ctlBadInput : public ::testing::TestWithParam<BadCase> {};

TEST_P(R8ctlBadInput, ExitsTwoAndLeavesFilesAndDeviceAlone) {
    const BadCase &c = GetParam();
    R8ctlRig rig;
    rig.writeUserFile("m.txt", "A down\nA up\n");
    // A macro bound to a slot, so that a bad "macro set" would have something to resend.
    ASSERT_EQ(rig.run({"macro", "create", "Jump"}).exitCode, 0);
    ASSERT_EQ(rig.run({"--emulate", "macro", "bind", "5", "Jump"}).exitCode, 0);
    rig.writeUserFile("bad.txt", "A down\n50 ms\nNoSuchKey up\n");
    // One stage with a value, so that switching off the last one and choosing an off stage
    // can be tried.
    QSettings p1(rig.programFile("modules/setting/p1.bin"), QSettings::IniFormat);
    p1.setValue("sensor/dpi_R8", QStringList{"500", "0", "0", "0", "0", "0", "0", "0"});
    p1.sync();
    const QMap<QString, QByteArray> before = rig.snapshot();

    const R8ctlRun r = rig.run(QStringList{"--emulate", "--wire-log", "w.log"} + c.args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    const QStringList lines = r.err.trimmed().split('\n');
    EXPECT_EQ(lines.size(), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
    EXPECT_EQ(rig.snapshot(), before);
    EXPECT_TRUE(R8ctlRig::setCommands(rig.wireLog()).isEmpty());
    for (const WireLine &l : rig.wireLog())
        EXPECT_NE(l.kind, "OUTPUT");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, R8ctlBadInput,
    ::testing::Values(
        BadCase{"unknownRate", {"rate", "300"}, "unknown report rate '300'"},
        BadCase{"dpiNotInTable", {"dpi", "set", "2", "2600"}, "2600 DPI is not offered"},
        BadCase{"dpiStageZero", {"dpi", "set", "0", "500"}, "STAGE must be"},
        BadCase{"colourComponent", {"dpi", "colors", "--stage", "1", "300,0,0"}, "component 300"},
        BadCase{"paletteComponent",
                {"palette", "1,2,3", "red", "red", "red", "red", "red", "red", "0,300,0"},
                "component 300"},
        BadCase{"missingMacroBind", {"macro", "bind", "3", "Nope"}, "no macro named 'Nope'"},
        BadCase{"missingMacroSet", {"macro", "set", "Nope", "m.txt"}, "no macro named 'Nope'"},
        BadCase{"badMacroLine", {"macro", "set", "Jump", "bad.txt"}, "bad.txt:3: unknown key name"},
        BadCase{"button17", {"button", "17", "led"}, "button number"},
        BadCase{"unknownKey", {"button", "3", "key", "NoSuchKey"}, "unknown key name"},
        BadCase{"speedOnStatic", {"light", "static", "--speed", "3"}, "STATIC has no speed"},
        BadCase{"brightness8", {"light", "wave", "--brightness", "8"}, "--brightness must be"},
        BadCase{"unknownEffect", {"light", "disco"}, "unknown lighting effect"},
        BadCase{"stageOff", {"dpi", "stage", "6"}, "stage 6 is switched off"},
        BadCase{"noStageLeft", {"dpi", "set", "1", "0"}, "at least one stage with a DPI value"},
        BadCase{"lastLeftButton", {"button", "1", "led"}, "only left button"},
        BadCase{"profile11", {"profile", "switch", "11"}, "no profile '11'"},
        BadCase{"pointer11", {"pointer", "speed", "11"}, "N must be"},
        BadCase{"unknownOption", {"rate", "500", "--fast"}, "unknown option '--fast'"},
        BadCase{"unknownCommand", {"frobnicate"}, "unknown command 'frobnicate'"},
        BadCase{"missingImport", {"profile", "import", "2", "none.pf"}, "cannot read"}),
    [](const ::testing::TestParamInfo<BadCase> &info) { return std::string(info.param.name); });

TEST(R8ctlBadInput, SyntaxErrorsNeverOpenTheDevice) {
    // Checked before the bus exists: not even the handshake reaches the wire.
    R8ctlRig rig;
    const R8ctlRun r = rig.run({"--emulate", "--wire-log", "w.log", "rate", "300"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(rig.wireLog().isEmpty());
}

TEST(R8ctlBadInput, JsonErrorsAreOneObjectOnStderr) {
    R8ctlRig rig;
    const R8ctlRun r = rig.run({"--json", "button", "17", "led"});
    EXPECT_EQ(r.exitCode, 2);
    const QJsonObject o = QJsonDocument::fromJson(r.err.toUtf8()).object();
    EXPECT_EQ(o["exitCode"].toInt(), 2);
    EXPECT_TRUE(o["error"].toString().contains("17")) << r.err.toStdString();
}

TEST(R8ctlBadInput, TheLastLeftButtonMovesWithYes) {
    R8ctlRig rig;
    const R8ctlRun r = rig.run({"--emulate", "--yes", "button", "1", "led"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    // Two left buttons: either may go without a question.
    R8ctlRig two;
    ASSERT_EQ(two.run({"--emulate", "button", "3", "mouse", "left"}).exitCode, 0);
    EXPECT_EQ(two.run({"--emulate", "button", "1", "led"}).exitCode, 0);
}

} // namespace
