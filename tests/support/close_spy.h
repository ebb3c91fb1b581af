#pragma once

#include <QEvent>
#include <QObject>

// Installed as an event filter, notes whether the watched object received a close event.
class CloseSpy : public QObject {
public:
    bool closed = false;
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Close)
            closed = true;
        return false;
    }
};
