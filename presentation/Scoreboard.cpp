#include "presentation/Scoreboard.h"

#include "game/Text.h"
#include "game/World.h"
#include "platform/Platform.h"
#include "shell/Am.h"

#include <QPainter>

namespace kz {

namespace {

struct ScoreField {
    int x;
    int length;
};

ScoreField fieldOf(int field)
{
    if (field >= 1 && field <= 10)
        return {181 + 48 * (field - 1), 3};
    if (field == 11)
        return {664, 4};
    return {716, 5};
}

const QString kGlyphs = QStringLiteral("　０１２３４５６７８９．");

} // namespace

void PutScore(std::int16_t field, const QString& text, int row)
{
    if (field < 1 || field > 12)
        return;
    auto& a = am();
    sys().note(QString("score %1 %2 %3").arg(field).arg(row).arg(text));

    QString t = text;
    int lead = 0;
    while (lead < t.size() && t[lead] == ' ')
        ++lead;
    t = ToFullWidth(t.mid(lead).toUpper());

    const ScoreField f = fieldOf(field);
    const int y = 469 + 32 * row;
    QPainter p(&a.HAI->image());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int k = 0; k < f.length; ++k)
        p.drawImage(QPoint(f.x + 8 * k, y), a.N_FONT, QRect(0, 0, 8, 15));
    const int n = static_cast<int>(t.size());
    const int x = n < f.length ? f.x + 8 * (f.length - n) : f.x;
    for (int k = 0; k < n && k < f.length; ++k) {
        const int index = std::max(0, static_cast<int>(kGlyphs.indexOf(t[k])));
        p.drawImage(QPoint(x + 8 * k, y), a.N_FONT, QRect(8 * index, 0, 8, 15));
    }
    p.end();
    a.HAI->present(QRect(f.x, y, 8 * f.length, 15));
}

} // namespace kz
