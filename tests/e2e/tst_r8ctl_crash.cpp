// kill -9 at random moments while r8ctl writes files: every file is then the old or the
// new version, the next run starts and works, and it removes what the killed run left.
#include "r8ctl_rig.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QThread>

#include <optional>

namespace {

using State = QMap<QString, QByteArray>;

bool isTemporary(const QString &path) {
    static const QRegularExpression temporary(
        "(\\.r8tmp-\\d+-[0-9a-z]+|\\.(bin|ini)\\.[A-Za-z0-9]{6}|\\.part|\\.lock)$");
    return temporary.match(path).hasMatch();
}

// The data files (modules/ and the user's folder) apart from temporary ones, and the
// temporary ones by themselves.
State dataFiles(const R8ctlRig &rig, QStringList *temporaries = nullptr) {
    State files;
    for (const QString &root : {rig.programFile("modules"), rig.user.path()}) {
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            if (isTemporary(it.filePath())) {
                if (temporaries)
                    temporaries->append(it.filePath());
                continue;
            }
            files.insert(it.filePath(), R8ctlRig::read(it.filePath()));
        }
    }
    return files;
}

void restore(const R8ctlRig &rig, const State &state) {
    for (const QString &path : dataFiles(rig).keys())
        if (!state.contains(path))
            QFile::remove(path);
    for (auto it = state.begin(); it != state.end(); ++it) {
        QFile f(it.key());
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(it.value());
    }
}

std::optional<QByteArray> in(const State &s, const QString &path) {
    const auto it = s.find(path);
    return it == s.end() ? std::nullopt : std::optional<QByteArray>(it.value());
}

TEST(R8ctlCrashSafety, KilledAtRandomEveryFileIsTheOldOrTheNewVersion) {
    R8ctlRigOnVirtualMouse rig;
    ASSERT_EQ(rig.run({"profile", "reset", "1"}).exitCode, 0);
    ASSERT_EQ(rig.run({"profile", "reset", "2"}).exitCode, 0);
    ASSERT_EQ(rig.run({"macro", "create", "M"}).exitCode, 0);
    const QByteArray pD = R8ctlRig::read(rig.programFile("modules/setting/pD.bin"));
    rig.writeUserFile("a.pf", pD + "[extra]\nkey=a\n");
    rig.writeUserFile("b.pf", pD + "[extra]\nkey=b\nmore=1\n");
    rig.writeUserFile("a.mc", "[config]\nindex=-1\ntotal=1\nrepeat=1\ndid=-1\n\n[macro]\n"
                              "0=A    [Down]\n");
    rig.writeUserFile("b.mc", "[config]\nindex=-1\ntotal=2\nrepeat=3\ndid=-1\n\n[macro]\n"
                              "0=B    [Down]\n1=B      [Up]\n");
    rig.writeUserFile("steps.txt", "A down\n50 ms\nA up\n");
    const QByteArray unstamped =
        "[font]\nfamily=Arial\ntotal=2\ncs=0\n\n[strings]\n1=abc\n2=defg\n";

    QRandomGenerator random(20261211);
    const auto pick = [&](const QStringList &choices) {
        return choices[int(random.bounded(quint32(choices.size())))];
    };
    // Each returns the words of one command that writes files.
    const QList<std::function<QStringList()>> commands = {
        [&] {
            return QStringList{"profile", "import", pick({"1", "2", "3"}), pick({"a.pf", "b.pf"})};
        },
        [&] {
            return QStringList{"profile", "reset", pick({"1", "2"})};
        },
        [&] {
            return QStringList{"profile", "export", pick({"1", "2"}), "out.pf"};
        },
        [&] {
            return QStringList{"profile", "switch", pick({"1", "2", "3"})};
        },
        [&] {
            return QStringList{"macro", "import", "M", pick({"a.mc", "b.mc"})};
        },
        [&] {
            return QStringList{"macro", "export", "M", "out.mc"};
        },
        [&] {
            return QStringList{"macro", "set", "M", "steps.txt"};
        },
        [&] {
            rig.writeUserFile("lang.ini", unstamped);
            return QStringList{"lang", "stamp", "lang.ini"};
        },
        [&] {
            return QStringList{"pointer", pick({"speed", "double-click"}), pick({"2", "5", "9"})};
        },
        [&] {
            return QStringList{"--emulate", "rate", pick({"125", "500", "1000"})};
        },
    };

    constexpr int kMaxRounds = 300;
    constexpr qint64 kBudgetMs = 45000;
    QHash<QString, qint64> usualMs; // how long each command usually takes
    int rounds = 0, changedWhenKilled = 0, leftBehind = 0;
    QElapsedTimer budget;
    budget.start();
    while (rounds < kMaxRounds && budget.elapsed() < kBudgetMs) {
        const QStringList words = commands[int(random.bounded(quint32(commands.size())))]();
        const State before = dataFiles(rig);
        const QString kind = words.mid(0, 2).join(' ');

        // The killed run: mostly late in its usual time, where the writing happens.
        const qint64 usual = usualMs.value(kind, 150);
        const qint64 delay = random.bounded(10) < 3 ? random.bounded(usual + 1)
                                                    : usual / 2 + random.bounded(usual / 2 + 1);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("R8_EMULATE");
        env.insert("GSETTINGS_BACKEND", "memory");
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(rig.user.path());
        p.start(rig.exe, words);
        ASSERT_TRUE(p.waitForStarted(5000));
        QThread::msleep(quint64(delay));
        p.kill(); // SIGKILL
        p.waitForFinished(5000);
        QStringList temporaries;
        const State killed = dataFiles(rig, &temporaries);
        if (!temporaries.isEmpty())
            ++leftBehind;
        if (killed != before)
            ++changedWhenKilled;

        // The same command, whole, from the same files: the new version. It also proves the
        // program starts after the kill and cleans up after it.
        restore(rig, before);
        QElapsedTimer t;
        t.start();
        const R8ctlRun whole = rig.run(words);
        usualMs[kind] = (usualMs.value(kind, t.elapsed()) + t.elapsed()) / 2;
        ASSERT_EQ(whole.exitCode, 0)
            << words.join(' ').toStdString() << ": " << whole.err.toStdString();
        const State after = dataFiles(rig);
        for (const QString &leftover : temporaries)
            EXPECT_FALSE(QFile::exists(leftover)) << leftover.toStdString() << " stayed";

        QStringList paths = before.keys() + killed.keys() + after.keys();
        paths.removeDuplicates();
        for (const QString &path : paths) {
            const auto k = in(killed, path);
            ASSERT_TRUE(k == in(before, path) || k == in(after, path))
                << "after killing '" << words.join(' ').toStdString() << "' at " << delay << " ms, "
                << path.toStdString() << " is neither the old nor the new version:\n"
                << (k ? k->toStdString() : std::string("<missing>"));
        }
        ++rounds;
    }
    std::printf("%d rounds in %lld ms; the kill had changed files in %d, left temporary files "
                "in %d\n",
                rounds, qint64(budget.elapsed()), changedWhenKilled, leftBehind);
    EXPECT_GE(rounds, 50);
}

} // namespace
