// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures the game beside bare Qt windows and plain sequential file access,
// taking the runs of the two in turn, and prints medians and ranges.
//   tesmo_bench            the full set (about five minutes; run it under X)
//   tesmo_bench --quick    fewer and shorter runs, for a first look
// The probes tesmo_probe and floor_probe are looked for beside this program.

#include "storage/WordList.h"
#include "WordLists.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

double now()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

struct Samples
{
    std::vector<double> values;
    void add(double v) { values.push_back(v); }
    double median() const
    {
        if (values.empty())
            return 0;
        std::vector<double> v = values;
        std::sort(v.begin(), v.end());
        const size_t n = v.size();
        return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }
    double min() const { return values.empty() ? 0 : *std::min_element(values.begin(), values.end()); }
    double max() const { return values.empty() ? 0 : *std::max_element(values.begin(), values.end()); }
};

using Results = std::map<std::string, Samples>;

QString g_probeDir;

// Runs a probe, collects its "key value" lines; "wall_first_ms" is the time
// from the start of the process to its first line.
void runProbe(const QString &program, const QStringList &args, Results *results)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    const QByteArray path = QFile::encodeName(g_probeDir + QLatin1Char('/') + program);
    std::vector<QByteArray> argBytes{path};
    for (const QString &a : args)
        argBytes.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &a : argBytes)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const double start = now();
    if (posix_spawn(&pid, path.constData(), &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", path.constData());
        return;
    }
    close(pipeFds[1]);
    posix_spawn_file_actions_destroy(&actions);
    QByteArray output;
    char buffer[4096];
    double first = 0;
    for (;;) {
        const ssize_t got = read(pipeFds[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        if (first == 0)
            first = now();
        output.append(buffer, got);
    }
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    (*results)["wall_first_ms"].add((first - start) * 1000);
    for (const QByteArray &line : output.split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2)
            (*results)[parts[0].toStdString()].add(parts[1].toDouble());
    }
}

// ---------------------------------------------------------------- word lists

QByteArray makeList(qint64 records, char mark)
{
    QByteArray bytes(records * WordList::RecordSize, Qt::Uninitialized);
    char *p = bytes.data();
    for (qint64 k = 0; k < records; ++k, p += 8) {
        qint64 n = k;
        for (int c = 4; c >= 0; --c, n /= 26)
            p[c] = char('A' + n % 26);
        p[5] = mark;
        p[6] = '\r';
        p[7] = '\n';
    }
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

void setMark(const QString &path, qint64 record, char mark)
{
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    file.seek((record - 1) * WordList::RecordSize + 5);
    file.write(&mark, 1);
}

double timed(const std::function<void()> &work)
{
    const double start = now();
    work();
    return (now() - start) * 1000;
}

// The draw as the game makes it: open, draw, close.
void drawOnce(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    WordList::draw(file, 0.0, {});
}

// The floors: one sequential pass over the file, reading; reading and writing back.
void sequentialPass(const QString &path, bool writeBack)
{
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    QByteArray block(65536, Qt::Uninitialized);
    for (qint64 at = 0;; at += block.size()) {
        file.seek(at);
        const qint64 got = file.read(block.data(), block.size());
        if (got <= 0)
            break;
        if (writeBack) {
            file.seek(at);
            file.write(block.constData(), got);
        }
    }
}

void wordListBench(const QString &folder, int runs, std::map<std::string, Results> *all)
{
    for (qint64 records : {3000LL, 100000LL, 1000000LL}) {
        const std::string size = records == 3000 ? "3k" : records == 100000 ? "100k" : "1M";
        const QString path = folder + QStringLiteral("/list");
        const QByteArray drawn = makeList(records, '*');
        writeFile(path, drawn);
        // Worst draw: only the last record free, the scan starting at the first.
        for (int k = 0; k < runs; ++k) {
            setMark(path, records, '.');
            (*all)["draw " + size]["tesmo"].add(timed([&] { drawOnce(path); }));
            (*all)["draw " + size]["floor"].add(timed([&] { sequentialPass(path, false); }));
        }
        // Release: every record drawn; the draw rewrites the whole list.
        for (int k = 0; k < runs; ++k) {
            writeFile(path, drawn);
            (*all)["release " + size]["tesmo"].add(timed([&] { drawOnce(path); }));
            (*all)["release " + size]["floor"].add(timed([&] { sequentialPass(path, true); }));
        }
    }
}

QString cpuModel()
{
    QFile file(QStringLiteral("/proc/cpuinfo"));
    file.open(QIODevice::ReadOnly);
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("model name"))
            return QString::fromLatin1(line.mid(line.indexOf(':') + 1).trimmed());
    }
    return QStringLiteral("unknown");
}

