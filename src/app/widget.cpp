#include "widget.h"

#include "dialogs.h"
#include "myqquickview.h"
#include "notice.h"
#include "ui_controler.h"
#include "user_event.h"

Widget::Widget(const AppSeams &seams, QWidget *parent) : QWidget(parent), m_seams(seams) {
    m_hid.setOwnerWindow(this);
    m_controller = new Ui_Controler;
    m_controller->setupUi(this, m_seams);
    view()->setHid(&m_hid);
    m_checkTimer.setInterval(kCheckDelayMs);
    m_checkTimer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the re-check must wait the full delay.
    m_checkTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_checkTimer, &QTimer::timeout, this, &Widget::checkDevice);
}

Widget::~Widget() {
    m_controller->deleteLater();
}

myQQuickView *Widget::view() const {
    return m_controller->view();
}

void Widget::postCloseRequest() {
    QMetaObject::invokeMethod(this, "close", Qt::QueuedConnection);
}

void Widget::checkDevice() {
    m_hid.checkDevice(view()->apConfig());
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
    if (Dialogs *dialogs = widget->ownerDialogs())
        dialogs->warning(widget->windowTitle(), text);
}
