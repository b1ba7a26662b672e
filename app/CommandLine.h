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

// The words without the options every Qt program takes (-platform NAME, -style=NAME, -reverse,
// also with two dashes), so that what is left can be refused before the display is reached.
QStringList withoutQtOptions(const QStringList &words);

// After Qt has taken its own options (-platform, -style, ...), anything left is refused with
// status 2, quoted so that no byte of it reaches the terminal as a control. Nothing for a command
// line with nothing left.
std::optional<CommandLineAnswer> refuseLeftOverWords(const QStringList &words);

// Prints the answer; returns its status, or 1, with the reason on standard error, when the
// answer could not be written (a full disk, a closed pipe).
int printAnswer(const CommandLineAnswer &answer);
