// r8ctl auto: the rules as the user edits them, and `auto run` as a separate process
// against the virtual mouse, with real programs and a real X server.
#include "named_process.h"
#include "r8ctl_rig.h"
#include "x11_session.h"

#include <QElapsedTimer>
#include <QThread>

#include <csignal>

namespace {

// `r8ctl --emulate --wire-log w.log auto run`, running until stop().
class Watcher {
public:
    Watcher(const R8ctlRig &rig, const QProcessEnvironment &base) : m_rig(rig) {
        QProcessEnvironment env = base;
        env.remove("R8_EMULATE");
        env.remove("R8_WIRE_LOG");
        env.insert("XDG_RUNTIME_DIR", m_runtime.path());
        m_p.setProcessEnvironment(env);
        m_p.setWorkingDirectory(rig.user.path());
        m_p.start(rig.exe, {"--emulate", "--wire-log", "w.log", "auto", "run"});
        m_p.waitForStarted();
    }
    ~Watcher() {
        if (m_p.state() != QProcess::NotRunning) {
            m_p.kill();
            m_p.waitForFinished();
        }
    }
    // Ends it as systemd does (SIGTERM); its exit code.
    int stop() {
        m_p.terminate();
        if (!m_p.waitForFinished(10000))
            return -1;
        return m_p.exitStatus() == QProcess::NormalExit ? m_p.exitCode() : -1;
    }
    QString output() {
        m_out += QString::fromUtf8(m_p.readAllStandardOutput());
        return m_out;
    }
    QString errors() { return QString::fromUtf8(m_p.readAllStandardError()); }

    // The report rates sent so far, in order: each test profile has its own.
    QList<int> rates() const {
        QList<int> sent;
        for (const WireLine &l : R8ctlRig::setCommands(m_rig.wireLog()))
            if (uchar(l.plain[0]) == 0x01)
                sent.append(uchar(l.plain[1]));
        return sent;
    }
    bool waitForRates(int count, int ms = 8000) {
        QElapsedTimer t;
        t.start();
        while (rates().size() < count && t.elapsed() < ms)
            QThread::msleep(50);
        return rates().size() >= count;
    }

private:
    const R8ctlRig &m_rig;
    QTemporaryDir m_runtime;
    QProcess m_p;
    QString m_out;
};

// Profiles told apart by their report rate: P01 500 Hz (2), P02 125 Hz (8), P03 250 Hz (4).
void writeProfiles(const R8ctlRig &rig) {
    const QList<QPair<int, int>> rates = {{1, 2}, {2, 8}, {3, 4}};
    for (const auto &[profile, code] : rates) {
        QFile f(rig.programFile(QString("modules/setting/p%1.bin").arg(profile)));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(QString("[sensor]\nreportRate_R8=%1\n").arg(code).toLatin1());
    }
}

TEST(R8ctlAuto, RulesRoundTripThroughAddListRemoveAndDefault) {
    R8ctlRig rig;
    EXPECT_EQ(rig.run({"auto", "add", "gimp*", "2"}).exitCode, 0);
    EXPECT_EQ(rig.run({"auto", "add", "class:Steam", "P03"}).exitCode, 0);
    const R8ctlRun added = rig.run({"auto", "add", "title:*YouTube - Mozilla*", "10"});
    EXPECT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_TRUE(added.out.contains("added: 3")) << added.out.toStdString();
    EXPECT_EQ(rig.run({"auto", "default", "1"}).exitCode, 0);

    R8ctlRun list = rig.run({"auto", "list"});
    EXPECT_EQ(list.out, "1  exe:gimp*  -> P02\n"
                        "2  class:Steam  -> P03\n"
                        "3  title:*YouTube - Mozilla*  -> P10\n"
                        "default -> P01\n");

    EXPECT_EQ(rig.run({"auto", "remove", "2"}).exitCode, 0);
    EXPECT_EQ(rig.run({"auto", "default", "none"}).exitCode, 0);
    const QJsonObject json = rig.run({"--json", "auto", "list"}).json();
    const QJsonArray rules = json["rules"].toArray();
    ASSERT_EQ(rules.size(), 2);
    EXPECT_EQ(rules[0].toObject()["match"].toString(), "exe:gimp*");
    EXPECT_EQ(rules[1].toObject()["match"].toString(), "title:*YouTube - Mozilla*");
    EXPECT_EQ(rules[1].toObject()["profile"].toString(), "P10");
    EXPECT_TRUE(json["default"].isNull());
}

TEST(R8ctlAuto, BadRulesExitTwoAndChangeNothing) {
    R8ctlRig rig;
    ASSERT_EQ(rig.run({"auto", "add", "gimp", "2"}).exitCode, 0);
    ASSERT_EQ(rig.run({"auto", "default", "3"}).exitCode, 0);
    const auto before = rig.snapshot();
    const QList<QStringList> bad = {
        {"auto", "add", "game", "11"},
        {"auto", "add", "game", "0"},
        {"auto", "add", "", "2"},
        {"auto", "add", "title:", "2"},
        {"auto", "add", "wine:game", "2"},
        {"auto", "add", "game"},
        {"auto", "remove", "2"},
        {"auto", "remove", "0"},
        {"auto", "remove", "x"},
        {"auto", "default", "11"},
        {"auto", "default"},
        {"auto", "frobnicate"},
        {"auto"},
        {"auto", "list", "extra"},
    };
    for (const QStringList &words : bad) {
        const R8ctlRun r = rig.run(words);
        EXPECT_EQ(r.exitCode, 2) << words.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty()) << words.join(' ').toStdString();
    }
    EXPECT_EQ(rig.snapshot(), before);
}

