#include "figure.h"

#include "raster.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace art {
namespace {

// Body measures in cell pixels: about 36 rows from heel to hair.
constexpr double kHeadR = 3.4, kNeck = 1.0, kTorso = 10.0;
constexpr double kShoulderHalf = 2.6, kHipHalf = 2.1;
constexpr double kUpperArm = 5.0, kForearm = 4.8, kThigh = 7.6, kShin = 7.4, kFoot = 2.2;

QPointF dir(double deg) {
    const double r = deg * M_PI / 180.0;
    return {std::sin(r), -std::cos(r)};
}

QPointF rotate(QPointF v, double deg) {
    const double r = deg * M_PI / 180.0, c = std::cos(r), s = std::sin(r);
    return {v.x() * c - v.y() * s, v.x() * s + v.y() * c};
}

double dot(QPointF a, QPointF b) { return QPointF::dotProduct(a, b); }

struct Skeleton {
    QPointF hip, neck, head, chest;
    QPointF shA, shB, elA, elB, haA, haB;
    QPointF hipA, hipB, knA, knB, anA, anB, toA, toB;
    QPointF up, side;  // torso directions
    double headAngle = 0;
};

Skeleton build(const Pose& p) {
    Skeleton s;
    const bool front = p.view != View::Side;
    const double torso = p.nod == 2 ? kTorso * 0.62 : kTorso;
    s.up = dir(p.lean);
    s.side = dir(p.lean + 90);
    s.hip = {0, 0};
    s.neck = s.up * torso;
    s.chest = s.up * (torso * 0.55);
    s.headAngle = p.lean + p.headTilt;
    s.head = s.neck + dir(s.headAngle) * (kNeck + kHeadR) - s.up * (1.4 * p.nod);
    const QPointF shoulder = s.up * (torso - 1.2);
    const double sw = front ? kShoulderHalf : 0.0, hw = front ? kHipHalf : 0.0;
    s.shA = shoulder - s.side * sw;
    s.shB = shoulder + s.side * sw;
    s.elA = s.shA + dir(p.armA.upper) * kUpperArm;
    s.elB = s.shB + dir(p.armB.upper) * kUpperArm;
    s.haA = s.elA + dir(p.armA.lower) * kForearm;
    s.haB = s.elB + dir(p.armB.lower) * kForearm;
    s.hipA = -s.side * hw;
    s.hipB = s.side * hw;
    s.knA = s.hipA + dir(p.legA.upper) * kThigh;
    s.knB = s.hipB + dir(p.legB.upper) * kThigh;
    s.anA = s.knA + dir(p.legA.lower) * kShin;
    s.anB = s.knB + dir(p.legB.lower) * kShin;
    s.toA = s.anA + dir(p.legA.lower - 90) * kFoot;
    s.toB = s.anB + dir(p.legB.lower - 90) * kFoot;
    return s;
}

// Maps body coordinates to the drawing, turned by the spin about the belly.
struct Placement {
    QPointF pivot, origin;
    double spin = 0, scale = 1;
    QPointF operator()(QPointF body) const { return origin + rotate(body - pivot, spin) * scale; }
};

void drawHead(QImage& img, const Pose& p, const Skeleton& s, const Placement& at) {
    const QPointF c = at(s.head);
    const double r = kHeadR * at.scale;
    const QPointF hu = dir(s.headAngle + p.spin);  // head's up, on screen
    const QPointF hf = dir(s.headAngle + p.spin + 90);  // facing / image right
    const bool back = p.view == View::Back || p.nod == 2;
    // bun first, so the head overlaps it
    if (p.view == View::Side)
        fillDisc(img, c + (hu * 2.0 - hf * 2.9) * at.scale, 1.7 * at.scale, pal::hair);
    else
        fillDisc(img, c + hu * (back && p.nod == 2 ? 1.2 : 3.5) * at.scale, 1.7 * at.scale, pal::hair);
    fillDisc(img, c, r, back ? pal::hair : pal::skin);
    for (int y = int(c.y() - r - 2); y <= int(c.y() + r + 2); ++y)
        for (int x = int(c.x() - r - 2); x <= int(c.x() + r + 2); ++x) {
            const QPointF rel = QPointF(x + 0.5, y + 0.5) - c;
            if (dot(rel, rel) > r * r) continue;
            const double a = dot(rel, hu) / at.scale, b = dot(rel, hf) / at.scale;
            bool isHair = back;
            if (p.view == View::Side) isHair = a > 1.0 || (b < -0.5 && a > -2.4);
            else if (!back) isHair = a > (p.nod ? -0.2 : 0.9) || (std::abs(b) > 2.3 && a > -1.6);
            if (isHair) plot(img, x, y, a > 2.2 ? pal::hair : pal::hairShade);
        }
    // ribbon in the hair
    if (p.view == View::Side)
        fillDisc(img, c + (hu * 1.9 - hf * 1.5) * at.scale, 0.6 * at.scale, pal::gold);
    else if (!back)
        fillDisc(img, c + hu * 2.6 * at.scale, 0.6 * at.scale, pal::gold);
    if (back) return;
    auto pix = [&](QPointF q, QRgb col) { plot(img, int(std::floor(q.x())), int(std::floor(q.y())), col); };
    if (p.view == View::Side) {
        fillDisc(img, c + (hf * 3.3 - hu * 0.5) * at.scale, 0.7 * at.scale, pal::skin);  // nose
        pix(c + (hf * 1.8 + hu * 0.1) * at.scale, pal::ink);
    } else {
        const double eyeUp = p.nod ? -1.3 : 0.0;
        pix(c + (hf * 1.25 + hu * eyeUp) * at.scale, pal::ink);
        pix(c + (-hf * 1.35 + hu * eyeUp) * at.scale, pal::ink);
        if (!p.nod) pix(c + (-hu * 2.0) * at.scale, 0xffd05a5a);
    }
}

// Plots only over parts already drawn: the dark edge a limb leaves where it
// crosses the body, without making the silhouette any thicker.
void edgeOver(QImage& img, QPointF a, QPointF b, double r, QRgb col) {
    QImage layer(img.size(), QImage::Format_ARGB32);
    layer.fill(0);
    fillCapsule(layer, a, b, r, col);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(layer.pixel(x, y)) && qAlpha(img.pixel(x, y))) img.setPixel(x, y, darker(img.pixel(x, y), 0.55));
}

