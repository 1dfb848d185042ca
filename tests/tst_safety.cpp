// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/GameFixture.h"
#include "tests/Shown.h"
#include "app/SystemServices.h"
#include "engine/Rules.h"
#include "storage/Settings.h"
#include "tests/WindowFixture.h"
#include "storage/CodePage.h"
#include "storage/HighScores.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <functional>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// What the player earned survives a full disk, links and pipes in place of
// the game's files, pasted line breaks and a second copy of the game.
class TestSafety : public QObject
{
    Q_OBJECT

    static const QStringList &sevenWords()
    {
        static const QStringList words = {"PIANO", "CASSA", "OPERA", "PIZZA", "LUPUS", "MONTE", "TERRA"};
        return words;
    }

    // Five lost manches, the answer No: the result is entered, the
    // settings saved through "Fine", and the program ends.
    static void playToTheEnd(GameFixture &f)
    {
        f.game->Form_Load();
        f.window.playerName = "ROSSI";
        f.play(f.state().Solution);
        f.window.answers = {GameWindow::Answer::No};
        for (int m = 1; m <= Rules::Manches; ++m)
            f.loseManche();
        QVERIFY(f.game->ended());
    }

    static QStringList saveFailures(const FakeWindow &window)
    {
        QStringList texts;
        for (const FakeWindow::Box &box : window.boxes) {
            if (box.text.contains("non si può salvare")) {
                if (box.title != "TESMO" || box.buttons != GameWindow::Buttons::Ok)
                    return {"wrong box: " + box.title};
                texts << box.text;
            }
        }
        return texts;
    }

    // Runs body in a child process and returns its exit code.
    static int inChild(const std::function<int()> &body)
    {
        fflush(nullptr);
        const pid_t pid = fork();
        if (pid == 0)
            _exit(body());
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    static QStringList temporaries(const QDir &dir)
    {
        return dir.entryList({"*.tmp-*", "*.lock"}, QDir::AllEntries | QDir::Hidden | QDir::System);
    }

private slots:
    void initTestCase()
    {
        Fonts::install();
    }

    // Windows-1252, character for character, and capitals within it.
    void codePage_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("euro and apostrophe") << QString("€uro d’Arco") << QString("€URO D’ARCO")
                                             << QByteArray("\x80URO D\x92" "ARCO");
        QTest::newRow("sharp s keeps its length") << QString("straß") << QString("STRAß") << QByteArray("STRA\xdf");
        QTest::newRow("y diaeresis has its capital") << QString("ÿ") << QString("Ÿ") << QByteArray("\x9f");
        QTest::newRow("micro has none") << QString("µ") << QString("µ") << QByteArray("\xb5");
        QTest::newRow("accents") << QString("perché così") << QString("PERCHÉ COSÌ")
                                 << QByteArray("PERCH\xc9 COS\xcc");
        QTest::newRow("outside the code page") << QString("ωx") << QString("Ωx").toUpper()
                                               << QByteArray("?X");
    }
    void codePage()
    {
        QFETCH(QString, typed);
        QFETCH(QString, upper);
        QFETCH(QByteArray, bytes);
        QCOMPARE(CodePage::toUpper(typed), upper);
        QCOMPARE(CodePage::encode(upper), bytes);

        // Saved and read back through the settings file.
        StartedGame f;
        f.window.playerName = typed;
        f.game->Text2_LostFocus();
        QCOMPARE(f.file("Tesmo.ini"), "Nome=" + bytes + "\r\nSuono=-1\r\nTentativi=5\r\n");
        f.window.playerName.clear();
        f.game->Nuova_Click();
        QCOMPARE(f.window.playerName, CodePage::decode(bytes));
    }

    void everyByteReadsAndWritesBack()
    {
        QByteArray all(256, '\0');
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        QCOMPARE(CodePage::encode(CodePage::decode(all)), all);
        QCOMPARE(CodePage::decode("\x81\x8d\x8f\x90\x9d"), QStringView(u"\u0081\u008d\u008f\u0090\u009d").toString());
    }

