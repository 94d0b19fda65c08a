#include "figure.h"
#include "pictures.h"
#include "raster.h"

namespace art {

QImage spriteSheet() {
    QImage sheet = blank(19 * kCell, 4 * kCell, pal::white);
    const auto& poses = poseTable();
    for (int n = 0; n < kCells; ++n) {
        const QImage cell = drawFigure(poses[n], 1.0, kCell, kCell, kFootRow);
        const int x0 = cellColumn(n) * kCell, y0 = cellRow(n) * kCell;
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x) {
                const QRgb c = cell.pixel(x, y);
                // pure white belongs to the background alone
                if (qAlpha(c)) sheet.setPixel(x0 + x, y0 + y, c == pal::white ? pal::offWhite : c);
            }
    }
    return sheet;
}

QImage silhouette(const QImage& cha) {
    QImage m = blank(cha.width(), cha.height(), pal::white);
    for (int y = 0; y < cha.height(); ++y)
        for (int x = 0; x < cha.width(); ++x)
            if (cha.pixel(x, y) != pal::white) m.setPixel(x, y, pal::black);
    return m;
}

}  // namespace art
