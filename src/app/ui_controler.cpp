#include "ui_controler.h"

#include "myqquickview.h"
#include "widget.h"

#include <QQmlContext>
#include <QQmlError>
#include <QQuickItem>
#include <QSettings>
#include <QWindow>

void Ui_Controler::setupUi(Widget *window, const AppSeams &seams) {
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("Widget"));
    m_window = window;

    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window->setWindowOpacity(1.0);
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->setStyleSheet(QStringLiteral("background:transparent;"));

    m_view = new myQQuickView(window, seams);
    m_view->setObjectName(QStringLiteral("ui_View"));

    // The documents touch the context properties only from functions and handlers, which
    // run after they are set.
    m_view->setSource(QUrl(QStringLiteral("qrc:modules/qml/main.qml")));
    if (m_view->status() == QQuickWidget::Error) {
        const QList<QQmlError> errors = m_view->errors();
        m_sceneError = errors.isEmpty() ? QStringLiteral("unknown error") : errors[0].toString();
    }
    QQmlContext *context = m_view->rootContext();
    context->setContextProperty(QStringLiteral("ui_View"), m_view);
    context->setContextProperty(QStringLiteral("hid"), window->hid());
    context->setContextProperty(QStringLiteral("ui_Ctl"), this);

    window->resize(m_view->size());

    const QSettings config(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat);
    window->setWindowTitle(config.value(QStringLiteral("common/name")).toString());
}

bool Ui_Controler::startSystemMove() {
    QWindow *handle = m_window ? m_window->windowHandle() : nullptr;
    return handle && handle->startSystemMove();
}

void Ui_Controler::onMinimize() {
    if (m_window)
        m_window->close();
}

void Ui_Controler::onXChanged(int x) {
    if (m_window)
        m_window->move(m_window->x() + x, m_window->y());
}

void Ui_Controler::onYChanged(int y) {
    if (m_window)
        m_window->move(m_window->x(), m_window->y() + y);
}

void Ui_Controler::setBusy(int busyTime) {
    if (m_view && m_view->rootObject())
        QMetaObject::invokeMethod(m_view->rootObject(), "setProtectUI", Qt::DirectConnection,
                                  Q_ARG(QVariant, QVariant(busyTime)));
}

void Ui_Controler::setBusy() {
    setBusy(0);
}
