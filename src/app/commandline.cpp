#include "commandline.h"

#include "fileuri.h"
#include "version.h"

#include <QCommandLineParser>
#include <QDir>

#include <algorithm>

namespace {

const QString kUsage = QStringLiteral("Uso: zeb [--enqueue] [FILE|CARTELLA|LISTA.zbl]...\n");
const QString kDescription = QStringLiteral(
    "Organizzatore e lettore di file audio e video.\n"
    "\n"
    "I file multimediali dati sono riprodotti subito, nell'ordine dato; una cartella sta per i suoi file\n"
    "multimediali; un file di lista (.zbl) diventa la lista corrente. Se ZEB è già aperto, li riceve lui.\n");

struct Options {
    QCommandLineOption enqueue{QStringLiteral("enqueue"),
                               QStringLiteral("Aggiunge i file alla lista dei brani, senza riprodurli.")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Mostra questo aiuto ed esce.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Mostra la versione di ZEB ed esce.")};

    QList<QCommandLineOption> all() const { return {enqueue, help, version}; }
};

// One dash before a single letter, two before a word.
QStringList dashed(const QStringList& names) {
    QStringList written;
    for (const QString& name : names) written.append(QLatin1String(name.size() == 1 ? "-" : "--") + name);
    return written;
}

// The options as they were typed ("-x.wav", "--enqueue=1"), for the ones whose names the parser read.
QStringList typedAs(const QStringList& names, const QStringList& arguments) {
    QStringList typed;
    for (const QString& name : names) {
        const auto argument =
            std::find_if(arguments.cbegin() + 1, arguments.cend(), [&](const QString& word) {
                const QString bare = word.mid(word.startsWith(QStringLiteral("--")) ? 2 : 1);
                return word.startsWith(u'-') && bare.section(u'=', 0, 0) == name;
            });
        typed.append(argument == arguments.cend() ? name : *argument);
    }
    return typed;
}

QString helpText(const Options& options) {
    QString text = kUsage + kDescription + QStringLiteral("\nOpzioni:\n");
    for (const QCommandLineOption& option : options.all()) {
        const QString names = dashed(option.names()).join(QStringLiteral(", "));
        text += QStringLiteral("  %1  %2\n").arg(names, -16).arg(option.description());
    }
    return text;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments, const QString& workingFolder) {
    const Options options;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options.all());
    CommandLine command;
    if (!parser.parse(arguments)) {
        command.exitStatus = 2;
        // An option none of ZEB's, or one given a value ("--enqueue=1").
        const QStringList unknown = parser.unknownOptionNames();
        command.error = (unknown.isEmpty() ? QStringLiteral("zeb: opzione non valida\n")
                                           : QStringLiteral("zeb: opzione sconosciuta: %1\n")
                                                 .arg(typedAs(unknown, arguments).join(QLatin1Char(' ')))) +
                        kUsage + QStringLiteral("Altre informazioni con: zeb --help\n");
        return command;
    }
    if (parser.isSet(options.help)) {
        command.exitStatus = 0;
        command.output = helpText(options);
        return command;
    }
    if (parser.isSet(options.version)) {
        command.exitStatus = 0;
        command.output = QStringLiteral("zeb %1\n").arg(kZebVersion);
        return command;
    }
    command.enqueue = parser.isSet(options.enqueue);
    command.paths = pathsOfArguments(parser.positionalArguments(), workingFolder);
    return command;
}

QStringList pathsOfArguments(const QStringList& arguments, const QString& workingFolder) {
    QStringList paths;
    for (const QString& argument : arguments) {
        paths.append(isUri(argument) ? localPathOfUri(argument).value_or(argument)
                                     : QDir::cleanPath(QDir(workingFolder).absoluteFilePath(argument)));
    }
    return paths;
}
