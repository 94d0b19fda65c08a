// Geometry of the generated pictures, read back from the compiled-in resources.
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

constexpr QRgb kWhite = 0xffffffff, kBlack = 0xff000000;

QImage picture(const char* name) {
    return QImage(QString(":/pictures/%1.png").arg(name)).convertToFormat(QImage::Format_ARGB32);
}

QRect cellRect(int n) {
    const int col = n >= 72 ? 18 : n % 18, row = n >= 72 ? n - 72 : n / 18;
    return {40 * col, 40 * row, 40, 40};
}

TEST(Pictures, EveryPictureHasItsSize) {
    const struct { const char* name; int w, h; } sizes[] = {
        {"CHA", 760, 160}, {"M_CHA", 760, 160}, {"M_BG", 786, 300}, {"KAO", 752, 16},
        {"N_FONT", 200, 16}, {"HAI", 800, 600}, {"ARE", 281, 49}, {"PRE", 281, 49},
        {"GM_START", 97, 48}, {"SEL0", 81, 48}, {"SEL1", 81, 48}, {"SEL2", 81, 48},
        {"SEL3", 81, 48}, {"TIT", 318, 356}, {"ICON", 32, 32}, {"CURSOR", 32, 32}, {"DRAG", 32, 32}};
    for (const auto& s : sizes) {
        const QImage img = picture(s.name);
        EXPECT_EQ(img.size(), QSize(s.w, s.h)) << s.name;
    }
}

TEST(SpriteSheet, CellNumbering) {
    const struct { int cell; QRect rect; } cases[] = {
        {0, {0, 0, 40, 40}},      {17, {680, 0, 40, 40}},   {18, {0, 40, 40, 40}},
        {71, {680, 120, 40, 40}}, {72, {720, 0, 40, 40}},   {73, {720, 40, 40, 40}},
        {74, {720, 80, 40, 40}},  {75, {720, 120, 40, 40}}};
    for (const auto& c : cases) EXPECT_EQ(cellRect(c.cell), c.rect) << c.cell;
}

// Every cell holds one figure well inside its borders, so neighbours never
// bleed into a stretched copy.
TEST(SpriteSheet, EveryCellHoldsAFigureInsideItsBorders) {
    const QImage cha = picture("CHA");
    for (int n = 0; n < 76; ++n) {
        const QRect r = cellRect(n);
        int inked = 0, onBorder = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (cha.pixel(x, y) != kWhite) {
                    ++inked;
                    if (x == r.left() || x == r.right() || y == r.top() || y == r.bottom()) ++onBorder;
                }
        EXPECT_GT(inked, 150) << "cell " << n;
        EXPECT_EQ(onBorder, 0) << "cell " << n;
    }
}

// The mask is the exact silhouette: black under every figure pixel, and black
// on a white pixel only where the figure encloses it (white parts of a figure),
// never on the background around it.
void expectSilhouette(const QImage& fig, const QImage& mask, const QRect& cell, const char* what) {
    std::vector<char> outside(cell.width() * cell.height(), 0);
    std::vector<QPoint> todo;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if ((x == 0 || y == 0 || x == cell.width() - 1 || y == cell.height() - 1) &&
                fig.pixel(cell.x() + x, cell.y() + y) == kWhite)
                todo.push_back({x, y});
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (p.x() < 0 || p.y() < 0 || p.x() >= cell.width() || p.y() >= cell.height()) continue;
        char& o = outside[p.y() * cell.width() + p.x()];
        if (o || fig.pixel(cell.x() + p.x(), cell.y() + p.y()) != kWhite) continue;
        o = 1;
        todo.insert(todo.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }
    int wrong = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const QRgb m = mask.pixel(cell.x() + x, cell.y() + y);
            if (m != kWhite && m != kBlack) ++wrong;
            else if (m == kBlack && outside[y * cell.width() + x]) ++wrong;
            else if (m == kWhite && fig.pixel(cell.x() + x, cell.y() + y) != kWhite) ++wrong;
        }
    EXPECT_EQ(wrong, 0) << what << " at " << cell.x() << "," << cell.y();
}

TEST(SpriteSheet, MaskIsTheExactSilhouetteOfEveryCell) {
    const QImage cha = picture("CHA"), mask = picture("M_CHA");
    for (int n = 0; n < 76; ++n) expectSilhouette(cha, mask, cellRect(n), "CHA cell");
}

