// The drawing functions on small synthetic pictures: the athlete tile on the
// arena view, the scoreboard digits, the crowd and the record line, the
// sliding message lines, and the two display modes of the layout.

#include "game/GameState.h"
#include "performance/SpriteRenderer.h"
#include "presentation/Arena.h"
#include "presentation/Messages.h"
#include "presentation/Scoreboard.h"
#include "shell/Layout.h"
#include "support/TestWorld.h"

#include <QListWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace kz;

namespace {

constexpr int kViewW = 786;
constexpr int kViewH = 300;

// ---- pictures -----------------------------------------------------------------

// The clean arena: every pixel tells its own position; blue is always 247..250,
// a value no figure, face or stale colour below uses.
QRgb arenaPixel(int x, int y)
{
    return qRgb(x & 0xFF, y & 0xFF, 250 - (x >> 8));
}

QImage arenaPicture()
{
    QImage img(kViewW, kViewH, QImage::Format_RGB32);
    for (int y = 0; y < kViewH; ++y)
        for (int x = 0; x < kViewW; ++x)
            img.setPixel(x, y, arenaPixel(x, y));
    return img;
}

// What the view showed before a draw (for example text written on the view alone).
const QRgb kStale = qRgb(1, 2, 3);
const QRgb kWhite = qRgb(255, 255, 255);

QImage filled(QSize size, QRgb colour)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

// Every sprite cell holds the same figure shape; its colours tell the cell
// pixel (red, green) and the sheet position of the cell (blue = 10 + 3 * (19 row + column)).
// The silhouette is the whole 40 x 40 cell except a notch in the top-right
// corner (x 30..39, y 0..5); inside it, cell pixel (15, 12) is white.
bool inSilhouette(int cx, int cy)
{
    return !(cx >= 30 && cy <= 5);
}

bool isWhiteSpot(int cx, int cy)
{
    return cx == 15 && cy == 12;
}

QRgb figurePixel(int column, int row, int cx, int cy)
{
    if (isWhiteSpot(cx, cy))
        return kWhite;
    return qRgb(40 + 5 * cx, 40 + 5 * cy, 10 + 3 * (19 * row + column));
}

void paintSheets(QImage& figure, QImage& mask)
{
    figure = filled({760, 160}, kWhite);
    mask = filled({760, 160}, kWhite);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 19; ++column)
            for (int cy = 0; cy < 40; ++cy)
                for (int cx = 0; cx < 40; ++cx)
                    if (inSilhouette(cx, cy)) {
                        figure.setPixel(40 * column + cx, 40 * row + cy, figurePixel(column, row, cx, cy));
                        mask.setPixel(40 * column + cx, 40 * row + cy, qRgb(0, 0, 0));
                    }
}

struct Draw {
    int x, y;         // POS_X, POS_Y
    int column, row;  // where in the sheet the cell lies
};

// The view after the given draws over a view that showed kStale everywhere.
QImage expectedView(const std::vector<Draw>& draws)
{
    QImage view = filled({kViewW, kViewH}, kStale);
    for (const Draw& d : draws) {
        for (int ty = 0; ty < 200; ++ty)
            for (int tx = 0; tx < 200; ++tx) {
                const int X = d.x + tx, Y = d.y + ty;
                if (X < 0 || Y < 0 || X >= kViewW || Y >= kViewH)
                    continue;
                QRgb c = arenaPixel(X, Y);
                if (tx >= 40 && tx < 160 && ty >= 40 && ty < 160) {
                    const int cx = (tx - 40) / 3, cy = (ty - 40) / 3;
                    if (inSilhouette(cx, cy))
                        c = figurePixel(d.column, d.row, cx, cy);
                }
                view.setPixel(X, Y, c);
            }
    }
    return view;
}

std::string hex(QRgb c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06x", c & 0xFFFFFF);
    return buf;
}

// Compares two pictures of the same size; reports the first differing pixel
// and how many differ.
::testing::AssertionResult samePixels(const QImage& actual, const QImage& expected, const QRect& area)
{
    int differ = 0;
    std::string first;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb a = actual.pixel(x, y) & 0xFFFFFF;
            const QRgb e = expected.pixel(x, y) & 0xFFFFFF;
            if (a != e) {
                if (differ == 0)
                    first = "(" + std::to_string(x) + ", " + std::to_string(y) + ") is " + hex(a) + ", expected " + hex(e);
                ++differ;
            }
        }
    if (differ == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differ << " pixels differ, first " << first;
}

