#include "performance/SpriteRenderer.h"

#include "game/GameState.h"
#include "game/World.h"
#include "platform/Platform.h"
#include "shell/Am.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

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

namespace {

bool isRgb32(const QImage& img)
{
    return img.format() == QImage::Format_RGB32;
}

// Plain copy of src's area at `from` (its size being the clip) to dst at
// `to`, both RGB32, clipped to both pictures.
void copyRgb32(QImage& dst, QPoint to, const QImage& src, QRect from)
{
    QRect area = from.intersected(src.rect());
    QRect target = area.translated(to - from.topLeft()).intersected(dst.rect());
    if (target.isEmpty())
        return;
    area = target.translated(from.topLeft() - to);
    const std::size_t bytes = static_cast<std::size_t>(target.width()) * 4;
    // Rows by stride: scanLine() would check for sharing on every row.
    const qsizetype dstStride = dst.bytesPerLine(), srcStride = src.bytesPerLine();
    uchar* d = dst.bits() + target.top() * dstStride + target.left() * 4;
    const uchar* s = src.constBits() + area.top() * srcStride + area.left() * 4;
    for (int row = 0; row < target.height(); ++row, d += dstStride, s += srcStride)
        std::memcpy(d, s, bytes);
}

bool fastPictures(const QImage& bg, const QImage& mask, const QImage& figure, const QRect& source)
{
    return isRgb32(bg) && isRgb32(mask) && isRgb32(figure) && mask.rect().contains(source)
        && figure.rect().contains(source);
}

// Merge-paint the mask, then AND the figure, with every cell pixel a 3 x 3
// block whose top-left block lands at `origin` of dst (clipped to dst): the
// figure arrives without its white background. One cell row is widened once,
// then its three rows are a plain loop the compiler can vectorise.
void applyFigure(QImage& dst, QPoint origin, const QImage& mask, const QImage& figure, const QRect& source)
{
    const int from = std::max(0, -origin.x());
    const int to = std::min(120, dst.width() - origin.x());
    if (from >= to)
        return;
    uchar* const bits = dst.bits();
    const qsizetype stride = dst.bytesPerLine();
    quint32 notMask[120], fig[120];
    for (int y = 0; y < 40; ++y) {
        const int top = origin.y() + 3 * y;
        if (top + 3 <= 0 || top >= dst.height())
            continue;
        const auto* m = reinterpret_cast<const quint32*>(mask.constScanLine(source.top() + y)) + source.left();
        const auto* f = reinterpret_cast<const quint32*>(figure.constScanLine(source.top() + y)) + source.left();
        for (int x = 0; x < 40; ++x)
            for (int j = 0; j < 3; ++j) {
                notMask[3 * x + j] = ~m[x];
                fig[3 * x + j] = f[x];
            }
        for (int row = std::max(top, 0); row < std::min(top + 3, dst.height()); ++row) {
            auto* d = reinterpret_cast<quint32*>(bits + row * stride);
            for (int x = from; x < to; ++x) {
                quint32& px = d[origin.x() + x];
                px = ((px | notMask[x]) & fig[x]) | 0xff000000u;
            }
        }
    }
}

} // namespace

void ComposeTile(QImage& tile, const QImage& bg, const QImage& mask, const QImage& figure, QPoint at, int cell)
{
    const QRect source(CellOrigin(cell), QSize(40, 40));
    if (isRgb32(tile) && tile.width() >= 160 && tile.height() >= 160 && fastPictures(bg, mask, figure, source)) {
        // The pictures the game uses, by hand: QPainter hands raster
        // operations and scaled draws of this size to worker threads, and
        // the hand-offs cost many times the work itself.
        // Outside the arena picture the tile keeps what it held: it is never shown.
        copyRgb32(tile, QPoint(0, 0), bg, QRect(at, tile.size()));
        applyFigure(tile, QPoint(40, 40), mask, figure, source);
        return;
    }
    QPainter p(&tile);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(0, 0), bg, QRect(at, tile.size()));
    const QRect target(40, 40, 120, 120);
    // Nearest-neighbour scaling keeps the three-fold enlargement a plain
    // pixel repetition.
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
    if (sys().tracing())
        sys().note(QString("draw %1 %2 %3").arg(cell).arg(s.POS_X).arg(s.POS_Y));
    QImage& view = a.BGV->image();
    const QRect tile(at, a.Dummy.size());
    const QRect source(CellOrigin(cell), QSize(40, 40));
    if (isRgb32(view) && view.size() == a.BG.size() && fastPictures(a.BG, a.M_CHA, a.CHA, source)) {
        // The tile composed where it lands: the view and the background
        // share their size, so the part of the tile that reaches the view is
        // exactly the part taken from the background, and the copy of the
        // tile from Dummy into the view would only repeat those pixels.
        copyRgb32(view, at, a.BG, tile);
        applyFigure(view, at + QPoint(40, 40), a.M_CHA, a.CHA, source);
    } else {
        ComposeTile(a.Dummy, a.BG, a.M_CHA, a.CHA, at, cell);
        if (isRgb32(view) && isRgb32(a.Dummy)) {
            copyRgb32(view, at, a.Dummy, a.Dummy.rect());
        } else {
            QPainter p(&view);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(at, a.Dummy);
        }
    }
    a.BGV->present(tile);
}

} // namespace kz
