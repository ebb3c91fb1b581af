#include "gsettings_pointer.h"
#include "myqquickview.h"
#include "notice.h"
#include "notice_channel.h"
#include "qt_dialogs.h"
#include "qt_sound_player.h"
#include "startup.h"
#include "udev_monitor.h"
#include "widget.h"

#include <QApplication>
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
    GSettingsPointer pointer;
    seams.pointer = &pointer;

    int result = 0;
    {
        Widget window(seams);
        dialogs.setFileDialogParent(window.view());

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
        setNoticeHandler(nullptr, nullptr);
    }
    return result;
}
