#include "game/Text.h"

#include <cmath>

namespace kz {

QString Blank(int n)
{
    return ' ' + QString::number(n);
}

static QString dropLeadingZero(QString s)
{
    if (s.startsWith("0."))
        s.remove(0, 1);
    else if (s.startsWith("-0."))
        s.remove(1, 1);
    return s;
}

QString OneDecimal(double v)
{
    if (v >= 0 && v < 1e9) {
        // Tenths by hand: the candidate from the rounded product is checked
        // against the exact halfway points with fma, so that a value within an
        // ulp of a half still rounds as its exact binary value says.
        double n = std::floor(v * 10 + 0.5);
        if (std::fma(10.0, v, -(n - 0.5)) < 0)
            n -= 1;
        else if (std::fma(10.0, v, -(n + 0.5)) >= 0)
            n += 1;
        auto tenths = static_cast<long long>(n);
        char16_t buf[16];
        int at = 16;
        buf[--at] = static_cast<char16_t>(u'0' + tenths % 10);
        buf[--at] = u'.';
        tenths /= 10;
        while (tenths > 0) {
            buf[--at] = static_cast<char16_t>(u'0' + tenths % 10);
            tenths /= 10;
        }
        return QString(reinterpret_cast<const QChar*>(buf + at), 16 - at);
    }
    // Rounds the exact binary value, halves up, as asprintf does.
    return dropLeadingZero(QString::number(v, 'f', 1));
}

QString JudgeText(double x)
{
    QString s = QString::asprintf("%.15g", x);
    if (s.contains('e')) // never for a mark, but keep plain digits anyway
        s = QString::asprintf("%.15f", x);
    if (s.contains('.')) {
        while (s.endsWith('0'))
            s.chop(1);
        if (s.endsWith('.'))
            s.chop(1);
    }
    return dropLeadingZero(s).left(3);
}

QString ToFullWidth(const QString& s)
{
    QString out;
    out.reserve(s.size());
    QString kana; // a run of half-width katakana, joined with its sound marks
    auto flushKana = [&] {
        if (!kana.isEmpty())
            out += kana.normalized(QString::NormalizationForm_KC);
        kana.clear();
    };
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u >= 0xFF61 && u <= 0xFF9F) {
            kana += c;
            continue;
        }
        flushKana();
        if (u == 0x20)
            out += QChar(0x3000);
        else if (u > 0x20 && u < 0x7F)
            out += QChar(static_cast<char16_t>(u + 0xFEE0));
        else
            out += c;
    }
    flushKana();
    return out;
}

} // namespace kz
