#include "atomic_replace.h"
#include "bounded_file.h"
#include "file_replace.h"
#include "leftover_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void put(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray contents(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList entries(const QString &folder) {
    return QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
}

// A file size limit for this process, as a full disk gives it: writes beyond it fail with
// EFBIG instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_previous;
    void (*m_handler)(int);
};

TEST(BoundedFile, ReadsRegularFilesWithinTheBoundAndRefusesTheRest) {
    QTemporaryDir dir;
    put(dir.filePath("small"), "abc");
    put(dir.filePath("empty"), "");
    put(dir.filePath("large"), QByteArray(2000, 'x'));
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    const struct {
        const char *name;
        QString path;
        bool accepted;
        QByteArray bytes;
        const char *reason;
    } rows[] = {
        {"a small file", dir.filePath("small"), true, "abc", ""},
        {"an empty file", dir.filePath("empty"), true, "", ""},
        {"a file over the bound", dir.filePath("large"), false, {}, "larger than"},
        {"an endless device", "/dev/zero", false, {}, "not a regular file"},
        {"a FIFO nobody writes", fifo, false, {}, "not a regular file"},
        {"a folder", dir.path(), false, {}, "not a regular file"},
        {"a file the kernel makes up", "/proc/self/status", false, {}, "more than its size"},
        {"a missing file", dir.filePath("none"), false, {}, "No such file"},
    };
    for (const auto &row : rows) {
        QElapsedTimer t;
        t.start();
        QByteArray bytes = "untouched";
        QString error;
        EXPECT_EQ(BoundedFile::read(row.path, 1024, &bytes, &error), row.accepted) << row.name;
        EXPECT_LT(t.elapsed(), 1000) << row.name;
        if (row.accepted) {
            EXPECT_EQ(bytes, row.bytes) << row.name;
        } else {
            EXPECT_EQ(bytes, "untouched") << row.name;
            EXPECT_TRUE(error.contains(QLatin1String(row.reason)))
                << row.name << ": " << qPrintable(error);
        }
        if (row.path != "/proc/self/status") {
            EXPECT_EQ(BoundedFile::isRegularWithin(row.path, 1024), row.accepted) << row.name;
        }
    }
}

