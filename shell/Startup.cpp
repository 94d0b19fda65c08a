#include "shell/Startup.h"

#include "game/GameState.h"
#include "game/PerformanceTurn.h"
#include "game/World.h"
#include "platform/Platform.h"
#include "shell/Am.h"
#include "shell/Settings.h"
#include "shell/Sound.h"

#include <QPushButton>

namespace kz {

void StartUp()
{
    auto& s = state();
    auto& a = am();
    PlaySound(20);
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
    s.STOP_FLAG = 1;
    a.show();
    a.GM_START->setFocus();
}

} // namespace kz
