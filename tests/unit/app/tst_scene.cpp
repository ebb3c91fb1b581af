// The real root scene, loaded offscreen in the real window against the real host view:
// page switching, the settings panel, the busy lock, animations, skins and the global
// settings page.
#include "device_flags.h"
#include "event_wait.h"
#include "fake_dialogs.h"
#include "fake_sound_player.h"
#include "myqquickview.h"
#include "program_folder.h"
#include "ui_controler.h"
#include "widget.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QImage>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QQuickItem>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The staged skins, copied into the test's program folder.
void copySkins(const ProgramFolder &folder, const QStringList &skins) {
    const QString staged = qEnvironmentVariable("R8_BIN_DIR") + "/modules/img/";
    for (const QString &skin : skins) {
        QDirIterator it(staged + skin, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString target = folder.file("modules/img/" + source.mid(staged.size()));
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(source, target);
        }
    }
}

// A config with a full preference list; `sound` and `animation` are switch positions.
QByteArray config(const char *sound = "0", const char *animation = "1") {
    QByteArray text = "[common]\nname=R8 Scene\nsCode1=k-wodrum\ntotal=32\n0=1\n1=1\n";
    text += QByteArray("2=") + sound + "\n3=" + animation + "\n";
    text += "4=0\n5=false\n6=\n7=0\n";
    const int colours[21] = {0,   255, 255, 255, 200, 150, 255, 180, 0,   200, 200,
                             100, 200, 170, 255, 255, 180, 180, 160, 190, 160};
    for (int i = 0; i < 21; ++i)
        text += QByteArray::number(8 + i) + '=' + QByteArray::number(colours[i]) + '\n';
    text += "29=0\n30=7\n31=https://r8.example.org/\n";
    return text;
}

class Scene : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("modules/setting/apConfig.bin", configText);
        copySkins(folder, skins);
        seams.dialogs = &dialogs;
        seams.soundPlayers = FakeSoundPlayer::factory(&soundLog, &players);
        window = std::make_unique<Widget>(seams);
        window->show();
        window->view()->initUI();
        window->view()->runUI();
    }

    QQuickItem *root() const { return window->view()->rootObject(); }
    QObject *object(const char *id) const {
        return qmlContext(root())->objectForName(QString::fromLatin1(id));
    }
    QObject *member(const char *id, const char *alias) const {
        return object(id)->property(alias).value<QObject *>();
    }
    QVariant value(QObject *o, const char *name) const { return o->property(name); }

    void click(QQuickItem *item, QPointF at = QPointF(-1, -1)) {
        if (at.x() < 0)
            at = QPointF(item->width() / 2, item->height() / 2);
        QTest::mouseClick(window->view(), Qt::LeftButton, {}, item->mapToScene(at).toPoint());
    }
    void click(QObject *item) { click(qobject_cast<QQuickItem *>(item)); }

    QQuickItem *functionButton(int index) {
        QObject *list = member("main_R8", "functionMenu")->property("list").value<QObject *>();
        QQuickItem *button = nullptr;
        QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, button),
                                  Q_ARG(int, index));
        return button;
    }

    QObject *rootAnimation(const char *alias) const {
        return root()->property(alias).value<QObject *>();
    }

    bool poweredOn() {
        return waitFor([this] {
            return !value(rootAnimation("powerOnAnimation"), "running").toBool() &&
                   !value(member("main_R8", "menusIn"), "running").toBool() &&
                   !value(member("main_R8", "slideIn"), "running").toBool() &&
                   value(member("main_R8", "pageArea"), "visible").toBool();
        });
    }

    bool settingsPanelOpen() {
        click(member("upItem", "settingsButton"));
        return waitFor(
            [this] { return !value(rootAnimation("settingsPanelIn"), "running").toBool(); });
    }

    QObject *page() { return member("main_R8", "pageArea"); }
    QObject *slideIn() { return member("main_R8", "slideIn"); }
    QObject *slideOut() { return member("main_R8", "slideOut"); }
    int curID() { return value(page(), "curID").toInt(); }
    bool sliding() {
        return value(slideIn(), "running").toBool() || value(slideOut(), "running").toBool();
    }
    void setAnimationSpeed(int ms) {
        object("_Page_Globalsetting")->setProperty("_AnimationSpeed", ms);
    }

    QByteArray configText = config();
    QStringList skins = {"skin1", "skin2"};
    ProgramFolder folder;
    FakeDialogs dialogs;
    QStringList soundLog;
    QList<FakeSoundPlayer *> players;
    AppSeams seams;
    std::unique_ptr<Widget> window;
};

