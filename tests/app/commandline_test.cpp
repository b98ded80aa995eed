#include "commandline.h"
#include "qtprinting.h"

#include <gtest/gtest.h>

namespace {

QStringList words(std::initializer_list<const char*> list) {
    QStringList arguments{QStringLiteral("zeb")};
    for (const char* word : list) arguments.append(QString::fromUtf8(word));
    return arguments;
}

}  // namespace

TEST(CommandLine, PathsOptionsAndMistakes) {
    struct Case {
        std::initializer_list<const char*> arguments;
        QStringList paths;
        bool enqueue;
        std::optional<int> exitStatus;
        const char* output;  // a part of what goes to standard output
        const char* error;   // a part of what goes to standard error
    };
    const Case cases[] = {
        {{}, {}, false, std::nullopt, "", ""},
        {{"a.mp3", "/m/b.wav", "../c/", "./d e.zbl"},
         {QStringLiteral("/home/u/a.mp3"), QStringLiteral("/m/b.wav"), QStringLiteral("/home/c"),
          QStringLiteral("/home/u/d e.zbl")},
         false,
         std::nullopt,
         "",
         ""},
        {{"--enqueue", "Film.avi"}, {QStringLiteral("/home/u/Film.avi")}, true, std::nullopt, "", ""},
        {{"Film.avi", "--enqueue"}, {QStringLiteral("/home/u/Film.avi")}, true, std::nullopt, "", ""},
        // After "--" a name beginning with a dash is a file.
        {{"--", "-reverse"}, {QStringLiteral("/home/u/-reverse")}, false, std::nullopt, "", ""},
        {{"--help"}, {}, false, 0, "Uso: zeb [--enqueue] [FILE|CARTELLA|LISTA.zbl]...", ""},
        {{"a.mp3", "-h"}, {}, false, 0, "  --enqueue         Aggiunge i file alla lista dei brani", ""},
        {{"--version"}, {}, false, 0, "zeb 1.20\n", ""},
        {{"-v"}, {}, false, 0, "zeb 1.20\n", ""},
        {{"--nonsense", "a.mp3"}, {}, false, 2, "", "zeb: opzione sconosciuta: --nonsense\nUso: zeb"},
        {{"-platform", "xcb"}, {}, false, 2, "", "opzione sconosciuta: -platform\n"},
        // The mistake is named as it was typed.
        {{"-dash.wav"}, {}, false, 2, "", "opzione sconosciuta: -dash.wav\n"},
        // Launchers name files by address: local ones are their paths, anything else stays, to be refused.
        {{"file:///m/a%20b.mp3", "file://localhost/m/c%C3%A8.wav", "FILE:/m/d.ogg", "file:e.mp3"},
         {QStringLiteral("/m/a b.mp3"), QString::fromUtf8("/m/cè.wav"), QStringLiteral("/m/d.ogg"),
          QStringLiteral("/home/u/file:e.mp3")},
         false,
         std::nullopt,
         "",
         ""},
        {{"http://example.org/a.mp3", "file://server/m/a.mp3", "sftp://h/a.mp3"},
         {QStringLiteral("http://example.org/a.mp3"), QStringLiteral("file://server/m/a.mp3"),
          QStringLiteral("sftp://h/a.mp3")},
         false,
         std::nullopt,
         "",
         ""},
        {{"--help", "--nonsense"}, {}, false, 2, "", "Uso: zeb"},
        {{"--enqueue=1", "a.mp3"}, {}, false, 2, "", "zeb: opzione non valida\nUso: zeb"},
    };
    for (const Case& c : cases) {
        const QStringList arguments = words(c.arguments);
        const CommandLine command = parseCommandLine(arguments, QStringLiteral("/home/u"));
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(command.paths, c.paths);
        EXPECT_EQ(command.enqueue, c.enqueue);
        EXPECT_EQ(command.exitStatus, c.exitStatus);
        EXPECT_TRUE(command.output.contains(QString::fromUtf8(c.output))) << command.output.toStdString();
        EXPECT_TRUE(command.error.contains(QString::fromUtf8(c.error))) << command.error.toStdString();
        EXPECT_EQ(command.output.isEmpty(), *c.output == '\0');
        EXPECT_EQ(command.error.isEmpty(), *c.error == '\0');
    }
}
