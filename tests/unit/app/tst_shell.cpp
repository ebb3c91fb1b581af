#include "close_spy.h"
#include "device_change_source.h"
#include "device_flags.h"
#include "event_wait.h"
#include "fake_dialogs.h"
#include "fake_sound_player.h"
#include "hid_backend.h"
#include "myqquickview.h"
#include "notice.h"
#include "notice_channel.h"
#include "program_folder.h"
#include "startup.h"
#include "ui_controler.h"
#include "user_event.h"
#include "widget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSignalSpy>
#include <QUuid>

#include <gtest/gtest.h>

namespace {

QObject *sceneObject(Widget &w, const char *id) {
    return qmlContext(w.view()->rootObject())->objectForName(QString::fromLatin1(id));
}

// The power-on animation runs once "run" has been called.
bool started(Widget &w) {
    return w.view()->rootObject()->isVisible();
}

class Shell : public ::testing::Test {
protected:
    explicit Shell(const QByteArray &apConfig = "[common]\nname=R8 Shell Test\nsCode1=k-wodrum\n"
                                                "product_name=Keyboard, R8\n") {
        if (!apConfig.isNull())
            folder.write("modules/setting/apConfig.bin", apConfig);
        seams.dialogs = &dialogs;
        seams.soundPlayers = FakeSoundPlayer::factory(&soundLog, &players);
    }

    DeviceStateGuard deviceState{DeviceStateGuard::Fresh}; // first: restored last
    ProgramFolder folder;
    FakeDialogs dialogs;
    QStringList soundLog;
    QList<FakeSoundPlayer *> players;
    AppSeams seams;
};

TEST_F(Shell, WindowIsFramelessTranslucentAndSizedFromTheScene) {
    Widget w(seams);
    EXPECT_EQ(w.objectName(), "Widget");
    EXPECT_EQ(w.windowFlags(), Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    EXPECT_TRUE(w.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(w.styleSheet(), "background:transparent;");
    EXPECT_EQ(w.size(), QSize(1000, 600));
    EXPECT_EQ(w.windowTitle(), "R8 Shell Test");
    ASSERT_NE(w.view()->rootObject(), nullptr);
    EXPECT_EQ(w.view()->objectName(), "ui_View");
    EXPECT_EQ(w.view()->parentWidget(), &w);
    EXPECT_EQ(w.view()->hid(), w.hid());
    EXPECT_FALSE(w.checkTimer().isActive());
    EXPECT_EQ(w.checkTimer().interval(), 2048);
    EXPECT_TRUE(w.checkTimer().isSingleShot());
    EXPECT_EQ(w.view()->profiles().size(), 10);
}

TEST_F(Shell, ContextPropertiesReachTheScene) {
    Widget w(seams);
    QQmlContext *context = w.view()->rootContext();
    EXPECT_EQ(context->contextProperty("ui_View").value<QObject *>(), w.view());
    EXPECT_EQ(context->contextProperty("ui_Ctl").value<QObject *>(), w.controller());
    EXPECT_EQ(context->contextProperty("hid").value<QObject *>(), w.hid());
}

TEST_F(Shell, DragMovesTheWindowByEachOffsetInTurn) {
    Widget w(seams);
    w.move(100, 200);
    w.controller()->onXChanged(10);
    EXPECT_EQ(w.pos(), QPoint(110, 200));
    w.controller()->onYChanged(5);
    EXPECT_EQ(w.pos(), QPoint(110, 205));
}

TEST_F(Shell, SetBusyCallsTheSceneDirectlyWithTheLockTime) {
    Widget w(seams);
    QObject *timer = sceneObject(w, "tmrProtectUI");
    QObject *busy = sceneObject(w, "protectUIItem");
    w.controller()->setBusy(1500);
    EXPECT_EQ(timer->property("interval").toInt(), 1500);
    EXPECT_TRUE(timer->property("running").toBool());
    EXPECT_TRUE(busy->property("isBusy").toBool());
    EXPECT_FALSE(w.view()->isEnabled());
    w.controller()->setBusy();
    EXPECT_EQ(timer->property("interval").toInt(), 0);
    pump(50);
    EXPECT_FALSE(busy->property("isBusy").toBool()) << "0 unlocks on the next tick";
    EXPECT_TRUE(w.view()->isEnabled());
}

TEST_F(Shell, OnMinimizeClosesTheWindow) {
    Widget w(seams);
    w.show();
    EXPECT_TRUE(w.isVisible());
    w.controller()->onMinimize();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(Shell, InitUiRunsBeforeRunAndDemoModeAnnouncesItself) {
    // Preferences with the larger text size: initUI shows it by its effect on the scene.
    QByteArray config = "[common]\nname=R8 Shell Test\nsCode1=k-wodrum\nproduct_name=Keyboard, R8\n"
                        "total=8\n0=1\n1=1\n2=0\n3=0\n4=0\n5=false\n6=\n7=1\n";
    folder.write("modules/setting/apConfig.bin", config);
    Widget w(seams);
    NoticeServer notices;
    ASSERT_TRUE(notices.listen(w.windowTitle()));
    QObject::connect(&notices, &NoticeServer::noticeReceived,
                     [](const NoticeMessage &m) { noticeFilter(m, nullptr); });
    setNoticeHandler(showNotice, &w);

    w.checkDevice();
    EXPECT_TRUE(DeviceFlags::connected);
    EXPECT_TRUE(DeviceFlags::demo);
    EXPECT_TRUE(startConnectedWindow(w));
    EXPECT_TRUE(w.isVisible());
    QQuickItem *root = w.view()->rootObject();
    EXPECT_EQ(root->property("globalSetting_size").toInt(), 11);
    EXPECT_FALSE(started(w)) << "both start calls are queued";
    pump(300);
    setNoticeHandler(nullptr, nullptr);

    EXPECT_EQ(root->property("globalSetting_size").toInt(), 12) << "initUI loaded the preferences";
    EXPECT_TRUE(started(w)) << "run started the power-on";
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].title, "R8 Shell Test");
    EXPECT_EQ(dialogs.boxes[0].text, "===== Demo Mode =====");
}

TEST_F(Shell, OnlyTheStartRequestStartsTheScene) {
    Widget w(seams);
    QCoreApplication::postEvent(&w, new UserEvent(0x880));
    QCoreApplication::postEvent(&w, new UserEvent(UserEvent::kStartRequest, QEvent::Type(1001)));
    pump(50);
    EXPECT_FALSE(started(w));
    QCoreApplication::postEvent(&w, new UserEvent(0x881));
    pump(50);
    EXPECT_TRUE(started(w));
}

TEST_F(Shell, NoticesShowOnlyWellFormedTextTitledWithTheWindowTitle) {
    Widget w(seams);
    const auto make = [](quint32 tag, const QByteArray &text, int delta) {
        NoticeMessage m;
        m.tag = tag;
        m.data = text + '\0';
        m.byteCount = quint32(text.size() + delta);
        return m;
    };
    showNotice(make(kNoticeTag, "hello", +1), &w);
    showNotice(make(0x250E, "hello", 0), &w);
    showNotice(make(kNoticeTag, "hello", 0), nullptr);
    EXPECT_TRUE(dialogs.boxes.isEmpty());
    showNotice(make(kNoticeTag, "hello", 0), &w);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].title, "R8 Shell Test");
    EXPECT_EQ(dialogs.boxes[0].text, "hello");
}