TEST_F(Scene, WithShortAnimationsPowerOnEndsAtOnceWithEveryStepDone) {
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(poweredOn());
    EXPECT_LT(clock.elapsed(), 1000) << "ten 10 ms steps, not seconds";
    EXPECT_TRUE(root()->isVisible());
    EXPECT_EQ(value(object("logoWeb_img"), "y").toInt(), 4);
    EXPECT_EQ(value(object("envItem"), "opacity").toReal(), 1.0);
    EXPECT_EQ(value(object("envDecorationItem"), "opacity").toReal(), 1.0);
    EXPECT_EQ(value(object("upItem"), "y").toInt(), 0);
    QObject *down = object("downItem");
    EXPECT_EQ(value(down, "y").toInt(), 600 - value(down, "height").toInt());
    QObject *fn = member("main_R8", "functionMenu");
    QObject *pf = member("main_R8", "profileMenu");
    EXPECT_EQ(value(fn, "x").toInt(), 8);
    EXPECT_EQ(value(pf, "x").toInt(), 1000 - value(pf, "width").toInt() - 8);
    // The menus' end handler ran after playOnPowerOn: page area shown, no page chosen.
    EXPECT_TRUE(value(page(), "visible").toBool());
    EXPECT_EQ(curID(), -1);
    EXPECT_EQ(value(page(), "contentX").toReal(), 0.0);
    EXPECT_TRUE(soundLog.contains("1 play")) << "the power-on sound";
}

TEST_F(Scene, TheSelectedFunctionClickedAgainRetractsThePageArea) {
    ASSERT_TRUE(poweredOn());
    click(functionButton(0));
    ASSERT_TRUE(waitFor([this] { return !sliding(); }));
    EXPECT_EQ(curID(), 0);
    EXPECT_EQ(value(page(), "contentX").toReal(), 0.0);
    click(functionButton(0));
    EXPECT_EQ(value(member("main_R8", "functionMenu"), "currentIndex").toInt(), -1);
    ASSERT_TRUE(waitFor([this] { return !sliding(); }));
    EXPECT_EQ(curID(), -1);
    EXPECT_EQ(value(page(), "contentX").toReal(), -2 * 759.0);
}

TEST_F(Scene, AnotherFunctionSlidesTheOldPageOutAndTheNewOneIn) {
    ASSERT_TRUE(poweredOn());
    setAnimationSpeed(400);
    click(functionButton(0));
    ASSERT_TRUE(waitFor([this] { return !sliding(); }));
    click(functionButton(2));
    EXPECT_TRUE(value(slideOut(), "running").toBool());
    EXPECT_EQ(curID(), 0) << "the old page leaves first";
    ASSERT_TRUE(waitFor([this] { return value(slideIn(), "running").toBool(); }));
    EXPECT_EQ(curID(), 2);
    ASSERT_TRUE(waitFor([this] { return !sliding(); }));
    EXPECT_EQ(value(page(), "contentX").toReal(), 0.0);
}

TEST_F(Scene, AClickDuringASlideCompletesItWithTheNewChoice) {
    ASSERT_TRUE(poweredOn());
    setAnimationSpeed(2000);
    click(functionButton(0));
    ASSERT_TRUE(value(slideIn(), "running").toBool());
    click(functionButton(3));
    EXPECT_FALSE(value(slideIn(), "running").toBool());
    EXPECT_EQ(curID(), 3);
    EXPECT_EQ(value(page(), "contentX").toReal(), 0.0);

    click(functionButton(1));
    ASSERT_TRUE(value(slideOut(), "running").toBool());
    click(functionButton(2));
    EXPECT_FALSE(value(slideOut(), "running").toBool());
    EXPECT_EQ(curID(), 2) << "the slide-out ends with the latest choice";
    EXPECT_TRUE(value(slideIn(), "running").toBool());
    EXPECT_EQ(value(member("main_R8", "functionMenu"), "currentIndex").toInt(), 2);
}