TEST(AtomicReplace, ReplacesWholeKeepsModeAndFollowsLinks) {
    QTemporaryDir dir;
    const QString target = dir.filePath("p1.bin");
    put(target, "old contents");
    ::chmod(QFile::encodeName(target).constData(), 0640);
    QString error;
    ASSERT_TRUE(AtomicReplace::write(target, "new", &error)) << qPrintable(error);
    EXPECT_EQ(contents(target), "new");
    struct stat st;
    ::stat(QFile::encodeName(target).constData(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // A link stays a link; the file it names is replaced.
    const QString link = dir.filePath("link.pf");
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(AtomicReplace::write(link, "through the link", &error));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contents(target), "through the link");

    // A new name is made.
    ASSERT_TRUE(AtomicReplace::write(dir.filePath("new.pf"), "fresh", &error));
    EXPECT_EQ(contents(dir.filePath("new.pf")), "fresh");
    EXPECT_EQ(entries(dir.path()), QStringList({"link.pf", "new.pf", "p1.bin"}));
}

TEST(AtomicReplace, NeverReplacesAnythingButARegularFile) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir().mkpath(dir.filePath("folder"));
    for (const QString &target : {fifo, dir.filePath("folder"), QStringLiteral("/dev/null")}) {
        QString error;
        EXPECT_FALSE(AtomicReplace::write(target, "x", &error)) << qPrintable(target);
        EXPECT_TRUE(error.contains("not a regular file")) << qPrintable(error);
    }
    struct stat st;
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    ASSERT_EQ(::stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_EQ(entries(dir.path()), QStringList({"fifo"}));
}

TEST(AtomicReplace, AFailedWriteOrCheckKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString target = dir.filePath("lang.ini");
    put(target, "old");
    {
        FileSizeLimit full(64); // a disk that takes 64 bytes and no more
        QString error;
        EXPECT_FALSE(AtomicReplace::write(target, QByteArray(4096, 'n'), &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(replaceWithCopy("/etc/os-release", target, &error));
    }
    EXPECT_EQ(contents(target), "old");

    QString seen;
    QString error;
    EXPECT_FALSE(
        AtomicReplace::write(target, "new", &error, [&](const QString &temp, QString *why) {
            seen = contents(temp);
            EXPECT_EQ(contents(target), "old") << "the old file stays whole until the one rename";
            *why = "refused";
            return false;
        }));
    EXPECT_EQ(seen, "new") << "the check sees the complete new file";
    EXPECT_EQ(error, "refused");
    EXPECT_EQ(contents(target), "old");
    EXPECT_EQ(entries(dir.path()), QStringList({"lang.ini"})) << "no temporary file stays";
}

TEST(FileReplace, CopiesOnlyRegularFilesWithinTheBound) {
    QTemporaryDir dir;
    const QString target = dir.filePath("p1.bin");
    put(target, "[sensor]\n");
    put(dir.filePath("huge.pf"), QByteArray(BoundedFile::kMaxDataFileBytes + 1, ';'));
    for (const QString &source : {QStringLiteral("/dev/zero"), QStringLiteral("/proc/self/status"),
                                  dir.filePath("huge.pf"), dir.filePath("none.pf")}) {
        QString error;
        EXPECT_FALSE(replaceWithCopy(source, target, &error)) << qPrintable(source);
        EXPECT_TRUE(error.startsWith("cannot read '" + source + "'")) << qPrintable(error);
    }
    EXPECT_EQ(contents(target), "[sensor]\n");
}

TEST(LeftoverFiles, RemovesWhatKilledRunsLeftAndNothingElse) {
    QTemporaryDir dir;
    QProcess gone;
    gone.start("true");
    ASSERT_TRUE(gone.waitForStarted(5000));
    const QString deadPid = QString::number(gone.processId());
    ASSERT_TRUE(gone.waitForFinished(5000));
    const QString livePid = QString::number(::getpid());

    const struct {
        const char *name;
        bool heldOpen;
        bool removed;
    } rows[] = {
        {"p1.bin", false, false},
        {"notes.txt", false, false},
        {"Jump.bin.part", false, true},
        {"p1.bin.Ab3xYz", false, true}, // the settings library's, nobody writing it
        {"p2.bin.Qw9Zk1", true, false}, // ...and one a live run is writing
        {"lang_031000.ini.r8tmp-DEAD-k2", false, true},
        {"p3.bin.r8tmp-LIVE-k2", true, false},
    };
    QList<std::shared_ptr<QFile>> held;
    for (const auto &row : rows) {
        QString name = QString::fromLatin1(row.name);
        name.replace("DEAD", deadPid).replace("LIVE", livePid);
        put(dir.filePath(name), "x");
        if (row.heldOpen) {
            held.append(std::make_shared<QFile>(dir.filePath(name)));
            ASSERT_TRUE(held.last()->open(QIODevice::ReadWrite));
        }
    }
    // A lock whose owner is gone, and one held now.
    {
        QLockFile model(dir.filePath("model"));
        ASSERT_TRUE(model.tryLock(0));
        QByteArray info = contents(dir.filePath("model"));
        info = deadPid.toLatin1() + info.mid(info.indexOf('\n'));
        put(dir.filePath("p4.bin.lock"), info);
    }
    QLockFile live(dir.filePath("p5.bin.lock"));
    ASSERT_TRUE(live.tryLock(0));

    LeftoverFiles::clean({dir.path()});
    const QStringList left = entries(dir.path());
    for (const auto &row : rows) {
        QString name = QString::fromLatin1(row.name);
        name.replace("DEAD", deadPid).replace("LIVE", livePid);
        EXPECT_EQ(!left.contains(name), row.removed) << row.name;
    }
    EXPECT_FALSE(left.contains("p4.bin.lock"));
    EXPECT_TRUE(left.contains("p5.bin.lock"));
}

} // namespace
