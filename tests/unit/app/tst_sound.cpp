#include "event_wait.h"
#include "fake_dialogs.h"
#include "fake_sound_player.h"
#include "myqquickview.h"
#include "program_folder.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

class Sound : public ::testing::Test {
protected:
    Sound() {
        seams.dialogs = &dialogs;
        seams.soundPlayers = FakeSoundPlayer::factory(&log, &players);
        view = new myQQuickView(&window, seams);
        log.clear();
    }

    ProgramFolder folder;
    FakeDialogs dialogs;
    QStringList log;
    QList<FakeSoundPlayer *> players;
    AppSeams seams;
    QWidget window;
    myQQuickView *view = nullptr;
};

TEST_F(Sound, ClickSoundsRestartTheirOwnPlayerFromTheirOwnFile) {
    ASSERT_EQ(players.size(), 5);
    view->playMedia_Index(4);
    view->playMedia_Index(4);
    view->playMedia_Index(2);
    EXPECT_EQ(log, QStringList({"4 clear", "4 source 04.wav", "4 play", //
                                "4 clear", "4 source 04.wav", "4 play", //
                                "2 clear", "2 source 02.wav", "2 play"}));
}

TEST_F(Sound, IndexZeroStartsTheBackgroundAndIndexFiveDoesNothing) {
    view->playMedia_Index(5);
    view->playMedia_Index(255);
    EXPECT_TRUE(log.isEmpty());
    view->playMedia_Index(0);
    EXPECT_EQ(log, QStringList({"0 source 00.mp3", "0 play"}));
}

TEST_F(Sound, WithSoundOffOnlyADirectBackgroundCallPlays) {
    view->setEnableAudio(false);
    for (int i = 0; i <= 4; ++i)
        view->playMedia_Index(uchar(i));
    EXPECT_TRUE(log.isEmpty());
    view->playMedia_Background();
    EXPECT_EQ(log, QStringList({"0 source 00.mp3", "0 play"}));
}

TEST_F(Sound, BackgroundRestartsWhenPlayerZeroOrOneFinishesOnly) {
    for (int i = 0; i < 5; ++i) {
        log.clear();
        players[i]->finish();
        const QStringList expected =
            i <= 1 ? QStringList({"0 source 00.mp3", "0 play"}) : QStringList();
        EXPECT_EQ(log, expected) << "player " << i;
    }
}

TEST_F(Sound, SwitchingSoundOffStopsEveryPlayerAndTheBackgroundStaysOff) {
    view->playMedia_Index(0);
    view->playMedia_Index(3);
    view->setEnableAudio(false);
    view->clearAllMedia();
    for (FakeSoundPlayer *p : players)
        EXPECT_FALSE(p->playing());
    log.clear();
    view->playMedia_Index(0); // what a later click would do
    EXPECT_TRUE(log.isEmpty());
    for (FakeSoundPlayer *p : players)
        EXPECT_FALSE(p->playing());
}

} // namespace

#include "qt_sound_player.h"

#include <QSignalSpy>

namespace {

// The real player on the real media framework: a shipped click plays to its end; a missing
// file never "finishes" (so it cannot drive the background into a loop) and leaves another
// player alone.
TEST(QtSoundPlayerTest, PlaysShippedFileToTheEndAndIgnoresAMissingOne) {
    const QString media = qEnvironmentVariable("R8_BIN_DIR") + "/modules/media/";
    ASSERT_TRUE(QFileInfo::exists(media + "04.wav")) << "staged sounds are missing";

    QtSoundPlayer missing;
    QtSoundPlayer click;
    QSignalSpy missingDone(&missing, &SoundPlayer::finished);
    QSignalSpy clickDone(&click, &SoundPlayer::finished);

    missing.clear();
    missing.setSource(QUrl::fromLocalFile(media + "no-such-sound.wav"));
    missing.play();
    click.clear();
    click.setSource(QUrl::fromLocalFile(media + "04.wav"));
    click.play();

    EXPECT_TRUE(clickDone.wait(5000));
    pump(300);
    EXPECT_EQ(missingDone.count(), 0);
}

} // namespace
