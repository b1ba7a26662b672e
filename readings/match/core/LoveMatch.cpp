#include "LoveMatch.h"

#include "assets/texts/ReadingTexts.h"
#include "zodiac/SignAttributes.h"
#include "zodiac/SunSign.h"

#include <cctype>

namespace kesto {

namespace {

// The reading whose way of finding a sign each layer takes.
constexpr Reading ReadingOfLayer[] = {Reading::LoveAstrology, Reading::ZodiacLoveSign,
                                      Reading::SexualAstrology};

std::optional<MatchPerson> person(std::string name, const BirthDate &date)
{
    MatchPerson who {std::move(name), date, {}};
    for (const Body body : MatchLayers) {
        const std::optional<SourcedSign> sign =
            findReadingSignAnyYear(ReadingOfLayer[static_cast<std::size_t>(body)], date);
        if (!sign)
            return std::nullopt;
        who.signs[static_cast<std::size_t>(body)] = *sign;
    }
    return who;
}

// Whether `sign` is one of the two signs of `of`'s "Compatibility" ("Leo and Sagittarius").
bool inCompatibilityPair(ZodiacSign sign, ZodiacSign of)
{
    const std::string_view pair = SignAttributes(of).compatibility;
    const std::size_t and_ = pair.find(" and ");
    return pair.substr(0, and_) == displayName(sign)
        || (and_ != std::string_view::npos && pair.substr(and_ + 5) == displayName(sign));
}

std::string whose(const MatchPerson &who, int index)
{
    if (!who.name.empty())
        return who.name + "'s";
    return index == 0 ? "your" : "your partner's";
}

} // namespace

std::optional<LoveMatch> loveMatch(std::string firstName, const BirthDate &first,
                                   std::string secondName, const BirthDate &second)
{
    const std::optional<MatchPerson> one = person(std::move(firstName), first);
    const std::optional<MatchPerson> two = person(std::move(secondName), second);
    if (!one || !two)
        return std::nullopt;
    LoveMatch match {{*one, *two}, {}, {}, {}, {}};
    for (const Body body : MatchLayers) {
        const Aspect aspect = aspectBetween(one->sign(body), two->sign(body));
        match.layers[static_cast<std::size_t>(body)] = {body, aspect, LoveMatchText(body, aspect)};
    }
    match.inPartnersPair = {inCompatibilityPair(one->sign(Body::Sun), two->sign(Body::Sun)),
                            inCompatibilityPair(two->sign(Body::Sun), one->sign(Body::Sun))};
    match.overall = LoveMatchOverallText(
        matchTone(match.layers[0].aspect, match.layers[1].aspect, match.layers[2].aspect));
    // A layer whose body changed sign on a birth date, as the single readings find it.
    for (int index = 0; index < 2; ++index) {
        const MatchPerson &who = match.people[static_cast<std::size_t>(index)];
        for (const Body body : MatchLayers) {
            const std::optional<SignMoment> moment =
                signChangeOnDay(body, who.date.year, who.date.month, who.date.day);
            if (moment && (moment->from == who.sign(body) || moment->to == who.sign(body)))
                match.changes.push_back({index, *moment});
        }
    }
    return match;
}

ReadingDocument loveMatchDocument(const LoveMatch &match)
{
    const ReadingDescription &description = describe(Reading::LoveMatch);
    const MatchPerson &one = match.people[0];
    const MatchPerson &two = match.people[1];
    ReadingDocument document;
    document.reading = Reading::LoveMatch;
    document.title = description.title;
    document.name = one.name;
    document.date = one.date;
    document.partner = ReadingDocument::Partner {two.name, two.date};
    document.sign = one.sign(Body::Sun);

    std::vector<std::string> values;
    for (const MatchLayer &layer : match.layers) {
        values.emplace_back(displayName(one.sign(layer.body)));
        values.emplace_back(displayName(two.sign(layer.body)));
        values.emplace_back(aspectName(layer.aspect));
    }
    // "Yes (Taurus and Virgo)", with the pair it is looked for in.
    const auto inPair = [](bool yes, ZodiacSign of) {
        return std::string(yes ? "Yes" : "No") + " ("
            + std::string(SignAttributes(of).compatibility) + ')';
    };
    values.push_back(inPair(match.inPartnersPair[0], two.sign(Body::Sun)));
    values.push_back(inPair(match.inPartnersPair[1], one.sign(Body::Sun)));
    for (std::size_t i = 0; i < description.values.size() && i < values.size(); ++i) {
        const ValueField &field = description.values[i];
        document.values.push_back({field.key, field.label, field.heading, values[i]});
    }
    // The overall line first, then the layers in order.
    const TextField &overall = description.texts[0];
    document.texts.push_back(
        {overall.key, overall.label, overall.heading, {std::string(match.overall)}});
    for (const MatchLayer &layer : match.layers) {
        const TextField &field = description.texts[static_cast<std::size_t>(layer.body) + 1];
        document.texts.push_back(
            {field.key, field.label, field.heading, {std::string(layer.text)}});
    }

    // One line a body whose sign was computed beyond its table's years for either person.
    for (const Body body : {Body::Venus, Body::Eros}) {
        std::vector<std::string> owners;
        for (int index = 0; index < 2; ++index) {
            const MatchPerson &who = match.people[static_cast<std::size_t>(index)];
            if (who.signs[static_cast<std::size_t>(body)].source == SignSource::Ephemeris)
                owners.push_back(whose(who, index));
        }
        if (owners.empty())
            continue;
        std::string line = owners.front() + (owners.size() == 2 ? " and " + owners.back() : "")
            + ' ' + std::string(bodyName(body)) + (owners.size() == 2 ? " signs are" : " sign is")
            + " computed from the "
            + (body == Body::Eros ? "asteroid's position." : "planets' positions.");
        line.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(line.front())));
        document.notes.push_back(line);
    }
    for (const MatchChange &change : match.changes) {
        const MatchPerson &who = match.people[static_cast<std::size_t>(change.person)];
        const SignMoment &moment = change.moment;
        std::string line = "The " + std::string(bodyName(moment.body))
            + " layer could differ with the hour of " + whose(who, change.person) + " birth: "
            + (moment.body == Body::Sun ? "the Sun" : std::string(bodyName(moment.body)))
            + " moved from " + std::string(displayName(moment.from)) + " into "
            + std::string(displayName(moment.to)) + " at " + utcClock(moment.time) + " that day.";
        document.notes.push_back(line);
    }
    return document;
}

} // namespace kesto
