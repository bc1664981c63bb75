#include "date_key.h"

#include <optional>

namespace linkvale {
namespace {

struct HourMinute {
    int hour;
    int minute;
    bool operator==(const HourMinute&) const = default;
};

// A part of the time written without a leading zero, below `limit`.
std::optional<int> timePart(QStringView digits, int limit) {
    if (digits.isEmpty() || (digits.size() > 1 && digits.front() == QLatin1Char('0')))
        return std::nullopt;
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok && value < limit ? std::optional<int>(value) : std::nullopt;
}

// The hour and minute every possible reading of the time part agrees on;
// `ambiguous` is set when readings disagree, nothing is returned when none fits.
std::optional<HourMinute> readTime(QStringView time, bool* ambiguous) {
    std::optional<HourMinute> agreed;
    *ambiguous = false;
    for (qsizetype hourLength = 1; hourLength <= 2; ++hourLength)
        for (qsizetype minuteLength = 1; minuteLength <= 2; ++minuteLength) {
            const qsizetype secondLength = time.size() - hourLength - minuteLength;
            if (secondLength < 1 || secondLength > 2)
                continue;
            const auto hour = timePart(time.first(hourLength), 24);
            const auto minute = timePart(time.sliced(hourLength, minuteLength), 60);
            const auto second = timePart(time.last(secondLength), 60);
            if (!hour || !minute || !second)
                continue;
            const HourMinute reading{*hour, *minute};
            if (agreed && !(*agreed == reading))
                *ambiguous = true;
            agreed = reading;
        }
    return agreed;
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString FlopDate(const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    return QString::number(date.year()) + twoDigits(date.month()) + twoDigits(date.day()) +
           QString::number(time.hour()) + QString::number(time.minute()) +
           QString::number(time.second());
}

QString UnFlopDate(const QString& key) {
    const QString datePart = key.mid(4, 2) + QLatin1Char('/') + key.mid(6, 2) + QLatin1Char('/') +
                             key.left(4) + QLatin1Char(' ');
    const QString time = key.mid(8);
    if (time == QLatin1String("000"))
        return datePart + QLatin1Char(':'); // the key of a pure date
    bool allDigits = !time.isEmpty();
    for (const QChar c : time)
        allDigits = allDigits && c.isDigit() && c.unicode() < 128;
    bool ambiguous = false;
    const std::optional<HourMinute> reading = allDigits ? readTime(time, &ambiguous) : std::nullopt;
    if (reading && !ambiguous)
        return datePart + twoDigits(reading->hour) + QLatin1Char(':') + twoDigits(reading->minute);
    if (reading)
        return datePart + QLatin1Char(':');
    // Not a key any moment makes: show it by position.
    const bool longTime = time.size() > 3;
    return datePart + (longTime ? time.left(2) : QString()) + QLatin1Char(':') +
           (longTime ? time.mid(2, 2) : QString());
}

} // namespace linkvale
