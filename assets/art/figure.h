// The gymnast: a jointed skeleton posed from a table of angles and drawn with
// thick limbs. Angles are in degrees, 0 pointing up, growing clockwise on
// screen, so 90 points right (forwards in the side views).
#pragma once

#include <QImage>

#include <array>

namespace art {

enum class View { Front, Side, Back };
enum class Anchor { Ground, Pivot };
enum class Medal { None, Gold, Silver, Bronze };

struct Limb {
    double upper = 180;  // upper arm / thigh
    double lower = 180;  // forearm / shin
};

struct Pose {
    View view = View::Side;
    double lean = 0;      // hip to neck
    double headTilt = 0;  // relative to the torso
    Limb armA, armB;      // front: image left / right; side: far / near
    Limb legA, legB;
    double spin = 0;      // whole body turned about its centre
    Anchor anchor = Anchor::Ground;
    double x = 20, y = 20;  // where the body centre goes in the cell
    int lift = 0;           // rows above the floor for airborne ground poses
    int nod = 0;            // 1 head bowed, 2 deep bow (top of the head only)
    Medal medal = Medal::None;
    bool flexed = false;    // fists (cheering)
};

inline constexpr int kCells = 76;
inline constexpr int kCell = 40;
// Lowest figure row of a standing cell; the arena floor is built on it.
inline constexpr int kFootRow = 38;

const std::array<Pose, kCells>& poseTable();

// Draws the pose on a transparent image of w x h, the body scaled by scale,
// with the feet of a standing pose on row footRow.
QImage drawFigure(const Pose& pose, double scale, int w, int h, int footRow);

// Cell n of the sheet: its top-left corner in the sprite sheet.
inline int cellColumn(int n) { return n >= 72 ? 18 : n % 18; }
inline int cellRow(int n) { return n >= 72 ? n - 72 : n / 18; }

}  // namespace art
