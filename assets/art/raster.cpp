#include "raster.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace art {

QRgb darker(QRgb c, double f) {
    return qRgba(int(qRed(c) * f), int(qGreen(c) * f), int(qBlue(c) * f), qAlpha(c));
}

QRgb lighter(QRgb c, double f) {
    auto up = [f](int v) { return std::min(255, int(v + (255 - v) * f)); };
    return qRgba(up(qRed(c)), up(qGreen(c)), up(qBlue(c)), qAlpha(c));
}

void plot(QImage& img, int x, int y, QRgb c) {
    if (x >= 0 && y >= 0 && x < img.width() && y < img.height()) img.setPixel(x, y, c);
}

void fillRect(QImage& img, int x, int y, int w, int h, QRgb c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) plot(img, i, j, c);
}

void frameRect(QImage& img, int x, int y, int w, int h, QRgb c) {
    fillRect(img, x, y, w, 1, c);
    fillRect(img, x, y + h - 1, w, 1, c);
    fillRect(img, x, y, 1, h, c);
    fillRect(img, x + w - 1, y, 1, h, c);
}

void fillDisc(QImage& img, QPointF c, double r, QRgb col) { fillCapsule(img, c, c, r, col); }

void fillCapsule(QImage& img, QPointF a, QPointF b, double r, QRgb col) {
    const int x0 = int(std::floor(std::min(a.x(), b.x()) - r)) - 1;
    const int x1 = int(std::ceil(std::max(a.x(), b.x()) + r)) + 1;
    const int y0 = int(std::floor(std::min(a.y(), b.y()) - r)) - 1;
    const int y1 = int(std::ceil(std::max(a.y(), b.y()) + r)) + 1;
    const QPointF d = b - a;
    const double len2 = QPointF::dotProduct(d, d);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const QPointF p(x + 0.5, y + 0.5);
            double t = len2 > 0 ? QPointF::dotProduct(p - a, d) / len2 : 0.0;
            t = std::clamp(t, 0.0, 1.0);
            const QPointF q = a + d * t - p;
            if (QPointF::dotProduct(q, q) <= r * r) plot(img, x, y, col);
        }
}

void fillPolygon(QImage& img, const std::vector<QPointF>& pts, QRgb col) {
    if (pts.size() < 3) return;
    double x0 = pts[0].x(), x1 = x0, y0 = pts[0].y(), y1 = y0;
    for (auto& p : pts) {
        x0 = std::min(x0, p.x()); x1 = std::max(x1, p.x());
        y0 = std::min(y0, p.y()); y1 = std::max(y1, p.y());
    }
    for (int y = int(std::floor(y0)); y <= int(std::ceil(y1)); ++y)
        for (int x = int(std::floor(x0)); x <= int(std::ceil(x1)); ++x) {
            const double px = x + 0.5, py = y + 0.5;
            bool in = false;
            for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
                const QPointF& a = pts[i];
                const QPointF& b = pts[j];
                if ((a.y() > py) != (b.y() > py) &&
                    px < (b.x() - a.x()) * (py - a.y()) / (b.y() - a.y()) + a.x())
                    in = !in;
            }
            if (in) plot(img, x, y, col);
        }
}

void selOutline(QImage& img, double shade) {
    const QImage src = img;
    const int dx[4] = {0, -1, 1, 0}, dy[4] = {-1, 0, 0, 1};
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(src.pixel(x, y)) != 0) continue;
            for (int k = 0; k < 4; ++k) {
                const int nx = x + dx[k], ny = y + dy[k];
                if (nx < 0 || ny < 0 || nx >= img.width() || ny >= img.height()) continue;
                const QRgb n = src.pixel(nx, ny);
                if (qAlpha(n) != 0) {
                    img.setPixel(x, y, darker(n, shade));
                    break;
                }
            }
        }
}

void flatten(QImage& img, QRgb c) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) == 0) img.setPixel(x, y, c);
}

QImage blank(int w, int h, QRgb c) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(c);
    return img;
}

QFont font(Face f, int pixelSize, bool bold) {
    const char* family = f == Face::Gothic ? "IPAGothic" : f == Face::PGothic ? "IPAPGothic" : "IPAMincho";
    QFont fo{QString::fromLatin1(family)};
    fo.setPixelSize(pixelSize);
    fo.setBold(bold);
    fo.setStyleStrategy(QFont::PreferAntialias);
    fo.setHintingPreference(QFont::PreferFullHinting);
    return fo;
}

void outlinedText(QImage& img, const QRect& r, const QString& s, const QFont& f, QRgb fill,
                  QRgb line, int width, int align) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath path;
    const QFontMetricsF fm(f);
    const double w = fm.horizontalAdvance(s);
    double x = r.x();
    if (align & Qt::AlignHCenter) x = r.x() + (r.width() - w) / 2;
    if (align & Qt::AlignRight) x = r.right() + 1 - w;
    const double y = r.y() + (r.height() - fm.height()) / 2 + fm.ascent();
    path.addText(QPointF(std::round(x), std::round(y)), f, s);
    if (width > 0) {
        p.setPen(QPen(QColor::fromRgba(line), width * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgba(fill));
    p.drawPath(path);
}

void plainText(QImage& img, const QRect& r, const QString& s, const QFont& f, QRgb col, int align) {
    QPainter p(&img);
    p.setFont(f);
    p.setPen(QColor::fromRgba(col));
    p.drawText(r, align, s);
}

}  // namespace art
