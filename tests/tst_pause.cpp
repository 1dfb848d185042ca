// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/GameFixture.h"
#include "app/SystemServices.h"
#include "engine/Rules.h"
#include "storage/FileNames.h"

#include <QElapsedTimer>
#include <QtEndian>
#include <QTime>

#include <cmath>
#include <QtTest>

// The pause after every voice: the file it plays, a pause long enough for
// it, and one real pause.
class TestPause : public QObject
{
    Q_OBJECT

    // How long a wave file plays: its sound data over its bytes a second.
    static double clipSeconds(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 0;
        const QByteArray bytes = file.readAll();
        quint32 bytesPerSecond = 0;
        for (qsizetype at = 12; at + 8 <= bytes.size();) {
            const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
            if (bytes.mid(at, 4) == "fmt " && size >= 12)
                bytesPerSecond = qFromLittleEndian<quint32>(bytes.constData() + at + 16);
            if (bytes.mid(at, 4) == "data")
                return bytesPerSecond ? double(size) / bytesPerSecond : 0;
            at += 8 + size + (size & 1);
        }
        return 0;
    }

private slots:
    // Every announcement is heard whole: after each clip the game waits at
    // least as long as the clip lasts, for every sound it plays in either
    // voice; with no voice, or none chosen, it waits as with the first.
    void everyClipFitsItsPause_data()
    {
        QTest::addColumn<QString>("sound");
        QTest::addColumn<int>("voice");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("recording");  // what is heard: in Italian, or the English voices' one
        for (const char *sound : {"TESMO", "Tesmo", "Si", "si", "c'e", "No", "Ciao"}) {
            for (const QString suffix : {"", ".en"}) {
                const QString one = QString::fromLatin1(sound), two = one + QStringLiteral("-1");
                QTest::addRow("%s, voice 1%s", sound, qPrintable(suffix)) << sound << 1 << one + ".wav" << one + suffix + ".wav";
                QTest::addRow("%s, voice 2%s", sound, qPrintable(suffix)) << sound << 2 << two + ".wav" << two + suffix + ".wav";
            }
        }
    }
    void everyClipFitsItsPause()
    {
        QFETCH(QString, sound);
        QFETCH(int, voice);
        QFETCH(QString, file);
        QFETCH(QString, recording);
        GameFixture f;
        f.window.voice = voice;
        int sleeps = 0;
        f.clock.onSleep = [&] { ++sleeps; };
        f.game->SUONA(sound);
        QCOMPARE(f.sound.played, QStringList{file});
        QCOMPARE(sleeps, 1);  // one sleep for the whole pause
        QCOMPARE(f.window.log.count("pause"), 1);
        const double clip = clipSeconds(FileNames::resolve(QDir(QStringLiteral(TESMO_DATA_DIR)), recording));
        QVERIFY2(clip > 0, qPrintable(recording));
        QVERIFY2(f.clock.slept >= clip, qPrintable(QStringLiteral("%1 lasts %2 s, the pause %3 s").arg(recording).arg(clip).arg(f.clock.slept)));
        if (voice != 1)
            return;
        for (int silent : {0, -1}) {
            GameFixture quiet;
            quiet.window.voice = silent;
            quiet.game->SUONA(sound);
            QVERIFY(quiet.sound.played.isEmpty());
            QCOMPARE(quiet.clock.slept, f.clock.slept);
        }
    }

    // A row of five announcements with no voice waits as long as with the
    // first voice: c'e, No, c'e, No, c'e.
    void rowOfAnnouncementsWithNoVoice()
    {
        GameFixture f;
        f.window.voice = 0;
        GameState &g = f.state();
        g.Solution = "PIANO";
        g.Guess = g.Typed = "OPERA";
        g.Attempt = 2;
        f.game->VALUTARIGA();
        QVERIFY(f.sound.played.isEmpty());
        GameFixture voiced;
        voiced.window.voice = 1;
        for (const char *sound : {"c'e", "No", "c'e", "No", "c'e"})
            voiced.game->SUONA(QString::fromLatin1(sound));
        QCOMPARE(f.clock.slept, voiced.clock.slept);
    }

    void pauseAcrossMidnightEnds()
    {
        GameFixture f;
        f.clock.now = 86399.8;
        f.game->SUONA("Ciao");
        QVERIFY(f.clock.now < 1.0);
        QVERIFY(f.clock.slept < 0.7);
    }

    // The one test on the real clock: the pause really sleeps for its length.
    void realPause()
    {
        GameFixture f;
        SystemClock clock;
        TesmoGame game({.clock = &clock, .random = &f.random, .sound = &f.sound, .programDir = f.dir, .window = &f.window});
        QElapsedTimer timer;
        timer.start();
        game.SUONA("No");
        const qint64 ms = timer.elapsed();
        const qint64 pause = qint64(1000 * QStringLiteral("No.wav").size() / Rules::PauseCharactersPerSecond);
        QVERIFY2(ms >= pause - 10 && ms < pause + 4500, qPrintable(QString::number(ms)));
        // It reads the local time of day.
        const double gap = std::abs(clock.secondsSinceMidnight() - QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
        QVERIFY2(std::min(gap, 86400 - gap) < 0.5, qPrintable(QString::number(gap)));
    }
};

QTEST_GUILESS_MAIN(TestPause)
#include "tst_pause.moc"
