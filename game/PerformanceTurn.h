#pragma once
// One human routine (greeting, countdown, the two passes, closing pose) and
// the scores of the computer opponents.

#include <QString>
#include <array>

namespace kz {

// Returns false when a stop was requested during the turn.
bool PerformTurn();

// Points taken from 減点 by where a pass ended.
int ForwardOutOfBounds(int posX);
int ReturnOutOfBounds(int posX);

void ScoreOpponents();
void LoadOpponentNames();

extern const std::array<const char*, 100> kOpponentNames;

} // namespace kz
