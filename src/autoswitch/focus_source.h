#pragma once

#include "profile_choice.h"

#include <QObject>

// Where the focused window comes from. The watcher reads `current()` at start and again on
// every `focusChanged()`; a source that cannot read the desktop's focus says so with
// `isAvailable()` false and never signals.
class FocusSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual bool isAvailable() const = 0;
    virtual FocusedWindow current() const = 0;

signals:
    void focusChanged();
};
