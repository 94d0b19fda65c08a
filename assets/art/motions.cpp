#include "figure.h"
#include "pictures.h"

#include <QPainter>

namespace art {
namespace {

// The run and the somersaults move by the current run step; these are the
// steps the game typically uses.
constexpr int kRunStep = 10;

std::vector<Frame> each(std::initializer_list<int> cells, int dx) {
    std::vector<Frame> f;
    for (int c : cells) f.push_back({c, dx, 0});
    return f;
}

std::vector<Frame> still(std::initializer_list<int> cells) { return each(cells, 0); }

}  // namespace

std::vector<Motion> motions() {
    std::vector<Motion> m;
    m.push_back({"挨拶", still({0, 1, 2, 3, 5, 6})});
    m.push_back({"走る", each({54, 55, 56, 57, 54, 55, 56, 57}, kRunStep)});
    m.push_back({"側転", {{18, 20, 0}, {19, 0, 0}, {20, 0, 0}, {21, 30, 0}, {22, 30, 0},
                          {23, 30, 0}, {24, 4, 0}, {25, 1, 0}}});
    m.push_back({"側転2", {{26, 20, 0}, {27, 20, 0}, {19, 0, 0}, {20, 0, 0}, {21, 40, 0},
                           {22, 40, 0}, {23, 40, 0}, {24, 4, 0}, {25, 1, 0}}});
    m.push_back({"ハンド", {{18, 25, 0}, {30, 8, 0}, {31, 2, 0}, {32, 20, 0}, {33, 20, 0},
                            {34, 40, 0}, {35, 4, 0}, {36, 0, 0}, {5, 1, 0}}});
    m.push_back({"バク転", {{45, 0, 0}, {9, 0, 0}, {45, -20, 0}, {46, -20, 0}, {47, -20, 0},
                            {39, -10, 0}, {49, 0, 0}, {50, -20, 0}, {42, -20, 0}, {43, -20, 0},
                            {44, -5, 0}, {45, 0, 0}, {6, 0, 0}}});
    std::vector<Frame> front = each({9, 10, 10, 10}, 0);
    const int jumpDx[4] = {5, 5, 10, 10}, jumpDy[4] = {-20, -40, -20, 0};
    for (int i = 0; i < 4; ++i) front[i] = {front[i].cell, jumpDx[i], jumpDy[i]};
    std::vector<Frame> back = front;
    for (int c : {11, 12, 13, 14, 15, 16, 17}) front.push_back({c, 2, 0});
    front.push_back({11, 2, 20});
    for (int c : {11, 17, 16, 15, 14, 13, 12}) back.push_back({c, -2, 0});
    back.push_back({11, -2, 20});
    for (auto* f : {&front, &back})
        for (Frame d : {Frame{10, 0, 40}, Frame{10, 0, 20}, Frame{10, 0, 0}}) f->push_back(d);
    for (int i = 0; i < 4; ++i) back[i].dx = -back[i].dx;
    m.push_back({"R_JUMP 前宙 DOWN", front});
    m.push_back({"L_JUMP 後宙 DOWN", back});
    m.push_back({"スワン", {{45, 0, 0}, {9, 0, 0}, {45, -20, 0}, {36, -20, -10}, {36, -20, -20},
                            {37, -20, -10}, {38, -20, -10}, {39, -20, -10}, {40, -20, -8},
                            {41, -20, -4}, {42, -5, -2}, {43, -5, 4}, {44, -6, 8}, {45, -8, 30},
                            {45, -8, 30}, {45, -8, 0}}});
    const auto podium = [](std::initializer_list<int> tail) {
        std::vector<Frame> f = still({5, 6, 64, 0, 64, 59, 60, 59, 60, 65, 0, 1, 61, 1, 61, 1, 0});
        for (int c : tail) f.push_back({c, 0, 0});
        return f;
    };
    m.push_back({"END_1", podium({6, 62, 63, 62, 63, 62, 63, 73, 74, 75, 69})});
    m.push_back({"END_2", podium({6, 73, 74, 75, 70})});
    m.push_back({"END_3", still({3, 5, 6, 64, 0, 64, 65, 0, 1, 61, 1, 61, 1, 0, 6, 73, 74, 75, 71})});
    m.push_back({"END_4", still({59, 60, 59, 60, 73, 74, 75})});
    return m;
}

std::vector<QImage> playMotion(const Motion& m, const QImage& cha, const QImage& mask,
                               const QImage& bg, int x, int y) {
    // Same composition as the game: mask with merge-paint, figure with AND,
    // each cell pixel a 3 x 3 block, onto the clean arena.
    std::vector<QImage> out;
    for (const Frame& f : m.frames) {
        QImage view = bg.convertToFormat(QImage::Format_RGB32);
        const QRect src(cellColumn(f.cell) * kCell, cellRow(f.cell) * kCell, kCell, kCell);
        const QRect dst(x + 40, y + 40, 3 * kCell, 3 * kCell);
        QPainter p(&view);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination);
        p.drawImage(dst, mask.convertToFormat(QImage::Format_RGB32), src);
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        p.drawImage(dst, cha.convertToFormat(QImage::Format_RGB32), src);
        p.end();
        out.push_back(view);
        x += f.dx;
        y += f.dy;
    }
    return out;
}

}  // namespace art
