#include "game/Tournament.h"

#include "game/GameState.h"
#include "game/Judging.h"
#include "game/PerformanceTurn.h"
#include "game/Text.h"
#include "game/World.h"
#include "performance/EndingShow.h"
#include "platform/Platform.h"
#include "presentation/Arena.h"
#include "presentation/Messages.h"
#include "presentation/Ranking.h"
#include "presentation/Scoreboard.h"
#include "shell/Am.h"
#include "shell/Settings.h"
#include "shell/Sound.h"

#include <QAbstractButton>
#include <QPushButton>

namespace kz {

namespace {

// A tournament call runs inside the click handler that started it and lets
// the window handle events at its waits. These guards keep a second
// tournament from starting inside the first while it is still unwinding.
enum class StartRequest { None, Button, Menu };
int gTournamentDepth = 0;
StartRequest gPending = StartRequest::None;
bool gInGameOver = false;

void setAllNamesWhite()
{
    for (int seat = 0; seat < kSeats; ++seat)
        am().setNameWhite(seat, true);
}

QString matchTitle(int match, int baseLevel)
{
    const QString bl = "(B.L." + Blank(baseLevel) + ")";
    switch (match) {
    case 6: return "大会初戦" + bl;
    case 7: return "大会２回戦" + bl;
    case 8: return "準々決勝" + bl;
    case 9: return "準決勝" + bl;
    case 10: return "決勝" + bl;
    default: return "予選" + Blank(match) + "試合目" + bl;
    }
}

void waitForButton(QAbstractButton* button, const char* name)
{
    auto& s = state();
    button->setVisible(true);
    button->setFocus();
    sys().note(QString("wait ") + name);
    // The first look is a plain yield, so a wait that begins after a stop
    // ends at once; after that the wait blocks until something happens.
    bool first = true;
    while (button->isVisible()) {
        if (first)
            sys().yield();
        else
            sys().waitForEvents();
        first = false;
        if (s.STOP_FLAG == 1)
            button->setVisible(false);
    }
}

void backToIdle()
{
    auto& s = state();
    s.STOP_FLAG = 1;
    am().SELE->setVisible(true);
    am().setMenuStartCaption("開始");
    am().GM_START->setFocus();
}

// Runs start requests one after another, never one inside another.
void runStartRequests(StartRequest request)
{
    if (gTournamentDepth > 0) {
        // The previous tournament is still on its way out: start right after it returns.
        if (request == StartRequest::Button)
            PlaySound(10);
        gPending = request;
        sys().note("start deferred");
        return;
    }
    bool fresh = true;
    gPending = request;
    while (gPending != StartRequest::None) {
        const StartRequest r = gPending;
        gPending = StartRequest::None;
        if (r == StartRequest::Button) {
            setAllNamesWhite();
            if (fresh)
                PlaySound(10); // a deferred click already sounded when it was made
        } else {
            state().STOP_FLAG = 0;
        }
        fresh = false;
        ++gTournamentDepth;
        try {
            StartTournament();
        } catch (...) {
            --gTournamentDepth;
            gPending = StartRequest::None;
            throw;
        }
        --gTournamentDepth;
    }
}

} // namespace

bool TournamentRunning()
{
    return gTournamentDepth > 0;
}

void ResetTournamentGuards()
{
    gTournamentDepth = 0;
    gPending = StartRequest::None;
    gInGameOver = false;
}

void OnStartButton()
{
    runStartRequests(StartRequest::Button);
}

void OnMenuStartStop()
{
    auto& s = state();
    if (s.STOP_FLAG == 0) {
        if (!gInGameOver)
            GameOver();
        return;
    }
    runStartRequests(StartRequest::Menu);
}

void OnAreClicked()
{
    PlaySound(10);
    am().Are->setVisible(false);
    sys().note("press Are");
}

void OnPreClicked()
{
    PlaySound(10);
    am().Pre->setVisible(false);
    sys().note("press Pre");
}

void StartTournament()
{
    auto& s = state();
    auto& a = am();
    SaveSettings();
    for (int k = 0; k < kSeats; ++k)
        if (a.SEL[k]->isChecked())
            s.LAST_PLAYER = k;
    for (int seat = 0; seat < kSeats; ++seat)
        s.PL_STATE[seat] = seat <= s.LAST_PLAYER ? 1 : -1;
    a.SELE->setVisible(false);
    s.STOP_FLAG = 0;
    for (int seat = 0; seat < kSeats; ++seat)
        s.PL_RANK[seat] = 0;
    a.setMenuStartCaption("停止");
    for (int seat = 0; seat < kSeats; ++seat)
        a.setNameCaption(seat, s.PL_NAME[seat]);
    for (int seat = s.LAST_PLAYER + 1; seat < kSeats; ++seat)
        a.setNameCaption(seat, " ");
    RunTournament();
}

void RunTournament()
{
    auto& s = state();
    auto& a = am();
    ShowMessage(0, "Game Start");
    ShowMessage(1, "");
    for (int seat = 0; seat < kSeats; ++seat) {
        s.PL_TOTAL[seat] = 0;
        s.PL_MRANK[seat] = 0;
    }
    DrawRecordBoard();
    ResetArena();
    for (;;) {
        s.MATCH_NO += 1;
        DrawCrowd();
        s.BASE_LEVEL = 60 + 2 * s.MATCH_NO;
        ScoreOpponents();
        if (s.BASE_LEVEL > 95)
            s.BASE_LEVEL = 95;
        for (int row = 0; row < kSeats; ++row)
            for (s.JUDGE_NO = 1; s.JUDGE_NO <= 10; ++s.JUDGE_NO)
                PutScore(s.JUDGE_NO, " ", row);
        if (s.MATCH_NO == 11) {
            ShowMessage(0, "試合終了");
            AnnouncePlacings();
            return;
        }
        ShowMessage(0, matchTitle(s.MATCH_NO, s.BASE_LEVEL));

        for (s.CUR_SEAT = 0; s.CUR_SEAT <= s.LAST_PLAYER; ++s.CUR_SEAT) {
            for (int k = 0; k < 10; ++k)
                s.MOVE_USED[k] = 0;
            if (s.PL_STATE[s.CUR_SEAT] <= 0) {
                a.setNameWhite(s.CUR_SEAT, false);
                continue;
            }
            if (!PerformTurn())
                return;
            if (!JudgeRoutine())
                return;
        }

        RankTotals();
        RankMatch();
        for (int seat = 0; seat <= s.LAST_PLAYER; ++seat)
            if (s.PL_STATE[seat] == 1 && s.PL_SCORE[seat] < s.BASE_LEVEL)
                s.PL_STATE[seat] = 0;
        MarkMatchList();
        MarkTotalsList();
        sys().pause(200);
        sys().yield();

        for (int seat = 0; seat <= s.LAST_PLAYER; ++seat) {
            if (s.PL_STATE[seat] == 0) {
                a.setNameWhite(seat, false);
                ShowMessage(1, a.nameCaption(seat) + "ｻﾝは敗退");
                PlaySound(16);
                s.PL_STATE[seat] = -1;
                WaitForPre();
            } else if (s.PL_STATE[seat] == 1) {
                ShowMessage(1, a.nameCaption(seat) + "ｻﾝはクリア!");
                PlaySound(16);
                sys().pause(400);
            }
        }

        bool anyLeft = false;
        for (int seat = 0; seat < kSeats; ++seat)
            anyLeft = anyLeft || s.PL_STATE[seat] > 0;
        if (!anyLeft) {
            GameOver();
            return;
        }
        DrawRecordBoard();
        sys().yield();
    }
}

void WaitForAre()
{
    waitForButton(am().Are, "Are");
}

void WaitForPre()
{
    waitForButton(am().Pre, "Pre");
}

void AnnouncePlacings()
{
    auto& s = state();
    for (s.CUR_SEAT = 0; s.CUR_SEAT <= s.LAST_PLAYER; ++s.CUR_SEAT) {
        const int seat = s.CUR_SEAT;
        if (s.PL_STATE[seat] <= 0)
            continue;
        ShowMessage(1, s.PL_NAME[seat] + "サンは" + Blank(s.PL_RANK[seat] + 1) + "位");
        PlaySound(19);
        sys().pause(1000);
        const std::int16_t show = s.PL_RANK[seat] <= 2 ? static_cast<std::int16_t>(s.PL_RANK[seat] + 1) : 4;
        EndingShow(show);
        sys().pause(1000);
        WaitForPre();
    }
    PauseMusic();
    FinishTournament();
}

void GameOver()
{
    gInGameOver = true;
    try {
        ShowMessage(1, "Game Over");
        PlaySound(17);
        SaveSettings();
        WaitForPre();
    } catch (...) {
        gInGameOver = false;
        throw;
    }
    gInGameOver = false;
    backToIdle();
    setAllNamesWhite();
}

void FinishTournament()
{
    ShowMessage(1, "おつかれさまでした");
    PlaySound(9);
    // A record set in a completed tournament must not wait for the next start.
    SaveSettings();
    sys().pause(2000);
    WaitForPre();
    backToIdle();
}

} // namespace kz
