#include "ReadingTexts.h"

#include <array>
#include <cstddef>

namespace kesto {

namespace {

struct LoveProfileEntry
{
    ZodiacSign sign;
    LoveProfilePieces profile;
};

// Each profile is written as whole paragraphs or as one paragraph delivered in pieces; where the
// pieces join directly, the blank between them sits at the end of the earlier piece.
// clang-format off
constexpr std::array<LoveProfileEntry, 12> Profiles = {{
    {ZodiacSign::Aries, {PieceJoin::Paragraphs, {
        "An Aries falls in love at a sprint, heart pounding, with no thought for what it costs. "
        "The moment an Aries has truly chosen you, there is no slow courtship of hints and maybes. "
        "You will be told, quite possibly on the very first evening, and then pursued with a "
        "directness that is either thrilling or alarming depending entirely on how brave you feel. "
        "For this eager sign, desire is a form of courage, and holding back feels like a small act "
        "of cowardice.",
        "That very same urgency follows your Aries lover into intimacy. Expect spontaneity rather "
        "than ritual: a kiss in the doorway before the coat is off, a sudden plan to drive to the "
        "coast at midnight, laughter tangled up with passion. They like to lead, yet they secretly "
        "adore a partner who pushes back and gives as good as they get, because a little rivalry "
        "keeps desire awake. What dulls it is routine and caution. Surprise them often, say right "
        "out loud that you want them, and forgive the odd burst of impatience; it passes as "
        "quickly as a summer squall. For all that bravado, the heart underneath is strangely "
        "innocent and loves with its whole weight."}}},
    {ZodiacSign::Taurus, {PieceJoin::Direct, {
        "Taurus never hurries into love, and never hurries out of it either. Romance with this "
        "sign starts as something modest, almost shy: a walk that runs so much longer than "
        "planned, a second cup of coffee, a promise to call that is kept without fail. Trust is "
        "earned through small, repeated proofs: a door held open, a coat lent, an arm offered on "
        "an icy winter evening. Given at last, that trust settles in as deep as the roots of an "
        "old oak. ",
        "A Taurus takes pleasure through all five senses at once. Touch matters enormously to "
        "them, and so do taste, sound, texture and the comfort of a well-worn sweater. Intimacy "
        "with a Taurus is unhurried and generous, a long lazy afternoon rather than a quick "
        "thrill, and they will remember exactly what delighted you and offer it again without "
        "being asked. They show love through comfort: a full plate, a warm room, a shoulder that "
        "does not move when you lean on it. In return they need steadiness. Sudden changes of "
        "plan, careless promises or flirting just for sport will wound them more deeply than they "
        "let on, and a hurt Taurus withdraws into a sullen silence that can last for days. Be "
        "patient when they dig in their heels, and remember that their jealousy is really devotion "
        "wearing heavy boots. Time, loyalty and a little luxury are all they ask. What you gain is "
        "a partner whose affection is as sure as the ground underfoot and every bit as rich."}}},
    {ZodiacSign::Gemini, {PieceJoin::Paragraphs, {
        "Gemini falls in love through conversation. Long before the first touch there is talk: "
        "quick, funny talk that darts from old movies to birdsong to the odd thing a waiter said. "
        "If your mind can keep pace with theirs, a Gemini is already half smitten. This is the "
        "sign of the Twins, and you may feel you are courting two people at once, one light and "
        "quick-witted, the other thoughtful and searching.",
        "Intimacy, to a Gemini, is simply another kind of dialogue, full of questions, teasing and "
        "delight in the unexpected. Words matter to them behind closed doors as much as they do "
        "anywhere else: a whispered compliment, a private joke, a line murmured across a crowded "
        "room that promises more later. They are lighthearted rather than solemn, and novelty "
        "keeps them engaged, so a new place, a new game or simply a change of mood can rekindle "
        "their interest when it wanders. What they cannot bear is heaviness: long sulks, jealous "
        "interrogations, or the feeling of being pinned down before they are ready. Give them "
        "fresh air and they keep coming back, because with you there is always something new to "
        "find out.",
        "Do not mistake their lightness for shallowness. Gemini feels a great deal but handles "
        "emotion through the mind, talking it out, joking around it, circling back to it days "
        "later in an offhand remark that turns out to be a confession. Listen for those moments. A "
        "Gemini who trusts you will let you see the jittery side behind the sparkle, and that is "
        "the real gift. Keep learning new things alongside them and keep the surprises and the "
        "laughter coming; the reward is a lifelong companion whose curiosity about you never runs "
        "out."}}},
    {ZodiacSign::Cancer, {PieceJoin::Direct, {
        "Cancer loves from the inside out, and the door opens slowly. Early on a Cancer may seem "
        "shy or changeable, warm one evening and guarded the next, since feelings come first and "
        "words lag behind. Be steady and kind, and the guard comes down. What follows is the most "
        "tender partner imaginable, with a hot-water bottle for your colds, comfort for your bad "
        "days and a note on every anniversary. Intimacy for them is emotional before it is "
        "physical: they need to feel cherished, and they give themselves fully only where they "
        "feel safe and wanted."}}},
    {ZodiacSign::Leo, {PieceJoin::Direct, {
        "Leo loves out loud. Your Leo lover wants a courtship worth talking about: flowers sent to "
        "the office, the best table in town, a declaration made before a crowd. They give lavishly "
        "and hope for devotion in return, not out of vanity alone but because being cherished is "
        "how a Leo knows the love is real. In private they are warm, ardent and unashamed, "
        "happiest when they feel like the most desirable person alive. Mockery is the one thing "
        "they cannot bear, and honest admiration what they treasure most. Win them, and their "
        "loyalty proves as big as their laugh."}}},
    {ZodiacSign::Virgo, {PieceJoin::Direct, {
        "Virgo rarely tumbles into love; they walk into it one careful step at a time. The first "
        "signs of a Virgo's interest are practical rather than poetic: they remember that you take "
        "your coffee without sugar, return your book with a pressed flower inside, send you the "
        "article you mentioned in passing. These small favors are their love letters, so read them "
        "well. The composed exterior belongs to a modest, sometimes anxious heart that fears being "
        "found wanting and so takes its time before saying the words. ",
        "Nerves settled, your Virgo lover reveals a sensuality that catches people off guard. "
        "Patience and gentle humor put them at ease, and they bring to intimacy the care they give "
        "everything else, learning what pleases you with quiet devotion. Their weak spot is a "
        "tongue that corrects before it compliments, and a conscience that judges its owner harder "
        "still. Be gentler with them than they are with themselves. Be reliable, tidy up after "
        "yourself and show that you see their efforts; a partner this faithful makes ordinary days "
        "better in countless ways."}}},
    {ZodiacSign::Libra, {PieceJoin::Paragraphs, {
        "Libra is in love with love itself, and with every step of winning a heart. Courtship is "
        "where a Libra comes into their own: the perfect outfit, the well-chosen wine, the knack "
        "for making you feel like the most interesting person at the party. They court with charm "
        "rather than force, listening closely, mirroring your moods and easing every awkward "
        "moment with a light word. You may not notice you are being seduced until it has already "
        "happened. They notice what suits you, say so, and they are usually right. Yet there is "
        "substance behind the elegance. Libra believes in a partnership of true equals and works "
        "harder than almost anyone to keep it fair, sharing decisions, chores and attention "
        "scrupulously. A sense of ease between you is the air they breathe, and they will tend it "
        "for both of you.",
        "Your Libra lover makes intimacy into something close to an art. Candlelight, fresh linen "
        "and soft music matter to them more than they might admit, and harsh words or a messy room "
        "can cool their ardor at once. They are attentive, gentle and eager to please, so eager, "
        "at times, that they forget to ask for what they want; invite them to tell you. Their "
        "great weakness is dodging conflict until resentment has quietly piled up, or leaving "
        "every decision to you. Encourage honesty, settle disagreements kindly and quickly, and "
        "keep a little romance alive in every ordinary week. A Libra who feels truly partnered "
        "repays it with courtesy, devotion and lasting tenderness."}}},
    {ZodiacSign::Scorpio, {PieceJoin::Direct, {
        "Scorpio does nothing by halves, least of all love. A Scorpio's cool composure hides "
        "feelings of startling intensity, and when this sign chooses you, it is with the full "
        "force of their being. Trust is slow to come, since they learned early in life that even "
        "people who love them can let them down, and so the first stage of romance may move at a "
        "careful, deliberate pace. ",
        "A Scorpio seeks a union of body, mind and soul, and intimacy with them can feel "
        "transforming. They are passionate and all-absorbing, yet what they truly crave is "
        "emotional honesty: to know you completely and to be known in return. Lies, even small "
        "ones, are unforgivable, and they will sense evasion long before you would admit it. "
        "Insecurity can make them watchful and demanding, and a wounded Scorpio may turn cutting "
        "or withdraw into silence for days. Meet their depth with your own, keep your promises, "
        "and let them see your vulnerable places without fear. What you receive in return is a "
        "loyalty so fierce that it will stand beside you through any hardship life brings."}}},
    {ZodiacSign::Sagittarius, {PieceJoin::Paragraphs, {
        "Sagittarius treats love as the greatest adventure and approaches it with the appetite "
        "they bring to a foreign city or an untried idea. They are warm, funny and generous, quick "
        "to joke and quicker to suggest something new. A Sagittarius courts you by inviting you "
        "along: to a festival, up a mountain, into a late-night debate about whether fate exists. "
        "They fall for minds that widen theirs, for spirits that match their hunger for "
        "experience, and for anyone who says yes before asking where. What they fear above all is "
        "a cage, and the faintest hint of one sends them galloping cheerfully off toward somewhere "
        "else.",
        "In intimacy a Sagittarius brings zest and high spirits, preferring fun and sheer "
        "spontaneity to solemn ceremony. They are unselfconscious and always glad to explore with "
        "a partner who shares their sense of play. Heaviness can unsettle them, and they may joke "
        "their way out of a serious talk, so pick your moments and keep things honest but light. "
        "Give them room to roam, trust them to return, and share their great love of discovery. "
        "Explore together, learn together, dream out loud together. A Sagittarius who never feels "
        "fenced in will keep choosing you, day after day, and loyalty so freely chosen is worth "
        "more than any vow."}}},
    {ZodiacSign::Capricorn, {PieceJoin::Direct, {
        "For Capricorn, love is serious business, worth doing well: carefully, with a plan, "
        "and with every intention of seeing it through. Reserved and a bit formal at first, a "
        "Capricorn courts in an old-fashioned, sincere way, with dinners booked weeks ahead, "
        "flowers on the right day and promises kept to the minute. Do not mistake the "
        "formality for coldness. A deeply sensual nature surfaces in private when trust is "
        "won, and your Capricorn lover can be wonderfully unhurried and attentive behind a "
        "closed door. They show love by providing and protecting, down to fixing the leaky "
        "kitchen faucet. Respect is what they need above all, and given it, they offer a "
        "devotion that weathers anything."}}},
    {ZodiacSign::Aquarius, {PieceJoin::Direct, {
        "Aquarius loves as a friend first and a lover second, and would not have it any other way. "
        "Your Aquarius lover is drawn to people who think for themselves and are not afraid to be "
        "a little odd. They woo you with ideas, causes and unexpected invitations, a protest march "
        "one weekend and a meteor shower the next. Strong feelings rattle them in ways they rarely "
        "admit, so they may go quiet just when you crave reassurance. Intimacy with them is "
        "inventive and free of cliche, at its best when it grows out of a real meeting of minds. "
        "The surest bond with them is the one that never tries to own them."}}},
    {ZodiacSign::Pisces, {PieceJoin::Direct, {
        "Pisces loves like the sea: tender, vast and forever shifting with the tide. Your Pisces "
        "lover is a true romantic who sees more in you than you see in yourself, and takes your "
        "troubles to heart. They court with handwritten notes, long walks by the water and "
        "evenings that float outside ordinary time. For a Pisces, intimacy is where two inner "
        "worlds flow together, sensual and emotionally open, and they are attuned to your moods. "
        "That fine tuning makes them easy to hurt, and they may slip away into silence rather than "
        "face a harsh word. Be gentle with their fancies, give them a calm, safe harbor, and "
        "remind them that loving you does not mean losing themselves. Their devotion, in turn, is "
        "whole, unreserved."}}},
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
static_assert(inZodiacOrder(), "love profiles must be listed Aries to Pisces");

} // namespace

const LoveProfilePieces &loveProfilePieces(ZodiacSign sign)
{
    // A value outside the enum gets an empty profile rather than a read past the table.
    static constexpr LoveProfilePieces NoProfile {PieceJoin::Direct, {}};
    const int index = ordinal(sign) - 1;
    if (index < 0 || index >= static_cast<int>(Profiles.size()))
        return NoProfile;
    return Profiles[static_cast<std::size_t>(index)].profile;
}

} // namespace kesto
