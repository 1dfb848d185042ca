#include "QtSoundPlayer.h"

#include "storage/FileNames.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

class SoundWorker : public QObject
{
    Q_OBJECT
public slots:
    void play(const QString &path)
    {
        // One effect at a time: a new clip replaces the one still playing.
        if (!m_effect)
            m_effect = new QSoundEffect(this);
        m_effect->stop();
        m_effect->setSource(QUrl::fromLocalFile(path));
        m_effect->play();
    }

private:
    QSoundEffect *m_effect = nullptr;
};

QtSoundPlayer::QtSoundPlayer(const QDir &programDir)
    : m_dir(programDir)
{
    m_worker = new SoundWorker;
    m_worker->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("tesmo-sound"));
    m_thread.start();
}

QtSoundPlayer::~QtSoundPlayer()
{
    m_thread.quit();
    m_thread.wait();
}

void QtSoundPlayer::play(const QString &fileName)
{
    const QString path = FileNames::resolve(m_dir, fileName);
    if (QFileInfo(path).isFile())
        startPlayback(path);
    else
        defaultSound();
}

void QtSoundPlayer::startPlayback(const QString &path)
{
    QMetaObject::invokeMethod(m_worker, "play", Qt::QueuedConnection, Q_ARG(QString, path));
}

void QtSoundPlayer::defaultSound()
{
    QApplication::beep();
}

#include "QtSoundPlayer.moc"
