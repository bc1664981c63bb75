#include "text_search.h"

namespace linkvale {

int InStrRev(const QString& s, QChar c) {
    const qsizetype at = s.lastIndexOf(c);
    return at < 0 ? -1 : static_cast<int>(at + 1);
}

int InStrRev2(const QString& s, const QString& t) {
    if (s.isEmpty())
        return -1;
    if (t.isEmpty())
        return static_cast<int>(s.size());
    const qsizetype at = s.lastIndexOf(t);
    return at < 0 ? -1 : static_cast<int>(at + 1);
}

} // namespace linkvale
