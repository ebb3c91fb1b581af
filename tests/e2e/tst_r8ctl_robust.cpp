// r8ctl against hostile files and a failing file system: what it reads it reads whole and
// bounded, what it replaces is the old or the new version, and every failure says so.
#include "r8ctl_rig.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// Files under modules/ and in the user's folder, with their bytes.
QMap<QString, QByteArray> everything(const R8ctlRig &rig) {
    QMap<QString, QByteArray> files = rig.snapshot();
    QDirIterator it(rig.user.path(), QDir::Files | QDir::System | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        files.insert(it.filePath(),
                     QFileInfo(it.filePath()).isFile() ? R8ctlRig::read(it.filePath()) : "node");
    }
    return files;
}

QStringList names(const QMap<QString, QByteArray> &files) {
    return files.keys();
}

void makeFifo(const QString &path) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
}

TEST(R8ctlHostileFiles, ReadersTakeOnlyBoundedRegularFiles) {
    R8ctlRigOnVirtualMouse rig;
    ASSERT_EQ(rig.run({"macro", "create", "M"}).exitCode, 0);
    ASSERT_EQ(rig.run({"profile", "reset", "2"}).exitCode, 0);
    makeFifo(rig.userFile("fifo"));
    rig.writeUserFile("huge", QByteArray(2 << 20, 'x'));

    const struct {
        const char *source;
        const char *reason;
    } sources[] = {
        {"/dev/zero", "not a regular file"},
        {"fifo", "not a regular file"}, // nobody writes it: reading would wait for ever
        {"/proc/self/status", "holds more than its size says"},
        {"huge", "larger than 1024 KB"},
    };
    const QList<QStringList> commands = {{"macro", "set", "M"},
                                         {"macro", "import", "M"},
                                         {"profile", "import", "2"},
                                         {"lang", "check"},
                                         {"lang", "stamp"}};
    const auto before = everything(rig);
    for (const QStringList &command : commands) {
        for (const auto &source : sources) {
            QElapsedTimer t;
            t.start();
            const R8ctlRun r = rig.run(command + QStringList{source.source});
            const std::string what = (command.join(' ') + " " + source.source).toStdString();
            EXPECT_EQ(r.exitCode, 2) << what;
            EXPECT_TRUE(r.err.contains(source.reason)) << what << ": " << r.err.toStdString();
            EXPECT_LT(t.elapsed(), 10000) << what;
        }
    }
    EXPECT_EQ(everything(rig), before);
}

TEST(R8ctlHostileFiles, ExportNeverReplacesADeviceNodeOrFifo) {
    R8ctlRigOnVirtualMouse rig;
    ASSERT_EQ(rig.run({"macro", "create", "M"}).exitCode, 0);
    ASSERT_EQ(rig.run({"profile", "reset", "1"}).exitCode, 0);
    makeFifo(rig.userFile("fifo"));
    QStringList targets{"fifo"};
    // A character device of our own (the null device's numbers), where we may make one.
    if (::mknod(QFile::encodeName(rig.userFile("node")).constData(), S_IFCHR | 0600,
                makedev(1, 3)) == 0)
        targets << "node";
    for (const QString &target : targets) {
        for (const QStringList &command :
             {QStringList{"macro", "export", "M", target}, {"profile", "export", "1", target}}) {
            const R8ctlRun r = rig.run(command);
            EXPECT_EQ(r.exitCode, 2) << command.join(' ').toStdString();
            EXPECT_TRUE(r.err.contains("not a regular file")) << r.err.toStdString();
        }
        struct stat st;
        ASSERT_EQ(::lstat(QFile::encodeName(rig.userFile(target)).constData(), &st), 0);
        EXPECT_FALSE(S_ISREG(st.st_mode)) << target.toStdString() << " was replaced";
    }
}

