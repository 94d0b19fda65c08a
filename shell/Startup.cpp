#include "shell/Startup.h"

#include "game/GameState.h"
#include "game/PerformanceTurn.h"
#include "game/World.h"
#include "platform/Platform.h"
#include "shell/Am.h"
#include "shell/Layout.h"
#include "shell/Settings.h"
#include "shell/Sound.h"
#include "shell/TitleWindow.h"

#include <QGuiApplication>
#include <QScreen>

namespace kz {

namespace {

void centre(QWidget* w, QSize outerTwips, int tpp, QSize screenPx)
{
    const QSize outer(outerTwips.width() / tpp, outerTwips.height() / tpp);
    w->move((screenPx.width() - outer.width()) / 2, (screenPx.height() - outer.height()) / 2);
}

} // namespace

void StartUp()
{
    auto& s = state();
    auto& a = am();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenPx = screen ? screen->size() : QSize(1024, 768);
    const int tpp = TwipsPerPixel();
    s.LARGE_FONT = LargeFontFor(screenPx.width() * tpp, screenPx.height() * tpp);
    PlaySound(20);

    auto* title = new TitleWindow;
    a.atitle = title;
    ApplyLayout();
    centre(title, TitleWindowTwips(s.LARGE_FONT), tpp, screenPx);
    centre(&a, a.outerSizeTwips, tpp, screenPx);

    a.BGV->setImage(a.M_BG);
    a.BG = a.M_BG;
    const char* defaults[4] = {"A選手", "B選手", "C選手", "D選手"};
    for (int seat = 0; seat < kSeats; ++seat) {
        a.setNameCaption(seat, " ");
        s.PL_NAME[seat] = QString::fromUtf8(defaults[seat]);
    }
    SendDeviceCommand("open sequencer");
    LoadOpponentNames();
    LoadSettings();
    for (int seat = 0; seat < kSeats; ++seat)
        a.setNameCaption(seat, s.PL_NAME[seat]);
    PlayMusic(0);
    title->show();
    sys().note("title shown");
    title->beginWaiting();
    s.STOP_FLAG = 1;
}

} // namespace kz
