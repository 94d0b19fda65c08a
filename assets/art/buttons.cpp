// Buttons, the title picture and the small 32 x 32 icons.
#include "figure.h"
#include "pictures.h"
#include "raster.h"

#include <QPainter>

namespace art {
namespace {

void bevel(QImage& img, QRgb face) {
    const int w = img.width(), h = img.height();
    for (int y = 0; y < h; ++y)
        fillRect(img, 0, y, w, 1, y < h / 2 ? lighter(face, 0.18) : face);
    fillRect(img, 1, 1, w - 2, 2, lighter(face, 0.55));
    fillRect(img, 1, 1, 2, h - 2, lighter(face, 0.4));
    fillRect(img, 1, h - 3, w - 2, 2, darker(face, 0.6));
    fillRect(img, w - 3, 1, 2, h - 2, darker(face, 0.7));
    frameRect(img, 0, 0, w, h, pal::ink);
}

void placeFigure(QImage& img, const Pose& pose, double scale, int cx, int footRow) {
    const QImage f = drawFigure(pose, scale, 40, img.height(), footRow);
    QPainter p(&img);
    p.drawImage(cx - 20, 0, f);
}

// Small linear congruential sequence, so the crowd is the same on every run.
struct Dice {
    unsigned s;
    int next(int n) {
        s = s * 1103515245u + 12345u;
        return int((s >> 16) % unsigned(n));
    }
};

}  // namespace

QImage button(int w, int h, const QString& text, int pixelSize) {
    QImage img = blank(w, h, pal::gold);
    bevel(img, 0xfff0a020);
    if (w > 150) {
        for (int side = 0; side < 2; ++side) {
            const int x = side ? w - 22 : 10;
            fillDisc(img, QPointF(x + 6, h / 2.0), 5.5, pal::suit);
            fillDisc(img, QPointF(x + 6, h / 2.0), 3.0, pal::gold);
        }
    }
    outlinedText(img, QRect(0, 0, w, h - 1), text, font(Face::PGothic, pixelSize, true), 0xfffff8e8,
                 0xff8a2a10, 3);
    return img;
}

QImage playerCount(int gymnasts) {
    QImage img = blank(81, 48, pal::seat);
    bevel(img, 0xff3c6ab8);
    fillRect(img, 3, 40, 75, 5, darker(0xff3c6ab8, 0.75));
    const double scale[] = {1.0, 0.9, 0.8, 0.72};
    const Pose& cheer = poseTable()[3];
    const double step = 70.0 / gymnasts;
    for (int k = 0; k < gymnasts; ++k)
        placeFigure(img, cheer, scale[gymnasts - 1], int(5.5 + step * (k + 0.5)), 43);
    return img;
}

QImage title(const QImage& kao) {
    QImage img = blank(318, 356, 0xff404040);
    Dice dice{7};
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 20; ++c) {
            const int x = 16 * c - 2 + (r % 2) * 8, y = 16 * r - 4;
            drawSeat(img, x, y, (c / 5 + r / 4) % 4);
            if (dice.next(10) < 8) pasteFace(img, kao, 1 + dice.next(46), x, y);
        }
    // darker band behind the lettering
    for (int y = 40; y < 170; ++y)
        for (int x = 0; x < 318; ++x) img.setPixel(x, y, darker(img.pixel(x, y), 0.55));
    outlinedText(img, QRect(4, 44, 318, 100), "ケゾラ", font(Face::PGothic, 92, true), pal::ink, pal::ink, 7);
    outlinedText(img, QRect(0, 40, 318, 100), "ケゾラ", font(Face::PGothic, 92, true), pal::gold, 0xffb0203c, 5);
    outlinedText(img, QRect(0, 136, 318, 30), "床運動トーナメント", font(Face::Gothic, 20, true), 0xffffffff,
                 pal::navy, 3);
    // the gymnast takes a bow in front of the crowd
    const QImage star = drawFigure(poseTable()[3], 1.0, 40, 40, kFootRow);
    QPainter p(&img);
    p.drawImage(QRect(20, 176, 80, 80), star);
    p.drawImage(QRect(218, 176, 80, 80), drawFigure(poseTable()[25], 1.0, 40, 40, kFootRow));
    p.end();
    // credits block
    fillRect(img, 0, 262, 318, 94, 0xff202438);
    fillRect(img, 0, 262, 318, 2, pal::gold);
    const QFont small = font(Face::Gothic, 13);
    const char* lines[] = {"クリックかキーでスタート", "企画・絵・プログラム  ケゾラ製作委員会",
                           "音楽  ケゾラ楽団", "Ver 1.05   © 2026 ケゾラ製作委員会"};
    const QRgb colours[] = {pal::gold, 0xffe0e0e8, 0xffe0e0e8, 0xffa0a8c0};
    for (int i = 0; i < 4; ++i)
        plainText(img, QRect(0, 270 + 21 * i, 318, 20), QString::fromUtf8(lines[i]), small, colours[i]);
    return img;
}

QImage windowIcon() { return drawFigure(poseTable()[64], 0.82, 32, 32, 31); }

QImage mousePointer() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(0);
    // cable from the front of the mouse, curling up and away
    fillCapsule(img, {15.5, 9}, {15.5, 6}, 0.7, 0xff505060);
    fillCapsule(img, {15.5, 6}, {19, 3}, 0.7, 0xff505060);
    fillCapsule(img, {19, 3}, {25, 2.5}, 0.7, 0xff505060);
    fillCapsule(img, {25, 2.5}, {29, 5}, 0.7, 0xff505060);
    // body
    fillCapsule(img, {15.5, 14.5}, {15.5, 23}, 6.3, 0xffdcdce4);
    fillCapsule(img, {14, 19}, {14, 25}, 3.5, 0xfff0f0f4);
    fillRect(img, 15, 9, 1, 8, 0xff8a8a9a);      // split of the buttons
    fillRect(img, 9, 16, 13, 1, 0xff8a8a9a);
    fillRect(img, 14, 11, 3, 4, 0xff505060);     // wheel
    fillRect(img, 15, 12, 1, 2, 0xffa0a0b0);
    fillRect(img, 10, 11, 2, 3, 0xfff8f8fc);     // shine
    selOutline(img, 0.35);
    return img;
}

QImage dragIcon() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(0);
    // the sheet, with a name written on it
    fillPolygon(img, {{11, 2}, {29, 4}, {27, 26}, {9, 24}}, pal::paper);
    for (int k = 0; k < 5; ++k)
        fillCapsule(img, {13.5, 7.5 + 3.4 * k}, {25.5 - (k % 2) * 4, 8.8 + 3.4 * k}, 0.5, 0xff7a86b0);
    // hand holding its lower left corner, thumb on top
    fillCapsule(img, {5, 27}, {10, 22}, 4.0, pal::skin);
    fillCapsule(img, {3, 30}, {6, 27}, 3.0, 0xff3a6ad8);   // cuff
    fillCapsule(img, {9, 23}, {14, 20}, 1.4, pal::skinShade);  // thumb over the sheet
    fillCapsule(img, {9, 23}, {13.5, 20.5}, 1.0, pal::skin);
    selOutline(img, 0.4);
    return img;
}

}  // namespace art
