#include "event_wait.h"
#include "notice.h"
#include "notice_channel.h"
#include "notice_queue.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

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

// The environment the runtime folder is found from, put back after each test.
class RuntimeEnvironment {
public:
    RuntimeEnvironment() : m_xdg(qgetenv("XDG_RUNTIME_DIR")), m_tmp(qgetenv("TMPDIR")) {
        m_hadXdg = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        m_hadTmp = qEnvironmentVariableIsSet("TMPDIR");
        ::chmod(QFile::encodeName(m_private.path()).constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_private.path()));
    }
    ~RuntimeEnvironment() {
        restore("XDG_RUNTIME_DIR", m_hadXdg, m_xdg);
        restore("TMPDIR", m_hadTmp, m_tmp);
    }
    QString privateFolder() const { return m_private.path(); }

private:
    static void restore(const char *name, bool had, const QByteArray &value) {
        if (had)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    QByteArray m_xdg, m_tmp;
    bool m_hadXdg = false, m_hadTmp = false;
    QTemporaryDir m_private;
};

mode_t modeOf(const QString &path) {
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode : 0;
}

QString uniqueTitle() {
    return QStringLiteral("R8 test ") + QUuid::createUuid().toString();
}

QByteArray wire(const NoticeMessage &m) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << m.tag << m.byteCount << quint32(m.data.size());
    return bytes + m.data;
}

TEST(NoticeChannel, TheSocketLivesInAFolderOnlyItsUserMayEnter) {
    RuntimeEnvironment env;
    QTemporaryDir tmp;
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    const QString fallback = tmp.path() + "/r8config-" + QString::number(::getuid());
    QTemporaryDir open;
    ::chmod(QFile::encodeName(open.path()).constData(), 0777);

    const struct {
        const char *name;
        QByteArray xdg; // null: unset
        QString expected;
    } rows[] = {
        {"the runtime folder", QFile::encodeName(env.privateFolder()), env.privateFolder()},
        {"a runtime folder others may enter", QFile::encodeName(open.path()), fallback},
        {"a relative runtime folder", "relative/run", fallback},
        {"no runtime folder", QByteArray(), fallback},
    };
    for (const auto &row : rows) {
        if (row.xdg.isNull())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", row.xdg);
        EXPECT_EQ(NoticeServer::runtimeFolder(), row.expected) << row.name;
        EXPECT_EQ(modeOf(row.expected) & 0777, 0700u) << row.name;
    }

    // Even under umask 000 the socket keeps others out.
    const mode_t previous = ::umask(0);
    NoticeServer server;
    const bool listening = server.listen(uniqueTitle());
    ::umask(previous);
    ASSERT_TRUE(listening);
    EXPECT_TRUE(server.serverName().startsWith(fallback + "/"));
    EXPECT_TRUE(S_ISSOCK(modeOf(server.serverName())));
    EXPECT_EQ(modeOf(server.serverName()) & 077, 0u);
    server.close();

    // A fallback folder that others may enter is someone's trap: no server at all.
    ::chmod(QFile::encodeName(fallback).constData(), 0777);
    EXPECT_EQ(NoticeServer::runtimeFolder(), "");
    EXPECT_FALSE(server.listen(uniqueTitle()));
    EXPECT_FALSE(sendNotice(uniqueTitle(), notice(kNoticeTag, "x")));
    EXPECT_EQ(modeOf(fallback) & 0777, 0777u) << "someone else's folder is left alone";
}

TEST(NoticeChannel, ConnectionsAreCappedAndIdleOnesDropped) {
    RuntimeEnvironment env;
    const QString title = uniqueTitle();
    NoticeServer server;
    server.setIdleTimeout(300);
    ASSERT_TRUE(server.listen(title));
    QList<NoticeMessage> got;
    QObject::connect(&server, &NoticeServer::noticeReceived,
                     [&](const NoticeMessage &m) { got.append(m); });

    std::vector<std::unique_ptr<QLocalSocket>> idle;
    for (int i = 0; i < NoticeServer::kMaxConnections + 4; ++i) {
        idle.push_back(std::make_unique<QLocalSocket>());
        idle.back()->connectToServer(server.serverName());
        ASSERT_TRUE(idle.back()->waitForConnected(1000));
    }
    pump(100);
    EXPECT_EQ(server.connectionCount(), NoticeServer::kMaxConnections);
    EXPECT_TRUE(waitFor([&] { return server.connectionCount() == 0; }, 2000))
        << "silent connections are dropped after the idle time";

    EXPECT_TRUE(sendNotice(title, notice(kNoticeTag, "after")));
    EXPECT_TRUE(waitFor([&] { return got.size() == 1; }));
}

