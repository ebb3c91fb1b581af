// The language slots as QML reaches them, and the message list they fill for the keyboard
// macro warning.
#include "device_flags.h"
#include "fake_dialogs.h"
#include "fake_sound_player.h"
#include "language_checksum.h"
#include "myqquickview.h"
#include "program_folder.h"
#include "slot_call.h"

#include <gtest/gtest.h>

namespace {

// The view over a program folder of its own, with fake dialogs and sound.
class I18nBridge : public ::testing::Test {
protected:
    static AppSeams seamsFor(FakeDialogs *dialogs, QStringList *soundLog,
                             QList<FakeSoundPlayer *> *players) {
        AppSeams seams;
        seams.dialogs = dialogs;
        seams.soundPlayers = FakeSoundPlayer::factory(soundLog, players);
        return seams;
    }

    ProgramFolder folder;
    FakeDialogs dialogs;
    QStringList soundLog;
    QList<FakeSoundPlayer *> players;
    myQQuickView view{nullptr, seamsFor(&dialogs, &soundLog, &players)};
};

TEST_F(I18nBridge, LanguageSlotsReadTheProgramsLanguageFiles) {

    folder.write("modules/i18n/lang_031000.ini",
                 "[font]\nfamily=Arial\ntotal=1\ncs=" + languageChecksum(2).toUtf8() +
                     "\n[strings]\n1=OK\n[msg]\n0=Too long\n1=Cut.\n"
                     "[R8_5D0E4B1]\n0=LEFT BUTTON\n");
    folder.write("modules/i18n/lang_025044.ini", "[font]\nfamily=X\ncs=bad\n");

    const QVariantMap languages = call<QVariantMap>(&view, "chkLanguages");
    EXPECT_EQ(languages.keys(), (QStringList{"CHINESE (Simp)", "ENGLISH"}));

    call<QStringList>(&view, "getGlobalStrings", Q_ARG(QString, "025044"));
    EXPECT_FALSE(DeviceFlags::languageCheck);
    EXPECT_EQ(call<QStringList>(&view, "getGlobalStrings", Q_ARG(QString, "031000")),
              (QStringList{"Arial", "OK"}));
    EXPECT_TRUE(DeviceFlags::languageCheck);
    EXPECT_EQ(
        call<QStringList>(&view, "getProductLayoutStrings_R8", Q_ARG(QString, "031000")).value(0),
        "LEFT BUTTON");

    // The keyboard macro warning takes its texts from the loaded language.
    dialogs.boxes.clear(); // the word about the failed check of 025044
    QStringList lines;
    for (int i = 0; i < 100; ++i)
        lines << "A    [Down]";
    folder.write("modules/macro/long.bin", "[config]\ntotal=0\n");
    call<QVariant>(&view, "saveMacroIni", Q_ARG(QVariant, QVariant("long")),
                   Q_ARG(QStringList, lines));
    QMetaObject::invokeMethod(&view, "ui_11H_SetMacroKey", Q_ARG(QVariant, QVariant(1)),
                              Q_ARG(QVariant, QVariant("long")));
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].title, "Too long");
    EXPECT_EQ(dialogs.boxes[0].text, "Cut.");
}

// A language that stops every transfer is said once, naming its file; a good language in
// between makes the next failure worth saying again.
TEST_F(I18nBridge, AFailedLanguageCheckIsToldOnceNamingTheFile) {
    folder.write("modules/i18n/lang_031000.ini",
                 "[font]\nfamily=Arial\ntotal=1\ncs=" + languageChecksum(2).toUtf8() +
                     "\n[strings]\n1=OK\n");
    folder.write("modules/i18n/lang_025044.ini", "[font]\nfamily=X\ncs=bad\n");

    const struct {
        const char *code;
        const char *told; // the words of the warning, or nullptr for none
    } steps[] = {
        {"025044", "lang_025044.ini does not carry the checksum"},
        {"025044", nullptr}, // the same file again
        {"031000", nullptr},
        {"025044", "lang_025044.ini does not carry the checksum"},
        {"042000", "lang_042000.ini is missing"},
    };
    for (const auto &step : steps) {
        dialogs.boxes.clear();
        call<QStringList>(&view, "getGlobalStrings", Q_ARG(QString, step.code));
        EXPECT_EQ(bool(DeviceFlags::languageCheck), step.code == QString("031000"));
        if (!step.told) {
            EXPECT_TRUE(dialogs.boxes.isEmpty()) << step.code;
            continue;
        }
        ASSERT_EQ(dialogs.boxes.size(), 1) << step.code;
        EXPECT_EQ(dialogs.boxes[0].kind, "warning");
        EXPECT_TRUE(dialogs.boxes[0].text.contains(step.told))
            << dialogs.boxes[0].text.toStdString();
        EXPECT_TRUE(dialogs.boxes[0].text.contains(folder.file("modules/i18n")))
            << "the whole path";
    }
    DeviceFlags::languageCheck = true;
}

} // namespace
