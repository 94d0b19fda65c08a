#include "shell/Layout.h"

#include "game/GameState.h"
#include "game/World.h"
#include "platform/Fonts.h"
#include "shell/Am.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <cmath>

namespace kz {

QSize MainWindowTwips(int largeFont)
{
    return largeFont == 1 ? QSize(9684, 7848) : QSize(12135, 9705);
}

QSize TitleWindowTwips(int largeFont)
{
    return largeFont == 1 ? QSize(3876, 4608) : QSize(4845, 5700);
}

int LargeFontFor(int w, int h)
{
    const bool width = w == 19200 || w == 13824 || w == 12288 || w == 15360;
    const bool height = h == 14400 || h == 9216 || h == 10368 || h == 12288;
    return width && height ? 1 : 0;
}

int TwipsPerPixel()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return std::max(1, static_cast<int>(std::lround(1440.0 / (dpi > 0 ? dpi : 96.0))));
}

void PlaceControls(Am& a)
{
    a.SELE->setGeometry(16, 368, 417, 49);
    for (int k = 0; k < 4; ++k) {
        a.SEL[k]->setGeometry(80 * k, 0, 81, 48);
        a.L_NM[k]->setGeometry(32, 464 + 32 * k, 137, 25);
    }
    a.GM_START->setGeometry(320, 0, 97, 48);
    a.LMES->setGeometry(16, 312, 417, 49);
    a.L_MES1->setGeometry(0, 0, 417, 49);
    a.LMES2->setGeometry(16, 368, 417, 49);
    a.L_MES2->setGeometry(0, 0, 417, 49);
    a.S_PIC->setGeometry(440, 336, 169, 81);
    a.Pic->setGeometry(616, 336, 169, 81);
    a.SLIST->setGeometry(0, 0, 169, 86);
    a.List->setGeometry(0, 0, 169, 86);
    a.Pre->setGeometry(240, 64, 273, 49);
    a.Are->setGeometry(240, 64, 273, 49);
}

void ApplyFonts(Am& a, int largeFont)
{
    const bool large = largeFont == 1;
    a.BGV->setFont(GameFont(Face::Mincho, large ? 13 : 18));
    a.SLIST->setFont(GameFont(Face::Gothic, large ? 7 : 9));
    a.List->setFont(GameFont(Face::Gothic, large ? 7 : 9));
    a.L_MES1->setFont(GameFont(Face::PGothic, large ? 22 : 24));
    a.L_MES2->setFont(GameFont(Face::PGothic, large ? 22 : 27.75));
    for (auto* l : a.L_NM)
        l->setFont(GameFont(Face::Gothic, large ? 10 : 15.75, true));
}

void ApplyLayout()
{
    auto& a = am();
    const int large = state().LARGE_FONT;
    const QSize twips = MainWindowTwips(large);
    a.outerSizeTwips = twips;
    ApplyFonts(a, large);
    PlaceControls(a);
}

} // namespace kz
