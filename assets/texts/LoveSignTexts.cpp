#include "assets/texts/ReadingTexts.h"

#include <array>
#include <cstddef>

namespace kesto {

namespace {

struct SignText
{
    ZodiacSign sign;
    std::string_view text;
};

// Venus in each sign: how the reader loves, courts and keeps a partner. One short paragraph
// per sign, in zodiac order.
// clang-format off
constexpr std::array<SignText, 12> VenusTexts = {{
    {ZodiacSign::Aries,
     "You fall in love the way a match catches: all at once, with a sudden, bright flare of "
     "heat. The chase thrills you. You are never shy about making the first move, and you say "
     "what you feel the moment you feel it. Only boredom can cool your ardor, so a partner who "
     "keeps you guessing keeps you burning bright."},
    {ZodiacSign::Taurus,
     "You love slowly and for keeps, with all five senses awake. A shared meal, a warm hand at "
     "the nape of your neck, a gift chosen with care: these are the words your heart "
     "understands best. Once you give yourself, you are as steady as bedrock, if a touch "
     "possessive of what you hold dear."},
    {ZodiacSign::Gemini,
     "You are seduced first through the ear, by a quick remark or a conversation that runs past "
     "midnight. Variety keeps your heart light, and your ideal lover is also your best friend "
     "and favorite sparring partner. Flirting is a game you play with a grin, and whoever "
     "laughs along wins you."},
    {ZodiacSign::Cancer,
     "You love with the whole of your tender, watchful heart, and your affection shows as care: "
     "a supper kept warm, a worry remembered, a blanket over sleeping shoulders. Trust comes "
     "slowly, because your feelings bruise easily. Once you feel safe, though, you build a nest "
     "around the people you love and defend it fiercely."},
    {ZodiacSign::Leo,
     "You love in grand gestures and full color, and you want your romance to feel like a story "
     "worth telling. Generous to a fault, you shower a partner with attention and hope to be "
     "adored in return. Pride makes you sensitive to neglect, but a lover who openly admires "
     "you will find your heart thrown wide."},
    {ZodiacSign::Virgo,
     "You show love through small, thoughtful acts rather than sweeping declarations. You "
     "notice what your partner needs before a word is said, and you quietly see to it. Choosy "
     "and modest, you take your time before you commit, yet once you do, your devotion is as "
     "dependable as sunrise."},
    {ZodiacSign::Libra,
     "You are a born romantic, drawn to beauty, good manners and the graceful dance of "
     "courtship. Partnership is your natural state, and you bloom when you share your days with "
     "someone. You steer around quarrels in search of harmony, yet you need a lover who treats "
     "you as an equal."},
    {ZodiacSign::Scorpio,
     "You love with an intensity few can match. For you it is all or nothing. Idle flirtation "
     "bores you; you want to learn a partner's secrets and trust them with yours. Jealousy may "
     "flare, but your loyalty runs as deep as the sea."},
    {ZodiacSign::Sagittarius,
     "Your heart is wide open, and you treat romance as one more great adventure. A partner who "
     "travels with you, on the open road or through big ideas, will keep you close. Rules and "
     "curfews make you restless, but honesty, humor and room to roam will win your affection "
     "for good."},
    {ZodiacSign::Capricorn,
     "You approach love with patience and a serious heart, preferring a bond that lasts to a "
     "thrill that passes. At first you can seem reserved, even cool. Over the years, though, "
     "your warmth deepens, and you turn out to be tender and wryly playful."},
    {ZodiacSign::Aquarius,
     "You need friendship at the heart of every romance, and you fall for people who are "
     "original, curious and a bit unconventional. Clinging partners unsettle you, since you "
     "prize your freedom. Your head stays cool while your heart stays faithful, and shared "
     "ideals bind you closest."},
    {ZodiacSign::Pisces,
     "You love with a dreamy, boundless tenderness, and you feel a partner's moods as if they "
     "were your own. Romance is poetry to you, full of music and candlelight. Take care not to "
     "dissolve into the one you love, for your compassion knows few limits."},
}};
// clang-format on

constexpr bool inZodiacOrder(const std::array<SignText, 12> &table)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (ordinal(table[i].sign) != static_cast<int>(i) + 1)
            return false;
    }
    return true;
}
static_assert(inZodiacOrder(VenusTexts), "the accessor indexes the table by ordinal");

} // namespace

std::string_view LoveSignText(ZodiacSign sign)
{
    const int index = ordinal(sign) - 1;
    if (index < 0 || index >= static_cast<int>(VenusTexts.size()))
        return {};
    return VenusTexts[static_cast<std::size_t>(index)].text;
}

} // namespace kesto
