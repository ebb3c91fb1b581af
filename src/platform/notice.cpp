#include "notice.h"

#include <QString>

namespace {
NoticeHandler g_handler;
void *g_context = nullptr;
} // namespace

void setNoticeHandler(NoticeHandler handler, void *context) {
    g_handler = std::move(handler);
    g_context = context;
}

bool noticeFilter(const NoticeMessage &message, long *result) {
    if (!g_handler)
        return false;
    g_handler(message, g_context);
    if (result)
        *result = 1;
    return true;
}

bool decodeNotice(const NoticeMessage &message, QString *text) {
    if (message.tag != kNoticeTag)
        return false;
    const int nul = message.data.indexOf('\0');
    const QString decoded = QString::fromUtf8(nul < 0 ? message.data : message.data.left(nul));
    if (quint32(decoded.toUtf8().size()) != message.byteCount)
        return false;
    *text = decoded;
    return true;
}
