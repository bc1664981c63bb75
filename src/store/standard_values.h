#pragma once

#include <QString>
#include <QStringList>

namespace linkvale {

// The ten fixed priority texts, entry 1 ("01-Must Delete") to entry 10
// ("10-Extremely Valuable"); entry 0 is empty. The two-digit prefix makes
// text order the priority order.
const QStringList& PRIORITY_ARR();

// The thirteen groups a user's group table starts with, in the order they are
// added; each is described as its name followed by " Description".
const QStringList& defaultGroupNames();

// Defaults of new records until the user's options set others.
inline QString defaultGroup() {
    return QStringLiteral("Internet");
}
inline QString defaultPriority() {
    return PRIORITY_ARR().at(5);
}

} // namespace linkvale
