// Feeds arbitrary year, month and day texts to the date parsing and the sign lookups and checks
// what each promises about the texts it answers.
//
// Input: the year, month and day texts one after another, each ended by a backslash and any
// byte other than a backslash ("\\" stands for one backslash); the day text runs to the end.

#include "FuzzCheck.h"

#include "readings/eros/core/SexualAstrology.h"
#include "readings/lovesign/core/ZodiacLoveSign.h"
#include "zodiac/DateText.h"
#include "zodiac/SunSign.h"
#include "zodiac/ZodiacSign.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using namespace kesto;

namespace {

constexpr std::size_t MaxFieldLength = 64;

// Blanks, tabs, line ends, vertical tabs and form feeds: the white space numbers may carry.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view withoutBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// What a whole number is, written out independently of the parser: blanks, at most one sign,
// one or more digits, blanks, and a value that fits an int.
std::optional<int> expectedWholeNumber(std::string_view text)
{
    text = withoutBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

char lowered(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameLettersIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowered(x) == lowered(y); });
}

bool isValidSign(ZodiacSign sign)
{
    return ordinal(sign) >= 1 && ordinal(sign) <= 12;
}

void checkNumberAndMonthTexts(std::string_view text)
{
    const std::optional<int> number = parseWholeNumber(text);
    KESTO_FUZZ_CHECK(number == expectedWholeNumber(text));
    if (number)
        KESTO_FUZZ_CHECK(parseWholeNumber(std::to_string(*number)) == number);

    // Exactly a month name, nothing more or less.
    const std::optional<int> month = monthFromName(text);
    std::optional<int> named;
    for (int m = 1; m <= 12; ++m) {
        if (monthName(m) == text)
            named = m;
    }
    KESTO_FUZZ_CHECK(month == named);

    // A number 1..12 or a month name in any letter case, blanks around either.
    std::optional<int> expectedMonth;
    if (const std::optional<int> n = expectedWholeNumber(text)) {
        if (*n >= 1 && *n <= 12)
            expectedMonth = n;
    } else {
        for (int m = 1; m <= 12; ++m) {
            if (sameLettersIgnoringCase(monthName(m), withoutBlanks(text)))
                expectedMonth = m;
        }
    }
    KESTO_FUZZ_CHECK(monthFromUserText(text) == expectedMonth);
}

using Lookup = std::optional<ZodiacSign> (*)(std::string_view, std::string_view, std::string_view);

// A lookup answers exactly the dates of its years, and only through the numbers and the month
// the texts stand for: day numbers below 1 read as 1, past 31 as 31.
void checkLookup(Lookup find, int firstYear, int lastYear, std::string_view yearText,
                 std::string_view monthText, std::string_view dayText)
{
    const std::optional<ZodiacSign> sign = find(yearText, monthText, dayText);
    const std::optional<int> year = parseWholeNumber(yearText);
    const std::optional<int> month = monthFromName(monthText);
    const std::optional<int> day = parseWholeNumber(dayText);
    const bool covered = year && *year >= firstYear && *year <= lastYear && month && day;
    KESTO_FUZZ_CHECK(sign.has_value() == covered);
    if (!sign)
        return;
    KESTO_FUZZ_CHECK(isValidSign(*sign));
    const std::string plainDay = std::to_string(std::clamp(*day, 1, 31));
    KESTO_FUZZ_CHECK(find(std::to_string(*year), monthName(*month), plainDay) == sign);
}

// Each month holds the end of one sign and the start of the next, in that order.
void checkSunSign(std::optional<int> day, std::optional<int> month)
{
    if (!day || !month)
        return;
    const std::optional<ZodiacSign> sign = SunSignFromDate(*day, *month);
    const bool covered = *day >= 1 && *day <= 31 && *month >= 1 && *month <= 12;
    KESTO_FUZZ_CHECK(sign.has_value() == covered);
    if (!sign)
        return;
    const std::optional<ZodiacSign> earlier = signFromOrdinal((*month + 8) % 12 + 1);
    KESTO_FUZZ_CHECK(earlier.has_value());
    const ZodiacSign later = nextSign(*earlier);
    KESTO_FUZZ_CHECK(*sign == *earlier || *sign == later);
    KESTO_FUZZ_CHECK(SunSignFromDate(1, *month) == earlier);
    KESTO_FUZZ_CHECK(SunSignFromDate(31, *month) == later);
    if (*day > 1 && *sign == *earlier)
        KESTO_FUZZ_CHECK(SunSignFromDate(*day - 1, *month) == earlier);
    if (*day < 31 && *sign == later)
        KESTO_FUZZ_CHECK(SunSignFromDate(*day + 1, *month) == later);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string yearText = input.ConsumeRandomLengthString(MaxFieldLength);
    const std::string monthText = input.ConsumeRandomLengthString(MaxFieldLength);
    const std::string dayText = input.ConsumeRemainingBytesAsString();

    for (const std::string &text : {yearText, monthText, dayText})
        checkNumberAndMonthTexts(text);

    checkLookup(FindLoveSign1930To1959, 1930, 1959, yearText, monthText, dayText);
    checkLookup(FindLoveSign1960To1989, 1960, 1989, yearText, monthText, dayText);
    checkLookup(FindLoveSign1990To2012, 1990, 2012, yearText, monthText, dayText);
    checkLookup(FindErosSign, 1940, 1990, yearText, monthText, dayText);

    checkSunSign(parseWholeNumber(dayText), monthFromUserText(monthText));
    return 0;
}
