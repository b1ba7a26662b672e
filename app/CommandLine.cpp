#include "CommandLine.h"

#include "AppUsage.h"
#include "KestoVersion.h"
#include "cli/CliText.h"

#include <QCommandLineParser>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

const QString Program = QStringLiteral("kesto-astrology");

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Options as the usage text lists them. Single-dash words are read as whole names, as Qt reads
// its own (-stylesheet is not -s -t -y ...).
struct Parser
{
    QCommandLineParser parser;
    QCommandLineOption help {{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version {{QStringLiteral("v"), QStringLiteral("version")}};

    explicit Parser(const QStringList &words)
    {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        parser.parse(words);
    }
};

} // namespace

QStringList commandLineWords(int argc, char **argv)
{
    QStringList words;
    for (int i = 0; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    return words;
}

std::optional<CommandLineAnswer> answerHelpOrVersion(const QStringList &words)
{
    const Parser parsed(words);
    if (parsed.parser.isSet(parsed.help))
        return CommandLineAnswer {0, fromView(kesto::AppUsage), {}};
    if (parsed.parser.isSet(parsed.version))
        return CommandLineAnswer {
            0, Program + QLatin1Char(' ') + fromView(kesto::Version) + '\n', {}};
    return std::nullopt;
}

QStringList withoutQtOptions(const QStringList &words)
{
    // Qt's own options, those of its X11 platform included, as QGuiApplication and QApplication
    // take them out of the command line: with a value after them, or alone.
    static const QStringList withValue {"platform",        "platformpluginpath",
                                        "platformtheme",   "plugin",
                                        "qwindowgeometry", "geometry",
                                        "qwindowtitle",    "title",
                                        "qwindowicon",     "icon",
                                        "session",         "style",
                                        "stylesheet",      "qmljsdebugger",
                                        "display",         "name",
                                        "visual"};
    static const QStringList alone {"reverse", "testability", "widgetcount", "sync",
                                    "nograb",  "dograb",      "qdevel",      "qdebug"};
    QStringList left;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &word = words.at(i);
        QString name = word;
        if (i == 0 || !name.startsWith(QLatin1Char('-'))) {
            left << word;
            continue;
        }
        name.remove(0, name.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals > 0 && withValue.contains(name.left(equals)))
            continue;
        if (withValue.contains(name)) {
            ++i; // and its value
            continue;
        }
        if (!alone.contains(name))
            left << word;
    }
    return left;
}

std::optional<CommandLineAnswer> refuseLeftOverWords(const QStringList &words)
{
    // The program takes no arguments, and --help and --version have been answered before.
    if (words.size() < 2)
        return std::nullopt;
    const QString &word = words.at(1);
    const QString quoted = QString::fromStdString(kesto::quotedArgument(word.toStdString()));
    const QString refused = word.startsWith(QLatin1Char('-'))
        ? QStringLiteral("unknown option %1").arg(quoted)
        : QStringLiteral("unexpected argument %1").arg(quoted);
    return CommandLineAnswer {
        2, {}, Program + QStringLiteral(": ") + refused + QStringLiteral(" (try --help)\n")};
}

int printAnswer(const CommandLineAnswer &answer)
{
#ifdef SIGPIPE
    // A reader that has gone is a failed write like any other, reported below.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    const QByteArray out = answer.out.toLocal8Bit();
    const QByteArray err = answer.err.toLocal8Bit();
    errno = 0;
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    const bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
    const int error = errno;
    std::fwrite(err.constData(), 1, size_t(err.size()), stderr);
    if (written)
        return answer.status;
    std::fprintf(stderr, "%s: cannot write the answer%s%s\n", qPrintable(Program),
                 error != 0 ? ": " : "", error != 0 ? std::strerror(error) : "");
    return 1;
}
