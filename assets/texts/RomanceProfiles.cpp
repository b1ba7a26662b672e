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
     "one is to let them do the chasing: be warm but not too available, and answer their wit "
     "with your own. Suggest dates full of movement, like a climbing wall, a bike race or a "
     "last-minute road trip, because boredom is the quickest way to lose them. Once the ram is "
     "yours, keep things in motion. Cheer their victories loudly, hold your ground when they "
     "rush too far ahead, and never sulk in silence; an Aries prefers a short, honest quarrel to "
     "a long cold war. Admire their nerve and let them lead now and then. A ram who feels valued "
     "is a champion for life."},
    {ZodiacSign::Taurus,
     "The bull is a steadfast, sensual partner who prefers a slow and certain road to any "
     "whirlwind. If you hope to win a Taurus, appeal to the senses and to common sense at once: "
     "an afternoon at a flower market, good music, a soft scarf, and the quiet certainty that "
     "you are exactly who you claim to be. Never rush them or demand answers; pressure only "
     "makes the bull plant its feet. What keeps a Taurus is consistency. Be faithful, be "
     "punctual, and treat shared plans with respect. Small luxuries and long cuddles on the sofa "
     "go a long way. An obstinate mood passes; the calm, affectionate years it guards are the "
     "real prize."},
    {ZodiacSign::Gemini,
     "Want a Gemini? Start with their mind. As partners they are witty, changeable and "
     "impossible to predict. Tell stories, argue cheerfully about nothing, trade puzzles and "
     "strange facts, and send messages that make them laugh mid-meeting. They crave variety, so "
     "suggest a gallery one week and a street market the next. Do not cling or insist on "
     "constant declarations; a Gemini needs room to flit about, and returns of their own accord. "
     "Holding on means keeping things fresh. Learn new skills together, try new places as a "
     "couple, and never let the conversation run dry. Take their changes of plan lightly, and "
     "meet inconsistency with humor, not anger. A Gemini who keeps finding something new in you "
     "has every reason to stay."},
    {ZodiacSign::Cancer,
     "The crab makes the most devoted and protective of partners, though the hard shell hides a "
     "soft heart. The way in is through gentleness and sincerity: a Cancer is moved by kindness "
     "and by a sweetheart who remembers the little things. Write them a letter by hand, keep the "
     "ticket stub from your first date, walk with them by the water. Staying close asks for "
     "emotional security above all. Reassure them often, never mock their tender moments, and "
     "show up when it matters. When the crab withdraws, wait patiently instead of prying; it "
     "comes out in its own time and holds on for good."},
    {ZodiacSign::Leo,
     "Romancing a Leo means courting someone who expects to be courted well. This generous, "
     "expressive partner lights up any evening, and the lion responds to open, sincere "
     "admiration: notice their style, applaud their talents, tell them they dazzle you. Dress "
     "up, plan special evenings and make a real fuss of birthdays. The one unforgivable error is "
     "taking them for granted. Stay loyal, be proud to be seen at their side, and never "
     "criticize them in public. Keep the affection warm and the compliments heartfelt; a Leo "
     "cherished this way treats a partner like royalty."},
    {ZodiacSign::Virgo,
     "A Virgo partner is thoughtful, dependable and quietly affectionate, showing love through "
     "care rather than spectacle. Sincerity and good manners impress them far more than "
     "flattery, and they notice the details, from your punctuality to the state of your shoes. "
     "Intelligent conversation is a genuine seduction here, and a shared interest in health, "
     "gardening or a useful project can draw you close. Let things unfold slowly, because a "
     "Virgo needs time to trust what they feel. Once together, value the favors they do unasked. "
     "Thank them, help them, and coax them into a lazy Sunday when they work too hard. "
     "Sloppiness and broken promises wear them down. Above all, let them know they need not be "
     "perfect to be loved."},
    {ZodiacSign::Libra,
     "Libra is the born romantic of the zodiac, an elegant and considerate partner who longs for "
     "a true meeting of equals. Their emblem is the scales, and they want a love in which both "
     "sides weigh the same. Court them with style: a tasteful outfit, compliments that show real "
     "thought, and dates with a touch of artistry, such as a concert, an exhibition or a "
     "candlelit dinner. Be even-tempered and easy company, for rudeness repels them instantly. A "
     "lasting bond with Libra rests on partnership in the fullest sense. Share decisions, ask "
     "their opinion often, and bring them into your social life, since they love being part of a "
     "charming couple. Help them make up their minds without pushing, and handle conflict calmly "
     "and kindly. In return, a Libra offers a devotion as gracious as it is steady."},
    {ZodiacSign::Scorpio,
     "Scorpio is an intense, ardent and fiercely loyal partner who wants all of you or nothing "
     "at all. Approach with honesty and a touch of mystery; a Scorpio sees through idle flirting "
     "and empty compliments in a moment. Conversations about real things, stories told late at "
     "night and a steady, unhurried gaze will hold them far longer than small talk. Be patient, "
     "because trust comes slowly to this sign, and any trickery will be noticed and remembered. "
     "The long game with a Scorpio is loyalty proved over and over. Never betray a confidence, "
     "never play games with their trust, and respect their need for privacy. When they brood, "
     "give them space without ever withdrawing your affection. Once they are sure of you, they "
     "become a powerful protector and a passionate companion for life."},
    {ZodiacSign::Sagittarius,
     "Adventurous, optimistic and refreshingly direct, the archer is a partner who treats life "
     "as a quest and looks for love in a fellow explorer. To catch a Sagittarius, show that you "
     "are fun and free-spirited: suggest a spontaneous trip, a hike, a language class or a "
     "lively debate over dinner. Match their jokes with your own and keep the mood buoyant and "
     "bright. Intelligence and a broad outlook attract them, while neediness and petty rules "
     "drive them off. Do not hurry commitment, as the archer has to choose it freely. Holding on "
     "to one means keeping the door open. Allow them real independence, share their enthusiasms "
     "and plan new adventures together. Take their bluntness in good part, since no harm is "
     "meant. Trusted and unconfined, this joyful lover comes home to you from every journey."},
    {ZodiacSign::Capricorn,
     "Serious and dependable, the sea-goat wants a relationship that is built to last. "
     "Competence, maturity and quiet self-respect are what attract a Capricorn, so let them see "
     "that you are responsible and have plans of your own. Courtship may be slow and "
     "old-fashioned; be patient and let them set the pace. To keep one, back their efforts and "
     "be a true partner in building a secure future. Be loyal, keep your word and value their "
     "love of order. Help them unwind and laugh, too, when work has eaten the week. The heart "
     "under all that composure is tender and steadfast, and it grows more affectionate with "
     "every year you spend together."},
    {ZodiacSign::Aquarius,
     "You will not win the water bearer with roses and sonnets alone. An Aquarius makes an "
     "unusual, free-minded and fascinating partner, and is drawn to people who are "
     "unconventional and open-minded. Engage them with fresh ideas, and show that you have a "
     "mind of your own. Build a friendship before you hint at anything more, and do not expect "
     "gushing declarations early on. Lasting love with an Aquarius depends on respecting their "
     "freedom. Leave room for their friends, causes and pet projects, and never try to possess "
     "them. Be honest, be tolerant, and every so often propose something gloriously eccentric. "
     "Treated as an equal, the water bearer becomes a loyal and endlessly interesting companion."},
    {ZodiacSign::Pisces,
     "Pisces is a tender, imaginative and deeply romantic partner, a seeker of a soul mate "
     "rather than a mere companion. Their sign is two fish swimming in opposite directions, and "
     "they can be hard to read, but their capacity for love seems to have no floor. Warmth and "
     "openness draw them near; share long walks by the water, old films and quiet evenings, and "
     "let them feel how much you prize their open heart. Holding a Pisces close means offering "
     "stability without harshness. Shield them from the world's rough edges, encourage their "
     "talents, and help them stay grounded in practical matters. Never belittle their hopes. "
     "Loved tenderly, the fish gives back a devotion beyond measure."},
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
