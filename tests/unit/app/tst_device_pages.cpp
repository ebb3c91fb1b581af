// The sensor page, the lighting page and the profile column in the real scene, against the
// real host view and the virtual mouse: clicks in, bytes on the mouse and profile files out.
#include <gio/gio.h>

#include "device_check.h"
#include "device_flags.h"
#include "emulated_bus.h"
#include "event_wait.h"
#include "fake_dialogs.h"
#include "fake_sound_player.h"
#include "gsettings_pointer.h"
#include "myqquickview.h"
#include "program_folder.h"
#include "widget.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QQmlContext>
#include <QQuickItem>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void copySkin(const ProgramFolder &folder) {
    const QString staged = qEnvironmentVariable("R8_BIN_DIR") + "/modules/img/";
    QDirIterator it(staged + "skin1", QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = folder.file("modules/img/" + source.mid(staged.size()));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}

// A full preference list with 10 ms animations, the virtual mouse's secrecy code and the
// palette size of the lighting page.
QByteArray config(int colorMaxStage) {
    QByteArray text = "[common]\nname=R8 Pages\nproduct_name=R8 Keyboard, R8\nsCode1=R8v0s1\n"
                      "total=32\n0=1\n1=1\n2=1\n3=1\n4=0\n5=false\n6=\n7=0\n";
    const int colours[21] = {0,   255, 255, 255, 200, 150, 255, 180, 0,   200, 200,
                             100, 200, 170, 255, 255, 180, 180, 160, 190, 160};
    for (int i = 0; i < 21; ++i)
        text += QByteArray::number(8 + i) + '=' + QByteArray::number(colours[i]) + '\n';
    text += "29=0\n30=7\n31=https://r8.example.org/\n[R8]\ncolorMaxStage=" +
            QByteArray::number(colorMaxStage) + "\n";
    return text;
}

