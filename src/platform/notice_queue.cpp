#include "notice_queue.h"

void NoticeQueue::post(const QString &text) {
    if (m_showing) {
        if (text == m_open || m_waiting.contains(text))
            return;
        if (m_waiting.size() >= kMaxWaiting) {
            ++m_dropped;
            return;
        }
        m_waiting.append(text);
        return;
    }
    m_showing = true;
    m_open = text;
    for (;;) {
        m_show(m_open);
        if (m_waiting.isEmpty())
            break;
        m_open = m_waiting.takeFirst();
    }
    m_open.clear();
    m_showing = false;
}
