// Pose table of the sprite sheet. Front views: limb A is on the picture's
// left. Side views face right: limb A is the far one.
#include "figure.h"

#include <cmath>

namespace art {
namespace {

Limb mirror(Limb l) { return {std::fmod(360.0 - l.upper, 360.0), std::fmod(360.0 - l.lower, 360.0)}; }

Pose front(Limb a, Limb b, Limb la = {182, 180}, Limb lb = {178, 180}) {
    Pose p;
    p.view = View::Front;
    p.armA = a;
    p.armB = b;
    p.legA = la;
    p.legB = lb;
    return p;
}

Pose sym(Limb a, Limb la = {182, 180}) { return front(a, mirror(a), la, mirror(la)); }

Pose side(Limb farArm, Limb nearArm, Limb farLeg, Limb nearLeg, double lean = 0) {
    Pose p;
    p.view = View::Side;
    p.armA = farArm;
    p.armB = nearArm;
    p.legA = farLeg;
    p.legB = nearLeg;
    p.lean = lean;
    return p;
}

Pose spun(Pose p, double spin, double x = 20, int lift = 0) {
    p.spin = spin;
    p.x = x;
    p.lift = lift;
    return p;
}

Pose withMedal(Pose p, Medal m) {
    p.medal = m;
    return p;
}

constexpr Limb kArmDown{200, 186};
constexpr Limb kArmUp{338, 345};
constexpr Limb kArmV{328, 332};
constexpr Limb kLegTogether{182, 180};
constexpr Limb kLegApart{205, 203};

std::array<Pose, kCells> makeTable() {
    std::array<Pose, kCells> t{};

    // Greeting and standing, front
    t[0] = sym(kArmDown);
    t[1] = front(kArmUp, mirror(kArmDown));
    t[2] = front(kArmDown, mirror(kArmUp));
    t[3] = sym(kArmV);
    t[4] = sym({268, 272}, {208, 206});
    t[73] = front({168, 140}, {192, 220});
    t[74] = t[73];
    t[74].nod = 1;
    t[75] = sym({176, 172}, {184, 180});
    t[75].nod = 2;

    // Standing, side
    t[5] = side({186, 180}, {170, 160}, {183, 180}, {177, 180});
    t[6] = side({170, 150}, {165, 140}, {183, 180}, {177, 180}, -3);
    t[35] = side({8, 8}, {14, 12}, {183, 180}, {177, 180}, -2);
    t[36] = side({40, 30}, {34, 24}, {184, 180}, {178, 180}, -4);
    t[45] = side({188, 182}, {174, 166}, {182, 180}, {178, 180});
    t[46] = side({2, 2}, {356, 356}, {182, 180}, {178, 180}, -2);
    t[53] = side({215, 120}, {145, 240}, {183, 180}, {177, 180});
    t[7] = side({150, 120}, {210, 190}, {208, 190}, {152, 178}, 4);
    t[8] = side({205, 185}, {160, 130}, {155, 178}, {205, 192}, 4);

    // Take-off and flight
    t[9] = side({235, 215}, {228, 208}, {108, 205}, {102, 200}, 38);
    t[10] = side({4, 4}, {0, 0}, {183, 182}, {177, 176});

    // Tucked somersault, turned about the belly a step at a time
    Pose tuck = side({150, 195}, {140, 188}, {62, 205}, {55, 200}, 18);
    tuck.headTilt = 25;
    tuck.anchor = Anchor::Pivot;
    tuck.y = 22;
    const double roll[8] = {0, 51, 103, 154, 206, 257, 309, 334};
    const int rollCell[8] = {11, 12, 13, 14, 15, 16, 17, 72};
    for (int i = 0; i < 8; ++i) t[rollCell[i]] = spun(tuck, roll[i]);

    // Cartwheel: a star turning in the picture plane
    Pose star = sym(kArmV, {212, 210});
    t[18] = front({118, 124}, {146, 150}, {296, 302}, {198, 196});
    t[18].lean = 78;
    t[18].x = 16;
    t[19] = spun(star, 130, 19);
    t[20] = spun(star, 180, 20);
    t[21] = spun(sym({345, 345}, {183, 181}), 180, 21);
    t[22] = spun(star, 228, 22);
    t[23] = spun(star, 270, 22, 3);
    t[24] = sym(kArmV, {200, 198});
    t[24].lean = -14;
    t[24].x = 20;
    t[25] = sym(kArmUp);
    // Entry of the long cartwheel
    t[26] = sym({352, 356}, {190, 188});
    t[26].lean = 12;
    t[27] = front({300, 300}, {120, 120}, {232, 234}, {172, 172});
    t[27].lean = 42;
    t[27].x = 17;

    // Hands on the floor
    t[28] = side({172, 176}, {168, 172}, {96, 186}, {90, 182}, 74);
    t[52] = side({176, 180}, {172, 176}, {100, 190}, {94, 186}, 80);
    t[29] = side({178, 180}, {174, 176}, {188, 184}, {40, 30}, 150);
    t[51] = side({178, 180}, {174, 176}, {186, 184}, {70, 70}, 160);

    // Forward handspring, side view
    Pose reach = side({2, 2}, {358, 358}, {183, 181}, {178, 177}, -4);
    Pose arch = side({2, 2}, {358, 358}, {195, 208}, {190, 200}, -10);
    t[30] = spun(reach, 178, 18);
    t[31] = spun(arch, 196, 19);
    t[32] = spun(arch, 232, 21);
    t[33] = spun(arch, 272, 22, 4);
    t[34] = spun(side({4, 4}, {0, 0}, {176, 172}, {170, 166}, -8), 336, 20);

    // Back handspring and swan: the body turns backwards (counter-clockwise)
    Pose swan = side({268, 258}, {262, 252}, {184, 184}, {179, 179}, -10);
    swan.headTilt = -18;
    const double back[8] = {-32, -66, -100, -140, -180, -222, -266, -316};
    const int lift[8] = {0, 1, 2, 2, 0, 2, 2, 0};
    for (int i = 0; i < 8; ++i) t[37 + i] = spun(swan, back[i], 20, lift[i]);
    Pose over = side({2, 2}, {356, 356}, {183, 181}, {178, 177}, -6);
    over.headTilt = -14;
    t[47] = spun(over, -34, 20);
    t[48] = spun(over, -70, 20, 1);
    t[49] = spun(over, -132, 20);
    t[50] = spun(over, -180, 20);

    // Run, four phases
    t[54] = side({150, 72}, {222, 172}, {212, 250}, {146, 176}, 12);
    t[55] = side({178, 120}, {188, 130}, {172, 208}, {118, 196}, 10);
    t[56] = side({222, 172}, {150, 72}, {146, 176}, {212, 250}, 12);
    t[57] = side({188, 130}, {178, 120}, {118, 196}, {172, 208}, 10);
    t[55].lift = 1;
    t[57].lift = 1;

    // Podium and reactions
    t[58] = front(kArmDown, {48, 292});
    t[59] = front({292, 66}, {68, 294});
    t[60] = front({300, 76}, {60, 284});
    t[60].headTilt = 8;
    t[61] = front({322, 300}, mirror(kArmDown));
    t[62] = sym(kArmDown);
    t[62].view = View::Back;
    t[63] = front(kArmDown, {28, 52});
    t[63].view = View::Back;
    Pose cheer = sym({322, 334});
    cheer.flexed = true;
    t[64] = cheer;
    t[65] = sym({350, 352});
    t[65].flexed = true;
    t[65].lift = 2;
    t[66] = sym({266, 356});
    t[66].flexed = true;
    t[67] = front({322, 334}, {38, 26}, {182, 180}, {140, 150});
    t[67].flexed = true;
    t[68] = sym({322, 334}, {214, 212});
    t[68].flexed = true;
    t[68].lift = 3;
    t[69] = withMedal(cheer, Medal::Gold);
    t[70] = withMedal(cheer, Medal::Silver);
    t[71] = withMedal(cheer, Medal::Bronze);
    return t;
}

}  // namespace

const std::array<Pose, kCells>& poseTable() {
    static const std::array<Pose, kCells> table = makeTable();
    return table;
}

}  // namespace art