::testing::AssertionResult samePixels(const QImage& actual, const QImage& expected)
{
    return samePixels(actual, expected, actual.rect());
}

// ---- the athlete ----------------------------------------------------------------

struct Athlete : ::testing::Test {
    test::TestWorld w;
    void SetUp() override
    {
        w.am().BG = arenaPicture();
        paintSheets(w.am().CHA, w.am().M_CHA);
        view().fill(kStale);
    }
    QImage& view() { return w.am().BGV->image(); }
    void drawAt(int x, int y, std::int16_t cell)
    {
        w.s.POS_X = x;
        w.s.POS_Y = y;
        DrawAthlete(cell);
    }
};

TEST_F(Athlete, FigureLiesThreeTimesEnlargedOverTheCleanArena)
{
    drawAt(100, 50, 20); // cell 20: row 1, column 2
    EXPECT_TRUE(samePixels(view(), expectedView({{100, 50, 2, 1}})));

    // Read in plain numbers: the figure's top-left cell pixel fills the 3 x 3
    // block at (POS_X + 40, POS_Y + 40); the row and column before it are arena.
    for (int dy = 0; dy < 3; ++dy)
        for (int dx = 0; dx < 3; ++dx)
            EXPECT_EQ(view().pixel(140 + dx, 90 + dy), figurePixel(2, 1, 0, 0)) << dx << "," << dy;
    EXPECT_EQ(view().pixel(139, 90), arenaPixel(139, 90));
    EXPECT_EQ(view().pixel(140, 89), arenaPixel(140, 89));
    // The next cell pixel to the right starts three view pixels on.
    EXPECT_EQ(view().pixel(143, 90), figurePixel(2, 1, 1, 0));
    // White inside the figure stays white; the notch outside the silhouette shows the arena.
    EXPECT_EQ(view().pixel(140 + 45, 90 + 36), kWhite);
    EXPECT_EQ(view().pixel(140 + 47, 90 + 38), kWhite);
    EXPECT_EQ(view().pixel(140 + 100, 90 + 10), arenaPixel(240, 100));
    // The tile replaced what only the view showed; outside it the view is untouched.
    EXPECT_EQ(view().pixel(100, 50), arenaPixel(100, 50));
    EXPECT_EQ(view().pixel(299, 249), arenaPixel(299, 249));
    EXPECT_EQ(view().pixel(99, 50), kStale);
    EXPECT_EQ(view().pixel(300, 50), kStale);
    EXPECT_EQ(view().pixel(100, 250), kStale);
}

