#include "ReadingTexts.h"

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
     "Courting the ram is not for the timid. As a partner an Aries is bold, loyal and tirelessly "
     "energetic, someone who must come first in everything, your heart included. The way to win "
     "one is to let them do the chasing: be warm but not too available, and answer their wit with "
     "your own. Suggest dates full of movement, like a salsa class, a bike race or an afternoon of "
     "go-karts, because boredom is the quickest way to lose them. With the ram won, keep things in "
     "motion. Cheer their triumphs loudly, hold your ground when they rush too far ahead, and "
     "never sulk in silence; an Aries prefers a short, honest quarrel to a long cold war. Admire "
     "their pluck and let them set the pace sometimes. A ram who feels valued is a champion for "
     "life."},
    {ZodiacSign::Taurus,
     "The bull is a steadfast, sensual partner who prefers a slow and certain road to any "
     "whirlwind. If you hope to win a Taurus, appeal to the senses and to common sense at once: a "
     "morning at a flower market, a picnic in June, and the quiet certainty that you are exactly "
     "who you claim to be. Never rush them or demand answers; pressure only makes the bull plant "
     "its feet. What keeps a Taurus is consistency. Be faithful, be punctual, and treat shared "
     "plans with respect. Small treats and slow Sunday cuddles on the sofa go a long way. Wait out "
     "the odd obstinate mood; the calm, affectionate years beyond it are the real prize."},
    {ZodiacSign::Gemini,
     "Want a Gemini? Start with their mind. As partners they are witty, changeable and impossible "
     "to predict. Tell stories, argue cheerfully about nothing, and trade puzzles, riddles and "
     "strange facts over breakfast. Sameness bores them, so suggest a gallery one week and a "
     "comedy club the next. Do not cling or insist on constant declarations; a Gemini needs room "
     "to wander, and returns of their own accord. Holding on means keeping things fresh. Sign up "
     "for an evening class together, invent silly rituals of your own, and never let the "
     "conversation run dry. Take their sudden changes of plan lightly, and meet inconsistency with "
     "humor, not anger. A Gemini who keeps finding something new in you has every reason to stay."},
    {ZodiacSign::Cancer,
     "The crab may keep its distance at first, yet it makes the most devoted and protective of "
     "partners. The way in is through gentleness and sincerity: a Cancer is moved by kindness and "
     "by a sweetheart who remembers the little things. Write them a letter by hand, keep the "
     "ticket stub from your first date, ask about the people they love. Staying close asks for "
     "emotional security above all. Reassure them often, never mock their tender moments, and show "
     "up when it matters. When the crab withdraws, wait patiently instead of prying; it comes out "
     "in its own time and stays for good."},
    {ZodiacSign::Leo,
     "Romancing a Leo means courting someone who expects to be courted well. This generous, "
     "expressive partner lights up any evening, and the lion responds to sincere applause: notice "
     "their style, cheer on their talents, tell them they dazzle you. Plan special evenings, raise "
     "a toast to them and make a fuss of birthdays. The one unforgivable error is taking them for "
     "granted. Stay loyal, be proud to stand at their side, and never criticize them in public. "
     "Keep the affection warm and the compliments heartfelt; a Leo cherished this way treats a "
     "partner as royalty."},
    {ZodiacSign::Virgo,
     "A Virgo partner is thoughtful, dependable and quietly affectionate, showing love through "
     "care rather than spectacle. Sincerity and good manners impress them far more than flattery, "
     "and they notice the details, from your punctuality to the state of your shoes. Intelligent "
     "conversation is a genuine seduction here, and a shared interest in health, gardening or a "
     "useful project can draw you close. Let things unfold slowly, because a Virgo needs time to "
     "trust what they feel. Together at last, answer their care with your own: thank them, help "
     "them, and coax them into a lazy afternoon when they work too hard. Sloppiness and broken "
     "promises wear them down. Let them know they need not be perfect to be loved."},
    {ZodiacSign::Libra,
     "Libra is the zodiac's great connoisseur of courtship, an elegant and considerate partner "
     "with a gift for making two lives fit together. Their emblem is the scales, and they want a "
     "love in which both sides weigh the same. Court them with style: compliments that show real "
     "thought, and dates with a sense of occasion, such as a concert, an exhibition or a rooftop "
     "dinner. Small kindnesses, like a thank-you note after an evening out, count double. Be "
     "even-tempered and easy company, since rudeness repels them instantly. A lasting bond with "
     "Libra rests on partnership in the full sense. Ask their opinion and bring them into your "
     "social life, since they love being part of a well-matched couple. Help them decide without "
     "pushing. In return, a Libra offers a devotion as faithful as it is steady."},
    {ZodiacSign::Scorpio,
     "Scorpio is an ardent, deeply loyal partner who wants all of you or nothing at all. Approach "
     "them with honesty and a touch of mystery; a Scorpio is unmoved by idle flirting and empty "
     "compliments. Conversations about real things, stories told late into the night and a steady, "
     "unhurried gaze will hold them far longer than small talk. Be patient, because this sign "
     "opens up by degrees, and any trickery will be noticed and long remembered. Keeping a Scorpio "
     "means proving your loyalty over and over. Never betray a confidence, never play games with "
     "their trust, and respect their deep need for privacy. When they brood, give them space and "
     "quiet without ever withdrawing your affection. Sure of you at long last, they become a "
     "powerful protector and a passionate companion for life."},
    {ZodiacSign::Sagittarius,
     "Adventurous, optimistic and refreshingly direct, the archer treats life as a quest and wants "
     "a companion who is game for anything. To catch a Sagittarius, show that you are fun and "
     "free-spirited: suggest a spontaneous trip, a hike, a language class or a night of "
     "stargazing. Match their jokes with your own and keep the mood buoyant. Intelligence, "
     "curiosity and a broad outlook attract them, while neediness and petty rules drive them off. "
     "Do not hurry commitment; the archer commits when it feels like their idea. Holding on to one "
     "means keeping the door open. Allow them real independence, share their passions and plan "
     "your next adventure together. Take their bluntness in good part, since no harm is ever "
     "meant. Trusted and unconfined, this joyful lover comes home to you from every journey."},
    {ZodiacSign::Capricorn,
     "Serious, driven and dependable, the sea-goat wants a relationship meant to last. Competence, "
     "maturity and quiet self-respect are what attract a Capricorn, so let them see that you are "
     "responsible and have sound plans of your own. Courtship may be slow and old-fashioned; be "
     "patient and follow their tempo. To keep one, back their efforts and be a true partner in "
     "securing the future. Be loyal, keep your word and value their love of order. Help them "
     "unwind and laugh, too, when work has eaten the week. For all their composure, they are "
     "tender and steadfast at heart, and they grow more affectionate with every year you spend "
     "together."},
    {ZodiacSign::Aquarius,
     "You will not win the water bearer with roses and sonnets alone. An Aquarius makes a rare and "
     "truly fascinating partner, one who prizes an open mind above good looks. Engage them with "
     "fresh ideas and odd questions, and show that you have opinions of your own. Let trust grow "
     "at its own pace, and do not expect gushing declarations too early on. Lasting love with an "
     "Aquarius depends on honoring their freedom. Leave room for their friends and pet projects, "
     "and never ask them to choose between you and the world. Be honest, be patient, and every so "
     "often propose something gloriously eccentric. Treated as a true equal, the water bearer "
     "becomes a loyal and endlessly interesting companion."},
    {ZodiacSign::Pisces,
     "Pisces is a tender, imaginative and deeply romantic partner, seeking a kindred spirit rather "
     "than a mere companion. Their sign is two fish swimming in opposite directions, and they can "
     "be hard to read, but their heart is far larger than it first appears. Warmth and openness "
     "draw them near; share old movies, slow breakfasts and quiet evenings, and let them feel how "
     "much you prize their open heart. Holding a Pisces close means offering stability without "
     "harshness. Shield them from the world's rough edges, nurture their talents, and help them "
     "stay grounded in practical matters. Never belittle their hopes. Loved tenderly, the fish "
     "gives back a quiet, steadfast loyalty."},
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
