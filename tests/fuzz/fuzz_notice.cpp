// Notice messages as another program sends them: raw bytes through the program's notice
// socket (framing, claimed lengths, several notices or a half one in a connection), and
// every notice that comes out through the decoder and the filter the program installs.
#include "fuzz_support.h"
#include "notice.h"
#include "notice_channel.h"

#include <QElapsedTimer>
#include <QLocalSocket>

#include <cstdlib>
#include <cstring>

namespace {

void checkDecoded(const NoticeMessage &message) {
    QString text;
    // A decoded text is exactly what was claimed: the UTF-8 before the first NUL.
    if (decodeNotice(message, &text) &&
        (message.tag != kNoticeTag || text.toUtf8().size() != qsizetype(message.byteCount)))
        std::abort();
    long result = 0;
    if (!noticeFilter(message, &result) || result != 1)
        std::abort();
}

NoticeServer &server() {
    static NoticeServer *s = [] {
        auto *created = new NoticeServer;
        if (!created->listen(
                QStringLiteral("fuzz notice %1").arg(QCoreApplication::applicationPid())))
            std::abort();
        QObject::connect(created, &NoticeServer::noticeReceived, created, &checkDecoded);
        setNoticeHandler([](const NoticeMessage &, void *) {}, nullptr);
        return created;
    }();
    return *s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::ensureApp();
    // The same bytes taken directly as one notice.
    NoticeMessage direct;
    if (size >= 8) {
        std::memcpy(&direct.tag, data, 4);
        std::memcpy(&direct.byteCount, data + 4, 4);
        direct.data = fuzz::bytes(data + 8, size - 8);
    }
    server();
    checkDecoded(direct);

    // And as what a peer writes on the socket before it hangs up.
    QLocalSocket peer;
    peer.connectToServer(server().serverName());
    if (!peer.waitForConnected(1000))
        return 0;
    peer.write(fuzz::bytes(data, size));
    peer.waitForBytesWritten(1000);
    peer.disconnectFromServer();
    QElapsedTimer clock;
    clock.start();
    // The server reads from the event loop; give it a few passes to take everything.
    for (int pass = 0; pass < 20 && clock.elapsed() < 200; ++pass)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return 0;
}
