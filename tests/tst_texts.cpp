#include "assets/texts/ReadingTexts.h"
#include "readings/love/core/LoveProfile.h"
#include "zodiac/Synastry.h"
#include "zodiac/ZodiacSign.h"

#include <QMap>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <vector>

using namespace kesto;
using enum ZodiacSign;

Q_DECLARE_METATYPE(kesto::ZodiacSign)

namespace {

// Lengths in characters the texts are written to; 0 = no such love profile piece.
struct Targets
{
    ZodiacSign sign;
    int positive, negative, romance;
    std::array<int, 3> lovePieces;
    bool paragraphs; // the love pieces as paragraphs, not run together
    int venus, eros;
};

// clang-format off
constexpr Targets Lengths[] = {
    {Aries,       727, 604, 733, {454, 653, 0},   true,  304, 708},
    {Taurus,      755, 405, 622, {439, 950, 0},   false, 280, 680},
    {Gemini,      745, 526, 717, {397, 706, 528}, true,  281, 658},
    {Cancer,      866, 609, 577, {542, 0, 0},     false, 319, 708},
    {Leo,         998, 646, 561, {559, 0, 0},     false, 299, 663},
    {Virgo,       513, 331, 708, {506, 551, 0},   false, 279, 752},
    {Libra,       717, 366, 793, {800, 667, 0},   true,  271, 693},
    {Scorpio,     702, 536, 780, {371, 674, 0},   false, 227, 648},
    {Sagittarius, 874, 378, 795, {615, 628, 0},   true,  273, 855},
    {Capricorn,   732, 550, 635, {687, 0, 0},     false, 243, 706},
    {Aquarius,    754, 655, 688, {596, 0, 0},     false, 276, 669},
    {Pisces,      681, 415, 673, {711, 0, 0},     false, 248, 661},
};
// clang-format on

// Love Match: the three layers and seven aspects in the order of their enums, and the five tones.
constexpr Body Layers[] = {Body::Sun, Body::Venus, Body::Eros};
constexpr const char *LayerNames[] = {"Sun", "Venus", "Eros"};
constexpr const char *AspectNames[] = {"conjunction", "semisextile", "sextile",   "square",
                                       "trine",       "quincunx",    "opposition"};
constexpr MatchTone Tones[] = {MatchTone::Flowing, MatchTone::Close, MatchTone::Adjusting,
                               MatchTone::Testing, MatchTone::Mixed};

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

QByteArray nameOf(ZodiacSign sign)
{
    return bytes(displayName(sign));
}

std::vector<std::string_view> usedPieces(ZodiacSign sign)
{
    std::vector<std::string_view> pieces;
    for (std::string_view piece : loveProfilePieces(sign).pieces) {
        if (!piece.empty())
            pieces.push_back(piece);
    }
    return pieces;
}

// The kinds of text; a reading window shows the traits next to one of the two profiles.
enum class Kind { Positive, Negative, Love, Romance, Venus, Eros, Match };
constexpr std::array<Kind, 6> SignKinds = {Kind::Positive, Kind::Negative, Kind::Love,
                                           Kind::Romance,  Kind::Venus,    Kind::Eros};
constexpr const char *KindNames[] = {"positive", "negative", "love",      "romance",
                                     "venus",    "eros",     "love match"};

QString textOf(Kind kind, ZodiacSign sign)
{
    if (kind == Kind::Love)
        return QString::fromStdString(LoveProfileText(sign));
    const std::string_view texts[] = {
        SunSignTraits(sign).positive, SunSignTraits(sign).negative, {},
        RomanceProfileText(sign),     LoveSignText(sign),           ErosSignText(sign)};
    return QString::fromLatin1(texts[int(kind)]);
}

// Love Match's 21 texts by layer and aspect, then its 5 overall lines (layer and aspect -1).
struct MatchText
{
    QByteArray name;
    int layer, aspect;
    QString text;
};

QList<MatchText> matchTexts()
{
    QList<MatchText> all;
    for (int layer = 0; layer < 3; ++layer) {
        for (int aspect = 0; aspect < 7; ++aspect)
            all.append({QByteArray(LayerNames[layer]) + ' ' + AspectNames[aspect], layer, aspect,
                        QString::fromLatin1(LoveMatchText(Layers[layer], Aspect(aspect)))});
    }
    for (MatchTone tone : Tones)
        all.append({"overall " + QByteArray::number(int(tone)), -1, -1,
                    QString::fromLatin1(LoveMatchOverallText(tone))});
    return all;
}

struct Text
{
    QString where;
    Kind kind;
    QString text;
};

// Every text a reader can meet: each sign's six, then Love Match's.
QList<Text> allTexts()
{
    QList<Text> all;
    for (ZodiacSign sign : AllSigns) {
        for (Kind kind : SignKinds)
            all.append({QStringLiteral("%1 %2").arg(nameOf(sign), KindNames[int(kind)]), kind,
                        textOf(kind, sign)});
    }
    for (const MatchText &match : matchTexts())
        all.append({QString::fromLatin1(match.name), Kind::Match, match.text});
    return all;
}

// What a text may call a sign: its name or its symbol, in Aries to Pisces order.
constexpr const char *SymbolPatterns[] = {
    "rams?",  "bulls?",     "twins",    "crabs?",          "lions?",         "virgins?",
    "scales", "scorpions?", "archers?", "(?:sea-)?goats?", "water bearers?", "fish(?:es)?"};

QRegularExpression callsSign(ZodiacSign sign)
{
    return QRegularExpression(QStringLiteral("\\b(?:%1|%2)\\b")
                                  .arg(QString::fromLatin1(nameOf(sign)),
                                       QLatin1String(SymbolPatterns[ordinal(sign) - 1])),
                              QRegularExpression::CaseInsensitiveOption);
}

// Concrete images that may turn up in only one of a sign's readings (the traits counting as one),
// and in only one Love Match text; the sign symbols count among them.
constexpr const char *Images[] = {
    "soup",     "fence",   "flare",       "blanket",      "linen",       "daydream", "storm",
    "shell",    "tide",    "fire",        "flame",        "spark",       "garden",   "photograph",
    "recipe",   "sun",     "sunny",       "sunshine",     "sunlight",    "stage",    "spotlight",
    "arrow",    "horizon", "traveler",    "traveller",    "climb",       "summit",   "secret",
    "oak",      "root",    "bread",       "feast",        "menu",        "coat",     "music",
    "poetry",   "dream",   "philosophy",  "book",         "harmony",     "money",    "casserole",
    "kitchen",  "hill",    "tea",         "oven",         "rain",        "wall",     "martyr",
    "taxi",     "train",   "marketplace", "sea",          "squall",      "crown",    "cage",
    "map",      "journey", "mountain",    "wine",         "candlelight", "message",  "walk",
    "project",  "game",    "road",        "kiss",         "hand",        "door",     "song",
    "water",    "royalty", "dance",       "key",          "letter",      "river",    "mirror",
    "ram",      "bull",    "twins",       "crab",         "lion",        "virgin",   "scales",
    "scorpion", "archer",  "goat",        "water bearer", "fish"};

} // namespace

