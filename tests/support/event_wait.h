#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

// Runs the event loop for `ms` milliseconds (at least one pass).
inline void pump(int ms = 40) {
    QElapsedTimer t;
    t.start();
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    while (t.elapsed() < ms);
}

// Runs the event loop until `condition` holds; false when it still does not after `ms`.
template <typename Condition> bool waitFor(Condition condition, int ms = 3000) {
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}
