// SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include "app/Language.h"

#include <QCommandLineParser>
#include <QStringList>
#include <QTranslator>

#include <cstdio>

namespace {

constexpr int UsageError = 2;

// The answers are given before the application object exists, which a
// translator needs to be installed: the catalogue is asked directly.
const QTranslator *catalogue = nullptr;

QString text(const char *source)
{
    const QString translated = catalogue ? catalogue->translate("CommandLine", source) : QString();
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The options Qt takes for itself at start-up (QGuiApplication, QApplication
// and the X11 platform), with whether each takes a value. They are accepted
// here, left out of the help and handed on to Qt.
struct QtOption
{
    const char *name;
    bool value;
};
constexpr QtOption QtOptions[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qmljsdebugger", true}, {"qwindowgeometry", true}, {"qwindowicon", true}, {"qwindowtitle", true},
    {"reverse", false}, {"session", true}, {"display", true}, {"geometry", true}, {"name", true},
    {"title", true}, {"visual", true}, {"ncols", true}, {"cmap", false}, {"style", true},
    {"stylesheet", true}, {"widgetcount", false}, {"nograb", false}, {"dograb", false}, {"sync", false},
};

QString usage(const QList<QCommandLineOption> &options)
{
    QString help = text(QT_TRANSLATE_NOOP("CommandLine", "Uso: tesmo [opzioni]\n\n"
                                                         "Tesmo, il gioco della parola nascosta di cinque lettere.\n\n"
                                                         "Opzioni:\n"));
    for (const QCommandLineOption &option : options) {
        if (option.flags() & QCommandLineOption::HiddenFromHelp)
            continue;
        QStringList names;
        for (const QString &name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        // The description wrapped beside the names, within 80 columns.
        QString line = QStringLiteral("  %1  ").arg(names.join(QStringLiteral(", ")).leftJustified(16));
        const int indent = int(line.size());
        int width = indent;
        for (const QString &word : option.description().split(u' ')) {
            if (width > indent && width + word.size() >= 80) {
                line += u'\n' + QString(indent, u' ');
                width = indent;
            } else if (width > indent) {
                line += u' ';
                ++width;
            }
            line += word;
            width += int(word.size());
        }
        help += line + u'\n';
    }
    help += text(QT_TRANSLATE_NOOP("CommandLine", "\nSono accettate anche le opzioni di Qt, come -platform e -style.\n"));
    return help;
}

// An option's name as the player typed it, dashes included.
QString asTyped(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments) {
        const QString typed = argument.section(u'=', 0, 0);
        if (typed.startsWith(u'-') && QStringView(typed).mid(typed.startsWith(QLatin1String("--")) ? 2 : 1) == name)
            return typed;
    }
    return name;
}

} // namespace

namespace CommandLine {

std::optional<int> answer(int argc, char **argv, Options *options)
{
    QTranslator translator;
    if (Language::load(&translator, Language::choose()))
        catalogue = &translator;
    struct Forget
    {
        ~Forget() { catalogue = nullptr; }
    } forget;

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  text(QT_TRANSLATE_NOOP("CommandLine", "Mostra questo aiuto ed esce.")));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     text(QT_TRANSLATE_NOOP("CommandLine", "Mostra il nome e la versione del gioco ed esce.")));
    const QCommandLineOption colourBlind(QStringLiteral("daltonici"),
                                         text(QT_TRANSLATE_NOOP("CommandLine",
                                                                "Colora le caselle per chi distingue male i colori: "
                                                                "arancione la lettera che è altrove, blu la lettera "
                                                                "assente (invece di verde e rosso).")));
    QList<QCommandLineOption> known{help, version, colourBlind};
    for (const QtOption &qt : QtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.value)
            option.setValueName(QStringLiteral("valore"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        known << option;
    }

    QCommandLineParser parser;
    // Qt's own options are single words after one dash (-platform).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(known);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        print(stderr, unknown.isEmpty() ? text(QT_TRANSLATE_NOOP("CommandLine", "tesmo: opzione sbagliata (%1)\n")).arg(parser.errorText())
                                        : text(QT_TRANSLATE_NOOP("CommandLine", "tesmo: opzione sconosciuta: %1\n")).arg(asTyped(arguments, unknown.first())));
        print(stderr, text(QT_TRANSLATE_NOOP("CommandLine", "Le opzioni sono elencate da: tesmo --help\n")));
        return UsageError;
    }
    if (parser.isSet(help)) {
        print(stdout, usage(known));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("tesmo %1\n").arg(QStringLiteral(TESMO_VERSION)));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        print(stderr, text(QT_TRANSLATE_NOOP("CommandLine", "tesmo: argomento inatteso: %1\n")).arg(parser.positionalArguments().first()));
        print(stderr, text(QT_TRANSLATE_NOOP("CommandLine", "Le opzioni sono elencate da: tesmo --help\n")));
        return UsageError;
    }
    options->colourBlind = parser.isSet(colourBlind);
    return std::nullopt;
}

} // namespace CommandLine
