// Every picture of the game, drawn from code.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace art {

QImage spriteSheet();                  // CHA
QImage silhouette(const QImage& cha);  // M_CHA
QImage faces();                        // KAO
QImage digits();                       // N_FONT
QImage arena(const QImage& kao);       // M_BG
QImage board(const QImage& kao);       // HAI
QImage button(int w, int h, const QString& text, int pixelSize);  // ARE, PRE, GM_START
QImage playerCount(int gymnasts);      // SEL0..SEL3
QImage title(const QImage& kao);       // TIT
QImage windowIcon();                   // ICON
QImage mousePointer();                 // CURSOR
QImage dragIcon();                     // DRAG

// Shared pieces of scenery.
void drawSeat(QImage& img, int x, int y, int section);
void drawAisle(QImage& img, int x, int y);
// Pastes spectator icon onto img the way the game does (mask, then face).
void pasteFace(QImage& img, const QImage& kao, int icon, int x, int y);

struct Named {
    QString name;
    QImage image;
};
QImage contactSheet(const std::vector<Named>& pictures);

// Motions as frame lists (cell, dx, dy) for the contact sheet and previews.
struct Frame {
    int cell, dx, dy;
};
struct Motion {
    QString name;
    std::vector<Frame> frames;
};
std::vector<Motion> motions();
// A motion played over the arena, one picture per frame, as the game draws it.
std::vector<QImage> playMotion(const Motion& m, const QImage& cha, const QImage& mask,
                               const QImage& bg, int startX, int startY);

}  // namespace art