TEST_F(Scene, OpenSettingsPanelDimsAndLocksEverythingButTheTopMenu) {
    ASSERT_TRUE(poweredOn());
    QObject *up = object("upItem");
    ASSERT_TRUE(settingsPanelOpen());
    ASSERT_TRUE(value(up, "isGlobalSettingSelect").toBool());
    EXPECT_TRUE(value(object("_fkGlobalsetting"), "visible").toBool());
    EXPECT_EQ(value(object("_fkGlobalsetting"), "contentX").toReal(), 0.0);

    QObject *locked[] = {page(), member("main_R8", "functionMenu"),
                         member("main_R8", "profileMenu"), object("downItem")};
    for (QObject *o : locked) {
        EXPECT_FALSE(value(o, "enabled").toBool());
        EXPECT_DOUBLE_EQ(value(o, "opacity").toReal(), 0.2);
    }
    EXPECT_TRUE(value(up, "enabled").toBool());
    EXPECT_DOUBLE_EQ(value(up, "opacity").toReal(), 1.0);

    // A function button under the panel's lock does nothing.
    click(functionButton(3));
    pump(30);
    EXPECT_EQ(value(member("main_R8", "functionMenu"), "currentIndex").toInt(), -1);

    click(member("upItem", "settingsButton"));
    EXPECT_FALSE(value(up, "isGlobalSettingSelect").toBool());
    ASSERT_TRUE(waitFor([this] { return !value(object("_fkGlobalsetting"), "visible").toBool(); }));
    for (QObject *o : locked)
        EXPECT_DOUBLE_EQ(value(o, "opacity").toReal(), 1.0);
    click(functionButton(3));
    EXPECT_EQ(value(member("main_R8", "functionMenu"), "currentIndex").toInt(), 3);
}

TEST_F(Scene, ProfileMenuIsDimmedWhileTheMacroPageShows) {
    ASSERT_TRUE(poweredOn());
    click(functionButton(1));
    ASSERT_TRUE(waitFor([this] { return !sliding(); }));
    EXPECT_FALSE(value(member("main_R8", "profileMenu"), "enabled").toBool());
    EXPECT_DOUBLE_EQ(value(member("main_R8", "profileMenu"), "opacity").toReal(), 0.2);
    EXPECT_TRUE(value(member("main_R8", "functionMenu"), "enabled").toBool());
}

TEST_F(Scene, BottomMenuLocksTheInterfaceForItsLockTimes) {
    ASSERT_TRUE(poweredOn());
    click(member("downItem", "resetButton"));
    EXPECT_EQ(value(object("tmrProtectUI"), "interval").toInt(), 800);
    EXPECT_TRUE(value(object("protectUIItem"), "isBusy").toBool());
    EXPECT_FALSE(window->view()->isEnabled());
    window->controller()->setBusy(0);
    pump(50);
    EXPECT_FALSE(value(object("protectUIItem"), "isBusy").toBool());
    EXPECT_TRUE(window->view()->isEnabled());
    click(member("downItem", "applyButton"));
    EXPECT_EQ(value(object("tmrProtectUI"), "interval").toInt(), 2000);
}

TEST_F(Scene, ASkinChangeSwapsEveryImage) {
    ASSERT_TRUE(poweredOn());
    const QMetaObject *meta = root()->metaObject();
    QStringList skinProperties;
    // The images come from the root's base type (SkinImages), so every level is searched.
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (p.metaType() == QMetaType::fromType<QUrl>() &&
            QByteArray(p.name()) != "sourceCustomBackground")
            skinProperties << QString::fromLatin1(p.name());
    }
    ASSERT_EQ(skinProperties.size(), 66); // with the web logo's two
    for (const QString &name : skinProperties)
        ASSERT_TRUE(root()->property(name.toLatin1()).toUrl().toString().contains("/skin1/"))
            << name.toStdString();

    // The skin list is how the user changes it.
    QObject *skinList = member("_Page_Globalsetting", "skinList");
    QMetaObject::invokeMethod(skinList, "listElementClicked", Q_ARG(int, 1));
    for (const QString &name : skinProperties) {
        const QUrl url = root()->property(name.toLatin1()).toUrl();
        EXPECT_TRUE(url.toString().startsWith("file:modules/img/skin2/")) << name.toStdString();
        EXPECT_TRUE(QFile::exists(url.toString().mid(5)))
            << "drawn by the generator: " << url.toString().toStdString();
    }
    QQuickItem *icon = functionButton(0)->property("icon").value<QQuickItem *>();
    EXPECT_TRUE(icon->property("source").toUrl().toString().contains("/skin2/list_fn/"));
}

// Global settings page ------------------------------------------------------------------

TEST_F(Scene, TwoSkinsShowTheSkinList) {
    ASSERT_TRUE(poweredOn());
    ASSERT_TRUE(settingsPanelOpen());
    EXPECT_TRUE(value(member("_Page_Globalsetting", "skinList"), "visible").toBool());
    EXPECT_EQ(value(member("_Page_Globalsetting", "languageList"), "y").toInt(), 121);
}

class OneSkinScene : public Scene {
protected:
    OneSkinScene() { skins = {"skin1"}; }
};