int lowestInkedRow(const QImage& img, const QRect& r) {
    for (int y = r.bottom(); y >= r.top(); --y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (img.pixel(x, y) != kWhite) return y - r.top();
    return -1;
}

// Standing at POS_Y 95 the figure (three times enlarged, 40 pixels into the
// tile) ends on the row above the arena's floor edge.
TEST(SpriteSheet, StandingFeetMeetTheFloor) {
    const QImage cha = picture("CHA"), bg = picture("M_BG");
    const int standing[] = {0, 1, 2, 3, 5, 6, 25, 35, 36, 45, 46, 53, 58, 59, 60, 61,
                            62, 63, 64, 66, 69, 70, 71, 73, 74, 75};
    const int feet = lowestInkedRow(cha, cellRect(0));
    for (int n : standing) EXPECT_EQ(lowestInkedRow(cha, cellRect(n)), feet) << "cell " << n;
    const int floor = 95 + 40 + 3 * (feet + 1);
    ASSERT_LT(floor, bg.height());
    for (int x = 0; x < bg.width(); ++x) {
        EXPECT_EQ(bg.pixel(x, floor), bg.pixel(0, floor)) << x;
        EXPECT_NE(bg.pixel(x, floor), bg.pixel(x, floor - 1)) << x;
    }
}

TEST(Faces, EveryFaceFillsTheMaskExactly) {
    const QImage kao = picture("KAO");
    std::set<std::vector<QRgb>> seen;
    for (int k = 0; k < 47; ++k) {
        int wrong = 0;
        std::vector<QRgb> pixels;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb mask = kao.pixel(x, y), face = kao.pixel(16 * k + x, y);
                if (mask != kWhite && mask != kBlack) ++wrong;
                if ((mask == kWhite) != (face == kWhite)) ++wrong;
                pixels.push_back(face);
            }
        EXPECT_EQ(wrong, 0) << "icon " << k;
        EXPECT_TRUE(seen.insert(pixels).second) << "icon " << k << " repeats another";
    }
}

TEST(Digits, GlyphsInTheOrderSpaceDigitsFullStop) {
    const QImage font = picture("N_FONT");
    std::vector<std::vector<bool>> glyphs;
    std::vector<int> lit;
    for (int k = 0; k < 12; ++k) {
        std::vector<bool> g;
        int n = 0, lowest = 0;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 8; ++x) {
                const QRgb c = font.pixel(8 * k + x, y);
                ASSERT_TRUE(c == kWhite || c == kBlack) << "glyph " << k;
                g.push_back(c == kWhite);
                if (c == kWhite) ++n, lowest = y;
            }
        glyphs.push_back(g);
        lit.push_back(n);
        if (k == 11) {
            EXPECT_GE(lowest, 11);
        }
    }
    EXPECT_EQ(lit[0], 0);
    for (int k = 1; k < 12; ++k) {
        EXPECT_GT(lit[k], 0) << "glyph " << k;
        for (int j = 1; j < k; ++j) EXPECT_NE(glyphs[k], glyphs[j]) << k << " and " << j;
    }
    // the full stop is the smallest mark, the 8 (glyph 9) the fullest of 1, 7, 8
    for (int k = 1; k < 11; ++k) EXPECT_LT(lit[11], lit[k]);
    EXPECT_GT(lit[9], lit[2]);
    EXPECT_GT(lit[9], lit[8]);
}

TEST(Board, BlackCellsWhereTheScoresAreDrawn) {
    const QImage hai = picture("HAI");
    std::vector<QRect> cells;
    for (int r = 0; r < 4; ++r) {
        const int y0 = 465 + 32 * r, h = 23;
        cells.push_back(QRect(33, y0, 135, h));
        for (int j = 0; j < 10; ++j) cells.push_back(QRect(177 + 48 * j, y0, 31, h));
        cells.push_back(QRect(657, y0, 47, h));
        cells.push_back(QRect(713, y0, 55, h));
    }
    for (const QRect& c : cells) {
        int notBlack = 0, blackAround = 0;
        for (int y = c.top() - 1; y <= c.bottom() + 1; ++y)
            for (int x = c.left() - 1; x <= c.right() + 1; ++x) {
                const bool inside = c.contains(x, y);
                const bool black = hai.pixel(x, y) == kBlack;
                if (inside && !black) ++notBlack;
                if (!inside && black) ++blackAround;
            }
        EXPECT_EQ(notBlack, 0) << c.x() << "," << c.y();
        EXPECT_EQ(blackAround, 0) << c.x() << "," << c.y();
    }
}

}  // namespace