    void guessWithSharpSIsRated()
    {
        GameFixture f;
        TestFiles::write(f.dir, "tesmodat.1", QByteArray("STRA\xdf.\r\nCASSA.\r\n"));
        f.game->Form_Load();
        QCOMPARE(f.state().Solution, QString("STRAß"));
        f.play("straß");
        QCOMPARE(f.state().Typed, QString("STRAß"));
        QCOMPARE(f.state().Solution, QString("CASSA"));  // found: the next word of the same manche
        QCOMPARE(f.window.manche, Shown::manche(1));
    }

    // A full disk: the old file stays byte for byte and the player is told.
    void fullDisk_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("limit");
        QTest::newRow("high scores at the end of a game") << "TESMO.HIS" << 250;
        // One byte short of the settings with the longest name (and the old file's voice, 2).
        const int settings = int(Settings::serialize(QString(Rules::NameLength, u'N'), 2, Rules::FewRows).size());
        QTest::newRow("settings on the way to the table") << "Tesmo.ini" << settings - 1;
        QTest::newRow("settings on leaving the name box") << "name box" << settings - 1;
        QTest::newRow("settings on choosing a voice") << "voice" << settings - 1;
        QTest::newRow("settings on switching the attempts") << "attempts" << settings - 1;
    }
    void fullDisk()
    {
        QFETCH(QString, file);
        QFETCH(int, limit);
        GameFixture f(sevenWords());
        const QByteArray oldTable = QByteArray("OLD, 10 \r\n").repeated(3);
        const QByteArray oldSettings = "Nome=OLD\r\nSuono=2\r\nTentativi=5\r\n";
        TestFiles::write(f.dir, "TESMO.HIS", oldTable);
        TestFiles::write(f.dir, "Tesmo.ini", oldSettings);

        const QString action = file;  // what saves: the end of a game, F3, or one of the settings' own saves
        if (file != "TESMO.HIS")
            file = "Tesmo.ini";
        const QByteArray old = file == "TESMO.HIS" ? oldTable : oldSettings;
        const int code = inChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit size{rlim_t(limit), rlim_t(limit)};
            setrlimit(RLIMIT_FSIZE, &size);
            if (file == "TESMO.HIS") {
                playToTheEnd(f);
            } else {
                f.game->Form_Load();
                f.window.playerName = QString(Rules::NameLength, u'N');
                if (action == "name box")
                    f.game->Text2_LostFocus();
                else if (action == "voice")
                    f.game->List1_Click();
                else if (action == "attempts")
                    f.game->Option2_Click();
                else
                    f.game->Command3d3_Click();
            }
            const QStringList failures = saveFailures(f.window);
            if (failures.size() != 1)
                return 10 + int(failures.size());
            // What is on screen is what was kept: the attempts come back to the file's.
            if (action == "attempts" && f.state().MaxAttempts != Rules::FewRows)
                return 3;
            if (file == "Tesmo.ini" && f.game->ended())  // and the game goes on
                return 4;
            return failures[0] == QString("Il file \"%1\" non si può salvare: disco pieno.").arg(file) ? 0 : 2;
        });
        QCOMPARE(code, 0);
        QCOMPARE(f.file(file), old);
        QCOMPARE(temporaries(f.dir), QStringList());
    }

    // A lock left by a copy that died (empty, or naming a process long gone)
    // or something else under a lock's name never holds a save up: the next
    // save succeeds at once and keeps what it carries.
    void deadLocks_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        for (const char *file : {"Tesmo.ini", "TESMO.HIS"}) {
            for (const char *kind : {"empty", "stale", "link", "dangling", "folder", "pipe", "socket"})
                QTest::addRow("%s.lock %s", file, kind) << file << kind;
        }
    }
    void deadLocks()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        GameFixture f(sevenWords());
        const QString lock = f.dir.filePath(file + ".lock");
        if (kind == "empty" || kind == "stale")
            TestFiles::write(f.dir, file + ".lock", kind == "stale" ? "999999\ntesmo\nelsewhere\n" : "");
        else
            QVERIFY(TestFiles::makeNode(lock, kind, f.dir.filePath(kind == "link" ? "tesmodat.1" : "gone")));
        QElapsedTimer took;
        took.start();
        if (file == "TESMO.HIS") {
            playToTheEnd(f);
            QVERIFY(f.file(file).startsWith("ROSSI, "));
        } else {
            f.game->Form_Load();
            f.window.playerName = "Lia";
            f.game->Text2_LostFocus();
            QVERIFY(f.file(file).startsWith("Nome=LIA\r\n"));
        }
        QVERIFY2(took.elapsed() < 2000, qPrintable(QString::number(took.elapsed())));
        QCOMPARE(saveFailures(f.window), QStringList());
        QVERIFY(f.file("tesmodat.1").size() > 0);  // nothing written through a link
    }

    // The folder removed under the running game: the save is told at once,
    // with no wait on a lock that cannot be made.
    void folderRemovedUnderTheGame()
    {
        StartedGame f(sevenWords());
        QVERIFY(f.folder.remove());
        f.window.playerName = "Lia";
        QElapsedTimer took;
        took.start();
        f.game->Text2_LostFocus();
        QVERIFY2(took.elapsed() < 2000, qPrintable(QString::number(took.elapsed())));
        QCOMPARE(saveFailures(f.window).size(), 1);
    }

    // Whatever lies under one of the game's names that is not a regular
    // file is left alone, never waited on, and never written through.
    void notARegularFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        for (const char *file : {"Tesmo.ini", "TESMO.HIS", "tesmodat.1"}) {
            QTest::addRow("%s link", file) << file << "link" << "il file è un collegamento";
            QTest::addRow("%s dangling link", file) << file << "dangling" << "il file è un collegamento";
            QTest::addRow("%s pipe", file) << file << "pipe" << "non è un file normale";
            QTest::addRow("%s socket", file) << file << "socket" << "non è un file normale";
            QTest::addRow("%s folder", file) << file << "folder" << "al posto del file c'è una cartella";
            QTest::addRow("%s read-only", file) << file << "read-only" << "il file è di sola lettura";
        }
    }
    void notARegularFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        GameFixture f(sevenWords());
        QTemporaryDir outside;
        const QString target = outside.filePath("target");
        const QByteArray kept = "Nome=OUT\r\nSuono=1\r\nTentativi=6\r\nPIANO*\r\n";
        TestFiles::write(QDir(outside.path()), "target", kept);
        const QString path = f.dir.filePath(file);
        QFile::remove(path);
        if (kind == "read-only")
            QVERIFY(QFile::copy(target, path) && QFile::setPermissions(path, QFile::ReadOwner));
        else
            QVERIFY(TestFiles::makeNode(path, kind, kind == "link" ? target : outside.filePath("missing")));

        playToTheEnd(f);

        QCOMPARE(TestFiles::read(QDir(outside.path()), "target"), kept);
        if (kind == "read-only")
            QCOMPARE(TestFiles::read(f.dir, file), kept);
        QVERIFY(!QFile::exists(outside.filePath("missing")));
        struct stat st;
        QCOMPARE(lstat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(S_ISLNK(st.st_mode), kind == "link" || kind == "dangling");
        QCOMPARE(S_ISFIFO(st.st_mode), kind == "pipe");
        QCOMPARE(S_ISSOCK(st.st_mode), kind == "socket");
        QCOMPARE(S_ISDIR(st.st_mode), kind == "folder");
        if (file == "tesmodat.1" && kind == "read-only") {
            // A list that can only be read still plays, unmarked, told once.
            QCOMPARE(f.state().Dictionary, qint16(1));
            int told = 0;
            for (const FakeWindow::Box &box : f.window.boxes)
                told += box.text.startsWith("Il file delle parole \"tesmodat.1\" non si può scrivere: le parole estratte");
            QCOMPARE(told, 1);
            QCOMPARE(saveFailures(f.window), QStringList());
        } else if (file == "tesmodat.1") {
            QVERIFY(f.window.boxes[0].text.contains("\"tesmodat.1\""));
            QCOMPARE(f.state().Dictionary, qint16(2));
            QCOMPARE(saveFailures(f.window), QStringList());
        } else {
            QCOMPARE(saveFailures(f.window),
                     QStringList(QString("Il file \"%1\" non si può salvare: %2.").arg(file, reason)));
        }
    }

    void pastedLineBreakEndsTheName()
    {
        Window w;
        QLineEdit *name = w->Text2;
        QApplication::clipboard()->setText("rossi\r\nMARIO\r\n");
        name->setFocus();
        name->selectAll();
        name->paste();
        QCOMPARE(name->text(), QString("rossi"));
        name->end(false);
        const QString pasted = "\tmario" + QString(Rules::NameLength, u'x');
        QApplication::clipboard()->setText(pasted);
        name->paste();
        // The box takes what fits its length, the tab included, then drops the tab.
        const int xs = Rules::NameLength - int(QStringLiteral("rossi\tmario").size());
        QCOMPARE(name->text(), "rossimario" + QString(xs, u'x'));
        w->Text1->setFocus();
        QCOMPARE(w.file("Tesmo.ini"),
                 "Nome=ROSSIMARIO" + QByteArray(xs, 'X') + "\r\nSuono=-1\r\nTentativi=5\r\n");
    }

    // The name box takes only what the files can store, so what the player
    // sees is what comes back at the next start, byte for byte.
    void nameBoxTakesWhatTheFilesKeep_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("accents and the euro") << QStringLiteral("Zoë €") << QStringLiteral("ZOË €");
        QTest::newRow("Cyrillic") << QStringLiteral("Лиа Lia") << QStringLiteral(" LIA");
        QTest::newRow("emoji") << QStringLiteral("Lia 😀") << QStringLiteral("LIA ");
        QTest::newRow("bidirectional override") << QStringLiteral("\u202EaiL") << QStringLiteral("AIL");
    }
    void nameBoxTakesWhatTheFilesKeep()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        Window w;
        w->Text2->setFocus();
        w->Text2->selectAll();
        w->Text2->insert(typed);
        w->Text1->setFocus();  // leaving the box saves the name
        kept = kept.trimmed();
        QCOMPARE(w->Text2->text(), kept);
        QCOMPARE(w.file("Tesmo.ini").split('\r').first(), "Nome=" + CodePage::encode(kept));
        w->game().Nuova_Click();  // read back at the next game
        QCOMPARE(w->Text2->text(), kept);
    }

    // A name with a line break from elsewhere never splits a line.
    void lineBreakNeverReachesTheFiles()
    {
        StartedGame f(sevenWords());
        f.window.playerName = "ROSSI\r\nMARIO";
        f.game->Command3d3_Click();
        QCOMPARE(f.file("Tesmo.ini"), QByteArray("Nome=ROSSIMARIO\r\nSuono=-1\r\nTentativi=5\r\n"));
        f.enterResult("ROSSI\r\nMARIO", 10);
        QCOMPARE(f.file("TESMO.HIS").count("\r\n"), 50);
        QVERIFY(f.file("TESMO.HIS").startsWith("ROSSIMARIO, 10 \r\n"));
    }

    // Two copies of the game store their results at the same time.
    void twoProcessesKeepEveryResult()
    {
        QTemporaryDir folder;
        QList<QProcess *> children;
        for (const char *prefix : {"A", "B"}) {
            auto *child = new QProcess(this);
            child->start(QCoreApplication::applicationFilePath(), {"--store", folder.path(), prefix, "25"});
            children << child;
        }
        for (QProcess *child : children) {
            QVERIFY(child->waitForFinished(60000));
            QCOMPARE(child->exitCode(), 0);
        }
        HighScores::Table table;
        HighScores::load(TestFiles::read(QDir(folder.path()), "TESMO.HIS"), &table);
        QSet<QString> names;
        for (int i = 0; i < Rules::HighScoreRanks; ++i)
            names << table[i].Name;
        int kept = 0;
        for (const char *prefix : {"A", "B"}) {
            for (int i = 1; i <= 25; ++i)
                kept += names.contains(prefix + QString::number(i));
        }
        qInfo("results kept by two processes: %d of 50", kept);
        QCOMPARE(kept, 50);
    }

    // Two copies of the game drawing from one list never draw the same word
    // while free words remain.
    void twoProcessesDrawDifferentWords()
    {
        QTemporaryDir folder;
        QStringList words;
        for (int i = 0; i < 6000; ++i)
            words << QString(QChar(u'A' + i / 676 % 26)) + QChar(u'A' + i / 26 % 26) + QChar(u'A' + i % 26) + "XY";
        TestFiles::write(QDir(folder.path()), "tesmodat.1", TestFiles::wordList(words));
        QList<QProcess *> children;
        for (int i = 0; i < 2; ++i) {
            auto *child = new QProcess(this);
            child->start(QCoreApplication::applicationFilePath(), {"--draw", folder.path(), "2500"});
            children << child;
        }
        QStringList drawn;
        for (QProcess *child : children) {
            QVERIFY(child->waitForFinished(60000));
            QCOMPARE(child->exitCode(), 0);
            drawn << QString::fromLatin1(child->readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        }
        QCOMPARE(drawn.size(), 5000);
        QCOMPARE(QSet<QString>(drawn.begin(), drawn.end()).size(), drawn.size());
        QCOMPARE(TestFiles::read(QDir(folder.path()), "tesmodat.1").count('*'), 5000);
    }

    void leftoversOfASaveAreRemovedAtStart()
    {
        GameFixture f;
        const QStringList leftovers = {"TESMO.HIS.tmp-Ab12Cd", "Tesmo.ini.tmp-x9Y8z7", "TESMO.HIS.kYCUmy",
                                       "tesmodat.1.tmp-q1W2e3", "tesmodat.2.Zx81Qp", "tesmo.his.TMP-Ab12Cd"};
        const QStringList others = {"TESMO.HIS.backup",       "TESMO.HIS.BACKUP",     "notes.tmp-Ab12Cd",
                                    "tesmodat.1.backup",      "TESMO.HIS.tmp-Ab12Cd9", "TESMO.HIS.tmp-Ab1_Cd",
                                    "TESMO.HIS.tmp-Ab12C",    "TESMO.HISx.kYCUmy",    "TESMO.HIS.kYCUmé"};
        for (const QString &name : leftovers + others)
            TestFiles::write(f.dir, name, "x");
        f.game->Form_Load();
        for (const QString &name : leftovers)
            QVERIFY2(!QFile::exists(f.dir.filePath(name)), qPrintable(name));
        for (const QString &name : others)
            QVERIFY2(QFile::exists(f.dir.filePath(name)), qPrintable(name));
    }

    void pointsStopAtTheLimit()
    {
        StartedGame f({"PIANO"});
        f.state().Points = std::numeric_limits<qint32>::max() - 5;
        f.play("PIAXX");
        QCOMPARE(f.state().Points, std::numeric_limits<qint32>::max());
        f.play("PIANO");
        QCOMPARE(f.state().Points, std::numeric_limits<qint32>::max());
    }
};

