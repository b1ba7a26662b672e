#include "SexualAstrology.h"

namespace kesto {

namespace {

using enum ZodiacSign;

// clang-format off
constexpr int Jan = 1, Feb = 2, Mar = 3, Apr = 4, May = 5, Jun = 6,
              Jul = 7, Aug = 8, Sep = 9, Oct = 10, Nov = 11, Dec = 12;

// Each year: the sign on 1 January, then the first day of every new sign. The rows are kept
// exactly as charted, returns to an earlier sign and impossible days such as 31 September
// included: a day past the month's end still belongs to that month's cell.
constexpr SignChange Changes1940[] = {
    {Feb, 1, Sagittarius}, {Mar, 1, Capricorn}, {Mar, 26, Sagittarius}, {Apr, 1, Capricorn},
    {Jun, 6, Sagittarius}, {Sep, 29, Capricorn}, {Nov, 30, Aquarius}};
constexpr SignChange Changes1941[] = {
    {Jan, 21, Pisces}, {Mar, 8, Aries}, {Apr, 18, Taurus}, {May, 25, Gemini}, {Jun, 29, Cancer},
    {Aug, 1, Leo}, {Sep, 2, Virgo}, {Oct, 6, Libra}, {Nov, 11, Scorpio}, {Dec, 21, Sagittarius}};
constexpr SignChange Changes1942[] = {{Feb, 3, Capricorn}, {Mar, 27, Aquarius}, {Dec, 11, Pisces}};
constexpr SignChange Changes1943[] = {
    {Jan, 28, Aries}, {Mar, 8, Taurus}, {Apr, 12, Gemini}, {May, 15, Cancer}, {Jun, 17, Leo},
    {Jul, 20, Virgo}, {Aug, 24, Libra}, {Sep, 31, Scorpio}, {Nov, 12, Sagittarius},
    {Dec, 28, Capricorn}};
constexpr SignChange Changes1944[] = {
    {Feb, 16, Aquarius}, {Apr, 9, Pisces}, {Jun, 5, Aries}, {Aug, 9, Taurus}, {Nov, 7, Aries}};
constexpr SignChange Changes1945[] = {
    {Jan, 2, Taurus}, {Feb, 15, Gemini}, {Mar, 20, Cancer}, {Apr, 21, Leo}, {May, 26, Virgo},
    {Jul, 3, Libra}, {Aug, 16, Scorpio}, {Oct, 3, Sagittarius}, {Nov, 22, Capricorn}};
constexpr SignChange Changes1946[] = {
    {Jan, 12, Aquarius}, {Mar, 3, Pisces}, {Apr, 21, Aries}, {Jun, 5, Taurus}, {Jul, 16, Gemini},
    {Aug, 22, Cancer}, {Sep, 25, Leo}, {Oct, 27, Virgo}, {Nov, 28, Libra}};
constexpr SignChange Changes1947[] = {
    {Feb, 11, Sagittarius}, {Oct, 10, Capricorn}, {Dec, 8, Aquarius}};
constexpr SignChange Changes1948[] = {
    {Jan, 28, Pisces}, {Mar, 14, Aries}, {Apr, 24, Taurus}, {Jul, 6, Gemini}, {Aug, 8, Cancer},
    {Sep, 10, Leo}, {Oct, 13, Virgo}, {Nov, 17, Scorpio}, {Dec, 26, Sagittarius}};
constexpr SignChange Changes1949[] = {
    {Feb, 9, Capricorn}, {Apr, 5, Aquarius}, {Aug, 25, Capricorn}, {Oct, 10, Aquarius},
    {Dec, 19, Pisces}};
constexpr SignChange Changes1950[] = {
    {Feb, 3, Aries}, {Mar, 15, Taurus}, {Apr, 20, Gemini}, {May, 23, Cancer}, {Jun, 25, Leo},
    {Jul, 28, Virgo}, {Sep, 1, Libra}, {Oct, 8, Scorpio}, {Nov, 19, Sagittarius}};
constexpr SignChange Changes1951[] = {
    {Jan, 3, Capricorn}, {Feb, 22, Aquarius}, {Apr, 17, Pisces}, {Jun, 18, Aries},
    {Nov, 13, Pisces}, {Nov, 21, Aries}};
constexpr SignChange Changes1952[] = {
    {Jan, 25, Taurus}, {Feb, 30, Gemini}, {Apr, 3, Cancer}, {May, 5, Leo}, {Jun, 7, Virgo},
    {Jul, 14, Libra}, {Aug, 25, Scorpio}, {Oct, 11, Sagittarius}, {Nov, 29, Capricorn}};
constexpr SignChange Changes1953[] = {
    {Jan, 18, Aquarius}, {Mar, 9, Pisces}, {Apr, 28, Aries}, {Jun, 13, Taurus}, {Jul, 26, Gemini},
    {Sep, 1, Cancer}, {Oct, 5, Leo}, {Nov, 6, Virgo}, {Dec, 8, Libra}};
constexpr SignChange Changes1954[] = {
    {Jan, 12, Scorpio}, {Feb, 26, Sagittarius}, {May, 17, Scorpio}, {Aug, 13, Sagittarius},
    {Oct, 20, Capricorn}, {Dec, 14, Aquarius}};
constexpr SignChange Changes1955[] = {
    {Feb, 3, Pisces}, {Mar, 21, Aries}, {May, 2, Taurus}, {Jun, 10, Gemini}, {Jul, 15, Cancer},
    {Aug, 17, Leo}, {Sep, 19, Virgo}, {Oct, 22, Libra}, {Nov, 26, Scorpio}};
constexpr SignChange Changes1956[] = {
    {Jan, 3, Sagittarius}, {Feb, 17, Capricorn}, {Apr, 16, Aquarius}, {Jul, 22, Capricorn},
    {Oct, 28, Aquarius}, {Dec, 26, Pisces}};
constexpr SignChange Changes1957[] = {
    {Feb, 11, Aries}, {Mar, 22, Taurus}, {Apr, 28, Gemini}, {May, 31, Cancer}, {Jul, 3, Leo},
    {Aug, 5, Virgo}, {Sep, 8, Libra}, {Oct, 16, Scorpio}, {Nov, 25, Sagittarius}};
constexpr SignChange Changes1958[] = {
    {Jan, 10, Capricorn}, {Feb, 28, Aquarius}, {Apr, 25, Pisces}, {Jul, 26, Aries},
    {Sep, 13, Pisces}, {Dec, 23, Aries}};
constexpr SignChange Changes1959[] = {
    {Feb, 5, Taurus}, {Mar, 13, Gemini}, {Apr, 14, Cancer}, {May, 16, Leo}, {Jun, 19, Virgo},
    {Jul, 25, Libra}, {Sep, 4, Scorpio}, {Oct, 19, Sagittarius}, {Dec, 6, Capricorn}};
constexpr SignChange Changes1960[] = {
    {Jan, 25, Aquarius}, {Mar, 17, Pisces}, {May, 6, Aries}, {Jun, 23, Taurus}, {Aug, 6, Gemini},
    {Sep, 14, Cancer}, {Oct, 18, Leo}, {Nov, 19, Virgo}, {Dec, 22, Libra}};
constexpr SignChange Changes1961[] = {
    {Jan, 27, Scorpio}, {Aug, 29, Sagittarius}, {Oct, 28, Capricorn}, {Dec, 21, Aquarius}};
constexpr SignChange Changes1962[] = {
    {Feb, 9, Pisces}, {Mar, 29, Aries}, {May, 10, Taurus}, {Jun, 18, Gemini}, {Jul, 24, Cancer},
    {Aug, 26, Leo}, {Sep, 28, Virgo}, {Oct, 30, Libra}, {Dec, 4, Scorpio}};
constexpr SignChange Changes1963[] = {
    {Jan, 11, Sagittarius}, {Feb, 25, Capricorn}, {May, 5, Aquarius}, {Jun, 18, Capricorn},
    {Nov, 9, Aquarius}};
constexpr SignChange Changes1964[] = {
    {Jan, 4, Pisces}, {Feb, 19, Aries}, {Mar, 31, Taurus}, {May, 6, Gemini}, {Jun, 9, Cancer},
    {Jul, 12, Leo}, {Aug, 14, Virgo}, {Sep, 17, Libra}, {Oct, 24, Scorpio}, {Dec, 3, Sagittarius}};
constexpr SignChange Changes1965[] = {{Jan, 16, Capricorn}, {Mar, 7, Aquarius}, {May, 4, Pisces}};
constexpr SignChange Changes1966[] = {
    {Jan, 5, Aries}, {Feb, 16, Taurus}, {Mar, 23, Gemini}, {Apr, 24, Cancer}, {May, 27, Leo},
    {Jun, 29, Virgo}, {Aug, 4, Libra}, {Sep, 13, Scorpio}, {Oct, 27, Sagittarius},
    {Dec, 13, Capricorn}};
constexpr SignChange Changes1967[] = {
    {Jan, 31, Aquarius}, {Mar, 24, Pisces}, {May, 15, Aries}, {Jul, 4, Taurus}, {Aug, 20, Gemini},
    {Sep, 30, Cancer}, {Nov, 6, Leo}, {Dec, 10, Virgo}};
constexpr SignChange Changes1968[] = {
    {Jan, 15, Libra}, {Jul, 13, Scorpio}, {Sep, 10, Sagittarius}, {Nov, 4, Capricorn},
    {Dec, 27, Aquarius}};
constexpr SignChange Changes1969[] = {
    {Feb, 15, Pisces}, {Apr, 4, Aries}, {May, 17, Taurus}, {Jun, 26, Gemini}, {Aug, 1, Cancer},
    {Sep, 3, Leo}, {Oct, 6, Virgo}, {Nov, 7, Libra}, {Dec, 12, Scorpio}};
constexpr SignChange Changes1970[] = {
    {Jan, 18, Sagittarius}, {Mar, 6, Capricorn}, {Dec, 1, Aquarius}};
constexpr SignChange Changes1971[] = {
    {Jan, 10, Pisces}, {Feb, 26, Aries}, {Apr, 7, Taurus}, {May, 14, Gemini}, {Jun, 17, Cancer},
    {Jul, 20, Leo}, {Aug, 22, Virgo}, {Sep, 25, Libra}, {Oct, 31, Scorpio}, {Dec, 10, Sagittarius}};
constexpr SignChange Changes1972[] = {
    {Jan, 23, Capricorn}, {Mar, 13, Aquarius}, {May, 15, Pisces}, {Sep, 3, Aquarius},
    {Nov, 20, Pisces}};
constexpr SignChange Changes1973[] = {
    {Jan, 14, Aries}, {Feb, 24, Taurus}, {Mar, 31, Gemini}, {May, 3, Cancer}, {Jun, 4, Leo},
    {Jul, 7, Virgo}, {Aug, 12, Libra}, {Sep, 20, Scorpio}, {Nov, 2, Sagittarius},
    {Dec, 19, Capricorn}};
constexpr SignChange Changes1974[] = {
    {Feb, 5, Aquarius}, {Mar, 30, Pisces}, {May, 22, Aries}, {Jul, 14, Taurus}, {Sep, 5, Gemini},
    {Oct, 28, Cancer}};
constexpr SignChange Changes1975[] = {
    {Feb, 1, Leo}, {Mar, 1, Virgo}, {Apr, 22, Libra}, {Jun, 10, Scorpio}, {Jul, 30, Sagittarius},
    {Sep, 21, Capricorn}};
constexpr SignChange Changes1976[] = {
    {Jan, 2, Aquarius}, {Feb, 22, Pisces}, {Apr, 10, Aries}, {May, 24, Taurus}, {Jul, 3, Gemini},
    {Aug, 9, Cancer}, {Sep, 11, Leo}, {Oct, 13, Virgo}, {Nov, 15, Libra}, {Dec, 19, Scorpio}};
constexpr SignChange Changes1977[] = {
    {Jan, 26, Sagittarius}, {Mar, 17, Capricorn}, {Jun, 26, Sagittarius}, {Sep, 19, Capricorn},
    {Nov, 25, Aquarius}};
constexpr SignChange Changes1978[] = {
    {Jan, 16, Pisces}, {Mar, 4, Aries}, {Apr, 14, Taurus}, {May, 21, Gemini}, {Jun, 25, Cancer},
    {Jul, 28, Leo}, {Aug, 30, Virgo}, {Oct, 2, Libra}, {Nov, 7, Scorpio}, {Dec, 17, Sagittarius}};
constexpr SignChange Changes1979[] = {{Jan, 29, Capricorn}, {Mar, 21, Aquarius}, {Jun, 1, Pisces}};
constexpr SignChange Changes1980[] = {
    {Jan, 23, Aries}, {Mar, 3, Taurus}, {Apr, 8, Gemini}, {May, 11, Cancer}, {Jun, 12, Leo},
    {Jul, 16, Virgo}, {Aug, 20, Libra}, {Sep, 27, Scorpio}, {Nov, 8, Sagittarius},
    {Dec, 25, Capricorn}};
constexpr SignChange Changes1981[] = {
    {Feb, 11, Aquarius}, {Apr, 4, Pisces}, {May, 30, Aries}, {Jul, 28, Taurus}};
constexpr SignChange Changes1982[] = {
    {Feb, 1, Gemini}, {Mar, 10, Cancer}, {Apr, 13, Leo}, {May, 18, Virgo}, {Jun, 27, Libra},
    {Aug, 11, Scorpio}, {Sep, 29, Sagittarius}, {Nov, 19, Capricorn}};
constexpr SignChange Changes1983[] = {
    {Jan, 8, Aquarius}, {Feb, 28, Pisces}, {Apr, 18, Aries}, {Jun, 2, Taurus}, {Jul, 13, Gemini},
    {Aug, 18, Cancer}, {Sep, 21, Leo}, {Oct, 23, Virgo}, {Nov, 24, Libra}, {Dec, 29, Scorpio}};
constexpr SignChange Changes1984[] = {
    {Feb, 5, Sagittarius}, {Apr, 3, Capricorn}, {May, 19, Sagittarius}, {Oct, 3, Capricorn},
    {Dec, 2, Aquarius}};
constexpr SignChange Changes1985[] = {
    {Jan, 23, Pisces}, {Mar, 11, Aries}, {Apr, 21, Taurus}, {May, 29, Gemini}, {Jul, 3, Cancer},
    {Aug, 5, Leo}, {Sep, 6, Virgo}, {Oct, 10, Libra}, {Nov, 14, Scorpio}, {Dec, 23, Sagittarius}};
constexpr SignChange Changes1986[] = {{Feb, 5, Capricorn}, {Mar, 30, Aquarius}, {Dec, 13, Pisces}};
constexpr SignChange Changes1987[] = {
    {Jan, 30, Aries}, {Mar, 12, Taurus}, {Apr, 16, Gemini}, {May, 20, Cancer}, {Jun, 21, Leo},
    {Jul, 24, Virgo}, {Aug, 28, Libra}, {Oct, 5, Scorpio}, {Nov, 16, Sagittarius},
    {Dec, 1, Capricorn}};
constexpr SignChange Changes1988[] = {
    {Feb, 18, Aquarius}, {Apr, 11, Pisces}, {Jun, 9, Aries}, {Aug, 28, Taurus}, {Sep, 27, Aries}};
constexpr SignChange Changes1989[] = {
    {Jan, 15, Taurus}, {Feb, 23, Gemini}, {Mar, 28, Cancer}, {Apr, 29, Leo}, {Jun, 2, Virgo},
    {Jul, 9, Libra}, {Aug, 21, Scorpio}, {Oct, 7, Sagittarius}, {Nov, 26, Capricorn}};
constexpr SignChange Changes1990[] = {
    {Jan, 14, Aquarius}, {Mar, 7, Pisces}, {Apr, 25, Aries}, {Jun, 10, Taurus}, {Jul, 22, Gemini},
    {Aug, 28, Cancer}, {Sep, 31, Leo}, {Nov, 2, Virgo}, {Dec, 4, Libra}};

constexpr SignChangeRow Rows[] = {
    {1940, Scorpio, Changes1940},
    {1941, Aquarius, Changes1941},
    {1942, Sagittarius, Changes1942},
    {1943, Pisces, Changes1943},
    {1944, Capricorn, Changes1944},
    {1945, Aries, Changes1945},
    {1946, Capricorn, Changes1946},
    {1947, Scorpio, Changes1947},
    {1948, Aquarius, Changes1948},
    {1949, Sagittarius, Changes1949},
    {1950, Pisces, Changes1950},
    {1951, Sagittarius, Changes1951},
    {1952, Aries, Changes1952},
    {1953, Capricorn, Changes1953},
    {1954, Libra, Changes1954},
    {1955, Aquarius, Changes1955},
    {1956, Scorpio, Changes1956},
    {1957, Pisces, Changes1957},
    {1958, Sagittarius, Changes1958},
    {1959, Aries, Changes1959},
    {1960, Capricorn, Changes1960},
    {1961, Libra, Changes1961},
    {1962, Aquarius, Changes1962},
    {1963, Scorpio, Changes1963},
    {1964, Aquarius, Changes1964},
    {1965, Sagittarius, Changes1965},
    {1966, Pisces, Changes1966},
    {1967, Capricorn, Changes1967},
    {1968, Virgo, Changes1968},
    {1969, Aquarius, Changes1969},
    {1970, Scorpio, Changes1970},
    {1971, Aquarius, Changes1971},
    {1972, Sagittarius, Changes1972},
    {1973, Pisces, Changes1973},
    {1974, Capricorn, Changes1974},
    {1975, Cancer, Changes1975},
    {1976, Capricorn, Changes1976},
    {1977, Scorpio, Changes1977},
    {1978, Aquarius, Changes1978},
    {1979, Sagittarius, Changes1979},
    {1980, Aquarius, Changes1980},
    {1981, Capricorn, Changes1981},
    {1982, Taurus, Changes1982},
    {1983, Capricorn, Changes1983},
    {1984, Scorpio, Changes1984},
    {1985, Aquarius, Changes1985},
    {1986, Sagittarius, Changes1986},
    {1987, Pisces, Changes1987},
    {1988, Capricorn, Changes1988},
    {1989, Aries, Changes1989},
    {1990, Capricorn, Changes1990},
};
// clang-format on

constexpr bool yearsRunFrom1940To1990()
{
    int year = 1940;
    for (const SignChangeRow &row : Rows) {
        if (row.year != year++)
            return false;
    }
    return year == 1991;
}
static_assert(yearsRunFrom1940To1990(), "findRow needs one row a year, in order");

} // namespace

std::span<const SignChangeRow> erosTable()
{
    return Rows;
}

} // namespace kesto