QByteArray shippedDefaults() {
    QFile file(qEnvironmentVariable("R8_SOURCE_DIR") + "/data/modules/setting/pD.bin");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

enum Function { kKeys = 0, kMacros = 1, kLighting = 2, kSensor = 3 };

class DevicePages : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qputenv("GSETTINGS_BACKEND", "memory"); }

    // Profiles are written before start; `options` shapes the virtual mouse.
    void start(const EmulatorOptions &options = EmulatorOptions(), int colorMaxStage = 8) {
        folder.write("modules/setting/apConfig.bin", config(colorMaxStage));
        folder.write("modules/setting/pD.bin", shippedDefaults());
        copySkin(folder);
        bus = std::make_unique<EmulatedBus>(options);
        seams.dialogs = &dialogs;
        seams.soundPlayers = FakeSoundPlayer::factory(&soundLog, &players);
        seams.hidBackend = bus.get();
        seams.pointer = &pointer;
        window = std::make_unique<Widget>(seams);
        window->show();
        if (options.cipher) {
            window->checkDevice();
        } else {
            // The program's own table asks for the cipher; a copy without it matches the
            // mouse. Reads with a data phase come back readable only this way.
            QFile table(qEnvironmentVariable("R8_SOURCE_DIR") + "/resources/DevInfo.ini");
            ASSERT_TRUE(table.open(QIODevice::ReadOnly));
            folder.write("DevInfo.ini", table.readAll().replace("isEncode=true", "isEncode=false"));
            QSettings plain(folder.file("DevInfo.ini"), QSettings::IniFormat);
            runDeviceCheck(*window->hid(), plain, window->view()->apConfig());
        }
        ASSERT_TRUE(DeviceFlags::connected.load());
        window->view()->initUI();
        window->view()->runUI();
        ASSERT_TRUE(waitFor(
            [this] {
                return member("main_R8", "pageArea")->property("visible").toBool() && !running();
            },
            4000));
    }
    void TearDown() override {
        if (window)
            window->hid()->waitForTransfers();
        window.reset();
    }

    QQuickItem *root() const { return window->view()->rootObject(); }
    QObject *object(const char *id) const {
        return qmlContext(root())->objectForName(QString::fromLatin1(id));
    }
    QObject *member(QObject *o, const char *alias) const {
        QObject *m = o->property(alias).value<QObject *>();
        EXPECT_TRUE(m) << alias;
        return m;
    }
    QObject *member(const char *id, const char *alias) const { return member(object(id), alias); }
    QQuickItem *item(QObject *o) const { return qobject_cast<QQuickItem *>(o); }
    QQuickItem *at(QObject *repeater, int index) const {
        QQuickItem *result = nullptr;
        QMetaObject::invokeMethod(repeater, "itemAt", Q_RETURN_ARG(QQuickItem *, result),
                                  Q_ARG(int, index));
        EXPECT_TRUE(result) << index;
        return result;
    }
    QObject *sensorPage() const { return root()->findChild<QObject *>("pageSensor"); }
    QObject *colorPage() const { return root()->findChild<QObject *>("pageColor"); }
    QObject *profileMenu() const { return member("main_R8", "profileMenu"); }
    int intOf(QObject *o, const char *name) const { return o->property(name).toInt(); }

    bool running() const {
        for (const char *a : {"slideIn", "slideOut", "menusIn"}) {
            if (member("main_R8", a)->property("running").toBool())
                return true;
        }
        return root()
            ->property("powerOnAnimation")
            .value<QObject *>()
            ->property("running")
            .toBool();
    }

    // Clicks at `point` in the item's coordinates (its centre by default) and lets the
    // device work finish.
    void click(QQuickItem *target, QPointF point = QPointF(-1, -1),
               Qt::MouseButton button = Qt::LeftButton) {
        ASSERT_TRUE(target);
        if (point.x() < 0)
            point = QPointF(target->width() / 2, target->height() / 2);
        QTest::mouseClick(window->view(), button, {}, target->mapToScene(point).toPoint());
        QCoreApplication::processEvents();
        window->hid()->waitForTransfers();
    }
    void click(QObject *target) { click(item(target)); }

    void showFunction(Function f) {
        QObject *list = member("main_R8", "functionMenu")->property("list").value<QObject *>();
        QQuickItem *button = nullptr;
        QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, button),
                                  Q_ARG(int, int(f)));
        click(button);
        ASSERT_TRUE(waitFor([this] { return !running(); }, 4000));
        ASSERT_EQ(intOf(member("main_R8", "pageArea"), "curID"), int(f));
    }
    // Page buttons lock the scene for a while; later clicks wait for it to come back.
    bool unlocked() {
        return waitFor([this] { return window->view()->isEnabled(); }, 3000);
    }

    // Current profile file as the program wrote it.
    QString stored(const char *key) {
        QSettings *p = window->view()->profileStore().current();
        p->sync();
        const QVariant v = p->value(key);
        return v.canConvert<QStringList>() && v.typeId() != QMetaType::Int
                   ? v.toStringList().join(", ")
                   : v.toString();
    }

    // --- sensor page -------------------------------------------------------------------
    QObject *dpiLevel() { return member(sensorPage(), "dpiLevel"); }
    void chooseDpi(int stage, int menuIndex) {
        QQuickItem *button = at(member(dpiLevel(), "buttons"), stage);
        click(member(button, "arrow"));
        ASSERT_TRUE(member(dpiLevel(), "menu")->property("visible").toBool());
        click(at(member(dpiLevel(), "menuItems"), menuIndex));
    }
    QVariantList dpiShown() { return dpiLevel()->property("valueForIndex").toList(); }
    // Polling rate buttons sit at x 3, 80, 157, 234 of their group.
    void choosePollingRate(int position) {
        click(item(member(sensorPage(), "pollingRate")), QPointF(3 + 77 * position + 30, 14));
    }

    // --- lighting page ------------------------------------------------------------------
    QObject *colorGroup() { return member(colorPage(), "colorGroup"); }
    // A seven-step slider's row starts 5 px in; position p is taken at 20 p - 5 inside it.
    void setSlider(const char *alias, int position) {
        QQuickItem *slider = item(member(colorPage(), alias));
        click(slider, QPointF(5 + std::max(0, 20 * position - 5), 10));
        ASSERT_EQ(intOf(slider, "currentIndex"), position);
    }
    void chooseEffect(int position) {
        QObject *list = member(colorPage(), "effectList");
        click(list);
        ASSERT_TRUE(waitFor([list] { return list->property("isSelect").toBool(); }, 4000));
        // Entries hang under the header, each one header height less a pixel below the last.
        const qreal h = item(list)->height();
        click(item(list), QPointF(40, (h - 1) * (position + 1) + h / 2));
        ASSERT_EQ(intOf(list, "defaultIndex"), position);
    }
    void applyLighting() {
        ASSERT_TRUE(unlocked());
        click(member(colorPage(), "applyButton"));
    }
    void setPowerOn(bool on) {
        QObject *box = member(colorPage(), "powerOn");
        if (box->property("isSelect").toBool() != on)
            click(box);
        ASSERT_EQ(box->property("isSelect").toBool(), on);
    }

    DeviceStateGuard deviceState{DeviceStateGuard::Fresh}; // first: restored last
    ProgramFolder folder;
    FakeDialogs dialogs;
    QStringList soundLog;
    QList<FakeSoundPlayer *> players;
    GSettingsPointer pointer;
    std::unique_ptr<EmulatedBus> bus;
    AppSeams seams;
    std::unique_ptr<Widget> window;
};

