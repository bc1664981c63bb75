#pragma once

#include <QDateTime>
#include <QString>

namespace linkvale {

// The sortable key of a moment: year, two-digit month and day, then hour,
// minute and second without leading zeros (5 March 2024 09:07:03 gives
// "20240305973"). Milliseconds are ignored.
QString FlopDate(const QDateTime& moment);

// The display form of a key: "MM/DD/YYYY HH:MM".
//
// Because hour, minute and second are not padded, a key does not always say
// which moment made it. The time part is read back as every split into hour,
// minute and second that the key could have come from (each part without a
// leading zero, hour < 24, minute and second < 60):
//  - when all such splits agree on hour and minute, that time is shown, both
//    padded to two digits (time part "973" shows 09:07, "1073" shows 10:07);
//  - when they disagree ("11111" could be 1:11:11, 11:1:11 or 11:11:1) no time
//    is shown: the date is followed by a blank and a colon, the form a key of
//    a pure date (time part "000") has always had;
//  - a key that no moment can produce is shown by position: characters 9-10
//    as hour and 11-12 as minute when the time part has more than three
//    characters.
// Stored keys are never rewritten; this only affects what is shown.
QString UnFlopDate(const QString& key);

} // namespace linkvale
