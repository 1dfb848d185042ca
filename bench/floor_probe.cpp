// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The floors: bare Qt Widgets windows doing the least the game's window does.
//   floor_probe launch    a window with a label, up to its first frame
//   floor_probe enter N   a line edit and a label: Enter puts the text in the label, painted at once
//   floor_probe row N     a label repainted five times, each followed by a half-second sleep
//   floor_probe idle S    a label showing the seconds, refreshed by a 500 ms timer

#include "bench/Probe.h"

#include <QLabel>
#include <QLineEdit>
#include <QThread>

#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QByteArray mode = argc > 1 ? argv[1] : "launch";
    const int count = argc > 2 ? std::atoi(argv[2]) : 10;

    QWidget window;
    window.resize(586, 465);
    auto *label = new QLabel(QStringLiteral("0 Sec"), &window);
    label->setGeometry(20, 20, 120, 40);

    if (mode == "launch") {
        Probe::FirstFrame frame(&window);
        window.show();
        return app.exec();
    }

    if (mode == "enter") {
        auto *edit = new QLineEdit(&window);
        edit->setGeometry(20, 80, 180, 40);
        double painted = 0;
        QObject::connect(edit, &QLineEdit::returnPressed, [&] {
            label->setText(edit->text());
            label->repaint();
            painted = Probe::now();
        });
        window.show();
        Probe::waitExposed(&window);
        Probe::settle(0.2);
        for (int k = 0; k < count; ++k) {
            edit->clear();
            Probe::typeText(edit, k % 2 ? QStringLiteral("QQQQQ") : QStringLiteral("ZZZZZ"));
            Probe::settle(0.02);
            const double start = Probe::now();
            Probe::pressEnter(edit);
            Probe::report("enter_ms", (painted - start) * 1000);
        }
        return 0;
    }

    if (mode == "row") {
        window.show();
        Probe::waitExposed(&window);
        Probe::settle(0.2);
        for (int k = 0; k < count; ++k) {
            const Probe::Usage before = Probe::usage();
            for (int cell = 0; cell < 5; ++cell) {
                label->setText(QString::number(k * 5 + cell));
                label->repaint();
                QThread::usleep(500000);
            }
            const Probe::Usage after = Probe::usage();
            Probe::report("row_cpu_ms", (after.cpu - before.cpu) * 1000);
            Probe::report("row_wakeups", after.switches - before.switches);
            Probe::settle(0.05);
        }
        return 0;
    }

    if (mode == "idle") {
        QTimer timer;
        timer.setInterval(500);
        const double start = Probe::now();
        QObject::connect(&timer, &QTimer::timeout, [&] {
            label->setText(QString::number(int(Probe::now() - start)) + QStringLiteral(" Sec"));
        });
        timer.start();
        window.show();
        Probe::waitExposed(&window);
        Probe::idle(count);
        return 0;
    }
    return 2;
}
