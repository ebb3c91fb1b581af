#pragma once

#include <QMetaObject>
#include <QMetaType>

#include <gtest/gtest.h>

// Calls `slot` of `o` by name, as QML does, and returns its result; a slot that cannot be
// called fails the test.
template <typename R>
R call(QObject *o, const char *slot, QGenericArgument a0 = {}, QGenericArgument a1 = {}) {
    R result{};
    const bool ok = QMetaObject::invokeMethod(
        o, slot, Qt::DirectConnection,
        QGenericReturnArgument(QMetaType::fromType<R>().name(), &result), a0, a1);
    EXPECT_TRUE(ok) << slot;
    return result;
}
