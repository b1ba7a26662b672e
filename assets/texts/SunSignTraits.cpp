#include "ReadingTexts.h"

#include <array>
#include <cstddef>

namespace kesto {

namespace {

struct TraitRow
{
    ZodiacSign sign;
    std::string_view positive;
    std::string_view negative;
};

// Each sign's positive traits first, then its failings: mostly the same strengths pushed too far.
// clang-format off
constexpr std::array<TraitRow, 12> Rows = {{
    {ZodiacSign::Aries,
       "You meet the world head first, and it usually makes room for you. Courage comes to an "
       "Aries as easily as breathing: where others wait for permission, you are already halfway up "
       "the hillside, calling back that the view is worth it. You are honest to the point of "
       "bluntness, and people learn to trust you precisely because you never hide what you think. "
       "Your energy is contagious; a tired team wakes up when you walk in, and a stalled plan "
       "suddenly has a first step. You love a challenge for its own sake, you bounce back from "
       "defeat faster than anyone you know, and you forgive as quickly as you take offense. There "
       "is something young and bright in you that never quite grows old, so that every morning "
       "feels like a fresh start.",
       "The same drive that carries you forward can knock over the people standing close by. You "
       "want everything now, and waiting, whether for a slow friend, a red light or a reply, can "
       "feel like a personal insult. An Aries temper rises fast, and although it fades just as "
       "fast, the words you threw in the heat of the moment may linger in someone else's memory "
       "long after you have forgotten. You start more than you finish, drawn off by the next "
       "bright idea. At times you charge ahead without checking who is following, then wonder why "
       "you feel alone. A little patience would let your courage carry others along."},
    {ZodiacSign::Taurus,
       "You stay calm in the middle of other people's storms. Steady, patient and wonderfully "
       "reliable, you build a life the way a Taurus builds everything: stone by stone, without "
       "shortcuts, trusting that good things take time. When you give your word or your heart, you "
       "keep it, and friends know they can count on you without a second thought. You have a rare "
       "gift for simple pleasure, too. You notice the warmth of bread fresh from the oven, the "
       "smell of rain on a summer street, the way late sunlight falls across a room, and you know "
       "how to turn an ordinary evening into a small feast. Money and possessions sit comfortably "
       "in your care because you value what truly lasts. Your strength is a quiet one, yet it does "
       "not waver, and people feel safe around you.",
       "Your steadiness can harden into stubbornness. With your mind made up, not even a sound "
       "argument will shift you, and any change at all can feel like a threat rather than a "
       "chance. Comfort may slide into indulgence, and care for what is yours can turn possessive, "
       "of people as well as things. Slow to anger, a Taurus is also slow to forgive, and, once "
       "hurt, you may stay hurt far longer than anyone expects."},
    {ZodiacSign::Gemini,
       "Your mind is a bright, busy marketplace where ideas are traded all day long. Curious about "
       "everything and everyone, you can talk with a taxi driver about baseball and with a "
       "professor about philosophy in the same afternoon, and enjoy both just as much. You learn "
       "quickly, adapt to new people in a heartbeat and see the funny side of almost anything, "
       "which makes you wonderful company at a dinner table or on a train ride. Words are your "
       "native ground: you write, joke, persuade and explain with an ease others envy. As a Gemini "
       "you keep a youthful spirit at every age, always ready for a new book, a new town or a new "
       "face. Wherever people gather, you are the one who connects them, passing along the story "
       "or the hot tip that gets things going.",
       "Because so much catches your interest, very little holds it for long. You may skim where "
       "you should dig, and leave a trail of half-read novels, unfinished projects and promises "
       "made in the excitement of the moment. Your quick humor can turn sharp, and a clever remark "
       "sometimes lands harder than you intended. Feelings, your own and other people's, can make "
       "a Gemini uneasy, and you may talk around them rather than through them. You can be hard to "
       "pin down, and some call you fickle, when really you simply dread being bored."},
    {ZodiacSign::Cancer,
       "You carry home with you wherever you go. Tender, protective and deeply loyal, you have a "
       "way of making people feel looked after: you remember how a friend takes their tea, you "
       "notice when someone has gone quiet, and you are first to turn up with a casserole when "
       "life turns hard. Your intuition is uncanny; you often sense what is wrong before anyone "
       "says a word, and you answer it with kindness rather than questions. Family, whether the "
       "one you were born into or the one you have gathered, stands at the heart of your life, and "
       "you will defend it with a fierceness that startles those who only know your gentle side. "
       "Cancer gives you a long, rich memory and a love of the past, of old photographs, "
       "handed-down recipes and the stories behind them. Your careful manner conceals an "
       "imaginative spirit, and those you let inside find a warm and welcoming place to rest.",
       "Your sensitivity is a gift, but it also leaves you easily bruised. A careless remark can "
       "send you into hiding for days, and rather than say what hurt, you may sulk and hope the "
       "other person guesses. Your moods rise and fall like the tides, sometimes without a reason "
       "you could name. Because you care so much, you can cling, smother or worry over people who "
       "only wanted a little room. A Cancer holds on to old hurts as tightly as to old treasures, "
       "and letting go of the past does not come easily to you. In time, trusting that you are "
       "loved without constant reassurance would give you the peace you truly seek."},
    {ZodiacSign::Leo,
       "You were born to shine, and the magic is that you make everyone around you shine a little "
       "brighter too. Warm, generous and gloriously alive, you fill a room the moment you enter "
       "it, not through noise but through sheer presence. You share your big heart freely: your "
       "friends are showered with praise, presents and loyalty, and anyone who belongs to your "
       "circle knows that you will stand up for them in public without hesitation. Creativity "
       "flows through you, whether you express it on a stage, in a kitchen, in the way you dress "
       "or in the stories you tell. As a Leo you are a natural leader, not because you push people "
       "around but because they want to follow someone so confident and full of heart. You love "
       "celebration and grand gestures, and you have a child's delight in play that never dies. "
       "When life knocks you down, pride lifts you back to your feet with your chin held high. "
       "Dignity, courage and a sunny, open heart are your trademarks, and the world is simply a "
       "warmer place with you in it.",
       "Your great warmth has a shadow: a hunger for attention that can grow demanding. When the "
       "spotlight wanders elsewhere, you may feel overlooked and sulk, or raise your voice until "
       "it swings back. Pride keeps a Leo standing tall, but it also makes it hard for you to "
       "admit a mistake or accept advice, even good advice from people who love you. You can be "
       "bossy when you are sure you know best, which is often. Your generosity is genuine, yet you "
       "may spend beyond your means to keep up appearances. Flattery works on you more than you "
       "care to admit. People admire you even when you are offstage; believing that would spare "
       "you a great deal of strain."},
    {ZodiacSign::Virgo,
       "You are the quiet artisan of the zodiac, the Virgo who notices the small, crooked thing "
       "and makes it right. Practical, modest and sharp-eyed, you find real satisfaction in doing "
       "a job properly, and your help is never empty talk but something useful and well made. You "
       "think clearly, organize brilliantly and bring calm order to chaos, so people rely on you "
       "more than they say. You are kinder and more loyal than you let on, and you show love "
       "through patient, practical help that others may only notice much later.",
       "Your eye for detail can turn into a habit of fault-finding, aimed at others and, most "
       "harshly, at yourself. Nothing ever seems quite good enough to a Virgo, and you may fret "
       "over small things until they become large ones. Your high standards can make you seem cold "
       "or critical, and you find it hard to relax until each job is done."},
    {ZodiacSign::Libra,
       "You bring grace into every room you enter. Charming, fair-minded and easy to be around, "
       "you have a gift for seeing every side of a question and for finding the words that let two "
       "quarreling people meet in the middle. Harmony matters deeply to a Libra, and you work for "
       "it with tact, patience and warmth rather than force. You have a fine eye for beauty in all "
       "its forms, from a well-cut coat to a well-turned phrase, and your home usually looks "
       "effortlessly lovely. Close bonds bring out the best in you; you are attentive, romantic "
       "and genuinely interested in the people you love. Your sense of justice is strong and very "
       "real, and you will speak up when something is unfair, always politely and with a gentle "
       "smile.",
       "Weighing every option, as a Libra will, can leave you unable to pick, and you may dither "
       "over a menu as long as over a career. Your wish to keep the peace tempts you to say what "
       "people want to hear or to avoid a needed argument. At times you lean too heavily on others "
       "for your sense of worth, and a love of luxury and ease can make you vain, idle or "
       "self-indulgent."},
    {ZodiacSign::Scorpio,
       "You feel everything at full depth, and you never settle for the surface of anything. "
       "Passionate, perceptive and fiercely determined, a Scorpio can see straight through "
       "pretense and read people the way others read books. When you commit to a goal, a friend or "
       "a lover, you give it your whole being, and your loyalty is unbreakable. You are not "
       "frightened of the dark corners of life that make others look away; you can sit with grief, "
       "crisis or confession and stay steady. That is why people bring you their hardest truths. "
       "You have a rare power to remake yourself, coming back from every setback stronger than "
       "before. Private, loyal and strong-willed, you leave a mark on everyone whose path you "
       "cross.",
       "The intensity that makes you so compelling can also make you hard to live with. You find "
       "it difficult to trust, and you may test people covertly or keep entire parts of yourself "
       "locked away. When you feel betrayed, you can grow jealous, possessive and cold, and you "
       "do not forget a wrong easily; the sting of a Scorpio's revenge can outlast the original "
       "hurt. Your wish for control can become a tendency to manipulate, even with good "
       "intentions. Letting people see your softer side would bring you the closeness you so "
       "quietly long for."},
    {ZodiacSign::Sagittarius,
       "You are both wanderer and philosopher, born restless, forever heading for some farther "
       "place. Optimistic, open-hearted and full of good humor, you believe, as a Sagittarius "
       "will, that the next trip, book or conversation might change everything, and often it does. "
       "You love freedom with your whole heart and you give it generously to others, never asking "
       "anyone to be smaller than they are. Your honesty is refreshing: you say what you see, and "
       "your frankness is so free of malice that people usually laugh rather than bristle. You are "
       "a born teacher and a born student, hungry for meaning, always asking why the world works "
       "the way it does. Your enthusiasm lifts any gathering, and luck seems to follow you around, "
       "perhaps because you take chances others let pass. Your friends treasure your generosity, "
       "your big laugh and your faith that tomorrow will bring something good.",
       "Your love of freedom can make you reluctant to commit, and you may slip away just when you "
       "are needed. Your honesty sometimes lacks tact, and a careless truth can wound deeply. You "
       "promise more than you can deliver, and the optimism of Sagittarius can carry you into "
       "risks, debts or plans that a little care would have avoided. Routine bores you, and "
       "details get left to others."},
    {ZodiacSign::Capricorn,
       "You move steadily toward your goals, one sure step after another, and you rarely lose your "
       "way. Disciplined, responsible and quietly ambitious, a Capricorn takes life seriously in "
       "the best sense: you know that anything worth having has to be built, and you are willing "
       "to do the building. People trust you with the important things because you are careful, "
       "realistic and always as good as your word. Few guess at the dry, sly wit you save for "
       "friends, and those who catch it love it. You respect tradition and experience, and you "
       "tend to grow younger in spirit as years pass, enjoying in later life the freedom your "
       "patience has earned. Loyal to your family and steadfast in hardship, you are the one "
       "others turn to when it matters.",
       "Your drive to succeed can take over your whole life, leaving little time for rest, play "
       "or the very people you are working so hard for. You may be too cautious, expecting the "
       "worst so as never to be caught out, and that can make you seem gloomy, stiff or cold. "
       "You can judge others by their status or achievements and be hard on those who do not "
       "share your discipline. Showing feelings does not come easily to a Capricorn, and you may "
       "hide them behind duty. Remember now and then that you are valued for who you are, not "
       "only for what you accomplish."},
    {ZodiacSign::Aquarius,
       "You see the world not only as it is but as it could be, and you are willing to help build "
       "the better version. Aquarius makes you original, inventive and independent: you follow "
       "your own ideas where they lead, and you are rarely troubled by what the crowd thinks. Your "
       "mind is quick and wide-ranging, drawn to science, new technology and big humane questions. "
       "You care about people in the broadest sense, about fairness, community and the rights of "
       "everyone, and you make a loyal, accepting friend who never asks anyone to be less strange "
       "than they are. You bring a fresh, unexpected angle to any problem, and your humor is as "
       "offbeat as your thinking. You stand by people for life and treat each one you meet as a "
       "peer, whatever their rank or reputation.",
       "Your independence can make you seem distant, even aloof, to the people who want to get "
       "close to you. You may love humanity more easily than you love the person sitting across "
       "the table, and when feelings run high you tend to retreat into cool reason. Your "
       "originality can turn into contrariness; you might take the opposite side just to prove you "
       "are free to. Having settled on an idea, you can be as stubborn as any Aquarius alive, sure "
       "that you are ahead of everyone else. You may also resist routine and rules so firmly that "
       "ordinary commitments slip through the cracks. A little open warmth would win you more "
       "hearts than the cleverest argument could."},
    {ZodiacSign::Pisces,
       "You live with one foot in this world and one in a world of dreams, and you bring "
       "something of that other world back for the rest of us. Compassionate, imaginative and "
       "deeply intuitive, you feel other people's joys and sorrows almost as if they were your "
       "own, and your kindness asks nothing in return. Artists, healers and poets are often born "
       "under Pisces, and you may find music, painting or writing speaks for you better than "
       "plain words. You are gentle, adaptable and forgiving, ready to see the best in people "
       "even after they have let you down. Your sensitivity gives you a quiet spiritual wisdom, "
       "and those you love feel understood in your company, perhaps for the first time.",
       "Because you feel so much, the hard edges of life can overwhelm you, and you may escape "
       "into wishful thinking or bad habits instead of facing them. You find it hard to say no, "
       "and others can exploit the soft heart Pisces gives you. You may drift with no plan, lose "
       "track of time and money, and avoid conflict until small troubles grow large. At times you "
       "play the martyr, giving too much, then feeling unappreciated."},
}};
// clang-format on

constexpr bool rowsInZodiacOrder()
{
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        if (ordinal(Rows[i].sign) != static_cast<int>(i) + 1)
            return false;
    }
    return true;
}
static_assert(rowsInZodiacOrder(), "trait rows must run Aries to Pisces");

} // namespace

TraitTexts SunSignTraits(ZodiacSign sign)
{
    const TraitRow &row = Rows[static_cast<std::size_t>(ordinal(sign) - 1)];
    return {row.positive, row.negative};
}

} // namespace kesto
