// Spectator faces: icon 0 is the head-and-shoulders mask, the others are
// people painted exactly inside it.
#include "pictures.h"
#include "raster.h"

#include <array>

namespace art {
namespace {

bool inSilhouette(int x, int y) {
    const double px = x + 0.5, py = y + 0.5;
    const double hx = px - 8.0, hy = py - 6.0;
    if (hx * hx + hy * hy <= 4.3 * 4.3) return true;            // head
    if (x >= 6 && x <= 9 && y >= 9 && y <= 11) return true;     // neck
    const double sx = px < 4.5 ? px - 4.5 : px > 11.5 ? px - 11.5 : 0.0, sy = py - 14.0;
    return sx * sx + sy * sy <= 3.6 * 3.6;                      // shoulders
}

constexpr std::array<QRgb, 4> kSkins = {0xfff6cfb0, 0xffe8b48c, 0xffc88c60, 0xff8e5a3a};
constexpr std::array<QRgb, 7> kHair = {0xff2a2020, 0xff5c3424, 0xff9a6a3a, 0xffd8b060,
                                       0xff8c8c94, 0xffb84a28, 0xff383c64};
constexpr std::array<QRgb, 11> kShirts = {0xffd83a3a, 0xff3a6ad8, 0xff3aa860, 0xfff0c030,
                                          0xff8c4ab8, 0xfff08030, 0xff30b0c0, 0xffe86aa8,
                                          0xff505860, 0xfff0f0ec, 0xff8a6a40};

struct Person {
    QRgb skin, hair, shirt, trim;
    int hairStyle;  // 0 short, 1 long, 2 cropped, 3 cap, 4 bun, 5 spiky
    int pattern;    // 0 plain, 1 stripes, 2 vertical, 3 dots, 4 collar, 5 two-tone, 6 checks
    bool glasses, cheering;
};

Person person(int i) {
    Person p;
    p.skin = kSkins[(i * 3 + i / 7) % kSkins.size()];
    p.hair = kHair[(i * 5 + 1) % kHair.size()];
    p.shirt = kShirts[(i * 7 + 3) % kShirts.size()];
    p.trim = kShirts[(i * 4 + 8) % kShirts.size()];
    if (p.trim == p.shirt) p.trim = pal::offWhite;
    p.hairStyle = (i * 2 + i / 6) % 6;
    p.pattern = (i + i / 3) % 7;
    p.glasses = i % 9 == 4;
    p.cheering = i % 4 == 1;
    return p;
}

QRgb paint(const Person& p, int x, int y) {
    const int cx = x < 8 ? 7 - x : x - 8;  // distance from the middle, symmetric
    const bool head = y <= 10 && !(y >= 9 && cx <= 1 && y > 9);
    if (y >= 11 || (!head && y >= 9)) {
        if (y <= 11 && cx <= 1) return p.skin;  // neck
        QRgb c = p.shirt;
        switch (p.pattern) {
        case 1: c = (y % 2) ? p.trim : p.shirt; break;
        case 2: c = (x % 3 == 0) ? p.trim : p.shirt; break;
        case 3: c = ((x + y) % 3 == 0 && y > 11) ? p.trim : p.shirt; break;
        case 4: c = (y - 11 >= cx - 1 && cx <= 2) ? p.trim : p.shirt; break;
        case 5: c = cx >= 4 ? p.trim : p.shirt; break;
        case 6: c = ((x / 2 + y / 2) % 2) ? p.trim : darker(p.shirt, 0.8); break;
        default: break;
        }
        return c;
    }
    // head
    QRgb c = p.skin;
    switch (p.hairStyle) {
    case 0: if (y <= 3 || (y <= 5 && cx >= 3)) c = p.hair; break;
    case 1: if (y <= 3 || cx >= 3) c = p.hair; break;
    case 2: if (y <= 2) c = p.hair; break;
    case 3: {  // cap with a peak
        const QRgb cap = p.trim == pal::offWhite ? darker(p.shirt, 0.7) : p.trim;
        if (y <= 3) c = cap;
        if (y == 4 && x >= 6) c = darker(cap, 0.75);
        break;
    }
    case 4: if (y <= 3 || (y <= 4 && cx >= 3)) c = p.hair; break;
    case 5: if (y <= 2 || (y == 3 && x % 2 == 0)) c = p.hair; break;
    default: break;
    }
    if (c == p.skin) {
        if (y == 6 && (cx == 2)) c = pal::ink;  // eyes
        if (p.glasses && y == 6 && cx <= 3) c = pal::ink;
        if (y == 8 && cx == 0) c = p.cheering ? 0xffb02830 : darker(p.skin, 0.8);
        if (p.cheering && y == 8 && cx == 1) c = 0xffb02830;
    }
    return c;
}

}  // namespace

QImage faces() {
    QImage img = blank(47 * 16, 16, pal::white);
    for (int k = 0; k < 47; ++k) {
        const Person p = person(k);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                if (!inSilhouette(x, y)) continue;
                QRgb c = k == 0 ? pal::black : paint(p, x, y);
                if (c == pal::white) c = pal::offWhite;
                img.setPixel(16 * k + x, y, c);
            }
    }
    return img;
}

}  // namespace art
