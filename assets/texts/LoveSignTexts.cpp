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
     "With Venus in Aries, love is a dare you take on sight: one look, and you are already "
     "crossing the room. You act without second thoughts and say what you feel the moment you feel "
     "it. Half the fun is in the winning, and a suitor who dithers soon loses you, so you thrive "
     "beside someone with nerve to spare."},
    {ZodiacSign::Taurus,
     "Venus is at home in Taurus, and so are you when love is slow, warm and certain. A shared "
     "meal, a hand at the nape of your neck, a gift chosen with great care: these reach your heart "
     "more surely than any fine speech. When you commit, you hold fast for years, if a bit "
     "possessively."},
    {ZodiacSign::Gemini,
     "Your heart listens before it looks. Venus in Gemini means you are won by a sly one-liner, a "
     "message that makes you grin at your desk, a conversation that runs to midnight. You want a "
     "lover who is your best friend and favorite sparring partner, and you stay wherever talk is "
     "lively."},
    {ZodiacSign::Cancer,
     "Venus in Cancer makes your affection a sort of shelter. It shows in small things: a light "
     "left on, a worry noticed, a warm jacket lent when the evening turns cold. Your feelings "
     "bruise easily, so trust takes its own time. When at last you feel at ease, you gather the "
     "people you love close and keep them there for life."},
    {ZodiacSign::Leo,
     "Placed in Leo, Venus asks that love be warm and unmistakable. You court in full color, with "
     "bold gestures and a free hand, and you hope, quite frankly and without shame, to be adored "
     "for it. Neglect stings your pride worse than any quarrel, while genuine appreciation wins "
     "your loyal heart for good."},
    {ZodiacSign::Virgo,
     "Small, exact kindnesses mean more to you than grand declarations, as befits Venus in Virgo. "
     "You notice what a partner needs before a word is spoken and quietly see to it. Choosy and "
     "modest, you take your time to commit; once you do, your devotion is as dependable as the "
     "morning."},
    {ZodiacSign::Libra,
     "Venus rules Libra, and it gives you a born romantic's taste for beauty, good manners and the "
     "slow dance of courtship. You bloom with someone to share your days and wilt alone. You steer "
     "around quarrels for peace's sake, but never at the price of being less than an equal."},
    {ZodiacSign::Scorpio,
     "Lukewarm affection leaves you cold. Venus in Scorpio lends your love a fervor few can match: "
     "you want a partner's secrets and will trust them with your own. Jealousy may stir, but your "
     "loyalty is the kind that lasts a lifetime."},
    {ZodiacSign::Sagittarius,
     "Romance, with Venus in Sagittarius, is another horizon to chase. A partner who roams with "
     "you, on a map or through big new ideas, keeps you close and keeps you curious. Curfews and "
     "rules make you itch to get away, while candor, wit and plenty of freedom win your "
     "affection."},
    {ZodiacSign::Capricorn,
     "In Capricorn, Venus makes you a wary suitor, and you would rather keep a bond that lasts "
     "than chase a thrill that soon fades. You show love by deeds more than words. At first you "
     "may seem hard to read. In time a tender, playful side comes out."},
    {ZodiacSign::Aquarius,
     "Aquarius puts Venus in a free mood, and you love in your own way and on your own terms. You "
     "fall for minds before faces, and neediness sends you running. Your heart stays true even "
     "when you seem far away, and shared ideals bind you closest. A lover with a cause wins you "
     "over."},
    {ZodiacSign::Pisces,
     "Venus is exalted in Pisces, and you love with great imagination and greater kindness. You "
     "fall for the soul behind the face. Romance feels to you like a shared secret, all "
     "candlelight and longing. Take care, though, not to vanish into your beloved."},
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
