#pragma once

#include <QChar>
#include <QString>

#include <array>

namespace linkvale {

// The one-to-one character substitution every stored password passes through
// (the user table and the website log-ins). 92 printable ASCII characters are
// paired with the same 92 in another order; the blank is one of them, the
// double quote, the backslash and the backquote are not. A character outside
// the table is dropped.
class PasswordScrambler {
public:
    static constexpr int TOTCNV_COUNT = 92;

    PasswordScrambler();

    QString ConvertPassword(const QString& plain) const;
    QString UnConvertPassword(const QString& scrambled) const;

    // Entries 1 to 92 are used; entry 0 is empty.
    const std::array<QChar, TOTCNV_COUNT + 1>& alphaArr() const { return ALPHA_ARR; }
    const std::array<QChar, TOTCNV_COUNT + 1>& alphCnvArr() const { return ALPHCNV_ARR; }

private:
    static QString substitute(const QString& text, const std::array<short, 128>& to,
                              const std::array<QChar, TOTCNV_COUNT + 1>& into);

    std::array<QChar, TOTCNV_COUNT + 1> ALPHA_ARR{};
    std::array<QChar, TOTCNV_COUNT + 1> ALPHCNV_ARR{};
    // Position (1-92) of an ASCII character in each table, 0 when absent.
    std::array<short, 128> alphaPosition_{};
    std::array<short, 128> alphCnvPosition_{};
};

// The scrambler every part of the program shares.
const PasswordScrambler& passwordScrambler();

} // namespace linkvale
