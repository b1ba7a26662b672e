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

// One flat object of string values: every string closed, escapes complete, no raw control
// characters inside strings, and nothing but punctuation and white space between them.
bool isFlatJsonObject(std::string_view text)
{
    if (text.size() < 3 || text.front() != '{' || text.substr(text.size() - 2) != "}\n")
        return false;
    bool inString = false;
    for (std::size_t i = 1; i + 2 < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c == '\\') {
                if (++i + 2 >= text.size())
                    return false;
                if (std::string_view("\"\\/bfnrtu").find(text[i]) == std::string_view::npos)
                    return false;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (std::string_view(":, \n").find(c) == std::string_view::npos) {
            return false;
        }
    }
    return !inString;
}

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
            KESTO_FUZZ_CHECK(isFlatJsonObject(output));
    } else {
        KESTO_FUZZ_CHECK(output.empty());
        KESTO_FUZZ_CHECK(!messages.empty() && messages.back() == '\n');
    }
    return 0;
}
