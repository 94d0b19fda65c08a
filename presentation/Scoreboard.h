#pragma once
#include <QString>
#include <cstdint>

namespace kz {

// Draws text right-aligned into one field (1..12) of one row of the score grid.
void PutScore(std::int16_t field, const QString& text, int row);

} // namespace kz
