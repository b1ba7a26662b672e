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
     "Your desire strikes like flint on steel: sudden, sharp and impossible to ignore. Pursuit "
     "stirs you, and so do the pulse of competition and the thrill of the opening move, the surest "
     "marks of Eros in Aries. Hesitation cools you faster than anything, while frankness and a "
     "wide, daring grin set you alight. You like passion direct and unmistakable: a glance that "
     "says everything, an embrace that needs no invitation. There is something athletic in your "
     "ardor, a love of heat and motion and of matching strength with strength. The fire that "
     "catches fastest can also burn out first, so you learn to feed it with real care. Keep a "
     "lover who dares you now and again, and that spark of yours can stay lit for years."},
    {ZodiacSign::Taurus,
     "Eros in Taurus lets passion ripen in you slowly, like fruit on a sheltered branch. It is the "
     "body's quieter pleasures that wake you: the scent of warm skin, the cool of linen sheets, a "
     "square of good dark chocolate and long, idle hours. Haste only leaves you cold, but anyone "
     "who lingers discovers a warmth that deepens by the hour. Steadiness and comfort stir you "
     "deeply, and you find real beauty in the small familiar rituals of closeness. Your desire is "
     "earthy and faithful, and once it takes hold it is there to stay. You may be slow to "
     "surrender, yet when you do, it is with your whole being. Tended like an orchard, your senses "
     "go on yielding sweetness, season after season."},
    {ZodiacSign::Gemini,
     "For you, desire begins in the mind, and a clever tongue can often be more seductive than any "
     "perfume. Wit, banter and the electric play of ideas are your aphrodisiacs, and a "
     "conversation full of sparks is often the truest prelude you know. Variety keeps your passion "
     "awake, while routine dulls it faster than anything else. Teasing letters, secret nicknames, "
     "double meanings and inventive wordplay all heighten the thrill. You can be restless, "
     "flitting between fascinations, but someone who keeps you curious will always keep you near. "
     "This lightness is the gift of Eros in Gemini: you bring mischief into intimacy and remind a "
     "lover that passion can be fun."},
    {ZodiacSign::Cancer,
     "Desire grows in you out of trust and tenderness, and Eros in Cancer lets you open most fully "
     "when you feel cherished and secure, while harshness makes you draw back. In a settled bond "
     "your sensuality proves deep, nurturing and more intense than your shyness suggests. You "
     "express longing through caring touch, lingering embraces and quiet evenings in, where the "
     "world falls away. Memory moves you strongly, and the scent or song of a shared moment can "
     "stir you for years. The moon has its pull on you, and a bath drawn for two can say more than "
     "any speech. Intuition tells you what a lover needs before they speak. In return you long for "
     "a partner who handles your feelings as carefully as you handle theirs."},
    {ZodiacSign::Leo,
     "Your erotic nature wants an audience of one. Passion for you is theatrical and bright, a "
     "flame that is meant to be seen. You love romance with flourish: candlelight, silk, a "
     "dramatic entrance and the heady thrill of being wanted. Praise is a love potion to you, and "
     "that is the open secret of Eros in Leo: offer it sincerely, often, and you glow. You give as "
     "lavishly as you receive, pouring affection into the people you desire. You may hide a "
     "bruised ego behind a grin, so a partner who notices when you are quieter than usual earns "
     "your trust. Courtship is a splendid game to you, played with sparkle and heart, and, at your "
     "best, you make a lover feel golden."},
    {ZodiacSign::Virgo,
     "Your desire lives in the details: the brush of a sleeve, your name said very softly, a room "
     "set in order before the evening begins. Loud displays leave you unmoved, while refinement, "
     "grace and attention win you over, and that is the way of Eros in Virgo. Passion builds in "
     "you gradually as trust takes shape, and you may seem reserved until you feel at ease. When "
     "you do, you reveal a devoted tenderness and a wish to please that is quietly remarkable. "
     "Clean sheets, kind hands and an evening with nowhere to be help you relax into pleasure. You "
     "overthink, worrying about getting everything right, so learning to let go is your great "
     "erotic lesson. A patient partner is repaid many times over, because your care in love is as "
     "generous as it is precise."},
    {ZodiacSign::Libra,
     "Beauty is your doorway to desire. An elegant room, a tender gesture or a word said at the "
     "right moment can awaken you more surely than boldness, for Eros in Libra binds your longing "
     "to your sense of the lovely. You adore flirtation and the delicate balance of give and take "
     "between two people. You like to be wooed in stages, each meeting bolder than the last. "
     "Passion flourishes for you in an atmosphere of mutual regard, with time to savor it all. You "
     "want pleasure to be shared in equal measure, which makes you a generous, thoughtful lover. "
     "At times you fall for the idea of a person more than the person; letting a lover be "
     "imperfect will deepen every bond and give your charm a backbone."},
    {ZodiacSign::Scorpio,
     "There is a magnetism in you that others sense the moment you enter a room. Eros in Scorpio "
     "makes desire a private, serious matter for you, never a pastime. Casual encounters rarely "
     "satisfy you; you seek depth, candor and truth. Power and surrender fascinate you as two "
     "sides of one coin. You would rather be truly known by one person than admired by a whole "
     "crowd. What is hidden draws you, and your desire can fix itself upon one person with "
     "single-minded focus. Trust is vital to you, and deceit kills your interest outright. When "
     "you feel safe and sure, your passion is unforgettable, and a lover will know that nothing "
     "between you is held back."},
    {ZodiacSign::Sagittarius,
     "Desire, for you, is an open road. Passion should be adventurous and full of laughter, "
     "sparked by freedom and novelty, and Eros in Sagittarius lets you see a lover as a companion "
     "on some great expedition. Unfamiliar places stir you, and a weekend away booked on a whim at "
     "midnight can be more romantic to you than a dozen red roses. Honesty attracts you deeply, "
     "and you prefer a partner who speaks plainly about wants and feelings. Possessiveness makes "
     "you bolt, because you need air even in the closest bond. Your humor brings lightness into "
     "intimacy, and you find joy in frank, easy, unguarded moments, whether in a tent by a lake or "
     "a hotel room in a town whose name you cannot pronounce. Your delight in life is catching, "
     "and you can make passion feel like a celebration. The challenge is to stay long enough for "
     "desire to deepen into lasting devotion."},
    {ZodiacSign::Capricorn,
     "Your desire is a patient thing, stronger than it looks. You are in no hurry, and you may "
     "test a partner before you let your guard down. Flash and flattery leave you unmoved; what "
     "stirs you is quiet confidence and a steady hand. Reliability draws you, and you deeply "
     "respect a lover who knows what they want. Given time and trust, you reveal an earthy "
     "sensuality as solid and generous as good soil. Alone with a lover you are sure of, you can "
     "be far bolder than your public self suggests. Duty may well tempt you to put pleasure last, "
     "so making deliberate room for romance matters. With the right partner, Eros in Capricorn "
     "lets you give yourself to love with the same devotion you bring to everything else."},
    {ZodiacSign::Aquarius,
     "What excites you most is the untried. In Aquarius, Eros draws you to the unusual and the "
     "free-spirited, and a lover who surprises your mind captures you at once. Passion often grows "
     "out of talk that ranges from politics to science fiction and back again. Distance does not "
     "cool your desire; a long letter from across the world can stir you as much as a touch. You "
     "value independence even in your closest moments, and you bristle at feeling managed. "
     "Experiment and novelty thrill you, and you happily explore romance your own way. At times "
     "you may seem detached, yet your feelings run far deeper than you show. Given freedom, you "
     "prove loyal and electric in equal parts."},
    {ZodiacSign::Pisces,
     "Your longing has a hushed, otherworldly quality, for Eros in Pisces makes passion feel "
     "almost mystical. You yearn for intimacy that touches the spirit as much as the skin. Rain "
     "against the window, a slow dance in the kitchen and whispered stories stir your imagination "
     "and awaken desire. A swim under the night sky or a voice reading aloud to you in the dark "
     "can undo you entirely. You give yourself with compassion and tenderness. Fantasy plays a "
     "large part in your inner life, and you may idealize those you love. Guard your energy, "
     "because your generosity can leave you drained. When love is returned in full, intimacy "
     "becomes an enchanted, shimmering world."},
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