void row(const char *what, const Samples &tesmo, const Samples &floor, const char *target)
{
    const double ratio = floor.median() > 0 ? tesmo.median() / floor.median() : 0;
    std::printf("| %-34s | %9.3f [%8.3f - %8.3f] | %9.3f [%8.3f - %8.3f] | %7.2fx | %-18s |\n", what, tesmo.median(),
                tesmo.min(), tesmo.max(), floor.median(), floor.min(), floor.max(), ratio, target);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));
    g_probeDir = QCoreApplication::applicationDirPath();

    QTemporaryDir work;
    const QString lists = work.filePath(QStringLiteral("game"));
    QDir().mkpath(lists);
    for (const WordLists::List &list : WordLists::All) {
        const QString name = QStringLiteral("tesmodat.%1").arg(list.number);
        QFile::copy(QStringLiteral(TESMO_DATA_DIR "/") + name, lists + QLatin1Char('/') + name);
    }

    const int launchRuns = quick ? 5 : 41;  // a start takes 40 ms, but its time drifts with the machine
    const int enterProcesses = quick ? 1 : 3;
    const int enterRows = quick ? 10 : 20;
    const int rowCount = quick ? 3 : 7;
    const int idleRuns = quick ? 1 : 3;
    const int idleSeconds = quick ? 10 : 30;
    const int listRuns = quick ? 5 : 11;

    std::map<std::string, Results> all;  // measure -> {tesmo, floor}
    auto pair = [&](const QStringList &tesmoArgs, const QStringList &floorArgs,
                    const std::map<std::string, std::string> &keys) {
        Results tesmo, floor;
        runProbe(QStringLiteral("tesmo_probe"), tesmoArgs, &tesmo);
        runProbe(QStringLiteral("floor_probe"), floorArgs, &floor);
        for (const auto &[key, name] : keys) {
            for (double v : tesmo[key].values)
                all[name]["tesmo"].add(v);
            for (double v : floor[key].values)
                all[name]["floor"].add(v);
        }
    };

    std::fprintf(stderr, "launch...\n");
    for (int k = 0; k < launchRuns; ++k)
        pair({QStringLiteral("launch"), lists}, {QStringLiteral("launch")},
             {{"wall_first_ms", "launch wall"}, {"frame_cpu_ms", "launch cpu"}});
    std::fprintf(stderr, "enter...\n");
    for (int k = 0; k < enterProcesses; ++k)
        pair({QStringLiteral("enter"), lists, QString::number(enterRows)},
             {QStringLiteral("enter"), QString::number(enterRows)}, {{"enter_ms", "enter"}});
    std::fprintf(stderr, "rows...\n");
    pair({QStringLiteral("row"), lists, QString::number(rowCount)},
         {QStringLiteral("row"), QString::number(rowCount)},
         {{"row_cpu_ms", "row cpu"}, {"row_wakeups", "row wakeups"}});
    std::fprintf(stderr, "idle...\n");
    for (int k = 0; k < idleRuns; ++k)
        pair({QStringLiteral("idle"), lists, QString::number(idleSeconds)},
             {QStringLiteral("idle"), QString::number(idleSeconds)},
             {{"idle_cpu_pct", "idle cpu"}, {"idle_wakeups_per_s", "idle wakeups"}});
    std::fprintf(stderr, "word lists...\n");
    wordListBench(work.path(), listRuns, &all);

    std::printf("Machine: %s, %d cores, %s %s, Qt %s, display %s\n", qPrintable(cpuModel()),
                int(std::thread::hardware_concurrency()), qPrintable(QSysInfo::kernelType()),
                qPrintable(QSysInfo::kernelVersion()), qVersion(),
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? qgetenv("DISPLAY").constData() : qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("| %-34s | %-32s | %-32s | %-8s | %-18s |\n", "what", "Tesmo median [range]", "floor median [range]",
                "ratio", "target");
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(36, '-').c_str(), std::string(34, '-').c_str(),
                std::string(34, '-').c_str(), std::string(10, '-').c_str(), std::string(20, '-').c_str());
    row("launch to first frame, ms", all["launch wall"]["tesmo"], all["launch wall"]["floor"], "<= 1.2x");
    row("  CPU to first frame, ms", all["launch cpu"]["tesmo"], all["launch cpu"]["floor"], "");
    row("Enter to first cell on screen, ms", all["enter"]["tesmo"], all["enter"]["floor"], "<= 2x");
    row("CPU per rated row, ms", all["row cpu"]["tesmo"], all["row cpu"]["floor"], "<= 5 ms");
    row("  wake-ups per rated row", all["row wakeups"]["tesmo"], all["row wakeups"]["floor"], "");
    row("idle CPU, % of a core", all["idle cpu"]["tesmo"], all["idle cpu"]["floor"], "<= 1.2x");
    row("  idle wake-ups per second", all["idle wakeups"]["tesmo"], all["idle wakeups"]["floor"], "");
    for (const char *size : {"3k", "100k", "1M"}) {
        const std::string draw = std::string("draw ") + size, release = std::string("release ") + size;
        row(("worst draw, " + std::string(size) + " records, ms").c_str(), all[draw]["tesmo"], all[draw]["floor"],
            std::string(size) == "1M" ? "<= 5 ms" : "");
        row(("release, " + std::string(size) + " records, ms").c_str(), all[release]["tesmo"], all[release]["floor"],
            std::string(size) == "1M" ? "<= 50 ms" : "");
    }
    std::printf("Floors: a bare window with a label (launch); a line edit and a label repainted on Enter; a label\n"
                "repainted five times with half-second sleeps (row); a label refreshed by a 500 ms timer (idle);\n"
                "one sequential pass over the list in 64 KiB blocks, reading (draw) or reading and writing back (release).\n");
    return 0;
}