// Every command that writes a file, on a disk that takes nothing more: each fails, says so,
// and leaves every file as it was.
TEST(R8ctlFullDisk, EveryWriterFailsAndKeepsTheOldFile) {
    R8ctlRigOnVirtualMouse rig;
    ASSERT_EQ(rig.run({"profile", "reset", "1"}).exitCode, 0);
    ASSERT_EQ(rig.run({"profile", "reset", "2"}).exitCode, 0);
    ASSERT_EQ(rig.run({"macro", "create", "M"}).exitCode, 0);
    ASSERT_EQ(rig.run({"profile", "export", "1", "p.pf"}).exitCode, 0);
    rig.writeUserFile("p.pf", R8ctlRig::read(rig.userFile("p.pf")) + "[other]\nkey=1\n");
    rig.writeUserFile("old.pf", "old export");
    rig.writeUserFile("old.mc", "old export");
    rig.writeUserFile("m.mc", "[config]\nindex=-1\ntotal=1\nrepeat=1\ndid=-1\n\n[macro]\n"
                              "0=A    [Down]\n");
    rig.writeUserFile("lang.ini", "[font]\nfamily=Arial\ntotal=2\ncs=0\n\n[strings]\n1=abc\n"
                                  "2=defg\n");
    rig.writeUserFile("steps.txt", "A down\n50 ms\nA up\n");

    // The limit stands for the disk: a write beyond 8 bytes fails with EFBIG (the signal
    // that would end the process is ignored, as a full disk sends none).
    rig.beforeExec = [] {
        rlimit limit{8, RLIM_INFINITY};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 8;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_IGN);
    };
    const QList<QStringList> commands = {
        {"profile", "import", "2", "p.pf"},
        {"profile", "reset", "1"},
        {"profile", "export", "1", "old.pf"},
        {"profile", "switch", "3"},
        {"lang", "stamp", "lang.ini"},
        {"macro", "import", "M", "m.mc"},
        {"macro", "export", "M", "old.mc"},
        {"macro", "set", "M", "steps.txt"},
        {"pointer", "speed", "7"},
        {"--emulate", "rate", "250"},
    };
    const auto before = everything(rig);
    for (const QStringList &command : commands) {
        const R8ctlRun r = rig.run(command);
        const std::string what = command.join(' ').toStdString();
        EXPECT_NE(r.exitCode, 0) << what << "\n" << r.out.toStdString();
        EXPECT_TRUE(r.err.contains("cannot")) << what << ": " << r.err.toStdString();
        const auto after = everything(rig);
        EXPECT_EQ(names(after), names(before)) << what;
        EXPECT_TRUE(after == before) << what << " changed a file";
    }
}

// A kill at the very rename of each replace: the old file must still be whole there (a
// replace that removed it first would lose it), and the next run must work.
TEST(R8ctlKilledAtRename, EveryReplaceLeavesTheOldFileUntilItsOneRename) {
    R8ctlRigOnVirtualMouse rig;
    ASSERT_EQ(rig.run({"profile", "reset", "1"}).exitCode, 0);
    ASSERT_EQ(rig.run({"macro", "create", "M"}).exitCode, 0);
    rig.writeUserFile("old.pf", "old export");
    rig.writeUserFile("old.mc", "old export");
    rig.writeUserFile("p.pf", "[other]\nkey=1\n");
    rig.writeUserFile("m.mc", "[config]\nindex=-1\ntotal=0\nrepeat=1\ndid=-1\n");
    rig.writeUserFile("lang.ini", "[font]\ntotal=1\ncs=0\n\n[strings]\n1=abc\n");
    const struct {
        QStringList command;
        const char *renamedOnto; // the file the command replaces
    } rows[] = {
        {{"macro", "import", "M", "m.mc"}, "M.bin"},
        {{"macro", "export", "M", "old.mc"}, "old.mc"},
        {{"profile", "import", "1", "p.pf"}, "p1.bin"},
        {{"profile", "reset", "1"}, "p1.bin"},
        {{"profile", "export", "1", "old.pf"}, "old.pf"},
        {{"lang", "stamp", "lang.ini"}, "lang.ini"},
    };
    for (const auto &row : rows) {
        const std::string what = row.command.join(' ').toStdString();
        const auto before = everything(rig);
        // A sanitizer build would refuse a library preloaded before its runtime.
        const QString asan = qEnvironmentVariable("ASAN_OPTIONS");
        rig.environment = {
            {"R8_EMULATE", ""},
            {"LD_PRELOAD", R8_KILL_AT_RENAME_LIB},
            {"R8_KILL_AT_RENAME", row.renamedOnto},
            {"ASAN_OPTIONS", (asan.isEmpty() ? "" : asan + ":") + "verify_asan_link_order=0"}};
        const R8ctlRun killed = rig.run(row.command);
        EXPECT_EQ(killed.exitCode, -1) << what << " was not stopped at its rename";
        rig.environment = {{"R8_EMULATE", ""}};
        auto after = everything(rig);
        for (auto it = after.begin(); it != after.end();)
            it = it.key().contains(".r8tmp-") ? after.erase(it) : std::next(it);
        EXPECT_TRUE(after == before) << what << " lost or changed a file before its rename";
        EXPECT_EQ(rig.run(row.command).exitCode, 0) << what;
    }
}

TEST(R8ctlLanguages, StampRefusesWhatItCannotMakeValidAndKeepsTheBytes) {
    R8ctlRigOnVirtualMouse rig;
    const QByteArray strings = "\n[strings]\n1=abc\n2=defg\n";
    const struct {
        const char *name;
        QByteArray file;
    } refused[] = {
        {"a header in capitals", "[FONT]\nfamily=Arial\ntotal=2\ncs=0\n" + strings},
        {"a second font section", "[font]\ntotal=2\ncs=0\n" + strings + "[font]\ncs=1\n"},
    };
    for (const auto &row : refused) {
        rig.writeUserFile("lang.ini", row.file);
        const R8ctlRun r = rig.run({"lang", "stamp", "lang.ini"});
        EXPECT_EQ(r.exitCode, 2) << row.name;
        EXPECT_TRUE(r.err.contains("would not make it valid")) << r.err.toStdString();
        EXPECT_EQ(R8ctlRig::read(rig.userFile("lang.ini")), row.file) << row.name;
    }

    // Bytes that are not UTF-8 stay as they are; only the checksum line changes.
    const QByteArray latin1 = "[font]\nfamily=Arial\ntotal=2\ncs=0\n\n[strings]\n1=\xe9t\xe9\n"
                              "2=\xff\xfe\n";
    rig.writeUserFile("lang.ini", latin1);
    const R8ctlRun stamped = rig.run({"--json", "lang", "stamp", "lang.ini"});
    ASSERT_EQ(stamped.exitCode, 0) << stamped.err.toStdString();
    QByteArray expected = latin1;
    expected.replace("cs=0", "cs=" + stamped.json()["checksum"].toString().toLatin1());
    EXPECT_EQ(R8ctlRig::read(rig.userFile("lang.ini")), expected);
    EXPECT_EQ(rig.run({"lang", "check", "lang.ini"}).exitCode, 0);
}