// "--store folder prefix n": stores n results named prefix1 .. prefixn, with
// scores that all fit the table, as the end of n games does.
static int storeResults(const QStringList &args)
{
    GameFixture f;
    f.playIn(QDir(args[0]));
    const int count = args[2].toInt();
    for (int i = 1; i <= count; ++i) {
        f.state().PlayerName = args[1] + QString::number(i);
        f.state().Points = 1000 + 2 * i + (args[1] == "B");
        f.game->setResultPending(true);
        f.game->AGGIORNARECORD();
        if (!f.window.boxes.isEmpty())
            return 1;
    }
    return 0;
}

// "--draw folder n": draws n words from the folder's first list, one a line
// on standard output, as n manche starts do.
static int drawWords(const QStringList &args)
{
    GameFixture f;
    SystemRandom random;
    f.playIn(QDir(args[0]), &random);
    f.state().Dictionary = 1;
    for (int i = args[1].toInt(); i > 0; --i) {
        f.game->ESTRAIPAROLA();
        std::printf("%s\n", qPrintable(f.state().Solution));
    }
    return f.window.boxes.isEmpty() ? 0 : 1;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == "--store")
        return storeResults(args.mid(2));
    if (args.size() == 4 && args[1] == "--draw")
        return drawWords(args.mid(2));
    TestSafety test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_safety.moc"