// ---- sensor page ------------------------------------------------------------------------

TEST_F(DevicePages, SensorType0ValueGoesOutAtOnceAndIsStored) {
    folder.write("modules/setting/p1.bin",
                 "[sensor]\ndpi_R8=500, 1000, 1500, 2000, 0, 0, 0, 0\nstage_R8=1\n");
    start();
    showFunction(kSensor);
    chooseDpi(1, 9); // 2500
    EXPECT_EQ(bus->mouseState().dpiCodes,
              (std::array<uchar, 8>{0x02, 0x45, 0x06, 0x08, 0x80, 0x80, 0x80, 0x80}));
    EXPECT_EQ(bus->mouseState().dpiStageCount, 8);
    EXPECT_EQ(stored("sensor/dpi_R8"), "500, 2500, 1500, 2000, 0, 0, 0, 0");
    EXPECT_EQ(bus->mouseState().reportRate, 1) << "nothing else is sent before apply";
}

TEST_F(DevicePages, SensorType3TopValueAndStagesAlreadyOff) {
    folder.write("modules/setting/p1.bin", "[sensor]\ndpi_R8=1000, 0, 4000, 8000, 0, 0, 0, 0\n");
    EmulatorOptions options;
    options.sensorType = 3;
    start(options);
    showFunction(kSensor);
    EXPECT_EQ(dpiLevel()->property("menuCounter").toInt(), 18);
    chooseDpi(0, 17); // 10000
    EXPECT_EQ(bus->mouseState().dpiCodes,
              (std::array<uchar, 8>{0x71, 0x80, 39, 0x67, 0x80, 0x80, 0x80, 0x80}));
    EXPECT_EQ(stored("sensor/dpi_R8"), "10000, 0, 4000, 8000, 0, 0, 0, 0");
}

// A new profile has no DPI list: the mouse still gets eight codes, the stages without a
// value switched off.
TEST_F(DevicePages, MissingDpiListStillSendsEightCodes) {
    start();
    showFunction(kSensor);
    EXPECT_EQ(dpiShown(), (QVariantList{0, 0, 0, 0, 0, 0, 0, 0}));
    chooseDpi(2, 4); // 1000
    EXPECT_EQ(bus->mouseState().dpiCodes,
              (std::array<uchar, 8>{0x80, 0x80, 0x04, 0x80, 0x80, 0x80, 0x80, 0x80}));
    EXPECT_EQ(stored("sensor/dpi_R8"), "0, 0, 1000, 0, 0, 0, 0, 0");
}

TEST_F(DevicePages, LastStageWithAValueCannotBeSwitchedOff) {
    folder.write("modules/setting/p1.bin", "[sensor]\ndpi_R8=0, 750, 0, 0, 0, 0, 0, 0\n");
    start();
    showFunction(kSensor);
    const auto codesBefore = bus->mouseState().dpiCodes;
    chooseDpi(1, 0); // "×"
    EXPECT_EQ(dpiShown()[1].toInt(), 750);
    EXPECT_EQ(bus->mouseState().dpiCodes, codesBefore) << "nothing was sent";
    EXPECT_EQ(stored("sensor/dpi_R8"), "0, 750, 0, 0, 0, 0, 0, 0");
    // With a second stage set, the first may go.
    chooseDpi(3, 2); // 500
    chooseDpi(1, 0);
    EXPECT_EQ(stored("sensor/dpi_R8"), "0, 0, 0, 500, 0, 0, 0, 0");
    EXPECT_EQ(bus->mouseState().dpiCodes[1], 0x80);
}

