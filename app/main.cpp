#include "SystemServices.h"
#include "sound/QtSoundPlayer.h"
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
    QtSoundPlayer sound(programDir);

    Form1 form(Form1::Services{&clock, &random, &sound, programDir});
    form.load();
    if (form.terminated())
        return 0;
    form.show();
    return app.exec();
}
