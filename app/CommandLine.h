#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the program answers on its command line before it shows a window.
struct CommandLineAnswer
{
    int status = 0;
    QString out; // for standard output
    QString err; // for standard error
};

// The words of the command line, the program's name first.
QStringList commandLineWords(int argc, char **argv);

// --help and --version (also -h, -v), answered before the desktop is reached, so they work
// without a display. Nothing for any other command line.
std::optional<CommandLineAnswer> answerHelpOrVersion(const QStringList &words);

// After Qt has taken its own options (-platform, -style, ...), anything left is refused with
// status 2. Nothing for a command line with nothing left.
std::optional<CommandLineAnswer> refuseLeftOverWords(const QStringList &words);

// Prints the answer; returns its status.
int printAnswer(const CommandLineAnswer &answer);