Q_DECLARE_METATYPE(Kind)

class tst_Texts : public QObject
{
    Q_OBJECT

private slots:
    void textStructure_data();
    void textStructure();
    void loveProfileJoins_data();
    void loveProfileJoins();
    void callsOnlyItsOwnSign_data();
    void callsOnlyItsOwnSign();
    void matchNamesOnlyItsLayerAndAspect_data();
    void matchNamesOnlyItsLayerAndAspect();
    void imagesStayInOneReading_data();
    void imagesStayInOneReading();
    void stockPhrasing_data();
    void stockPhrasing();
    void openingsDiffer();
};

void tst_Texts::textStructure_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("shortest");
    QTest::addColumn<int>("longest");
    QTest::addColumn<bool>("standsAlone"); // not the first half of a run-together paragraph
    QTest::addColumn<int>("fewestSentences");
    QTest::addColumn<int>("mostSentences");

    for (const Targets &target : Lengths) {
        const QByteArray name = nameOf(target.sign);
        // The sign texts are written to the character.
        const auto row = [&](const char *kind, std::string_view text, int length,
                             bool standsAlone = true, int fewest = 1, int most = 99) {
            QTest::addRow("%s %s", name.constData(), kind)
                << bytes(text) << length << length << standsAlone << fewest << most;
        };
        row("positive", SunSignTraits(target.sign).positive, target.positive);
        row("negative", SunSignTraits(target.sign).negative, target.negative);
        row("romance", RomanceProfileText(target.sign), target.romance);
        row("venus", LoveSignText(target.sign), target.venus, true, 3, 5);
        row("eros", ErosSignText(target.sign), target.eros);
        const std::vector<std::string_view> pieces = usedPieces(target.sign);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const QByteArray kind = "love piece " + QByteArray::number(int(i) + 1);
            row(kind.constData(), pieces[i], target.lovePieces[i],
                target.paragraphs || i + 1 == pieces.size());
        }
    }
    // Love Match: a paragraph of 500 to 900 characters, or one short overall sentence.
    for (const MatchText &match : matchTexts()) {
        const bool line = match.layer < 0;
        QTest::newRow(match.name.constData()) << match.text.toLatin1() << (line ? 1 : 500)
                                              << (line ? 160 : 900) << true << 1 << (line ? 1 : 99);
    }
}

