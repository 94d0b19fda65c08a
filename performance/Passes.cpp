#include "performance/Passes.h"

#include "game/GameState.h"
#include "game/World.h"
#include "performance/Motions.h"
#include "performance/SpriteRenderer.h"
#include "platform/Platform.h"
#include "shell/Sound.h"

namespace kz {

void CountHand()
{
    state().HAND_CNT += 1;
    sys().note("input hand");
}

void CountFoot()
{
    state().FOOT_CNT += 1;
    sys().note("input foot");
}

namespace {

// A frame the pass draws itself, followed by its rest.
void singleFrame(std::int16_t cell)
{
    DrawAthlete(cell);
    sys().pause(kSingleFramePause);
}

void endHandMove(GameState& s)
{
    s.SPEED_X = 8;
    s.HAND_STEP = 0;
    s.MOVE_MODE = 0;
    s.FOOT_CNT = 0;
    s.HAND_CNT = 0;
}

void comboBonus(GameState& s)
{
    if (s.COMBO_CNT == 4) {
        s.SMALL_TECH = static_cast<std::int16_t>(s.SMALL_TECH + 2);
        s.BIG_TECH = static_cast<std::int16_t>(s.BIG_TECH + 1);
        s.COMBO_CNT = 0;
    }
}

void fault(GameState& s)
{
    s.FAULT_SCORE = static_cast<std::int16_t>(s.FAULT_SCORE - 1);
}

void verticalMoveAndLanding(GameState& s)
{
    s.POS_Y += s.SPEED_Y;
    if (s.POS_Y > 95) {
        s.POS_Y = 95;
        s.SPEED_Y = 0;
        s.MOVE_MODE = 0;
        s.JUMP_STEP = 0;
    }
}

void forwardHandMove(GameState& s)
{
    auto& p = sys();
    const int step = s.HAND_STEP;
    if (step == 1) {
        s.SPEED_X = 0;
        s.SPEED_Y = 0;
        singleFrame(28);
        s.FOOT_CNT = 0;
        s.HAND_CNT = 0;
        s.HAND_STEP = 2;
    } else if (step >= 2 && step <= 30) {
        s.SPEED_X = 0;
        s.SPEED_Y = 0;
        singleFrame(28);
        s.HAND_STEP += 1;
        p.yield();
        if (s.HAND_CNT >= 1)
            s.HAND_STEP = 51;
        if (s.FOOT_CNT > 0)
            s.HAND_STEP = 55;
    } else if (step >= 31 && step <= 40) {
        endHandMove(s);
    } else if (step == 51) {
        p.yield();
        PlayMove("側転");
        p.yield();
        if (s.HAND_CNT >= 2)
            s.HAND_STEP = 52;
        else
            endHandMove(s);
    } else if (step == 52) {
        PlayMove("側転2");
        p.yield();
        if (s.HAND_CNT >= 4)
            s.HAND_STEP = 53;
        else
            endHandMove(s);
    } else if (step == 53) {
        PlayMove("側転2");
        p.yield();
        if (s.HAND_CNT >= 2)
            s.HAND_STEP = 54;
        else
            endHandMove(s);
    } else if (step == 54) {
        PlayMove("側転2");
        p.yield();
        endHandMove(s);
    } else if (step == 55) {
        PlayMove("ハンド");
        endHandMove(s);
    }
}

} // namespace

void ForwardPass()
{
    auto& s = state();
    auto& p = sys();
    while (s.SPEED_X >= 0) {
        if (s.STOP_FLAG == 1)
            return;
        p.yield();
        if (s.FOOT_CNT >= 1 && s.JUMP_STEP == 0 && s.HAND_STEP == 0) {
            s.COMBO_CNT = 0;
            s.MOVE_MODE = 2;
            s.JUMP_STEP = 1;
            s.FOOT_CNT = 0;
            s.HAND_STEP = 0;
        }
        if (s.HAND_CNT >= 1 && s.JUMP_STEP == 0 && s.HAND_STEP == 0) {
            s.MOVE_MODE = 1;
            s.HAND_STEP = 1;
            s.HAND_CNT = 0;
        }
        if (s.FOOT_CNT > 3)
            fault(s);
        if (s.HAND_CNT > 5)
            fault(s);

        switch (s.MOVE_MODE) {
        case 0:
            s.SPEED_X = 8;
            PlayMove("走る");
            if (s.POS_X > 500)
                fault(s);
            break;
        case 1:
            forwardHandMove(s);
            break;
        case 2:
            if (s.HAND_CNT >= 1 && s.POS_Y < 80) {
                s.HAND_CNT = 0;
                PlayMove("前宙");
                s.SPEED_Y = 5;
                s.COMBO_CNT += 1;
            }
            comboBonus(s);
            if (s.JUMP_STEP == 1) {
                singleFrame(9);
                s.JUMP_STEP = 2;
                s.SPEED_Y = 0;
            } else if (s.JUMP_STEP == 2) {
                PlaySound(3);
                singleFrame(10);
                s.JUMP_STEP = 3;
                s.SPEED_Y = -5;
                s.POS_X += 1;
            } else if (s.JUMP_STEP >= 3 && s.JUMP_STEP <= 50) {
                if (s.POS_Y < -20) {
                    s.SPEED_Y = 5;
                    s.POS_Y = -20;
                }
                singleFrame(10);
                s.POS_X += 2;
                s.JUMP_STEP += 1;
            }
            break;
        default:
            break;
        }

        verticalMoveAndLanding(s);
        if (s.POS_X > 600 && s.JUMP_STEP == 0 && s.MOVE_MODE == 0)
            s.SPEED_X = -1;
        if (s.POS_X > 640 && s.JUMP_STEP == 0 && s.MOVE_MODE == 0)
            s.SPEED_X = -2;
    }
}

void ReturnPass()
{
    auto& s = state();
    auto& p = sys();
    while (s.SPEED_X <= 0) {
        if (s.STOP_FLAG == 1)
            return;
        p.yield();
        if (s.FOOT_CNT >= 1 && s.JUMP_STEP == 0 && s.HAND_STEP == 0) {
            s.HAND_CNT = 0;
            s.COMBO_CNT = 0;
            s.MOVE_MODE = 2;
            s.JUMP_STEP = 1;
            s.FOOT_CNT = 0;
            s.HAND_STEP = 0;
        }
        if (s.HAND_CNT >= 1 && s.JUMP_STEP == 0 && s.HAND_STEP == 0) {
            s.MOVE_MODE = 1;
            s.HAND_STEP = 1;
            s.HAND_CNT = 0;
        }
        p.yield();

        switch (s.MOVE_MODE) {
        case 0:
            s.SPEED_X = -8;
            PlayMove("戻る");
            if (s.POS_X < 50)
                fault(s);
            break;
        case 1:
            if (s.HAND_STEP == 1) {
                PlayMove("バク転");
                s.SPEED_X = -8;
                s.HAND_STEP = 0;
                s.MOVE_MODE = 0;
                s.FOOT_CNT = 0;
                s.HAND_CNT = 0;
            }
            break;
        case 2:
            p.yield();
            if (s.FOOT_CNT >= 1 && s.SPEED_Y < 0 && s.POS_Y > 65 && s.POS_Y < 95) {
                s.FOOT_CNT = 0;
                PlayMove("スワン");
                s.SPEED_Y = 5;
            }
            if (s.HAND_CNT >= 1 && s.POS_Y <= 65) {
                s.HAND_CNT = 0;
                PlayMove("後宙");
                s.SPEED_Y = 5;
                s.COMBO_CNT += 1;
            }
            comboBonus(s);
            if (s.JUMP_STEP == 1) {
                singleFrame(9);
                s.JUMP_STEP = 2;
                s.SPEED_Y = 0;
            } else if (s.JUMP_STEP == 2) {
                PlaySound(3);
                singleFrame(10);
                s.JUMP_STEP = 3;
                s.SPEED_Y = -5;
                s.POS_X -= 2;
            } else if (s.JUMP_STEP >= 3 && s.JUMP_STEP <= 50) {
                if (s.POS_Y < -20) {
                    s.SPEED_Y = 5;
                    s.POS_Y = -20;
                    s.POS_X -= 2;
                }
                singleFrame(10);
                s.JUMP_STEP += 1;
                s.POS_X -= 2;
            }
            break;
        default:
            break;
        }

        verticalMoveAndLanding(s);
        if (s.MOVE_MODE == 0 && s.POS_X < 10 && s.JUMP_STEP == 0 && s.HAND_STEP == 0)
            s.SPEED_X = 1;
    }
}

} // namespace kz
