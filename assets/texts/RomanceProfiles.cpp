#include "assets/texts/ReadingTexts.h"

#include <array>
#include <cstddef>

namespace kesto {

namespace {

struct RomanceEntry
{
    ZodiacSign sign;
    std::string_view text;
};

// The reader's guide to winning and keeping a lover of each sign, in zodiac order.
// clang-format off
constexpr std::array<RomanceEntry, 12> Profiles = {{
    {ZodiacSign::Aries,
     "Courting the ram is not for the timid. As a romantic partner an Aries is bold, loyal and "
     "tirelessly energetic, someone who must come first in everything, your heart included. "
     "The way to win one is to let them do the chasing: be warm but not too available, and "
     "answer their wit with your own. Plan dates full of movement, such as a climbing wall, a "
     "bike race or an unplanned road trip, because boredom is the quickest way to lose them. "
     "Once the ram is yours, keep things in motion. Cheer their victories loudly, stand your "
     "ground when they charge ahead too fast, and never sulk in silence; an Aries prefers a "
     "short, honest quarrel to a long cold war. Admire their courage, let them lead now and "
     "then, and they will fight for you all their lives."},
    {ZodiacSign::Taurus,
     "The bull is a steadfast, sensual partner who prefers a slow and certain road to any "
     "whirlwind. If you hope to win a Taurus, appeal to the senses and to common sense at "
     "once: a home-cooked meal, good music, a stroll through a garden, and the quiet certainty "
     "that you are exactly who you claim to be. Never rush them or demand answers; pressure "
     "only makes the bull plant its feet. What keeps a Taurus is consistency. Be faithful, be "
     "punctual, and treat shared money and plans with respect. Small luxuries and long cuddles "
     "on the sofa go a long way. Forgive the occasional obstinacy, and the years ahead will be "
     "calm and affectionate."},
    {ZodiacSign::Gemini,
     "Want a Gemini? Start with their mind. As partners they are witty, restless and "
     "impossible to predict, which is precisely the charm. Tell stories, argue playfully, swap "
     "books and strange facts, and send messages that make them laugh on the bus. They crave "
     "variety, so suggest a gallery one week and a street market the next. Do not cling or "
     "insist on constant declarations; the twins need room to flit about, and they return of "
     "their own accord. The secret to holding on is to keep things fresh. Learn new things "
     "together, make friends as a couple, and never let the conversation run dry. Take their "
     "changes of plan lightly, and meet inconsistency with humor, not anger. A Gemini who is "
     "never bored is a Gemini who stays."},
    {ZodiacSign::Cancer,
     "The crab makes the most devoted and protective of partners, though the hard shell hides "
     "a very soft heart. The way in is through gentleness and sincerity: Cancer is moved by "
     "kindness, by family feeling, by a sweetheart who remembers the little things. Invite "
     "them home, cook for them, share your old photographs and childhood stories. Staying "
     "close asks for emotional security above all. Reassure them often, never make fun of "
     "their moods, and take their family seriously. When the crab retreats into its shell, "
     "wait patiently instead of prying, and it will hold on to you for good."},
    {ZodiacSign::Leo,
     "Romancing a Leo is like staging a play with them as the star. This warm, generous, "
     "theatrical partner brings sunshine into every room, and the lion responds to open, "
     "sincere admiration: notice their style, applaud their talents, let them take the "
     "spotlight. Dress up, plan memorable evenings and make a real fuss of birthdays. The one "
     "unforgivable error is taking them for granted. Stay loyal, be proud to be seen at their "
     "side, and never criticize them in public. Keep the affection playful and the compliments "
     "heartfelt, and you will be treated like royalty."},
    {ZodiacSign::Virgo,
     "A Virgo partner is thoughtful, dependable and quietly affectionate, showing love through "
     "care rather than spectacle. Sincerity and good manners impress them far more than "
     "flattery, and they notice the details, from your punctuality to the state of your shoes. "
     "Intelligent conversation is a genuine seduction here, and a shared interest in health, "
     "books or useful projects can draw you close. Let things unfold slowly, because they need "
     "time to trust what they feel. Once together, value the small services they perform "
     "unasked. Thank them, help them, and gently remind them to rest when they work too hard. "
     "Chaos and carelessness wear them down. Above all, let them know they need not be perfect "
     "to be loved."},
    {ZodiacSign::Libra,
     "Libra is the born romantic of the zodiac, an elegant and considerate partner who longs "
     "for a true meeting of equals. Symbolized by the scales, they seek balance, beauty and "
     "harmony in every relationship. Court them with style: good manners, a tasteful outfit, "
     "compliments that show thought, and dates with a touch of artistry, such as a concert, an "
     "exhibition or a candlelit dinner. Be fair-minded and easy company, for rudeness repels "
     "them instantly. A lasting bond with Libra rests on partnership in the fullest sense. "
     "Share decisions, ask their opinion, and bring them into your social life, since they "
     "love being part of a charming couple. Help them make up their minds without pushing, and "
     "handle conflict calmly. Honor their need for beauty and peace, and a Libra's devotion "
     "will be yours."},
    {ZodiacSign::Scorpio,
     "Scorpio is an intense, magnetic and fiercely loyal partner who wants all of you or "
     "nothing at all. Approach with honesty and a touch of mystery; they are drawn to depth "
     "and see through idle flirting and empty compliments in a moment. Conversations about "
     "real things, secrets shared late at night and a steady gaze will hold them far longer "
     "than small talk. Be patient, because trust comes slowly to this sign, and any "
     "manipulation will be noticed and remembered. The long game with a Scorpio is loyalty "
     "proved again and again. Never betray a confidence, never use jealousy as a weapon, and "
     "respect their need for privacy. When they brood, give them space without withdrawing "
     "your affection. Once sure of you, they become a powerful protector and a passionate "
     "companion for life."},
    {ZodiacSign::Sagittarius,
     "The archer is an adventurous, optimistic and refreshingly honest partner who treats life "
     "as a quest and looks for love in a fellow traveler. To catch a Sagittarius, show that "
     "you are fun and free-spirited: suggest a spontaneous trip, a hike, a language class or a "
     "lively debate over dinner. Laugh at their jokes and make them laugh in return. "
     "Intelligence and a broad outlook attract them, while neediness and petty rules drive "
     "them off. Do not hurry commitment, as the archer has to choose it freely. Holding on to "
     "one means keeping the horizon open. Allow them independence, share their enthusiasms and "
     "plan new adventures together. Take their blunt remarks with good grace, since they mean "
     "no harm. Trust them, never fence them in, and this joyful lover will come home to you "
     "from every journey."},
    {ZodiacSign::Capricorn,
     "The sea-goat is a serious, dependable and ambitious partner who wants a relationship "
     "built to last. Competence, maturity and quiet self-respect are what attract a Capricorn, "
     "so let them see that you are responsible and have goals of your own. Courtship may be "
     "slow and traditional; be patient and let them set the pace. To keep one, support their "
     "ambitions and be a true partner in building a secure future. Be loyal, keep your word "
     "and value their love of order. Help them relax and laugh, too, for beneath the reserve "
     "lies a tender, steadfast heart that grows more playful and affectionate with every year "
     "you spend together."},
    {ZodiacSign::Aquarius,
     "You will not win the water bearer with roses and sonnets alone. An Aquarius makes an "
     "unusual, independent and fascinating partner, and is drawn to people who are "
     "unconventional and open-minded. Engage them with original ideas, and show that you have "
     "a mind of your own. Build a friendship before you hint at anything more, and do not "
     "expect gushing declarations early on. Lasting love with an Aquarius depends on "
     "respecting their freedom. Leave room for their friends, causes and odd projects, and "
     "never try to possess them. Be honest, be tolerant, and every so often propose something "
     "delightfully strange. Treated as an equal, the water bearer becomes a loyal and "
     "inventive companion."},
    {ZodiacSign::Pisces,
     "Pisces is a gentle, imaginative and deeply romantic partner, a dreamer who seeks a soul "
     "mate rather than a mere companion. Symbolized by two fish swimming in opposite "
     "directions, they can be hard to read, but their compassion is boundless. Kindness and "
     "openness draw them near; share music, poetry and quiet evenings by the water, and let "
     "them feel how much you prize their sensitive heart. Holding a Pisces close means "
     "offering stability without harshness. Shield them from the world's rough edges, "
     "encourage their creative gifts, and help them stay grounded in practical matters. Never "
     "belittle their dreams. Loved tenderly, the fish will give you a devotion beyond measure."},
}};
// clang-format on

constexpr bool inZodiacOrder()
{
    for (std::size_t i = 0; i < Profiles.size(); ++i) {
        if (ordinal(Profiles[i].sign) != static_cast<int>(i) + 1)
            return false;
    }
    return true;
}
static_assert(inZodiacOrder(), "romance profiles must be listed Aries to Pisces");

} // namespace

std::string_view RomanceProfileText(ZodiacSign sign)
{
    const int index = ordinal(sign) - 1;
    if (index < 0 || index >= static_cast<int>(Profiles.size()))
        return {};
    return Profiles[static_cast<std::size_t>(index)].text;
}

} // namespace kesto
