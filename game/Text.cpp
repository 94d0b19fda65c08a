#include "game/Text.h"

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
    return dropLeadingZero(QString::asprintf("%.1f", v));
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