TEST_F(Shell, WithoutAnAcceptedDeviceTheWindowStaysHiddenAndCloses) {
    folder.write("modules/setting/apConfig.bin",
                 "[common]\nname=R8 Shell Test\nsCode1=123456\nproduct_name=Keyboard, R8\n");
    Widget w(seams);
    CloseSpy spy;
    w.installEventFilter(&spy);
    w.checkDevice();
    EXPECT_FALSE(startConnectedWindow(w));
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].title, "R8 Shell Test");
    EXPECT_EQ(dialogs.boxes[0].text, "Can not detect R8 !");
    EXPECT_FALSE(spy.closed) << "the close request is queued";
    pump(50);
    EXPECT_TRUE(spy.closed);
}

class ShellWithoutConfig : public Shell {
protected:
    ShellWithoutConfig() : Shell(QByteArray()) {}
};

TEST_F(ShellWithoutConfig, AMissingConfigGivesAnEmptyTitle) {
    Widget w(seams);
    EXPECT_EQ(w.windowTitle(), "");
    EXPECT_EQ(w.size(), QSize(1000, 600));
}

TEST_F(Shell, DeviceChangeNoticesAreDebouncedIntoOneCheck) {
    Widget w(seams);
    DeviceChangeSource source; // what the udev monitor is in the program
    QObject::connect(&source, &DeviceChangeSource::devicesChanged, &w, &Widget::deviceChangeNotice);
    QSignalSpy checks(&w, &Widget::deviceChecked);
    QElapsedTimer clock;
    clock.start();
    emit source.devicesChanged();
    pump(500);
    emit source.devicesChanged();
    pump(500);
    emit source.devicesChanged();
    const qint64 third = clock.elapsed();
    pump(1900);
    EXPECT_EQ(checks.count(), 0) << "no check before 2048 ms after the last notice";
    ASSERT_TRUE(checks.wait(1000));
    EXPECT_GE(clock.elapsed() - third, 2048);
    pump(2500);
    EXPECT_EQ(checks.count(), 1);
}

// A bus that lists the mouse's two interfaces; `openable` says whether it lets them be opened.
class ListingBus : public HidBackend {
public:
    bool openable = false;
    QList<HidInterfaceInfo> enumerate(unsigned short vid, unsigned short pid) override {
        if (vid != 0x04d9 || pid != 0xa09f)
            return {};
        return {{"/dev/hidraw3", 0xff00, 0xff00}, {"/dev/hidraw4", 0xff01, 0xff01}};
    }
    std::unique_ptr<HidDevice> open(const QString &) override {
        struct Open : HidDevice {
            int sendFeatureReport(const unsigned char *, size_t) override { return -1; }
            int getFeatureReport(unsigned char *, size_t) override { return -1; }
            int write(const unsigned char *, size_t) override { return -1; }
            int readTimeout(unsigned char *, size_t, int) override { return -1; }
        };
        return openable ? std::make_unique<Open>() : nullptr;
    }
};

// A mouse on the bus that cannot be opened is a permission problem, told apart from a mouse
// that is not there: the hint names the nodes and the README's section.
TEST(DeviceAccessHint, NamesTheNodesOnlyWhenTheMouseIsThereButCannotBeOpened) {
    ListingBus bus;
    const QString hint = deviceAccessHint(bus, 1);
    EXPECT_TRUE(hint.contains("/dev/hidraw3, /dev/hidraw4")) << hint.toStdString();
    EXPECT_TRUE(hint.contains("04d9:a09f")) << hint.toStdString();
    EXPECT_TRUE(hint.contains("Using a real mouse")) << hint.toStdString();
    EXPECT_TRUE(deviceAccessHint(bus, 0).isEmpty()) << "the keyboard is not on this bus";
    bus.openable = true;
    EXPECT_TRUE(deviceAccessHint(bus, 1).isEmpty());
}

} // namespace
