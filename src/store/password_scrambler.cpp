#include "password_scrambler.h"

namespace linkvale {
namespace {

// The plain side and the scrambled side; a character's partner stands at the
// same position.
constexpr char kPlain[] =
    " !#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[]^_abcdefghijklmnopqrstuvwxyz{|}~";
constexpr char kScrambled[] =
    "l2QD&]6KVaFz^{9*vx7RndXwh;bM3tP?0,I!15Br|(-#/.'@8og_HkmcuW4L[~ZT%+EGiyNAYO)qCf= J<:jpSU}>$es";
static_assert(sizeof kPlain == PasswordScrambler::TOTCNV_COUNT + 1);
static_assert(sizeof kScrambled == PasswordScrambler::TOTCNV_COUNT + 1);

} // namespace

PasswordScrambler::PasswordScrambler() {
    for (int i = 1; i <= TOTCNV_COUNT; ++i) {
        ALPHA_ARR[i] = QLatin1Char(kPlain[i - 1]);
        ALPHCNV_ARR[i] = QLatin1Char(kScrambled[i - 1]);
        alphaPosition_[static_cast<unsigned char>(kPlain[i - 1])] = static_cast<short>(i);
        alphCnvPosition_[static_cast<unsigned char>(kScrambled[i - 1])] = static_cast<short>(i);
    }
}

QString PasswordScrambler::substitute(const QString& text, const std::array<short, 128>& to,
                                      const std::array<QChar, TOTCNV_COUNT + 1>& into) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const int position = c.unicode() < 128 ? to[c.unicode()] : 0;
        if (position > 0)
            result.append(into[position]);
    }
    return result;
}

QString PasswordScrambler::ConvertPassword(const QString& plain) const {
    return substitute(plain, alphaPosition_, ALPHCNV_ARR);
}

QString PasswordScrambler::UnConvertPassword(const QString& scrambled) const {
    return substitute(scrambled, alphCnvPosition_, ALPHA_ARR);
}

const PasswordScrambler& passwordScrambler() {
    static const PasswordScrambler scrambler;
    return scrambler;
}

} // namespace linkvale
