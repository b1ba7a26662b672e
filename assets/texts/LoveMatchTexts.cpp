#include "ReadingTexts.h"

#include <array>
#include <cstddef>

namespace kesto {

namespace {

struct MatchText
{
    Body layer;
    Aspect aspect;
    std::string_view text;
};

// Love Match: what the aspect between two people's signs of one body says, written to the two of
// them. The Sun layer is how they get along, the Venus layer how they love, the Eros layer what
// they desire. Layer by layer, each in aspect order.
// clang-format off
constexpr std::array<MatchText, 21> MatchTexts = {{
    {Body::Sun, Aspect::Conjunction,
     "Born under the same Sun sign, you two share a temperament the way siblings share a laugh: "
     "instantly, without being taught. A conjunction of your Suns means the same things energize "
     "you and the same things wear you out, so plans come together quickly and arguments rarely "
     "need subtitles. You understand each other's moods because you have lived inside them "
     "yourselves. The risk is that you also share the same blind spots, and when you both dig in "
     "over the same thing, nobody is standing outside the problem to point the way out. Cultivate "
     "a few separate friendships and interests, so each of you brings home news the other could "
     "not have found. Closeness is your gift; a little difference is what keeps it lively."},
    {Body::Sun, Aspect::Semisextile,
     "Your Suns sit side by side in the zodiac, a semisextile, which makes you something like "
     "next-door neighbors: close enough to see into each other's lives, different enough to raise "
     "an eyebrow at what you see. One of you may be brisk where the other is leisurely, or "
     "practical where the other dreams, and small habits, from how you load a dishwasher to how "
     "you spend a Saturday, can grate in a mild, daily way. None of it is dramatic. Yet each of "
     "you holds a skill the other has not yet learned, and living side by side is the quickest way "
     "to pick it up. Treat the friction as a lesson passed over the fence rather than a verdict, "
     "and the two of you grow in directions neither would have tried alone."},
    {Body::Sun, Aspect::Sextile,
     "Friendly, curious and easy in each other's company: that is the promise of a sextile between "
     "your Suns. Your temperaments suit each other well, the way a good question suits a good "
     "answer, and shared projects tend to run smoothly, whether you are planning a trip or "
     "painting a spare room. The catch is that a sextile gives you the tools without doing the "
     "work, so the harmony grows strongest when you two actively use it: take the class together, "
     "start the business, host the dinner you keep talking about. Left idle, the connection stays "
     "pleasant but shallow; used with intent, it becomes real, everyday teamwork."},
    {Body::Sun, Aspect::Square,
     "Picture two good cooks in one small kitchen, each sure of the recipe. With your Suns in "
     "square, your basic temperaments push against each other: one of you wants to act while the "
     "other wants to wait, one reaches for the new while the other guards what works. Friction is "
     "part of daily life here, and it can flare over the smallest things, from the thermostat to "
     "the weekend plans. Yet that same tension is a source of energy. You challenge each other, "
     "refuse to let each other coast, and often get more done together than either would alone. "
     "The trick is to argue about the task rather than about who is right. With turns taken at the "
     "stove, your clashes can become a working rhythm."},
    {Body::Sun, Aspect::Trine,
     "Some pairs seem to have known each other forever, and yours is one of them. A trine "
     "between your Suns puts you in the same element, so your instincts run in the same "
     "direction and your daily lives fit together with very little effort. Long drives pass in "
     "comfortable silence, decisions get made without a committee, and friends tend to see you "
     "two as a natural unit. This is the deepest kind of ease the zodiac offers. Its only danger "
     "is the ease itself: when nothing pushes back, you may stop making an effort, and a good "
     "thing can drift into habit. Keep surprising each other. A flow this strong deserves to be "
     "steered somewhere worth going."},
    {Body::Sun, Aspect::Quincunx,
     "Getting along can feel like living in two time zones when your Suns form a quincunx. Your "
     "temperaments have little in common: different elements, different rhythms, different ideas "
     "of what a good day looks like. Neither of you is wrong, but you keep having to convert, "
     "translating your plans and moods into the other's terms. It can be tiring, and small "
     "misunderstandings tend to pile up when you stop paying attention. The aspect asks for "
     "constant, gentle adjustment rather than one big compromise. Check in often, explain what "
     "seems obvious to you, and assume good intent. The reward is unusual flexibility and "
     "kindness, learned by loving someone whose clock runs differently."},
    {Body::Sun, Aspect::Opposition,
     "Directly across the zodiac from each other, your Suns stand in opposition, and that gives "
     "your bond the energy of a seesaw. Each of you is strong exactly where the other is unsure, "
     "so you are drawn together by what you lack and admire in one another. At best you balance "
     "beautifully: one brings drive, the other perspective; one starts things, the other sees them "
     "through. At worst you tip into tug-of-war, each pulling harder to prove a point. The "
     "attraction is real and lasting, but it needs conscious give and take. Meet in the middle "
     "often, say what you value in the other's way of doing things, and let the seesaw move. "
     "Stillness at either end is what tires you two out."},
    {Body::Venus, Aspect::Conjunction,
     "When your Venus signs meet in conjunction, you love to the same rhythm. You two would choose "
     "the same restaurant, the same breakfast on a rainy morning and the same way of saying sorry "
     "after a quarrel, and affection passes between you without any need for explanation. Each of "
     "you feels understood in exactly the way you hoped to be, which makes the bond tender and "
     "very close. The catch is that you may also share the same romantic weak spot, whether that "
     "is jealousy, neglect of the practical or a taste for drama, and two people with one weakness "
     "can feed it. Name it together early. Then enjoy what is rare: a love whose gestures land "
     "exactly where they are aimed."},
    {Body::Venus, Aspect::Semisextile,
     "Your Venus signs stand one step apart, a semisextile, so you speak two dialects of the same "
     "language of affection. The words mostly overlap, but now and then a gesture gets lost: one "
     "of you shows love with help and errands while the other waits for a compliment, or one wants "
     "a quiet night in just as the other plans a party. The unease is mild, more like a stone in a "
     "shoe than a storm, and it rewards attention. Ask how the other likes to be loved, and teach "
     "your own preferences without sulking. Over time each of you picks up the other's accent, and "
     "your romance becomes richer for it, with two ways to say the same tender thing."},
    {Body::Venus, Aspect::Sextile,
     "A sextile between your Venus signs gives you two a warm, easy liking for each other's way of "
     "loving. Your tastes complement rather than copy each other: one brings romance, the other "
     "reliability, and both of you enjoy the mix. Dates are fun, gifts tend to please, and "
     "affection comes without much strain. Still, this aspect is an opportunity, like seed in good "
     "soil that still has to be planted. The love grows when you put effort into it on purpose: "
     "plan evenings for just the two of you, say the appreciative thing out loud, invent your own "
     "ways to celebrate. A garden tended in small ways every week repays far more than it asks."},
    {Body::Venus, Aspect::Square,
     "Love can feel like a dance in which both of you want to lead when your Venus signs form a "
     "square. You two express affection in ways that rub against each other: one wants closeness "
     "and reassurance, the other independence and room; one loves grand gestures, the other finds "
     "them embarrassing. The attraction can be strong precisely because of the tension, but "
     "misread signals are common, and each of you may feel loved in the wrong way. Nothing here is "
     "fatal. It simply asks you to talk about affection as openly as you talk about money or "
     "chores. Agree on a few rituals that satisfy both of you, honor each other's style "
     "deliberately, and let the friction keep romance from ever going stale."},
    {Body::Venus, Aspect::Trine,
     "Love flows between you two like a song you both know by heart. Your Venus signs share an "
     "element, and the trine between them makes affection natural and unforced: you enjoy the same "
     "pleasures, you value the same things in a partner, and small kindnesses arrive before they "
     "are asked for. Many couples work for years to reach this kind of accord; for you it is there "
     "from the start. The only thing to watch is complacency, since a love this easy can be taken "
     "for granted. Court each other long after the courting seems necessary. Flowers for no "
     "reason, a letter tucked into a bag, an evening planned in secret: these keep an easy love "
     "from growing quiet."},
    {Body::Venus, Aspect::Quincunx,
     "Romance under a quincunx between your Venus signs can feel like a sweater given in the wrong "
     "size: the thought is lovely, but the fit needs work. Your ideas of courtship come from "
     "different places, so what delights one of you may puzzle the other, and you may both feel "
     "you are giving a great deal without it quite landing. This aspect does not mean "
     "incompatibility. It means continual small adjustments, made with good humor. Notice what "
     "actually makes your partner light up, not what would make you light up, and say plainly what "
     "works for you. Two people who learn to tailor their love this carefully often end up with a "
     "bond that fits better than any that came ready-made."},
    {Body::Venus, Aspect::Opposition,
     "Magnets set face to face pull hard, and so do you two, with your Venus signs in opposition. "
     "Each of you loves in a style the other lacks and secretly admires, so the attraction is "
     "immediate and often powerful. One may court with words, the other with deeds; one craves "
     "togetherness while the other protects a private world. Polarity like this keeps romance "
     "vivid, but it can also leave each of you waiting to be loved in your own style. Let the "
     "differences teach rather than frustrate you. Borrowing a little of each other's style turns "
     "the space between you into room for both ways of loving."},
    {Body::Eros, Aspect::Conjunction,
     "Your desires rhyme. With both your Eros signs in conjunction, you two want the same kinds of "
     "closeness, respond to the same cues and move at much the same pace, so intimacy rarely needs "
     "much explanation. There is a deep pleasure in being wanted in exactly the way you want, and "
     "it is rarer than you might think. The shadow side is sameness: with no contrast to spark "
     "against, passion can settle into a routine you both accept without noticing. Bring in "
     "novelty by design, a new setting, a slower evening, a different hour of the day. Because you "
     "already understand each other so well, you can afford to be adventurous together."},
    {Body::Eros, Aspect::Semisextile,
     "With Eros a semisextile apart in your charts, what each of you desires lies within arm's "
     "reach of what the other wants, close yet not the same. There is curiosity in that, and a "
     "mild unease too: the other's tastes seem near enough to understand, yet not quite your own. "
     "One of you may want tenderness where the other wants play, or slowness where the other wants "
     "surprise. That gap makes intimacy a place to keep learning. Ask questions, trade preferences "
     "as honestly as you can, and try each other's favorite ways of being close from time to time. "
     "The small stretch involved tends to widen your pleasure rather than threaten it."},
    {Body::Eros, Aspect::Sextile,
     "Desire between you comes easily, like a key that turns in the lock on the first try. Your "
     "Eros signs form a sextile, a friendly and stimulating link, so attraction is lively, playful "
     "and free of heavy undercurrents. You enjoy each other's company in private as much as in "
     "public, and honesty about what you want feels natural. Like every sextile, though, this one "
     "rewards those who act on it. Passion grows when you take it up: make time for intimacy "
     "instead of leaving it to chance, flirt even after years together, and tell each other what "
     "you would like to explore. An invitation accepted often keeps renewing itself."},
    {Body::Eros, Aspect::Square,
     "Brush past each other the wrong way and the air crackles. With your Eros signs in square, "
     "desire between you two is charged, impatient and sometimes contrary. You want different "
     "things at different moments, and that friction can be either frustrating or thrilling, often "
     "both in one evening. The tension keeps attraction alive long after easier pairings have "
     "cooled, but it can also turn into a contest over who gets to set the terms. State your "
     "wishes directly rather than hoping to be guessed, and treat a clash of moods as information, "
     "not rejection. Handled with humor and care, the static between you becomes a charge you both "
     "enjoy."},
    {Body::Eros, Aspect::Trine,
     "There is an easy, unforced pull between you. Your Eros signs share an element, and the trine "
     "they form lets desire move between you two the way warmth spreads through a room, without "
     "pressure or strategy. You tend to want the same things at the same moments, and trust comes "
     "quickly because neither of you feels judged. Intimacy becomes a place of rest as well as "
     "pleasure. The one risk is drift: when passion asks for nothing, it can be left to look after "
     "itself for too long. Give it attention anyway, whether that means a weekend away or simply "
     "an honest talk about what you still long for."},
    {Body::Eros, Aspect::Quincunx,
     "Before two instruments can play together, someone has to tune them, and a quincunx between "
     "your Eros signs asks you two to do exactly that. Your desires come from different places: "
     "one of you may be stirred by intensity, the other by lightness; one by words, the other by "
     "touch. Attraction can be real yet oddly out of step, with signals that arrive a beat late. "
     "Patience is the whole art here: talk frankly about what reaches you, and adjust again as "
     "your moods change. When you find your shared pitch, the music you make is all the sweeter "
     "for having been tuned by hand."},
    {Body::Eros, Aspect::Opposition,
     "Like two banks of one river, your Eros signs face each other across the zodiac in "
     "opposition, and the water between them is never still. Each of you desires what the other "
     "embodies: one brings heat, the other depth; one leads with boldness, the other with "
     "mystery. The polarity makes for powerful chemistry and a sense of being drawn to someone "
     "unlike yourself. It can also breed push and pull, with one advancing as the other "
     "withdraws. Cross over often: let the one who usually waits make the first move, and let "
     "the one who usually leads be led. Every crossing to the other's shore teaches you more "
     "about what you both want."},
}};

struct ToneLine
{
    MatchTone tone;
    std::string_view line;
};

// One sentence over all three layers, by how their aspects read together.
constexpr std::array<ToneLine, 5> ToneLines = {{
    {MatchTone::Flowing,
     "Ease runs through every layer of this match: you two get along, love and desire in ways that "
     "flow together."},
    {MatchTone::Close,
     "So much of you is alike that, in daily life, in love and in desire, you two often meet "
     "yourselves in each other."},
    {MatchTone::Adjusting,
     "Nothing here fits at first, and this match grows through the patient, steady adjustments you "
     "two make for each other."},
    {MatchTone::Testing,
     "Tension runs through this match, and handled well it can sharpen rather than strain what you "
     "two share."},
    {MatchTone::Mixed,
     "The layers pull different ways here, easy in one place and demanding in another, so this "
     "match mixes comfort with challenge."},
}};
// clang-format on

constexpr std::size_t AspectCount = std::size(AllAspects);

constexpr bool inLayerAndAspectOrder()
{
    for (std::size_t i = 0; i < MatchTexts.size(); ++i) {
        if (static_cast<std::size_t>(MatchTexts[i].layer) != i / AspectCount
            || static_cast<std::size_t>(MatchTexts[i].aspect) != i % AspectCount)
            return false;
    }
    return true;
}
static_assert(inLayerAndAspectOrder(), "the accessor indexes the table by layer and aspect");

constexpr bool inToneOrder()
{
    for (std::size_t i = 0; i < ToneLines.size(); ++i) {
        if (static_cast<std::size_t>(ToneLines[i].tone) != i)
            return false;
    }
    return true;
}
static_assert(inToneOrder(), "the accessor indexes the tone lines by tone");

} // namespace

std::string_view LoveMatchText(Body layer, Aspect aspect)
{
    const auto body = static_cast<std::size_t>(layer);
    const auto angle = static_cast<std::size_t>(aspect);
    // A value outside either enum gets no text rather than a read past the table.
    if (body >= MatchTexts.size() / AspectCount || angle >= AspectCount)
        return {};
    return MatchTexts[body * AspectCount + angle].text;
}

std::string_view LoveMatchOverallText(MatchTone tone)
{
    const auto index = static_cast<std::size_t>(tone);
    if (index >= ToneLines.size())
        return {};
    return ToneLines[index].line;
}

} // namespace kesto
