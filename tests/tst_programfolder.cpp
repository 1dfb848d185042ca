// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/GameFixture.h"
#include "tests/TestFiles.h"
#include "app/ProgramFolder.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Where the game works: beside a copy it can write into, or in the player's
// own folder for an installed copy, with the shipped lists copied there once.
class TestProgramFolder : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    QDir root() const { return QDir(m_root.path()); }

private slots:
    void init()
    {
        QVERIFY(m_root.isValid());
        QVERIFY(root().removeRecursively());
        QVERIFY(root().mkpath(QStringLiteral(".")));
    }

    void writableCopyWorksBesideItself()
    {
        QVERIFY(root().mkpath(QStringLiteral("portable")));
        const QDir portable(root().filePath(QStringLiteral("portable")));
        TestFiles::write(portable, "TESMODAT.1", TestFiles::wordList({"PIANO", "CASSA"}));
        const QString user = root().filePath(QStringLiteral("user/tesmo"));

        const ProgramFolder::Choice choice = ProgramFolder::choose(portable.path(), QStringLiteral("../share"), user);
        QVERIFY(choice.ok);
        QCOMPARE(choice.program.absolutePath(), portable.absolutePath());
        QCOMPARE(choice.installed.absolutePath(), portable.absolutePath());
        QVERIFY(!QFileInfo::exists(user));
    }

    void installedCopyWorksInThePlayersFolder()
    {
        QVERIFY(root().mkpath(QStringLiteral("usr/games")));
        QVERIFY(root().mkpath(QStringLiteral("usr/share/games/tesmo")));
        const QDir shipped(root().filePath(QStringLiteral("usr/share/games/tesmo")));
        const QByteArray list1 = TestFiles::wordList({"PIANO", "CASSA", "OPERA", "PIZZA"});
        const QByteArray list2 = TestFiles::wordList({"HOUSE", "WATER"});
        TestFiles::write(shipped, "tesmodat.1", list1);
        TestFiles::write(shipped, "tesmodat.2", list2);
        TestFiles::write(shipped, "Si.wav", "RIFF");
        for (const QString &name : {QStringLiteral("tesmodat.1"), QStringLiteral("tesmodat.2")})
            QVERIFY(QFile::setPermissions(shipped.filePath(name), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        // The player has played an older first list: its marks stay.
        const QDir user(root().filePath(QStringLiteral("home/.local/share/tesmo")));
        QVERIFY(user.mkpath(QStringLiteral(".")));
        const QByteArray played = TestFiles::wordList({"PIANO", "CASSA", "OPERA"}, {"CASSA"});
        TestFiles::write(user, "Tesmodat.1", played);

        const ProgramFolder::Choice choice =
            ProgramFolder::choose(root().filePath(QStringLiteral("usr/games")), QStringLiteral("../share/games/tesmo"),
                                  user.path());
        QVERIFY(choice.ok);
        QCOMPARE(choice.program.absolutePath(), user.absolutePath());
        QCOMPARE(choice.installed.absolutePath(), shipped.absolutePath());
        QCOMPARE(TestFiles::read(user, "Tesmodat.1"),
                 TestFiles::wordList({"PIANO", "CASSA", "OPERA", "PIZZA"}, {"CASSA"}));
        QVERIFY(!QFileInfo::exists(user.filePath(QStringLiteral("tesmodat.1"))));
        QCOMPARE(TestFiles::read(user, "tesmodat.2"), list2);
        QVERIFY(QFileInfo(user.filePath(QStringLiteral("tesmodat.2"))).permission(QFile::WriteOwner));
        QVERIFY(!QFileInfo::exists(user.filePath(QStringLiteral("Si.wav"))));
    }

    void noFolderToWriteIn()
    {
        // A path below a plain file can be neither made nor written, not even by root.
        TestFiles::write(root(), "plain-file", "x");
        const ProgramFolder::Choice choice =
            ProgramFolder::choose(root().filePath(QStringLiteral("plain-file/bin")), QString(),
                                  root().filePath(QStringLiteral("plain-file/tesmo")));
        QVERIFY(!choice.ok);
        QVERIFY(ProgramFolder::failureMessage(choice.program.absolutePath())
                    .contains(root().filePath(QStringLiteral("plain-file/tesmo"))));
    }

    // The player's folder from the environment: a relative XDG_DATA_HOME is
    // ignored, and without a usable HOME the account's home is taken, never
    // the filesystem's root.
    void userFolderFromTheEnvironment_data()
    {
        QTest::addColumn<QByteArray>("xdg");   // "-" unset
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("expected");  // "~" the account's home
        QTest::newRow("XDG_DATA_HOME") << QByteArray("/srv/data/") << QByteArray("/home/lia") << "/srv/data/tesmo";
        QTest::newRow("relative XDG_DATA_HOME") << QByteArray("data") << QByteArray("/home/lia") << "/home/lia/.local/share/tesmo";
        QTest::newRow("empty XDG_DATA_HOME") << QByteArray("") << QByteArray("/home/lia") << "/home/lia/.local/share/tesmo";
        QTest::newRow("HOME unset") << QByteArray("-") << QByteArray("-") << "~/.local/share/tesmo";
        QTest::newRow("relative HOME") << QByteArray("-") << QByteArray("lia") << "~/.local/share/tesmo";
        QTest::newRow("HOME the root") << QByteArray("-") << QByteArray("/") << "~/.local/share/tesmo";
    }
    void userFolderFromTheEnvironment()
    {
        QFETCH(QByteArray, xdg);
        QFETCH(QByteArray, home);
        QFETCH(QString, expected);
        const QByteArray oldXdg = qgetenv("XDG_DATA_HOME"), oldHome = qgetenv("HOME");
        const bool hadXdg = qEnvironmentVariableIsSet("XDG_DATA_HOME"), hadHome = qEnvironmentVariableIsSet("HOME");
        const auto set = [](const char *name, const QByteArray &value) {
            if (value == "-")
                qunsetenv(name);
            else
                qputenv(name, value);
        };
        set("XDG_DATA_HOME", xdg);
        set("HOME", home);
        const QString folder = ProgramFolder::userFolder();
        set("XDG_DATA_HOME", hadXdg ? oldXdg : QByteArray("-"));
        set("HOME", hadHome ? oldHome : QByteArray("-"));
        const passwd *account = getpwuid(getuid());
        QVERIFY(account && QByteArray(account->pw_dir) != "/");
        expected.replace(u'~', QFile::decodeName(account->pw_dir));
        QCOMPARE(folder, expected);
        QVERIFY(!folder.startsWith("/.local"));
    }

    // A full disk at the first start is named as a full disk.
    void fullDiskAtTheFirstStart()
    {
        QVERIFY(root().mkpath(QStringLiteral("usr/games")) && root().mkpath(QStringLiteral("usr/share/tesmo")));
        TestFiles::write(QDir(root().filePath("usr/share/tesmo")), "tesmodat.1", TestFiles::wordList({"PIANO", "CASSA"}));
        const QString user = root().filePath(QStringLiteral("home/tesmo"));
        std::fflush(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit size{4, 4};  // room for less than one word
            setrlimit(RLIMIT_FSIZE, &size);
            const ProgramFolder::Choice choice =
                ProgramFolder::choose(root().filePath("usr/games"), QStringLiteral("../share/tesmo"), user);
            const QString message = ProgramFolder::failureMessage(choice.program.absolutePath(), choice.error);
            _exit(!choice.ok && message.endsWith(QStringLiteral("il disco della cartella \"%1\" è pieno.").arg(user)) ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(QDir(user).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // The folder swapped for a link while the game runs: the game goes on in
    // the folder it found, and writes nothing where the link points.
    void folderSwappedForALinkIsNotFollowed()
    {
        QTemporaryDir root;
        QDir top(root.path());
        QVERIFY(top.mkdir("game") && top.mkdir("other"));
        GameFixture f;
        TestFiles::write(QDir(top.filePath("game")), "tesmodat.1", TestFiles::wordList({"PIANO", "CASSA", "OPERA"}));
        const QDir pinned = ProgramFolder::pin(QDir(top.filePath("game")));
        f.playIn(pinned);
        TesmoGame &game = *f.game;
        game.Form_Load();
        QVERIFY(top.rename("game", "moved"));
        QVERIFY(QFile::link(top.filePath("other"), top.filePath("game")));
        f.window.playerName = "Lia";
        game.Text2_LostFocus();          // a settings save
        f.window.guess = game.state().Solution;
        game.Command3d2_Click();         // a word found: the next draw
        game.state().PlayerName = "LIA";
        game.setResultPending(true);
        game.AGGIORNARECORD();           // a stored result
        QCOMPARE(f.window.boxes.size(), 0);
        const QDir moved(top.filePath("moved"));
        QVERIFY(TestFiles::read(moved, "Tesmo.ini").startsWith("Nome=LIA\r\n"));
        QVERIFY(TestFiles::read(moved, "TESMO.HIS").startsWith("LIA, "));
        QCOMPARE(TestFiles::read(moved, "tesmodat.1").count('*'), 2);
        QCOMPARE(QDir(top.filePath("other")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
