#include "emulator_options.h"

#include <QStringList>

namespace {

bool parseInt(const QString &value, int low, int high, int *out) {
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!ok || n < low || n > high)
        return false;
    *out = n;
    return true;
}

bool parseSwitch(const QString &value, bool *out) {
    if (value == QLatin1String("on") || value == QLatin1String("1") ||
        value == QLatin1String("yes")) {
        *out = true;
        return true;
    }
    if (value == QLatin1String("off") || value == QLatin1String("0") ||
        value == QLatin1String("no")) {
        *out = false;
        return true;
    }
    return false;
}

bool parseFault(const QString &value, EmulatorFault *out) {
    static const struct {
        const char *name;
        EmulatorFault fault;
    } names[] = {{"none", EmulatorFault::None},       {"no-answer", EmulatorFault::NoAnswer},
                 {"garbage", EmulatorFault::Garbage}, {"no-data", EmulatorFault::NoData},
                 {"removal", EmulatorFault::Removal}, {"slow", EmulatorFault::Slow}};
    for (const auto &n : names) {
        if (value == QLatin1String(n.name)) {
            *out = n.fault;
            return true;
        }
    }
    return false;
}

bool applyItem(const QString &item, EmulatorOptions &o) {
    const int eq = item.indexOf(QLatin1Char('='));
    const QString key = (eq < 0 ? item : item.left(eq)).trimmed();
    const QString value = eq < 0 ? QString() : item.mid(eq + 1).trimmed();
    if (key == QLatin1String("keyboard") && eq < 0) {
        o.keyboard = true;
        return true;
    }
    if (key == QLatin1String("keyboard-only") && eq < 0) {
        o.keyboard = true;
        o.mouse = false;
        return true;
    }
    if (eq < 0)
        return false;
    if (key == QLatin1String("sensor"))
        return parseInt(value, 0, 3, &o.sensorType);
    if (key == QLatin1String("logo"))
        return parseSwitch(value, &o.logoLed);
    if (key == QLatin1String("stages"))
        return parseInt(value, 1, 8, &o.dpiStages);
    if (key == QLatin1String("code") || key == QLatin1String("keyboard-code")) {
        if (value.size() != 6 || value.toLatin1().size() != 6)
            return false;
        (key == QLatin1String("code") ? o.mouseCode : o.keyboardCode) = value;
        return true;
    }
    if (key == QLatin1String("cipher"))
        return parseSwitch(value, &o.cipher);
    if (key == QLatin1String("fault"))
        return parseFault(value, &o.fault);
    if (key == QLatin1String("fault-after"))
        return parseInt(value, 0, 1000000, &o.faultAfter);
    if (key == QLatin1String("slow"))
        return parseInt(value, 0, 600000, &o.slowMs);
    if (key == QLatin1String("ack-delay"))
        return parseInt(value, 0, 1000, &o.ackDelayMs);
    if (key == QLatin1String("wire-log")) {
        o.wireLog = value;
        return !value.isEmpty();
    }
    return false;
}

} // namespace

bool parseEmulatorOptions(const QString &text, EmulatorOptions *options, QString *error) {
    EmulatorOptions parsed = *options;
    for (const QString &item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!applyItem(item.trimmed(), parsed)) {
            if (error)
                *error = QStringLiteral("bad emulator option \"%1\" (known: %2)")
                             .arg(item.trimmed(), QLatin1String(kEmulatorOptionsHelp));
            return false;
        }
    }
    *options = parsed;
    return true;
}

bool applyEmulatorEnvironment(EmulatorOptions *options, QString *error) {
    if (qEnvironmentVariableIsSet("R8_EMULATE") &&
        !parseEmulatorOptions(qEnvironmentVariable("R8_EMULATE"), options, error))
        return false;
    if (qEnvironmentVariableIsSet("R8_WIRE_LOG"))
        options->wireLog = qEnvironmentVariable("R8_WIRE_LOG");
    return true;
}
