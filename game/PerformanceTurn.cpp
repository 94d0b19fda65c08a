#include "game/PerformanceTurn.h"

#include "game/GameState.h"
#include "game/Tournament.h"
#include "game/World.h"
#include "performance/Motions.h"
#include "performance/Passes.h"
#include "platform/Platform.h"
#include "presentation/Messages.h"
#include "shell/Am.h"
#include "shell/Sound.h"

namespace kz {

int ForwardOutOfBounds(int x)
{
    if (x <= 635) return 0;
    if (x <= 640) return 1;
    if (x <= 650) return 2;
    if (x <= 660) return 3;
    if (x <= 700) return 5;
    if (x <= 2000) return 8;
    return 0;
}

int ReturnOutOfBounds(int x)
{
    if (x < -900) return 0;
    if (x <= -100) return 5;
    if (x <= -60) return 4;
    if (x <= -30) return 2;
    if (x <= -20) return 1;
    return 0;
}

static void resetPassInputs(GameState& s)
{
    s.MOVE_MODE = 0;
    s.JUMP_STEP = 0;
    s.FOOT_CNT = 0;
    s.HAND_CNT = 0;
    s.HAND_STEP = 0;
}

bool PerformTurn()
{
    auto& s = state();
    ShowMessage(1, am().nameCaption(s.CUR_SEAT) + "ｻﾝの演技");
    s.POS_X = 10;
    s.POS_Y = 95;
    s.SPEED_X = 1;
    s.FRAME_WAIT = static_cast<std::int16_t>(60 - 5 * s.MATCH_NO);
    if (s.FRAME_WAIT < 5)
        s.FRAME_WAIT = 5;
    WaitForAre();
    PlayMove("挨拶");
    if (s.STOP_FLAG == 1)
        return false;

    PlaySound(9);
    sys().pause(1000);
    for (int beep = 0; beep < 3; ++beep) {
        PlaySound(10);
        sys().pause(400);
    }

    s.SMALL_TECH = 0;
    s.BIG_TECH = 5;
    s.FAULT_SCORE = 10;
    s.SPEED_X = 1;
    s.SPEED_Y = 0;
    resetPassInputs(s);
    sys().note("pass forward");
    ForwardPass();
    s.FAULT_SCORE = static_cast<std::int16_t>(s.FAULT_SCORE - ForwardOutOfBounds(s.POS_X));

    resetPassInputs(s);
    s.SPEED_X = -8;
    sys().note("pass return");
    ReturnPass();
    s.FAULT_SCORE = static_cast<std::int16_t>(s.FAULT_SCORE - ReturnOutOfBounds(s.POS_X));

    if (s.STOP_FLAG == 1)
        return false;
    PlaySound(9);
    PlayMove("終わり");
    return true;
}

void ScoreOpponents()
{
    auto& s = state();
    auto& rnd = sys().random;
    for (s.ATH_NO = 0; s.ATH_NO < kOpponents; ++s.ATH_NO) {
        const int a = s.ATH_NO;
        if (s.ATH_STATE[a] != 1)
            continue;
        double v = s.BASE_LEVEL + 2 * rnd.next();
        if (rnd.draw(3) == 2) v -= 5 * rnd.next();
        if (rnd.draw(5) == 2) v += 5 * rnd.next();
        if (rnd.draw(10) == 2) v += 5 * rnd.next();
        if (rnd.draw(4) == 2) v -= 5 * rnd.next();
        if (a % 10 == 0) v += 5 * rnd.next();
        if (rnd.draw(3) != 2 && s.BASE_LEVEL < 80 && a % 8 == 0) v = 80 + 5 * rnd.next();
        if (rnd.draw(5) != 2 && s.BASE_LEVEL < 80 && a % 7 == 0) v = 80 + 5 * rnd.next();
        if (a % 9 == 0) v += 4 * rnd.next();
        if (v > 99.9) v = 99.9;
        s.ATH_SCORE[a] = v;
        s.ATH_MARK[a] = -1;
    }
}

void LoadOpponentNames()
{
    auto& s = state();
    for (int i = 0; i < kSlots; ++i)
        s.ATH_NAME[i] = QString::fromUtf8(kOpponentNames[i]);
}

} // namespace kz
