#include "myqquickview.h"

#include <QQuickItem>

void myQQuickView::forwardKeyboardEvent(bool isDown, quint8 keyCode) {
    if (QQuickItem *root = rootObject())
        QMetaObject::invokeMethod(root, "detectKeyboard", Qt::QueuedConnection,
                                  Q_ARG(QVariant, QVariant(isDown)),
                                  Q_ARG(QVariant, QVariant(int(keyCode))));
}

void myQQuickView::forwardMouseEvent(bool isDown, quint8 buttonCode, qint32 x, qint32 y) {
    // The coordinates go over as unsigned numbers, as the scene has always received them.
    if (QQuickItem *root = rootObject())
        QMetaObject::invokeMethod(
            root, "detectMouse", Qt::QueuedConnection, Q_ARG(QVariant, QVariant(isDown)),
            Q_ARG(QVariant, QVariant(int(buttonCode))), Q_ARG(QVariant, QVariant(uint(x))),
            Q_ARG(QVariant, QVariant(uint(y))));
}
