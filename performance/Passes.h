#pragma once
// The two controls and the two passes that turn their presses into moves.

namespace kz {

// Each pass iteration that draws a single frame itself (wind-up crouch, jump
// crouch, take-off, flight) rests this long after the draw, so the wind-up
// and a jump keep a playable length in every match.
constexpr int kSingleFramePause = 16;

void CountHand();
void CountFoot();

void ForwardPass();
void ReturnPass();

} // namespace kz