void drawArm(QImage& img, QPointF sh, QPointF el, QPointF ha, double sc, bool far, bool fist) {
    const QRgb sleeve = far ? pal::suitShade : pal::suit, hand = far ? pal::skinShade : pal::skin;
    if (!far) {
        edgeOver(img, sh, el, 1.95 * sc, pal::ink);
        edgeOver(img, el, ha, 1.8 * sc, pal::ink);
    }
    fillCapsule(img, sh, el, 1.15 * sc, sleeve);
    fillCapsule(img, el, ha, 1.0 * sc, hand);
    fillCapsule(img, el, el + (ha - el) * 0.25, 1.05 * sc, sleeve);
    fillDisc(img, ha, (fist ? 1.45 : 1.2) * sc, hand);
}

void drawLeg(QImage& img, QPointF hp, QPointF kn, QPointF an, QPointF to, double sc, bool far,
             bool side) {
    const QRgb c = far ? pal::skinShade : pal::skin;
    if (!far && side) {
        edgeOver(img, hp, kn, 2.3 * sc, pal::ink);
        edgeOver(img, kn, an, 2.05 * sc, pal::ink);
    }
    fillCapsule(img, hp, kn, 1.5 * sc, c);
    fillCapsule(img, kn, an, 1.25 * sc, c);
    if (side) fillCapsule(img, an, to, 0.85 * sc, c);
    else fillDisc(img, an, 1.15 * sc, c);
}

void drawTorso(QImage& img, const Pose& p, const Skeleton& s, const Placement& at) {
    const double sc = at.scale;
    if (p.view == View::Side) {
        fillCapsule(img, at(s.hip + s.side * 0.2), at(s.up * (kTorso - 2.2)), 2.3 * sc, pal::suit);
        fillDisc(img, at(s.hip), 2.1 * sc, pal::suit);
        // gold trim down the side seam
        fillCapsule(img, at(s.up * 1.0 - s.side * 0.2), at(s.up * (kTorso - 3.0) + s.side * 0.6), 0.5 * sc,
                    pal::gold);
    } else {
        const double torso = s.neck.y() == 0 && s.neck.x() == 0 ? kTorso : std::hypot(s.neck.x(), s.neck.y());
        const QPointF top = s.up * (torso - 0.8), waist = s.up * (torso * 0.35);
        std::vector<QPointF> body = {at(top - s.side * (kShoulderHalf + 1.0)), at(top + s.side * (kShoulderHalf + 1.0)),
                                     at(waist + s.side * 2.2), at(s.hip + s.side * 2.9),
                                     at(s.hip - s.up * 1.2), at(s.hip - s.side * 2.9), at(waist - s.side * 2.2)};
        fillPolygon(img, body, pal::suit);
        fillCapsule(img, at(top - s.side * kShoulderHalf), at(top + s.side * kShoulderHalf), 1.2 * sc, pal::suit);
        if (p.view == View::Front)
            fillCapsule(img, at(top + s.side * 2.0), at(s.hip - s.side * 1.4 + s.up * 0.6), 0.55 * sc, pal::gold);
        else
            fillCapsule(img, at(top - s.up * 0.6), at(s.hip + s.up * 1.0), 0.45 * sc, pal::suitShade);
    }
}