TEST_F(DevicePages, ApplySendsPollingRatePointerAndStage) {
    folder.write("modules/setting/p1.bin",
                 "[sensor]\ndpi_R8=500, 1000, 1500, 0, 0, 0, 0, 0\nstage_R8=1\n");
    start();
    showFunction(kSensor);
    choosePollingRate(1);
    click(at(member(dpiLevel(), "buttons"), 3)); // a stage without a value cannot be chosen
    EXPECT_EQ(intOf(dpiLevel(), "currentIndex"), 0);
    click(at(member(dpiLevel(), "buttons"), 2));
    EXPECT_EQ(intOf(dpiLevel(), "currentIndex"), 2);
    EXPECT_EQ(bus->mouseState().reportRate, 1) << "choices wait for apply";
    EXPECT_EQ(bus->mouseState().dpiStage, 1);
    click(member(sensorPage(), "applyButton"));
    EXPECT_EQ(bus->mouseState().reportRate, 4);
    EXPECT_EQ(bus->mouseState().dpiStage, 3);
    EXPECT_EQ(stored("sensor/reportRate_R8"), "4");
    EXPECT_EQ(stored("sensor/stage_R8"), "3");
    EXPECT_FALSE(window->view()->isEnabled()) << "the page locks the scene while it applies";
}

// Stored report-rate codes and stages as the page shows them, one profile each.
TEST_F(DevicePages, StoredRateAndStageAreShownClamped) {
    struct Case {
        const char *rate;
        const char *stage;
        int rateShown;
        int stageShown;
    };
    const Case cases[] = {{"8", "0", 0, 0}, {"0", "9", 3, 7}, {"1", "3", 3, 2}, {"4", "8", 1, 7}};
    for (int i = 0; i < 4; ++i) {
        folder.write(QString("modules/setting/p%1.bin").arg(i + 2),
                     QByteArray("[sensor]\nreportRate_R8=") + cases[i].rate +
                         "\nstage_R8=" + cases[i].stage +
                         "\ndpi_R8=500, 1000, 1500, 2000, 2500, 3000, 3500, 4000\n");
    }
    start();
    showFunction(kSensor);
    for (int i = 0; i < 4; ++i) {
        click(at(member(profileMenu(), "entries"), i + 1));
        EXPECT_EQ(intOf(member(sensorPage(), "pollingRate"), "currentIndex"), cases[i].rateShown)
            << "rate " << cases[i].rate;
        EXPECT_EQ(intOf(dpiLevel(), "currentIndex"), cases[i].stageShown)
            << "stage " << cases[i].stage;
    }
}

TEST_F(DevicePages, FourStagesHideButtonsAndDisableIndicatorCells) {
    EmulatorOptions options;
    options.dpiStages = 4;
    options.logoLed = false;
    start(options);
    showFunction(kSensor);
    EXPECT_EQ(intOf(sensorPage(), "dpiMAXStage"), 4);
    QObject *cells = member(member(sensorPage(), "indicator"), "cellRepeater");
    for (int i = 0; i < 8; ++i) {
        QQuickItem *button = at(member(dpiLevel(), "buttons"), i);
        EXPECT_EQ(member(button, "label")->property("visible").toBool(), i < 4) << i;
        EXPECT_EQ(member(button, "area")->property("visible").toBool(), i < 4) << i;
        EXPECT_EQ(at(cells, i)->isEnabled(), i < 4) << i;
        EXPECT_EQ(at(cells, i)->opacity(), i < 4 ? 1.0 : 0.0) << i;
    }
    chooseDpi(0, 4); // 1000
    EXPECT_EQ(bus->mouseState().dpiStageCount, 4) << "the stage count goes out with 11H";
}

