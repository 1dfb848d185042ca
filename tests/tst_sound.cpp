#include "TestFiles.h"
#include "sound/QtSoundPlayer.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// The real player with its output replaced by a record of what it would play.
class RecordingPlayer : public QtSoundPlayer
{
public:
    using QtSoundPlayer::QtSoundPlayer;
    QStringList started;
    int beeps = 0;

protected:
    void startPlayback(const QString &path) override { started << QFileInfo(path).fileName(); }
    void defaultSound() override { ++beeps; }
};

} // namespace

// Which recording a sound name reaches, and what happens without one.
class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void filesWhateverTheirCase_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("played");
        QTest::newRow("TESMO") << "TESMO.wav" << "Tesmo.wav";
        QTest::newRow("Tesmo") << "Tesmo.wav" << "Tesmo.wav";
        QTest::newRow("si") << "si.wav" << "Si.wav";
        QTest::newRow("second voice") << "c'e-1.wav" << "c'e-1.wav";
        QTest::newRow("missing") << "Ciao.wav" << "";
    }
    void filesWhateverTheirCase()
    {
        QFETCH(QString, asked);
        QFETCH(QString, played);
        QTemporaryDir folder;
        const QDir dir(folder.path());
        for (const char *name : {"Tesmo.wav", "Si.wav", "c'e-1.wav"})
            TestFiles::write(dir, name, "RIFF");
        RecordingPlayer player(dir);
        player.play(asked);
        QCOMPARE(player.started, played.isEmpty() ? QStringList() : QStringList{played});
        QCOMPARE(player.beeps, played.isEmpty() ? 1 : 0);
    }

    // With no sound device here, playing real clips one after another neither
    // blocks nor fails.
    void realClipsWithoutADevice()
    {
        const QDir data(QStringLiteral(TESMO_DATA_DIR));
        QtSoundPlayer player(data);
        for (const char *name : {"Si.wav", "No-1.wav", "c'e.wav", "Tesmo.wav"})
            player.play(QString::fromLatin1(name));
        QTest::qWait(200);
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
