// The board behind the whole window: stands, message boxes, ranking boxes and
// the score grid with its black cells where the digits are printed.
#include "pictures.h"
#include "raster.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace art {
namespace {

constexpr int kFlagW = 28, kFlagH = 18;

void star(QImage& img, double cx, double cy, double r, QRgb c) {
    QPolygonF poly;
    for (int i = 0; i < 10; ++i) {
        const double a = M_PI * i / 5.0 - M_PI / 2, rr = i % 2 ? r * 0.42 : r;
        poly << QPointF(cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgba(c));
    p.drawPolygon(poly);
}

void disc(QImage& img, double cx, double cy, double r, QRgb c) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgba(c));
    p.drawEllipse(QPointF(cx, cy), r, r);
}

void unionJack(QImage& img, int x, int y, int w, int h) {
    fillRect(img, x, y, w, h, 0xff012169);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setClipRect(x, y, w, h);
    const double t = h / 5.0;
    p.setPen(QPen(QColor(255, 255, 255), t * 1.2));
    p.drawLine(QPointF(x, y), QPointF(x + w, y + h));
    p.drawLine(QPointF(x + w, y), QPointF(x, y + h));
    p.setPen(QPen(QColor(200, 16, 46), t * 0.45));
    p.drawLine(QPointF(x, y), QPointF(x + w, y + h));
    p.drawLine(QPointF(x + w, y), QPointF(x, y + h));
    p.end();
    const int cw = std::max(2, int(std::lround(h / 3.0)));
    fillRect(img, x + (w - cw) / 2 - 1, y, cw + 2, h, 0xffffffff);
    fillRect(img, x, y + (h - cw) / 2 - 1, w, cw + 2, 0xffffffff);
    fillRect(img, x + (w - cw) / 2, y, cw, h, 0xffc8102e);
    fillRect(img, x, y + (h - cw) / 2, w, cw, 0xffc8102e);
}

enum Country { Australia, Canada, Norway, UnitedStates, Germany, Brazil, Japan, Turkey, Italy, UnitedKingdom };

void flag(QImage& img, int x, int y, Country c) {
    const int w = kFlagW, h = kFlagH;
    switch (c) {
    case Australia:
        fillRect(img, x, y, w, h, 0xff012169);
        unionJack(img, x, y, 14, 9);
        star(img, x + 7, y + 13.5, 3.2, 0xffffffff);
        star(img, x + 21, y + 3.5, 1.6, 0xffffffff);
        star(img, x + 17, y + 8, 1.6, 0xffffffff);
        star(img, x + 24.5, y + 8, 1.6, 0xffffffff);
        star(img, x + 21, y + 14.5, 1.8, 0xffffffff);
        break;
    case Canada: {
        fillRect(img, x, y, w, h, 0xffffffff);
        fillRect(img, x, y, 7, h, 0xffd52b1e);
        fillRect(img, x + 21, y, 7, h, 0xffd52b1e);
        // maple leaf, one row per line
        const char* leaf[] = {"   #   ", "  ###  ", "# ### #", "#######", " ##### ",
                              "  ###  ", "   #   ", "   #   "};
        for (int r = 0; r < 8; ++r)
            for (int k = 0; k < 7; ++k)
                if (leaf[r][k] == '#') plot(img, x + 11 + k, y + 5 + r, 0xffd52b1e);
        break;
    }
    case Norway:
        fillRect(img, x, y, w, h, 0xffba0c2f);
        fillRect(img, x + 7, y, 5, h, 0xffffffff);
        fillRect(img, x, y + 6, w, 6, 0xffffffff);
        fillRect(img, x + 8, y, 3, h, 0xff00205b);
        fillRect(img, x, y + 7, w, 4, 0xff00205b);
        fillRect(img, x, y + 7, w, 4, 0xff00205b);
        fillRect(img, x + 8, y, 3, h, 0xff00205b);
        break;
    case UnitedStates:
        for (int r = 0; r < h; ++r) fillRect(img, x, y + r, w, 1, (r / 2) % 2 ? 0xffffffff : 0xffb22234);
        fillRect(img, x, y, 12, 10, 0xff3c3b6e);
        for (int r = 0; r < 4; ++r)
            for (int k = 0; k < 5; ++k)
                plot(img, x + 1 + 2 * k + (r % 2), y + 1 + 2 * r + (r > 1), 0xffffffff);
        break;
    case Germany:
        fillRect(img, x, y, w, 6, 0xff101010);
        fillRect(img, x, y + 6, w, 6, 0xffdd0000);
        fillRect(img, x, y + 12, w, 6, 0xffffce00);
        break;
    case Brazil: {
        fillRect(img, x, y, w, h, 0xff009c3b);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 223, 0));
        p.drawPolygon(QPolygonF({QPointF(x + 2.5, y + 9), QPointF(x + 14, y + 2), QPointF(x + 25.5, y + 9),
                                 QPointF(x + 14, y + 16)}));
        p.end();
        disc(img, x + 14, y + 9, 4.6, 0xff002776);
        fillRect(img, x + 10, y + 8, 8, 1, 0xffe8f0e8);
        break;
    }
    case Japan:
        fillRect(img, x, y, w, h, 0xffffffff);
        disc(img, x + 14, y + 9, 5.2, 0xffbc002d);
        break;
    case Turkey:
        fillRect(img, x, y, w, h, 0xffe30a17);
        disc(img, x + 10.5, y + 9, 5.0, 0xffffffff);
        disc(img, x + 12, y + 9, 4.0, 0xffe30a17);
        star(img, x + 17.5, y + 9, 2.6, 0xffffffff);
        break;
    case Italy:
        fillRect(img, x, y, 9, h, 0xff009246);
        fillRect(img, x + 9, y, 10, h, 0xffffffff);
        fillRect(img, x + 19, y, 9, h, 0xffce2b37);
        break;
    case UnitedKingdom:
        unionJack(img, x, y, w, h);
        break;
    }
    frameRect(img, x - 1, y - 1, w + 2, h + 2, 0xff0c1024);
}

