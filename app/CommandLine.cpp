#include "CommandLine.h"

#include "AppUsage.h"
#include "KestoVersion.h"

#include <QCommandLineParser>

#include <cstdio>

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

std::optional<CommandLineAnswer> refuseLeftOverWords(const QStringList &words)
{
    // The program takes no arguments, and --help and --version have been answered before.
    if (words.size() < 2)
        return std::nullopt;
    const QString &word = words.at(1);
    const QString refused = word.startsWith(QLatin1Char('-'))
        ? QStringLiteral("unknown option \"%1\"").arg(word)
        : QStringLiteral("unexpected argument \"%1\"").arg(word);
    return CommandLineAnswer {
        2, {}, Program + QStringLiteral(": ") + refused + QStringLiteral(" (try --help)\n")};
}

int printAnswer(const CommandLineAnswer &answer)
{
    const QByteArray out = answer.out.toLocal8Bit();
    const QByteArray err = answer.err.toLocal8Bit();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fwrite(err.constData(), 1, size_t(err.size()), stderr);
    std::fflush(stdout);
    return answer.status;
}
