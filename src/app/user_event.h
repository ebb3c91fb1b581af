#pragma once

#include <QEvent>

// A custom event carrying one number. The start request is type QEvent::User with 0x881.
class UserEvent : public QEvent {
public:
    static constexpr int kStartRequest = 0x881;

    explicit UserEvent(int value, Type type = QEvent::User) : QEvent(type), m_value(value) {}
    int value() const { return m_value; }

private:
    qint32 m_value;
};
