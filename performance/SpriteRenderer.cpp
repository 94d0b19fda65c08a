#include "performance/SpriteRenderer.h"

#include "game/GameState.h"
#include "game/World.h"
#include "platform/Platform.h"
#include "shell/Am.h"

#include <QPainter>

namespace kz {

QPoint CellOrigin(int n)
{
    int row = n / 18;
    int column = n - 18 * row;
    if (n >= 72 && n <= 75) {
        row = n - 72;
        column = 18;
    }
    return {40 * column, 40 * row};
}

void ComposeTile(QImage& tile, const QImage& bg, const QImage& mask, const QImage& figure, QPoint at, int cell)
{
    QPainter p(&tile);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    // Outside the arena picture the tile keeps what it held: it is never shown.
    p.drawImage(QPoint(0, 0), bg, QRect(at, tile.size()));
    const QRect source(CellOrigin(cell), QSize(40, 40));
    const QRect target(40, 40, 120, 120);
    // Merge-paint the mask, then AND the figure: the figure lands on the
    // arena without its white background. Nearest-neighbour scaling keeps the
    // three-fold enlargement a plain pixel repetition.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination);
    p.drawImage(target, mask, source);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(target, figure, source);
}

void DrawAthlete(std::int16_t cell)
{
    const auto& s = state();
    auto& a = am();
    if (s.POS_X < -190 || s.POS_X > 750)
        return;
    const QPoint at(s.POS_X, s.POS_Y);
    sys().note(QString("draw %1 %2 %3").arg(cell).arg(s.POS_X).arg(s.POS_Y));
    ComposeTile(a.Dummy, a.BG, a.M_CHA, a.CHA, at, cell);
    {
        QPainter p(&a.BGV->image());
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(at, a.Dummy);
    }
    a.BGV->present(QRect(at, a.Dummy.size()));
}

} // namespace kz
