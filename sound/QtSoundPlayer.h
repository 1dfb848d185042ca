#pragma once

#include "engine/Platform.h"

#include <QDir>
#include <QThread>

class SoundWorker;

// Plays the voices with Qt Multimedia on a thread of its own, so that a clip
// goes on sounding while the game pauses after starting it. A file that
// cannot be found gives the system's beep instead; with no sound device or
// sound server nothing is heard and nothing is reported.
class QtSoundPlayer : public SoundPlayer
{
public:
    explicit QtSoundPlayer(const QDir &programDir);
    ~QtSoundPlayer() override;

    void play(const QString &fileName) override;

protected:
    // Hands the clip to the sound thread; returns at once.
    virtual void startPlayback(const QString &path);
    // The system's own sound, for a clip that cannot be found.
    virtual void defaultSound();

private:
    QDir m_dir;
    QThread m_thread;
    SoundWorker *m_worker = nullptr;
};
