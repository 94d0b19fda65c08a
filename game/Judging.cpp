#include "game/Judging.h"

#include "game/GameState.h"
#include "game/Text.h"
#include "game/Tournament.h"
#include "game/World.h"
#include "platform/Platform.h"
#include "presentation/Messages.h"
#include "presentation/Scoreboard.h"
#include "shell/Sound.h"

#include <cmath>

namespace kz {

std::int16_t CharmFor(int m)
{
    static constexpr std::int16_t table[] = {0, 2, 5, 7, 8, 8, 9, 10, 10, 10, 10};
    if (m < 0 || m > 10)
        return 0;
    return table[m];
}

bool JudgeRoutine()
{
    auto& s = state();
    auto& p = sys();
    auto& rnd = p.random;

    if (s.SMALL_TECH > 10) s.SMALL_TECH = 10;
    if (s.BIG_TECH > 10) s.BIG_TECH = 10;
    if (s.FAULT_SCORE > 10) s.FAULT_SCORE = 10;
    if (s.FAULT_SCORE < 0) s.FAULT_SCORE = 0;

    int kinds = 0;
    for (int k = 0; k <= 6; ++k)
        kinds += s.MOVE_USED[k];
    s.CHARM = CharmFor(kinds);
    if (s.STOP_FLAG == 1)
        return false;

    s.EVALUATION = (s.SMALL_TECH + s.BIG_TECH + s.FAULT_SCORE + s.CHARM) / 4.0;
    ShowMessage(1, "評価");
    PlaySound(11);
    p.pause(600);
    ShowMessage(1, "小技" + Blank(s.SMALL_TECH) + "/大技" + Blank(s.BIG_TECH) + "/魅力" + Blank(s.CHARM));
    p.pause(600);
    if (s.FAULT_SCORE == 10)
        ShowMessage(1, "減点　なし");
    else
        ShowMessage(1, "減点 -" + Blank(10 - s.FAULT_SCORE));
    p.pause(100);
    WaitForPre();

    ShowMessage(1, "審査員評価");
    PlaySound(11);
    p.pause(600);
    PlaySound(13);
    p.pause(300);

    const double e = s.EVALUATION;
    s.JUDGE_SUM = 0;
    for (s.JUDGE_NO = 1; s.JUDGE_NO <= 10; ++s.JUDGE_NO) {
        const int j = s.JUDGE_NO;
        // The two tenths of the spread are single precision, as the marks show.
        const float v = static_cast<float>(rnd.draw(5)) / 10.0f;
        const float w = static_cast<float>(rnd.draw(6)) / 10.0f;
        double x = e + static_cast<double>(v) - static_cast<double>(w);
        if (e == 10) {
            x = 10;
            p.pause(400);
            if (rnd.draw(10) == 2) {
                x = 9.8;
                if (rnd.draw(3) == 1)
                    x = 9.9;
            }
        }
        if (e >= 9.5 && j == 5) {
            x = 10;
            p.pause(300);
        }
        if (rnd.draw(3) == 2 && e >= 8.5 && e <= 9 && j == 6) {
            x = 9.8;
            p.pause(300);
        }
        if (rnd.draw(10) == 1 && e >= 8.5 && e <= 9 && j == 10) {
            x = 9.7;
            p.pause(300);
        }
        const int suspense = rnd.draw(200);
        s.FRAME_WAIT = static_cast<std::int16_t>(10 * static_cast<int>(std::floor(x)) + suspense);
        if (x < 5)
            s.FRAME_WAIT = 10;
        p.pause(s.FRAME_WAIT);
        s.JUDGE_SUM += x;
        PutScore(s.JUDGE_NO, JudgeText(x), s.CUR_SEAT);
        if (j == 1 && x > 8.5) {
            PlaySound(9);
            p.pause(1200);
        }
    }

    p.pause(500);
    if (s.JUDGE_SUM > 85)
        PlaySound(9);
    PutScore(11, OneDecimal(s.JUDGE_SUM), s.CUR_SEAT);
    p.pause(400);
    PlaySound(14);
    const int seat = s.CUR_SEAT;
    s.PL_SCORE[seat] = s.JUDGE_SUM;
    s.PL_TOTAL[seat] = s.PL_TOTAL[seat] + s.PL_SCORE[seat];
    PutScore(12, OneDecimal(s.PL_TOTAL[seat]), s.CUR_SEAT);
    return true;
}

} // namespace kz
