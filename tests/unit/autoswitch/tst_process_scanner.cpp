// The process list: real processes in /proc, and a made-up /proc for what real ones cannot
// show on demand (a process that changes its name after it was first seen).
#include "process_scanner.h"
#include "program_folder.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include "named_process.h"

#include <gtest/gtest.h>

namespace {

TEST(ProcessScanner, SeesAProgramStartAndStop) {
    ProgramFolder folder;
    ProcessScanner scanner;
    scanner.scan();
    // comm keeps 15 characters; the full name comes from the first argument.
    const QString name = QStringLiteral("r8-scanner-test-game");
    ASSERT_FALSE(scanner.names().contains(name));
    const int settled = scanner.examinedLastScan();

    NamedProcess game(folder.file(name));
    EXPECT_TRUE(scanner.scan());
    EXPECT_TRUE(scanner.names().contains(name)) << scanner.names().join(' ').toStdString();
    EXPECT_TRUE(scanner.names().contains(name.left(15)));
    // Processes already known are not read again once they are a few scans old.
    for (int i = 0; i < ProcessScanner::kYoungScans; ++i)
        scanner.scan();
    EXPECT_FALSE(scanner.scan());
    EXPECT_LT(scanner.examinedLastScan(), settled);

    game.stop();
    EXPECT_TRUE(scanner.scan());
    EXPECT_FALSE(scanner.names().contains(name));
}

TEST(ProcessScanner, ReadsAYoungProcessAgainAndNoticesAReusedNumber) {
    ProgramFolder proc;
    proc.write("100/comm", "launcher\n");
    proc.write("100/cmdline", QByteArray("/usr/bin/launcher\0--x\0", 22));
    ProcessScanner scanner(QFile::encodeName(proc.path()));
    EXPECT_TRUE(scanner.scan());
    EXPECT_EQ(scanner.names(), QStringList{"launcher"});

    // Between fork and exec a child carries its parent's name; it is read again.
    proc.write("100/comm", "game.exe\n");
    proc.write("100/cmdline", QByteArray("C:\\Games\\Big\\game.exe\0", 22));
    EXPECT_TRUE(scanner.scan());
    EXPECT_EQ(scanner.names(), QStringList{"game.exe"});

    // Another process with the same number (a new folder) is a new process.
    for (int i = 0; i < ProcessScanner::kYoungScans; ++i)
        scanner.scan();
    QDir(proc.path()).rename("100", "gone"); // kept, so the new folder cannot take its inode
    proc.write("100/comm", "editor\n");
    EXPECT_TRUE(scanner.scan());
    EXPECT_EQ(scanner.names(), QStringList{"editor"});
}

} // namespace

namespace {

TEST(ProcessScanner, AnIdleScanListsNothingButSeesNewProcessesAndTheEndOfWatchedOnes) {
    ProgramFolder proc;
    QProcess game; // a real process, so that the scanner's check of its end is real
    game.start("sleep", {"60"});
    ASSERT_TRUE(game.waitForStarted());
    const QString gamePid = QString::number(game.processId());
    proc.write("loadavg", "0.00 0.01 0.05 1/50 1000\n");
    proc.write("1/comm", "init\n");
    proc.write(gamePid + "/comm", "game\n");
    ProcessScanner scanner(QFile::encodeName(proc.path()));
    scanner.setInterest([](const QString &name) { return name == "game"; });
    EXPECT_TRUE(scanner.scan());
    EXPECT_TRUE(scanner.listedLastScan());
    for (int i = 0; i < ProcessScanner::kYoungScans; ++i)
        scanner.scan();
    EXPECT_FALSE(scanner.scan());
    EXPECT_FALSE(scanner.listedLastScan()); // no new process number, nothing young

    // A process of no interest ends: not worth listing the folder for.
    QDir(proc.file("1")).removeRecursively();
    EXPECT_FALSE(scanner.scan());
    EXPECT_FALSE(scanner.listedLastScan());

    // The watched program ends: seen at once.
    game.kill();
    game.waitForFinished();
    QDir(proc.file(gamePid)).removeRecursively();
    EXPECT_TRUE(scanner.scan());
    EXPECT_TRUE(scanner.names().isEmpty()) << scanner.names().join(' ').toStdString();

    // A new process number: the folder is listed.
    proc.write("2000/comm", "editor\n");
    scanner.scan(); // the same last number still: not listed
    EXPECT_FALSE(scanner.listedLastScan());
    proc.write("loadavg", "0.00 0.01 0.05 1/51 2000\n");
    EXPECT_TRUE(scanner.scan());
    EXPECT_EQ(scanner.names(), QStringList{"editor"});
}

} // namespace
