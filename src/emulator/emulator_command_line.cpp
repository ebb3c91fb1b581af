#include "emulator_command_line.h"

EmulatorCommandLine parseEmulatorCommandLine(const QStringList &arguments) {
    EmulatorCommandLine result;
    result.emulate = qEnvironmentVariableIsSet("R8_EMULATE");
    if (!applyEmulatorEnvironment(&result.options, &result.error))
        return result;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--emulate")) {
            result.emulate = true;
        } else if (a.startsWith(QLatin1String("--emulate="))) {
            result.emulate = true;
            if (!parseEmulatorOptions(a.mid(10), &result.options, &result.error))
                return result;
        } else if (a == QLatin1String("--wire-log")) {
            if (i + 1 >= arguments.size()) {
                result.error = QStringLiteral("--wire-log needs a file name");
                return result;
            }
            result.options.wireLog = arguments[++i];
        } else if (a.startsWith(QLatin1String("--wire-log="))) {
            result.options.wireLog = a.mid(11);
        }
    }
    return result;
}
