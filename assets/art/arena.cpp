// The arena: stands, banner, wall and the floor platform.
#include "figure.h"
#include "pictures.h"
#include "raster.h"

namespace art {
namespace {

constexpr QRgb kSections[4] = {0xff3c5aa0, 0xffb0404a, 0xff3c8a5a, 0xff3c5aa0};

}  // namespace

void drawSeat(QImage& img, int x, int y, int section) {
    const QRgb s = kSections[section % 4];
    fillRect(img, x, y, 16, 13, pal::standShade);
    fillRect(img, x, y + 13, 16, 3, pal::stand);
    fillRect(img, x, y + 13, 16, 1, lighter(pal::stand, 0.3));
    fillRect(img, x + 2, y + 3, 12, 8, s);                 // backrest
    fillRect(img, x + 3, y + 3, 10, 1, lighter(s, 0.35));
    fillRect(img, x + 2, y + 10, 12, 1, darker(s, 0.7));
    fillRect(img, x + 1, y + 11, 14, 2, darker(s, 0.8));    // seat
    fillRect(img, x + 1, y + 11, 14, 1, lighter(s, 0.15));
}

void drawAisle(QImage& img, int x, int y) {
    fillRect(img, x, y, 16, 16, 0xff7a7a8a);
    fillRect(img, x, y + 7, 16, 1, 0xff9a9aaa);
    fillRect(img, x, y + 15, 16, 1, 0xff9a9aaa);
    fillRect(img, x, y + 8, 16, 1, 0xff5a5a6a);
    fillRect(img, x, y, 16, 1, 0xff5a5a6a);
    fillRect(img, x + 1, y, 1, 16, 0xffc8c8d0);  // hand rail
}

void pasteFace(QImage& img, const QImage& kao, int icon, int x, int y) {
    for (int j = 0; j < 16; ++j)
        for (int i = 0; i < 16; ++i)
            if (kao.pixel(i, j) == pal::black) plot(img, x + i, y + j, kao.pixel(16 * icon + i, j));
}

QImage arena(const QImage&) {
    QImage img = blank(786, 300, pal::wall);
    // Stands: 10 rows of seats, aisles at columns 11, 24 and 37.
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 50; ++c) {
            const bool aisle = c == 11 || c == 24 || c == 37;
            const int section = c < 11 ? 0 : c < 24 ? 1 : c < 37 ? 2 : 3;
            if (aisle) drawAisle(img, 16 * c, 16 * r);
            else drawSeat(img, 16 * c, 16 * r, section);
        }
    fillRect(img, 0, 160, 786, 4, 0xff1a1a26);
    // Banner strip, pure white so the record line can be printed over it.
    fillRect(img, 0, 164, 786, 27, pal::white);
    outlinedText(img, QRect(12, 164, 120, 27), "ケゾラ杯", font(Face::Gothic, 22, true), 0xffd8283c,
                 0xffd8283c, 0, Qt::AlignLeft | Qt::AlignVCenter);
    fillRect(img, 126, 170, 4, 15, 0xfff0b020);
    fillRect(img, 132, 170, 4, 15, 0xff2850c0);
    outlinedText(img, QRect(200, 164, 320, 27), "全国床運動選手権大会", font(Face::Mincho, 22),
                 pal::navy, pal::navy, 0);
    const QString record = "大会記録";
    for (int i = 0; i < record.size(); ++i)
        outlinedText(img, QRect(554 + 27 * i, 164, 24, 27), record.mid(i, 1), font(Face::Mincho, 22),
                     pal::black, pal::black, 0);
    // Wall with padded panels.
    for (int x = 0; x < 786; x += 98) {
        fillRect(img, x, 191, 98, 55, pal::wall);
        fillRect(img, x + 3, 195, 92, 47, (x / 98) % 2 ? 0xff3a6686 : 0xff447694);
        frameRect(img, x + 3, 195, 92, 47, pal::wallShade);
        fillRect(img, x + 4, 196, 90, 1, lighter(pal::wall, 0.25));
    }
    const char* boards[] = {"KEZORA", "床運動", "FLOOR", "2026", "ケゾラ", "JUDGES", "がんばれ", "KEZORA"};
    for (int i = 0; i < 8; ++i)
        outlinedText(img, QRect(98 * i + 3, 195, 92, 47), QString::fromUtf8(boards[i]),
                     font(Face::Gothic, 16, true), 0xff7aa6c0, 0xff7aa6c0, 0);
    fillRect(img, 0, 246, 786, 6, pal::wallShade);  // skirting
    // Floor platform: its top edge is the row under a standing athlete's feet.
    const int top = 95 + 40 + 3 * (kFootRow + 1);
    fillRect(img, 0, top, 786, 1, lighter(pal::floorTop, 0.3));
    fillRect(img, 0, top + 1, 786, 5, pal::floorTop);
    fillRect(img, 0, top + 6, 786, 18, pal::floorFace);
    for (int x = 40; x < 786; x += 96) fillRect(img, x, top + 6, 1, 18, pal::floorShade);
    fillRect(img, 0, top + 24, 786, 3, pal::floorShade);
    for (int y = top + 27; y < 300; ++y)
        fillRect(img, 0, y, 786, 1, (y / 4) % 2 ? 0xff5a4a3e : 0xff524438);
    return img;
}

}  // namespace art