// One plain ASCII line each, as long as written.
void tst_Texts::textStructure()
{
    QFETCH(QByteArray, text);
    QFETCH(int, shortest);
    QFETCH(int, longest);
    QFETCH(bool, standsAlone);
    QFETCH(int, fewestSentences);
    QFETCH(int, mostSentences);

    const QByteArray size = QByteArray::number(text.size()) + " characters";
    QVERIFY2(text.size() >= shortest && text.size() <= longest, size.constData());
    for (char c : text)
        QVERIFY2(c >= 0x20 && c <= 0x7e, qPrintable(QStringLiteral("character %1").arg(int(c))));
    QVERIFY(!text.contains("  ") && !text.startsWith(' '));
    // A placeholder left in would show as a brace or a percent sign.
    QVERIFY(!text.contains('{') && !text.contains('}') && !text.contains('%'));
    if (standsAlone)
        QVERIFY(text.endsWith('.') || text.endsWith('!'));
    // Sentences end in a full stop, question or exclamation mark before a blank or the end.
    static const QRegularExpression SentenceEnd(QStringLiteral("[.!?]( |$)"));
    const qsizetype sentences = QString::fromLatin1(text).count(SentenceEnd);
    QVERIFY2(sentences >= fewestSentences && sentences <= mostSentences,
             qPrintable(QString::number(sentences) + " sentences"));
}

void tst_Texts::loveProfileJoins_data()
{
    QTest::addColumn<ZodiacSign>("sign");
    for (ZodiacSign sign : AllSigns)
        QTest::newRow(nameOf(sign).constData()) << sign;
}

// The used pieces come first; as paragraphs they are parted by one empty line, run together
// they keep exactly one blank between their words.
void tst_Texts::loveProfileJoins()
{
    QFETCH(ZodiacSign, sign);
    const Targets &target = Lengths[ordinal(sign) - 1];
    const LoveProfilePieces &stored = loveProfilePieces(sign);
    for (std::size_t i = 0; i < stored.pieces.size(); ++i)
        QCOMPARE(stored.pieces[i].empty(), target.lovePieces[i] == 0);

    const std::vector<std::string_view> pieces = usedPieces(sign);
    if (pieces.size() > 1)
        QCOMPARE(stored.join == PieceJoin::Paragraphs, target.paragraphs);
    std::string composed;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0 && target.paragraphs)
            composed += "\r\n\r\n";
        else if (i > 0)
            QVERIFY(pieces[i - 1].ends_with(' ') != pieces[i].starts_with(' '));
        composed += pieces[i];
    }
    QCOMPARE(QByteArray::fromStdString(LoveProfileText(sign)), QByteArray::fromStdString(composed));
}

void tst_Texts::callsOnlyItsOwnSign_data()
{
    QTest::addColumn<ZodiacSign>("sign");
    QTest::addColumn<Kind>("kind");
    for (Kind kind : SignKinds) {
        for (ZodiacSign sign : AllSigns)
            QTest::addRow("%s %s", nameOf(sign).constData(), KindNames[int(kind)]) << sign << kind;
    }
}

// Every text calls its sign by name or symbol at least once and never names another sign, so a
// text filed under the wrong sign cannot go unnoticed.
void tst_Texts::callsOnlyItsOwnSign()
{
    QFETCH(ZodiacSign, sign);
    QFETCH(Kind, kind);
    const QString text = textOf(kind, sign);
    QVERIFY2(text.contains(callsSign(sign)), "the text never names its own sign");
    for (ZodiacSign other : AllSigns) {
        const QRegularExpressionMatch match = callsSign(other).match(text);
        QVERIFY2(other == sign || !match.hasMatch(), qPrintable(match.captured()));
    }
}

void tst_Texts::matchNamesOnlyItsLayerAndAspect_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("layer");  // -1: an overall line, which names none
    QTest::addColumn<int>("aspect"); // -1: likewise
    for (const MatchText &match : matchTexts())
        QTest::newRow(match.name.constData()) << match.text << match.layer << match.aspect;
}

