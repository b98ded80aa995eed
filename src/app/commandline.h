#pragma once

#include <QStringList>

#include <optional>

// What the program was asked for on its command line: zeb [--enqueue] [FILE|FOLDER|LIST.zbl]...
struct CommandLine {
    // Absolute paths, in the order given; an address of another kind than a local file's stays as it was
    // given, for the program to refuse.
    QStringList paths;
    bool enqueue = false;
    // Set when the program is to end at once, without a window: --help, --version or a mistake.
    std::optional<int> exitStatus;
    QString output;
    QString error;
};

// Reads the arguments (the program's name first); relative paths are taken from the working folder.
CommandLine parseCommandLine(const QStringList& arguments, const QString& workingFolder);

// The paths that files named on a command line or handed over stand for: paths, relative ones taken from
// the working folder, or local files' addresses (file://); any other address as it was given.
QStringList pathsOfArguments(const QStringList& arguments, const QString& workingFolder);
