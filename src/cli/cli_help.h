#pragma once

#include <QString>

// The help of the tool (empty command) and of each command; empty for an unknown command.
QString helpText(const QString &command);
