#include "Reading.h"

#include "assets/texts/ReadingTexts.h"
#include "readings/love/core/LoveProfile.h"
#include "zodiac/SignAttributes.h"

#include <array>

namespace kesto {

namespace {

using std::string_view;

// The sun sign's card, as Love and Romance Astrology show it.
// clang-format off
constexpr ValueField SunSignValues[] = {
    {"sign",          "Sun Sign",      "Your Sun Sign", displayName},
    {"element",       "Element",       "Element",       [](ZodiacSign s) { return SignAttributes(s).element; }},
    {"birthstone",    "Birthstone",    "Birthstone",    [](ZodiacSign s) { return SignAttributes(s).birthstone; }},
    {"luckyNumber",   "Lucky Number",  "Lucky Number",  [](ZodiacSign s) { return SignAttributes(s).luckyNumber; }},
    {"luckyDay",      "Lucky Day",     "Lucky Day",     [](ZodiacSign s) { return SignAttributes(s).luckyDay; }},
    {"compatibility", "Compatibility", "Compatibility", [](ZodiacSign s) { return SignAttributes(s).compatibility; }},
};

constexpr TextField PositiveTraits = {"positiveTraits", "Positive Traits", "Positive Traits",
                                      [](ZodiacSign s) { return std::string(SunSignTraits(s).positive); }};
constexpr TextField NegativeTraits = {"negativeTraits", "Negative Traits", "Negative Traits",
                                      [](ZodiacSign s) { return std::string(SunSignTraits(s).negative); }};

constexpr TextField LoveTexts[] = {
    PositiveTraits, NegativeTraits,
    {"profile", "Love Profile", "More About Your Love Profile", LoveProfileText},
};
constexpr TextField RomanceTexts[] = {
    PositiveTraits, NegativeTraits,
    {"profile", "Romance Profile", "More About Your Romance Profile",
     [](ZodiacSign s) { return std::string(RomanceProfileText(s)); }},
};

constexpr ValueField VenusValues[] = {
    {"sign", "Venus Sign", "Venus in Your Chart is Placed in", displayName},
};
constexpr TextField VenusTexts[] = {
    {"description", "", "", [](ZodiacSign s) { return std::string(LoveSignText(s)); }},
};
constexpr ValueField ErosValues[] = {
    {"sign", "Eros Sign", "Eros in your Chart is Placed in", displayName},
};
constexpr TextField ErosTexts[] = {
    {"description", "", "", [](ZodiacSign s) { return std::string(ErosSignText(s)); }},
};

// Love Match: both people's signs layer by layer, with the aspect between them.
constexpr ValueField MatchValues[] = {
    {"firstSun",     "Your Sun",        "Your Sun Sign",             nullptr},
    {"secondSun",    "Their Sun",       "Your Partner's Sun Sign",   nullptr},
    {"sunAspect",    "Sun aspect",      "Sun with Sun",              nullptr},
    {"firstVenus",   "Your Venus",      "Your Venus Sign",           nullptr},
    {"secondVenus",  "Their Venus",     "Your Partner's Venus Sign", nullptr},
    {"venusAspect",  "Venus aspect",    "Venus with Venus",          nullptr},
    {"firstEros",    "Your Eros",       "Your Eros Sign",            nullptr},
    {"secondEros",   "Their Eros",      "Your Partner's Eros Sign",  nullptr},
    {"erosAspect",   "Eros aspect",     "Eros with Eros",            nullptr},
    {"firstInPair",  "In their pair",   "Your Sun in Your Partner's Compatibility", nullptr},
    {"secondInPair", "In your pair",    "Your Partner's Sun in Your Compatibility", nullptr},
};
constexpr TextField MatchTexts[] = {
    {"overall",    "All together",      "All Together",      nullptr},
    {"sunLayer",   "How you get along", "How You Get Along", nullptr},
    {"venusLayer", "How you love",      "How You Love",      nullptr},
    {"erosLayer",  "What you desire",   "What You Desire",   nullptr},
};

constexpr YearRange NoYears = {0, -1};

constexpr std::array<ReadingDescription, 5> Readings = {{
    {.reading = Reading::LoveAstrology,
     .title = "Love Astrology", .command = "love", .body = Body::Sun,
     .years = {1900, 2050}, .tableYears = NoYears, .commandYears = {1900, 2050},
     .threeNameFields = true, .twoPeople = false, .nameKeyMessage = "Please Enter Only Alphabet",
     .februaryMessage = {}, .thirtyDayMessage = {},
     .layout = ResultLayout::SunSignCard,
     .inputWindow = "frmLoveAstrologyMain", .resultWindow = "frmLoveAstrologyDisplay",
     .back = BackOrder::ShowInputFirst,
     .intro = {}, .signName = "sun sign", .values = SunSignValues, .texts = LoveTexts},
    {.reading = Reading::RomanceAstrology,
     .title = "Romance Astrology", .command = "romance", .body = Body::Sun,
     .years = {1900, 2050}, .tableYears = NoYears, .commandYears = {1900, 2050},
     .threeNameFields = true, .twoPeople = false, .nameKeyMessage = "Please Enter Only Alphabet",
     .februaryMessage = {}, .thirtyDayMessage = {},
     .layout = ResultLayout::SunSignCard,
     .inputWindow = "frmRomanceAstrologyMain", .resultWindow = "frmRomanceAstrologyDisplay",
     .back = BackOrder::ShowInputFirst,
     .intro = {}, .signName = "sun sign", .values = SunSignValues, .texts = RomanceTexts},
    {.reading = Reading::SexualAstrology,
     .title = "Sexual Astrology", .command = "sexual", .body = Body::Eros,
     .years = {1940, 2050}, .tableYears = {1940, 1990}, .commandYears = {1900, 2100},
     .threeNameFields = false, .twoPeople = false, .nameKeyMessage = "Please Enter only Letters",
     // The two messages differ only by the blank before the exclamation mark.
     .februaryMessage = "Please Enter Your Correct Date of Birth!",
     .thirtyDayMessage = "Please Enter Your Correct Date of Birth !",
     .layout = ResultLayout::TableSign,
     .inputWindow = "frmSexualAstrologyMain", .resultWindow = "frmSexualAstrologyDisplay",
     .back = BackOrder::UnloadFirst,
     .intro = "Eros is the god of sexual love and desire.", .signName = "Eros sign",
     .values = ErosValues, .texts = ErosTexts},
    {.reading = Reading::ZodiacLoveSign,
     .title = "Zodiac Love Sign", .command = "lovesign", .body = Body::Venus,
     .years = {1930, 2050}, .tableYears = {1930, 2012}, .commandYears = {1900, 2100},
     .threeNameFields = false, .twoPeople = false, .nameKeyMessage = "Please Enter only Letters",
     .februaryMessage = "Please Enter Correct Date of Birth!",
     .thirtyDayMessage = "Please Enter Correct Date of Birth !",
     .layout = ResultLayout::TableSign,
     .inputWindow = "frmZodiacLoveSignMain", .resultWindow = "frmZodiacLoveSignDisplay",
     .back = BackOrder::UnloadFirst,
     .intro = "Venus is known as the Planet of  Love", // two blanks, as the window shows it
     .signName = "Zodiac Love Sign",
     .values = VenusValues, .texts = VenusTexts},
    {.reading = Reading::LoveMatch,
     .title = "Love Match", .command = "match", .body = Body::Sun,
     .years = {1900, 2050}, .tableYears = NoYears, .commandYears = {1900, 2050},
     .threeNameFields = false, .twoPeople = true, .nameKeyMessage = "Please Enter only Letters",
     // Venus and Eros are read as their own readings read them: days a month never has are
     // refused as there.
     .februaryMessage = "Please Enter Your Correct Date of Birth!",
     .thirtyDayMessage = "Please Enter Your Correct Date of Birth !",
     .layout = ResultLayout::Match,
     .inputWindow = "frmLoveMatchMain", .resultWindow = "frmLoveMatchDisplay",
     .back = BackOrder::UnloadFirst,
     .intro = {}, .signName = "sun sign", .values = MatchValues, .texts = MatchTexts},
}};
// clang-format on

constexpr bool inEnumOrder()
{
    for (std::size_t i = 0; i < Readings.size(); ++i) {
        if (static_cast<std::size_t>(Readings[i].reading) != i)
            return false;
    }
    return true;
}
static_assert(inEnumOrder(), "describe() finds a reading's row by its number");

} // namespace

std::string_view ReadingDescription::heading(std::string_view key) const
{
    for (const ValueField &field : values) {
        if (field.key == key)
            return field.heading;
    }
    for (const TextField &field : texts) {
        if (field.key == key)
            return field.heading;
    }
    return {};
}

const ReadingDescription &describe(Reading reading)
{
    return Readings[static_cast<std::size_t>(reading)];
}

std::span<const ReadingDescription> allReadings()
{
    return Readings;
}

const ReadingDescription *readingForCommand(std::string_view command)
{
    for (const ReadingDescription &description : Readings) {
        if (description.command == command)
            return &description;
    }
    return nullptr;
}

} // namespace kesto
