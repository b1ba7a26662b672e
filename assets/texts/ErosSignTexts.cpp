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

// The asteroid Eros in each sign: the passionate, sensual side of the reader, kept tasteful.
// One paragraph per sign, in zodiac order.
// clang-format off
constexpr std::array<SignText, 12> ErosTexts = {{
    {ZodiacSign::Aries,
     "Your desire strikes like flint on steel: sudden, bright and impossible to ignore. With "
     "Eros in Aries, the sign of the Ram, you are stirred by pursuit, by the pulse of a "
     "challenge and the thrill of a first move made boldly. Hesitation cools you faster than "
     "anything, while frankness and a wide grin set you alight. You like passion direct and "
     "unmistakable: a glance that says everything, a kiss claimed at the right moment. There is "
     "something athletic in your ardor, a love of heat and motion and of matching strength with "
     "strength. Your lesson is patience, since the fire that catches fastest can also burn out "
     "soonest. A lover who keeps you guessing will find your flame rekindled whenever it seems "
     "to sink."},
    {ZodiacSign::Taurus,
     "Passion ripens in you slowly, like fruit in the late summer sun. Eros in Taurus wakes you "
     "through the body's quieter pleasures: the weight of a hand, the scent of warm skin, the "
     "feel of soft wool, a good wine and long, unhurried hours. Haste leaves you cold, but "
     "anyone who lingers finds a well of warmth that seems to have no bottom. Steadiness and "
     "comfort stir you, and you find real beauty in the small familiar rituals of closeness. "
     "Your desire is earthy and faithful, and once it takes root it grows stronger with every "
     "season. You may be slow to surrender, yet when you do, it is with your whole being. Tended "
     "like an orchard, your senses go on yielding sweetness for years."},
    {ZodiacSign::Gemini,
     "For you, desire begins in the mind, and a clever tongue can be more seductive than any "
     "perfume. Eros in Gemini makes you a connoisseur of wit, banter and the electric play of "
     "ideas, and a conversation full of sparks is often the truest prelude you know. Variety "
     "keeps your passion awake, while routine dulls it faster than anything else. Teasing "
     "letters, whispered jokes, secret nicknames and inventive games of words all heighten the "
     "thrill. You can be restless, flitting between fascinations, but someone who keeps you "
     "curious will always keep you near. Your lightness is a gift: you bring laughter into "
     "intimacy and remind a lover that passion can be fun."},
    {ZodiacSign::Cancer,
     "Your passion rises and falls with the tides of feeling, and desire grows in you out of "
     "trust and tenderness. With Eros in Cancer you open most fully when you feel sheltered, "
     "cherished and safe, while a careless word can close you up like a shell. Once you are "
     "secure, your sensuality proves deep, nurturing and more intense than your shyness "
     "suggests. You express longing through caring touch, lingering embraces and quiet evenings "
     "at home, where the world falls away. Memory moves you strongly, and the scent or song of a "
     "shared moment can rekindle an old flame. Intuition tells you what a lover needs before "
     "they can name it. In return you long for a partner who guards your soft heart as you guard "
     "theirs."},
    {ZodiacSign::Leo,
     "Your erotic nature wants a stage and an audience of one. Eros in Leo makes your passion "
     "theatrical, warm and generous, a flame that is meant to be seen. You love romance with "
     "flourish: candlelight, beautiful clothes, a dramatic entrance and the heady feeling of "
     "being adored. Admiration works on you like a love potion, and a partner who praises you "
     "openly will find you glowing in return. You give as lavishly as you receive, pouring "
     "affection into the people you desire. Indifference wounds your proud heart far more than "
     "any quarrel ever could. Courtship is a splendid game to you, played with sparkle and "
     "heart, and at your best you make a lover feel crowned."},
    {ZodiacSign::Virgo,
     "People who see only your composed, careful manner underestimate the subtle sensuality it "
     "guards. With Eros placed in Virgo, you are not won by loud displays but by refinement, "
     "grace and the attentive care of someone who notices details. Desire builds in you "
     "gradually as trust takes shape, and you may seem reserved until you feel truly at ease. "
     "Once you do, you reveal a devoted tenderness and a wish to please that is quietly "
     "remarkable. Clean sheets, kind hands and a calm, orderly setting help you relax into "
     "pleasure. You tend to overthink, worrying about getting everything right, so learning to "
     "let go is part of your erotic journey. A patient partner who values your thoughtfulness "
     "will find a warm and generous heart under that modest surface."},
    {ZodiacSign::Libra,
     "Beauty is the doorway to your desire. An elegant room, a graceful gesture or a well-chosen "
     "word can awaken you more surely than any bold advance, because Eros in Libra turns romance "
     "into an art form. You adore courtship, flirtation and the delicate balance of give and "
     "take between two people. Passion flourishes for you in an atmosphere of courtesy and "
     "mutual regard, and crude talk, harsh light or haste will chill you at once. You want "
     "pleasure to be shared in equal measure, which makes you an attentive, generous and "
     "considerate lover. Sometimes you mirror a partner's wishes instead of voicing your own; "
     "saying plainly what you want will deepen every bond and give your charm a backbone."},
    {ZodiacSign::Scorpio,
     "There is a smoldering intensity in you that others sense the moment you enter a room. Eros "
     "in Scorpio, its most potent home, makes passion a kind of transformation for you, a "
     "merging so complete that it touches the soul as well as the body. Casual encounters rarely "
     "satisfy you; you seek depth, mystery and emotional truth. Power and surrender fascinate "
     "you as two sides of one coin. What is hidden draws you, and your desire can fix itself on "
     "one person with fierce, narrow focus. Trust is vital, because betrayal cuts you to the "
     "core. When you feel safe, your passion is unforgettable, and a lover will know that "
     "nothing between you is held back."},
    {ZodiacSign::Sagittarius,
     "Desire, for you, is an open road. Eros in Sagittarius makes your passion adventurous, "
     "open-hearted and full of laughter, sparked by freedom, novelty and the sense that a lover "
     "is a fellow traveler on some great journey. New places and new ideas stir you, and a "
     "spontaneous weekend away or a midnight talk about the meaning of life can be more romantic "
     "to you than a dozen red roses. Honesty attracts you deeply, and you prefer a partner who "
     "speaks plainly about wants and feelings. Possessiveness makes you restless, because you "
     "need room to breathe even in the closest bond. Your humor brings lightness into intimacy, "
     "and you find joy in playful, uninhibited moments under a wide prairie sky. Your enthusiasm "
     "is infectious, and you can make passion feel like a celebration. The challenge is to stay "
     "long enough for desire to deepen into lasting devotion."},
    {ZodiacSign::Capricorn,
     "Few people ever see the slow, steady fire you keep under your calm reserve. With Eros in "
     "Capricorn, you are in no hurry, and you may test a partner's sincerity before you let your "
     "guard down. Competence, maturity and reliability attract you, and you respect a lover who "
     "knows what they want. Once trust is established, you reveal an earthy, enduring sensuality "
     "that grows richer with time, like a fine wine laid down in a cellar. In private you can be "
     "unexpectedly lighthearted and teasing, a side of you kept well out of public view. Duty "
     "may tempt you to put pleasure last, so making deliberate room for romance matters. With "
     "the right partner, your desire becomes a flame that keeps burning for decades."},
    {ZodiacSign::Aquarius,
     "What excites you most is the unexpected. In Aquarius, Eros draws you to the unusual, the "
     "original and the free-spirited, and a lover who surprises your mind will capture your "
     "interest at once. Friendship often comes first, and passion grows out of shared ideals and "
     "lively exchanges late into the night. You value independence even in your closest moments, "
     "and you bristle at feeling owned. Experiment and novelty thrill you, and you happily "
     "explore romance in your own unconventional way. At times you may seem detached, yet your "
     "feelings run far deeper than your cool manner suggests. A partner who honors your freedom "
     "will find you loyal and electric in equal parts."},
    {ZodiacSign::Pisces,
     "Your longing has the colors of a dream. Placed in Pisces, Eros lends your passion a "
     "romantic, almost mystical quality, and you yearn for intimacy that feels like a merging of "
     "souls, where boundaries dissolve and two become one. Music, moonlight, water and poetry "
     "stir your imagination and awaken desire. You read a beloved's every mood as keenly as your "
     "own, and you give yourself with compassion and tenderness. Fantasy plays a large part in "
     "your inner life, and you may idealize those you love. Guard against losing yourself in "
     "another, because your generosity can leave you drained. When love flows both ways, "
     "intimacy becomes an enchanted, shimmering world."},
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
static_assert(inZodiacOrder(ErosTexts), "the accessor indexes the table by ordinal");

} // namespace

std::string_view ErosSignText(ZodiacSign sign)
{
    const int index = ordinal(sign) - 1;
    if (index < 0 || index >= static_cast<int>(ErosTexts.size()))
        return {};
    return ErosTexts[static_cast<std::size_t>(index)].text;
}

} // namespace kesto
