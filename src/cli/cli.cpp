#include "cli.h"

#include "device_link.h"
#include "gsettings_pointer.h"
#include "hid_macro_sender.h"
#include "macro_library.h"

#include <QDir>
#include <QSettings>

Cli::Cli(const CliOptions &options)
    : m_options(options), m_dialogs(options.yes),
      m_appConfig(QStringLiteral("./modules/setting/apConfig.bin"),
                  QStringLiteral("./modules/setting/apConfigD.bin")),
      m_device(options.emulation, m_appConfig.settings(),
               m_appConfig.settings()->value(QStringLiteral("common/name")).toString()) {
    int index = options.profile;
    if (index < 0) {
        QSettings state(stateFile(), QSettings::IniFormat);
        index = state.value(QStringLiteral("profile/current"), 0).toInt();
    }
    m_profiles.select(ProfileStore::isValidIndex(index) ? index : 0);
}

Cli::~Cli() {
    m_device.finish();
}

Status Cli::needDevice() {
    const Status status = m_device.connect();
    if (!status.ok())
        return status;
    m_mouse.setDevice(m_device.hid());
    m_keys.setDevice(m_device.hid());
    const QString demo = QStringLiteral("demo mode: nothing is sent to a device");
    if (m_device.isDemo() && !m_report.warnings().contains(demo))
        m_report.warn(demo);
    return status;
}

int Cli::deviceType() const {
    // r8ctl only ever selects the mouse (the device layer's starting device); the keyboard
    // is only probed, by a device object of its own.
    return DeviceType::kMouse;
}

MacroLibrary Cli::macroLibrary() {
    return MacroLibrary(m_macroFiles, &m_dialogs, hidMacroSender(m_device.hid()));
}

PointerBackend *Cli::pointerBackend() {
    if (!m_pointer)
        m_pointer = std::make_unique<GSettingsPointer>();
    return m_pointer.get();
}

QString Cli::userPath(const QString &argument) const {
    return QDir::cleanPath(QDir(m_options.userFolder).absoluteFilePath(argument));
}

bool Cli::rememberProfile(int index) {
    QSettings state(stateFile(), QSettings::IniFormat);
    state.setValue(QStringLiteral("profile/current"), index);
    state.sync();
    return state.status() != QSettings::AccessError;
}

Status Cli::commit() {
    QString failed;
    if (!m_profiles.commit(&failed))
        return Status::badInput(
            QStringLiteral("cannot write %1: the change is not stored")
                .arg(QDir::cleanPath(QDir::current().absoluteFilePath(failed))));
    return Status::done();
}

Status expectNoMore(const Arguments &args) {
    if (args.missingValue())
        return Status::badInput(QStringLiteral("%1 needs a value").arg(args.missingValueOf()));
    const QString stray = args.strayOption();
    if (!stray.isEmpty())
        return Status::badInput(QStringLiteral("unknown option '%1'").arg(stray));
    if (!args.isEmpty())
        return Status::badInput(QStringLiteral("unexpected '%1'").arg(args.at(0)));
    return Status::done();
}
