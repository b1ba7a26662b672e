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
        "An Aries falls in love at a sprint, with a bright crackle of excitement and no thought "
        "for the cost. Once an Aries has set their heart on you, there is no slow courtship of "
        "hints and maybes. You will be told, quite possibly on the very first evening, and then "
        "pursued with a directness that is either thrilling or alarming depending entirely on "
        "your nerve. For this fire sign, desire is a form of courage, and holding back feels like "
        "a small act of cowardice.",
        "That same urgency follows your Aries lover into intimacy. Expect spontaneity rather "
        "than ritual: a kiss in the doorway before the coat is off, a sudden plan to drive to "
        "the coast at midnight, laughter tangled up with passion. They like to lead, yet they "
        "secretly adore a partner who pushes back and matches their energy blow for blow, "
        "because a little rivalry keeps desire awake. What dulls it is routine and hesitation. "
        "Keep them guessing, let them feel wanted without games, and forgive the odd burst of "
        "impatience; it passes as quickly as a summer squall. For all the bravado, the heart "
        "underneath is strangely innocent and loves with its whole weight."}}},
    {ZodiacSign::Taurus, {PieceJoin::Direct, {
        "Taurus never hurries into love, and never hurries out of it either. Romance with this "
        "sign starts as something modest, almost shy: a walk that runs longer than planned, a "
        "second cup of coffee, a promise to call that is kept to the very minute. Trust is earned "
        "through small, repeated proofs, the supper made with care, the hand that stays put on a "
        "cold winter evening. Once given, that trust settles in deep like the roots of an old "
        "oak. ",
        "A Taurus takes pleasure through all five senses at once. Touch matters enormously to "
        "them, and so do scent, taste, music and the comfort of a well-worn sweater. Intimacy "
        "with a Taurus is unhurried and generous, a long lazy afternoon rather than a quick "
        "thrill, and they will remember exactly what delighted you and offer it again without "
        "being asked. They show love through comfort: a full plate, a warm room, a shoulder "
        "that does not move when you lean on it. In return they need steadiness. Sudden "
        "changes of plan, careless promises or flirting just for sport will wound them more "
        "deeply than they let on, and a hurt Taurus withdraws into a sullen silence that can "
        "last for days. Be patient when they dig in their heels, and remember that their "
        "jealousy is really devotion wearing heavy boots. Time, loyalty and a little luxury "
        "are all they ask. What you gain is a partner whose affection is as sure as the "
        "turning of the seasons and every bit as rich."}}},
    {ZodiacSign::Gemini, {PieceJoin::Paragraphs, {
        "Gemini falls in love through conversation. Long before the first touch there is talk: "
        "quick, funny talk that darts from old movies to birdsong to the odd thing the waiter "
        "said. If your mind can keep pace with theirs, a Gemini is already half smitten. This is "
        "the sign of the Twins, and you may feel you are courting two people at once, one light "
        "and quick-witted, the other thoughtful and searching.",
        "Intimacy, to a Gemini, is simply another kind of dialogue, full of questions, teasing "
        "and delight in the unexpected. Words matter to them behind closed doors as much as "
        "anywhere else: a whispered compliment, a private joke, a message sent in the middle of a "
        "dull afternoon that promises more later. They are lighthearted rather than solemn, and "
        "variety keeps them engaged, so a new place, a new game or simply a change of mood can "
        "rekindle their interest when it wanders. What they cannot bear is heaviness: long sulks, "
        "jealous interrogations, or the feeling of being pinned down before they are ready. Give "
        "them air and they keep coming back, because with you there is always something new to "
        "find out.",
        "Do not mistake their lightness for shallowness. Gemini feels a great deal but handles "
        "emotion through the mind, talking it out, joking around it, circling back to it days "
        "later in an offhand remark that turns out to be a confession. Listen for those "
        "moments. A Gemini who trusts you will let you see the jittery side behind the "
        "sparkle, and that is the real gift. Keep learning new things alongside them and keep "
        "the letters and the laughter coming; the reward is a lifelong companion whose "
        "curiosity about you never runs out."}}},
    {ZodiacSign::Cancer, {PieceJoin::Direct, {
        "Cancer loves from the inside out, and the door opens slowly. Early on, a Cancer may "
        "seem shy or changeable, warm one evening and guarded the next, because feelings come "
        "first and words lag behind. Be steady and kind, and the guard comes down. What "
        "follows is the most tender partner imaginable, with a hot-water bottle for your "
        "colds, comfort for your bad days and a note on every anniversary. Intimacy for them "
        "is emotional before it is physical: they need to feel cherished, and they give "
        "themselves fully only where they feel safe and wanted."}}},
    {ZodiacSign::Leo, {PieceJoin::Direct, {
        "Leo loves out loud. Your Leo lover wants romance with a capital R: flowers sent to "
        "the office, the best table in town, a declaration made in front of a crowd. They give "
        "lavishly and hope for devotion in return, not out of vanity alone but because being "
        "cherished is how a Leo knows the love is real. In private they are warm, ardent and "
        "unashamed, happiest when they feel like the most desirable person alive. Mockery is "
        "the one thing they cannot bear, and honest admiration what they treasure most. Once "
        "won, they guard you the way a monarch guards a crown."}}},
    {ZodiacSign::Virgo, {PieceJoin::Direct, {
        "Virgo rarely tumbles into love; they walk into it one careful step at a time. The first "
        "signs of a Virgo's interest are practical rather than poetic: they remember that you "
        "take your coffee without sugar, return your book with a pressed flower inside, send you "
        "the article you mentioned in passing. These small favors are their love letters, so read "
        "them closely. The composed exterior belongs to a modest, sometimes anxious heart that "
        "fears being found wanting and so takes its time before saying the words. ",
        "Once the nerves settle, your Virgo lover reveals a sensuality that catches people off "
        "guard. Calm, cleanliness and privacy put them at ease, and they bring to intimacy the "
        "care they give everything else, learning what pleases you with quiet devotion. Their "
        "weak spot is a tongue that corrects before it compliments, and a conscience that "
        "judges its owner harder still. Tell them often that they are enough. Be reliable, "
        "tidy up after yourself and notice the thousand small kindnesses; a partner this "
        "faithful makes ordinary days better in countless ways."}}},
    {ZodiacSign::Libra, {PieceJoin::Paragraphs, {
        "Libra is in love with love itself, and with the fine art of winning a heart. A Libra "
        "rarely feels entirely whole alone, and courtship is where they come into their own: the "
        "perfect outfit, the well-chosen wine, the knack of making you feel like the most "
        "interesting person at the party. They court with charm rather than force, listening "
        "closely, mirroring your moods and easing every awkward moment with a light word. You may "
        "not notice you are being seduced until it has already happened. Yet there is real "
        "substance behind the elegance. Libra believes that two people should carry equal weight "
        "and works harder than almost anyone to keep a relationship even, sharing decisions, "
        "chores and attention scrupulously. A sense of ease between you is the air they breathe, "
        "and they will tend it for both of you.",
        "Your Libra lover makes intimacy into something close to an art. Candlelight, fresh "
        "sheets and soft music matter to them more than they might admit, and harsh words or a "
        "messy room can cool their ardor at once. They are attentive, gentle and eager to "
        "please, so eager at times that they forget to ask for what they want; invite them to "
        "tell you. Their great weakness is dodging conflict until resentment has quietly piled "
        "up, or leaving every decision to you. Encourage honesty, settle disagreements kindly "
        "and promptly, and keep a little romance in every ordinary week. A Libra who feels "
        "truly partnered repays it with courtesy, devotion and lasting tenderness."}}},
    {ZodiacSign::Scorpio, {PieceJoin::Direct, {
        "Scorpio does nothing by halves, least of all love. A Scorpio's cool composure hides "
        "feelings of startling intensity, and when this sign chooses you, it is with the full "
        "force of their being. Trust is slow in coming, since they learned early in life that "
        "even people who love them can let them down, so the first stage of romance may move at a "
        "careful, deliberate pace. ",
        "A Scorpio seeks a union of body, mind and soul, and intimacy with them can feel truly "
        "transforming. They are passionate and all-absorbing, yet what they truly crave is "
        "emotional honesty: to know you completely and to be known in return. Half-truths are "
        "unforgivable, and they will sense evasion long before you would admit it. Insecurity "
        "can make them watchful and demanding, and a wounded Scorpio may turn cutting or "
        "withdraw into silence for days. Meet their intensity with your own, keep your "
        "promises, and let them see your vulnerable places without fear. What you receive in "
        "return is a loyalty so fierce that it will stand beside you through any hardship life "
        "brings."}}},
    {ZodiacSign::Sagittarius, {PieceJoin::Paragraphs, {
        "Sagittarius treats love as the greatest adventure of all and approaches it with the "
        "appetite they bring to a foreign city or an untried idea. They are warm, funny and "
        "generous, quick to joke and quicker to suggest something new. A Sagittarius courts you "
        "by inviting you along: to a festival, up a mountain, into a late-night debate about "
        "whether fate exists. They fall for minds that widen theirs, for spirits that match their "
        "hunger for experience, and for anyone who says yes before asking where. What they fear "
        "above all is a cage, and the faintest hint of one sends them galloping cheerfully off "
        "toward somewhere else.",
        "In intimacy a Sagittarius brings enthusiasm and high spirits, preferring fun and "
        "sheer spontaneity to solemn ceremony. They are open-hearted, uninhibited and glad to "
        "explore with a partner who shares their sense of play. Heaviness can unsettle them, "
        "and they may joke their way out of a serious talk, so choose your moments and keep "
        "things honest but light. Give them room to roam, trust them to return, and share "
        "their love of discovery. Explore together, learn together, dream out loud together. A "
        "Sagittarius who never feels caged will keep choosing you, day after day, and loyalty "
        "freely chosen is worth more than any vow."}}},
    {ZodiacSign::Capricorn, {PieceJoin::Direct, {
        "For Capricorn, love is a long project worth doing well: carefully, with a plan, and "
        "with every intention of seeing it through. Reserved and a bit formal at first, a "
        "Capricorn courts in an old-fashioned, sincere way, with dinners booked well ahead, "
        "flowers on the right day and promises kept to the minute. Do not mistake the "
        "formality for coldness. An earthy, deeply sensual nature surfaces in private once "
        "trust is won, and your Capricorn lover can be wonderfully unhurried and attentive "
        "behind a closed door. They show love by providing and protecting, down to fixing the "
        "leaky faucet. Respect is what they need above all, and given it, they offer a "
        "devotion that only deepens with time."}}},
    {ZodiacSign::Aquarius, {PieceJoin::Direct, {
        "Aquarius loves as a friend first and a lover second, and would not have it any other "
        "way. Your Aquarius lover is drawn to people who think for themselves and are not "
        "afraid to be a little offbeat. They woo you with ideas, causes and unexpected "
        "invitations, a protest march one weekend and a meteor shower the next. Strong "
        "feelings rattle them in ways they rarely admit, so they may go quiet just when you "
        "crave reassurance. Intimacy with them is inventive and free of cliche, at its best "
        "when it grows out of a real meeting of minds. The surest bond with them is the one "
        "that never tries to own them."}}},
    {ZodiacSign::Pisces, {PieceJoin::Direct, {
        "Pisces loves like the sea: boundless, tender and forever shifting with the tide. Your "
        "Pisces lover is a true romantic who sees more in you than you see in yourself, and "
        "who takes your troubles to heart. They court with handwritten notes, long walks by "
        "the water and evenings that float outside ordinary time. For a Pisces, intimacy is "
        "where two inner worlds flow together, sensual and emotionally open, and they are "
        "exquisitely attuned to your moods. That fine tuning makes them easy to hurt, and they "
        "may slip away into silence rather than face a harsh word. Be gentle with their "
        "fancies, give them a quiet harbor, and remind them that loving you does not mean "
        "losing themselves. Their devotion runs fathoms deep."}}},
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
