#include "evdev_input_source.h"
#include "input_hook.h"
#include "myqquickview.h"
#include "notice.h"
#include "notice_channel.h"
#include "qt_dialogs.h"
#include "qt_sound_player.h"
#include "startup.h"
#include "udev_monitor.h"
#include "widget.h"
#include "window_input_source.h"

#include <QApplication>
#include <QCursor>
#include <QDir>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);

    // Every relative path of the program ("./modules/...") is relative to its own folder.
    const QString exe = QCoreApplication::applicationFilePath();
    QDir::setCurrent(exe.left(exe.lastIndexOf(QLatin1Char('/'))));

    QtDialogs dialogs;
    AppSeams seams;
    seams.dialogs = &dialogs;
    seams.soundPlayers = QtSoundPlayer::factory();

    int result = 0;
    {
        Widget window(seams);
        dialogs.setFileDialogParent(window.view());

        // Key capture: system-wide through the event devices where they can be read,
        // otherwise from the window's own events.
        EvdevInputSource deviceInput;
        deviceInput.setPointerPosition([] { return QCursor::pos(); });
        WindowInputSource windowInput;
        InputHook inputHook({&deviceInput, &windowInput});
        inputHook.install(0);
        InputHook::setKeyboardCallback(forwardKeyboardToWindow, &window);
        InputHook::setMouseCallback(forwardMouseToWindow, &window);

        NoticeServer notices;
        notices.listen(window.windowTitle());
        QObject::connect(&notices, &NoticeServer::noticeReceived,
                         [](const NoticeMessage &message) { noticeFilter(message, nullptr); });
        setNoticeHandler(showNotice, &window);

        UdevMonitor deviceChanges;
        QObject::connect(&deviceChanges, &DeviceChangeSource::devicesChanged, &window,
                         &Widget::deviceChangeNotice);

        window.checkDevice();
        startConnectedWindow(window);
        result = QApplication::exec();
        inputHook.uninstall();
        InputHook::setKeyboardCallback(nullptr, nullptr);
        InputHook::setMouseCallback(nullptr, nullptr);
        setNoticeHandler(nullptr, nullptr);
    }
    return result;
}