// A Love Match text names its own body and aspect and no other, whole words only ("sextile"
// hides in "semisextile"), and no sign, since it serves every pair of signs; so a text filed
// under the wrong layer or aspect cannot go unnoticed.
void tst_Texts::matchNamesOnlyItsLayerAndAspect()
{
    QFETCH(QString, text);
    QFETCH(int, layer);
    QFETCH(int, aspect);
    for (int body = 0; body < 3; ++body) {
        // Case-sensitive, so that "Sunday" and "sunlight" are no Sun.
        const QRegularExpression name(QStringLiteral("\\b%1s?\\b").arg(LayerNames[body]));
        QVERIFY2(text.contains(name) == (body == layer), LayerNames[body]);
    }
    for (int other = 0; other < 7; ++other) {
        const QRegularExpression name(QStringLiteral("\\b%1\\b").arg(AspectNames[other]),
                                      QRegularExpression::CaseInsensitiveOption);
        QVERIFY2(text.contains(name) == (other == aspect), AspectNames[other]);
    }
    for (ZodiacSign sign : AllSigns)
        QVERIFY2(!text.contains(callsSign(sign)), nameOf(sign).constData());
}

void tst_Texts::imagesStayInOneReading_data()
{
    QTest::addColumn<QStringList>("readings");
    for (ZodiacSign sign : AllSigns) {
        QStringList readings = {textOf(Kind::Positive, sign) + ' ' + textOf(Kind::Negative, sign)};
        for (Kind kind : {Kind::Love, Kind::Romance, Kind::Venus, Kind::Eros})
            readings << textOf(kind, sign);
        QTest::newRow(nameOf(sign).constData()) << readings;
    }
    QStringList match;
    for (const MatchText &text : matchTexts()) {
        if (text.layer >= 0)
            match << text.text;
    }
    QTest::newRow("love match") << match;
}

// One image, one reading: a sign's readings are read side by side, and Love Match shows three
// of its texts together. The bodies' own names are no image.
void tst_Texts::imagesStayInOneReading()
{
    QFETCH(QStringList, readings);
    static const QRegularExpression BodyName(QStringLiteral("\\b(?:Suns?|Venus|Eros)\\b"));
    for (QString &reading : readings)
        reading.remove(BodyName);
    for (const char *image : Images) {
        const QRegularExpression word(QStringLiteral("\\b%1(?:s|es)?\\b").arg(QLatin1String(image)),
                                      QRegularExpression::CaseInsensitiveOption);
        QStringList users;
        for (const QString &reading : std::as_const(readings)) {
            if (reading.contains(word))
                users << reading.left(30);
        }
        QVERIFY2(
            users.size() <= 1,
            qPrintable(QStringLiteral("%1: %2").arg(image, users.join(QStringLiteral(" | ")))));
    }
}

