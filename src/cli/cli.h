#pragma once

#include "app_config.h"
#include "cli_arguments.h"
#include "cli_dialogs.h"
#include "cli_report.h"
#include "cli_status.h"
#include "device_session.h"
#include "emulator_command_line.h"
#include "key_assignment.h"
#include "macro_files.h"
#include "mouse_settings.h"
#include "profile_store.h"

#include <QString>

#include <array>
#include <memory>

class PointerBackend;
class MacroLibrary;

// Options that come before the command.
struct CliOptions {
    bool json = false;
    bool yes = false;
    bool verbose = false;
    int profile = -1; // --profile: this run only; -1: the remembered one
    EmulatorCommandLine emulation;
    QString userFolder; // the directory the user started us from; file arguments are relative to it
};

// One run of r8ctl: the same subsystem objects the window's bridge holds, over the files
// beside the program (the current directory is the program's folder by now).
class Cli {
public:
    explicit Cli(const CliOptions &options);
    ~Cli();

    const CliOptions &options() const { return m_options; }
    Report &report() { return m_report; }
    CliDialogs &dialogs() { return m_dialogs; }
    AppConfig &appConfig() { return m_appConfig; }
    ProfileStore &profiles() { return m_profiles; }
    MouseSettings &mouse() { return m_mouse; }
    KeyAssignment &keys() { return m_keys; }
    const MacroFiles &macroFiles() const { return m_macroFiles; }
    DeviceSession &device() { return m_device; }

    // Opens the device (handshake included) and lets the settings objects use it.
    Status needDevice();
    // Device type as the bridge reads it: 0 keyboard, 1 mouse.
    int deviceType() const;
    // A macro library whose sender reaches the device when it is open.
    MacroLibrary macroLibrary();
    // The system's pointer settings, made on first use.
    PointerBackend *pointerBackend();

    // A file named on the command line, as an absolute path.
    QString userPath(const QString &argument) const;

    // The profile r8ctl works on between runs (the window always starts on P01).
    static QString stateFile() { return QStringLiteral("./modules/setting/r8ctl.ini"); }
    // False when the choice could not be stored.
    bool rememberProfile(int index);

    // Puts every setting the command changed on disk; a failure when a file could not be
    // written (a full disk, a read-only folder), naming it.
    Status commit();

private:
    CliOptions m_options;
    Report m_report;
    CliDialogs m_dialogs;
    AppConfig m_appConfig;
    ProfileStore m_profiles;
    MouseSettings m_mouse{m_profiles, &m_dialogs};
    KeyAssignment m_keys{m_profiles};
    MacroFiles m_macroFiles;
    DeviceSession m_device;
    std::unique_ptr<PointerBackend> m_pointer;
};

// The commands. Each checks its words before it opens the device or touches a file.
Status runInfo(Cli &cli, Arguments &args);
Status runProfile(Cli &cli, Arguments &args);
Status runRate(Cli &cli, Arguments &args);
Status runDpi(Cli &cli, Arguments &args);
Status runLight(Cli &cli, Arguments &args);
Status runPalette(Cli &cli, Arguments &args);
Status runButton(Cli &cli, Arguments &args);
Status runScrollSwap(Cli &cli, Arguments &args);
Status runPointer(Cli &cli, Arguments &args);
Status runMacro(Cli &cli, Arguments &args);
Status runLang(Cli &cli, Arguments &args);

// The 16 stored key records; keys the profile does not hold take the factory values, so that
// assigning one button never wipes the others (the left button among them).
QList<std::array<unsigned char, 4>> storedKeyMatrix(Cli &cli);
// The eight stored DPI values; stages the profile does not hold are off (0), as the sensor
// page reads them.
QList<int> storedDpiValues(Cli &cli);
// profile apply: everything the current profile holds, sent to the mouse.
Status applyProfile(Cli &cli);

// A key assignment record in words ("mouse left", "key A", "macro Jump (normal)").
QString describeKeyRecord(const std::array<unsigned char, 4> &record, const MacroFiles &macros,
                          int deviceType);

// Checks that nothing is left over: no stray option, no extra word.
Status expectNoMore(const Arguments &args);