TEST_F(DevicePages, EightColourModeSendsOrangeAsEightAndReadsItBack) {
    folder.write("modules/setting/p1.bin", "[color_R8]\ntype2=0, 1, 2, 3, 4, 5, 6, 7\n");
    start(); // the virtual mouse has a working logo LED
    showFunction(kSensor);
    ASSERT_TRUE(sensorPage()->property("isLogoLedWork").toBool());
    QObject *indicator = member(sensorPage(), "indicator");
    click(at(member(indicator, "cellRepeater"), 2));
    QQuickItem *strip = item(member(sensorPage(), "logoStrip"));
    click(strip, QPointF(7 * 30 + 15, 15)); // orange
    EXPECT_EQ(bus->mouseState().stageColorIndices, (std::array<uchar, 4>{0x10, 0x38, 0x54, 0x86}));
    EXPECT_EQ(stored("color_R8/type2"), "0, 1, 8, 3, 4, 5, 6, 8");

    // Read back through another profile and back again.
    click(at(member(profileMenu(), "entries"), 1));
    click(at(member(profileMenu(), "entries"), 0));
    QVariant id;
    QMetaObject::invokeMethod(indicator, "idList", Q_RETURN_ARG(QVariant, id));
    EXPECT_EQ(id.toList()[2].toInt(), 7) << "orange";
}

TEST_F(DevicePages, SensorResetShowsDefaultsAndSendsValuesAndColours) {
    EmulatorOptions options;
    options.logoLed = false;
    start(options);
    showFunction(kSensor);
    click(item(object("downItem")->property("resetButton").value<QObject *>()));
    EXPECT_EQ(dpiShown(), (QVariantList{500, 1000, 1500, 2000, 2500, 3000, 3500, 4000}));
    EXPECT_EQ(intOf(dpiLevel(), "currentIndex"), 1);
    EXPECT_EQ(intOf(member(sensorPage(), "pollingRate"), "currentIndex"), 3);
    EXPECT_EQ(bus->mouseState().dpiCodes,
              (std::array<uchar, 8>{0x02, 0x04, 0x06, 0x08, 0x45, 0x46, 0x47, 0x48}));
    EXPECT_EQ(bus->mouseState().stageColors[3], 0) << "stage 2 green: 0, 255, 0";
    EXPECT_EQ(bus->mouseState().stageColors[4], 255);
    EXPECT_EQ(stored("sensor/reportRate_R8"), "") << "the rate waits for apply";

    // Without a logo LED the indicator takes free colours from its gradient, sent at once.
    ASSERT_TRUE(unlocked());
    QObject *indicator = member(sensorPage(), "indicator");
    click(at(member(indicator, "cellRepeater"), 1));
    click(item(member(indicator, "gradient")), QPointF(25, 5)); // red
    const MouseState after = bus->mouseState();
    EXPECT_EQ(
        (std::array<uchar, 3>{after.stageColors[3], after.stageColors[4], after.stageColors[5]}),
        (std::array<uchar, 3>{255, 0, 0}));
    EXPECT_EQ(stored("color_R8/type1").section(", ", 3, 5), "255, 0, 0");
}

// ---- lighting page ----------------------------------------------------------------------

