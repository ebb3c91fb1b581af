#include "widget.h"

#include "device_check.h"
#include "dialogs.h"
#include "myqquickview.h"
#include "notice.h"
#include "ui_controler.h"
#include "user_event.h"

#include <QSettings>

Widget::Widget(const AppSeams &seams, QWidget *parent)
    : QWidget(parent), m_seams(seams), m_notices([this](const QString &text) {
          if (Dialogs *dialogs = ownerDialogs())
              dialogs->warning(windowTitle(), text);
      }) {
    m_hid.setBackend(m_seams.hidBackend);
    m_hid.setOwnerWindow(this);
    m_controller = new Ui_Controler;
    m_controller->setupUi(this, m_seams);
    view()->setHid(&m_hid);
    m_hid.setAppConfig(view()->apConfig());
    m_checkTimer.setInterval(kCheckDelayMs);
    m_checkTimer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the check must come 2048 ms after the last notice.
    m_checkTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_checkTimer, &QTimer::timeout, this, &Widget::checkDevice);
}

Widget::~Widget() {
    m_hid.stopWatch();
    m_controller->deleteLater();
}

myQQuickView *Widget::view() const {
    return m_controller->view();
}

void Widget::postCloseRequest() {
    QMetaObject::invokeMethod(this, "close", Qt::QueuedConnection);
}

void Widget::checkDevice() {
    QSettings table(QStringLiteral(":/DevInfo.ini"), QSettings::IniFormat);
    runDeviceCheck(m_hid, table, view()->apConfig());
    view()->syncFW();
    emit deviceChecked();
}

void Widget::deviceChangeNotice() {
    m_checkTimer.start();
}

void Widget::customEvent(QEvent *event) {
    if (event->type() != QEvent::User)
        return;
    if (static_cast<UserEvent *>(event)->value() == UserEvent::kStartRequest)
        view()->runUI();
}

void showNotice(const NoticeMessage &message, void *context) {
    auto *widget = static_cast<Widget *>(context);
    QString text;
    if (!widget || !decodeNotice(message, &text))
        return;
    widget->notices().post(text);
}

void forwardKeyboardToWindow(quint8 keyCode, bool isDown, void *context) {
    if (auto *widget = static_cast<Widget *>(context))
        widget->view()->forwardKeyboardEvent(isDown, keyCode);
}

void forwardMouseToWindow(quint8 buttonCode, bool isDown, qint32 x, qint32 y, void *context) {
    if (auto *widget = static_cast<Widget *>(context))
        widget->view()->forwardMouseEvent(isDown, buttonCode, x, y);
}
