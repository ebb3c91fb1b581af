#pragma once

#include <QString>

// How a command ended: the process exit code and the one message that says what was wrong.
struct Status {
    enum Code { Done = 0, DeviceFailure = 1, BadInput = 2 };
    int code = Done;
    QString message;

    bool ok() const { return code == Done; }
    static Status done() { return {}; }
    static Status badInput(const QString &message) { return {BadInput, message}; }
    static Status deviceFailure(const QString &message) { return {DeviceFailure, message}; }
};
