#pragma once
// Scoring a finished routine: clamps, 魅力, the evaluation, and ten judges.

#include <cstdint>

namespace kz {

// Returns false when a stop was requested (tested once, after 魅力).
bool JudgeRoutine();

// 魅力 by the number of kinds performed plus the swans.
std::int16_t CharmFor(int kinds);

} // namespace kz
