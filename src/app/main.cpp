#include "data_folders.h"
#include "emulated_bus.h"
#include "emulator_command_line.h"
#include "evdev_input_source.h"
#include "gsettings_pointer.h"
#include "hidapi_backend.h"
#include "input_hook.h"
#include "myqquickview.h"
#include "notice.h"
#include "notice_channel.h"
#include "program_info.h"
#include "qt_dialogs.h"
#include "qt_sound_player.h"
#include "startup.h"
#include "udev_monitor.h"
#include "widget.h"
#include "window_input_source.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QQuickWindow>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[]) {
    if (const std::optional<int> answered = answerInfoOption(argc, argv))
        return *answered;
    // This flat, image-based window draws the same on the software scene graph, and without a
    // GPU driver OpenGL would run on the CPU at many times the cost. QT_QUICK_BACKEND wins.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);

    // The HID bus: the real one, or the virtual R8 with --emulate.
    const EmulatorCommandLine emulation = parseEmulatorCommandLine(QCoreApplication::arguments());
    if (!emulation.error.isEmpty()) {
        std::fprintf(stderr, "r8config: %s\n", qPrintable(emulation.error));
        return 2;
    }
    std::unique_ptr<HidBackend> bus;
    if (emulation.emulate) {
        auto emulated = std::make_unique<EmulatedBus>(emulation.options);
        if (!emulation.options.wireLog.isEmpty() && !emulated->wireLog().isWritingFile()) {
            std::fprintf(stderr, "r8config: cannot write the wire log %s\n",
                         qPrintable(emulation.options.wireLog));
            return 2;
        }
        bus = std::move(emulated);
    } else {
        if (!emulation.options.wireLog.isEmpty())
            std::fprintf(stderr, "r8config: --wire-log has no effect without --emulate\n");
        bus = std::make_unique<HidapiBackend>();
    }

    // Every relative path of the program ("./modules/...") is relative to its data folder:
    // its own folder, or the user's when installed.
    const QString dataFolder = DataFolders::prepareForThisProgram("r8config");
    if (dataFolder.isEmpty())
        return 1;
    QDir::setCurrent(dataFolder);

    QtDialogs dialogs;
    AppSeams seams;
    seams.dialogs = &dialogs;
    seams.hidBackend = bus.get();
    seams.soundPlayers = QtSoundPlayer::factory();
    GSettingsPointer pointer;
    seams.pointer = &pointer;

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
