#include "cli_commands.h"

#include "cli.h"
#include "emulator_options.h"
#include "fixed_colors.h"

namespace {

const char *const kGeneral = R"(usage: r8ctl [OPTIONS] COMMAND [ARGUMENTS]

Configures the R8 mouse like the r8config window does, on the same profile, macro and
language files: ~/.local/share/r8config when installed, beside the program otherwise.

Options (before the command):
  --emulate[=OPTIONS]  use the virtual R8 instead of a device (OPTIONS: %1)
  --wire-log FILE      write every report that crosses the virtual bus to FILE
  --json               print results (and errors, on stderr) as JSON
  --profile N          work on profile N (1..10) for this run only
  --yes, -y            answer questions with yes (reassigning the last left button)
  --verbose, -v        show the device layer's debug messages
  --help, -h           this text; "r8ctl COMMAND --help" explains a command
  --version            print the version

Commands:
%2

Exit codes: 0 done, 1 device or handshake failure, 2 bad usage or bad input.
)";

const QList<CliCommand> &commandRows() {
    static const QList<CliCommand> rows = {
        {"info", "product, interfaces, handshake, sensor, DPI stages, logo LED", "info",
         R"(usage: r8ctl info

Runs the handshake and prints the product, the interfaces found, the handshake result, the
sensor type, the number of DPI stages and whether the logo LED shows only the eight fixed
colours; with the keyboard attached, its firmware version too.
)",
         runInfo},
        {"profile", "list, show, switch, export, import, reset and apply profiles P01..P10",
         "profile ...",
         R"(usage: r8ctl profile list
       r8ctl profile show [N]
       r8ctl profile switch N
       r8ctl profile export N FILE
       r8ctl profile import N FILE
       r8ctl profile reset N
       r8ctl profile apply

N is 1..10 or P01..P10. "switch" chooses the profile later commands store into (r8ctl
remembers it; the window always starts on P01) and applies it to the mouse. "show" prints
what the pages show for the profile (rate, pointer, DPI values with on/off and the stage,
colours, lighting, palette, every button, scroll swap), then whatever else the file holds.
"export" writes a byte copy of the profile (normally *.pf), "import" replaces the profile by
such a copy, "reset" by the factory profile; either applies it when it is the current
profile. "apply" sends everything the current profile holds for the mouse: report rate, DPI
values and stage, stage and palette colours, lighting, scroll swap, buttons and the macros
they play.
)",
         runProfile},
        {"rate", "report rate: 125, 250, 500 or 1000", "rate HZ",
         R"(usage: r8ctl rate HZ

Sets the report rate to 125, 250, 500 or 1000 Hz: stored in the current profile, then sent.
)",
         runRate},
        {"dpi", "DPI values, the current stage and the stage colours", "dpi ...",
         R"(usage: r8ctl dpi set STAGE DPI
       r8ctl dpi stage N
       r8ctl dpi colors C1 C2 C3 C4 C5 C6 C7 C8
       r8ctl dpi colors --stage N COLOUR

"set" changes the DPI value of a stage (1..8; 0 switches it off where the sensor offers 0);
the values each sensor type offers are those of the sensor page. All eight values are
stored and sent as DPI codes. "stage" selects the current stage. "colors" sets the stage
indicator colours: R,G,B, #RRGGBB or a colour name
({colours}).
A mouse whose logo LED shows only fixed colours takes names only.
)",
         runDpi},
        {"light", "lighting effect, brightness and speed, or off", "light ...",
         R"(usage: r8ctl light EFFECT [--brightness B] [--speed S]
       r8ctl light off

EFFECT: static, twinkling, breathing, neon, wave, gliding, finger-moving,
vertical-flipping, yo-yo, spotlight (or 1..10). B and S are slider positions 0..7 (speed 7
is the fastest); an effect without brightness or speed takes no such option. Values not
given keep those stored in the profile.
)",
         runLight},
        {"palette", "the eight colours the lighting effects use", "palette ...",
         R"(usage: r8ctl palette C1 C2 C3 C4 C5 C6 C7 C8
       r8ctl palette --index N COLOUR

The lighting palette: R,G,B, #RRGGBB or a colour name per cell.
)",
         runPalette},
        {"button", "what button N (1..16) does", "button N ...",
         R"(usage: r8ctl button N key KEYNAME
       r8ctl button N combo MODIFIER|none KEY [KEY2]
       r8ctl button N mouse FUNCTION
       r8ctl button N media KEY
       r8ctl button N macro NAME [--mode normal|repeat|hold] [--times N]
       r8ctl button N fire left|right|middle|backward|forward|KEYNAME [--speed 0..7] [--shots 0..255]
       r8ctl button N led
       r8ctl button N default

N is 1..16. KEYNAME as macros name keys: A, 1, F5, Space, Enter, "KP Enter", "L Ctrl"...
MODIFIER: lctrl, lshift, lalt, lwin, rctrl, rshift, ralt, rwin. FUNCTION: left, right,
middle, backward, forward, tripleclick, dpi+, dpi-, dpiswitch, scrollup, scrolldown.
KEY (media): nexttrack, previoustrack, stop, playpause, mute, volumeup, volumedown,
mediaselect, mail, calculator, mycomputer, wwwsearch, wwwhome, wwwback, wwwforward, wwwstop,
wwwrefresh, wwwfavorites. The whole key matrix is stored and sent, as the page's apply does.
The only left button is not reassigned without --yes.
)",
         runButton},
        {"scroll-swap", "swap the scroll direction", "scroll-swap on|off",
         R"(usage: r8ctl scroll-swap on|off

Stores the option and changes bit 6 of the mouse's function option.
)",
         runScrollSwap},
        {"pointer", "the system's pointer speed, wheel lines and double-click speed", "pointer ...",
         R"(usage: r8ctl pointer speed N
       r8ctl pointer lines N
       r8ctl pointer double-click N

Slider positions 0..10, stored in the profile and applied to the system's pointer settings.
)",
         runPointer},
        {"macro", "macro files: list, create, show, set, import, export, encode, bind", "macro ...",
         R"(usage: r8ctl macro list
       r8ctl macro create [NAME]
       r8ctl macro show NAME
       r8ctl macro set NAME FILE
       r8ctl macro import NAME FILE
       r8ctl macro export NAME FILE
       r8ctl macro encode NAME
       r8ctl macro bind BUTTON NAME [--mode normal|repeat|hold] [--times N]

A macro text FILE holds one action per line: "A down", "A up", "50 ms" (or the stored
line form). "set" replaces the macro's lines (and rewrites its device slot, if it has one);
"import"/"export" copy a whole macro file (*.mc); "encode" prints the 128 bytes its mouse
slot receives; "bind" is "button BUTTON macro NAME".
)",
         runMacro},
        {"auto", "rules that pick the profile by program or window, and their watcher",
         "auto ...", R"(usage: r8ctl auto add MATCH PROFILE
       r8ctl auto list
       r8ctl auto remove N
       r8ctl auto default PROFILE|none
       r8ctl auto run

Rules that choose the mouse's profile by what runs or has the focus, kept in
modules/setting/autoswitch.ini beside the profiles. MATCH is a pattern (* ? [abc], case
ignored) on
  exe:NAME      a running program's name (the default: "gimp*" is "exe:gimp*")
  class:CLASS   the focused window's class or instance (X11)
  title:TITLE   the focused window's title (X11)
Rules are tried in order and the first that matches wins; when none matches, the default
profile applies (none: the mouse keeps what it has).

"run" watches and applies the chosen profile with the same switch and apply as "profile
switch" and "profile apply", only when the choice changes. It waits for a mouse that is
absent or unplugged and applies the profile again when it comes back, leaves the mouse
alone while the r8config window is open, and stops on Ctrl+C or SIGTERM. In a Wayland
session no focused window can be read: only exe: rules work there.
)",
         runAuto},
        {"lang", "language files: list, check, stamp", "lang ...",
         R"(usage: r8ctl lang list
       r8ctl lang check FILE
       r8ctl lang stamp FILE

"check" compares a language file's font/cs with the checksum its strings need (exit 2 when
they differ: device transfers stop while such a language is chosen); "stamp" writes it.
)",
         runLang},
    };
    return rows;
}

} // namespace

const QList<CliCommand> &cliCommands() {
    return commandRows();
}

const CliCommand *findCliCommand(const QString &name) {
    for (const CliCommand &c : commandRows()) {
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}

QString helpText(const QString &command) {
    if (command.isEmpty()) {
        QStringList lines;
        for (const CliCommand &c : commandRows())
            lines.append(QStringLiteral("  %1%2")
                             .arg(QLatin1String(c.words), -21)
                             .arg(QLatin1String(c.summary)));
        return QString::fromUtf8(kGeneral).arg(QLatin1String(kEmulatorOptionsHelp),
                                               lines.join(QLatin1Char('\n')));
    }
    const CliCommand *c = findCliCommand(command);
    return c ? QString::fromUtf8(c->usage).replace(QLatin1String("{colours}"), FixedColors::names())
             : QString();
}