TEST_F(OneSkinScene, OneSkinHidesTheSkinListAndMovesTheLanguageListUp) {
    ASSERT_TRUE(poweredOn());
    ASSERT_TRUE(settingsPanelOpen());
    EXPECT_FALSE(value(member("_Page_Globalsetting", "skinList"), "visible").toBool());
    EXPECT_EQ(value(member("_Page_Globalsetting", "languageList"), "y").toInt(), 121 - 11);
}

TEST_F(Scene, BrightnessSetsTheTextAlpha) {
    ASSERT_TRUE(poweredOn());
    ASSERT_TRUE(settingsPanelOpen());
    auto *slider = qobject_cast<QQuickItem *>(member("_Page_Globalsetting", "brightnessSlider"));
    struct Case {
        qreal x; // in the slider; its segment row starts 5 px in
        int position;
        int alpha;
    };
    for (const Case &c : {Case{5, 0, 45}, Case{145, 7, 255}, Case{65, 3, 135}}) {
        click(slider, QPointF(c.x, 10));
        EXPECT_EQ(value(slider, "currentIndex").toInt(), c.position);
        const QColor colour = root()->property("globalSetting_color").value<QColor>();
        EXPECT_EQ(colour.alpha(), c.alpha) << "position " << c.position;
        EXPECT_EQ(colour.rgb() & 0xffffff, 0x00ffffu) << "the colour itself stays";
    }
}

