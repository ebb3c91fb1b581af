#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <functional>

// A notice handed to the running program: the successor of a copy-data window message.
// `data` holds the text as sent (UTF-8, normally NUL-terminated); `byteCount` is what the
// sender claims the text's length to be, without the terminator.
struct NoticeMessage {
    quint32 tag = 0;
    quint32 byteCount = 0;
    QByteArray data;
};

// The tag of the notices this program understands.
constexpr quint32 kNoticeTag = 0x250F;

// The application-wide notice filter: with a handler registered it passes every notice to
// it, sets *result to 1 and returns true (consumed); without one it returns false.
using NoticeHandler = std::function<void(const NoticeMessage &, void *context)>;
void setNoticeHandler(NoticeHandler handler, void *context);
bool noticeFilter(const NoticeMessage &message, long *result);

// The text of a well-formed notice: the tag must be kNoticeTag and `byteCount` must equal
// the UTF-8 length of the text up to its NUL. Returns false for anything else.
bool decodeNotice(const NoticeMessage &message, QString *text);
