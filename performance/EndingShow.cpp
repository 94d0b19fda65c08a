#include "performance/EndingShow.h"

#include "game/GameState.h"
#include "game/World.h"
#include "performance/Motions.h"
#include "platform/Platform.h"
#include "presentation/Messages.h"
#include "shell/Sound.h"

namespace kz {

namespace {

void play(std::initializer_list<const char16_t*> names)
{
    for (const char16_t* n : names)
        PlayMove(QString::fromUtf16(n));
}

} // namespace

void EndingShow(std::int16_t placing)
{
    auto& s = state();
    auto& p = sys();
    p.note(QString("ending %1").arg(placing));
    p.pause(1300);
    s.FRAME_WAIT = 50;
    s.POS_X = 60;
    s.POS_Y = 95;
    switch (placing) {
    case 1:
        PlayMusic(1);
        play({u"側転", u"側転2", u"ハンド", u"バク転", u"スワン", u"R_JUMP", u"前宙", u"DOWN", u"ハンド", u"R_JUMP",
              u"前宙", u"DOWN", u"ハンド", u"ハンド", u"L_JUMP", u"後宙", u"DOWN", u"L_JUMP", u"後宙", u"DOWN", u"スワン"});
        PlaySound(9);
        PlayMove("END_1");
        PlaySound(9);
        break;
    case 2:
        PlayMusic(0);
        play({u"ハンド", u"ハンド", u"ハンド", u"ハンド", u"バク転", u"バク転", u"L_JUMP", u"後宙", u"DOWN", u"スワン",
              u"R_JUMP", u"前宙", u"DOWN", u"ハンド", u"R_JUMP", u"前宙", u"DOWN", u"R_JUMP", u"前宙", u"DOWN"});
        PlaySound(9);
        PlayMove("END_2");
        PlaySound(9);
        break;
    case 3:
        PlayMusic(0);
        s.POS_X = 20;
        play({u"側転", u"側転2"});
        PlayMove("END_3");
        break;
    case 4:
        s.POS_X = 300;
        PlayMove("END_4");
        break;
    default:
        break;
    }
    // Let the music finish, but never wait more than about ten seconds.
    bool finished = false;
    int polls = 0;
    while (!finished) {
        p.pause(100);
        QueryMusicMode();
        if (s.MUSIC_MODE == "STOPPED")
            finished = true;
        polls += 1;
        if (polls > 100)
            finished = true;
    }
}

void OnHotSpotDoubleClick()
{
    const int n = static_cast<int>(sys().random.next() * 3) + 1;
    if (state().STOP_FLAG == 1) {
        ShowMessage(0, "Debug ENDING " + QString::number(n));
        EndingShow(static_cast<std::int16_t>(n));
    }
}

} // namespace kz
