#include "startup.h"

#include "device_flags.h"
#include "myqquickview.h"
#include "notice_channel.h"
#include "user_event.h"
#include "widget.h"

#include <QCoreApplication>

bool startConnectedWindow(Widget &window) {
    if (!DeviceFlags::connected.load(std::memory_order_acquire))
        return false;
    window.showNormal();
    window.view()->initUI();
    QCoreApplication::postEvent(&window, new UserEvent(UserEvent::kStartRequest));
    if (DeviceFlags::demo.load(std::memory_order_acquire)) {
        NoticeMessage notice;
        notice.tag = kNoticeTag;
        notice.data = QByteArray(kDemoNoticeText) + '\0';
        notice.byteCount = quint32(qstrlen(kDemoNoticeText));
        // Without a listening server (no private runtime folder to put it in), the notice
        // still reaches this window.
        if (!sendNotice(window.windowTitle(), notice))
            QMetaObject::invokeMethod(
                &window, [notice] { noticeFilter(notice, nullptr); }, Qt::QueuedConnection);
    }
    return true;
}