void inset(QImage& img, const QRect& r, QRgb face) {
    fillRect(img, r.x(), r.y(), r.width(), r.height(), face);
    frameRect(img, r.x() - 2, r.y() - 2, r.width() + 4, r.height() + 4, pal::gold);
    frameRect(img, r.x() - 1, r.y() - 1, r.width() + 2, r.height() + 2, pal::goldShade);
}

}  // namespace

QImage board(const QImage& kao) {
    QImage img = blank(800, 600, pal::navy);
    // Stands and title band around the arena view.
    for (int r = 0; r < 13; ++r)
        for (int c = 0; c < 50; ++c) {
            if (c == 12 || c == 25 || c == 37) drawAisle(img, 16 * c, 16 * r);
            else drawSeat(img, 16 * c, 16 * r, c < 12 ? 0 : c < 25 ? 1 : c < 37 ? 2 : 3);
            if ((c * 7 + r * 3) % 5 < 3 && c != 12 && c != 25 && c != 37)
                pasteFace(img, kao, 1 + (c * 13 + r * 7) % 46, 16 * c, 16 * r);
        }
    fillRect(img, 0, 208, 800, 36, 0xffb0203c);
    fillRect(img, 0, 208, 800, 2, pal::gold);
    fillRect(img, 0, 242, 800, 2, pal::gold);
    outlinedText(img, QRect(0, 208, 800, 36), "ケゾラ  床運動選手権", font(Face::Gothic, 26, true),
                 pal::gold, pal::ink, 2);
    fillRect(img, 0, 244, 800, 356, pal::navy);
    // Frame around the arena view (8, 8, 786, 300).
    frameRect(img, 6, 6, 790, 304, pal::gold);
    frameRect(img, 7, 7, 788, 302, pal::goldShade);

    // Message boxes.
    inset(img, QRect(16, 312, 417, 49), pal::navyLight);
    inset(img, QRect(16, 368, 417, 49), pal::navyLight);

    // Ranking boxes with their headings.
    const QFont head = font(Face::Gothic, 14, true);
    const struct { int x; const char* last; const char* word; } boxes[] = {
        {440, "得点", "スコア"}, {616, "総合", "総合"}};
    for (const auto& b : boxes) {
        plainText(img, QRect(b.x + 2, 318, 36, 17), "順位", head, pal::gold, Qt::AlignLeft | Qt::AlignVCenter);
        plainText(img, QRect(b.x + 44, 318, 70, 17), "選手名", head, pal::gold, Qt::AlignLeft | Qt::AlignVCenter);
        plainText(img, QRect(b.x + 120, 318, 47, 17), QString::fromUtf8(b.last), head, pal::gold,
                  Qt::AlignRight | Qt::AlignVCenter);
        inset(img, QRect(b.x, 336, 169, 81), 0xff0a0e1e);
        outlinedText(img, QRect(b.x, 336, 169, 81), QString::fromUtf8(b.word), font(Face::Gothic, 30, true),
                     pal::steel, pal::navyLight, 2);
    }

    // Score grid.
    fillRect(img, 20, 426, 760, 168, pal::navyLight);
    frameRect(img, 18, 424, 764, 172, pal::gold);
    frameRect(img, 19, 425, 762, 170, pal::goldShade);
    const QFont label = font(Face::Gothic, 16, true);
    outlinedText(img, QRect(33, 433, 135, 23), "選手名", label, 0xffffffff, pal::ink, 1);
    outlinedText(img, QRect(657, 433, 47, 23), "得点", label, 0xffffffff, pal::ink, 1);
    outlinedText(img, QRect(713, 433, 55, 23), "総合", label, 0xffffffff, pal::ink, 1);
    for (int j = 0; j < 10; ++j) flag(img, 178 + 48 * j, 435, Country(j));
    auto cell = [&](int x0, int x1, int y0, int y1) {
        frameRect(img, x0 - 1, y0 - 1, x1 - x0 + 3, y1 - y0 + 3, pal::steel);
        fillRect(img, x0, y0, x1 - x0 + 1, y1 - y0 + 1, pal::black);
    };
    for (int r = 0; r < 4; ++r) {
        const int y0 = 465 + 32 * r, y1 = 487 + 32 * r;
        outlinedText(img, QRect(20, y0, 13, 23), QString(QChar('1' + r)), font(Face::Gothic, 13, true),
                     pal::gold, pal::ink, 1);
        cell(33, 167, y0, y1);
        for (int j = 0; j < 10; ++j) cell(177 + 48 * j, 207 + 48 * j, y0, y1);
        cell(657, 703, y0, y1);
        cell(713, 767, y0, y1);
    }
    return img;
}

}  // namespace art
