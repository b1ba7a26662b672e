#include "ReadingTexts.h"

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
     "With Venus in Aries, love arrives for you like a starter's pistol: one look, and you are "
     "off and away. You make the first move without a second thought and say what you feel the "
     "moment you feel it. The chase is half the joy. Only boredom cools you, so you thrive "
     "beside a partner with nerve of their own."},
    {ZodiacSign::Taurus,
     "Venus is at home in Taurus, and so are you when love is slow, warm and certain. A shared "
     "meal, a hand at the nape of your neck, a gift chosen with great care: these reach your "
     "heart more surely than any fine speech. Once you commit, you hold fast for years, if a bit "
     "possessively."},
    {ZodiacSign::Gemini,
     "Your heart listens before it looks. Venus in Gemini is won by a quick remark, a message "
     "that makes you grin at your desk, a conversation that runs to midnight. You want a lover "
     "who is also your best friend and favorite sparring partner, and you stay wherever the talk "
     "stays lively."},
    {ZodiacSign::Cancer,
     "Venus in Cancer makes your affection a sort of shelter. It shows in a supper kept warm, a "
     "worry remembered, a jacket lent when the evening turns cold. Your feelings bruise easily, "
     "so trust takes its time. Once you feel truly safe, you gather everyone you love close and "
     "guard them with a ferocity they never saw coming."},
    {ZodiacSign::Leo,
     "Romance, for a Venus in Leo, ought to be a story worth retelling. You court in full color, "
     "with grand gestures and a generous hand, and you hope, quite frankly, to be adored for it. "
     "Neglect stings your pride worse than a quarrel. A lover who admires you openly will find "
     "your heart thrown wide open."},
    {ZodiacSign::Virgo,
     "Small, exact kindnesses mean more to Venus in Virgo than sweeping declarations. You notice "
     "what a partner needs before a word is spoken and you quietly see to it. Choosy and modest, "
     "you take your time before you commit; once you do, your devotion is as dependable as the "
     "morning."},
    {ZodiacSign::Libra,
     "Venus rules Libra, and it gives you a born romantic's taste for beauty, good manners and "
     "the slow dance of courtship. You bloom with someone to share your days and wilt alone. "
     "Though you steer around quarrels for peace's sake, you need a lover who treats you as an "
     "equal."},
    {ZodiacSign::Scorpio,
     "Half measures leave you cold. Venus in Scorpio loves with an intensity few can match: you "
     "want a partner's secrets and will trust them with your own. Jealousy may stir, but your "
     "loyalty goes right down to the bottom of the sea."},
    {ZodiacSign::Sagittarius,
     "To a Venus in Sagittarius, romance is one more road to travel. A partner who explores with "
     "you, on a map or through big new ideas, keeps you close and keeps you curious. Curfews and "
     "rules make you restless, while honesty, humor and room to roam win your affection for good."},
    {ZodiacSign::Capricorn,
     "Love is a long game for a Venus in Capricorn, and you would rather build a bond that lasts "
     "than chase a thrill that fades. At first you can seem reserved, even stiff. Over the years "
     "your warmth deepens, and a dry, tender wit comes out to play."},
    {ZodiacSign::Aquarius,
     "Friendship sits at the heart of every romance for a Venus in Aquarius. You fall for people "
     "who are original, curious and a little unconventional, and clinging partners make you "
     "restless. Your head stays cool while your heart stays faithful, and shared ideals bind you "
     "closest."},
    {ZodiacSign::Pisces,
     "Venus is exalted in Pisces, and your love is dreamy and boundless. You feel a partner's "
     "moods as if they were your very own, and romance is poetry to you, all music and "
     "candlelight. Take care, though, not to dissolve entirely into the one you love."},
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