void drawMedal(QImage& img, const Pose& p, const Skeleton& s, const Placement& at) {
    if (p.medal == Medal::None) return;
    const QRgb col = p.medal == Medal::Gold ? pal::gold : p.medal == Medal::Silver ? pal::silver : pal::bronze;
    const QPointF m = s.up * 4.6;
    const QPointF top = s.up * (kTorso - 0.6);
    fillCapsule(img, at(top - s.side * 1.6), at(m), 0.5 * at.scale, pal::ribbon);
    fillCapsule(img, at(top + s.side * 1.6), at(m), 0.5 * at.scale, pal::ribbon);
    fillDisc(img, at(m - s.up * 0.8), 2.6 * at.scale, darker(col, 0.75));
    fillDisc(img, at(m - s.up * 0.6 - s.side * 0.3), 1.9 * at.scale, col);
}

}  // namespace

QImage drawFitted(const Pose& p, double scale, int w, int h, int footRow, int attempt);

QImage drawFigure(const Pose& p, double scale, int w, int h, int footRow) {
    return drawFitted(p, scale, w, h, footRow, 0);
}

QImage drawFitted(const Pose& p, double scale, int w, int h, int footRow, int attempt) {
    const Skeleton s = build(p);
    // Scratch canvas three times the size, so nothing is cut before placing.
    QImage scratch(w * 3, h * 3, QImage::Format_ARGB32);
    scratch.fill(0);
    Placement at;
    at.pivot = s.up * 4.0;
    at.spin = p.spin;
    at.scale = scale;
    at.origin = QPointF(w * 1.5, h * 1.5);

    const double sc = scale;
    const bool side = p.view == View::Side;
    const bool fist = p.flexed;
    if (side) {
        drawArm(scratch, at(s.shA), at(s.elA), at(s.haA), sc, true, fist);
        drawLeg(scratch, at(s.hipA), at(s.knA), at(s.anA), at(s.toA), sc, true, true);
        drawLeg(scratch, at(s.hipB), at(s.knB), at(s.anB), at(s.toB), sc, false, true);
        drawTorso(scratch, p, s, at);
        drawHead(scratch, p, s, at);
        drawArm(scratch, at(s.shB), at(s.elB), at(s.haB), sc, false, fist);
    } else {
        drawLeg(scratch, at(s.hipA), at(s.knA), at(s.anA), at(s.toA), sc, false, false);
        drawLeg(scratch, at(s.hipB), at(s.knB), at(s.anB), at(s.toB), sc, false, false);
        drawTorso(scratch, p, s, at);
        drawMedal(scratch, p, s, at);
        if (p.view == View::Back) {
            drawArm(scratch, at(s.shA), at(s.elA), at(s.haA), sc, false, fist);
            drawArm(scratch, at(s.shB), at(s.elB), at(s.haB), sc, false, fist);
            drawHead(scratch, p, s, at);
        } else {
            drawHead(scratch, p, s, at);
            drawArm(scratch, at(s.shA), at(s.elA), at(s.haA), sc, false, fist);
            drawArm(scratch, at(s.shB), at(s.elB), at(s.haB), sc, false, fist);
        }
    }

    int x0 = scratch.width(), x1 = -1, y0 = scratch.height(), y1 = -1;
    for (int y = 0; y < scratch.height(); ++y)
        for (int x = 0; x < scratch.width(); ++x)
            if (qAlpha(scratch.pixel(x, y))) {
                x0 = std::min(x0, x); x1 = std::max(x1, x);
                y0 = std::min(y0, y); y1 = std::max(y1, y);
            }
    QImage out(w, h, QImage::Format_ARGB32);
    out.fill(0);
    if (x1 < 0) return out;

    // Integer shift: the belly goes to (x, y); standing poses sit on the floor.
    const double px = p.x / kCell * w, py = p.y / kCell * h;
    int dx = int(std::lround(px - at.origin.x()));
    int dy = p.anchor == Anchor::Ground ? (footRow - 1 - p.lift) - y1 : int(std::lround(py - at.origin.y()));
    // The outline needs one pixel, and the picture's edge stays clear.
    if (x1 - x0 > w - 5 || y1 - y0 > h - 5) {
        // a pose too wide for its cell is drawn a little smaller
        if (attempt == 0)
            std::fprintf(stderr, "artgen: %dx%d pose shrunk to fit %dx%d\n", x1 - x0 + 1, y1 - y0 + 1, w, h);
        return drawFitted(p, scale * 0.96, w, h, footRow, attempt + 1);
    }
    if (x0 + dx < 2) dx = 2 - x0;
    if (x1 + dx > w - 3) dx = w - 3 - x1;
    if (y0 + dy < 2) dy = 2 - y0;
    if (y1 + dy > h - 3) dy = h - 3 - y1;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const QRgb c = scratch.pixel(x, y);
            if (qAlpha(c)) plot(out, x + dx, y + dy, c);
        }
    selOutline(out, 0.45);
    return out;
}

}  // namespace art