TEST(R8ctlAuto, ProgramRuleAppliesWhileTheProgramRunsThenTheDefault) {
    R8ctlRig rig;
    writeProfiles(rig);
    ASSERT_EQ(rig.run({"auto", "add", "r8-e2e-game*", "2"}).exitCode, 0);
    ASSERT_EQ(rig.run({"auto", "default", "1"}).exitCode, 0);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY"); // no focus here: the watcher says so and goes on with programs
    Watcher watcher(rig, env);
    ASSERT_TRUE(watcher.waitForRates(1)) << watcher.errors().toStdString();
    EXPECT_EQ(watcher.rates(), QList<int>{2});

    {
        NamedProcess game(rig.userFile("r8-e2e-game"));
        ASSERT_TRUE(watcher.waitForRates(2));
        EXPECT_EQ(watcher.rates(), (QList<int>{2, 8}));
        // A second program under the same rule changes nothing on the wire.
        NamedProcess again(rig.userFile("r8-e2e-game-2"));
        QThread::msleep(2500);
        EXPECT_EQ(watcher.rates().size(), 2);
    }
    ASSERT_TRUE(watcher.waitForRates(3));
    QThread::msleep(1500);
    EXPECT_EQ(watcher.rates(), (QList<int>{2, 8, 2}));
    // Everything the profile holds goes, as with `profile apply`: one whole apply per switch.
    int keyMatrices = 0;
    for (const WireLine &l : R8ctlRig::setCommands(rig.wireLog()))
        keyMatrices += uchar(l.plain[0]) == 0x12;
    EXPECT_EQ(keyMatrices, 3);

    EXPECT_EQ(watcher.stop(), 0);
    const QString out = watcher.output();
    EXPECT_TRUE(out.contains("no focused window can be read in this session (no X display)"))
        << out.toStdString();
    EXPECT_TRUE(out.contains("P02 applied (rule 1: exe:r8-e2e-game*)")) << out.toStdString();
    EXPECT_EQ(out.count("P01 applied (default)"), 2) << out.toStdString();
}

TEST(R8ctlAuto, FocusRulesSwitchBetweenTwoWindowsUnderX11) {
    X11Session x11;
    ASSERT_TRUE(x11.isReady()) << x11.problem();
    R8ctlRig rig;
    writeProfiles(rig);
    ASSERT_EQ(rig.run({"auto", "add", "class:Gimp", "2"}).exitCode, 0);
    ASSERT_EQ(rig.run({"auto", "add", "title:*YouTube*", "3"}).exitCode, 0);
    ASSERT_EQ(rig.run({"auto", "default", "1"}).exitCode, 0);

    TestWindow gimp(x11.display(), "gimp", "Gimp", "Untitled - GIMP");
    TestWindow browser(x11.display(), "Navigator", "firefox", "Cats - YouTube");
    QThread::msleep(200);
    ASSERT_TRUE(x11.activate(gimp.id()));

    Watcher watcher(rig, x11.environment());
    ASSERT_TRUE(watcher.waitForRates(1)) << watcher.errors().toStdString();
    EXPECT_EQ(watcher.rates(), QList<int>{8});

    ASSERT_TRUE(x11.activate(browser.id()));
    ASSERT_TRUE(watcher.waitForRates(2));
    ASSERT_TRUE(x11.activate(gimp.id()));
    ASSERT_TRUE(watcher.waitForRates(3));
    EXPECT_EQ(watcher.rates(), (QList<int>{8, 4, 8}));

    // The same window again, or a new title the same rule still takes: nothing is re-sent.
    ASSERT_TRUE(x11.activate(gimp.id()));
    gimp.setTitle("photo.xcf - GIMP");
    QThread::msleep(1000);
    EXPECT_EQ(watcher.rates().size(), 3);
    // The browser leaves the video: its title no longer matches, the default applies.
    ASSERT_TRUE(x11.activate(browser.id()));
    ASSERT_TRUE(watcher.waitForRates(4));
    browser.setTitle("Mozilla Firefox");
    ASSERT_TRUE(watcher.waitForRates(5));
    EXPECT_EQ(watcher.rates(), (QList<int>{8, 4, 8, 4, 2}));
    EXPECT_EQ(watcher.stop(), 0);
}

} // namespace
