#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Shows notices one box at a time. A box is modal: while it is open its event loop delivers
// the next notices, which would each open a box inside the last (a flood of them overflows
// the stack). Those wait here instead and are shown in turn once the open box is closed; a
// text already open or waiting is not queued again, and beyond kMaxWaiting further notices
// are dropped and counted.
class NoticeQueue {
public:
    static constexpr int kMaxWaiting = 16;
    // Shows one text and returns once its box is closed (it may run a modal loop).
    using Show = std::function<void(const QString &text)>;

    explicit NoticeQueue(Show show) : m_show(std::move(show)) {}

    // Shows `text` now, or queues it when a box is open already.
    void post(const QString &text);

    int waiting() const { return int(m_waiting.size()); }
    int dropped() const { return m_dropped; }

private:
    Show m_show;
    QStringList m_waiting;
    QString m_open;
    bool m_showing = false;
    int m_dropped = 0;
};
