#include "text_order.h"

#include <QByteArray>
#include <QString>

namespace linkvale {
namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

int compareBytes(std::string_view a, std::string_view b) {
    return sign(a.compare(b));
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

QByteArray caseFolded(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .toCaseFolded()
        .toUtf8();
}

} // namespace

int compareTextOrder(std::string_view a, std::string_view b) {
    // ASCII needs no table look-up; the rest of the texts is folded through Qt
    // only when a non-ASCII byte is met, which keeps large sorts fast.
    std::size_t i = 0;
    const std::size_t common = std::min(a.size(), b.size());
    for (; i < common; ++i) {
        const char ca = a[i];
        const char cb = b[i];
        if ((ca & 0x80) || (cb & 0x80))
            break;
        const char la = asciiLower(ca);
        const char lb = asciiLower(cb);
        if (la != lb)
            return la < lb ? -1 : 1;
    }
    int folded;
    if (i == common) {
        folded = a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    } else {
        const QByteArray fa = caseFolded(a.substr(i));
        const QByteArray fb = caseFolded(b.substr(i));
        folded =
            compareBytes(std::string_view(fa.constData(), static_cast<std::size_t>(fa.size())),
                         std::string_view(fb.constData(), static_cast<std::size_t>(fb.size())));
    }
    return folded != 0 ? folded : compareBytes(a, b);
}

void appendFoldedText(std::string_view text, std::string& out) {
    std::size_t i = 0;
    for (; i < text.size() && !(text[i] & 0x80); ++i)
        out.push_back(asciiLower(text[i]));
    if (i < text.size()) {
        const QByteArray folded = caseFolded(text.substr(i));
        out.append(folded.constData(), static_cast<std::size_t>(folded.size()));
    }
}

} // namespace linkvale
