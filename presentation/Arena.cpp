#include "presentation/Arena.h"

#include "game/GameState.h"
#include "game/Text.h"
#include "game/World.h"
#include "platform/Platform.h"
#include "shell/Am.h"

#include <QPainter>

namespace kz {

namespace {

const QRect kRecordStrip(530, 164, 261, 27); // (530,164)..(790,190), corners included
const QPoint kRecordText(550, 165);

void printRecordLine(QImage& surface, const QFont& font, const QColor& colour, const QString& line)
{
    QPainter p(&surface);
    p.fillRect(kRecordStrip, Qt::white);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRect(kRecordText, QSize(surface.width(), 60)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, line);
}

bool isAisle(int column)
{
    return column == 11 || column == 24 || column == 37 || column == 46;
}

} // namespace

void DrawRecordBoard()
{
    const auto& s = state();
    auto& a = am();
    const QString line = "WR " + s.RECORD_NAME + " " + OneDecimal(s.RECORD);
    sys().note("record " + line);
    printRecordLine(a.BGV->image(), a.BGV->font(), a.BGV->palette().color(QPalette::ButtonText), line);
    a.BGV->present(kRecordStrip);
    printRecordLine(a.BG, a.BG_FONT, a.BG_TEXT_COLOR, line);
}

void ResetArena()
{
    auto& s = state();
    auto& a = am();
    s.MATCH_NO = 0;
    s.CUR_SEAT = 0;
    for (int i = 0; i < kSlots; ++i) {
        s.ATH_STATE[i] = 1;
        s.ATH_SCORE[i] = 0;
        s.ATH_TOTAL[i] = 0;
    }
    {
        QPainter p(&a.BG);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(0, 0), a.M_BG, QRect(QPoint(0, 0), a.BGV->size()));
    }
    a.BG_FONT = a.BGV->font();
    a.BG_TEXT_COLOR = a.BGV->palette().color(QPalette::ButtonText);
    sys().note("arena reset");
    DrawRecordBoard();
}

void DrawCrowd()
{
    const auto& s = state();
    auto& a = am();
    auto& rnd = sys().random;
    const int faces = 5 * s.MATCH_NO + 61;
    QPainter p(&a.BG);
    for (int i = 0; i < faces; ++i) {
        int c, r, f;
        do {
            c = static_cast<int>(rnd.next() * 51);
            r = static_cast<int>(rnd.next() * 10);
            f = static_cast<int>(rnd.next() * 46) + 1;
        } while (isAisle(c));
        const QPoint at(16 * c, 16 * r);
        p.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination);
        p.drawImage(at, a.KAO, QRect(0, 0, 16, 16));
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        p.drawImage(at, a.KAO, QRect(16 * f, 0, 16, 16));
    }
    p.end();
    {
        QPainter v(&a.BGV->image());
        v.setCompositionMode(QPainter::CompositionMode_Source);
        v.drawImage(QPoint(0, 0), a.BG, QRect(QPoint(0, 0), a.BGV->size()));
    }
    sys().note(QString("crowd %1").arg(faces));
    a.BGV->present();
}

} // namespace kz
