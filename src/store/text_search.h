#pragma once

#include <QString>

namespace linkvale {

// 1-based position of the last `c` in `s`; -1 when there is none.
int InStrRev(const QString& s, QChar c);

// 1-based position of the last occurrence of `t` in `s`; -1 when there is
// none or `s` is empty. An occurrence must fit inside `s`; an empty `t` is
// found at the last position of `s`.
int InStrRev2(const QString& s, const QString& t);

} // namespace linkvale
