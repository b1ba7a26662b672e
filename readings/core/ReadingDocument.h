#pragma once

#include "Reading.h"
#include "Readings.h"
#include "SignChangeNote.h"
#include "zodiac/SignYears.h"
#include "zodiac/ZodiacSign.h"

#include <string>
#include <string_view>
#include <vector>

// A finished reading as one document: what its result window shows, in the window's order and
// under the window's headings. The result windows fill their controls from it, and every way a
// reading leaves the program (copied, saved, printed, printed by kesto-reading) is made from it,
// so none can disagree with another.
namespace kesto {

// One value of the reading, such as the sign or the lucky day.
struct ReadingValue
{
    std::string_view key;     // JSON key: "sign", "luckyNumber"
    std::string_view label;   // kesto-reading's short label: "Sun Sign", "Lucky Number"
    std::string_view heading; // as the window shows it: "Your Sun Sign", "Lucky Number"
    std::string value;
};

// One text of the reading, in paragraphs.
struct ReadingText
{
    std::string_view key;     // JSON key: "positiveTraits", "profile", "description"
    std::string_view label;   // kesto-reading's heading: "Positive Traits"; empty for none
    std::string_view heading; // the window's heading: "Positive Traits"; empty where it has none
    std::vector<std::string> paragraphs;

    // The text as the reading holds it: paragraphs parted by CR LF CR LF.
    std::string joined() const;
};

struct ReadingDocument
{
    Reading reading = Reading::LoveAstrology;
    std::string_view title; // "Love Astrology"
    std::string name;       // the person's name as entered; empty when none was given
    BirthDate date;
    // The second person of a reading for two; the first is `name`, born on `date`.
    struct Partner
    {
        std::string name;
        BirthDate date;
    };
    std::optional<Partner> partner;
    ZodiacSign sign = ZodiacSign::Aries;
    std::string_view intro; // the line above the sign on the table windows; empty otherwise
    std::vector<ReadingValue> values;
    std::vector<ReadingText> texts;
    std::string_view picture; // the sign picture, "aquarius.jpg"; empty for the table readings
    // Zodiac Love Sign and Sexual Astrology beyond their tables' years read the computed sign.
    SignSource source = SignSource::Table;
    // When the body changed sign on the birth date (or, for the sun sign, stood in another sign
    // all day), the line that says so.
    std::optional<SignChangeNote> signChange;
    // Further lines under the values, such as a reading for two people's change days.
    std::vector<std::string> notes;

    // The value or text under a key ("sign", "profile"); nullptr when the reading has none.
    const ReadingValue *value(std::string_view key) const;
    const ReadingText *text(std::string_view key) const;

    // "20 January 1990"
    std::string dateText() const;
    // For a day the month does not have, which the lists offer all the same: "There is no
    // 30 February 1990: the reading takes the day as the lists offer it."; empty otherwise.
    std::string dayNote() const;
    // "MARY JONES, born 20 January 1990", or "Born 20 January 1990" without a name; for two
    // people "MARY, born 20 January 1990, and JOHN, born 3 March 1988".
    std::string personLine() const;
    // Where the sign came from, when not from the reading's own table ("computed from the
    // planets' positions"); empty otherwise.
    std::string_view sourceNote() const;
    // The same as a line of its own: "Computed from the asteroid's position."
    std::string sourceLine() const;
    // What the result window shows under the sign: the source and the sign change in short
    // ("Computed from the planets' positions; born after 00:22 UTC: Aquarius"), and the same in
    // full for assistive technology; both empty when there is nothing to say.
    std::string shortNote() const;
    std::string fullNote() const;
};

// The reading of `sign` for a person born on `date`, as its description lays it out: the sign
// is its table's within the table's years and computed beyond them.
ReadingDocument readingDocument(Reading reading, ZodiacSign sign, std::string name,
                                const BirthDate &date);

// One line a value, one line a paragraph, for pasting where no formatting survives.
std::string readingPlainText(const ReadingDocument &document);

// Markdown, as forums and chats take it.
std::string readingMarkdown(const ReadingDocument &document);

struct HtmlOptions
{
    // Where the sign picture is found (a file, a data: URI); no picture when empty.
    std::string pictureSource;
    // A whole page with its head, instead of a piece to paste into another page.
    bool wholePage = false;
};

// HTML, every text escaped.
std::string readingHtml(const ReadingDocument &document, const HtmlOptions &options = {});

// "Love Astrology - MARY JONES - Aquarius", without characters file systems refuse.
std::string readingFileName(const ReadingDocument &document);

// The text with &, <, >, " and ' as HTML character references.
std::string escapeHtml(std::string_view text);

} // namespace kesto