TEST(R8ctlUsage, MacroNamesWithControlCharactersAreRefused) {
    R8ctlRigOnVirtualMouse rig;
    for (const char *name : {"two\nlines", "bell\a", "esc\x1b[31mred", "tab\tbed", "del\x7f"}) {
        const R8ctlRun r = rig.run({"macro", "create", name});
        EXPECT_EQ(r.exitCode, 2) << name;
        EXPECT_TRUE(r.err.contains("cannot be a macro name")) << r.err.toStdString();
    }
    EXPECT_TRUE(QDir(rig.programFile("modules/macro")).isEmpty());
}

TEST(R8ctlUsage, AWireLogThatCannotBeWrittenIsAnError) {
    R8ctlRigOnVirtualMouse rig;
    QDir().mkpath(rig.userFile("folder"));
    for (const char *log : {"missing/w.log", "folder"}) {
        const R8ctlRun r = rig.run({"--emulate", "--wire-log", log, "rate", "500"});
        EXPECT_EQ(r.exitCode, 2) << log;
        EXPECT_TRUE(r.err.contains("cannot write the wire log")) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(rig.programFile("modules/setting/p1.bin"))) << log;
    }
}

TEST(R8ctlUsage, PointerIsNotReportedAcceptedWhenTheStoreDropsIt) {
    R8ctlRigOnVirtualMouse rig;
    // The desktop's store without its bus takes the value, then fails to commit it.
    QTemporaryDir config;
    rig.environment = {{"GSETTINGS_BACKEND", "dconf"},
                       {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + config.filePath("no-bus")},
                       {"XDG_CONFIG_HOME", config.path()},
                       {"DISPLAY", ""}};
    const R8ctlRun r = rig.run({"--json", "pointer", "speed", "7"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_FALSE(r.json()["systemAccepted"].toBool()) << r.out.toStdString();
    EXPECT_FALSE(r.json()["warnings"].toArray().isEmpty());
}

TEST(R8ctlStart, LeftoversOfKilledRunsAreCleanedAtTheNextStart) {
    R8ctlRigOnVirtualMouse rig;
    QProcess gone;
    gone.start("true");
    ASSERT_TRUE(gone.waitForStarted(5000));
    const QString dead = QString::number(gone.processId());
    ASSERT_TRUE(gone.waitForFinished(5000));
    // An empty lock is what a kill while taking it leaves: left there, the next write of
    // the file would wait half a minute for it to go stale.
    const QStringList leftovers = {"modules/setting/p1.bin.r8tmp-" + dead + "-x1",
                                   "modules/setting/p2.bin.Ab12Cd",
                                   "modules/setting/r8ctl.ini.lock", "modules/macro/M.bin.part"};
    for (const QString &f : leftovers) {
        QFile file(rig.programFile(f));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QElapsedTimer t;
    t.start();
    ASSERT_EQ(rig.run({"profile", "switch", "2"}).exitCode, 0);
    EXPECT_LT(t.elapsed(), 10000);
    for (const QString &f : leftovers)
        EXPECT_FALSE(QFile::exists(rig.programFile(f))) << f.toStdString();
}

// The frame on the wire, enciphered with a secrecy code that is not zero, against a value
// worked out by hand from the cipher's definition.
TEST(R8ctlCipher, TheWireCarriesTheKnownEncipheredFrame) {
    R8ctlRigOnVirtualMouse rig;
    QSettings config(rig.programFile("modules/setting/apConfig.bin"), QSettings::IniFormat);
    config.setValue("common/sCode1", "482915");
    config.sync();
    const R8ctlRun r = rig.run({"--emulate=code=482915", "--wire-log", "w.log", "rate", "500"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    bool found = false;
    for (const WireLine &l : rig.wireLog()) {
        if (l.direction == "OUT" && l.kind == "FEATURE" &&
            l.plain == hexBytes("01 02 00 00 00 00 00 fc")) {
            EXPECT_EQ(l.bytes, hexBytes("00 66 bc 36 e8 e0 45 3e 87"));
            found = true;
        }
    }
    EXPECT_TRUE(found);
}

} // namespace