TEST_F(Athlete, TheNextTileWipesTheLastFigureOnlyWithin40Pixels)
{
    struct Case {
        int dx, dy;
        bool trace;
    };
    const Case cases[] = {
        {40, 0, false}, {-40, 0, false}, {0, 40, false}, {0, -40, false}, {40, 40, false},
        {41, 0, true},  {-41, 0, true},  {0, 41, true},  {0, -41, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("moved " + std::to_string(c.dx) + ", " + std::to_string(c.dy));
        view().fill(kStale);
        const Draw first{200, 80, 10, 0}, second{200 + c.dx, 80 + c.dy, 11, 0};
        drawAt(first.x, first.y, 10);
        drawAt(second.x, second.y, 11);
        EXPECT_TRUE(samePixels(view(), expectedView({first, second})));

        // What remains of the first tile outside the second: arena only, or a strip of the old figure.
        const QRect newTile(second.x, second.y, 200, 200);
        int figureLeft = 0;
        for (int y = first.y; y < first.y + 200; ++y)
            for (int x = first.x; x < first.x + 200; ++x)
                if (!newTile.contains(x, y) && view().pixel(x, y) != arenaPixel(x, y))
                    ++figureLeft;
        if (c.trace)
            EXPECT_GT(figureLeft, 0);
        else
            EXPECT_EQ(figureLeft, 0);
    }
}

TEST_F(Athlete, CellsAreReadFromTheirPlaceInTheSheet)
{
    struct Case {
        std::int16_t cell;
        int column, row;
    };
    const Case cases[] = {
        {0, 0, 0},   {17, 17, 0}, {18, 0, 1},  {35, 17, 1}, {54, 0, 3},  {71, 17, 3},
        {72, 18, 0}, {73, 18, 1}, {74, 18, 2}, {75, 18, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("cell " + std::to_string(c.cell));
        EXPECT_EQ(CellOrigin(c.cell), QPoint(40 * c.column, 40 * c.row));
        view().fill(kStale);
        drawAt(300, 95, c.cell);
        EXPECT_TRUE(samePixels(view(), expectedView({{300, 95, c.column, c.row}})));
        EXPECT_EQ(view().pixel(340 + 60, 135 + 60), figurePixel(c.column, c.row, 20, 20));
    }
}

TEST_F(Athlete, DrawsOnlyBetweenMinus190And750)
{
    // Before each case the athlete stands in the middle; a draw off the range leaves that image.
    struct Case {
        int x;
        bool drawn;
    };
    const Case cases[] = {{-190, true}, {750, true}, {-191, false}, {751, false}, {-500, false}, {2000, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE("POS_X " + std::to_string(c.x));
        view().fill(kStale);
        drawAt(300, 95, 5);
        const QImage before = view().copy();
        drawAt(c.x, 95, 6);
        if (c.drawn) {
            QImage expected = expectedView({{300, 95, 5, 0}, {c.x, 95, 6, 0}});
            EXPECT_TRUE(samePixels(view(), expected));
            // The visible part of the tile is its arena margin.
            const int edge = c.x < 0 ? 0 : kViewW - 1;
            EXPECT_EQ(view().pixel(edge, 100), arenaPixel(edge, 100));
        } else {
            EXPECT_TRUE(samePixels(view(), before));
        }
    }
}

TEST_F(Athlete, TileAboveTheViewIsClipped)
{
    drawAt(300, -20, 30); // cell 30: row 1, column 12
    EXPECT_TRUE(samePixels(view(), expectedView({{300, -20, 12, 1}})));
    // The figure's top row lands on view row 20, the arena above it on rows 0..19.
    EXPECT_EQ(view().pixel(340, 20), figurePixel(12, 1, 0, 0));
    EXPECT_EQ(view().pixel(340, 19), arenaPixel(340, 19));
    EXPECT_EQ(view().pixel(300, 0), arenaPixel(300, 0));
    EXPECT_EQ(view().pixel(300, 180), kStale);
    EXPECT_EQ(w.am().Dummy.size(), QSize(200, 200));
}

// The figure itself cut by each edge of the view, and by two at once.
TEST_F(Athlete, FigureCutByTheEdgesOfTheView)
{
    const QPoint places[] = {{-150, 95}, {-100, 95}, {-41, 95}, {620, 95}, {700, 95}, {300, -100},
                             {300, -138}, {300, 200}, {300, 259}, {-120, -90}, {700, 240}};
    for (const QPoint at : places) {
        SCOPED_TRACE("at " + std::to_string(at.x()) + ", " + std::to_string(at.y()));
        view().fill(kStale);
        drawAt(at.x(), at.y(), 42); // cell 42: row 2, column 6
        EXPECT_TRUE(samePixels(view(), expectedView({{at.x(), at.y(), 6, 2}})));
    }
}

// The game's RGB32 pictures take a hand-written path; pictures in any other
// format go through QPainter. Both must compose the same tile, edges included.
TEST(ComposeTile, HandWrittenPathMatchesThePainter)
{
    auto noise = [](QSize size, unsigned seed) {
        QImage img(size, QImage::Format_RGB32);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                seed = seed * 1664525u + 1013904223u;
                img.setPixel(x, y, 0xff000000u | (seed >> 8));
            }
        return img;
    };
    const QImage bg = noise({786, 300}, 1), mask = noise({760, 160}, 2), figure = noise({760, 160}, 3);
    const auto other = [](const QImage& img) { return img.convertToFormat(QImage::Format_ARGB32_Premultiplied); };
    for (const QPoint at : {QPoint(0, 95), QPoint(-190, -20), QPoint(750, 250), QPoint(300, 120)}) {
        for (const int cell : {0, 25, 71, 72, 75}) {
            SCOPED_TRACE("at " + std::to_string(at.x()) + "," + std::to_string(at.y()) + " cell " + std::to_string(cell));
            QImage fast = noise({200, 200}, 4);
            QImage painted = other(fast);
            ComposeTile(fast, bg, mask, figure, at, cell);
            ComposeTile(painted, other(bg), other(mask), other(figure), at, cell);
            EXPECT_TRUE(samePixels(fast, painted));
        }
    }
}

// ---- scoreboard digits ------------------------------------------------------------

// Glyph cell k of the digit font: colours tell k (red) and the pixel inside the glyph.
QRgb glyphPixel(int k, int gx, int gy)
{
    return qRgb(10 + 20 * k, 10 + 30 * gx, 10 + 15 * gy);
}

QImage digitFont()
{
    // Row 15 and the area from x 96 on are never read: they are magenta.
    QImage img = filled({200, 16}, qRgb(255, 0, 255));
    for (int k = 0; k < 12; ++k)
        for (int gy = 0; gy < 15; ++gy)
            for (int gx = 0; gx < 8; ++gx)
                img.setPixel(8 * k + gx, gy, glyphPixel(k, gx, gy));
    return img;
}

const QRgb kBoard = qRgb(0, 0, 1);

// Which glyph (0 blank, 1..10 the digits 0..9, 11 the full stop) fills the
// 8 x 15 block at (x, y) exactly; -1 if none does.
int glyphAt(const QImage& board, int x, int y)
{
    for (int k = 0; k < 12; ++k) {
        bool all = true;
        for (int gy = 0; gy < 15 && all; ++gy)
            for (int gx = 0; gx < 8 && all; ++gx)
                all = (board.pixel(x + gx, y + gy) & 0xFFFFFF) == (glyphPixel(k, gx, gy) & 0xFFFFFF);
        if (all)
            return k;
    }
    return -1;
}

struct Scoreboard : ::testing::Test {
    test::TestWorld w;
    void SetUp() override
    {
        w.am().N_FONT = digitFont();
        board().fill(kBoard);
    }
    QImage& board() { return w.am().HAI->image(); }
    std::vector<int> glyphs(int x, int y, int length)
    {
        std::vector<int> out;
        for (int k = 0; k < length; ++k)
            out.push_back(glyphAt(board(), x + 8 * k, y));
        return out;
    }
    // Pixels outside area that are no longer the plain board.
    int changedOutside(const QRect& area)
    {
        int n = 0;
        for (int y = 0; y < board().height(); ++y)
            for (int x = 0; x < board().width(); ++x)
                if (!area.contains(x, y) && (board().pixel(x, y) & 0xFFFFFF) != (kBoard & 0xFFFFFF))
                    ++n;
        return n;
    }
};

TEST_F(Scoreboard, JudgeMarkLandsAtItsFieldAndRow)
{
    PutScore(3, "9.7", 2);
    EXPECT_EQ(glyphAt(board(), 277, 533), 10); // 9, source x 80
    EXPECT_EQ(glyphAt(board(), 285, 533), 11); // full stop, source x 88
    EXPECT_EQ(glyphAt(board(), 293, 533), 8);  // 7, source x 64
    EXPECT_EQ(changedOutside(QRect(277, 533, 24, 15)), 0);
}

TEST_F(Scoreboard, TextIsNormalisedRightAlignedAndCut)
{
    // Every field first holds 8s in all its cells, so a cell the text leaves
    // out shows whether the field was cleared.
    struct Case {
        std::int16_t field;
        int row;
        const char* text;
        int x, length;
        std::vector<int> glyphs;
    };
    const Case cases[] = {
        {3, 2, "9.7", 277, 3, {10, 11, 8}},
        {11, 0, "85.3", 664, 4, {9, 6, 11, 4}},          // fills x 664..695
        {11, 1, "9.5", 664, 4, {0, 10, 11, 6}},          // starts at x 672
        {11, 2, "100.0", 664, 4, {2, 1, 1, 11}},         // last digit dropped
        {12, 3, "1234.5", 716, 5, {2, 3, 4, 5, 11}},     // 1234. and the 5 dropped
        {12, 0, "62.0", 716, 5, {0, 7, 3, 11, 1}},
        {1, 0, "10", 181, 3, {0, 2, 1}},                 // blank, 1, 0
        {10, 3, "  9.7", 613, 3, {10, 11, 8}},           // leading spaces removed
        {4, 1, "1a2", 325, 3, {2, 0, 3}},                // letters are blanks
        {5, 1, "XY", 373, 3, {0, 0, 0}},
        {6, 2, "9 7", 421, 3, {10, 0, 8}},               // an inner space is a blank
        {7, 3, " ", 469, 3, {0, 0, 0}},                  // clears the field
        {8, 0, "", 517, 3, {0, 0, 0}},
        {9, 1, "\xEF\xBC\x95.\xEF\xBC\x95", 565, 3, {6, 11, 6}}, // full-width digits as they are
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("field ") + std::to_string(c.field) + " text '" + c.text + "'");
        board().fill(kBoard);
        const int y = 469 + 32 * c.row;
        PutScore(c.field, "8888888", c.row);
        PutScore(c.field, QString::fromUtf8(c.text), c.row);
        EXPECT_EQ(glyphs(c.x, y, c.length), c.glyphs);
        EXPECT_EQ(changedOutside(QRect(c.x, y, 8 * c.length, 15)), 0);
    }
}

// ---- arena --------------------------------------------------------------------------

// Face sheet: icon 0 the mask (black x 3..12, y 4..15), icons 1..46 faces of
// the same silhouette whose colour tells the icon number.
bool inFace(int fx, int fy)
{
    return fx >= 3 && fx <= 12 && fy >= 4;
}

QRgb facePixel(int icon)
{
    return qRgb(5 * icon, 100, 200 - icon);
}

QImage faceSheet()
{
    QImage img = filled({752, 16}, kWhite);
    for (int fy = 0; fy < 16; ++fy)
        for (int fx = 0; fx < 16; ++fx)
            if (inFace(fx, fy)) {
                img.setPixel(fx, fy, qRgb(0, 0, 0));
                for (int icon = 1; icon <= 46; ++icon)
                    img.setPixel(16 * icon + fx, fy, facePixel(icon));
            }
    return img;
}

// The three draws that place one face at stand column c, row r with icon f.
std::vector<double> faceDraws(int c, int r, int f)
{
    return {(c + 0.5) / 51, (r + 0.5) / 10, (f - 1 + 0.5) / 46};
}

// The icon shown in stand cell (c, r), 0 for the plain arena, -1 for anything else.
int faceAt(const QImage& img, int c, int r)
{
    bool arena = true;
    int icon = -2;
    for (int fy = 0; fy < 16; ++fy)
        for (int fx = 0; fx < 16; ++fx) {
            const int x = 16 * c + fx, y = 16 * r + fy;
            const QRgb p = img.pixel(x, y) & 0xFFFFFF;
            if (p != (arenaPixel(x, y) & 0xFFFFFF))
                arena = false;
            if (!inFace(fx, fy)) {
                if (p != (arenaPixel(x, y) & 0xFFFFFF))
                    return -1; // the face's white background must not show
                continue;
            }
            int here = -1;
            for (int f = 1; f <= 46; ++f)
                if (p == (facePixel(f) & 0xFFFFFF))
                    here = f;
            if (icon == -2)
                icon = here;
            else if (icon != here)
                icon = -1;
        }
    return arena ? 0 : icon;
}

struct ArenaDisplay : ::testing::Test {
    test::TestWorld w;
    void SetUp() override
    {
        w.am().M_BG = arenaPicture();
        w.am().KAO = faceSheet();
        ResetArena();
        view().fill(kStale);
    }
    QImage& view() { return w.am().BGV->image(); }
    QImage& bg() { return w.am().BG; }
    // Supplies the given faces first, then enough faces in stand cell (0, 9)
    // with icon 1 for a crowd of `total`.
    void supplyCrowd(const std::vector<std::vector<double>>& draws, int faces, int total)
    {
        std::vector<double> all;
        for (const auto& d : draws)
            all.insert(all.end(), d.begin(), d.end());
        for (int i = faces; i < total; ++i) {
            const auto d = faceDraws(0, 9, 1);
            all.insert(all.end(), d.begin(), d.end());
        }
        w.platform.random.supply(all);
    }
};

TEST_F(ArenaDisplay, CrowdGrowsByFiveFacesAMatch)
{
    struct Case {
        int match, faces;
    };
    const Case cases[] = {{1, 66}, {3, 76}, {10, 111}};
    for (const Case& c : cases) {
        SCOPED_TRACE("match " + std::to_string(c.match));
        w.s.MATCH_NO = c.match;
        supplyCrowd({}, 0, c.faces);
        const auto before = w.platform.random.drawsTaken();
        DrawCrowd();
        EXPECT_EQ(w.platform.random.drawsTaken() - before, 3u * c.faces);
    }
}

TEST_F(ArenaDisplay, FacesArePastedWithoutTheirBackgroundAndShownOnTheView)
{
    w.s.MATCH_NO = 1;
    supplyCrowd({faceDraws(5, 3, 24), faceDraws(12, 0, 46), faceDraws(48, 9, 1), faceDraws(20, 7, 2), faceDraws(20, 7, 3)}, 5, 66);
    DrawCrowd();
    EXPECT_EQ(faceAt(bg(), 5, 3), 24);
    EXPECT_EQ(faceAt(bg(), 12, 0), 46);
    EXPECT_EQ(faceAt(bg(), 48, 9), 1);
    EXPECT_EQ(faceAt(bg(), 20, 7), 3); // a later face in the same cell replaces the earlier
    EXPECT_EQ(faceAt(bg(), 0, 9), 1);
    EXPECT_EQ(faceAt(bg(), 6, 3), 0);
    // After all faces the whole arena copy is on the view.
    EXPECT_TRUE(samePixels(view(), bg()));
}

TEST_F(ArenaDisplay, AisleColumnsAreDrawnAgainWithRowAndIcon)
{
    struct Case {
        int column;
        bool redrawn;
    };
    const Case cases[] = {{11, true}, {24, true}, {37, true}, {46, true}, {10, false}, {12, false}, {25, false}, {45, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE("column " + std::to_string(c.column));
        ResetArena();
        w.s.MATCH_NO = 1;
        // The first face asks for (column, 2) icon 7; if that is drawn again, (30, 4) icon 9 follows.
        supplyCrowd({faceDraws(c.column, 2, 7), faceDraws(30, 4, 9)}, c.redrawn ? 1 : 2, 66);
        const auto before = w.platform.random.drawsTaken();
        DrawCrowd();
        EXPECT_EQ(w.platform.random.drawsTaken() - before, 3u * 66 + (c.redrawn ? 3u : 0u));
        EXPECT_EQ(faceAt(bg(), c.column, 2), c.redrawn ? 0 : 7);
        EXPECT_EQ(faceAt(bg(), 30, 4), 9);
    }
}

TEST_F(ArenaDisplay, RecordLineIsTheSameOnViewAndArenaCopy)
{
    const QRect strip(530, 164, 256, 27); // (530..785, 164..190)
    const auto check = [&](const char* what) {
        SCOPED_TRACE(what);
        EXPECT_TRUE(samePixels(view(), bg(), strip));
        // The text starts at (550, 165) on white; the rows around the strip are untouched.
        int left = kViewW, top = kViewH, dark = 0;
        for (int y = strip.top(); y <= strip.bottom(); ++y)
            for (int x = strip.left(); x <= strip.right(); ++x)
                if (qGray(view().pixel(x, y)) < 128) {
                    ++dark;
                    left = std::min(left, x);
                    top = std::min(top, y);
                }
        EXPECT_GT(dark, 50);
        EXPECT_GE(left, 550);
        EXPECT_LT(left, 560);
        EXPECT_GE(top, 165);
        EXPECT_EQ(view().pixel(530, 164), kWhite);
        EXPECT_EQ(view().pixel(785, 190), kWhite);
        EXPECT_EQ(bg().pixel(530, 190), kWhite);
        EXPECT_EQ(bg().pixel(529, 170), arenaPixel(529, 170));
        EXPECT_EQ(bg().pixel(600, 163), arenaPixel(600, 163));
        EXPECT_EQ(bg().pixel(600, 191), arenaPixel(600, 191));
    };
    // ResetArena ends with the record line on both; the view showed only stale pixels before.
    view().fill(kStale);
    ResetArena();
    EXPECT_EQ(view().pixel(529, 170), kStale);
    EXPECT_EQ(view().pixel(600, 191), kStale);
    check("after ResetArena");

    w.s.RECORD = 512.25;
    w.s.RECORD_NAME = "Kezora";
    DrawRecordBoard();
    check("a new record");

    // Copying the arena copy onto the view leaves the line as it was.
    const QImage line = view().copy(strip);
    w.s.MATCH_NO = 1;
    supplyCrowd({}, 0, 66);
    DrawCrowd();
    EXPECT_TRUE(samePixels(view().copy(strip), line));
}

TEST_F(ArenaDisplay, NewTournamentStartsWithEmptyStands)
{
    w.s.MATCH_NO = 1;
    supplyCrowd({faceDraws(5, 3, 24)}, 1, 66);
    DrawCrowd();
    ASSERT_EQ(faceAt(view(), 5, 3), 24);

    w.s.ATH_STATE[7] = 0;
    w.s.ATH_SCORE[7] = 70.5;
    w.s.ATH_TOTAL[7] = 300;
    w.s.CUR_SEAT = 2;
    ResetArena();
    EXPECT_EQ(w.s.MATCH_NO, 0);
    EXPECT_EQ(w.s.CUR_SEAT, 0);
    EXPECT_EQ(w.s.ATH_STATE[7], 1);
    EXPECT_EQ(w.s.ATH_SCORE[7], 0);
    EXPECT_EQ(w.s.ATH_TOTAL[7], 0);

    w.s.MATCH_NO = 1;
    supplyCrowd({}, 0, 66); // every face in stand cell (0, 9)
    DrawCrowd();
    EXPECT_EQ(faceAt(view(), 5, 3), 0);
    // Everything but that one cell and the record strip is the clean arena.
    QImage expected = arenaPicture();
    const QRect strip(530, 164, 256, 27);
    const QRect cell(0, 144, 16, 16);
    for (int y = 0; y < kViewH; ++y)
        for (int x = 0; x < kViewW; ++x)
            if (strip.contains(x, y) || cell.contains(x, y))
                expected.setPixel(x, y, view().pixel(x, y));
    EXPECT_TRUE(samePixels(view(), expected));
}

// ---- message lines ------------------------------------------------------------------

struct MessageLines : ::testing::Test {
    test::TestWorld w;
    struct Step {
        double at;
        int top;
    };
    std::vector<Step> steps;
    QLabel* label(int line) { return line == 0 ? w.am().L_MES1 : w.am().L_MES2; }
    // The label's top at every pause of a ShowMessage call.
    std::vector<Step> slide(int line, const QString& text)
    {
        steps.clear();
        QLabel* l = label(line == 0 ? 0 : 1);
        w.clock.onAdvance = [this, l](double t) { steps.push_back({t, l->y()}); };
        ShowMessage(line, text);
        w.clock.onAdvance = nullptr;
        return steps;
    }
};

TEST_F(MessageLines, TextSlidesUpOnePixelAPause)
{
    struct Case {
        int line, start, stepMs;
    };
    const Case cases[] = {{0, 33, 1}, {1, 66, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE("line " + std::to_string(c.line));
        for (int round = 0; round < 2; ++round) { // the same text again slides again
            const double t0 = w.clock.now();
            const auto got = slide(c.line, "審査員評価");
            ASSERT_EQ(got.size(), static_cast<size_t>(c.start + 1));
            for (int i = 0; i <= c.start; ++i) {
                EXPECT_EQ(got[i].top, c.start - i) << "step " << i;
                EXPECT_DOUBLE_EQ(got[i].at, t0 + c.stepMs * (i + 1)) << "step " << i;
            }
            EXPECT_DOUBLE_EQ(w.clock.now() - t0, (c.start + 1) * c.stepMs); // 34 ms, 335 ms
            EXPECT_EQ(label(c.line)->text(), QString("審査員評価"));
            EXPECT_EQ(label(c.line)->geometry(), QRect(0, 0, 417, 49));
        }
    }
}

TEST_F(MessageLines, EmptyTextSlidesToo)
{
    slide(1, "Game Over");
    const auto got = slide(1, "");
    EXPECT_EQ(got.size(), 67u);
    EXPECT_EQ(label(1)->text(), QString());
}

TEST_F(MessageLines, OtherLinesDoNothing)
{
    slide(0, "Game Start");
    slide(1, "評価");
    for (int line : {2, -1, 3}) {
        SCOPED_TRACE("line " + std::to_string(line));
        const double t0 = w.clock.now();
        EXPECT_TRUE(slide(line, "試合終了").empty());
        EXPECT_EQ(w.clock.now(), t0);
        EXPECT_EQ(label(0)->text(), QString("Game Start"));
        EXPECT_EQ(label(1)->text(), QString("評価"));
        EXPECT_EQ(label(0)->pos(), QPoint(0, 0));
        EXPECT_EQ(label(1)->pos(), QPoint(0, 0));
    }
}

// ---- display modes ------------------------------------------------------------------

TEST(DisplayMode, WindowSizesInTwips)
{
    EXPECT_EQ(MainWindowTwips(0), QSize(12135, 9705));
    EXPECT_EQ(TitleWindowTwips(0), QSize(4845, 5700));
    EXPECT_EQ(MainWindowTwips(1), QSize(9684, 7848));
    EXPECT_EQ(TitleWindowTwips(1), QSize(3876, 4608));
}

TEST(DisplayMode, SmallFontScreensByWidthAndHeight)
{
    struct Case {
        int w, h, large;
    };
    const Case cases[] = {
        {15360, 12288, 1}, // 1280 x 1024 at 12 twips per pixel
        {19200, 15360, 0}, // the same screen at 15 twips per pixel
        {19200, 14400, 1}, {13824, 9216, 1}, {12288, 10368, 1},
        {19200, 9216, 1},  // any listed width with any listed height
        {12288, 14400, 1}, {14400, 19200, 0}, {15360, 15360, 0},
        {15361, 12288, 0}, {15360, 12287, 0}, {12000, 9000, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LargeFontFor(c.w, c.h), c.large) << c.w << " x " << c.h;
}

struct DisplayModes : ::testing::TestWithParam<int> {
    test::TestWorld w;
};

TEST_P(DisplayModes, FontsFollowTheModeAndRectanglesStay)
{
    const int large = GetParam();
    Am& a = w.am();
    // Every control starts somewhere else, so the layout has to place each one.
    QList<QWidget*> all = {a.SELE, a.GM_START, a.LMES, a.L_MES1, a.LMES2, a.L_MES2, a.S_PIC,
                           a.Pic, a.SLIST, a.List, a.Pre, a.Are};
    for (int k = 0; k < 4; ++k)
        all << a.SEL[k] << a.L_NM[k];
    for (QWidget* c : all)
        c->setGeometry(1, 2, 3, 4);

    w.s.LARGE_FONT = large;
    ApplyLayout();

    EXPECT_EQ(a.outerSizeTwips, MainWindowTwips(large));

    const bool big = large == 1;
    EXPECT_DOUBLE_EQ(a.BGV->font().pointSizeF(), big ? 13 : 18);
    EXPECT_DOUBLE_EQ(a.SLIST->font().pointSizeF(), big ? 7 : 9);
    EXPECT_DOUBLE_EQ(a.List->font().pointSizeF(), big ? 7 : 9);
    EXPECT_DOUBLE_EQ(a.L_MES1->font().pointSizeF(), big ? 22 : 24);
    EXPECT_DOUBLE_EQ(a.L_MES2->font().pointSizeF(), big ? 22 : 27.75);
    EXPECT_EQ(a.BGV->font().family(), QString("IPAMincho"));
    EXPECT_EQ(a.SLIST->font().family(), QString("IPAGothic"));
    EXPECT_EQ(a.L_MES1->font().family(), QString("IPAPGothic"));
    for (int k = 0; k < 4; ++k) {
        EXPECT_DOUBLE_EQ(a.L_NM[k]->font().pointSizeF(), big ? 10 : 15.75) << k;
        EXPECT_TRUE(a.L_NM[k]->font().bold()) << k;
        EXPECT_EQ(a.L_NM[k]->font().family(), QString("IPAGothic")) << k;
    }

    struct Place {
        const char* name;
        QWidget* control;
        QRect rect;
    };
    std::vector<Place> places = {
        {"SELE", a.SELE, {16, 368, 417, 49}},     {"GM_START", a.GM_START, {320, 0, 97, 48}},
        {"LMES", a.LMES, {16, 312, 417, 49}},     {"L_MES1", a.L_MES1, {0, 0, 417, 49}},
        {"LMES2", a.LMES2, {16, 368, 417, 49}},   {"L_MES2", a.L_MES2, {0, 0, 417, 49}},
        {"S_PIC", a.S_PIC, {440, 336, 169, 81}},  {"Pic", a.Pic, {616, 336, 169, 81}},
        {"SLIST", a.SLIST, {0, 0, 169, 86}},      {"List", a.List, {0, 0, 169, 86}},
        {"Pre", a.Pre, {240, 64, 273, 49}},       {"Are", a.Are, {240, 64, 273, 49}},
    };
    for (int k = 0; k < 4; ++k) {
        places.push_back({"SEL", a.SEL[k], {80 * k, 0, 81, 48}});
        places.push_back({"L_NM", a.L_NM[k], {32, 464 + 32 * k, 137, 25}});
    }
    for (const Place& p : places)
        EXPECT_EQ(p.control->geometry(), p.rect) << p.name;
}

INSTANTIATE_TEST_SUITE_P(Both, DisplayModes, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 1 ? "LargeFont1" : "LargeFont0"; });

} // namespace