TEST(NoticeChannel, PartialSlowAndOversizedSendersAreDropped) {
    RuntimeEnvironment env;
    const QString title = uniqueTitle();
    NoticeServer server;
    server.setIdleTimeout(300);
    ASSERT_TRUE(server.listen(title));
    QList<NoticeMessage> got;
    QObject::connect(&server, &NoticeServer::noticeReceived,
                     [&](const NoticeMessage &m) { got.append(m); });

    // Forty bytes of a notice that would need 112; and a header alone that claims more than
    // a notice may hold.
    const QByteArray half = wire(notice(kNoticeTag, QByteArray(100, 'x'))).left(40);
    QByteArray claim;
    {
        QDataStream out(&claim, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        out << quint32(kNoticeTag) << quint32(0) << quint32(NoticeServer::kMaxNoticeBytes + 1);
    }

    QLocalSocket partial, oversize;
    partial.connectToServer(server.serverName());
    oversize.connectToServer(server.serverName());
    ASSERT_TRUE(partial.waitForConnected(1000) && oversize.waitForConnected(1000));
    partial.write(half);
    oversize.write(claim);
    partial.waitForBytesWritten(1000);
    oversize.waitForBytesWritten(1000);
    pump(100);
    EXPECT_EQ(server.connectionCount(), 1) << "the oversized claim is dropped at once";

    // A sender that trickles one byte at a time is still dropped at the idle time.
    QLocalSocket slow;
    slow.connectToServer(server.serverName());
    ASSERT_TRUE(slow.waitForConnected(1000));
    const QByteArray slowBytes = wire(notice(kNoticeTag, "slow"));
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < slowBytes.size() - 1 && server.connectionCount() > 0; ++i) {
        slow.write(slowBytes.mid(i, 1));
        slow.waitForBytesWritten(100);
        pump(60);
    }
    EXPECT_TRUE(waitFor([&] { return server.connectionCount() == 0; }, 2000));
    EXPECT_LT(t.elapsed(), 1500);
    EXPECT_TRUE(got.isEmpty());

    EXPECT_TRUE(sendNotice(title, notice(kNoticeTag, "still listening")));
    ASSERT_TRUE(waitFor([&] { return got.size() == 1; }));
    EXPECT_EQ(got[0].data, QByteArray("still listening") + '\0');
}

TEST(NoticeChannel, KeepsListeningAfterRunningOutOfFileDescriptors) {
    RuntimeEnvironment env;
    const QString title = uniqueTitle();
    NoticeServer server;
    ASSERT_TRUE(server.listen(title));
    QList<NoticeMessage> got;
    QObject::connect(&server, &NoticeServer::noticeReceived,
                     [&](const NoticeMessage &m) { got.append(m); });

    // A sender waits in the backlog while the process has no descriptor left to accept it.
    QLocalSocket waiting;
    waiting.connectToServer(server.serverName());
    ASSERT_TRUE(waiting.waitForConnected(1000));
    waiting.write(wire(notice(kNoticeTag, "waited")));
    ASSERT_TRUE(waiting.waitForBytesWritten(1000));

    rlimit previous;
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &previous), 0);
    int highest = ::dup(0);
    ASSERT_GE(highest, 0);
    ::close(highest);
    rlimit low = previous;
    low.rlim_cur = rlim_t(highest + 16);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    std::vector<int> spent;
    for (int fd; (fd = ::dup(0)) >= 0;)
        spent.push_back(fd);
    ASSERT_EQ(errno, EMFILE);
    pump(150); // accepting fails here
    for (int fd : spent)
        ::close(fd);
    ::setrlimit(RLIMIT_NOFILE, &previous);

    ASSERT_TRUE(waitFor([&] { return got.size() == 1; }, 2000)) << "the waiting sender got in";
    EXPECT_EQ(got[0].data, QByteArray("waited") + '\0');
    EXPECT_TRUE(sendNotice(title, notice(kNoticeTag, "later")));
    EXPECT_TRUE(waitFor([&] { return got.size() == 2; }, 2000));
}

TEST(NoticeQueue, OneBoxAtATimeWithABoundedCoalescedQueue) {
    QStringList shown;
    int depth = 0, deepest = 0;
    NoticeQueue *queue = nullptr;
    NoticeQueue q([&](const QString &text) {
        deepest = std::max(deepest, ++depth);
        shown.append(text);
        // While the first box is open, forty notices arrive (twenty texts, each twice) and
        // the open box's own text once more.
        if (text == "first") {
            for (int i = 0; i < 40; ++i)
                queue->post(QStringLiteral("n%1").arg(i % 20));
            queue->post("first");
        }
        --depth;
    });
    queue = &q;
    q.post("first");
    QStringList expected{"first"};
    for (int i = 0; i < NoticeQueue::kMaxWaiting; ++i)
        expected.append(QStringLiteral("n%1").arg(i));
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(q.dropped(), 2 * (20 - NoticeQueue::kMaxWaiting));
    EXPECT_EQ(q.waiting(), 0);
    q.post("again");
    EXPECT_EQ(shown.last(), "again") << "the queue takes notices again once it is idle";
}

TEST(NoticeQueue, AFloodOnOneConnectionNeverNestsBoxes) {
    RuntimeEnvironment env;
    const QString title = uniqueTitle();
    NoticeServer server;
    ASSERT_TRUE(server.listen(title));
    int depth = 0, deepest = 0, shown = 0;
    // Each box runs its own event loop for a moment, as a modal box does.
    NoticeQueue queue([&](const QString &) {
        deepest = std::max(deepest, ++depth);
        ++shown;
        pump(5);
        --depth;
    });
    int received = 0;
    QObject::connect(&server, &NoticeServer::noticeReceived, [&](const NoticeMessage &m) {
        QString text;
        ++received;
        if (decodeNotice(m, &text))
            queue.post(text);
    });

    constexpr int kFlood = 8000;
    QByteArray bytes;
    for (int i = 0; i < kFlood; ++i)
        bytes += wire(notice(kNoticeTag, "notice " + QByteArray::number(i)));
    const QByteArray path = QFile::encodeName(server.serverName());
    std::thread sender([&] {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0) {
            for (qsizetype at = 0; at < bytes.size();) {
                const ssize_t n = ::write(fd, bytes.constData() + at, size_t(bytes.size() - at));
                if (n <= 0)
                    break;
                at += n;
            }
        }
        ::close(fd);
    });
    const bool all = waitFor([&] { return received == kFlood && depth == 0; }, 20000);
    sender.join();
    ASSERT_TRUE(all) << received << " of " << kFlood << " notices arrived";
    pump(50);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(shown + queue.dropped(), kFlood);
    EXPECT_LE(queue.waiting(), 0);
}

} // namespace
