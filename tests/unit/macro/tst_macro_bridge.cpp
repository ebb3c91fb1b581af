// The macro slots as QML reaches them: by name, through the meta-object.
#include "fake_dialogs.h"
#include "fake_sound_player.h"
#include "key_names.h"
#include "myqquickview.h"
#include "program_folder.h"
#include "slot_call.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>

#include <memory>

#include <gtest/gtest.h>

namespace {

class MacroBridge : public ::testing::Test {
protected:
    MacroBridge() {
        seams.dialogs = &dialogs;
        seams.soundPlayers = FakeSoundPlayer::factory(&soundLog, &players);
    }

    ProgramFolder folder;
    FakeDialogs dialogs;
    QStringList soundLog;
    QList<FakeSoundPlayer *> players;
    AppSeams seams;
};

TEST_F(MacroBridge, SlotsForwardToTheMacroFiles) {
    myQQuickView view(nullptr, seams);
    EXPECT_EQ(keyNameTable().size(), 132); // built by the constructor

    const QString name = call<QVariant>(&view, "createMacroIni").toString();
    EXPECT_EQ(name, "Macro. 001");
    EXPECT_EQ(call<QStringList>(&view, "getMacroIniNames"), QStringList{"Macro. 001.bin"});

    const QStringList lines = {"A    [Down]", "50   [Delay]", "A      [Up]"};
    EXPECT_TRUE(
        call<QVariant>(&view, "saveMacroIni", Q_ARG(QVariant, name), Q_ARG(QStringList, lines))
            .toBool());
    EXPECT_EQ(call<QStringList>(&view, "loadMacroIni", Q_ARG(QVariant, name)), lines);
    EXPECT_EQ(call<QList<uchar>>(&view, "macroIncode", Q_ARG(QStringList, lines)),
              (QList<uchar>{0x00, 0x01, 0x05, 0x04, 0x81, 0x04, 0x00, 0x00}));

    QMetaObject::invokeMethod(&view, "setMacroIniConfig", Q_ARG(QVariant, name),
                              Q_ARG(QVariantList, (QVariantList{0, 4})));
    EXPECT_EQ(call<QVariantList>(&view, "loadMacroIniConfig", Q_ARG(QVariant, name)),
              (QVariantList{0, 4}));

    QMetaObject::invokeMethod(&view, "renameMacroIniFile", Q_ARG(QVariant, name),
                              Q_ARG(QVariant, QVariant("Jump")));
    EXPECT_TRUE(
        call<QVariant>(&view, "deleteMacroIni", Q_ARG(QVariant, QVariant("Jump"))).toBool());
    EXPECT_FALSE(
        call<QVariant>(&view, "deleteMacroIni", Q_ARG(QVariant, QVariant("Jump"))).toBool());
}

TEST_F(MacroBridge, ImportAndExportUseTheViewsDialogs) {
    myQQuickView view(nullptr, seams);
    const QVariant name = call<QVariant>(&view, "createMacroIni");
    QMetaObject::invokeMethod(&view, "saveMacroIniToFile", Q_ARG(QVariant, name));
    QMetaObject::invokeMethod(&view, "loadMacroIniFromFile", Q_ARG(QVariant, name));
    ASSERT_EQ(dialogs.fileRequests.size(), 2);
    EXPECT_EQ(dialogs.fileRequests[0].kind, "save");
    EXPECT_EQ(dialogs.fileRequests[1].kind, "open");
}

TEST_F(MacroBridge, QmlReadsTheEncodedMacroAsAList) {
    myQQuickView view(nullptr, seams);
    QQmlEngine engine;
    engine.rootContext()->setContextProperty("ui_View", &view);
    QQmlComponent component(&engine);
    component.setData("import QtQml\nQtObject { function encode() { return "
                      "ui_View.macroIncode(['A    [Down]', '1271   [Delay]']).join(' ') } }",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    ASSERT_TRUE(object) << component.errorString().toStdString();
    QVariant bytes;
    QMetaObject::invokeMethod(object.get(), "encode", Q_RETURN_ARG(QVariant, bytes));
    EXPECT_EQ(bytes.toString(), "0 1 1 4 64 1 0 0");
}

} // namespace

#include "device_flags.h"
#include "emulated_bus.h"
#include "widget.h"

namespace {

// Saving a macro bound to slot index 0 re-sends it into the virtual mouse's slot 1, and
// ui_13H_SetMacroKey writes the named macro with its repeat count.
TEST_F(MacroBridge, BoundMacrosReachTheVirtualMouse) {
    folder.write("modules/setting/apConfig.bin",
                 "[common]\nname=R8 Macro Test\nproduct_name=R8 Keyboard, R8\nsCode1=R8v0s1\n");
    DeviceStateGuard deviceState(DeviceStateGuard::Fresh);
    EmulatedBus bus;
    seams.hidBackend = &bus;
    Widget window(seams);
    window.checkDevice();
    ASSERT_TRUE(DeviceFlags::connected.load());
    myQQuickView *view = window.view();

    const QVariant name = call<QVariant>(view, "createMacroIni");
    QMetaObject::invokeMethod(view, "setMacroIniConfig", Q_ARG(QVariant, name),
                              Q_ARG(QVariantList, (QVariantList{0, 3})));
    const QStringList lines = {"A    [Down]", "A      [Up]"};
    call<QVariant>(view, "saveMacroIni", Q_ARG(QVariant, name), Q_ARG(QStringList, lines));
    window.hid()->waitForTransfers();
    const auto slot1 = bus.mouseState().macros[0];
    // Repeat count 3 in bytes 0-1, then the two key items and the end mark.
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(slot1.data()), 8).toHex(' '),
              "00 03 01 04 81 04 00 00");

    QMetaObject::invokeMethod(view, "ui_13H_SetMacroKey", Q_ARG(QVariant, QVariant(5)),
                              Q_ARG(QVariant, name));
    window.hid()->waitForTransfers();
    const auto slot5 = bus.mouseState().macros[4];
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(slot5.data()), 8).toHex(' '),
              "00 03 01 04 81 04 00 00");
}

} // namespace
