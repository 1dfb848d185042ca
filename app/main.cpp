#include "SystemServices.h"
#include "sound/OpenAlSoundPlayer.h"
#include "ui/Fonts.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tesmo"));
    Fonts::install();

    // The program's folder holds the word lists, the voices and the files the
    // game writes; it is also the folder the game works in.
    const QDir programDir(QCoreApplication::applicationDirPath());
    QDir::setCurrent(programDir.absolutePath());

    SystemClock clock;
    SystemRandom random;
    OpenAlSoundPlayer sound(programDir);

    Form1 form(Form1::Services{&clock, &random, &sound, programDir});
    form.load();
    int status = 0;
    if (!form.terminated()) {
        form.show();
        status = app.exec();
    }
    // The game ends right after starting its goodbye: let it be heard.
    sound.waitForLastClip();
    return status;
}
