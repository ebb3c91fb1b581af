#pragma once

// The real main.qml in the real window, talking through the real bridge to the virtual
// mouse; the device pages are driven with mouse clicks and key events as a user would.
#include "device_flags.h"
#include "emulated_bus.h"
#include "event_wait.h"
#include "fake_dialogs.h"
#include "fake_sound_player.h"
#include "hid_thread.h"
#include "myqquickview.h"
#include "program_folder.h"
#include "qt_print.h"
#include "widget.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QQuickItem>
#include <QSettings>
#include <QTest>

#include <memory>

#include <gtest/gtest.h>

namespace pagescene {

inline QByteArray staged(const QString &relative) {
    QFile f(qEnvironmentVariable("R8_BIN_DIR") + "/modules/" + relative);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Short animations, sound on (fake players), the first language, skin 1.
inline QByteArray apConfig() {
    QByteArray text = "[common]\nname=R8 Page Test\nproduct_name=R8 Keyboard, R8\n"
                      "sCode1=482915\ntotal=32\n0=1\n1=1\n2=0\n3=1\n4=0\n5=false\n6=\n7=0\n";
    const int colours[21] = {0,   255, 255, 255, 200, 150, 255, 180, 0,   200, 200,
                             100, 200, 170, 255, 255, 180, 180, 160, 190, 160};
    for (int i = 0; i < 21; ++i)
        text += QByteArray::number(8 + i) + '=' + QByteArray::number(colours[i]) + '\n';
    text += "29=0\n30=7\n31=https://r8.example.org/\n";
    return text;
}

class PageScene : public ::testing::Test {
protected:
    // Files a test wants in place before the program starts (profiles, macros).
    virtual void prepareFolder() {}

    void SetUp() override {
        folder.write("modules/setting/apConfig.bin", apConfig());
        folder.write("modules/setting/pD.bin", staged("setting/pD.bin"));
        folder.write("modules/setting/p1.bin", staged("setting/pD.bin"));
        folder.write("modules/i18n/lang_031000.ini", staged("i18n/lang_031000.ini"));
        const QString skin = qEnvironmentVariable("R8_BIN_DIR") + "/modules/img/";
        QDirIterator it(skin + "skin1", QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            QFile f(source);
            f.open(QIODevice::ReadOnly);
            folder.write("modules/img/" + source.mid(skin.size()), f.readAll());
        }
        prepareFolder();

        seams.dialogs = &dialogs;
        seams.soundPlayers = FakeSoundPlayer::factory(&soundLog, &players);
        seams.hidBackend = &bus;
        window = std::make_unique<Widget>(seams);
        window->checkDevice();
        ASSERT_TRUE(DeviceFlags::connected.load());
        window->show();
        window->view()->initUI();
        window->view()->runUI();
        ASSERT_TRUE(waitFor([this] {
            QObject *r8 = object("main_R8");
            return r8 && !member("main_R8", "menusIn")->property("running").toBool() &&
                   member("main_R8", "pageArea")->property("visible").toBool() &&
                   !member("main_R8", "slideIn")->property("running").toBool();
        }));
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
    // The pages carry their id as objectName.
    QObject *r8(const char *id) const {
        return root()->findChild<QObject *>(QString::fromLatin1(id));
    }
    QObject *member(const char *id, const char *alias) const {
        return object(id)->property(alias).value<QObject *>();
    }
    static QObject *part(QObject *o, const char *alias) {
        return o->property(alias).value<QObject *>();
    }
    static QQuickItem *item(QObject *o) { return qobject_cast<QQuickItem *>(o); }

    void click(QQuickItem *it, QPointF at = QPointF(-1, -1),
               Qt::MouseButton button = Qt::LeftButton) {
        ASSERT_TRUE(it);
        if (at.x() < 0)
            at = QPointF(it->width() / 2, it->height() / 2);
        const QPoint p = it->mapToScene(at).toPoint();
        QTest::mouseMove(window->view(), p);
        QTest::mouseClick(window->view(), button, {}, p);
        pump(20);
    }
    void click(QObject *o) { click(item(o)); }

    // Shows a page the way the function menu does.
    void showPage(int index) {
        QObject *list = member("main_R8", "functionMenu")->property("list").value<QObject *>();
        QQuickItem *button = nullptr;
        QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, button),
                                  Q_ARG(int, index));
        click(button);
        ASSERT_TRUE(waitFor([this, index] {
            QObject *area = member("main_R8", "pageArea");
            return area->property("curID").toInt() == index &&
                   !member("main_R8", "slideIn")->property("running").toBool() &&
                   !member("main_R8", "slideOut")->property("running").toBool();
        }));
    }

    // Opens a drop-down list and clicks its entry.
    void pickDropdown(QObject *dropdown, int index) {
        QQuickItem *d = item(dropdown);
        ASSERT_TRUE(d);
        click(d, QPointF(d->width() / 2, 11));
        ASSERT_TRUE(waitFor([dropdown] { return dropdown->property("isSelect").toBool(); }));
        const qreal row = d->height() - 1;
        click(d, QPointF(d->width() / 2, row + index * row + row / 2));
        ASSERT_TRUE(waitFor([dropdown] { return !dropdown->property("isSelect").toBool(); }));
    }

    // Opens a file-list button and clicks its entry (rows 20 high, 1 shared), scrolling the
    // list as far as the entry needs.
    void pickFileListButton(QObject *button, int index) {
        QQuickItem *b = item(button);
        ASSERT_TRUE(b);
        click(b, QPointF(b->width() / 2, 11));
        ASSERT_TRUE(waitFor([button] { return button->property("isSelect").toBool(); }));
        QObject *list = part(part(button, "fileList"), "lvItems");
        const qreal height = list->property("height").toReal();
        const qreal scroll = std::max<qreal>(0, (index + 1) * 19 + 1 - height);
        list->setProperty("contentY", scroll);
        pump(20);
        click(b, QPointF(b->width() / 2, b->height() - 1 + index * 19 - scroll + 10));
        ASSERT_TRUE(waitFor([button] { return !button->property("isSelect").toBool(); }));
    }

    void clickListRow(QObject *fileList, int index, Qt::MouseButton button = Qt::LeftButton) {
        QQuickItem *l = item(fileList);
        click(l, QPointF(l->width() / 2, index * 19 + 10), button);
    }

    // A key as the capture delivers it: the root's detectKeyboard, queued like the bridge.
    void key(bool isDown, int code) {
        window->view()->forwardKeyboardEvent(isDown, quint8(code));
        pump(20);
    }
    void tap(int code) {
        key(true, code);
        key(false, code);
    }

    // A JavaScript expression in the scope of `o`.
    QVariant eval(QObject *o, const QString &expression) {
        QQmlExpression e(qmlContext(o), o, expression);
        const QVariant result = e.evaluate();
        EXPECT_FALSE(e.hasError()) << qPrintable(e.error().toString());
        return result;
    }

    QVariant call(QObject *o, const char *function, const QVariant &a = {},
                  const QVariant &b = {}) {
        QVariant result;
        bool ok;
        if (!b.isValid() && !a.isValid())
            ok = QMetaObject::invokeMethod(o, function, Q_RETURN_ARG(QVariant, result));
        else if (!b.isValid())
            ok = QMetaObject::invokeMethod(o, function, Q_RETURN_ARG(QVariant, result),
                                           Q_ARG(QVariant, a));
        else
            ok = QMetaObject::invokeMethod(o, function, Q_RETURN_ARG(QVariant, result),
                                           Q_ARG(QVariant, a), Q_ARG(QVariant, b));
        EXPECT_TRUE(ok) << function;
        return result;
    }

    QString deviceKey(int keyId) {
        window->hid()->waitForTransfers();
        const auto m = bus.mouseState().keyMatrix;
        return QByteArray(reinterpret_cast<const char *>(m.data()) + 4 * keyId, 4).toHex(' ');
    }
    QString storedKey(int keyId) {
        return window->view()
            ->profiles()[0]
            ->value(QStringLiteral("keydefine_R8/%1").arg(keyId))
            .toStringList()
            .join(',');
    }
    QVariant macroValue(const QString &name, const QString &key) {
        const QSettings file(folder.file("modules/macro/" + name + ".bin"), QSettings::IniFormat);
        return file.value(key);
    }
    void writeMacro(const QString &name, const QStringList &lines, int index = -1) {
        QByteArray text = "[config]\nindex=" + QByteArray::number(index) +
                          "\nrepeat=1\ndid=" + (index >= 0 ? "1" : "-1") +
                          "\ntotal=" + QByteArray::number(lines.size()) + "\n\n[macro]\n";
        for (int i = 0; i < lines.size(); ++i)
            text += QByteArray::number(i) + "=\"" + lines[i].toUtf8() + "\"\n";
        folder.write("modules/macro/" + name + ".bin", text);
    }

    DeviceStateGuard deviceState{DeviceStateGuard::Fresh}; // first: restored last
    ProgramFolder folder;
    FakeDialogs dialogs;
    QStringList soundLog;
    QList<FakeSoundPlayer *> players;
    EmulatedBus bus;
    AppSeams seams;
    std::unique_ptr<Widget> window;
};

} // namespace pagescene