void tst_Texts::stockPhrasing_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QList<Kind>>("kinds");
    QTest::addColumn<int>("most");

    const QList<Kind> all = {Kind::Positive, Kind::Negative, Kind::Love, Kind::Romance,
                             Kind::Venus,    Kind::Eros,     Kind::Match};
    const QList<Kind> eros = {Kind::Eros};
    const QList<Kind> match = {Kind::Match};
    QTest::newRow("beneath the surface lies")
        << "\\b(?:beneath|behind|under)\\b[^.;:]*\\b(?:lies|lie|runs|run|beats|sits|burns)\\b"
        << all << 0;
    QTest::newRow("symbolized by") << "\\bsymboli[sz]ed by\\b" << all << 1;
    QTest::newRow("surprising in eros") << "\\bsurpris" << eros << 1;
    QTest::newRow("playful in eros") << "\\bplayful" << eros << 1;
    QTest::newRow("With Eros in") << "\\bWith Eros in\\b" << eros << 3;
    // "Do this, and they will do that." as the last sentence of a profile or a match.
    QTest::newRow("closing promise")
        << ", and (?:you|they|he|she|it|the \\w+|this \\w+|a \\w+) will [^.!?]*[.!]$"
        << QList<Kind> {Kind::Love, Kind::Romance, Kind::Match} << 1;
    QTest::newRow("closing on who will find")
        << "\\bwho\\b[^.!?]*\\bwill find\\b[^.!?]*[.!?]$" << all << 1;
    QTest::newRow("sentences opening with Once") << "(?:^|[.!?] )Once\\b" << all << 8;
    QTest::newRow("bottomless")
        << "\\b(?:bottomless|boundless|fathoms?)\\b|\\bno (?:bottom|floor)\\b" << all << 1;
    QTest::newRow("restless") << "\\brestless" << all << 2;
    QTest::newRow("cliches")
        << "\\b(?:romance with a capital R|like a fine wine|two become one|prairie sky|soul "
           "?mates?|"
           "opposites attract|other half|head over heels|match made in heaven)\\b"
        << all << 0;
    QTest::newRow("reader called a Venus in a sign")
        << "\\ba Venus in\\b" << QList<Kind> {Kind::Venus} << 0;
    QTest::newRow("Eros given a home sign")
        << "\\bits (?:\\w+ ){0,2}home\\b|\\bexalted\\b" << eros << 0;
    QTest::newRow("gendered words")
        << "\\b(?:he|she|him|her|his|hers|himself|herself|husband|wife|boyfriend|girlfriend)\\b"
        << match << 0;
    QTest::newRow("match opening With your") << "^With your\\b" << match << 3;
    QTest::newRow("British spelling")
        << "\\b(?:centre|organis\\w*|quarrell\\w*|pretence|travell\\w*|humour|colour\\w*|"
           "favour\\w*|honour\\w*|ardour)\\b"
        << all << 0;
    // Sayings that repeat or contradict themselves.
    QTest::newRow("quiet but not loud") << "\\bquiet[^.]*\\bnot loud\\b" << all << 0;
    QTest::newRow("planned unplanned") << "\\bplan[^.]*\\bunplanned\\b" << all << 0;
    QTest::newRow("every sense owned") << "\\bevery sense an?\\b" << all << 0;
    QTest::newRow("even more irresistible") << "\\bmore irresistible\\b" << all << 0;
    QTest::newRow("renewing again") << "\\brenew\\w*[^.]*\\bagain\\b" << all << 0;
    QTest::newRow("thrown wide") << "\\bthrown wide\\b(?! open)" << all << 0;
    QTest::newRow("guessing without games") << "\\bguessing\\b[^.]*\\bwithout games\\b" << all << 0;
    QTest::newRow("free-minded and open-minded")
        << "\\bfree-minded\\b[^.]*\\bopen-minded\\b" << all << 0;
}

// A stock phrase may turn up a few times at most across the texts it is counted in, some never.
void tst_Texts::stockPhrasing()
{
    QFETCH(QString, pattern);
    QFETCH(QList<Kind>, kinds);
    QFETCH(int, most);
    const QRegularExpression expression(pattern, QRegularExpression::CaseInsensitiveOption);
    QVERIFY(expression.isValid());
    QStringList where;
    for (const Text &text : allTexts()) {
        if (!kinds.contains(text.kind))
            continue;
        for (auto it = expression.globalMatch(text.text); it.hasNext(); it.next())
            where << text.where;
    }
    QVERIFY2(where.size() <= most, qPrintable(where.join(QStringLiteral(", "))));
}

// No two texts open with the same three words once the sign names are set aside, love profile
// pieces counted each, so no text is another's copy.
void tst_Texts::openingsDiffer()
{
    QStringList texts;
    for (const Text &text : allTexts()) {
        if (text.kind != Kind::Love)
            texts << text.text;
    }
    for (ZodiacSign sign : AllSigns) {
        for (std::string_view piece : usedPieces(sign))
            texts << QString::fromLatin1(piece);
    }
    QCOMPARE(texts.size(), 12 * 5 + 20 + 21 + 5); // twenty love pieces, Love Match's 21 and 5
    static const QRegularExpression Word(QStringLiteral("[A-Za-z'-]+"));
    QMap<QString, QString> seen;
    for (QString text : std::as_const(texts)) {
        const QString original = text;
        for (ZodiacSign sign : AllSigns)
            text.replace(callsSign(sign), QStringLiteral("X"));
        QStringList words;
        for (auto it = Word.globalMatch(text); it.hasNext() && words.size() < 3;)
            words << it.next().captured().toLower();
        const QString opening = words.join(u' ');
        QVERIFY2(!seen.contains(opening),
                 qPrintable(QStringLiteral("\"%1\" opens both \"%2\" and \"%3\"")
                                .arg(opening, seen.value(opening).left(40), original.left(40))));
        seen.insert(opening, original);
    }
}

QTEST_APPLESS_MAIN(tst_Texts)
#include "tst_texts.moc"