// A value typed into R and left without Return goes to its swatch when another is chosen.
TEST_F(Scene, AColourTypedWithoutReturnStaysWithItsSwatch) {
    ASSERT_TRUE(poweredOn());
    ASSERT_TRUE(settingsPanelOpen());
    QObject *settings = object("_Page_Globalsetting");
    const int typedFor = value(settings, "currentSwatch").toInt();
    const int other = (typedFor + 1) % 7;
    const auto swatch = [settings](int i) {
        QQmlExpression e(qmlContext(settings), settings,
                         QStringLiteral("swatches[%1].join(',')").arg(i));
        return e.evaluate().toString();
    };
    const QString otherBefore = swatch(other);
    click(value(settings, "fieldR").value<QObject *>());
    QTest::keyClick(window->view(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(window->view(), "77");
    QQuickItem *cell = nullptr;
    QMetaObject::invokeMethod(member("_Page_Globalsetting", "swatchCells"), "itemAt",
                              Q_RETURN_ARG(QQuickItem *, cell), Q_ARG(int, other));
    click(cell);
    EXPECT_TRUE(swatch(typedFor).startsWith("77,")) << swatch(typedFor).toStdString();
    EXPECT_EQ(swatch(other), otherBefore);
    EXPECT_EQ(value(settings, "currentSwatch").toInt(), other);
    EXPECT_EQ(value(value(settings, "fieldR").value<QObject *>(), "text").toString(),
              otherBefore.section(',', 0, 0));
}

TEST_F(Scene, ApplyWritesTheWhole32EntryListAndClosesThePanel) {
    ASSERT_TRUE(poweredOn());
    ASSERT_TRUE(settingsPanelOpen());
    // Change something first: the larger text.
    object("_Page_Globalsetting")->setProperty("sizePosition", 1);
    click(member("_Page_Globalsetting", "applyButton"));
    EXPECT_FALSE(value(object("upItem"), "isGlobalSettingSelect").toBool());

    window->view()->apConfig()->sync();
    const QSettings file("modules/setting/apConfig.bin", QSettings::IniFormat);
    EXPECT_EQ(file.value("common/total").toInt(), 32);
    EXPECT_EQ(file.value("common/0").toInt(), 1);
    EXPECT_EQ(file.value("common/1").toInt(), 1);
    EXPECT_EQ(file.value("common/3").toInt(), 1) << "animation OFF as loaded";
    EXPECT_EQ(file.value("common/7").toInt(), 1);
    EXPECT_EQ(file.value("common/8").toInt(), 0);
    EXPECT_EQ(file.value("common/9").toInt(), 255);
    EXPECT_EQ(file.value("common/30").toInt(), 7);
    EXPECT_EQ(file.value("common/31").toString(), "https://r8.example.org/");
    EXPECT_FALSE(file.contains("common/32"));
}

class SoundOffScene : public Scene {
protected:
    SoundOffScene() { configText = config("1"); }
};

TEST_F(SoundOffScene, ASoundEntryStoredAsTextOneSwitchesSoundOff) {
    ASSERT_TRUE(poweredOn());
    EXPECT_FALSE(soundLog.contains("1 play")) << soundLog.join(", ").toStdString();
    EXPECT_EQ(value(member("_Page_Globalsetting", "soundList"), "defaultIndex").toInt(), 1);
}

TEST_F(Scene, ResetRestoresTheFactoryPreferences) {
    folder.write("modules/setting/apConfigD.bin", config("0", "1").replace("\n7=0\n", "\n7=1\n"));
    ASSERT_TRUE(poweredOn());
    EXPECT_EQ(root()->property("globalSetting_size").toInt(), 11);
    QMetaObject::invokeMethod(object("_Page_Globalsetting"), "resetApconfig");
    EXPECT_EQ(root()->property("globalSetting_size").toInt(), 12);
    EXPECT_TRUE(soundLog.endsWith("0 play")) << "sound comes back with the factory preferences";
}

TEST_F(Scene, CustomBackgroundSwitchAsksForAPictureAndSwitchesBack) {
    ASSERT_TRUE(poweredOn());
    QObject *page = object("_Page_Globalsetting");
    QObject *toggle = member("_Page_Globalsetting", "customBackgroundSwitch");

    QMetaObject::invokeMethod(toggle, "toggle"); // the user cancels
    EXPECT_FALSE(value(page, "isCustomBackground").toBool());
    EXPECT_EQ(root()->property("sourceCustomBackground").toUrl(), QUrl());

    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    ASSERT_TRUE(picture.save(folder.file("wall.png")));
    dialogs.fileAnswer = folder.file("wall.png");
    QMetaObject::invokeMethod(toggle, "toggle");
    EXPECT_TRUE(value(page, "isCustomBackground").toBool());
    EXPECT_EQ(root()->property("sourceCustomBackground").toUrl(),
              QUrl("file:" + folder.file("wall.png")));

    QMetaObject::invokeMethod(toggle, "toggle");
    EXPECT_FALSE(value(page, "isCustomBackground").toBool());
    EXPECT_EQ(root()->property("sourceCustomBackground").toUrl(), QUrl());
    EXPECT_EQ(dialogs.fileRequests.size(), 2) << "switching off asks nothing";
}

TEST_F(Scene, KeyEventsReachTheMouseDocument) {
    QObject *mouseDocument = object("main_R8");
    QSignalSpy keys(mouseDocument, SIGNAL(msg_KB(bool, int)));
    QMetaObject::invokeMethod(root(), "detectKeyboard", Q_ARG(QVariant, true),
                              Q_ARG(QVariant, 0x2c));
    QMetaObject::invokeMethod(root(), "detectKeyboard", Q_ARG(QVariant, false),
                              Q_ARG(QVariant, 0x04));
    ASSERT_EQ(keys.count(), 2);
    EXPECT_EQ(keys[1][1].toInt(), 0x04);
    EXPECT_EQ(value(mouseDocument, "lastPressKeyCode").toInt(), 0x2c) << "only presses count";
}

} // namespace

namespace {

// With the shipped language files beside the program, the settings page lists every
// language and choosing one re-translates the interface.
class LanguageScene : public Scene {
protected:
    void SetUp() override {
        const QString shipped = qEnvironmentVariable("R8_SOURCE_DIR") + "/data/modules/i18n/";
        for (const QString &name : QDir(shipped).entryList({"lang_*.ini"}, QDir::Files)) {
            QFile f(shipped + name);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            folder.write("modules/i18n/" + name, f.readAll());
        }
        Scene::SetUp();
    }

    QVariant onPage(const QString &script) {
        QQmlExpression e(qmlContext(root()), object("_Page_Globalsetting"), script);
        const QVariant v = e.evaluate();
        EXPECT_FALSE(e.hasError()) << qPrintable(e.error().toString());
        return v;
    }
};

TEST_F(LanguageScene, TheShippedLanguagesAreListedAndChoosingOneTranslates) {
    ASSERT_TRUE(poweredOn());
    const QStringList names = onPage("var n = []; for (var i = 0; i < languageList.mdItems.count;"
                                     " ++i) n.push(languageList.mdItems.get(i).textX); n")
                                  .toStringList();
    EXPECT_EQ(names.size(), 9);
    EXPECT_TRUE(names.contains("ENGLISH"));
    EXPECT_TRUE(names.contains("CHINESE (Simp)"));
    EXPECT_TRUE(names.contains("CHINESE (Trad)"));
    const int german = int(names.indexOf("GERMAN"));
    ASSERT_GE(german, 0) << names.join(", ").toStdString();

    onPage(QString("setLanguage(%1)").arg(german));
    const QStringList strings = root()->property("globalSetting_stringList").toStringList();
    ASSERT_GT(strings.size(), 116);
    EXPECT_EQ(strings[1], "OPTIONEN");
    EXPECT_EQ(strings[115], "DPI +");
    EXPECT_TRUE(DeviceFlags::languageCheck.load()) << "the shipped file passes its check";
}

} // namespace
