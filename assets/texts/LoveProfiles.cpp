#include "assets/texts/ReadingTexts.h"

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
        "Aries falls in love at a sprint, with a bright crackle of excitement and no thought "
        "for the cost. Once an Aries has set their heart on you, there is no slow courtship of "
        "hints and maybes. You will be told, quite possibly on the first evening, and then "
        "pursued with a directness that is either thrilling or alarming depending entirely on "
        "your nerve. For this sign, desire is a form of courage, and holding back feels like a "
        "small act of cowardice.",
        "Your Aries lover carries that same fire into intimacy. Expect spontaneity rather than "
        "ritual: a kiss in the doorway before the coat is off, a sudden plan to drive to the "
        "coast at midnight, laughter tangled up with passion. They like to lead, yet they "
        "secretly adore a partner who pushes back and meets their energy head on, because a "
        "little friendly rivalry keeps the spark alive. What dims it is routine and "
        "hesitation. Keep surprising them, let them feel wanted without games, and forgive the "
        "odd burst of impatience, since it burns out as quickly as it flares. Beneath the "
        "bravado beats a strangely innocent heart that loves with its whole weight."}}},
    {ZodiacSign::Taurus, {PieceJoin::Direct, {
        "Taurus never hurries into love, and never hurries out of it either. They test the "
        "ground before building on it, so the early weeks may feel cautious, even shy, while "
        "your Taurus checks whether your words match your deeds. Trust is earned through "
        "small, repeated proofs: the call that comes when promised, the supper made with care, "
        "the hand that stays put on a cold evening. Once given, that trust settles in like the "
        "roots of an old oak. ",
        "Every sense a Taurus owns is tuned to pleasure. Touch matters enormously to them, and "
        "so do scent, taste, music and the weight of a good blanket. Intimacy with a Taurus is "
        "unhurried and generous, a long lazy afternoon rather than a quick storm, and they "
        "will remember exactly what delighted you and offer it again without being asked. They "
        "show love through comfort: a full plate, a warm room, a shoulder that does not move "
        "when you lean on it. In return they need steadiness. Sudden changes of plan, careless "
        "talk about money or flirting just for sport will wound them more deeply than they let "
        "on, and a hurt Taurus withdraws into a stubborn silence that can last for days. Be "
        "patient when they dig in their heels, and remember that their possessiveness is "
        "really devotion wearing heavy boots. Offer time, loyalty and a little luxury, and you "
        "gain a partner whose affection is as sure as the turning of the seasons and every bit "
        "as rich."}}},
    {ZodiacSign::Gemini, {PieceJoin::Paragraphs, {
        "Gemini falls in love through conversation. Long before the first touch there is talk: "
        "quick, funny talk that darts from films to philosophy to the odd thing the waiter "
        "said. If your mind can keep pace, a Gemini is already half smitten. This is the sign "
        "of the twins, and you may feel you are courting two people at once, one playful and "
        "light, the other thoughtful and surprisingly searching.",
        "Your Gemini lover treats intimacy as another kind of dialogue, full of questions, "
        "teasing and delight in the unexpected. Words matter to them behind closed doors as "
        "much as anywhere else: a whispered compliment, a private joke, a message sent in the "
        "middle of a dull afternoon that promises more later. They are playful rather than "
        "solemn, and variety keeps them engaged, so a new place, a new game or simply a change "
        "of mood can rekindle their interest whenever it seems to wander. What they cannot "
        "bear is heaviness: long sulks, jealous interrogations, or the feeling of being pinned "
        "down before they are ready. Give them air and they come back again and again, because "
        "you are the one person who never bores them.",
        "Do not mistake their lightness for shallowness. Gemini feels a great deal but handles "
        "emotion through the mind, talking it out, joking around it, circling back to it days "
        "later in an offhand remark that turns out to be a confession. Listen for those "
        "moments. A Gemini who trusts you will let you see the restless, nervous side beneath "
        "the sparkle, and that is the real gift. Keep learning alongside them, keep the "
        "letters and the laughter coming, and you will have a companion who stays young at "
        "heart with you for years."}}},
    {ZodiacSign::Cancer, {PieceJoin::Direct, {
        "Cancer loves from the inside out, though it may be some time before you are let "
        "inside. At first your Cancer lover is watchful, noting how kind you are to waiters, "
        "how you speak of your family, whether you recall the name of their childhood dog. "
        "Once they feel safe, they become the most tender partner imaginable, with soup for "
        "your colds, comfort for your bad days and a memory for every anniversary. Intimacy "
        "for them is emotional before it is physical: they need to feel cherished, and give "
        "themselves fully only where it feels like home."}}},
    {ZodiacSign::Leo, {PieceJoin::Direct, {
        "Leo loves out loud and wants an audience. Your Leo lover craves romance with a "
        "capital R: flowers delivered to the office, a table at the best restaurant in town, a "
        "declaration made in front of friends. They give lavishly and hope for adoration in "
        "return, not out of vanity alone but because admiration is how their big heart knows "
        "it is safe. Behind closed doors they are warm, playful and proud, happiest when they "
        "know they are the most desirable creature alive. Praise them honestly, never mock "
        "them, and you will bask in a loyalty as steady as the noon sun."}}},
    {ZodiacSign::Virgo, {PieceJoin::Direct, {
        "Virgo rarely tumbles into love; they walk in carefully, noticing everything along the "
        "way. The first signs of a Virgo's interest are practical rather than poetic: they fix "
        "your wobbly shelf, remember that you take your coffee without sugar, send you the "
        "article you mentioned in passing. These small acts of service are their love letters, "
        "so read them closely. Behind the composed exterior sits a modest, sometimes anxious "
        "heart that fears being found wanting, and so takes its time before saying the words. ",
        "Once the nerves settle, your Virgo lover reveals a sensuality that surprises most "
        "people. Calm, cleanliness and privacy put them at ease, and they bring to intimacy "
        "the care they give everything else, learning what pleases you with quiet devotion. "
        "Criticism is their weak spot in both directions: they point out flaws too quickly and "
        "are far too hard on themselves. Tell them often that they are enough. Be reliable, "
        "tidy up after yourself and notice the thousand small kindnesses, and this faithful "
        "partner will make your days better in countless ways."}}},
    {ZodiacSign::Libra, {PieceJoin::Paragraphs, {
        "Libra is in love with love itself, and with beauty, grace and the fine art of "
        "partnership. A Libra rarely feels entirely whole alone, and courtship is where they "
        "truly shine: the perfect outfit, the well-chosen wine, the knack of making you feel "
        "like the most interesting person at the party. They court with charm rather than "
        "force, listening closely, mirroring your moods and smoothing over every awkward "
        "moment with a smile. You may not notice you are being seduced until it has already "
        "happened. Yet there is real substance behind the elegance. Libra believes in fairness "
        "between two people and will work harder than almost anyone to keep a relationship "
        "balanced, sharing decisions, chores and attention with scrupulous care. Harmony is "
        "their native air, and they are happy to breathe it for both of you.",
        "Your Libra lover makes intimacy into something close to an art. Candlelight, fresh "
        "sheets and soft music matter to them more than they might admit, and harsh words or a "
        "messy room can cool their ardor in an instant. They are attentive, gentle and eager "
        "to please, so eager at times that they forget to ask for what they want; invite them "
        "to tell you. Their great weakness is indecision, along with a habit of dodging "
        "conflict until resentment has quietly piled up. Encourage honesty, settle "
        "disagreements kindly and promptly, and keep a little romance in every ordinary week. "
        "A Libra who feels truly partnered repays it with courtesy, devotion and lasting "
        "tenderness."}}},
    {ZodiacSign::Scorpio, {PieceJoin::Direct, {
        "Scorpio does nothing by halves, least of all love. Behind the cool, watchful gaze "
        "lies a heart that feels with startling intensity, and when a Scorpio chooses you, it "
        "is with the full force of their being. They are slow to trust, having learned early "
        "in life that even people who love them can betray, so the first stage of romance may "
        "feel rather like being quietly studied. ",
        "Your Scorpio lover seeks a union of body, mind and soul, and intimacy with them can "
        "feel transforming. They are deeply passionate and magnetic, yet what they truly crave "
        "is emotional honesty: to know you completely and to be known in return. Secrets "
        "fascinate them, but lies are unforgivable, and they will sense evasion long before "
        "you admit it. Jealousy can flare when they feel insecure, and a wounded Scorpio may "
        "sting with a cutting remark or vanish into icy silence. Meet their depth with depth "
        "of your own, keep your promises, and let them see your vulnerable places without "
        "fear. What you receive in return is a loyalty so fierce that it will stand beside you "
        "through any storm."}}},
    {ZodiacSign::Sagittarius, {PieceJoin::Paragraphs, {
        "Sagittarius treats love as the greatest adventure of all and approaches it with the "
        "optimism they bring to a foreign city or an untried idea. They are frank, funny and "
        "generous, quick to laugh and quicker to say exactly what they think, which can be "
        "refreshing or bruising. A Sagittarius courts you by inviting you along: to a "
        "festival, up a mountain, into a late-night argument about whether fate exists. They "
        "fall for minds that widen theirs and spirits that match their appetite for "
        "experience. What they fear above all is a cage, and the faintest hint of one sends "
        "them galloping cheerfully toward the horizon.",
        "Your Sagittarius lover brings enthusiasm and playfulness to intimacy, preferring "
        "laughter and spontaneity to solemn ceremony. They are open-hearted, uninhibited and "
        "glad to explore with a partner who shares their sense of fun. Heaviness can unsettle "
        "them, and they may joke their way out of a serious talk, so choose your moments and "
        "keep things honest but light. Give them freedom to roam, trust them to return, and "
        "share their love of discovery. Travel together, learn together, dream out loud "
        "together. A Sagittarius who feels free will choose you again and again, and loyalty "
        "freely chosen is worth more than any vow."}}},
    {ZodiacSign::Capricorn, {PieceJoin::Direct, {
        "Capricorn approaches love like a long climb: carefully, with a plan, and with every "
        "intention of reaching the summit. Reserved and a little formal at first, your "
        "Capricorn lover may seem to be interviewing you, and in a sense they are, quietly "
        "weighing whether you are someone to build a life with. Their courtship is "
        "old-fashioned and sincere, with dinners booked well ahead and promises kept to the "
        "minute. Beneath the composure runs an earthy, surprisingly sensual nature that "
        "surfaces only in private, once trust is won. They show love by providing and "
        "protecting, and above all they need respect. Honor their caution, praise their "
        "efforts, and coax out the dry humor they hide so well."}}},
    {ZodiacSign::Aquarius, {PieceJoin::Direct, {
        "Aquarius loves as a friend first and a lover second, and would not have it any other "
        "way. Your Aquarius lover is drawn to originality, to people who think for themselves "
        "and are not afraid to be a little odd. They woo you with ideas, causes and unexpected "
        "invitations, and they can seem detached just when you crave reassurance, simply "
        "because strong feelings rattle them in ways they rarely admit. Intimacy with them is "
        "inventive and free of cliche, at its best when it grows out of a real meeting of "
        "minds. Respect their independence, never try to own them, and share their vision of a "
        "kinder world."}}},
    {ZodiacSign::Pisces, {PieceJoin::Direct, {
        "Pisces loves like the sea: boundless, tender and forever shifting with the tide. Your "
        "Pisces lover is a true romantic who sees more in you than you see in yourself, and "
        "pours endless compassion into your troubles. They court with poetry, music and dreamy "
        "evenings that float outside ordinary time. For a Pisces, intimacy is where two inner "
        "worlds flow together, deeply sensual and emotionally open, and they are exquisitely "
        "attuned to your moods. That sensitivity makes them easy to hurt, and they may drift "
        "into silence or daydreams rather than face a harsh word. Be gentle with their "
        "fantasies, give them a quiet place to rest, and remind them that love need not mean "
        "self-sacrifice. Their devotion runs fathoms deep."}}},
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