TEST_F(DevicePages, LightingApplySendsEffectBytesAndStoresPositions) {
    start();
    showFunction(kLighting);
    struct Case {
        const char *name;
        bool on;
        int effect, brightness, speed;
        std::array<uchar, 3> sent;
        const char *configs;
    };
    const Case cases[] = {
        {"wave", true, 4, 3, 7, {5, 115, 1}, "4, 3, 7, 1"},
        {"spotlight, speed 0", true, 9, 7, 0, {10, 255, 30}, "9, 7, 0, 1"},
        {"brightness 0", true, 9, 0, 0, {10, 0, 30}, "9, 0, 0, 1"},
        {"light off", false, 9, 0, 0, {0, 0, 0}, "9, 0, 0, 0"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(unlocked());
        setPowerOn(true);
        chooseEffect(c.effect);
        setSlider("brightness", c.brightness);
        setSlider("speed", c.speed);
        setPowerOn(c.on);
        applyLighting();
        const MouseState m = bus->mouseState();
        EXPECT_EQ((std::array<uchar, 3>{m.effect, m.brightness, m.speed}), c.sent);
        EXPECT_EQ(stored("color_R8/ledEffect"), c.configs);
    }
    // STATIC has no speed: the slider is disabled and whatever it shows is not sent.
    ASSERT_TRUE(unlocked());
    setPowerOn(true);
    setSlider("speed", 2);
    chooseEffect(0);
    EXPECT_FALSE(item(member(colorPage(), "speed"))->isEnabled());
    applyLighting();
    EXPECT_EQ(bus->mouseState().effect, 1);
    EXPECT_EQ(bus->mouseState().speed, 0);
    EXPECT_EQ(stored("color_R8/ledEffect"), "0, 0, 2, 1");
}

// The light's on/off state comes back with the profile; files without it show the light on.
TEST_F(DevicePages, LightingShowsStoredPowerState) {
    folder.write("modules/setting/p1.bin", "[color_R8]\nledEffect=0, 7, 4\n");
    folder.write("modules/setting/p2.bin", "[color_R8]\nledEffect=4, 3, 7, 0\n");
    folder.write("modules/setting/p3.bin", "[color_R8]\nledEffect=0, 2, 5, 1\n");
    start();
    showFunction(kLighting);
    QObject *box = member(colorPage(), "powerOn");
    QObject *list = member(colorPage(), "effectList");
    EXPECT_TRUE(box->property("isSelect").toBool()) << "stored STATIC without a state";
    EXPECT_EQ(intOf(list, "defaultIndex"), 0);
    click(at(member(profileMenu(), "entries"), 1));
    EXPECT_FALSE(box->property("isSelect").toBool());
    EXPECT_EQ(intOf(list, "defaultIndex"), 4);
    EXPECT_FALSE(item(list)->isEnabled());
    EXPECT_EQ(intOf(member(colorPage(), "brightness"), "currentIndex"), 3);
    click(at(member(profileMenu(), "entries"), 2));
    EXPECT_TRUE(box->property("isSelect").toBool());
    EXPECT_EQ(intOf(member(colorPage(), "speed"), "currentIndex"), 5);
}

TEST_F(DevicePages, GradientColoursTheCellAndSendsThePalette) {
    start();
    showFunction(kLighting);
    setPowerOn(true); // STATIC uses the palette
    QObject *group = colorGroup();
    click(at(member(group, "cellRepeater"), 1));
    QQuickItem *strip = item(member(group, "gradient"));
    click(strip, QPointF(0, 5));
    EXPECT_EQ(stored("color_R8/type0").section(", ", 3, 5), "0, 0, 0");
    EXPECT_EQ(bus->mouseState().lightingColors[3], 0);
    click(strip, QPointF((strip->width() - 1) / 2, 5)); // the midpoint
    EXPECT_EQ(stored("color_R8/type0").section(", ", 3, 5), "0, 255, 255");
    const MouseState m = bus->mouseState();
    EXPECT_EQ((std::array<uchar, 3>{m.lightingColors[3], m.lightingColors[4], m.lightingColors[5]}),
              (std::array<uchar, 3>{0, 255, 255}));
    EXPECT_EQ(m.lightingColors[0], 255) << "cell 0 keeps its red";
}

TEST_F(DevicePages, PaletteSizeFromTheApplicationConfig) {
    start(EmulatorOptions(), 4);
    showFunction(kLighting);
    setPowerOn(true);
    QObject *cells = member(colorGroup(), "cellRepeater");
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(at(cells, i)->isEnabled(), i < 4) << i;
        EXPECT_EQ(at(cells, i)->opacity(), i < 4 ? 1.0 : 0.0) << i;
    }
}

TEST_F(DevicePages, LightingResetShowsDefaultsAndSendsColoursOnly) {
    start();
    showFunction(kLighting);
    click(member(colorPage(), "resetButton"));
    EXPECT_TRUE(member(colorPage(), "powerOn")->property("isSelect").toBool());
    EXPECT_EQ(intOf(member(colorPage(), "effectList"), "defaultIndex"), 0);
    EXPECT_EQ(intOf(member(colorPage(), "brightness"), "currentIndex"), 7);
    EXPECT_EQ(intOf(member(colorPage(), "speed"), "currentIndex"), 4);
    const MouseState m = bus->mouseState();
    EXPECT_EQ((std::array<uchar, 3>{m.lightingColors[3], m.lightingColors[4], m.lightingColors[5]}),
              (std::array<uchar, 3>{255, 127, 0}));
    EXPECT_EQ(stored("color_R8/ledEffect"), "") << "the effect waits for apply";
}

