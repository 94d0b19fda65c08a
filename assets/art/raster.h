// Hard-edged plotting on QImage: every shape is decided per pixel centre, so
// figures have no blended edges and their masks match them exactly.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>

#include <vector>

namespace art {

// One palette for the whole game.
namespace pal {
inline constexpr QRgb white = 0xffffffff;  // sheet background only
inline constexpr QRgb black = 0xff000000;
inline constexpr QRgb ink = 0xff2c1a28;
inline constexpr QRgb skin = 0xfff4c29c;
inline constexpr QRgb skinShade = 0xffd69c78;
inline constexpr QRgb hair = 0xff5c3424;
inline constexpr QRgb hairShade = 0xff40241a;
inline constexpr QRgb suit = 0xffce204a;
inline constexpr QRgb suitShade = 0xff96163c;
inline constexpr QRgb gold = 0xffffce3c;
inline constexpr QRgb goldShade = 0xffc8901e;
inline constexpr QRgb silver = 0xffc8ccd6;
inline constexpr QRgb bronze = 0xffc47a3c;
inline constexpr QRgb ribbon = 0xff2850c0;
inline constexpr QRgb navy = 0xff141c3c;
inline constexpr QRgb navyLight = 0xff28386c;
inline constexpr QRgb steel = 0xff5a6a96;
inline constexpr QRgb paper = 0xfff6f2e6;
inline constexpr QRgb offWhite = 0xfff8f8f4;  // "white" inside figures and faces
inline constexpr QRgb seat = 0xff3c5aa0;
inline constexpr QRgb seatShade = 0xff283c74;
inline constexpr QRgb stand = 0xff8c8ca0;
inline constexpr QRgb standShade = 0xff6c6c82;
inline constexpr QRgb wall = 0xff3c6e8c;
inline constexpr QRgb wallShade = 0xff2c5470;
inline constexpr QRgb floorTop = 0xffd2d2d6;
inline constexpr QRgb floorFace = 0xff9a9aa4;
inline constexpr QRgb floorShade = 0xff6e6e7a;
inline constexpr QRgb mat = 0xffb4b4bc;
}  // namespace pal

QRgb darker(QRgb c, double f);
QRgb lighter(QRgb c, double f);

void plot(QImage& img, int x, int y, QRgb c);
void fillRect(QImage& img, int x, int y, int w, int h, QRgb c);
void frameRect(QImage& img, int x, int y, int w, int h, QRgb c);
void fillDisc(QImage& img, QPointF c, double r, QRgb col);
void fillCapsule(QImage& img, QPointF a, QPointF b, double r, QRgb col);
void fillPolygon(QImage& img, const std::vector<QPointF>& pts, QRgb col);
// Darkened copy of the neighbouring colour around every shape on a clear
// (transparent) background.
void selOutline(QImage& img, double shade);
// Transparent pixels become c.
void flatten(QImage& img, QRgb c);
QImage blank(int w, int h, QRgb c);

enum class Face { Gothic, PGothic, Mincho };
QFont font(Face f, int pixelSize, bool bold = false);
// Text with an outline ring of the given width, centred in the rectangle.
void outlinedText(QImage& img, const QRect& r, const QString& s, const QFont& f,
                  QRgb fill, QRgb line, int width, int align = Qt::AlignCenter);
void plainText(QImage& img, const QRect& r, const QString& s, const QFont& f,
               QRgb col, int align = Qt::AlignCenter);

}  // namespace art
