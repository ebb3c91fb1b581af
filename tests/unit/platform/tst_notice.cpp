#include "event_wait.h"
#include "notice.h"
#include "notice_channel.h"

#include <QCoreApplication>
#include <QUuid>

#include <gtest/gtest.h>

namespace {

NoticeMessage notice(quint32 tag, const QByteArray &text, int countDelta = 0) {
    NoticeMessage m;
    m.tag = tag;
    m.data = text + '\0';
    m.byteCount = quint32(text.size() + countDelta);
    return m;
}

struct DecodeCase {
    const char *name;
    NoticeMessage message;
    bool accepted;
    QString text;
};

TEST(Notice, DecodeAcceptsOnlyTheTagAndTheExactByteCount) {
    const QByteArray umlauts = QStringLiteral("Gr\u00fc\u00dfe").toUtf8(); // 7 bytes, 5 chars
    NoticeMessage unterminated;
    unterminated.tag = kNoticeTag;
    unterminated.data = "abc";
    unterminated.byteCount = 3;
    const DecodeCase cases[] = {
        {"demo text", notice(0x250F, "===== Demo Mode ====="), true, "===== Demo Mode ====="},
        {"count one too many", notice(0x250F, "===== Demo Mode =====", +1), false, {}},
        {"count one too few", notice(0x250F, "abc", -1), false, {}},
        {"other tag", notice(0x2510, "abc"), false, {}},
        {"utf-8 counts bytes, not characters", notice(0x250F, umlauts), true,
         QStringLiteral("Gr\u00fc\u00dfe")},
        {"empty text", notice(0x250F, ""), true, ""},
        {"no terminator", unterminated, true, "abc"},
    };
    for (const DecodeCase &c : cases) {
        QString text;
        EXPECT_EQ(decodeNotice(c.message, &text), c.accepted) << c.name;
        if (c.accepted) {
            EXPECT_EQ(text, c.text) << c.name;
        }
    }
}

TEST(Notice, FilterConsumesEveryNoticeOnlyWhileAHandlerIsRegistered) {
    long result = 0;
    EXPECT_FALSE(noticeFilter(notice(kNoticeTag, "x"), &result));
    EXPECT_EQ(result, 0);

    int handled = 0;
    int context = 0;
    setNoticeHandler(
        [&](const NoticeMessage &, void *ctx) {
            EXPECT_EQ(ctx, &context);
            ++handled;
        },
        &context);
    // A malformed notice is still consumed: the handler decides to show nothing.
    EXPECT_TRUE(noticeFilter(notice(kNoticeTag, "x", +1), &result));
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(noticeFilter(notice(0x1234, "x"), nullptr));
    EXPECT_EQ(handled, 2);
    setNoticeHandler(nullptr, nullptr);
    EXPECT_FALSE(noticeFilter(notice(kNoticeTag, "x"), &result));
}

QList<NoticeMessage> receiveFor(NoticeServer &server, int ms) {
    QList<NoticeMessage> got;
    QObject::connect(&server, &NoticeServer::noticeReceived,
                     [&](const NoticeMessage &m) { got.append(m); });
    pump(ms);
    return got;
}

TEST(NoticeChannel, DeliversNoticesToTheProgramWithThatTitle) {
    const QString title = QStringLiteral("R8 test ") + QUuid::createUuid().toString();
    NoticeServer server;
    ASSERT_TRUE(server.listen(title));

    EXPECT_TRUE(sendNotice(title, notice(kNoticeTag, "first")));
    EXPECT_TRUE(sendNotice(title, notice(0x99, "second", +1)));
    const QList<NoticeMessage> got = receiveFor(server, 300);
    ASSERT_EQ(got.size(), 2);
    EXPECT_EQ(got[0].tag, kNoticeTag);
    EXPECT_EQ(got[0].data, QByteArray("first") + '\0');
    EXPECT_EQ(got[0].byteCount, 5u);
    EXPECT_EQ(got[1].tag, 0x99u);
    EXPECT_EQ(got[1].byteCount, 7u);
}

TEST(NoticeChannel, SkipsTheExceptedProgramAndFailsWhenNobodyListens) {
    const QString title = QStringLiteral("R8 test ") + QUuid::createUuid().toString();
    EXPECT_FALSE(sendNotice(title, notice(kNoticeTag, "nobody")));

    NoticeServer server;
    ASSERT_TRUE(server.listen(title));
    EXPECT_FALSE(sendNotice(title, notice(kNoticeTag, "self"), &server));
    EXPECT_TRUE(receiveFor(server, 100).isEmpty());
}

} // namespace
