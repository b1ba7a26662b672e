#include "SignMoments.h"

#include "DateText.h"

#include <algorithm>
#include <vector>

namespace kesto {

namespace {

constexpr int MinutesPerDay = 24 * 60;

bool isRealDate(int year, int month, int day)
{
    return year >= MomentsFirstYear && year <= MomentsLastYear && month >= 1 && month <= 12
        && day >= 1 && day <= daysInMonth(year, month);
}

// Days from 1 January 1900 to a date from 1900 on (H. Hinnant's days_from_civil, which counts
// from 1 March of year 0 in eras of 400 years).
int daysSince1900(int year, int month, int day)
{
    const int marchYear = month <= 2 ? year - 1 : year;
    const int era = marchYear / 400;
    const int yearOfEra = marchYear - era * 400;
    const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    constexpr int March0000To1900 = 693901; // days from 1 March 0000 to 1 January 1900
    return era * 146097 + dayOfEra - March0000To1900;
}

// Minutes from 1 January 1900 00:00, for a real minute from 1900 to 2100 only.
std::optional<int> minuteIndex(const UtcMinute &moment)
{
    if (!isRealDate(moment.year, moment.month, moment.day) || moment.hour < 0 || moment.hour > 23
        || moment.minute < 0 || moment.minute > 59)
        return std::nullopt;
    return daysSince1900(moment.year, moment.month, moment.day) * MinutesPerDay + moment.hour * 60
        + moment.minute;
}

// One body's list of moments with every entry's minute index beside it, for binary search.
class MomentBook
{
public:
    MomentBook(Body body, std::span<const SignMomentEntry> entries)
        : m_body(body)
        , m_entries(entries)
    {
        m_minutes.reserve(entries.size());
        for (const SignMomentEntry &entry : entries)
            m_minutes.push_back(daysSince1900(entry.year, entry.month, entry.day) * MinutesPerDay
                                + entry.hour * 60 + entry.minute);
    }

    std::optional<ZodiacSign> signAt(int minute) const
    {
        const std::size_t after = firstAfter(minute);
        if (after == 0)
            return std::nullopt;
        return m_entries[after - 1].sign;
    }

    std::optional<SignMoment> next(int minute) const { return change(firstAfter(minute)); }

    std::optional<SignMoment> previous(int minute) const
    {
        const std::size_t after = firstAfter(minute);
        return after == 0 ? std::nullopt : change(after - 1);
    }

    // The first change from minute on, if it comes before `before`.
    std::optional<SignMoment> firstBetween(int minute, int before) const
    {
        const auto from = std::lower_bound(m_minutes.begin(), m_minutes.end(), minute);
        const std::size_t index = static_cast<std::size_t>(from - m_minutes.begin());
        // The first entry opens the list and is no change.
        const std::size_t first = std::max<std::size_t>(index, 1);
        if (first >= m_minutes.size() || m_minutes[first] >= before)
            return std::nullopt;
        return change(first);
    }

private:
    std::size_t firstAfter(int minute) const
    {
        return static_cast<std::size_t>(std::upper_bound(m_minutes.begin(), m_minutes.end(), minute)
                                        - m_minutes.begin());
    }

    // The change entry `index` makes; nothing for the opening entry or past the end.
    std::optional<SignMoment> change(std::size_t index) const
    {
        if (index == 0 || index >= m_entries.size())
            return std::nullopt;
        const SignMomentEntry &entry = m_entries[index];
        return SignMoment {m_body,
                           {entry.year, entry.month, entry.day, entry.hour, entry.minute},
                           m_entries[index - 1].sign,
                           entry.sign};
    }

    Body m_body;
    std::span<const SignMomentEntry> m_entries;
    std::vector<int> m_minutes;
};

const MomentBook &book(Body body)
{
    static const MomentBook sun(Body::Sun, sunSignMoments());
    static const MomentBook venus(Body::Venus, venusSignMoments());
    static const MomentBook eros(Body::Eros, erosSignMoments());
    switch (body) {
    case Body::Sun:
        break;
    case Body::Venus:
        return venus;
    case Body::Eros:
        return eros;
    }
    return sun;
}

} // namespace

std::optional<SignMoment> signChangeOnDay(Body body, int year, int month, int day)
{
    if (!isRealDate(year, month, day))
        return std::nullopt;
    const int start = daysSince1900(year, month, day) * MinutesPerDay;
    return book(body).firstBetween(start, start + MinutesPerDay);
}

std::optional<ZodiacSign> signAt(Body body, const UtcMinute &moment)
{
    const std::optional<int> minute = minuteIndex(moment);
    return minute ? book(body).signAt(*minute) : std::nullopt;
}

std::optional<SignMoment> nextSignChange(Body body, const UtcMinute &moment)
{
    const std::optional<int> minute = minuteIndex(moment);
    return minute ? book(body).next(*minute) : std::nullopt;
}

std::optional<SignMoment> previousSignChange(Body body, const UtcMinute &moment)
{
    const std::optional<int> minute = minuteIndex(moment);
    return minute ? book(body).previous(*minute) : std::nullopt;
}

} // namespace kesto
