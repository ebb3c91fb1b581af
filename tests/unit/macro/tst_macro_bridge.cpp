// The macro slots as QML reaches them: by name, through the meta-object.
#include "fake_dialogs.h"
#include "fake_sound_player.h"
#include "key_names.h"
#include "myqquickview.h"
#include "program_folder.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>

#include <memory>

#include <gtest/gtest.h>

namespace {

template <typename R>
R call(QObject *o, const char *slot, QGenericArgument a0 = {}, QGenericArgument a1 = {}) {
    R result{};
    const bool ok = QMetaObject::invokeMethod(
        o, slot, Qt::DirectConnection,
        QGenericReturnArgument(QMetaType::fromType<R>().name(), &result), a0, a1);
    EXPECT_TRUE(ok) << slot;
    return result;
}

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
