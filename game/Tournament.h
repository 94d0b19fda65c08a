#pragma once
// The spine of the game: a tournament of ten matches, run as one long call
// from the START click, with its two button waits, Game Over and placings.

namespace kz {

void StartTournament();
void RunTournament();
void WaitForAre();
void WaitForPre();
void AnnouncePlacings();
void GameOver();
void FinishTournament();

// Entry points from the window.
void OnStartButton();     // GM_START clicked
void OnMenuStartStop();   // GAME menu 開始 / 停止
void OnAreClicked();
void OnPreClicked();

// True while a tournament call has not yet returned (also while it unwinds
// after a stop).
bool TournamentRunning();

// Resets the module's own bookkeeping; tests start from a clean world.
void ResetTournamentGuards();

} // namespace kz
