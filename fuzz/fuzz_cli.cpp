// Runs the command-line companion on arbitrary argument lists and checks how it answers: a
// result on standard output or a message on standard error, never both, never neither.
//
// Input: up to MaxArguments arguments one after another, each ended by a backslash and any byte
// other than a backslash ("\\" stands for one backslash); the last one runs to the end.

#include "FuzzCheck.h"

#include "cli/ReadingCommand.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t MaxArguments = 8;
constexpr std::size_t MaxArgumentLength = 64;

bool hasWord(const std::vector<std::string_view> &args, std::string_view word)
{
    for (const std::string_view arg : args) {
        if (arg == word)
            return true;
    }
    return false;
}

// A small reader of the JSON the command line writes: objects, arrays, strings, true and false
// (and digits), with white space between. Strings must be closed, their escapes complete and
// free of raw control characters.
class JsonReader
{
public:
    explicit JsonReader(std::string_view text)
        : m_text(text)
    { }

    // One object, then the line's end, and nothing more.
    bool isObjectLine()
    {
        skipSpace();
        if (!object())
            return false;
        return m_at == m_text.size() && m_text.ends_with("}\n");
    }

private:
    bool peek(char c) const { return m_at < m_text.size() && m_text[m_at] == c; }
    bool take(char c)
    {
        if (!peek(c))
            return false;
        ++m_at;
        skipSpace();
        return true;
    }
    void skipSpace()
    {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\n'))
            ++m_at;
    }
    bool string()
    {
        if (!peek('"'))
            return false;
        for (++m_at; m_at < m_text.size(); ++m_at) {
            const char c = m_text[m_at];
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c == '\\') {
                if (++m_at >= m_text.size()
                    || std::string_view("\"\\/bfnrtu").find(m_text[m_at]) == std::string_view::npos)
                    return false;
            } else if (c == '"') {
                ++m_at;
                skipSpace();
                return true;
            }
        }
        return false;
    }
    bool word()
    {
        const std::size_t start = m_at;
        while (m_at < m_text.size()
               && std::string_view("truefalsn0123456789-.").find(m_text[m_at])
                   != std::string_view::npos)
            ++m_at;
        const std::string_view found = m_text.substr(start, m_at - start);
        skipSpace();
        return found == "true" || found == "false"
            || (!found.empty() && found.find_first_not_of("0123456789") == std::string_view::npos);
    }
    bool value()
    {
        if (++m_depth > 8)
            return false;
        const bool ok = peek('"') ? string() : peek('{') ? object() : peek('[') ? array() : word();
        --m_depth;
        return ok;
    }
    bool object()
    {
        if (!take('{'))
            return false;
        if (take('}'))
            return true;
        do {
            if (!string() || !take(':') || !value())
                return false;
        } while (take(','));
        return take('}');
    }
    bool array()
    {
        if (!take('['))
            return false;
        if (take(']'))
            return true;
        do {
            if (!value())
                return false;
        } while (take(','));
        return take(']');
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    int m_depth = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    std::vector<std::string> words;
    while (input.remaining_bytes() > 0 && words.size() < MaxArguments) {
        words.push_back(words.size() + 1 < MaxArguments
                            ? input.ConsumeRandomLengthString(MaxArgumentLength)
                            : input.ConsumeRemainingBytesAsString());
    }
    const std::vector<std::string_view> args(words.begin(), words.end());

    std::ostringstream out;
    std::ostringstream err;
    const int status = kesto::runReadingCommand(args, out, err);
    const std::string output = out.str();
    const std::string messages = err.str();

    // Status 1 is kept for a sign table with a hole in it; the tables have none.
    KESTO_FUZZ_CHECK(status == kesto::ExitSuccess || status == kesto::ExitUsage);
    if (status == kesto::ExitSuccess) {
        KESTO_FUZZ_CHECK(messages.empty());
        KESTO_FUZZ_CHECK(!output.empty() && output.back() == '\n');
        // --help and --version answer alone, whatever else the line asks for.
        const bool answersAlone =
            hasWord(args, "--help") || hasWord(args, "-h") || hasWord(args, "--version");
        if (hasWord(args, "--json") && !answersAlone)
            KESTO_FUZZ_CHECK(JsonReader(output).isObjectLine());
    } else {
        KESTO_FUZZ_CHECK(output.empty());
        KESTO_FUZZ_CHECK(!messages.empty() && messages.back() == '\n');
    }
    return 0;
}