// ---- profile column ---------------------------------------------------------------------

TEST_F(DevicePages, ChoosingAnotherProfileRereadsThePages) {
    folder.write("modules/setting/p3.bin", "[sensor]\ndpi_R8=250, 500, 0, 0, 0, 0, 0, 0\n"
                                           "[color_R8]\nledEffect=4, 3, 7, 1\n");
    start();
    showFunction(kSensor);
    QObject *entries = member(profileMenu(), "entries");
    click(at(entries, 2));
    EXPECT_EQ(window->view()->profileStore().currentIndex(), 2);
    EXPECT_EQ(intOf(profileMenu(), "currentIndex"), 2);
    EXPECT_EQ(dpiShown(), (QVariantList{250, 500, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(intOf(member(colorPage(), "effectList"), "defaultIndex"), 4);

    // A second click on the current profile reads nothing: an unsent choice stays shown.
    choosePollingRate(0);
    click(at(entries, 2));
    EXPECT_EQ(intOf(member(sensorPage(), "pollingRate"), "currentIndex"), 0);
    EXPECT_EQ(window->view()->profileStore().currentIndex(), 2);
}

TEST_F(DevicePages, ContextMenuResetAndCancelledLoad) {
    folder.write("modules/setting/p1.bin", "[sensor]\ndpi_R8=250, 0, 0, 0, 0, 0, 0, 0\n");
    folder.write("modules/setting/p2.bin", "[sensor]\ndpi_R8=750, 0, 0, 0, 0, 0, 0, 0\n");
    start();
    showFunction(kSensor);
    QObject *entries = member(profileMenu(), "entries");
    QObject *menu = member(profileMenu(), "contextMenu");
    const auto menuAction = [&](int profile, int action) {
        click(at(entries, profile), QPointF(10, 10), Qt::RightButton);
        ASSERT_TRUE(menu->property("visible").toBool());
        click(at(member(profileMenu(), "menuEntries"), action));
    };

    // RESET on another profile replaces its file and leaves the pages alone.
    choosePollingRate(0);
    menuAction(1, 2);
    EXPECT_EQ(folder.read("modules/setting/p2.bin"), shippedDefaults());
    EXPECT_EQ(intOf(member(sensorPage(), "pollingRate"), "currentIndex"), 0);
    EXPECT_EQ(dpiShown()[0].toInt(), 250);

    // A cancelled LOAD on the current profile still reads it again.
    dialogs.fileAnswer.clear();
    menuAction(0, 0);
    EXPECT_EQ(dialogs.fileRequests.size(), 1);
    EXPECT_EQ(intOf(member(sensorPage(), "pollingRate"), "currentIndex"), 3);

    // RESET on the current profile shows the defaults.
    menuAction(0, 2);
    EXPECT_EQ(dpiShown(), (QVariantList{500, 1000, 1500, 2000, 2500, 3000, 3500, 4000}));
    EXPECT_EQ(intOf(dpiLevel(), "currentIndex"), 1);

    // CANCEL does nothing but close the menu.
    menuAction(0, 3);
    EXPECT_TRUE(waitFor([menu] { return !menu->property("visible").toBool(); }));
    EXPECT_EQ(dialogs.fileRequests.size(), 1);
}

TEST_F(DevicePages, ProfileColumnIsDimmedAndDeafWhileTheMacroPageShows) {
    start();
    showFunction(kMacros);
    EXPECT_FALSE(item(profileMenu())->isEnabled());
    EXPECT_DOUBLE_EQ(item(profileMenu())->opacity(), 0.2);
    click(at(member(profileMenu(), "entries"), 3));
    EXPECT_EQ(intOf(profileMenu(), "currentIndex"), 0);
    EXPECT_EQ(window->view()->profileStore().currentIndex(), 0);
    showFunction(kSensor);
    EXPECT_TRUE(item(profileMenu())->isEnabled());
    click(at(member(profileMenu(), "entries"), 3));
    EXPECT_EQ(window->view()->profileStore().currentIndex(), 3);
}

} // namespace
